// The windows in other languages: every text a person sees goes through the
// translator (a stand-in translator wraps each text in "[[...]]", so a text shown
// without the brackets was never marked), each shipped language's windows keep
// their labels whole, and Help opens the page in the window's language.
#include "AppTestSupport.h"

#include "app/MainWindowIds.h"
#include "app/TaskList.h"
#include "controls/About.h"
#include "controls/CheckListCtrl.h"
#include "controls/ElidingCombo.h"
#include "controls/ControlButton.h"
#include "controls/Label.h"
#include "controls/artwork/Artwork.h"
#include "dialogs/CAVConvertDlg.h"
#include "dialogs/CFileInfomation.h"
#include "dialogs/EngineTexts.h"
#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "platform/UiLanguage.h"
#include "profiles/ProfileTable.h"
#include "support/TextInk.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
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
        if (!testqt::TextInkFits(*label)) return "the bottom of the text is cut";
        if (shown != label->text() && label->toolTip() != label->text()) return "cut without the whole text as tooltip";
        return QString();
    }
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull()) return QString();
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = metrics.boundingRect(room, flags, label->text());
        if (needed.width() > room.width() + 1 || needed.height() > room.height()) return QStringLiteral("text overflows");
        if (!testqt::TextInkFits(*label)) return QStringLiteral("the bottom of the text is cut");
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
    // A list's every entry must read whole when it is the chosen one ("2 チャンネル
    // ステレオ" read "2 チャンネル"); a typed field scrolls instead.
    if (auto* box = qobject_cast<const QComboBox*>(&widget); box && !box->isEditable()) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        // A list that cuts a long entry in its middle shows it so (the whole entry
        // as its tooltip); any other shows it as it is.
        const auto* eliding = qobject_cast<const CElidingCombo*>(box);
        for (int i = 0; i < box->count(); ++i) {
            const QString shown = eliding ? eliding->ShownText(i) : box->itemText(i);
            if (metrics.horizontalAdvance(shown) + 2 > field.width())
                return QStringLiteral("entry \"%1\" overflows").arg(box->itemText(i));
        }
        if (eliding && eliding->ShownText() != box->currentText() && box->toolTip() != box->currentText())
            return QStringLiteral("cut without the whole text as tooltip");
    }
    return QString();
}

// The heading text the header hands to the style to draw.
struct HeaderPeek : CCheckHeadCtrl {
    static QString Drawn(const CCheckHeadCtrl& header, int column) {
        QStyleOptionHeader option;
        option.initFrom(&header);
        const auto initialise = &HeaderPeek::initStyleOptionForIndex;
        (header.*initialise)(&option, column);
        return option.text;
    }
};

