#include "dialogs/CFileInfomation.h"
#include "controls/ElidingCombo.h"
#include "controls/Label.h"
#include "controls/SkinPalette.h"

#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "platform/WindowPlacement.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <iterator>
#include <utility>
#include <vector>

namespace {

constexpr int kDialogFontPoints = 8;

// A value field: id, caption, the edit's rectangle in dialog units. The caption
// sits left of the edit, on its line.
struct FieldRow {
    int id;
    const char* caption;
    QRect units;
};
constexpr FieldRow kFields[] = {
    {CFileInfomation::kFileName, QT_TRANSLATE_NOOP("CFileInfomation", "File Name:"), {59, 12, 154, 14}},
    {CFileInfomation::kMediaLength, QT_TRANSLATE_NOOP("CFileInfomation", "Media Length:"), {59, 35, 154, 14}},
    {CFileInfomation::kResolution, QT_TRANSLATE_NOOP("CFileInfomation", "Resolution:"), {59, 63, 154, 14}},
    {CFileInfomation::kFrameRate, QT_TRANSLATE_NOOP("CFileInfomation", "Frame Rate:"), {59, 83, 154, 14}},
    {CFileInfomation::kVideoBitRate, QT_TRANSLATE_NOOP("CFileInfomation", "Bit Rate:"), {59, 105, 154, 14}},
    {CFileInfomation::kAudioBitRate, QT_TRANSLATE_NOOP("CFileInfomation", "Bit Rate:"), {59, 138, 154, 14}},
    {CFileInfomation::kSamples, QT_TRANSLATE_NOOP("CFileInfomation", "Samples:"), {59, 157, 154, 14}},
    {CFileInfomation::kChannels, QT_TRANSLATE_NOOP("CFileInfomation", "Channel:"), {59, 177, 154, 14}},
};

struct GroupRow {
    const char* title;
    QRect units;
};
constexpr GroupRow kGroups[] = {
    {QT_TRANSLATE_NOOP("CFileInfomation", "Video"), {9, 54, 209, 70}},
    {QT_TRANSLATE_NOOP("CFileInfomation", "Audio"), {9, 129, 209, 69}},
};

// Layouts a person knows by another name than FFmpeg's.
struct LayoutName {
    const char* ffmpeg;
    const char* shown;
};
constexpr LayoutName kLayoutNames[] = {
    {"mono", QT_TRANSLATE_NOOP("CFileInfomation", "Mono")},
    {"stereo", QT_TRANSLATE_NOOP("CFileInfomation", "stereo")},
};

const char* const kUnknown = QT_TRANSLATE_NOOP("CFileInfomation", "unknown");

// A number written in the C convention ("29.97", "48000"), or nullopt.
std::optional<double> cNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);  // QString reads the C convention
    if (!ok) return std::nullopt;
    return value;
}

// "25.00 fps" -> "25,00 fps" in German; a text that is no number stays as it is.
QString frameRateText(const QString& text, const QLocale& locale) {
    QString number = text.trimmed();
    const bool hasUnit = number.endsWith(QStringLiteral(" fps"));
    if (hasUnit) number.chop(4);
    const std::optional<double> rate = cNumber(number);
    if (!rate) return text;
    return locale.toString(*rate, 'f', 2) + QStringLiteral(" fps");
}

// "00:01:05.4" with the person's decimal sign.
QString lengthText(const QString& text, const QLocale& locale) {
    QString shown = text;
    return shown.replace(QLatin1Char('.'), locale.decimalPoint());
}

// An id text read like atoi: leading digits (with a sign), 0 when there are none.
int leadingInteger(const QString& text) { return std::atoi(text.toUtf8().constData()); }

QString fieldText(const FileInfoDisplay& shown, int id) {
    switch (id) {
    case CFileInfomation::kFileName: return shown.fileName;
    case CFileInfomation::kMediaLength: return shown.mediaLength;
    case CFileInfomation::kResolution: return shown.resolution;
    case CFileInfomation::kFrameRate: return shown.frameRate;
    case CFileInfomation::kVideoBitRate: return shown.videoBitRate;
    case CFileInfomation::kAudioBitRate: return shown.audioBitRate;
    case CFileInfomation::kSamples: return shown.samples;
    case CFileInfomation::kChannels: return shown.channels;
    default: return QString();
    }
}

}  // namespace

