#pragma once
// The "File Information" window: shows what the main window's probe found out
// about the selected task (the file-information texts). It reads nothing from the
// file and changes nothing; the formatting rules are plain functions so they can
// be checked without a window. UI thread only.

#include <QDialog>
#include <QLocale>
#include <QString>

#include <vector>

class QGroupBox;
class QLineEdit;

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
    };

    // The numbers are shown in `locale` (the person's, by default).
    explicit CFileInfomation(const FileInfoFields& fields, QWidget* owner = nullptr,
                             const QLocale& locale = QLocale());

    const FileInfoDisplay& Shown() const { return m_display; }

private:
    QLineEdit* addField(int id, const QString& caption, const QRect& units, const QString& text);
    void placeBelowTitle(QGroupBox* frame, const std::vector<QLineEdit*>& edits);

    FileInfoDisplay m_display;
};
