// CLabel text formats and CHyperLink colours, underline modes, hover timer,
// opening through the platform layer and the failure message.
#include "controls/HyperLink.h"
#include "controls/Label.h"
#include "platform/FakePlatform.h"

#include "tests/support/QtTestApp.h"

#include <QLabel>
#include <QTest>

#include <algorithm>

namespace {

using namespace staticstyle;

TEST(LabelFormat, StaticStylesMapToTextFormats) {
    EXPECT_EQ(LabelTextFormat(kCenter, "a"), int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap));
    EXPECT_EQ(LabelTextFormat(kRight, "a"), int(Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap));
    EXPECT_EQ(LabelTextFormat(kLeftNoWordWrap, "a"), int(Qt::AlignLeft | Qt::AlignTop));
    EXPECT_EQ(LabelTextFormat(kLeft, "a"), int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap));
    EXPECT_EQ(LabelTextFormat(kLeft | kNotify, "a\tb"),
              int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs));
    // Centre-image replaces the format: one line centred both ways, several lines across only.
    EXPECT_EQ(LabelTextFormat(kLeft | kCenterImage, "one line"),
              int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine));
    EXPECT_EQ(LabelTextFormat(kRight | kCenterImage, "two\r\nlines"), int(Qt::AlignHCenter | Qt::AlignTop));
}

// Bounding box of the pixels that differ from the background.
QRect inkBox(const QImage& image, const QColor& background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(LabelPaint, ACentreImageLabelShowsOneLineCentredBothWays) {
    CLabel label(nullptr, 1018, "Converting...", kCenterImage);
    label.resize(240, 60);
    label.SetBackgroundColour(QColor(240, 240, 240));
    label.SetTextColour(Qt::black);
    const QRect box = inkBox(label.grab().toImage(), QColor(240, 240, 240));
    ASSERT_TRUE(box.isValid());
    EXPECT_NEAR(box.center().x(), 120, 3);
    EXPECT_NEAR(box.center().y(), 30, 4);
    // Text changes come from setText and repaint the label.
    label.setText("clip.avi   42% has completed");
    EXPECT_GT(inkBox(label.grab().toImage(), QColor(240, 240, 240)).width(), box.width());
}

// A caption of another language in a fixed box: how far it may grow, and what it
// looks like then.
struct FitCase {
    const char* text;
    int boxWidth;
    int widest;        // the right edge it may grow to
    bool grows;        // the box became wider
    bool smaller;      // the font became smaller
    bool cut;          // an ellipsis, the whole text in the tooltip
};

class CaptionFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(CaptionFit, TheCaptionGrowsShrinksOrIsCutWithItsWholeTextAtHand) {
    const FitCase& c = GetParam();
    QWidget window;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    window.setFont(font);
    QLabel label(QString::fromUtf8(c.text), &window);
    label.setGeometry(10, 10, c.boxWidth, 16);
    FitCaption(label, c.widest);
    EXPECT_EQ(label.width() > c.boxWidth, c.grows) << label.width();
    EXPECT_LE(label.x() + label.width(), std::max(c.widest, 10 + c.boxWidth));
    EXPECT_EQ(label.font().pointSizeF() < 9, c.smaller) << label.font().pointSizeF();
    EXPECT_GE(label.font().pointSizeF(), 9 * 0.75) << "never below three quarters";
    EXPECT_EQ(label.text().endsWith(QChar(0x2026)), c.cut) << label.text().toStdString();
    EXPECT_EQ(label.toolTip(), c.cut ? QString::fromUtf8(c.text) : QString());
    if (c.cut) {
        EXPECT_EQ(label.accessibleName(), QString::fromUtf8(c.text));
    }
    EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(label.text()), label.width()) << "fits its box";
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CaptionFit,
    ::testing::Values(FitCase{"Bit Rate:", 80, 90, false, false, false},
                      FitCase{"Частота дискретизации:", 60, 300, true, false, false},
                      FitCase{"Частота дискретизации:", 60, 10 + 125, true, true, false},
                      FitCase{"Выключить компьютер по окончании конвертирования", 60, 10 + 90, true, true, true},
                      FitCase{"サンプリングレート:", 50, 10 + 50, false, true, true}));

class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(400, 100);
        QFont big = window.font();
        big.setPointSize(16);
        window.setFont(big);
        link = new CHyperLink(&window, 1101, "https://korbanix.org/support");
        link->move(20, 20);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // Qt drops a move to the pointer's current place, so every hover uses a new one.
    void hover() {
        static int step = 0;
        QTest::mouseMove(link, QPoint(3 + step++ % 7, 5));
    }
    void leave() {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(link, &event);
    }
    void click() { QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5)); }
    bool showsColour(const QColor& colour) {
        const QImage image = link->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) return true;
        return false;
    }

    FakePlatform fake;
    ScopedPlatform installed{fake};
    QWidget window;
    CHyperLink* link = nullptr;
};

