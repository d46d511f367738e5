#include "engine/SourceFile.h"

#include "engine/LocalFileUrl.h"

#include "engine/AVConvert.h"
#include "engine/ErrorText.h"
#include "engine/FrameRate.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <cstring>
#include <limits>
#include <string_view>

namespace source {
namespace {

// threads: 0 = as many as FFmpeg thinks useful, like the ffmpeg command; rows
// running at once divide the cores among themselves.
ffmpeg::CodecContext openDecoder(const AVStream& stream, int threads) {
    LastCodecOpenError() = 0;  // a missing decoder is no shortage of anything
    const AVCodec* decoder = avcodec_find_decoder(stream.codecpar->codec_id);
    if (!decoder) return nullptr;
    ffmpeg::CodecContext ctx(avcodec_alloc_context3(decoder));
    LastCodecOpenError() = ctx ? avcodec_parameters_to_context(ctx.get(), stream.codecpar) : AVERROR(ENOMEM);
    if (LastCodecOpenError() < 0) return nullptr;
    ctx->pkt_timebase = stream.time_base;
    ctx->thread_count = threads;
    if (const int opened = avcodec_open2(ctx.get(), decoder, nullptr); opened < 0) {
        LastCodecOpenError() = opened;
        return nullptr;
    }
    LastCodecOpenError() = 0;
    return ctx;
}

// A container that leaves the frame rate unset still has an average or a guess.
AVRational streamRate(AVFormatContext* input, AVStream* stream) {
    AVRational rate = stream->r_frame_rate;
    if (rate.num <= 0 || rate.den <= 0) rate = av_guess_frame_rate(input, stream, nullptr);
    return framerate::normaliseSourceRate(rate);
}

}  // namespace

TrackRequests requestsFor(const AVConvert& job, int row) {
    TrackRequests requests;
    const auto at = [row](const std::vector<std::string>& table) {
        return row >= 0 && static_cast<std::size_t>(row) < table.size() ? table[row] : std::string();
    };
    requests.audio = at(job.audioTracks);
    requests.subtitles = at(job.subtitleTracks);
    requests.language = job.preferredLanguage;
    return requests;
}

StreamChoice chooseStreams(const AVFormatContext& input, const std::string& path, const TrackRequests& requests) {
    StreamChoice choice;
    for (unsigned i = 0; i < input.nb_streams; ++i) {
        const AVStream* stream = input.streams[i];
        const int index = static_cast<int>(i);
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO || (stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            continue;
        if (choice.video < 0 || ((stream->disposition & AV_DISPOSITION_DEFAULT) &&
                                 !(input.streams[choice.video]->disposition & AV_DISPOSITION_DEFAULT)))
            choice.video = index;
    }
    choice.tracks = tracks::listTracks(input, path);
    const std::string language = requests.language.empty() ? tracks::desktopLanguage() : requests.language;
    const auto request = [](const std::string& text) {
        return tracks::TrackRequest::parse(text).value_or(tracks::TrackRequest{});
    };
    const tracks::Choice audio =
        tracks::chooseAudio(choice.tracks, request(requests.audio), language, !requests.language.empty());
    const tracks::Choice subtitle = tracks::chooseSubtitle(choice.tracks, request(requests.subtitles), language);
    choice.audioTrack = audio.track;
    choice.subtitleTrack = subtitle.track;
    choice.failure = !audio.failure.empty() ? audio.failure : subtitle.failure;
    if (audio.track >= 0) choice.audio = choice.tracks[audio.track].streamIndex;
    return choice;
}

void recordFacts(const SourceFile& source, AVConvert& job) {
    AVFormatContext* input = source.input.get();
    job.durationMicroseconds = input->duration;
    if (source.videoDecoder) {
        job.sourceWidth = source.videoDecoder->width;
        job.sourceHeight = source.videoDecoder->height;
        job.sourceFrameRate = framerate::wholeRate(source.videoRate);
        job.sourceRateNum = source.videoRate.num;
        job.sourceRateDen = source.videoRate.den;
    }
    job.oddRateSource = source.oddRate;
    const std::int64_t size = input->pb ? avio_size(input->pb) : -1;
    job.fileSize = size > 0 ? static_cast<int>(static_cast<std::uint32_t>(size)) : 0;
    job.probeStartSeconds = 0;
    job.probeDurationSeconds = input->duration != AV_NOPTS_VALUE ? input->duration / AV_TIME_BASE : 0;
    job.videoStreamIndex = source.videoIndex;
    job.audioStreamIndex = source.audioIndex;
}

namespace {

// FFmpeg asks this between reads; non-zero makes the blocking call return AVERROR_EXIT.
int interruptReads(void* job) { return StopSeen(*static_cast<const AVConvert*>(job)) ? 1 : 0; }

OpenResult fail(SourceFile& out, std::string reason) {
    out.failure = std::move(reason);
    return OpenResult::Failed;
}

// Why a path is no media source: missing, unreadable, or not a plain file.
std::string notPlainReason(const std::string& path) {
    std::error_code error;
    (void)std::filesystem::status(path, error);
    return error ? "Cannot open the source: " + error.message() : "The source is not a regular file";
}

}  // namespace

bool SourceFile::formatIs(const char* name) const {
    return input && input->iformat && std::strcmp(input->iformat->name, name) == 0;
}

double SourceFile::frameSeconds(const AVFrame& frame, const AVStream& stream) const {
    const std::int64_t pts = frame.best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE) return std::numeric_limits<double>::quiet_NaN();
    return static_cast<double>(pts) * av_q2d(stream.time_base) - startSeconds;
}

OpenResult openSource(const std::string& path, AVConvert& job, SourceFile& out, int row) {
    job.videoStreamIndex = job.audioStreamIndex = -1;
    const OpenResult result = openWithoutFacts(path, job, out, row);
    if (result == OpenResult::Opened) recordFacts(out, job);
    return result;
}

OpenResult openContainer(const std::string& path, const AVConvert& job, SourceFile& out) {
    if (path.empty()) return fail(out, "No source file");  // a row that is not checked
    if (!IsPlainFile(path)) return fail(out, notPlainReason(path));
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw) return fail(out, Reason("Cannot open the source", AVERROR(ENOMEM)));
    raw->interrupt_callback = {interruptReads, const_cast<AVConvert*>(&job)};  // read only
    // On failure avformat_open_input frees the context it was given.
    if (const int opened = avformat_open_input(&raw, LocalFileUrl(path).c_str(), nullptr, nullptr); opened != 0)
        return fail(out, Reason("Cannot open the source", opened));
    out.input.reset(raw);
    if (const int found = avformat_find_stream_info(raw, nullptr); found < 0)
        return fail(out, Reason("Cannot read the source's streams", found));
    return OpenResult::Opened;
}

