#include "profiles/OutputSizeGuard.h"

#include "engine/AVConvert.h"
#include "engine/CopyRow.h"
#include "engine/SourceFile.h"
#include "engine/TargetSize.h"
#include "profiles/DeviceLimits.h"
#include "profiles/OutputSettings.h"
#include "profiles/ProfileTable.h"
#include "profiles/TimeText.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace {

// A one-pass encoder's rate control may spend this much more than it was asked
// for over a whole output; a two-pass one stays well within it.
constexpr double kRateSlack = 1.03;
// A mount table larger than this is not one we read whole (containers may have
// thousands of mounts, which still fits).
constexpr std::streamsize kMaxTableBytes = 16 * 1024 * 1024;

// "5.1 GB", whatever the process locale says about decimal points.
std::string gigabytes(double bytes) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, bytes / 1e9, std::chars_format::fixed, 1);
    return (ec == std::errc() ? std::string(text, end) : std::string("?")) + " GB";
}

// "\040" -> " ", "\134" -> "\": the kernel escapes blank, tab, newline and
// backslash in the table's fields.
std::string unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() + 0 && field[i + 1] >= '0' && field[i + 1] <= '3' &&
            field[i + 2] >= '0' && field[i + 2] <= '7' && field[i + 3] >= '0' && field[i + 3] <= '7') {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
            continue;
        }
        out += field[i];
    }
    return out;
}

bool leads(const std::string& point, const std::string& path) {
    if (point == "/" || point == path) return true;
    return path.size() > point.size() && path.compare(0, point.size(), point) == 0 && path[point.size()] == '/';
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// What a kept stream spends a second: its own bit rate where its header or the
// container says it (an MKV writer's "BPS" statistics tag), else the file's
// average less what the other streams say of theirs.
double keptBitRate(const AVFormatContext& input, int index) {
    const AVStream& stream = *input.streams[index];
    if (stream.codecpar->bit_rate > 0) return static_cast<double>(stream.codecpar->bit_rate);
    if (const AVDictionaryEntry* tag = av_dict_get(stream.metadata, "BPS", nullptr, 0))
        if (const double bps = std::atof(tag->value); bps > 0) return bps;
    double rest = input.bit_rate > 0 ? static_cast<double>(input.bit_rate) : 0.0;
    for (unsigned i = 0; i < input.nb_streams; ++i)
        if (static_cast<int>(i) != index) rest -= static_cast<double>(std::max<std::int64_t>(input.streams[i]->codecpar->bit_rate, 0));
    return std::max(rest, 0.0);
}

// The bit rate of a row's output whose video is kept as it is (the option is on,
// the profile's device plays it, nothing asks for an encoder): the kept streams'
// own rates, and the settings' sound rate when the sound is converted. nullopt
// when the video would be converted or the source cannot be read.
std::optional<double> keptOutputBitRate(const TaskRow& row, const OutputSettings& settings,
                                        const std::string& container) {
    const copycheck::DeviceLimits* device = DeviceLimitsFor(settings.profileCode);
    if (!settings.copyCompatible || settings.audioOnly || settings.targetSizeBytes > 0 || !device) return std::nullopt;
    if (settings.exactCut && ParseTime(row.startText) > 0) return std::nullopt;
    const std::string name = "x" + container;
    const AVOutputFormat* format = av_guess_format(nullptr, name.c_str(), nullptr);
    const auto job = std::make_unique<AVConvert>();  // lends its stop flag to the reads
    source::SourceFile source;
    if (!format || source::openContainer(row.sourcePath, *job, source) != source::OpenResult::Opened)
        return std::nullopt;
    const source::StreamChoice choice =
        source::chooseStreams(*source.input, row.sourcePath, source::TrackRequests{row.audioTrack, row.subtitles, {}});
    // Subtitles are burned into the picture.
    if (!choice.failure.empty() || choice.video < 0 || choice.subtitleTrack >= 0) return std::nullopt;
    source.videoIndex = choice.video;
    source.audioIndex = choice.audio;
    if (!copying::videoCopyReason(*device, source, format->name).empty()) return std::nullopt;
    double rate = keptBitRate(*source.input, source.videoIndex);
    if (const AVStream* sound = source.audioStream())
        rate += copycheck::checkSound(*device, *sound->codecpar, format->name).copyable
                    ? keptBitRate(*source.input, source.audioIndex)
                    : settings.audioBitRate;
    return rate;
}

}  // namespace

std::string ProfileExtension(int profileCode) {
    for (const ProfileEntry& entry : Profiles())
        if (entry.code == profileCode) return ExtensionFromProfile(entry.displayText);
    return std::string();
}

