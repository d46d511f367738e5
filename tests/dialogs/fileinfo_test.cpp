// The file information window: every formatting rule of the eight texts, and the
// window showing them in its read-only fields by control id.

#include "controls/Accessibility.h"
#include "controls/ElidingCombo.h"
#include "dialogs/CFileInfomation.h"
#include "platform/ControlId.h"
#include "support/QtTestApp.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The formatting cases below read numbers in the C convention unless they name a
// locale; the person's locale is the default the window uses.
const bool kCLocaleByDefault = [] {
    QLocale::setDefault(QLocale::c());
    return true;
}();

FileInfoFields videoWithSound() {
    FileInfoFields f;
    f.filePath = "/home/user/Videos/holiday.2010.avi";
    f.mediaLength = "00:01:05";
    f.frameRate = "29.97 fps";
    f.width = "720";
    f.height = "480";
    f.videoCodec = "27";
    f.videoBitRate = "2000000";
    f.audioCodec = "86018";
    f.audioBitRate = "128000";
    f.sampleRate = "48000";
    f.channels = "2";
    return f;
}

TEST(FileInfoFormat, VideoWithSoundShowsEveryField) {
    const FileInfoDisplay shown = FormatFileInfo(videoWithSound());
    EXPECT_EQ(shown.fileName, "holiday.2010.avi");
    EXPECT_EQ(shown.mediaLength, "00:01:05");
    EXPECT_EQ(shown.resolution, "720*480");
    EXPECT_EQ(shown.frameRate, "29.97 fps");
    EXPECT_EQ(shown.videoBitRate, "2000 Kbps");
    EXPECT_EQ(shown.audioBitRate, "128 Kbps");
    EXPECT_EQ(shown.samples, "48000 Hz");
    EXPECT_EQ(shown.channels, "2 Channel stereo");
}

TEST(FileInfoFormat, AudioOnlyEmptiesTheVideoFields) {
    FileInfoFields f = videoWithSound();
    f.videoCodec = "0";
    const FileInfoDisplay shown = FormatFileInfo(f);
    EXPECT_TRUE(shown.resolution.isEmpty());
    EXPECT_TRUE(shown.frameRate.isEmpty());
    EXPECT_TRUE(shown.videoBitRate.isEmpty());
    EXPECT_EQ(shown.audioBitRate, "128 Kbps");
    EXPECT_EQ(shown.samples, "48000 Hz");
    EXPECT_EQ(shown.channels, "2 Channel stereo");
}

TEST(FileInfoFormat, VideoWithoutSoundEmptiesTheAudioFields) {
    for (const char* none : {"0", "-1", ""}) {
        FileInfoFields f = videoWithSound();
        f.audioCodec = none;
        const FileInfoDisplay shown = FormatFileInfo(f);
        EXPECT_TRUE(shown.audioBitRate.isEmpty()) << none;
        EXPECT_TRUE(shown.samples.isEmpty()) << none;
        EXPECT_TRUE(shown.channels.isEmpty()) << none;
        EXPECT_EQ(shown.resolution, "720*480") << none;
    }
}

// Six channels are not "stereo": more than two channels are named by their layout,
// or only counted when the file names none.
TEST(FileInfoFormat, ChannelTexts) {
    EXPECT_EQ(ChannelText("1"), "1 Channel Mono");
    EXPECT_EQ(ChannelText("1", "mono"), "1 Channel Mono");
    EXPECT_EQ(ChannelText("2"), "2 Channel stereo");
    EXPECT_EQ(ChannelText("2", "stereo"), "2 Channel stereo");
    EXPECT_EQ(ChannelText("6"), "6 Channel");
    EXPECT_EQ(ChannelText("6", "5.1"), "6 Channel 5.1");
    EXPECT_EQ(ChannelText("6", "5.1(side)"), "6 Channel 5.1(side)");
    EXPECT_EQ(ChannelText("2", "downmix"), "2 Channel downmix");
    EXPECT_EQ(ChannelText("4"), "4 Channel");
    EXPECT_EQ(ChannelText(""), "");
    EXPECT_EQ(ChannelText("many"), "many");
}

