// The windows in other languages: every text a person sees goes through the
// translator (a stand-in translator wraps each text in "[[...]]", so a text shown
// without the brackets was never marked), each shipped language's windows keep
// their labels whole, and Help opens the page in the window's language.
#include "AppTestSupport.h"

#include "app/MainWindowIds.h"
#include "controls/About.h"
#include "controls/ControlButton.h"
#include "controls/Label.h"
#include "controls/artwork/Artwork.h"
#include "dialogs/CAVConvertDlg.h"
#include "platform/ControlId.h"
#include "platform/UiLanguage.h"
#include "profiles/ProfileTable.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTableWidget>
#include <QTranslator>

// Failure messages name a language by its code, not by its bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

using namespace apptest;
using namespace mainwindow;

namespace {

// Every text asked of it comes back as "[[text]]".
class WrappingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        if (!source || !*source) return QString();
        return QStringLiteral("[[") + QString::fromUtf8(source) + QStringLiteral("]]");
    }
};

struct ShownText {
    QString where;
    QString text;
};

QString describe(const QWidget* widget) {
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char('/') +
           widget->window()->metaObject()->className();
}

// Everything a person reads or hears of `root` and its children: titles, labels,
// button and box texts, tooltips, column headings and what the accessibility
// interface says. Picture buttons keep their template name as their text, which is
// never shown: their tooltip and accessible name speak for them.
std::vector<ShownText> shownTexts(QWidget& root) {
    std::vector<ShownText> texts;
    const auto add = [&texts](const QWidget* widget, const QString& text) {
        if (!text.trimmed().isEmpty()) texts.push_back({describe(widget), text});
    };
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    add(&root, root.windowTitle());
    for (QWidget* widget : widgets) {
        add(widget, widget->toolTip());
        add(widget, widget->accessibleDescription());
        if (QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget))
            add(widget, spoken->text(QAccessible::Name));
        if (auto* label = qobject_cast<QLabel*>(widget)) add(widget, label->text());
        if (auto* box = qobject_cast<QGroupBox*>(widget)) add(widget, box->title());
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !qobject_cast<CControlButton*>(widget))
            add(widget, button->text());
        if (auto* table = qobject_cast<QTableWidget*>(widget))
            for (int column = 0; column < table->columnCount(); ++column)
                if (!table->isColumnHidden(column) && table->horizontalHeaderItem(column))
                    add(widget, table->horizontalHeaderItem(column)->text());
    }
    return texts;
}

// Texts that are no words of the program: numbers, times, signs, the product's
// name, addresses, the media files' own names and the profiles' names (names of
// devices and formats, kept as the stored task lists and settings name them).
bool isNoWording(const QString& text) {
    static const QRegularExpression noLetters(QStringLiteral("^\\P{L}*$"));
    for (const ProfileEntry& profile : Profiles())
        if (text.trimmed() == QString::fromUtf8(profile.displayText.data(), qsizetype(profile.displayText.size())).trimmed())
            return true;
    return noLetters.match(text).hasMatch() || text.startsWith(QLatin1String("Korbanix")) ||
           text.startsWith(QLatin1String("https://")) || text.endsWith(QLatin1String(".avi"));
}

class TranslationTest : public MainWindowTest {
protected:
    // Opens the main window, adds a clip and opens every window a person reaches
    // from it; each window's texts are collected while it is up.
    std::vector<ShownText> everyWindowsTexts() {
        std::vector<ShownText> all;
        CTolvaneAVConverterDlg& window = open();
        window.modalRunner = [&all](QDialog& shown) {
            const std::vector<ShownText> texts = shownTexts(shown);
            all.insert(all.end(), texts.begin(), texts.end());
            return int(QDialog::Rejected);
        };
        window.show();
        window.AddPaths({SharedMedia().clipA});
        window.taskListControl()->SelectAndFocus(0);
        window.ClickTask();
        for (int id : {kSetting, kAbout, kFileInfo, kClip}) window.button(id)->click();
        const std::vector<ShownText> main = shownTexts(window);
        all.insert(all.end(), main.begin(), main.end());
        CAVConvertDlg progress(&window);
        progress.SetRunningRows({{QStringLiteral("a.avi"), 40}, {QStringLiteral("b.avi"), 60}});
        const std::vector<ShownText> running = shownTexts(progress);
        all.insert(all.end(), running.begin(), running.end());
        return all;
    }
};

