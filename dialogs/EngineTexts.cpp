#include "dialogs/EngineTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>

namespace {

constexpr const char* kContext = "EngineText";

// Every text the engine and the rules give the windows, most specific first: a
// pattern is tried before the shorter ones it contains ("%1; %2" comes last).
// "%n" is any text; a part that is itself a text of the catalogue is translated too.
constexpr std::array kPatterns{
    // A row's failure, and what its output left behind
    QT_TRANSLATE_NOOP("EngineText", "Stopped at once; the unfinished output was removed"),
    QT_TRANSLATE_NOOP("EngineText", "The output's container writes files of its own beside the output; use another extension"),
    QT_TRANSLATE_NOOP("EngineText", "%1; its thumbnail may remain as %2"),
    QT_TRANSLATE_NOOP("EngineText", "%1; thumbnails of the joined files may remain"),
    QT_TRANSLATE_NOOP("EngineText", "%1; what was written was removed, but an empty file may remain as %2"),
    QT_TRANSLATE_NOOP("EngineText", "%1; a partial file may remain as %2"),
    QT_TRANSLATE_NOOP("EngineText", "No container matches the output's name"),
    QT_TRANSLATE_NOOP("EngineText", "The output does not take the source's video as it is"),
    QT_TRANSLATE_NOOP("EngineText", "The output does not take the source's sound as it is"),
    QT_TRANSLATE_NOOP("EngineText", "The video encoder does not accept these settings"),
    QT_TRANSLATE_NOOP("EngineText", "The audio encoder does not accept these settings"),
    QT_TRANSLATE_NOOP("EngineText", "Not enough memory for the picture buffers"),
    QT_TRANSLATE_NOOP("EngineText", "Not enough memory for the video encoder"),
    QT_TRANSLATE_NOOP("EngineText", "Not enough memory for the audio encoder"),
    QT_TRANSLATE_NOOP("EngineText", "Not enough memory for the source's video decoder"),
    QT_TRANSLATE_NOOP("EngineText", "Not enough memory for the source's audio decoder"),
    QT_TRANSLATE_NOOP("EngineText", "Not enough memory"),
    QT_TRANSLATE_NOOP("EngineText", "The merged output has no video stream for this source's pictures"),
    QT_TRANSLATE_NOOP("EngineText", "The merged output has no audio stream for this source's sound"),
    QT_TRANSLATE_NOOP("EngineText", "Not one picture of the video could be decoded and converted"),
    QT_TRANSLATE_NOOP("EngineText", "No source file"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot create the output: %1"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot create the output"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot write the output's header: %1"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot write the output's header"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot write the output: %1"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot write the output"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot finish the output: %1"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot finish the output"),
    QT_TRANSLATE_NOOP("EngineText", "The output file was replaced or removed while it was written"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot convert the sound"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot encode the output"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot open the source: %1"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot open the source"),
    QT_TRANSLATE_NOOP("EngineText", "The source is not a regular file"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot read the source's streams: %1"),
    QT_TRANSLATE_NOOP("EngineText", "The subtitle track %1 cannot be decoded"),
    QT_TRANSLATE_NOOP("EngineText", "The subtitle file %1 cannot be read"),
    QT_TRANSLATE_NOOP("EngineText", "The subtitle file %1 has a cue of %2 bytes, too long to draw"),
    QT_TRANSLATE_NOOP("EngineText", "The subtitle file %1 asks for letters too large to draw"),
    QT_TRANSLATE_NOOP("EngineText", "The source's video cannot be decoded"),
    QT_TRANSLATE_NOOP("EngineText", "The source's audio cannot be decoded"),
    QT_TRANSLATE_NOOP("EngineText", "The source has no audio track %1"),
    QT_TRANSLATE_NOOP("EngineText", "The source has no subtitle track %1"),
    QT_TRANSLATE_NOOP("EngineText", "A picture has no sound: convert it with a video profile"),
    QT_TRANSLATE_NOOP("EngineText", "The source has no sound to convert"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot keep the statistics of the first pass"),
    QT_TRANSLATE_NOOP("EngineText", "The target size leaves no room for the video of this file"),
    QT_TRANSLATE_NOOP("EngineText", "Cannot make a private folder for the first pass's statistics"),
    // What a row with a kept video did
    QT_TRANSLATE_NOOP("EngineText", "the kept video starts at the key frame at %1, %2 before the begin time"),
    QT_TRANSLATE_NOOP("EngineText", "video and sound kept as they are"),
    QT_TRANSLATE_NOOP("EngineText", "video kept as it is"),
    QT_TRANSLATE_NOOP("EngineText", "sound kept as it is"),
    QT_TRANSLATE_NOOP("EngineText", "video converted: %1"),
    QT_TRANSLATE_NOOP("EngineText", "sound converted: %1"),
    // Why a video or sound could not be kept as it is
    QT_TRANSLATE_NOOP("EngineText", "a joined file cannot be read"),
    QT_TRANSLATE_NOOP("EngineText", "the joined files' videos differ in their parameters"),
    QT_TRANSLATE_NOOP("EngineText", "the joined files' sounds differ"),
    QT_TRANSLATE_NOOP("EngineText", "the source has no video"),
    QT_TRANSLATE_NOOP("EngineText", "subtitles are burned into the picture"),
    QT_TRANSLATE_NOOP("EngineText", "an exact cut was asked for"),
    QT_TRANSLATE_NOOP("EngineText", "the video is fitted into the target size"),
    QT_TRANSLATE_NOOP("EngineText", "the output is smaller than the target size: the video needs no more (%1 of %2)"),
    QT_TRANSLATE_NOOP("EngineText", "the output is larger than the target size: the encoder could not keep to it (%1 of %2)"),
    QT_TRANSLATE_NOOP("EngineText", "%1 (firmware %2)"),
    QT_TRANSLATE_NOOP("EngineText", "%1 (video out)"),
    QT_TRANSLATE_NOOP("EngineText", "the picture size %1x%2 is above the %3's %4 pixels (%5x%6 or %7x%8)"),
    QT_TRANSLATE_NOOP("EngineText", "the picture size %1x%2 is above the %3's %4x%5"),
    QT_TRANSLATE_NOOP("EngineText", "%1 fps is above the %2's %3 fps"),
    QT_TRANSLATE_NOOP("EngineText", "the picture is rotated by %1 degrees, which the %2 does not apply"),
    QT_TRANSLATE_NOOP("EngineText", "its pixels are not square (%1:%2), which the %3 shows stretched"),
    QT_TRANSLATE_NOOP("EngineText", "the picture is interlaced without saying which field comes first"),
    QT_TRANSLATE_NOOP("EngineText", "%1-bit video is more than the %2's 8 bits"),
    QT_TRANSLATE_NOOP("EngineText", "%1 colour is not the 4:2:0 the %2 plays"),
    QT_TRANSLATE_NOOP("EngineText", "the %1 profile is not one the %2 plays"),
    QT_TRANSLATE_NOOP("EngineText", "level %1 is above the %2's %3"),
    QT_TRANSLATE_NOOP("EngineText", "its size and rate are above level %1 of the %2"),
    QT_TRANSLATE_NOOP("EngineText", "%1 reference frames are more than the %2's %3 at this size"),
    QT_TRANSLATE_NOOP("EngineText", "its pictures have %1 slices; the %2 decodes one"),
    QT_TRANSLATE_NOOP("EngineText", "the %1 does not open %2 files"),
    QT_TRANSLATE_NOOP("EngineText", "%1 video is not what the %2 plays in %3"),
    QT_TRANSLATE_NOOP("EngineText", "only AAC-LC plays on the %1"),
    QT_TRANSLATE_NOOP("EngineText", "%1 AAC channels are more than the %2's %3"),
    QT_TRANSLATE_NOOP("EngineText", "%1 Hz AAC is not a rate the %2 plays"),
    QT_TRANSLATE_NOOP("EngineText", "%1 sound is not what the %2 plays in %3"),
    // What an encoder takes, when a setting is refused
    QT_TRANSLATE_NOOP("EngineText", "the %1 encoder takes only %2 at %3"),
    QT_TRANSLATE_NOOP("EngineText", "the %1 encoder takes only %2"),
    QT_TRANSLATE_NOOP("EngineText", "the %1 encoder takes \"1 Channel Mono\", \"2 Channel Stereo\" or \"5.1 Channel\""),
    QT_TRANSLATE_NOOP("EngineText", "the %1 encoder takes \"1 Channel Mono\" or \"2 Channel Stereo\""),
    QT_TRANSLATE_NOOP("EngineText", "the %1 encoder takes \"1 Channel Mono\" only"),
    QT_TRANSLATE_NOOP("EngineText", "the %1 encoder takes %2 to %3 Hz (%4)"),
    QT_TRANSLATE_NOOP("EngineText", "the %1 encoder takes %2 kbps to %3 kbps"),
    QT_TRANSLATE_NOOP("EngineText", "the %1 encoder takes %2 Hz"),
    QT_TRANSLATE_NOOP("EngineText", "even widths and heights from %1 to %2"),
    QT_TRANSLATE_NOOP("EngineText", "%1 kbps to %2 kbps"),
    // A target size the profile cannot meet
    QT_TRANSLATE_NOOP("EngineText", "A target size is for video outputs: the size of a sound file follows its bit rate."),
    QT_TRANSLATE_NOOP("EngineText", "The target size of %1 is more than a file on the %2's FAT32 storage can hold "
                                    "(at most 4 GB).\nChoose a smaller size."),
    QT_TRANSLATE_NOOP("EngineText", "The target size of %1 is too small for %2: its video would get %3, below the %4 "
                                    "this profile needs.\nChoose a larger size, a shorter clip or a profile with "
                                    "smaller pictures."),
    QT_TRANSLATE_NOOP("EngineText", "The target size of %1 is too large for %2: its video would need %3, above the "
                                    "%4 kbps %5 plays.\nChoose a smaller size."),
    QT_TRANSLATE_NOOP("EngineText", "The target size is too small for the video of this file: even at the encoder's "
                                    "lowest quality it needs more than %1, and the size leaves %2.\nChoose a larger "
                                    "size, a shorter clip or a profile with smaller pictures."),
    QT_TRANSLATE_NOOP("EngineText", "%1 (%2 long)"),
    QT_TRANSLATE_NOOP("EngineText", "the merged output"),
    QT_TRANSLATE_NOOP("EngineText", "the %1 at H.264 level %2"),
    QT_TRANSLATE_NOOP("EngineText", "the %1 in MPEG-2 Main profile"),
    QT_TRANSLATE_NOOP("EngineText", "the %1 in %2 profile"),
    QT_TRANSLATE_NOOP("EngineText", "the PS3"),
    QT_TRANSLATE_NOOP("EngineText", "the PSP"),
    // The system's and FFmpeg's most frequent words after "Cannot ...: "
    QT_TRANSLATE_NOOP("EngineText", "No such file or directory"),
    QT_TRANSLATE_NOOP("EngineText", "Permission denied"),
    QT_TRANSLATE_NOOP("EngineText", "Invalid data found when processing input"),
    QT_TRANSLATE_NOOP("EngineText", "No space left on device"),
    QT_TRANSLATE_NOOP("EngineText", "Invalid argument"),
    QT_TRANSLATE_NOOP("EngineText", "Input/output error"),
    QT_TRANSLATE_NOOP("EngineText", "Read-only file system"),
    QT_TRANSLATE_NOOP("EngineText", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("EngineText", "File too large"),
    // Several notes of one row
    QT_TRANSLATE_NOOP("EngineText", "%1; %2"),
};

struct CompiledPattern {
    const char* source;
    QRegularExpression match;
};

const std::vector<CompiledPattern>& compiled() {
    static const std::vector<CompiledPattern> patterns = [] {
        std::vector<CompiledPattern> all;
        static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
        for (const char* source : kPatterns) {
            const QString text = QString::fromUtf8(source);
            QString expression = QStringLiteral("^");
            qsizetype at = 0;
            for (auto it = placeholder.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch found = it.next();
                expression += QRegularExpression::escape(text.mid(at, found.capturedStart() - at)) + QStringLiteral("(.+?)");
                at = found.capturedEnd();
            }
            expression += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
            all.push_back({source, QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption)});
        }
        return all;
    }();
    return patterns;
}

// "%1".."%9" of `translated` replaced at once by the parts (a part's own "%2" stays).
QString fillIn(const QString& translated, const QStringList& parts) {
    QString text;
    for (qsizetype i = 0; i < translated.size(); ++i) {
        const QChar next = i + 1 < translated.size() ? translated[i + 1] : QChar();
        if (translated[i] == QLatin1Char('%') && next >= QLatin1Char('1') && next <= QLatin1Char('9') &&
            next.digitValue() <= parts.size()) {
            text += parts[next.digitValue() - 1];
            ++i;
        } else {
            text += translated[i];
        }
    }
    return text;
}

QString render(const QString& english, int depth) {
    if (english.isEmpty() || depth > 6) return english;
    for (const CompiledPattern& pattern : compiled()) {
        const QRegularExpressionMatch found = pattern.match.match(english);
        if (!found.hasMatch()) continue;
        QStringList parts;
        for (int i = 1; i <= found.lastCapturedIndex(); ++i) parts << render(found.captured(i), depth + 1);
        return fillIn(QCoreApplication::translate(kContext, pattern.source), parts);
    }
    return english;
}

}  // namespace

QString EngineText(const QString& english) { return render(english, 0); }

QString EngineText(const std::string& english) { return render(QString::fromStdString(english), 0); }

std::vector<const char*> EngineTextPatterns() { return {kPatterns.begin(), kPatterns.end()}; }
