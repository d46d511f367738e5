#include "engine/DoneBefore.h"

#include "engine/FfmpegPtr.h"
#include "engine/Thumbnail.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

extern "C" {
#include <libavformat/avformat.h>
}

namespace done {

namespace {

// Read from this far before the end the container gives: the last packets of
// every stream lie within it.
constexpr double kTailSeconds = 5.0;
// The names searched beyond the wanted one, as the free-name rule's counter goes.
constexpr int kMostNumberedNames = 10000;
// A file up to this size is read whole; a larger one is read at kSamples places
// spread over it and at its end, kSampleBytes at each.
constexpr std::int64_t kWholeReadBytes = 32 << 20;
constexpr int kSamples = 64;
constexpr std::int64_t kSampleBytes = 128 << 10;
// A run of zero bytes this long (a file system block) inside a packet of a codec
// whose data never holds one.
constexpr std::size_t kZeroRun = 4096;

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

std::string NumberedName(const std::string& wanted, int n) {
    const std::filesystem::path path(wanted);
    const std::string name = path.filename().string();
    const std::size_t dot = name.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot != 0;
    const std::string stem = hasExtension ? name.substr(0, dot) : name;
    const std::string extension = hasExtension ? name.substr(dot) : std::string();
    return (path.parent_path() / (stem + "(" + std::to_string(n) + ")" + extension)).string();
}

// An MP4/MOV file is a row of boxes, each starting with its size. The demuxer
// forgives an index box cut short at the end (what a full disk or a killed copy
// leaves); the row of boxes reaching exactly to the file's end does not.
bool BoxesReachTheEnd(const std::string& path, std::uint64_t fileSize) {
    std::ifstream in(path, std::ios::binary);
    std::uint64_t at = 0;
    while (in && at < fileSize) {
        unsigned char head[16];
        if (fileSize - at < 8 || !in.seekg(static_cast<std::streamoff>(at)) || !in.read(reinterpret_cast<char*>(head), 8))
            return false;
        std::uint64_t size = (std::uint64_t{head[0]} << 24) | (std::uint64_t{head[1]} << 16) |
                             (std::uint64_t{head[2]} << 8) | head[3];
        if (size == 0) return true;  // the last box, to the end of the file
        if (size == 1) {             // a 64-bit size follows the type
            if (!in.read(reinterpret_cast<char*>(head + 8), 8)) return false;
            size = 0;
            for (int i = 8; i < 16; ++i) size = (size << 8) | head[i];
            if (size < 16) return false;
        } else if (size < 8) {
            return false;
        }
        if (size > fileSize - at) return false;
        at += size;
    }
    return at == fileSize;
}

// A crash after the file's blocks were allocated but before they were written
// leaves them zero (or as holes) while the index still points into them: the
// packets there are read without any error. A packet of any compressed codec
// starts with something other than zeros (a sync word, a length, a header); the
// H.264, H.265 and MPEG-4 video bit streams never hold a long run of zeros.
// Raw and PCM data may be all zero (black, silence) and are not judged.
bool LooksZeroed(const AVPacket& packet, const AVCodecParameters& codec) {
    if (packet.size <= 0 || !packet.data) return false;
    const AVCodecID id = codec.codec_id;
    if ((id >= AV_CODEC_ID_PCM_S16LE && id < AV_CODEC_ID_ADPCM_IMA_QT) || id == AV_CODEC_ID_RAWVIDEO) return false;
    const auto* begin = packet.data;
    const auto* end = packet.data + packet.size;
    const auto* firstNonZero = std::find_if(begin, end, [](std::uint8_t byte) { return byte != 0; });
    if (firstNonZero == end) return true;
    if (id != AV_CODEC_ID_H264 && id != AV_CODEC_ID_HEVC && id != AV_CODEC_ID_MPEG4) return false;
    if (static_cast<std::size_t>(packet.size) < kZeroRun) return false;
    std::size_t run = 0;
    for (const auto* at = begin; at != end; ++at) {
        run = *at == 0 ? run + 1 : 0;
        if (run >= kZeroRun) return true;
    }
    return false;
}

// The file holds a hole: blocks never written, read as zeros.
bool HasHole(const std::string& path, std::int64_t size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    const off_t hole = ::lseek(fd, 0, SEEK_HOLE);
    ::close(fd);
    return hole >= 0 && hole < size;
}

// A packet of a played stream, judged for zeroed data.
bool Played(const AVFormatContext& input, const AVPacket& packet) {
    const AVStream* stream = input.streams[packet.stream_index];
    const AVMediaType type = stream->codecpar->codec_type;
    return (type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO) && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

// For a file too large to be read whole: the packets at kSamples places spread
// over it hold no zeroed data. True also when the file cannot seek (it is then
// read whole by PlayedSeconds).
bool SamplesLookWhole(const std::string& path) {
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return false;
    ffmpeg::InputContext input(raw);
    if (avformat_find_stream_info(input.get(), nullptr) < 0) return false;
    if (input->duration <= 0 || input->duration == AV_NOPTS_VALUE) return true;
    const std::int64_t start = input->start_time != AV_NOPTS_VALUE ? input->start_time : 0;
    ffmpeg::Packet packet(av_packet_alloc());
    if (!packet) return false;
    for (int sample = 1; sample < kSamples; ++sample) {
        const std::int64_t target = start + input->duration / kSamples * sample;
        // Any packet will do, not only a key frame: nothing is decoded, and a key
        // frame before each place could be the first of the file for all of them.
        if (avformat_seek_file(input.get(), -1, INT64_MIN, target, target, AVSEEK_FLAG_ANY) < 0) return true;
        for (std::int64_t read = 0; read < kSampleBytes && av_read_frame(input.get(), packet.get()) >= 0;) {
            read += packet->size;
            const bool zeroed = Played(*input, *packet) && LooksZeroed(*packet, *input->streams[packet->stream_index]->codecpar);
            av_packet_unref(packet.get());
            if (zeroed) return false;
        }
    }
    return true;
}

}  // namespace

namespace {

// Only a regular file, and not through a link: opening a FIFO waits for a writer
// that never comes, a device never ends, and no run writes its output as a link.
ffmpeg::InputContext OpenRegular(const std::string& path, struct stat& info) {
    if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return nullptr;
    return ffmpeg::InputContext(raw);
}

// PlayedSeconds of the file open as `input`, its stream information read.
std::optional<double> Measure(AVFormatContext& input, const std::string& path, const struct stat& info) {
    if (std::string_view(input.iformat->name).find("mp4") != std::string_view::npos &&
        !BoxesReachTheEnd(path, static_cast<std::uint64_t>(info.st_size)))
        return std::nullopt;
    if (HasHole(path, info.st_size)) return std::nullopt;
    const bool large = info.st_size > kWholeReadBytes;
    if (large && !SamplesLookWhole(path)) return std::nullopt;
    const double start = input.start_time != AV_NOPTS_VALUE ? input.start_time / double(AV_TIME_BASE) : 0.0;
    double first = std::numeric_limits<double>::max();
    if (large && input.duration > 0 && input.duration != AV_NOPTS_VALUE) {
        const double tail = start + input.duration / double(AV_TIME_BASE) - kTailSeconds;
        if (tail > start) {
            const auto target = static_cast<std::int64_t>(tail * AV_TIME_BASE);
            // A file that cannot seek is read from its start instead.
            if (avformat_seek_file(&input, -1, INT64_MIN, target, target, 0) >= 0) first = start;
        }
    }
    ffmpeg::Packet packet(av_packet_alloc());
    if (!packet) return std::nullopt;
    double end = -std::numeric_limits<double>::max();
    int result = 0;
    while ((result = av_read_frame(&input, packet.get())) >= 0) {
        const AVStream* stream = input.streams[packet->stream_index];
        const AVMediaType type = stream->codecpar->codec_type;
        const std::int64_t stamp = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if ((type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO) && stamp != AV_NOPTS_VALUE &&
            !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
            const double at = stamp * av_q2d(stream->time_base);
            first = std::min(first, at);
            end = std::max(end, at + std::max<std::int64_t>(packet->duration, 0) * av_q2d(stream->time_base));
        }
        // A packet the file ends inside of (cut short after its index was written), or
        // one whose data was never written.
        const bool cut = (packet->flags & AV_PKT_FLAG_CORRUPT) ||
                         (Played(input, *packet) && LooksZeroed(*packet, *stream->codecpar));
        av_packet_unref(packet.get());
        if (cut) return std::nullopt;
    }
    // A read error before the end is a damaged file, not a short one.
    if (result != AVERROR_EOF || end < first) return std::nullopt;
    return end - first;
}

}  // namespace

std::optional<double> PlayedSeconds(const std::string& path) {
    struct stat info {};
    ffmpeg::InputContext input = OpenRegular(path, info);
    if (!input || avformat_find_stream_info(input.get(), nullptr) < 0) return std::nullopt;
    return Measure(*input, path, info);
}

bool IsComplete(const std::string& path, double expectedSeconds) {
    const std::optional<double> played = PlayedSeconds(path);
    return played && std::fabs(*played - expectedSeconds) <= kToleranceSeconds;
}

std::vector<std::string> EarlierNames(const std::string& wanted) {
    std::vector<std::string> names{wanted};
    for (int n = 0; n < kMostNumberedNames; ++n) {
        std::string name = NumberedName(wanted, n);
        if (!Exists(name) && !Exists(ThumbnailPathFor(name))) break;
        names.push_back(std::move(name));
    }
    return names;
}

namespace {

constexpr const char* kMarkAttribute = "user.korbanix.source";
constexpr std::size_t kMarkedBytes = 64 << 10;  // from each end of the source

std::uint64_t Fnv1a(std::uint64_t hash, const char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ static_cast<unsigned char>(data[i])) * 0x100000001b3ULL;
    return hash;
}

}  // namespace

std::string SourceMark(const std::string& sourcePath) {
    std::ifstream in(sourcePath, std::ios::binary);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(sourcePath, ec);
    if (!in || ec) return std::string();
    std::string bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMarkedBytes)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::uint64_t hash = Fnv1a(0xcbf29ce484222325ULL, bytes.data(), static_cast<std::size_t>(in.gcount()));
    if (size > kMarkedBytes) {
        in.clear();
        in.seekg(static_cast<std::streamoff>(size - std::min<std::uintmax_t>(size - kMarkedBytes, kMarkedBytes)));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        hash = Fnv1a(hash, bytes.data(), static_cast<std::size_t>(in.gcount()));
    }
    char text[48];
    std::snprintf(text, sizeof text, "%ju:%016llx", size, static_cast<unsigned long long>(hash));
    return text;
}