TEST(FileInfoFormat, BitRateCutsTheFraction) {
    EXPECT_EQ(BitRateText("128000"), "128 Kbps");
    EXPECT_EQ(BitRateText("127999"), "127 Kbps");
    EXPECT_EQ(BitRateText("999"), "0 Kbps");
    EXPECT_EQ(BitRateText("0"), "0 Kbps");
    EXPECT_EQ(BitRateText(""), "");
    EXPECT_EQ(BitRateText("2147483647"), "2147483 Kbps");
}

// A stream that states no bit rate is not a stream of "0 Kbps".
TEST(FileInfoFormat, ZeroVideoBitRateWithVideoShowsUnknown) {
    FileInfoFields f = videoWithSound();
    for (const char* none : {"0", "", "-1"}) {
        f.videoBitRate = none;
        EXPECT_EQ(FormatFileInfo(f).videoBitRate, "unknown") << none;
        f.audioBitRate = none;  // Vorbis in Matroska
        EXPECT_EQ(FormatFileInfo(f).audioBitRate, "unknown") << none;
    }
    f = videoWithSound();
    for (const char* none : {"0", "", "-1"}) {
        f.audioBitRate = none;
        EXPECT_EQ(FormatFileInfo(f).audioBitRate, "unknown") << "sound in Matroska: " << none;
    }
}

// "9578,102000 Kbps" under a German locale: the numbers follow the person's
// locale (grouping, decimal sign) and nothing else leaks into them.
TEST(FileInfoFormat, NumbersFollowThePersonsLocale) {
    FileInfoFields f = videoWithSound();
    f.videoBitRate = "9578102";
    f.mediaLength = "00:01:05.4";
    const QLocale german(QLocale::German, QLocale::Germany);
    const FileInfoDisplay shown = FormatFileInfo(f, german);
    EXPECT_EQ(shown.videoBitRate, "9.578 Kbps");
    EXPECT_EQ(shown.audioBitRate, "128 Kbps");
    EXPECT_EQ(shown.frameRate, "29,97 fps");
    EXPECT_EQ(shown.samples, "48.000 Hz");
    EXPECT_EQ(shown.mediaLength, "00:01:05,4");
    const FileInfoDisplay english = FormatFileInfo(f, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.videoBitRate, "9,578 Kbps");
    EXPECT_EQ(english.frameRate, "29.97 fps");
    EXPECT_EQ(english.mediaLength, "00:01:05.4");
    CFileInfomation dialog(f, nullptr, german);
    EXPECT_EQ(FindControlAs<QLineEdit>(&dialog, CFileInfomation::kVideoBitRate)->text(), "9.578 Kbps");
}

TEST(FileInfoFormat, PathWithoutSeparatorIsShownWhole) {
    FileInfoFields f = videoWithSound();
    f.filePath = "clip.mkv";
    EXPECT_EQ(FormatFileInfo(f).fileName, "clip.mkv");
    f.filePath = "/media/odd name with spaces/";
    EXPECT_EQ(FormatFileInfo(f).fileName, "");
}

TEST(FileInfoFormat, SizeNeedsBothTexts) {
    FileInfoFields f = videoWithSound();
    f.height.clear();
    EXPECT_TRUE(FormatFileInfo(f).resolution.isEmpty());
    f = videoWithSound();
    f.sampleRate.clear();
    EXPECT_TRUE(FormatFileInfo(f).samples.isEmpty());
}

TEST(FileInfoDialog, FieldsShowTheTextsReadOnly) {
    FileInfoFields f = videoWithSound();
    f.channels = "6";
    f.channelLayout = "5.1";
    f.audioBitRate = "127999";
    CFileInfomation dialog(f);
    EXPECT_EQ(dialog.windowTitle(), "File Information");
    const std::pair<int, QString> expected[] = {
        {CFileInfomation::kFileName, "holiday.2010.avi"}, {CFileInfomation::kMediaLength, "00:01:05"},
        {CFileInfomation::kResolution, "720*480"},        {CFileInfomation::kFrameRate, "29.97 fps"},
        {CFileInfomation::kVideoBitRate, "2000 Kbps"},    {CFileInfomation::kAudioBitRate, "127 Kbps"},
        {CFileInfomation::kSamples, "48000 Hz"},          {CFileInfomation::kChannels, "6 Channel 5.1"},
    };
    for (const auto& [id, text] : expected) {
        auto* edit = FindControlAs<QLineEdit>(&dialog, id);
        ASSERT_NE(edit, nullptr) << id;
        EXPECT_EQ(edit->text(), text) << id;
        EXPECT_TRUE(edit->isReadOnly()) << id;
    }
}