double ExpectedOutputBytes(const OutputSettings& settings, double seconds, std::string_view extension) {
    // A video output fitted into a size is that size, whatever its length.
    if (settings.targetSizeBytes > 0 && !settings.audioOnly) return static_cast<double>(settings.targetSizeBytes);
    const std::string container = extension.empty() ? ProfileExtension(settings.profileCode) : std::string(extension);
    const double video = settings.audioOnly ? 0.0 : settings.videoBitRate;
    return sizing::expectedBytes(sizing::containerOverhead(container), seconds, video, settings.audioBitRate) *
           kRateSlack;
}

std::optional<Fat32Excess> FindFat32Excess(const std::vector<TaskRow>& rows, JobKind kind,
                                           const OutputSettings& settings, std::string_view extension) {
    const std::string container = extension.empty() ? ProfileExtension(settings.profileCode) : std::string(extension);
    const sizing::Overhead overhead = sizing::containerOverhead(container);
    double mergeSeconds = 0, mergeKeptBytes = 0;
    for (const TaskRow& row : rows) {
        if (!row.checked) continue;
        const double seconds = std::max(ParseTime(row.endText) - ParseTime(row.startText), 0);
        // A kept video has the bytes it has, whatever the profile's bit rate says.
        const std::optional<double> kept = keptOutputBitRate(row, settings, container);
        const double keptBytes = kept ? sizing::expectedBytes(overhead, seconds, *kept, 0) * kRateSlack : 0.0;
        if (kind == JobKind::Merge) {
            if (kept) mergeKeptBytes += keptBytes - overhead.fixedBytes * kRateSlack;
            else mergeSeconds += seconds;
            continue;
        }
        const double bytes = kept ? keptBytes : ExpectedOutputBytes(settings, seconds, extension);
        if (bytes > static_cast<double>(kFat32FileLimitBytes)) return Fat32Excess{false, row.sourcePath, bytes};
    }
    const double merged = ExpectedOutputBytes(settings, mergeSeconds, extension) + mergeKeptBytes;
    if (kind == JobKind::Merge && merged > static_cast<double>(kFat32FileLimitBytes))
        return Fat32Excess{true, std::string(), merged};
    return std::nullopt;
}

std::string Fat32Message(const Fat32Excess& excess, std::string_view displayName, std::string_view mountPoint) {
    if (excess.merged)
        return "The merged output would be about " + gigabytes(excess.bytes) + ", but a file on the FAT32 volume " +
               std::string(mountPoint) +
               " can hold at most 4 GB.\nMerge fewer or shorter files, lower the bit rates or choose another "
               "output folder.";
    return "The output of \"" + std::string(displayName) + "\" would be about " + gigabytes(excess.bytes) +
           ", but a file on the FAT32 volume " + std::string(mountPoint) +
           " can hold at most 4 GB.\nShorten the clip, lower the bit rates or choose another output folder.";
}

std::string RealFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path path = fs::absolute(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec) return folder;
    // weakly_canonical resolves the existing leading part (links included) and
    // appends the rest as written.
    const fs::path real = fs::weakly_canonical(path, ec);
    std::string text = (ec ? path : real).lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

std::optional<MountPoint> MountHolding(const std::string& realPath, const std::string& mountTable) {
    std::ifstream table(mountTable);
    if (!table) return std::nullopt;
    std::optional<MountPoint> best;
    std::string line;
    std::streamsize total = 0;
    while (total < kMaxTableBytes && std::getline(table, line)) {
        total += static_cast<std::streamsize>(line.size()) + 1;
        std::istringstream fields(line);
        std::string device, point, type;
        if (!(fields >> device >> point >> type)) continue;
        point = unescape(point);
        // Later mounts over the same point hide earlier ones: ">=" keeps the last.
        if (leads(point, realPath) && (!best || point.size() >= best->mountPoint.size()))
            best = MountPoint{point, type};
    }
    return best;
}

bool HasFat32Limit(std::string_view fileSystem) {
    return fileSystem == "vfat" || fileSystem == "msdos" || fileSystem == "fat";
}

std::string Fat32RefusalFor(const std::vector<TaskRow>& rows, JobKind kind, const OutputSettings& settings,
                            const std::string& folder, const std::string& mountTable, std::string_view extension) {
    const std::optional<MountPoint> mount = MountHolding(RealFolder(folder), mountTable);
    if (!mount || !HasFat32Limit(mount->fileSystem)) return std::string();
    const std::optional<Fat32Excess> excess = FindFat32Excess(rows, kind, settings, extension);
    if (!excess) return std::string();
    return Fat32Message(*excess, fileNameOf(excess->sourcePath), mount->mountPoint);
}