TEST_F(HyperLinkTest, StartsInTheLinkColourWithTheAddressAsTooltip) {
    EXPECT_EQ(link->CurrentColour(), QColor(0, 0, 238));
    EXPECT_TRUE(showsColour(QColor(0, 0, 238)));
    EXPECT_EQ(link->toolTip(), "https://korbanix.org/support");
    EXPECT_FALSE(link->IsUnderlined());
    EXPECT_EQ(link->GetUnderline(), -1);
}

TEST_F(HyperLinkTest, HoverTurnsRedAndUnderlinesUntilTheTimerSeesThePointerGone) {
    hover();
    EXPECT_TRUE(link->IsOverLink());
    EXPECT_EQ(link->CurrentColour(), QColor(255, 0, 0));
    EXPECT_TRUE(link->IsUnderlined());
    EXPECT_TRUE(showsColour(QColor(255, 0, 0)));
    leave();
    EXPECT_TRUE(link->IsOverLink());  // noticed by the timer, not at once
    QTRY_VERIFY_WITH_TIMEOUT(!link->IsOverLink(), 1000);
    EXPECT_FALSE(link->IsUnderlined());
    EXPECT_EQ(link->CurrentColour(), QColor(0, 0, 238));
}

TEST_F(HyperLinkTest, UnderlineModesAlwaysAndNever) {
    link->SetUnderline(1);
    EXPECT_TRUE(link->IsUnderlined());
    hover();
    leave();
    QTRY_VERIFY_WITH_TIMEOUT(!link->IsOverLink(), 1000);
    EXPECT_TRUE(link->IsUnderlined());
    link->SetUnderline(0);
    EXPECT_FALSE(link->IsUnderlined());
    hover();
    EXPECT_FALSE(link->IsUnderlined());
    EXPECT_EQ(link->CurrentColour(), QColor(255, 0, 0));
}

TEST_F(HyperLinkTest, ASuccessfulClickOpensTheUrlAndMarksTheLinkVisited) {
    link->SetURL("https://korbanix.org/help");  // text stays, the address changes
    click();
    EXPECT_EQ(fake.openedUrls, std::vector<QString>{"https://korbanix.org/help"});
    EXPECT_EQ(link->text(), "https://korbanix.org/support");
    EXPECT_EQ(link->toolTip(), "https://korbanix.org/help");
    EXPECT_TRUE(link->IsVisited());
    EXPECT_FALSE(link->IsOverLink());
    EXPECT_EQ(link->CurrentColour(), QColor(85, 26, 139));
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(HyperLinkTest, AFailureKeepsTheUnvisitedColourBeepsAndGivesTheReason) {
    fake.openResults.push_back(FakePlatform::Failure(26));
    click();
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(fake.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(fake.messages[0].owner, &window);
    EXPECT_EQ(fake.beepCount, 1);
    EXPECT_FALSE(link->IsVisited());
    EXPECT_EQ(link->CurrentColour(), QColor(0, 0, 238));

    // A visited link that fails later loses its visited colour.
    EXPECT_TRUE(link->Open());
    EXPECT_TRUE(link->IsVisited());
    fake.openResults.push_back(OpenResult{false, 1234, QString()});
    EXPECT_FALSE(link->Open());
    EXPECT_FALSE(link->IsVisited());
    EXPECT_EQ(fake.messages.back().text, "Unable to open hyperlink:\n\nUnknown Error (1234) occurred.");
}

TEST_F(HyperLinkTest, TheControlFitsItsTextAndKeepsItsAnchor) {
    const QFontMetrics underlined([&] { QFont f = link->font(); f.setUnderline(true); return f; }());
    EXPECT_EQ(link->width(), underlined.size(0, link->text()).width());
    EXPECT_EQ(link->pos(), QPoint(20, 20));

    CHyperLink right(&window, 1102, "x", kRight);
    right.setGeometry(100, 10, 200, 20);
    right.SetURL("https://korbanix.org");
    right.setText("https://korbanix.org");
    right.SetURL("https://korbanix.org");
    EXPECT_EQ(right.geometry().right(), 299);
    CHyperLink centred(&window, 1103, "x", kCenter);
    centred.setGeometry(100, 10, 200, 20);
    centred.setText("a much longer text than before");
    centred.SetURL("https://korbanix.org");
    EXPECT_NEAR(centred.geometry().center().x(), 199, 1);
}

}  // namespace
