#pragma once
// The "File Information" window: shows what the main window's probe found out
// about the selected task (the file-information texts). It reads nothing from the
// file and changes nothing; the formatting rules are plain functions so they can
// be checked without a window. UI thread only.

#include "engine/TrackChoice.h"

#include <QDialog>
#include <QLocale>
#include <QString>

#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;

// The tracks a task can convert: every sound and subtitle track of its file, the
// ones the automatic choice takes, and what the task asks for (request texts of
// TrackChoice.h, "" = automatic).
struct TrackOffer {
    std::vector<tracks::Track> tracks;
    int automaticAudio = -1;  // positions in tracks; -1: none
    int automaticSubtitle = -1;
    QString audioRequest;
    QString subtitleRequest;
};
// One entry of a track list and the request text it stands for.
struct TrackEntry {
    QString text;
    QString request;
};
// "Automatic: <the track it takes>", then every sound track.
std::vector<TrackEntry> SoundTrackEntries(const TrackOffer& offer);
// "Automatic: <the forced track, or none>", "None", then every subtitle track.
std::vector<TrackEntry> SubtitleEntries(const TrackOffer& offer);
// The entry a request selects: the same request, else the first track in the
// requested language, else the automatic entry (0).
int EntryForRequest(const std::vector<TrackEntry>& entries, const TrackOffer& offer, const QString& request,
                    tracks::TrackKind kind);

// The texts the main window fills after a successful probe of the selected row,
// all in the C convention ("%d" numbers, the frame rate as "%5.2f fps", the
// length as "HH:MM:SS.f"); the window shows their numbers in the person's locale.
struct FileInfoFields {
    QString filePath;
    QString mediaLength;  // the file's own length; empty when unknown
    QString frameRate;
    QString width;
    QString height;
    QString videoCodec;  // codec id; below 1 = no video stream
    QString videoBitRate;
    QString audioCodec;  // codec id; below 1 = no audio stream
    QString audioBitRate;
    QString sampleRate;
    QString channels;
    QString channelLayout;  // FFmpeg's layout name ("mono", "stereo", "5.1"); may be empty
    TrackOffer tracks;
};

// The eight texts the window shows.
struct FileInfoDisplay {
    QString fileName;      // 1075
    QString mediaLength;   // 1004
    QString resolution;    // 1005
    QString frameRate;     // 1007
    QString videoBitRate;  // 1006
    QString audioBitRate;  // 1122
    QString samples;       // 1123
    QString channels;      // 1124
};

// bits per second -> "128 Kbps": divided by 1000 with the fraction cut off
// (127999 -> "127 Kbps"), the number in `locale` ("2.000 Kbps" in German); an
// empty text stays empty.
QString BitRateText(const QString& bitsPerSecond, const QLocale& locale = QLocale());
// "1" -> "1 Channel Mono", "2" -> "2 Channel stereo"; more channels are named by
// their layout ("6 Channel 5.1"), or only counted when it has no name
// ("6 Channel"); anything that is no count is shown unchanged.
QString ChannelText(const QString& channels, const QString& layout = QString());
FileInfoDisplay FormatFileInfo(const FileInfoFields& fields, const QLocale& locale = QLocale());

// Template 165, 225 x 219 dialog units.
class CFileInfomation : public QDialog {
    Q_OBJECT
public:
    enum ControlIds {
        kFileName = 1075,
        kMediaLength = 1004,
        kResolution = 1005,
        kFrameRate = 1007,
        kVideoBitRate = 1006,
        kAudioBitRate = 1122,
        kSamples = 1123,
        kChannels = 1124,
        kOk = 1106,
        kSoundTrack = 1130,
        kSubtitles = 1131,
    };

    // The numbers are shown in `locale` (the person's, by default).
    explicit CFileInfomation(const FileInfoFields& fields, QWidget* owner = nullptr,
                             const QLocale& locale = QLocale());

    const FileInfoDisplay& Shown() const { return m_display; }
    // The tracks chosen in the two lists, as request texts ("" = automatic).
    QString SoundTrackRequest() const;
    QString SubtitleRequest() const;

private:
    void fitToScreen();
    QComboBox* addTrackList(int id, const QString& caption, int y, const std::vector<TrackEntry>& entries,
                            int selected);

    QLineEdit* addField(int id, const QString& caption, const QRect& units, const QString& text);
    void placeBelowTitle(QGroupBox* frame, const std::vector<QLineEdit*>& edits);

    FileInfoDisplay m_display;
    std::vector<TrackEntry> m_soundEntries;
    std::vector<TrackEntry> m_subtitleEntries;
    QComboBox* m_soundList = nullptr;
    QComboBox* m_subtitleList = nullptr;
};