namespace {

// A subtitle file beside the source is read by the picture filter when the row
// starts; one that is no subtitle file would only fail every picture, so it is
// found out here, with its name.
bool readableSubtitleFile(const std::string& path) {
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, LocalFileUrl(path).c_str(), nullptr, nullptr) != 0) return false;
    ffmpeg::InputContext file(raw);
    if (avformat_find_stream_info(raw, nullptr) < 0) return false;
    return av_find_best_stream(raw, AVMEDIA_TYPE_SUBTITLE, -1, -1, nullptr, 0) >= 0;
}

// Cues no viewer could read in the time they show, and letters larger than any
// screen, only make the text renderer work for minutes on every picture (a cue
// of a megabyte took five minutes for two seconds of video).
constexpr int kMostCueBytes = 4096;
constexpr long kLargestFontSize = 1000;

// The first number after each `marker` in `text` that is larger than kLargestFontSize.
long oversizedNumberAfter(std::string_view text, std::string_view marker) {
    for (std::size_t at = text.find(marker); at != std::string_view::npos; at = text.find(marker, at + 1)) {
        long value = 0;
        for (std::size_t i = at + marker.size(); i < text.size() && value <= kLargestFontSize; ++i) {
            if (text[i] < '0' || text[i] > '9') break;
            value = value * 10 + (text[i] - '0');
        }
        if (value > kLargestFontSize) return value;
    }
    return 0;
}

// Why the cues of a subtitle file beside the source are not drawn; "" when they can be.
std::string subtitleFileProblem(const std::string& path) {
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, LocalFileUrl(path).c_str(), nullptr, nullptr) != 0) return std::string();
    ffmpeg::InputContext file(raw);
    ffmpeg::Packet packet(av_packet_alloc());
    while (packet && av_read_frame(raw, packet.get()) >= 0) {
        const std::string text(reinterpret_cast<const char*>(packet->data), static_cast<std::size_t>(packet->size));
        av_packet_unref(packet.get());
        if (text.size() > static_cast<std::size_t>(kMostCueBytes)) return "has a cue of " + std::to_string(text.size()) + " bytes, too long to draw";
        for (std::string_view marker : {"\\fs", "size=\""})
            if (oversizedNumberAfter(text, marker) > 0) return "asks for letters too large to draw";
    }
    return std::string();
}

}  // namespace