// What the main window shows outside its controls: a row's status in the task
// list at its longest, and the captions the skin paints left of the two combos
// at the window's font.
QStringList clippedInTheMainWindow(CTolvaneAVConverterDlg& window) {
    QStringList clipped;
    QTableWidget& list = window.taskList().Control();
    const QFontMetrics metrics(list.font());
    QStringList statuses{QCoreApplication::translate("ConversionControl", "Converting %1 %").arg(100)};
    for (const char* status : {"Completed", "Failure", "Stopped", "Done before"})
        statuses << QCoreApplication::translate("ConversionControl", status);
    statuses << QCoreApplication::translate("TaskList", " Ready") << QCoreApplication::translate("TaskListStore", "File not found");
    constexpr int kCellMargins = 8;
    for (const QString& status : statuses)
        if (metrics.horizontalAdvance(status) + kCellMargins > list.columnWidth(TaskList::kStatus))
            clipped << QStringLiteral("status cell \"%1\": text overflows").arg(status);
    // A heading is drawn whole or ends in "…" (German "Ausgabeformat" was cut to "Ausgabefo").
    auto& header = static_cast<CCheckHeadCtrl&>(*list.horizontalHeader());
    for (int column = 0; column < list.columnCount(); ++column) {
        if (list.isColumnHidden(column)) continue;
        const QString whole = list.horizontalHeaderItem(column)->text();
        const QString shown = HeaderPeek::Drawn(header, column);
        if (shown != whole && !shown.endsWith(QChar(0x2026)) && !shown.isEmpty())
            clipped << QStringLiteral("heading \"%1\": cut without an ellipsis").arg(whole);
        if (QFontMetrics(header.font()).horizontalAdvance(shown) > header.sectionSize(column))
            clipped << QStringLiteral("heading \"%1\": overflows its column").arg(whole);
    }
    const int captionLeft = MapDialogRect(QRect(8, 0, 34, 12), window.font()).left();
    for (QLabel* caption : window.findChildren<QLabel*>()) {
        auto* combo = qobject_cast<QComboBox*>(caption->buddy());
        if (!combo || caption->isVisible()) continue;
        if (QFontMetrics(window.font()).horizontalAdvance(caption->text()) > combo->x() - captionLeft)
            clipped << QStringLiteral("painted caption \"%1\": no room at the window's font").arg(caption->text());
    }
    return clipped;
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
    clipped << clippedLabels(window) << clippedInTheMainWindow(window);
    CAVConvertDlg progress(&window);
    progress.show();
    // File names with an underscore and descenders: their lowest ink must show.
    progress.SetRunningRows({{QStringLiteral("a_gypsy.avi"), 40}, {QStringLiteral("b_life.avi"), 60}});
    progress.SetCurrentText(QStringLiteral("b_life.avi   40%"));
    progress.SetTotalText(QStringLiteral("1/2 gypsy_song.mkv"));
    clipped << clippedLabels(progress);
    // Two files at once, the first with a long name: the name gives way in its
    // middle and the share done reads whole ("...mp4 + 1 more 31% has co…").
    const QString name = QStringLiteral("long run_ten minutes_333x187 of the summer holiday.mp4");
    const QString line = QCoreApplication::translate("ConversionControl", "%1   %2% has completed")
                             .arg(name + QCoreApplication::translate("ConversionControl", " + %1 more").arg(1))
                             .arg(31);
    progress.SetCurrentText(line);
    progress.SetRunningRows({{name, 31}, {QStringLiteral("b_life.avi"), 60}});
    clipped << clippedLabels(progress);
    const QString shown = FindControlAs<CLabel>(&progress, CAVConvertDlg::kCurrentText)->DisplayedText();
    if (!shown.endsWith(line.mid(line.indexOf(QStringLiteral(".mp4")))))
        clipped << QStringLiteral("current file \"%1\": the share done is cut").arg(shown);
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
    // So does the chosen profile: whole, or cut in its middle keeping its start
    // and its extension, the whole name in its tooltip.
    auto* profile = qobject_cast<CElidingCombo*>(window.profileCombo());
    ASSERT_TRUE(profile);
    profile->resize(profile->width() / 3, profile->height());
    for (int i = 0; i < profile->count(); ++i) {
        profile->setCurrentIndex(i);
        const QString whole = profile->currentText(), shown = profile->ShownText();
        QStyleOptionComboBox option;
        option.initFrom(profile);
        const int room = profile->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, profile).width();
        EXPECT_LE(profile->fontMetrics().horizontalAdvance(shown), room) << whole.toStdString();
        if (shown == whole) continue;
        EXPECT_TRUE(shown.contains(QChar(0x2026)) && shown.left(3) == whole.left(3) && shown.right(3) == whole.right(3))
            << shown.toStdString();
        EXPECT_EQ(profile->toolTip(), whole);
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

// The File Information track lists describe a track in the window's language
// ("2 channels, default" and "?" stayed English).
TEST_P(ShippedLanguage, TrackLinesSpeakTheLanguage) {
    TrackOffer offer;
    tracks::Track track;
    track.kind = tracks::TrackKind::Audio;
    track.number = 1;
    track.codec = "aac";
    track.channels = 2;
    track.isDefault = true;
    track.forced = true;
    track.title = "Director";
    offer.tracks = {track, track};
    offer.tracks[1].channels = 1;
    const std::vector<TrackEntry> entries = SoundTrackEntries(offer);
    ASSERT_EQ(entries.size(), 3u);
    for (const TrackEntry& entry : entries)
        for (const char* english : {"channel", "default", "forced", "\"Director\""})
            EXPECT_FALSE(entry.text.contains(QLatin1String(english))) << entry.text.toStdString();
    // An unknown language is a word where the list has room for it.
    if (QStringList{"de", "pl", "ja", "zh_CN", "ko"}.contains(GetParam())) {
        EXPECT_FALSE(entries[1].text.contains(QLatin1Char('?'))) << entries[1].text.toStdString();
    }
    EXPECT_TRUE(entries[1].text.contains(QStringLiteral("Director")));
    // Six channels of no stated language in the window: the chosen entry reads
    // whole or cut in its middle (German read "…6 Ka").
    FileInfoFields fields;
    fields.tracks = offer;
    fields.tracks.tracks[0].language.clear();
    fields.tracks.tracks[0].channels = 6;
    fields.tracks.automaticAudio = 0;
    CFileInfomation dialog(fields);
    dialog.show();
    EXPECT_EQ(clippedLabels(dialog).join('\n').toStdString(), "") << GetParam().toStdString();
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

// German names Merge "Zusammenfügen" ("Verbinden" reads as connecting things)
// and quotes „so“, in the window and on the help page alike.
TEST_F(TranslationTest, GermanSaysZusammenfuegenAndQuotesTheGermanWay) {
    UiTranslation translation;
    ASSERT_TRUE(translation.Install(QStringLiteral("de"), qEnvironmentVariable("KORBANIX_BUILD_DIR") + "/app/translations"));
    // The caption may break after "Zusammen" (a soft hyphen) on the button.
    EXPECT_EQ(QCoreApplication::translate("Artwork", "Merge").remove(QChar(0x00AD)), QString::fromUtf8("Zusammenfügen"));
    const QString root = qEnvironmentVariable("KORBANIX_SOURCE_DIR");
    for (const QString& name : {QStringLiteral("/translations/korbanix_de.ts"), QStringLiteral("/app/help/help_de.html")}) {
        QFile file(root + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QString text = QString::fromUtf8(file.readAll());
        EXPECT_FALSE(text.contains(QStringLiteral("Verbinden"))) << name.toStdString();
        // Only what a person reads: the translations, the page's text without its tags.
        if (name.endsWith(QStringLiteral(".ts"))) {
            QStringList read;
            for (const auto& m : QRegularExpression(QStringLiteral("<translation>([^<]*)</translation>")).globalMatch(text))
                read << m.captured(1);
            text = read.join(QLatin1Char('\n'));
        } else {
            text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        }
        EXPECT_FALSE(text.contains(QStringLiteral("&quot;")) || text.contains(QLatin1Char('"'))) << name.toStdString();
    }
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

// The lists speak the window's language; the languages of the sound and subtitle
// tracks go by their own names, the desktop's in the window's words.
TEST_F(TranslationTest, SettingsListsShowTheChannelsInTheWindowsLanguage) {
    UiTranslation translation;
    ASSERT_TRUE(translation.Install(QStringLiteral("de"), qEnvironmentVariable("KORBANIX_BUILD_DIR") + "/app/translations"));
    qputenv("LANGUAGE", "ja");
    CTolvaneAVConverterDlg& window = open();
    QStringList channels;
    QStringList languages;
    window.modalRunner = [&channels, &languages](QDialog& shown) {
        for (QComboBox* combo : shown.findChildren<QComboBox*>())
            for (int i = 0; i < combo->count(); ++i) {
                if (ControlId(combo) == 1068) channels << combo->itemText(i);
                if (ControlId(combo) == 1140) languages << combo->itemText(i);
            }
        return int(QDialog::Rejected);
    };
    window.AddPaths({SharedMedia().clipA});
    window.button(kSetting)->click();
    qunsetenv("LANGUAGE");
    EXPECT_TRUE(channels.contains(QStringLiteral("2 Kanäle Stereo"))) << channels.join(", ").toStdString();
    ASSERT_FALSE(languages.isEmpty());
    EXPECT_EQ(languages.first(), QStringLiteral("Desktop: 日本語"));
    for (const char* own : {"Deutsch (ger)", "日本語 (jpn)", "Français (fre)", "Русский (rus)", "中文 (chi)"})
        EXPECT_TRUE(languages.contains(QString::fromUtf8(own))) << own << " in " << languages.join(", ").toStdString();
    EXPECT_LT(languages.indexOf(QStringLiteral("Deutsch (ger)")), languages.indexOf(QStringLiteral("Français (fre)")))
        << "in the order of their own names";
}

// ---- The engine's words ----

// Every text of the catalogue has its own translation in the language (a text
// lupdate has not seen, or left unfinished, has none).
TEST_P(ShippedLanguage, EveryTextTheEngineGivesHasATranslation) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral("korbanix_") + GetParam(),
                                qEnvironmentVariable("KORBANIX_BUILD_DIR") + QStringLiteral("/app/translations")));
    QStringList untranslated;
    for (const char* pattern : EngineTextPatterns())
        if (translator.translate("EngineText", pattern).isEmpty()) untranslated << QString::fromUtf8(pattern);
    EXPECT_TRUE(untranslated.isEmpty()) << GetParam().toStdString() << ":\n" << untranslated.join('\n').toStdString();
}

// The engine's and the rules' sentences are written in pieces around numbers and
// names; each piece of a sentence they can give the windows must be part of a
// text of the catalogue, or the window would show it in English.
TEST(EngineTexts, EveryPieceOfAReasonTheEngineWritesIsInTheCatalogue) {
    const QString root = qEnvironmentVariable("KORBANIX_SOURCE_DIR");
    QStringList files{root + QStringLiteral("/profiles/SettingsRules.cpp"), root + QStringLiteral("/profiles/TargetSizeRules.cpp")};
    for (QDirIterator it(root + QStringLiteral("/engine"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}); it.hasNext();)
        files << it.next();
    // Pieces that never reach a window: the command line's own texts, the track
    // list's short labels and lists of names.
    const QStringList notShown{
        QStringLiteral("no container has the extension "), QStringLiteral(" container"),
        QStringLiteral(" holds sound only; use a sound profile (13, 14 or 15) or another extension"),
        QStringLiteral(" takes no "), QStringLiteral(" video; choose another extension or encoder"),
        QStringLiteral(" sound; choose another extension or encoder"), QStringLiteral(" channel"),
        QStringLiteral(" channels"), QStringLiteral(", file "), QStringLiteral("picture size"),
        QStringLiteral("frame rate"), QStringLiteral("video bit rate"), QStringLiteral("sample rate"),
        QStringLiteral("audio bit rate")};
    // A piece is found when it is part of a text of the catalogue, its numbers
    // standing for the text's "%n" ("8 kbps to " in "%2 kbps to %3 kbps"), or
    // when it holds a whole text with names in place of the "%n" ("the MPEG-1
    // encoder takes only " holds "the %1 encoder takes only %2").
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    static const QRegularExpression number(QStringLiteral("[0-9]+"));
    QString catalogue;
    std::vector<QRegularExpression> wholeTexts;
    for (const char* pattern : EngineTextPatterns()) {
        const QString text = QString::fromUtf8(pattern);
        catalogue += QString(text).replace(placeholder, QStringLiteral("\x02")).replace(number, QStringLiteral("\x02")) +
                     QLatin1Char('\x01');
        QStringList parts = text.split(placeholder);
        for (QString& part : parts) part = QRegularExpression::escape(part);
        wholeTexts.emplace_back(parts.join(QStringLiteral(".*?")));
    }
    const auto inCatalogue = [&](const QString& piece) {
        if (catalogue.contains(QString(piece).replace(number, QStringLiteral("\x02")))) return true;
        return std::any_of(wholeTexts.begin(), wholeTexts.end(),
                           [&piece](const QRegularExpression& whole) { return whole.match(piece).hasMatch(); });
    };
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    static const QRegularExpression wording(QStringLiteral("[A-Za-z]{2,}\\s+[A-Za-z]{2,}|^\\s.*[a-z]{2}|[a-z]{2}.*\\s$"));
    QStringList missing;
    int pieces = 0;
    for (const QString& path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        int number = 0;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            ++number;
            const QString code = line.trimmed();
            if (code.startsWith(QLatin1String("//")) || code.startsWith(QLatin1Char('*')) ||
                code.startsWith(QLatin1String("#include")))
                continue;
            for (auto it = literal.globalMatch(line.section(QStringLiteral("  //"), 0, 0)); it.hasNext();) {
                QString piece = it.next().captured(1);
                piece.replace(QLatin1String("\\\""), QLatin1String("\"")).replace(QLatin1String("\\n"), QLatin1String("\n"));
                if (!wording.match(piece).hasMatch() || piece.startsWith(QLatin1Char('.')) ||
                    piece.contains(QLatin1String("(*.")) || notShown.contains(piece))
                    continue;
                ++pieces;
                if (!inCatalogue(piece))
                    missing << QFileInfo(path).fileName() + QLatin1Char(':') + QString::number(number) + QStringLiteral(": \"") +
                                   piece + QLatin1Char('"');
            }
        }
    }
    EXPECT_GT(pieces, 100) << "the engine's sources were read";
    EXPECT_TRUE(missing.isEmpty()) << "not in the catalogue (dialogs/EngineTexts.cpp):\n" << missing.join('\n').toStdString();
}