QString BitRateText(const QString& bitsPerSecond, const QLocale& locale) {
    if (bitsPerSecond.isEmpty()) return QString();
    const double kilobits = cNumber(bitsPerSecond).value_or(0.0) / 1000.0;
    // The fraction is cut off (127999 -> 127), never rounded up.
    const auto whole = static_cast<qlonglong>(std::trunc(kilobits));
    return locale.toString(whole) + QStringLiteral(" Kbps");
}

QString ChannelText(const QString& channels, const QString& layout) {
    if (channels == QLatin1String("1")) return QCoreApplication::translate("CFileInfomation", "1 Channel Mono");
    if (channels == QLatin1String("2") && (layout.isEmpty() || layout == QLatin1String("stereo")))
        return QCoreApplication::translate("CFileInfomation", "2 Channel stereo");
    bool isCount = false;
    const int count = channels.toInt(&isCount);
    if (!isCount || count < 1) return channels;
    QString name = layout;
    for (const LayoutName& known : kLayoutNames)
        if (layout == QLatin1String(known.ffmpeg)) name = QCoreApplication::translate("CFileInfomation", known.shown);
    const QString counted = QCoreApplication::translate("CFileInfomation", "%1 Channel").arg(channels);
    return name.isEmpty() ? counted : counted + QLatin1Char(' ') + name;
}

FileInfoDisplay FormatFileInfo(const FileInfoFields& fields, const QLocale& locale) {
    FileInfoDisplay shown;
    const qsizetype slash = fields.filePath.lastIndexOf(QLatin1Char('/'));
    shown.fileName = slash >= 0 ? fields.filePath.mid(slash + 1) : fields.filePath;
    shown.mediaLength = lengthText(fields.mediaLength, locale);
    shown.frameRate = frameRateText(fields.frameRate, locale);
    // A stream that states no bit rate (Matroska's never do) is not "0 Kbps".
    shown.videoBitRate = cNumber(fields.videoBitRate).value_or(0.0) > 0 ? BitRateText(fields.videoBitRate, locale)
                                                                         : QCoreApplication::translate("CFileInfomation", kUnknown);
    if (!fields.width.isEmpty() && !fields.height.isEmpty())
        shown.resolution = fields.width + QLatin1Char('*') + fields.height;
    if (leadingInteger(fields.videoCodec) < 1) {
        shown.videoBitRate.clear();
        shown.frameRate.clear();
        shown.resolution.clear();
    }
    if (!fields.sampleRate.isEmpty()) {
        const std::optional<double> rate = cNumber(fields.sampleRate);
        shown.samples = (rate ? locale.toString(static_cast<qlonglong>(*rate)) : fields.sampleRate) +
                        QStringLiteral(" Hz");
    }
    shown.channels = ChannelText(fields.channels, fields.channelLayout);
    // Vorbis and Opus in Matroska state no bit rate either.
    shown.audioBitRate = cNumber(fields.audioBitRate).value_or(0.0) > 0 ? BitRateText(fields.audioBitRate, locale)
                                                                         : kUnknown;
    if (leadingInteger(fields.audioCodec) < 1) {
        shown.audioBitRate.clear();
        shown.channels.clear();
        shown.samples.clear();
    }
    return shown;
}