TEST_F(TranslationTest, EveryTextOfEveryWindowGoesThroughTheTranslator) {
    WrappingTranslator wrapping;
    QCoreApplication::installTranslator(&wrapping);
    const std::vector<ShownText> texts = everyWindowsTexts();
    QCoreApplication::removeTranslator(&wrapping);
    EXPECT_GT(texts.size(), 100u) << "every window was walked";
    QStringList unmarked;
    for (const ShownText& shown : texts)
        if (!shown.text.contains(QLatin1String("[[")) && !isNoWording(shown.text))
            unmarked << shown.where + QStringLiteral(": \"") + shown.text + QLatin1Char('"');
    unmarked.removeDuplicates();
    EXPECT_TRUE(unmarked.isEmpty()) << "not marked for translation:\n" << unmarked.join('\n').toStdString();
}

TEST_F(TranslationTest, MessagesGoThroughTheTranslator) {
    WrappingTranslator wrapping;
    QCoreApplication::installTranslator(&wrapping);
    CTolvaneAVConverterDlg& window = open();
    window.button(kHelp)->click();      // no help page beside this program
    window.onConvert();                 // an empty list
    QCoreApplication::removeTranslator(&wrapping);
    const QStringList messages = fake.messageTexts();
    ASSERT_EQ(messages.size(), 2);
    for (const QString& message : messages) EXPECT_TRUE(message.startsWith("[[")) << message.toStdString();
}

// ---- The desktop's language ----

struct ChoiceCase {
    QStringList wanted;
    const char* chosen;
};

class LanguageChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LanguageChoice, TheFirstShippedLanguageWins) {
    EXPECT_EQ(ChooseUiLanguage(GetParam().wanted), QString::fromLatin1(GetParam().chosen))
        << GetParam().wanted.join(',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, LanguageChoice,
    ::testing::Values(ChoiceCase{{"de_DE.UTF-8"}, "de"}, ChoiceCase{{"de-AT"}, "de"},
                      ChoiceCase{{"pt-BR", "pt"}, "pt_BR"}, ChoiceCase{{"pt_PT.UTF-8"}, "pt_BR"},
                      ChoiceCase{{"zh-Hans-CN"}, "zh_CN"}, ChoiceCase{{"zh_SG"}, "zh_CN"},
                      ChoiceCase{{"zh_TW", "ja"}, "ja"}, ChoiceCase{{"ko_KR.UTF-8"}, "ko"},
                      ChoiceCase{{"sv_SE", "fr_CA"}, "fr"}, ChoiceCase{{"en_GB", "de"}, ""},
                      ChoiceCase{{"C"}, ""}, ChoiceCase{{"sv", "nb"}, ""}, ChoiceCase{{"ru_RU@euro"}, "ru"},
                      ChoiceCase{{}, ""}));

// ---- Each shipped language ----

class ShippedLanguage : public MainWindowTest, public ::testing::WithParamInterface<QString> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        const QString built = qEnvironmentVariable("KORBANIX_BUILD_DIR") + QStringLiteral("/app/translations");
        ASSERT_TRUE(translation.Install(GetParam(), built)) << "no compiled translation in " << built.toStdString();
    }
    UiTranslation translation;
};

