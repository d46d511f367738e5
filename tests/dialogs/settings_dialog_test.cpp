// The "Setting" window over its model: controls found by id, the model mirrored into
// the lists, picks passed back, OK / Cancel / Escape / Enter / Default, the failure
// message through the platform, and moving by the background.

#include "dialogs/CSettings.h"
#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "platform/FakePlatform.h"
#include "profiles/ProfileTable.h"
#include "support/QtTestApp.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ResetOutputSettings(settings); }

    CSettings& openDialog(SourcePreferences* sources = nullptr) {
        dialog = std::make_unique<CSettings>(settings, nullptr, &FindPreset, sources);
        dialog->show();
        return *dialog;
    }
    QComboBox* combo(int id) { return FindControlAs<QComboBox>(dialog.get(), id); }
    QPushButton* button(int id) { return FindControlAs<QPushButton>(dialog.get(), id); }
    QStringList items(int id) {
        QStringList list;
        for (int i = 0; i < combo(id)->count(); ++i) list << combo(id)->itemText(i);
        return list;
    }
    // A user's pick: the list shows it and reports it as activated.
    void pick(int id, const QString& text) {
        QComboBox* c = combo(id);
        const int index = c->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        c->setCurrentIndex(index);
        emit c->activated(index);
    }

    OutputSettings settings;
    FakePlatform platform;
    ScopedPlatform installed{platform};
    std::unique_ptr<CSettings> dialog;
};

TEST_F(SettingsDialogTest, HasEveryControlByIdWithDropDownListsOnly) {
    openDialog();
    EXPECT_EQ(dialog->windowTitle(), "Setting");
    for (int id : {1064, 1066, 1063, 1065, 1069, 1070, 1067, 1068}) {
        ASSERT_NE(combo(id), nullptr) << id;
        EXPECT_FALSE(combo(id)->isEditable()) << id;
    }
    for (int id : {1134, 1072, 1, 2}) ASSERT_NE(button(id), nullptr) << id;
    EXPECT_EQ(button(1072)->toolTip(), "Default setting");
    EXPECT_EQ(button(1)->toolTip(), "OK");
    EXPECT_EQ(button(2)->toolTip(), "Cancel");
    EXPECT_EQ(dialog->findChildren<QGroupBox*>().size(), 2);
}

TEST_F(SettingsDialogTest, RectanglesFollowTheDialogFont) {
    openDialog();
    const QFont f = dialog->font();
    EXPECT_EQ(dialog->size(), MapDialogSize(QSize(268, 230), f));
    EXPECT_EQ(button(1)->geometry(), MapDialogRect(QRect(148, 208, 55, 19), f));
    EXPECT_EQ(combo(CSettings::kTargetSize)->geometry().topLeft(), MapDialogRect(QRect(58, 162, 71, 12), f).topLeft());
    EXPECT_EQ(button(1134)->geometry(), MapDialogRect(QRect(75, 2, 184, 19), f));
    const QRect resolution = MapDialogRect(QRect(56, 60, 71, 72), f);
    EXPECT_EQ(combo(1063)->geometry().topLeft(), resolution.topLeft());
    EXPECT_EQ(combo(1063)->width(), resolution.width());
}