// Every field of a group box lies inside the box below its title, never on the
// frame line, whatever the style makes of the title; its caption names it for a
// screen reader.
TEST(FileInfoDialog, GroupFieldsSitBelowTheTitleInsideTheFrame) {
    CFileInfomation dialog(videoWithSound());
    dialog.show();
    auto boxes = dialog.findChildren<QGroupBox*>();
    ASSERT_EQ(boxes.size(), 2);
    std::sort(boxes.begin(), boxes.end(), [](QGroupBox* a, QGroupBox* b) { return a->y() < b->y(); });
    const int groupIds[2][3] = {
        {CFileInfomation::kResolution, CFileInfomation::kFrameRate, CFileInfomation::kVideoBitRate},
        {CFileInfomation::kAudioBitRate, CFileInfomation::kSamples, CFileInfomation::kChannels}};
    for (int g = 0; g < 2; ++g) {
        QGroupBox* box = boxes[g];
        const QRect inside = box->contentsRect().translated(box->pos());
        int previousBottom = inside.top();
        for (int id : groupIds[g]) {
            QWidget* field = FindControl(&dialog, id);
            EXPECT_GE(field->y(), previousBottom) << id;
            EXPECT_LE(field->geometry().bottom(), inside.bottom()) << id;
            previousBottom = field->geometry().bottom() + 1;
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(field);
            const auto labels = reader->relations(QAccessible::Label);
            ASSERT_EQ(labels.size(), 1) << id;
            QWidget* caption = static_cast<QWidget*>(labels[0].first->object());
            EXPECT_LE(std::abs(caption->geometry().center().y() - field->geometry().center().y()), 2)
                << "the caption stays on its field's line, " << id;
        }
    }
}