// Why a label's text does not fit it, or empty. A label that cuts its text must
// give the whole text as its tooltip. A pixel's rounding of the laid-out text is
// no clipping.
QString clippingOf(const QWidget& widget) {
    const QFontMetrics metrics(widget.font());
    if (auto* label = qobject_cast<const CLabel*>(&widget)) {
        const QString shown = label->DisplayedText();
        const QRect needed = metrics.boundingRect(label->rect(), LabelTextFormat(label->StaticStyle(), shown), shown);
        if (needed.width() > label->width() + 1 || needed.height() > label->height()) return "drawn text overflows";
        if (shown != label->text() && label->toolTip() != label->text()) return "cut without the whole text as tooltip";
        return QString();
    }
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull()) return QString();
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = metrics.boundingRect(room, flags, label->text());
        if (needed.width() > room.width() + 1 || needed.height() > room.height()) return QStringLiteral("text overflows");
        if (label->text().endsWith(QChar(0x2026)) && label->toolTip().isEmpty())
            return QStringLiteral("cut without the whole text as tooltip");
        return QString();
    }
    if (auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                              box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        if (metrics.horizontalAdvance(box->text()) + indicator > box->width()) return QStringLiteral("text overflows");
        if (box->text().endsWith(QChar(0x2026)) && box->toolTip().isEmpty())
            return QStringLiteral("cut without the whole text as tooltip");
        return QString();
    }
    if (auto* button = qobject_cast<const QPushButton*>(&widget); button && !qobject_cast<const CControlButton*>(button)) {
        QString text = button->text();
        text.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&(?=.)")));
        return metrics.horizontalAdvance(text) + 4 > button->width() ? QStringLiteral("text overflows") : QString();
    }
    if (auto* box = qobject_cast<const QGroupBox*>(&widget))
        return metrics.horizontalAdvance(box->title()) + 8 > box->width() ? QStringLiteral("title overflows") : QString();
    return QString();
}

QStringList clippedLabels(QWidget& root) {
    QStringList clipped;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&root)) continue;
        const QString why = clippingOf(*widget);
        if (!why.isEmpty()) {
            QString text = widget->property("text").toString();
            if (text.isEmpty()) text = widget->property("title").toString();
            clipped << describe(widget) + QStringLiteral(" \"") + text + QStringLiteral("\": ") + why;
        }
    }
    return clipped;
}

TEST_P(ShippedLanguage, NoLabelOfAnyWindowIsClipped) {
    QStringList clipped;
    CTolvaneAVConverterDlg& window = open();
    window.modalRunner = [&clipped](QDialog& shown) {
        shown.show();
        clipped << clippedLabels(shown);
        shown.hide();
        return int(QDialog::Rejected);
    };
    window.show();
    window.AddPaths({SharedMedia().clipA});
    window.taskListControl()->SelectAndFocus(0);
    window.ClickTask();
    for (int id : {kSetting, kAbout, kFileInfo, kClip}) window.button(id)->click();
    clipped << clippedLabels(window);
    CAVConvertDlg progress(&window);
    progress.show();
    progress.SetRunningRows({{QStringLiteral("a.avi"), 40}, {QStringLiteral("b.avi"), 60}});
    clipped << clippedLabels(progress);
    clipped.removeDuplicates();
    EXPECT_TRUE(clipped.isEmpty()) << GetParam().toStdString() << ":\n" << clipped.join('\n').toStdString();
}

// A running row's status reads whole in every language, also where the window
// is no larger than a 1366x768 screen at twice the scale leaves it.
TEST_P(ShippedLanguage, ARunningRowsStatusReadsWhole) {
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({SharedMedia().clipA});
    window.show();
    const QString running = QCoreApplication::translate("ConversionControl", "Converting %1 %").arg(100);
    window.taskList().SetText(0, TaskList::kStatus, running);
    for (const QSize& size : {window.size(), QSize(683, 384).expandedTo(window.minimumSize())}) {
        window.resize(size);
        EXPECT_EQ(window.taskListControl()->ShownText(0, TaskList::kStatus), running)
            << GetParam().toStdString() << " at " << window.width() << "x" << window.height();
    }
}

TEST_P(ShippedLanguage, EveryButtonCaptionFitsItsButton) {
    const QStringList cut = artwork::CutCaptions();
    EXPECT_TRUE(cut.isEmpty()) << GetParam().toStdString() << ": " << cut.join(", ").toStdString();
}