void MarkOutput(int fd, const std::string& mark) {
    if (fd >= 0 && !mark.empty()) ::fsetxattr(fd, kMarkAttribute, mark.data(), mark.size(), 0);
}

std::string OutputMark(const std::string& path) {
    char text[64];
    const ssize_t size = ::lgetxattr(path.c_str(), kMarkAttribute, text, sizeof text);
    return size > 0 ? std::string(text, static_cast<std::size_t>(size)) : std::string();
}

namespace {

bool ShapeFits(const AVFormatContext& input, const Wanted& wanted) {
    const AVCodecParameters* video = nullptr;
    const AVCodecParameters* audio = nullptr;
    for (unsigned i = 0; i < input.nb_streams; ++i) {
        const AVStream* stream = input.streams[i];
        if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) continue;  // an MP3's cover is no video
        const AVCodecParameters* codec = stream->codecpar;
        if (codec->codec_type == AVMEDIA_TYPE_VIDEO && !video) video = codec;
        if (codec->codec_type == AVMEDIA_TYPE_AUDIO && !audio) audio = codec;
    }
    if (wanted.video.empty() != !video || wanted.audio.empty() != !audio) return false;
    const bool videoFits = !video || std::any_of(wanted.video.begin(), wanted.video.end(), [&](const VideoShape& shape) {
        // A size of 0: the row keeps whatever size its source has.
        return shape.codec == video->codec_id && (shape.width == 0 || (shape.width == video->width && shape.height == video->height));
    });
    const bool audioFits = !audio || std::find(wanted.audio.begin(), wanted.audio.end(), audio->codec_id) != wanted.audio.end();
    return videoFits && audioFits;
}

}  // namespace

