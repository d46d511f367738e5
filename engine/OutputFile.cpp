#include "engine/OutputFile.h"

#include "engine/LocalFileUrl.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace output {
namespace {

// Tags worth carrying from source to output: the descriptive ones, not the
// source's encoder or creation facts.
constexpr const char* kCopiedTags[] = {"title", "author", "artist", "copyright", "comment",
                                       "album", "year",   "date",   "track",     "genre"};

void splitName(const std::string& path, std::string& stem, std::string& extension) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        stem = path.substr(0, dot);
        extension = path.substr(dot);
    } else {
        stem = path;
        extension.clear();
    }
}

// True when the name is ours now (or, without reserving, free). A failure other
// than "exists" also ends the search: opening the file later reports it.
bool takeName(const std::string& candidate, bool reserve) {
    if (!reserve) {
        std::error_code ec;
        return !std::filesystem::exists(std::filesystem::symlink_status(candidate, ec));
    }
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno != EEXIST;
}

}  // namespace

std::string chooseFreeName(const std::string& path, int& nameCounter, bool reserve) {
    nameCounter = -1;
    if (takeName(path, reserve)) return path;
    std::string stem, extension;
    splitName(path, stem, extension);
    for (;;) {
        ++nameCounter;
        std::string candidate = stem + "(" + std::to_string(nameCounter) + ")" + extension;
        if (takeName(candidate, reserve)) return candidate;
    }
}

bool OutputFile::create(const std::string& path) {
    AVFormatContext* ctx = nullptr;
    if (avformat_alloc_output_context2(&ctx, nullptr, nullptr, path.c_str()) < 0 || !ctx) return false;
    m_context.reset(ctx);
    m_path = path;
    return true;
}

const char* OutputFile::formatName() const {
    return m_context && m_context->oformat ? m_context->oformat->name : "";
}

bool OutputFile::formatIs(const char* name) const { return std::strcmp(formatName(), name) == 0; }

bool OutputFile::wantsGlobalHeader() const {
    return m_context && (m_context->oformat->flags & AVFMT_GLOBALHEADER);
}

AVStream* OutputFile::addStream() {
    AVStream* stream = avformat_new_stream(m_context.get(), nullptr);
    if (stream) stream->id = static_cast<int>(m_context->nb_streams) - 1;
    return stream;
}

void OutputFile::copyMetadata(const AVFormatContext* source) {
    for (const char* key : kCopiedTags) {
        const AVDictionaryEntry* tag = av_dict_get(source->metadata, key, nullptr, 0);
        if (tag) av_dict_set(&m_context->metadata, key, tag->value, 0);
    }
}

bool OutputFile::open(const std::string& path) {
    AVFormatContext* ctx = m_context.get();
    av_freep(&ctx->url);
    ctx->url = av_strdup(path.c_str());
    m_path = path;
    const bool opened = ctx->nb_streams > 0 &&
                        ((ctx->oformat->flags & AVFMT_NOFILE) || avio_open(&ctx->pb, LocalFileUrl(path).c_str(), AVIO_FLAG_WRITE) >= 0) &&
                        avformat_write_header(ctx, nullptr) >= 0;
    if (!opened) {
        if (!(ctx->oformat->flags & AVFMT_NOFILE)) avio_closep(&ctx->pb);
        // The file is the empty one chooseFreeName reserved for us: nobody else's.
        std::error_code ec;
        std::filesystem::remove(path, ec);
        return false;
    }
    m_headerWritten = true;
    return true;
}

int OutputFile::write(AVPacket* pkt, AVRational encoderTimeBase, AVStream* stream) {
    pkt->stream_index = stream->index;
    // The muxer may have changed the stream's time base in write_header (mp4: 1/12800).
    av_packet_rescale_ts(pkt, encoderTimeBase, stream->time_base);
    return av_interleaved_write_frame(m_context.get(), pkt);
}

bool OutputFile::finish() {
    if (!m_headerWritten || m_finished) return false;
    m_finished = true;
    AVFormatContext* ctx = m_context.get();
    bool ok = av_write_trailer(ctx) >= 0;
    if (ctx->pb) {
        avio_flush(ctx->pb);
        if (ctx->pb->error < 0) ok = false;
        if (!(ctx->oformat->flags & AVFMT_NOFILE) && avio_closep(&ctx->pb) < 0) ok = false;
    }
    return ok;
}

}  // namespace output