TEST_P(ShippedLanguage, TheWindowSpeaksTheLanguage) {
    CTolvaneAVConverterDlg& window = open();
    EXPECT_EQ(CurrentUiLanguage(), GetParam());
    EXPECT_NE(window.button(kConvert)->toolTip(), QStringLiteral("Start Converting"));
    EXPECT_NE(window.button(kConvert)->accessibleName(), QStringLiteral("Convert"));
}

TEST_P(ShippedLanguage, HelpOpensThePageInTheWindowsLanguage) {
    for (const QString& name : {QStringLiteral("help.html"), QStringLiteral("help_%1.html").arg(GetParam())}) {
        QFile page(exeFolder() + QLatin1Char('/') + name);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<html></html>");
    }
    CTolvaneAVConverterDlg& window = open();
    window.button(kHelp)->click();
    EXPECT_EQ(fake.openedPaths, std::vector<QString>({exeFolder() + QStringLiteral("/help_%1.html").arg(GetParam())}));
}

TEST_P(ShippedLanguage, EveryLanguageHasItsOwnHelpPage) {
    const QString page = qEnvironmentVariable("KORBANIX_SOURCE_DIR") + QStringLiteral("/app/help/help_%1.html").arg(GetParam());
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    const QString language = QString(GetParam()).replace(QLatin1Char('_'), QLatin1Char('-'));
    EXPECT_TRUE(text.contains(QStringLiteral("lang=\"%1\"").arg(language))) << "the page names its language";
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLanguage, ::testing::ValuesIn(ShippedUiLanguages().toVector()),
                         [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

TEST_F(TranslationTest, AMissingPageInTheLanguageOpensTheEnglishOne) {
    UiTranslation translation;
    ASSERT_TRUE(translation.Install(QStringLiteral("de"), qEnvironmentVariable("KORBANIX_BUILD_DIR") + "/app/translations"));
    QFile page(exeFolder() + QStringLiteral("/help.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
    page.close();
    CTolvaneAVConverterDlg& window = open();
    window.button(kHelp)->click();
    EXPECT_EQ(fake.openedPaths, std::vector<QString>({exeFolder() + QStringLiteral("/help.html")}));
}

TEST_F(TranslationTest, ButtonPicturesAreRepaintedInTheWindowsLanguage) {
    const QImage english = artwork::Bitmap(177);  // Add, its caption under the plus
    {
        UiTranslation translation;
        ASSERT_TRUE(translation.Install(QStringLiteral("de"), qEnvironmentVariable("KORBANIX_BUILD_DIR") + "/app/translations"));
        EXPECT_NE(artwork::Bitmap(177), english) << "the German caption is painted";
    }
    EXPECT_EQ(artwork::Bitmap(177), english) << "English again once the translation is gone";
}

TEST_F(TranslationTest, SettingsListsShowTheChannelsInTheWindowsLanguage) {
    UiTranslation translation;
    ASSERT_TRUE(translation.Install(QStringLiteral("de"), qEnvironmentVariable("KORBANIX_BUILD_DIR") + "/app/translations"));
    CTolvaneAVConverterDlg& window = open();
    QStringList channels;
    window.modalRunner = [&channels](QDialog& shown) {
        for (QComboBox* combo : shown.findChildren<QComboBox*>())
            if (ControlId(combo) == 1068)
                for (int i = 0; i < combo->count(); ++i) channels << combo->itemText(i);
        return int(QDialog::Rejected);
    };
    window.AddPaths({SharedMedia().clipA});
    window.button(kSetting)->click();
    EXPECT_TRUE(channels.contains(QStringLiteral("2 Kanäle Stereo"))) << channels.join(", ").toStdString();
}

TEST(UiTranslation, AMissingTranslationLeavesTheWindowsEnglish) {
    UiTranslation translation;
    EXPECT_FALSE(translation.Install(QStringLiteral("de"), QStringLiteral("/nonexistent")));
    EXPECT_EQ(CurrentUiLanguage(), QString());
    EXPECT_TRUE(translation.Install(QString(), QStringLiteral("/nonexistent")));
}

}  // namespace