TEST_F(SettingsDialogTest, OpensProfileZeroWithTitleListsAndTheValuesInEffect) {
    LoadProfile(settings, 0);
    openDialog();
    EXPECT_EQ(button(1134)->text(), "PS3 H.264 Video(*.mp4)");
    EXPECT_FALSE(button(1134)->isEnabled());
    EXPECT_EQ(button(1134)->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(Qt::red));
    EXPECT_EQ(combo(1064)->currentText(), "H.264");
    EXPECT_EQ(combo(1063)->currentText(), "720*480");
    EXPECT_EQ(items(1063), (QStringList{"720*480", "720*576"}));
    EXPECT_EQ(combo(1067)->currentText(), "48000 Hz");
    EXPECT_EQ(combo(1070)->currentText(), "192 kbps");
    EXPECT_EQ(combo(1068)->currentText(), "2 Channel Stereo");
    const auto labels = QAccessible::queryAccessibleInterface(combo(1067))->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), "Sample Rate:");

    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settings.sampleRate, 48000);
    EXPECT_EQ(settings.audioBitRate, 192000);
    EXPECT_EQ(settings.videoBitRate, 2000000);
    EXPECT_EQ(settings.frameRateText, "29.97 fps");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsDialogTest, WavShowsFourEmptyDisabledVideoLists) {
    LoadProfile(settings, 13);
    openDialog();
    for (int id : {1064, 1066, 1063, 1065}) {
        EXPECT_EQ(combo(id)->count(), 0) << id;
        EXPECT_FALSE(combo(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(combo(1069)->isEnabled());
    EXPECT_EQ(items(1069), QStringList{"PCM_S16LE"});
}

TEST_F(SettingsDialogTest, PicksRunTheRulesAndOkAppliesThem) {
    LoadProfile(settings, 4);  // 91204
    openDialog();
    pick(1069, "AC3");
    EXPECT_EQ(items(1068), (QStringList{"1 Channel Mono", "2 Channel Stereo", "5.1 Channel"}));
    pick(1068, "5.1 Channel");
    pick(1066, "6000 kbps");
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(settings.channels, 6);
    EXPECT_EQ(settings.audioEncoder, "AC3");
    EXPECT_EQ(settings.videoBitRate, 6000000);
}

// The target size is typed or picked; OK writes it, a text that is no size keeps
// the dialog open with what the field takes, and nothing is applied.
TEST_F(SettingsDialogTest, TargetSizeIsTypedOrPickedAndOkWritesIt) {
    LoadProfile(settings, 9);
    settings.targetSizeBytes = 350000000;
    openDialog();
    QComboBox* size = combo(CSettings::kTargetSize);
    ASSERT_NE(size, nullptr);
    EXPECT_TRUE(size->isEditable());
    EXPECT_EQ(size->currentText(), "350 MB") << "opens with the size in effect";
    EXPECT_TRUE(items(CSettings::kTargetSize).contains("700 MB"));
    size->setEditText("about a CD");
    pick(1066, "512 kbps");
    QTest::mouseClick(button(1), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The target size must be a size such as 700 MB or 1.4 GB, or empty for none.");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(settings.targetSizeBytes, 350000000);
    EXPECT_EQ(settings.videoBitRate, 768000) << "nothing applied";
    size->setEditText(" 1.4G ");
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.targetSizeBytes, 1400000000);
    EXPECT_EQ(settings.videoBitRate, 512000);
    openDialog();
    combo(CSettings::kTargetSize)->setEditText("");
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(settings.targetSizeBytes, 0) << "empty: no target size";
}

TEST_F(SettingsDialogTest, VideoEncoderPickRefillsTheSizesOfTheGeneralAviPreset) {
    settings.profileCode = 90001;
    openDialog();
    EXPECT_EQ(combo(1063)->count(), 9);
    pick(1064, "H.263");
    EXPECT_EQ(items(1063), (QStringList{"128*96", "176*144", "352*288", "704*576", "1408*1152"}));
    EXPECT_EQ(combo(1063)->currentText(), "352*288");
}

TEST_F(SettingsDialogTest, CancelAndEscapeKeepEveryValueAndTheFlags) {
    LoadProfile(settings, 0);
    ASSERT_TRUE(settings.makeThumbnail);
    openDialog();
    pick(1063, "720*576");
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(settings.makeThumbnail);
    EXPECT_EQ(settings.height, 480);
    EXPECT_EQ(settings.confirmedProfileCode, 0);

    LoadProfile(settings, 9);  // PSP
    settings.makeThumbnail = false;
    openDialog();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(settings.makeThumbnail);
    EXPECT_EQ(settings.confirmedProfileCode, 0);
}

// Enter confirms the settings whichever list has the focus, as OK does (the
// default button); the choices are written as OK writes them.
TEST_F(SettingsDialogTest, EnterConfirmsAsOkDoes) {
    LoadProfile(settings, 0);
    openDialog();
    EXPECT_TRUE(button(CSettings::kOk)->isDefault());
    combo(1063)->setFocus();
    QTest::keyClick(combo(1063), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_NE(settings.confirmedProfileCode, 0) << "OK was pressed";
}

// On a small screen at a large scale (run at 683x384) the controls scroll but
// Default / OK / Cancel stay wholly on the screen, Tab reaches them and Enter confirms.
TEST_F(SettingsDialogTest, TheButtonsStayOnTheScreen) {
    SourcePreferences sources;
    openDialog(&sources);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    const QRect screen = dialog->screen()->availableGeometry();
    EXPECT_LE(dialog->frameGeometry().height(), screen.height());
    std::set<QWidget*> reached;
    for (int i = 0; i < 40; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab)) {
        QWidget* focused = QApplication::focusWidget();
        reached.insert(focused);
        // Every stop is a control, scrolled wholly into view.
        EXPECT_FALSE(qobject_cast<QAbstractScrollArea*>(focused)) << "a stop without a visible focus";
        auto* area = dialog->findChild<QAbstractScrollArea*>();
        QWidget* within = area && area->isAncestorOf(focused) ? area->viewport() : dialog.get();
        while (focused->parentWidget()->focusProxy() == focused)
            focused = focused->parentWidget();  // the whole control: a list's field is only its part
        const QRect shown(focused->mapTo(within, QPoint()), focused->size());
        EXPECT_TRUE(within->rect().contains(shown)) << ControlId(focused) << " at y " << shown.y();
    }
    for (int id : {CSettings::kDefault, CSettings::kOk, CSettings::kCancel}) {
        const QRect shown(button(id)->mapToGlobal(QPoint()), button(id)->size());
        EXPECT_TRUE(screen.contains(shown)) << id << " at " << shown.y() << "+" << shown.height() << " on " << screen.height();
        EXPECT_TRUE(dialog->geometry().contains(shown)) << id;
        EXPECT_TRUE(reached.count(button(id))) << id << " not reached by Tab";
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(SettingsDialogTest, DefaultShowsThePresetsChoicesAndOnlyOkWritesThem) {
    LoadProfile(settings, 3);  // 91203: 48000 Hz, 128 kbps in effect
    openDialog();
    pick(1063, "1920*1080");
    EXPECT_EQ(combo(1067)->currentText(), "48000 Hz");
    const OutputSettings before = settings;
    QTest::mouseClick(button(1072), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(combo(1063)->currentText(), "1280*720");
    EXPECT_EQ(combo(1067)->currentText(), "44100 Hz");
    EXPECT_EQ(combo(1070)->currentText(), "192 kbps");
    EXPECT_EQ(settings.sampleRate, before.sampleRate);
    EXPECT_EQ(settings.confirmedProfileCode, before.confirmedProfileCode);
    EXPECT_TRUE(platform.messages.empty());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(settings.sampleRate, 48000) << "Cancel after Default writes nothing";

    openDialog();
    QTest::mouseClick(button(1072), Qt::LeftButton);
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(settings.sampleRate, 44100);
    EXPECT_EQ(settings.audioBitRate, 192000);
}

// The main window's dialog also offers how sources are read: the preferred
// language and the still pictures' length, written only by OK.
TEST_F(SettingsDialogTest, SourcesGroupOffersLanguageAndStillLengthAndOnlyOkWritesThem) {
    qputenv("LANGUAGE", "fr");
    SourcePreferences sources{"de", 5};
    openDialog(&sources);
    const QFont f = dialog->font();
    EXPECT_EQ(dialog->findChildren<QGroupBox*>().size(), 3);
    EXPECT_EQ(dialog->size(), MapDialogSize(QSize(268, 230 + 34), f));
    EXPECT_EQ(button(1)->geometry(), MapDialogRect(QRect(148, 208 + 34, 55, 19), f)) << "the buttons move below it";
    ASSERT_NE(combo(1140), nullptr);
    ASSERT_NE(combo(1141), nullptr);
    EXPECT_FALSE(combo(1140)->isEditable());
    EXPECT_EQ(combo(1140)->itemText(0), "Desktop's: Français") << "each language by its own name";
    EXPECT_EQ(combo(1140)->currentText(), "Deutsch (ger)") << "\"de\" is German in any ISO 639 form";
    EXPECT_EQ(combo(1141)->currentText(), "5 s");
    EXPECT_EQ(items(1141).first(), "1 s");

    pick(1140, "日本語 (jpn)");
    pick(1141, "10 s");
    QTest::mouseClick(button(1072), Qt::LeftButton);
    EXPECT_EQ(combo(1140)->currentIndex(), 0) << "Default: the desktop's language";
    EXPECT_EQ(combo(1141)->currentText(), "5 s");
    pick(1140, "日本語 (jpn)");
    pick(1141, "10 s");
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(sources, (SourcePreferences{"de", 5})) << "Cancel writes nothing";

    openDialog(&sources);
    pick(1140, "日本語 (jpn)");
    pick(1141, "10 s");
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(sources, (SourcePreferences{"jpn", 10}));

    openDialog(&sources);
    combo(1140)->setCurrentIndex(0);
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(sources.language, "") << "the desktop's language is stored as none";

    // Values the lists do not offer (written by hand) are shown and kept.
    sources = SourcePreferences{"tlh", 7};
    openDialog(&sources);
    EXPECT_EQ(combo(1140)->currentText(), "tlh");
    EXPECT_EQ(combo(1141)->currentText(), "7 s");
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(sources, (SourcePreferences{"tlh", 7}));
    qunsetenv("LANGUAGE");
}

const Preset* brokenSizePreset(int) {
    static constexpr std::string_view ve[] = {"MPEG4"}, br[] = {"512 kbps"}, res[] = {"720x480"},
                                      fps[] = {"25.0 fps"}, ae[] = {"AAC"};
    static constexpr Preset preset{1, "Broken(*.mp4)", {ve, "MPEG4"}, {br, "512 kbps"}, {res, "720x480"},
                                   {fps, "25.0 fps"}, {ae, "AAC"}, false, false};
    return &preset;
}

TEST_F(SettingsDialogTest, UnsplittableSizeShowsTheFailureMessageAndStillCloses) {
    settings.width = 111;
    dialog = std::make_unique<CSettings>(settings, nullptr, &brokenSizePreset);
    dialog->show();
    QTest::mouseClick(button(1072), Qt::LeftButton);  // the preset's size text, which cannot be split
    QTest::mouseClick(button(1), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QString::fromUtf8("转化失败!"));
    EXPECT_TRUE(platform.messages[0].caption.isEmpty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.width, 111);
    EXPECT_EQ(settings.videoBitRate, 512000);
}

TEST_F(SettingsDialogTest, KeepTheVideoIsShownAndOnlyOkWritesIt) {
    LoadProfile(settings, 3);
    settings.exactCut = true;
    openDialog();
    auto* keep = FindControlAs<QCheckBox>(dialog.get(), CSettings::kCopyCompatible);
    auto* exact = FindControlAs<QCheckBox>(dialog.get(), CSettings::kExactCut);
    ASSERT_NE(keep, nullptr);
    ASSERT_NE(exact, nullptr);
    EXPECT_EQ(keep->text(), "Keep the video when the device plays it");
    EXPECT_TRUE(keep->toolTip().contains("whatever size and bit rate")) << "the device's limits, not the profile's";
    EXPECT_FALSE(keep->isChecked()) << "off by default";
    EXPECT_TRUE(exact->isChecked()) << "the value in effect is shown";
    QTest::mouseClick(keep, Qt::LeftButton);
    QTest::mouseClick(button(1072), Qt::LeftButton);
    EXPECT_TRUE(keep->isChecked()) << "Default restores the preset's lists, not this option";
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_FALSE(settings.copyCompatible) << "Cancel writes nothing";

    openDialog();
    QTest::mouseClick(FindControlAs<QCheckBox>(dialog.get(), CSettings::kCopyCompatible), Qt::LeftButton);
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_TRUE(settings.copyCompatible);
    EXPECT_TRUE(settings.exactCut);
}

TEST_F(SettingsDialogTest, UnknownCodeOpensEmpty) {
    settings.profileCode = 0;
    openDialog();
    EXPECT_TRUE(button(1134)->text().isEmpty());
    for (int id : {1064, 1066, 1063, 1065, 1069, 1070, 1067, 1068}) {
        EXPECT_EQ(combo(id)->count(), 0) << id;
        EXPECT_TRUE(combo(id)->isEnabled()) << id;
    }
}

TEST_F(SettingsDialogTest, DraggingTheBackgroundMovesTheWindow) {
    openDialog();
    dialog->move(100, 100);
    const QPoint start = dialog->pos();
    const QPoint background(5, dialog->height() - 4);  // below the groups, left of the buttons
    ASSERT_EQ(dialog->childAt(background), nullptr);
    QTest::mousePress(dialog.get(), Qt::LeftButton, Qt::NoModifier, background);
    QMouseEvent move(QEvent::MouseMove, QPointF(background + QPoint(30, 20)),
                     QPointF(dialog->mapToGlobal(background + QPoint(30, 20))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &move);
    QTest::mouseRelease(dialog.get(), Qt::LeftButton, Qt::NoModifier, background + QPoint(30, 20));
    EXPECT_EQ(dialog->pos(), start + QPoint(30, 20));
}

}  // namespace

