#include "engine/ProbeMedia.h"

#include "engine/LocalFileUrl.h"

#include "engine/AVConvert.h"
#include "engine/FfmpegPtr.h"
#include "engine/SourceFile.h"
#include "engine/VideoPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <thread>

namespace {

enum ProbeResult : int {
    kProbed = 0,
    kCannotOpen = -1,
    kNoStreamInfo = -2,
    kNoVideoDecoder = -4,
    kVideoDecoderWillNotOpen = -5,
    kPictureTooLarge = kProbePictureTooLarge,
    kStillGrowing = kProbeStillGrowing,
};

// A file another program is still writing (a recording, a download, a copy) is
// open for writing somewhere, or grows while it is measured. Whether anybody holds
// it open for writing is asked with a read lease, which the kernel grants only
// when nobody does; where no lease can be had (a file of another user, a network
// file system) a file written to just now is watched for a moment instead.
constexpr auto kGrowthPause = std::chrono::milliseconds(400);
constexpr auto kRecentWrite = std::chrono::seconds(1);

struct FileStamp {
    bool known = false;
    off_t size = 0;
    timespec modified{};
    bool operator==(const FileStamp& o) const {
        return known == o.known && size == o.size && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec;
    }
};

FileStamp stampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return FileStamp{};
    return FileStamp{true, info.st_size, info.st_mtim};
}
enum class Writers { None, Some, Unknown };

Writers writersOf(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Writers::Unknown;
    Writers writers = Writers::Unknown;
    if (::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) {
        writers = Writers::None;
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
    } else if (errno == EAGAIN) {
        writers = Writers::Some;
    }
    ::close(fd);
    return writers;
}

bool stillGrowing(const std::string& path, const FileStamp& before) {
    const FileStamp after = stampOf(path);
    if (!(after == before)) return true;
    const Writers writers = writersOf(path);
    if (writers != Writers::Unknown) return writers == Writers::Some;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const auto age = std::chrono::seconds(now.tv_sec - after.modified.tv_sec) +
                     std::chrono::nanoseconds(now.tv_nsec - after.modified.tv_nsec);
    if (age >= kRecentWrite) return false;
    std::this_thread::sleep_for(kGrowthPause);
    return !(stampOf(path) == after);
}

// A rate this high is a time base reported as a frame rate (raw streams give
// 90000/1); reading its denominator as 1001 turns it into something usable.
constexpr int kImplausibleFrameRate = 1000;
constexpr int kReplacementDenominator = 1001;

int clampToInt(std::int64_t value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

ffmpeg::InputContext openInput(const std::string& path) {
    if (!IsPlainFile(path)) return nullptr;
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw) return nullptr;
    // A probe of a huge or slow file gives up at once when everything is to stop.
    raw->interrupt_callback = {[](void*) { return AVConvert::abortNow.load(std::memory_order_relaxed) ? 1 : 0; },
                               nullptr};
    if (avformat_open_input(&raw, LocalFileUrl(path).c_str(), nullptr, nullptr) != 0) return nullptr;
    return ffmpeg::InputContext(raw);
}

// Opens a decoder for the stream to prove that it can be decoded; the context is
// only needed for that and is released by the caller's owner.
struct OpenedDecoder {
    ffmpeg::CodecContext context;
    bool found = false;
    bool opened = false;
};

OpenedDecoder openDecoder(const AVStream& stream) {
    OpenedDecoder result;
    const AVCodec* decoder = avcodec_find_decoder(stream.codecpar->codec_id);
    if (!decoder) return result;
    result.found = true;
    result.context.reset(avcodec_alloc_context3(decoder));
    if (!result.context) return result;
    if (avcodec_parameters_to_context(result.context.get(), stream.codecpar) < 0) return result;
    // Opening is all the probe needs: no decoding threads for it.
    result.context->thread_count = 1;
    result.opened = avcodec_open2(result.context.get(), decoder, nullptr) >= 0;
    return result;
}

void readVideoFacts(const AVStream& stream, AVConvert& job) {
    const AVCodecParameters& par = *stream.codecpar;
    job.sourceWidth = par.width;
    job.sourceHeight = par.height;
    job.videoCodecId = par.codec_id;
    job.videoCodecName = avcodec_get_name(par.codec_id);
    job.videoBitRate = clampToInt(par.bit_rate);

    const int num = stream.r_frame_rate.num;
    int den = stream.r_frame_rate.den;
    if (den != 0) {
        job.sourceFrameRate = num / den;
        if (job.sourceFrameRate > kImplausibleFrameRate) {
            den = kReplacementDenominator;
            job.sourceFrameRate = num / den;
        }
    }
    job.sourceRateNum = num;
    job.sourceRateDen = den;
}

// The frame-rate fields keep the previous probe's values: only the picture fields
// say "no video".
void clearVideoFacts(AVConvert& job) {
    job.sourceWidth = 0;
    job.sourceHeight = 0;
    job.videoCodecId = 0;
    job.videoBitRate = 0;
    job.videoCodecName.clear();
}