bool HasShape(const std::string& path, const Wanted& wanted) {
    struct stat info {};
    ffmpeg::InputContext input = OpenRegular(path, info);
    return input && avformat_find_stream_info(input.get(), nullptr) >= 0 && ShapeFits(*input, wanted);
}

std::optional<std::string> EarlierOutputs::find(const std::string& wanted, const Wanted& what) const {
    for (const std::string& name : EarlierNames(wanted)) {
        if (m_claimed.count(name) || !Exists(name)) continue;
        // Another source's output: never this row's, however alike.
        const std::string mark = OutputMark(name);
        if (!mark.empty() && !what.sourceMark.empty() && mark != what.sourceMark) continue;
        // One opening: the streams first, which costs little, then the read to
        // the end, which costs the most and is spared for another profile's output.
        struct stat info {};
        ffmpeg::InputContext input = OpenRegular(name, info);
        if (!input || avformat_find_stream_info(input.get(), nullptr) < 0 || !ShapeFits(*input, what)) continue;
        const std::optional<double> played = Measure(*input, name, info);
        if (played && std::fabs(*played - what.seconds) <= kToleranceSeconds) return name;
    }
    return std::nullopt;
}

std::optional<std::string> EarlierOutputs::claim(const std::string& wanted, const Wanted& what) {
    std::optional<std::string> name = find(wanted, what);
    if (name) m_claimed.insert(*name);
    return name;
}

}  // namespace done
