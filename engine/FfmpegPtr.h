#pragma once
// Owning handles for FFmpeg, declared in one place. Each deleter calls FFmpeg's
// own free-and-null function, so a handle can be reset early or dropped on any
// return path. Declare owners in creation order: members and locals are released
// in reverse, which is the order FFmpeg expects (encoders before the muxer that
// holds their streams, frames before the scaler that filled them, and so on).

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>

namespace ffmpeg {

struct InputCloser {
    void operator()(AVFormatContext* ctx) const { avformat_close_input(&ctx); }
};
// An output context owns its AVIOContext only when the muxer writes a file and
// the context opened it itself (a custom one belongs to whoever made it);
// close the file first, then free the context (and with it its streams).
struct OutputCloser {
    void operator()(AVFormatContext* ctx) const {
        if (ctx->oformat && !(ctx->oformat->flags & AVFMT_NOFILE) && !(ctx->flags & AVFMT_FLAG_CUSTOM_IO))
            avio_closep(&ctx->pb);
        avformat_free_context(ctx);
    }
};
struct CodecContextFree {
    void operator()(AVCodecContext* ctx) const { avcodec_free_context(&ctx); }
};
struct FrameFree {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct SwsFree {
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};
struct SwrFree {
    void operator()(SwrContext* s) const { swr_free(&s); }
};
struct AudioFifoFree {
    void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); }
};
struct FilterGraphFree {
    void operator()(AVFilterGraph* g) const { avfilter_graph_free(&g); }
};
struct DictFree {
    void operator()(AVDictionary* d) const { av_dict_free(&d); }
};

using InputContext = std::unique_ptr<AVFormatContext, InputCloser>;
using OutputContext = std::unique_ptr<AVFormatContext, OutputCloser>;
using CodecContext = std::unique_ptr<AVCodecContext, CodecContextFree>;
using Frame = std::unique_ptr<AVFrame, FrameFree>;
using Packet = std::unique_ptr<AVPacket, PacketFree>;
using Sws = std::unique_ptr<SwsContext, SwsFree>;
using Swr = std::unique_ptr<SwrContext, SwrFree>;
using AudioFifo = std::unique_ptr<AVAudioFifo, AudioFifoFree>;
// The graph owns its filters: they go with it.
using FilterGraph = std::unique_ptr<AVFilterGraph, FilterGraphFree>;

inline Frame makeFrame() { return Frame(av_frame_alloc()); }
inline Packet makePacket() { return Packet(av_packet_alloc()); }

}  // namespace ffmpeg