CFileInfomation::CFileInfomation(const FileInfoFields& fields, QWidget* owner, const QLocale& locale)
    : QDialog(owner), m_display(FormatFileInfo(fields, locale)) {
    setWindowTitle(tr("File Information"));
    ApplySkinPalette(*this);  // readable on the skin whatever the desktop theme
    setFont(DialogFont(kDialogFontPoints));
    // Taller than the template by the two track lists under the Audio group.
    setFixedSize(MapDialogSize(QSize(225, 257), font()));

    std::vector<std::pair<QGroupBox*, std::vector<QLineEdit*>>> groups;
    for (const GroupRow& group : kGroups) {
        auto* frame = new QGroupBox(tr(group.title), this);
        frame->setGeometry(MapDialogRect(group.units, font()));
        frame->lower();
        groups.push_back({frame, {}});
    }
    for (const FieldRow& field : kFields) {
        QLineEdit* edit = addField(field.id, tr(field.caption), field.units,
                                   fieldText(m_display, field.id));
        for (std::size_t g = 0; g < std::size(kGroups); ++g)
            if (kGroups[g].units.contains(field.units.topLeft())) groups[g].second.push_back(edit);
    }
    for (const auto& [frame, edits] : groups) placeBelowTitle(frame, edits);
    const TrackOffer& offer = fields.tracks;
    m_soundEntries = SoundTrackEntries(offer);
    m_subtitleEntries = SubtitleEntries(offer);
    m_soundList = addTrackList(kSoundTrack, tr("Sound:"), 202, m_soundEntries,
                               EntryForRequest(m_soundEntries, offer, offer.audioRequest, tracks::TrackKind::Audio));
    m_subtitleList =
        addTrackList(kSubtitles, tr("Subtitles:"), 219, m_subtitleEntries,
                     EntryForRequest(m_subtitleEntries, offer, offer.subtitleRequest, tracks::TrackKind::Subtitle));

    // Captions of other languages are often longer than the English ones the
    // template was drawn for: the fields give them room.
    std::vector<std::pair<QLabel*, QWidget*>> captions;
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy()) captions.emplace_back(label, label->buddy());
    GiveCaptionsRoom(captions, 0.3);

    auto* ok = new QPushButton(tr("OK"), this);
    SetControlId(ok, kOk);
    ok->setGeometry(MapDialogRect(QRect(170, 238, 50, 17), font()));
    ok->setDefault(true);
    // OK closes with the Cancel result, as Escape does: nothing is confirmed here.
    connect(ok, &QPushButton::clicked, this, &QDialog::reject);
    ok->setFocus();
    fitToScreen();
}

void CFileInfomation::fitToScreen() {
    // OK stays in view below the scrolled fields, with the focus it had before.
    if (ScrollWhenTallerThanScreen(*this, MapDialogRect(QRect(0, 235, 1, 1), font()).y()))
        if (auto* ok = findChild<QPushButton*>()) ok->setFocus();
}

QLineEdit* CFileInfomation::addField(int id, const QString& caption, const QRect& units, const QString& text) {
    const QRect edit = MapDialogRect(units, font());
    auto* label = new QLabel(caption, this);
    const QRect captionUnits(12, units.y() + 3, units.x() - 13, 8);
    label->setGeometry(MapDialogRect(captionUnits, font()));
    auto* field = new QLineEdit(text, this);
    SetControlId(field, id);
    label->setBuddy(field);  // a screen reader names the field by its caption
    field->setReadOnly(true);
    field->setGeometry(edit);
    field->setCursorPosition(0);
    return field;
}

void CFileInfomation::placeBelowTitle(QGroupBox* frame, const std::vector<QLineEdit*>& edits) {
    // The template's places put a group's first field on the line the box draws
    // under its title once the title takes its real height; share the space the
    // style leaves inside the frame evenly instead, each caption on its field's line.
    if (edits.empty()) return;
    const QRect inside = frame->contentsRect().translated(frame->pos());
    const int fieldHeight = edits.front()->height();
    const int count = static_cast<int>(edits.size());
    const int gap = std::max(0, (inside.height() - count * fieldHeight) / (count + 1));
    int y = inside.top() + gap;
    for (QLineEdit* edit : edits) {
        const int shift = y - edit->y();
        edit->move(edit->x(), y);
        for (QLabel* label : findChildren<QLabel*>())
            if (label->buddy() == edit) label->move(label->x(), label->y() + shift);
        y += fieldHeight + gap;
    }
}