OpenResult openWithoutFacts(const std::string& path, const AVConvert& job, SourceFile& out, int row) {
    if (openContainer(path, job, out) != OpenResult::Opened) return OpenResult::Failed;
    AVFormatContext* raw = out.input.get();
    out.path = path;
    const StreamChoice streams = chooseStreams(*out.input, path, requestsFor(job, row));
    if (!streams.failure.empty()) return fail(out, streams.failure);
    out.videoIndex = streams.video;
    out.audioIndex = streams.audio;
    if (streams.subtitleTrack >= 0) out.subtitle = streams.tracks[streams.subtitleTrack];
    if (out.subtitle && out.subtitle->streamIndex >= 0 &&
        !avcodec_find_decoder(raw->streams[out.subtitle->streamIndex]->codecpar->codec_id))
        return fail(out, "The subtitle track " + std::to_string(out.subtitle->number) + " cannot be decoded");
    if (out.subtitle && !out.subtitle->file.empty() && !readableSubtitleFile(out.subtitle->file))
        return fail(out, "The subtitle file " + std::filesystem::path(out.subtitle->file).filename().string() +
                             " cannot be read");
    if (out.subtitle && !out.subtitle->file.empty())
        if (const std::string problem = subtitleFileProblem(out.subtitle->file); !problem.empty())
            return fail(out, "The subtitle file " + std::filesystem::path(out.subtitle->file).filename().string() +
                                 " " + problem);
    if (AVStream* video = out.videoStream()) {
        out.videoDecoder = openDecoder(*video, job.threadsPerRow);
        if (!out.videoDecoder)
            return fail(out, CodecFailure("The source's video cannot be decoded",
                "the source's video decoder", LastCodecOpenError()));
        out.oddRate = framerate::isOddRate(video->r_frame_rate);
        out.videoRate = streamRate(raw, video);
    }
    if (AVStream* audio = out.audioStream()) {
        out.audioDecoder = openDecoder(*audio, job.threadsPerRow);
        if (!out.audioDecoder)
            return fail(out, CodecFailure("The source's audio cannot be decoded",
                "the source's audio decoder", LastCodecOpenError()));
    }
    if (raw->start_time != AV_NOPTS_VALUE) out.startSeconds = static_cast<double>(raw->start_time) / AV_TIME_BASE;
    return OpenResult::Opened;
}

bool decodeVideoOnOneThread(SourceFile& source) {
    if (!source.videoStream()) return false;
    ffmpeg::CodecContext decoder = openDecoder(*source.videoStream(), 1);
    if (!decoder) return false;
    source.videoDecoder = std::move(decoder);
    return true;
}

namespace {

// Packets read after a seek to find the first picture: past them the source has
// no pictures worth waiting for.
constexpr int kPacketsToFirstPicture = 2000;

// The first picture read from where the source stands is a key frame (or there is
// none to read). The read position moves.
bool firstPictureIsKey(SourceFile& source) {
    ffmpeg::Packet packet = ffmpeg::makePacket();
    for (int i = 0; packet && i < kPacketsToFirstPicture; ++i) {
        if (av_read_frame(source.input.get(), packet.get()) < 0) return true;
        const bool picture = packet->stream_index == source.videoIndex;
        const bool key = (packet->flags & AV_PKT_FLAG_KEY) != 0;
        av_packet_unref(packet.get());
        if (picture) return key;
    }
    return true;
}

}  // namespace

void seekTo(SourceFile& source, double clipSeconds) {
    const double target = (source.startSeconds + clipSeconds) * AV_TIME_BASE;
    if (!std::isfinite(target)) return;
    AVFormatContext* input = source.input.get();
    const std::int64_t start = static_cast<std::int64_t>(source.startSeconds * AV_TIME_BASE);
    std::int64_t at = static_cast<std::int64_t>(target);
    // Containers without an index (MPEG-TS, MPEG-PS) seek by their time stamps and
    // may land on a picture that refers to earlier ones: the decoder then gives
    // nothing until the next key frame, which may lie past the clip or never come.
    // Such a landing is tried again further back, up to the source's start.
    for (double back = 1.0;; back *= 2) {
        av_seek_frame(input, -1, at, AVSEEK_FLAG_BACKWARD);
        if (source.videoIndex < 0 || at <= start || firstPictureIsKey(source)) break;
        at = std::max(start, static_cast<std::int64_t>(target - back * AV_TIME_BASE));
    }
    if (source.videoIndex >= 0 && at > start) av_seek_frame(input, -1, at, AVSEEK_FLAG_BACKWARD);
}

}  // namespace source