void readAudioFacts(const AVStream* stream, AVConvert& job) {
    if (!stream) {
        job.audioCodecId = 0;
        job.audioChannels = 0;
        job.audioSampleRate = 0;
        job.audioBitRate = 0;
        job.audioCodecName.clear();
        job.audioChannelLayout.clear();
        return;
    }
    const AVCodecParameters& par = *stream->codecpar;
    job.audioCodecId = par.codec_id;
    job.audioCodecName = avcodec_get_name(par.codec_id);
    job.audioChannels = par.ch_layout.nb_channels;
    job.audioSampleRate = par.sample_rate;
    job.audioBitRate = clampToInt(par.bit_rate);
    // Only a layout that names its speakers has a name worth showing; an
    // unspecified order describes itself as "6 channels".
    char layout[64] = "";
    if (par.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC ||
        av_channel_layout_describe(&par.ch_layout, layout, sizeof layout) < 0)
        layout[0] = '\0';
    job.audioChannelLayout = layout;
}

void readContainerFacts(AVFormatContext& input, AVConvert& job) {
    // AV_NOPTS_VALUE stays as it is: a negative length marks a file of unknown length.
    job.durationMicroseconds = input.duration;
    const std::int64_t size = input.pb ? avio_size(input.pb) : -1;
    job.fileSize = size > 0 ? static_cast<int>(static_cast<std::uint32_t>(size)) : 0;
    job.containerBitRate = input.bit_rate > 0 ? input.bit_rate : 0;
    job.probeStartSeconds = 0;
    job.probeDurationSeconds = job.durationMicroseconds / AV_TIME_BASE;
}

}  // namespace

int ProbeMedia(AVConvert& job) {
    job.videoStreamIndex = -1;
    job.audioStreamIndex = -1;
    job.probeTracks.clear();
    job.probeAudioTrack = job.probeSubtitleTrack = -1;

    const FileStamp before = stampOf(job.probePath);
    ffmpeg::InputContext input = openInput(job.probePath);
    if (!input) return kCannotOpen;
    if (avformat_find_stream_info(input.get(), nullptr) < 0) return kNoStreamInfo;
    source::StreamChoice streams = source::chooseStreams(*input, job.probePath, {{}, {}, job.preferredLanguage});
    job.videoStreamIndex = streams.video;
    job.audioStreamIndex = streams.audio;
    job.probeTracks = std::move(streams.tracks);
    job.probeAudioTrack = streams.audioTrack;
    job.probeSubtitleTrack = streams.subtitleTrack;

    const AVStream* video = job.videoStreamIndex >= 0 ? input->streams[job.videoStreamIndex] : nullptr;
    const AVStream* audio = job.audioStreamIndex >= 0 ? input->streams[job.audioStreamIndex] : nullptr;
    OpenedDecoder videoDecoder;
    if (video) {
        videoDecoder = openDecoder(*video);
        if (!videoDecoder.found) return kNoVideoDecoder;
        if (!videoDecoder.opened) return kVideoDecoderWillNotOpen;
    }
    // An audio stream that cannot be decoded does not make the file invalid; the
    // decoder is still opened, as the worker will, but its result is not used.
    OpenedDecoder audioDecoder;
    if (audio) audioDecoder = openDecoder(*audio);

    if (video) readVideoFacts(*video, job);
    else clearVideoFacts(job);
    if (static_cast<std::int64_t>(job.sourceWidth) * job.sourceHeight > kMaxProbePixels) return kPictureTooLarge;
    readAudioFacts(audio, job);
    readContainerFacts(*input, job);
    if (stillGrowing(job.probePath, before)) return kStillGrowing;
    // A still picture lasts as long as a still is shown for (its container says
    // one frame, or nothing at all).
    if (video::isStillPicture(*input, streams.video, streams.audio)) {
        job.durationMicroseconds = static_cast<std::int64_t>(job.stillPictureSeconds * AV_TIME_BASE);
        job.probeDurationSeconds = job.durationMicroseconds / AV_TIME_BASE;
    }
    return kProbed;
}

bool ProbeAccepted(int result, const AVConvert& job) {
    return result >= 0 && job.probeStartSeconds >= 0 && job.probeDurationSeconds >= 0;
}

RefusalCause ClassifyRefusal(const std::string& path, int probeResult) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {errno == ENOENT ? Refusal::kMissing : Refusal::kUnreadable, errno};
    if (S_ISDIR(info.st_mode)) return {Refusal::kFolder};
    if (!S_ISREG(info.st_mode)) return {Refusal::kNotPlainFile};
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {Refusal::kUnreadable, errno};
    ::close(fd);
    if (info.st_size == 0) return {Refusal::kEmpty};
    switch (probeResult) {
    case -4: return {Refusal::kNoVideoDecoder};
    case -5: return {Refusal::kVideoDecoderWillNotOpen};
    case kProbePictureTooLarge: return {Refusal::kPictureTooLarge};
    case kProbeStillGrowing: return {Refusal::kStillGrowing};
    default: break;
    }
    return {probeResult < 0 ? Refusal::kNotMedia : Refusal::kLengthUnknown};
}