TEST(FileInfoDialog, OkClosesWithCancelResult) {
    CFileInfomation dialog(videoWithSound());
    dialog.show();
    auto* ok = FindControlAs<QPushButton>(&dialog, CFileInfomation::kOk);
    ASSERT_NE(ok, nullptr);
    // Also on a small screen at a large scale, where the fields scroll.
    EXPECT_TRUE(dialog.geometry().contains(QRect(ok->mapToGlobal(QPoint()), ok->size())));
    ok->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// The track lists: every track with what people tell them by, the automatic
// choice named, and a task's request found again whatever form it was typed in.
TrackOffer twoLanguages() {
    TrackOffer offer;
    auto add = [&offer](tracks::TrackKind kind, int number, const char* language, bool isDefault, bool forced) {
        tracks::Track t;
        t.kind = kind;
        t.number = number;
        t.language = language;
        t.codec = kind == tracks::TrackKind::Audio ? "aac" : "subrip";
        t.channels = kind == tracks::TrackKind::Audio ? 2 : 0;
        t.isDefault = isDefault;
        t.forced = forced;
        offer.tracks.push_back(t);
    };
    add(tracks::TrackKind::Audio, 1, "jpn", true, false);
    add(tracks::TrackKind::Audio, 2, "eng", false, false);
    add(tracks::TrackKind::Subtitle, 1, "eng", false, true);
    offer.automaticAudio = 0;
    offer.automaticSubtitle = 2;
    return offer;
}

TEST(FileInfoTracks, EntriesNameTheTracksAndRequestsFindTheirEntry) {
    const TrackOffer offer = twoLanguages();
    const auto sound = SoundTrackEntries(offer);
    ASSERT_EQ(sound.size(), 3u);
    EXPECT_EQ(sound[0].text, "Automatic: 1: jpn, aac, 2 channels, default");
    EXPECT_EQ(sound[2].text, "2: eng, aac, 2 channels");
    const auto subtitles = SubtitleEntries(offer);
    ASSERT_EQ(subtitles.size(), 3u);
    EXPECT_EQ(subtitles[0].text, "Automatic: 1: eng, subrip, forced");
    EXPECT_EQ(subtitles[1].request, "none");
    struct Case {
        const char* request;
        int sound;
        int subtitle;
    };
    for (const Case& c : {Case{"", 0, 0}, Case{"2", 2, 0}, Case{"eng", 2, 2}, Case{"en", 2, 2}, Case{"1", 1, 2},
                          Case{"none", 0, 1}, Case{"fr", 0, 0}}) {
        EXPECT_EQ(EntryForRequest(sound, offer, c.request, tracks::TrackKind::Audio), c.sound) << c.request;
        EXPECT_EQ(EntryForRequest(subtitles, offer, c.request, tracks::TrackKind::Subtitle), c.subtitle) << c.request;
    }
}

TEST(FileInfoTracks, TheWindowShowsTheTasksChoiceAndReturnsTheNewOne) {
    FileInfoFields fields = videoWithSound();
    fields.tracks = twoLanguages();
    fields.tracks.audioRequest = "eng";
    CFileInfomation dialog(fields);
    auto* sound = FindControlAs<QComboBox>(&dialog, CFileInfomation::kSoundTrack);
    auto* subtitles = FindControlAs<QComboBox>(&dialog, CFileInfomation::kSubtitles);
    ASSERT_NE(sound, nullptr);
    ASSERT_NE(subtitles, nullptr);
    EXPECT_EQ(sound->currentIndex(), 2);
    EXPECT_EQ(dialog.SoundTrackRequest(), "2");
    EXPECT_EQ(dialog.SubtitleRequest(), "") << "automatic";
    subtitles->setCurrentIndex(1);
    sound->setCurrentIndex(0);
    EXPECT_EQ(dialog.SubtitleRequest(), "none");
    EXPECT_EQ(dialog.SoundTrackRequest(), "");
    CFileInfomation empty(videoWithSound());
    EXPECT_FALSE(FindControlAs<QComboBox>(&empty, CFileInfomation::kSoundTrack)->isEnabled()) << "nothing to choose";
}

// Remembers the entry text a combo hands to the style to draw.
struct LabelPeek : QProxyStyle {
    mutable QString drawn;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_ComboBoxLabel) drawn = static_cast<const QStyleOptionComboBox*>(option)->currentText;
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// A sound track with a long entry: the field shows it cut in its middle, both
// ends readable, and the whole entry is its tooltip ("…6 Ka" lost the end).
TEST(FileInfoTracks, ALongEntryIsCutInItsMiddle) {
    FileInfoFields fields = videoWithSound();
    fields.tracks = twoLanguages();
    fields.tracks.tracks[0].channels = 6;
    fields.tracks.tracks[0].title = "Director and the whole crew talking";
    CFileInfomation dialog(fields);
    dialog.show();
    auto* sound = FindControlAs<CElidingCombo>(&dialog, CFileInfomation::kSoundTrack);
    ASSERT_NE(sound, nullptr);
    const QString shown = sound->ShownText();
    EXPECT_TRUE(shown.startsWith("Automatic: 1:") && shown.endsWith(", default") && shown.contains(QChar(0x2026)))
        << shown.toStdString();
    EXPECT_EQ(sound->toolTip().toStdString(), sound->currentText().toStdString());
    LabelPeek peek;
    sound->setStyle(&peek);
    (void)sound->grab();
    EXPECT_EQ(peek.drawn.toStdString(), shown.toStdString());
    sound->setCurrentIndex(2);  // "2: eng, aac, 2 channels" fits
    EXPECT_EQ(sound->toolTip(), "");
    sound->setStyle(nullptr);
}

}  // namespace

// The values are text to read, not fields to edit: a reader hears each caption
// and its value.
TEST(FileInfoDialog, ValuesReadAsTextNotAsEditableFields) {
    InstallAccessibility();
    CFileInfomation dialog(videoWithSound());
    dialog.show();
    const auto fields = dialog.findChildren<QLineEdit*>();
    ASSERT_FALSE(fields.isEmpty());
    for (QLineEdit* field : fields) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->role(), QAccessible::StaticText) << ControlId(field);
        EXPECT_FALSE(reader->state().editable) << ControlId(field);
        EXPECT_TRUE(reader->state().readOnly) << ControlId(field);
        EXPECT_EQ(reader->text(QAccessible::Value), field->text()) << ControlId(field);
        EXPECT_FALSE(reader->text(QAccessible::Name).isEmpty()) << ControlId(field);
    }
}