namespace {

// What the engine's describe() says, in the window's language: "1: jpn, aac, 2 channels, default".
QString trackText(const tracks::Track& track) {
    // A mark rather than a word where the list has no room for one.
    const QString language = track.language.empty()
                                 ? QCoreApplication::translate("CFileInfomation", "?", "a track of unknown language")
                                 : QString::fromStdString(track.language);
    QStringList parts{QString::number(track.number) + QStringLiteral(": ") + language, QString::fromStdString(track.codec)};
    if (track.kind == tracks::TrackKind::Audio)
        parts << (track.channels == 1 ? QCoreApplication::translate("CFileInfomation", "1 channel")
                                      : QCoreApplication::translate("CFileInfomation", "%1 channels").arg(track.channels));
    if (!track.title.empty())
        parts << QCoreApplication::translate("CFileInfomation", "\"%1\"").arg(QString::fromStdString(track.title));
    if (!track.file.empty())
        parts << QCoreApplication::translate("CFileInfomation", "file %1")
                     .arg(QString::fromStdString(std::filesystem::path(track.file).filename().string()));
    if (track.isDefault) parts << QCoreApplication::translate("CFileInfomation", "default");
    if (track.forced) parts << QCoreApplication::translate("CFileInfomation", "forced");
    return parts.join(QStringLiteral(", "));
}

QString automaticText(const TrackOffer& offer, int position) {
    if (position < 0 || position >= static_cast<int>(offer.tracks.size())) return QCoreApplication::translate("CFileInfomation", "Automatic: none");
    return QCoreApplication::translate("CFileInfomation", "Automatic: %1").arg(trackText(offer.tracks[position]));
}

void addTracksOfKind(const TrackOffer& offer, tracks::TrackKind kind, std::vector<TrackEntry>& entries) {
    for (const tracks::Track& track : offer.tracks)
        if (track.kind == kind) entries.push_back({trackText(track), QString::number(track.number)});
}

}  // namespace

std::vector<TrackEntry> SoundTrackEntries(const TrackOffer& offer) {
    std::vector<TrackEntry> entries{{automaticText(offer, offer.automaticAudio), QString()}};
    addTracksOfKind(offer, tracks::TrackKind::Audio, entries);
    return entries;
}

std::vector<TrackEntry> SubtitleEntries(const TrackOffer& offer) {
    std::vector<TrackEntry> entries{{automaticText(offer, offer.automaticSubtitle), QString()},
                                    {QCoreApplication::translate("CFileInfomation", "None"), QStringLiteral("none")}};
    addTracksOfKind(offer, tracks::TrackKind::Subtitle, entries);
    return entries;
}

int EntryForRequest(const std::vector<TrackEntry>& entries, const TrackOffer& offer, const QString& request,
                    tracks::TrackKind kind) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].request.compare(request, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    for (const tracks::Track& track : offer.tracks) {
        if (track.kind != kind || !tracks::languageMatches(track.language, request.toStdString())) continue;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].request == QString::number(track.number)) return static_cast<int>(i);
    }
    return 0;
}

QComboBox* CFileInfomation::addTrackList(int id, const QString& caption, int y, const std::vector<TrackEntry>& entries,
                                         int selected) {
    auto* label = new QLabel(caption, this);
    label->setGeometry(MapDialogRect(QRect(12, y + 3, 46, 8), font()));
    // A long entry ("Automatisch: 1: unbekannt, aac, 6 Kanäle, Standard") is cut in
    // its middle, not at the field's right edge.
    auto* list = new CElidingCombo(this);
    SetControlId(list, id);
    label->setBuddy(list);
    for (const TrackEntry& entry : entries) list->addItem(entry.text);
    list->setCurrentIndex(selected);
    list->setGeometry(MapDialogRect(QRect(59, y, 154, 14), font()));
    list->setEnabled(entries.size() > 1);
    return list;
}

QString CFileInfomation::SoundTrackRequest() const {
    const int at = m_soundList ? m_soundList->currentIndex() : 0;
    return at >= 0 && at < static_cast<int>(m_soundEntries.size()) ? m_soundEntries[at].request : QString();
}

QString CFileInfomation::SubtitleRequest() const {
    const int at = m_subtitleList ? m_subtitleList->currentIndex() : 0;
    return at >= 0 && at < static_cast<int>(m_subtitleEntries.size()) ? m_subtitleEntries[at].request : QString();
}