struct ReasonCase {
    const char* english;  // as the engine or the rules give it
    const char* german;   // as the window shows it
};

class GermanReason : public ::testing::TestWithParam<ReasonCase> {};

// Sentences put together from pieces come out whole in the window's language;
// the names, paths and numbers in them stay as they are.
TEST_P(GermanReason, ReadsInGerman) {
    UiTranslation translation;
    ASSERT_TRUE(translation.Install(QStringLiteral("de"), qEnvironmentVariable("KORBANIX_BUILD_DIR") + "/app/translations"));
    EXPECT_EQ(EngineText(std::string(GetParam().english)), QString::fromUtf8(GetParam().german));
}

INSTANTIATE_TEST_SUITE_P(
    Engine, GermanReason,
    ::testing::Values(
        ReasonCase{"The video encoder does not accept these settings", "Der Video-Encoder akzeptiert diese Einstellungen nicht"},
        ReasonCase{"Cannot open the source: No such file or directory",
                   "Die Quelle kann nicht geöffnet werden: Datei oder Verzeichnis nicht gefunden"},
        ReasonCase{"Cannot write the output: Some error FFmpeg has no words for",
                   "Die Ausgabe kann nicht geschrieben werden: Some error FFmpeg has no words for"},
        ReasonCase{"Cannot write the output: No space left on device; a partial file may remain as /out/a.mp4; "
                   "its thumbnail may remain as /out/a.THM",
                   "Die Ausgabe kann nicht geschrieben werden: Kein Speicherplatz mehr auf dem Gerät; eine unvollständige "
                   "Datei kann als /out/a.mp4 übrig bleiben; die Miniaturansicht kann als /out/a.THM übrig bleiben"},
        ReasonCase{"Not enough memory for the source's video decoder", "Nicht genug Speicher für den Video-Decoder der Quelle"},
        ReasonCase{"Stopped at once; the unfinished output was removed",
                   "Sofort angehalten; die unfertige Ausgabedatei wurde entfernt"},
        ReasonCase{"The subtitle file film.srt asks for letters too large to draw",
                   "Die Untertiteldatei film.srt verlangt zu große Schrift zum Einblenden"},
        ReasonCase{"video kept as it is; sound converted: 6 AAC channels are more than the PSP's 2",
                   "Video unverändert beibehalten; Ton konvertiert: 6 AAC-Kanäle sind mehr als die 2 der PSP"},
        ReasonCase{"video converted: the picture size 1920x1080 is above the PSP's 720x480 (video out)",
                   "Video konvertiert: die Bildgröße 1920x1080 übersteigt die 720x480 der PSP (Videoausgang)"},
        ReasonCase{"the MP3 encoder takes 8000 to 48000 Hz (8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000)",
                   "der MP3-Encoder akzeptiert 8000 bis 48000 Hz (8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000)"},
        ReasonCase{"the WMA8 encoder takes \"1 Channel Mono\" or \"2 Channel Stereo\"",
                   "der WMA8-Encoder akzeptiert „1 Kanal Mono“ oder „2 Kanäle Stereo“"},
        ReasonCase{"The target size of 4 MB is too large for a.avi (00:00:01 long): its video would need 31000 kbps, "
                   "above the 10000 kbps the PSP at H.264 level 3.0 plays.\nChoose a smaller size.",
                   "Die Zielgröße von 4 MB ist zu groß für a.avi (00:00:01 lang): Das Video bräuchte 31000 kbps, mehr als "
                   "die 10000 kbps, die die PSP mit H.264 Level 3.0 abspielt.\nBitte eine kleinere Größe wählen."},
        ReasonCase{"The target size of 90 MB is too large for \"v/a.avi\" (00:01:00 long): its video would need "
                   "11808 kbps, above the 4854 kbps the PS3 in DivX Home Theater profile plays.\n"
                   "Choose a smaller size.",
                   "Die Zielgröße von 90 MB ist zu groß für \"v/a.avi\" (00:01:00 lang): Das Video bräuchte 11808 "
                   "kbps, mehr als die 4854 kbps, die die PS3 im Profil DivX Home Theater abspielt.\nBitte eine "
                   "kleinere Größe wählen."},
        ReasonCase{"video converted: the picture size 352x240 is above the PSP's 76800 pixels (320x240 or 368x208) "
                   "(firmware 2.00)",
                   "Video konvertiert: die Bildgröße 352x240 übersteigt die 76800 Bildpunkte der PSP (320x240 oder "
                   "368x208) (Firmware 2.00)"},
        ReasonCase{"A sentence the catalogue does not know", "A sentence the catalogue does not know"}),
    [](const ::testing::TestParamInfo<ReasonCase>& info) { return "Reason" + std::to_string(info.index); });

TEST(UiTranslation, AMissingTranslationLeavesTheWindowsEnglish) {
    UiTranslation translation;
    EXPECT_FALSE(translation.Install(QStringLiteral("de"), QStringLiteral("/nonexistent")));
    EXPECT_EQ(CurrentUiLanguage(), QString());
    EXPECT_TRUE(translation.Install(QString(), QStringLiteral("/nonexistent")));
}

}  // namespace
