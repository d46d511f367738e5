// CAbout: template 246's texts and places, two always-underlined links to our own
// addresses that open through the platform layer, OK, and fresh links each time.
#include "controls/About.h"
#include "controls/HyperLink.h"
#include "controls/artwork/Artwork.h"
#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "platform/FakePlatform.h"

#include "tests/support/QtTestApp.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class AboutTest : public ::testing::Test {
protected:
    FakePlatform fake;
    ScopedPlatform installed{fake};
};

QStringList labelTexts(QWidget* dialog) {
    QStringList texts;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        if (!qobject_cast<CHyperLink*>(label) && !label->text().isEmpty()) texts << label->text();
    return texts;
}

TEST_F(AboutTest, ShowsTheVersionCaptionsLinksAndOk) {
    CAbout about;
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.property("templateId").toInt(), 246);
    auto* version = FindControlAs<QLabel>(&about, 1103);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version 2.1");
    EXPECT_EQ(version->geometry(), MapDialogRect(QRect(214, 61, 55, 8), about.font()));
    const QStringList texts = labelTexts(&about);
    EXPECT_TRUE(texts.contains("Support:"));
    EXPECT_TRUE(texts.contains("Homepage:"));

    auto* support = FindControlAs<CHyperLink>(&about, 1101);
    auto* home = FindControlAs<CHyperLink>(&about, 1102);
    ASSERT_NE(support, nullptr);
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(support->GetURL(), CAbout::kSupportUrl);
    EXPECT_EQ(support->text(), CAbout::kSupportUrl);
    EXPECT_EQ(home->GetURL(), CAbout::kHomeUrl);
    EXPECT_TRUE(support->IsUnderlined());
    EXPECT_TRUE(home->IsUnderlined());
    EXPECT_EQ(support->font().pointSize(), 10);
    EXPECT_TRUE(QString(CAbout::kHomeUrl).contains("korbanix"));

    auto* ok = FindControlAs<QPushButton>(&about, 1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
}

TEST_F(AboutTest, TheBannerIsShownWholeInsideTheBox) {
    CAbout about;
    QLabel* banner = nullptr;
    for (QLabel* label : about.findChildren<QLabel*>())
        if (!label->pixmap().isNull()) banner = label;
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->pixmap().size(), QSize(408, 86));
    EXPECT_TRUE(about.rect().contains(banner->geometry()));
}

TEST_F(AboutTest, OkEndsTheDialogAccepted) {
    CAbout about;
    QTimer::singleShot(0, &about, [&] { QTest::mouseClick(about.okButton(), Qt::LeftButton); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST_F(AboutTest, HoverReddensWithoutDroppingTheUnderlineAndAVisitLastsOnlyForThisBox) {
    {
        CAbout about;
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        CHyperLink* home = about.homeLink();
        QTest::mouseMove(home, QPoint(4, 4));
        EXPECT_EQ(home->CurrentColour(), QColor(255, 0, 0));
        EXPECT_TRUE(home->IsUnderlined());
        QTest::mouseClick(home, Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_EQ(fake.openedUrls, std::vector<QString>{CAbout::kHomeUrl});
        EXPECT_TRUE(home->IsVisited());
        EXPECT_TRUE(home->IsUnderlined());
    }
    CAbout again;
    EXPECT_FALSE(again.homeLink()->IsVisited());
    EXPECT_FALSE(again.supportLink()->IsVisited());
}

}  // namespace
