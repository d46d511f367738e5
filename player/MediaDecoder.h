#pragma once
// Demuxing and decoding of one file for playback: one picture stream and one
// sound stream at most, pictures handed out as decoded frames, sound as 16-bit
// interleaved stereo at the rate the output asked for. Times are seconds from
// the start of the file.
//
// Decoding follows demand: each stream is decoded only while its consumer asks
// for more. Packets read for the other stream wait compressed in a bounded
// per-stream queue, so files whose sound and pictures lie far apart in the file
// play without holding many decoded pictures or seconds of decoded sound.
//
// Not thread-safe: the player drives it from one thread at a time (under its lock).

#include "engine/FfmpegPtr.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace player {

// Receives what one decoding step produced.
class DecodeSink {
public:
    virtual ~DecodeSink() = default;
    // A decoded picture shown from `pts` for `duration` seconds.
    virtual void onPicture(ffmpeg::Frame frame, double pts, double duration) = 0;
    // `frames` stereo sample pairs starting at `pts`.
    virtual void onSound(const std::int16_t* interleaved, int frames, double pts) = 0;
};

class MediaDecoder {
public:
    // Opens `path` (UTF-8) and the decoders of its best picture and sound
    // streams. Null when the file cannot be read or has neither stream decodable.
    static std::unique_ptr<MediaDecoder> open(const std::string& path);
    ~MediaDecoder();
    MediaDecoder(const MediaDecoder&) = delete;
    MediaDecoder& operator=(const MediaDecoder&) = delete;

    bool hasPicture() const { return m_video != nullptr; }
    bool hasSound() const { return m_audio != nullptr; }
    int width() const;
    int height() const;
    // The picture's sample aspect ratio (width of a pixel / its height), from the
    // stream or its codec; 1 when neither says.
    double sampleAspect() const;
    int soundRate() const;
    // Seconds; 0 when the file does not say and no stream does either.
    double duration() const { return m_duration; }

    // Converts sound to interleaved 16-bit stereo at `rate` from now on. Without
    // this call the sound stream is skipped (there is no device to play it).
    void enableSound(int rate);

    // Compressed data held back for a stream nobody asks for yet; past this the
    // oldest waiting packet is decoded anyway to make room.
    static constexpr std::size_t kMaxQueuedBytes = 32u << 20;

    struct Demand {
        bool pictures = false;      // decode pictures, reading the file for them
        bool sound = false;         // decode sound that has been read
        bool readForSound = false;  // and read the file to find more
    };
    // One step towards the demand: decodes one waiting packet, reads one packet
    // (decoding it at once when its stream is asked for), or at the end of the
    // file drains a decoder. Returns false when the demand can make no progress.
    bool step(DecodeSink& sink, Demand demand);
    // Everything has been read and handed out.
    bool finished() const;
    // No sound can come before more pictures are taken: the end of the file is
    // reached and the sound decoder drained, or the queue limit is reached with
    // no sound waiting. True without sound.
    bool soundStarved() const;

    // Repositions to `seconds` (at or before it, on a key frame) and forgets all
    // decoder state; the caller drops what comes before the target.
    void seek(double seconds);

private:
    struct StreamDecoder;
    MediaDecoder() = default;
    bool openStreams();
    bool serve(StreamDecoder& dec, DecodeSink& sink);
    bool readOne(DecodeSink& sink, Demand demand);
    bool makeRoom(DecodeSink& sink);
    bool active(const StreamDecoder* dec) const;
    std::size_t queuedBytes() const;
    void decodePacket(StreamDecoder& dec, const AVPacket* pkt, DecodeSink& sink);
    void deliver(StreamDecoder& dec, AVFrame* frame, DecodeSink& sink);
    void deliverSound(AVFrame* frame, double pts, DecodeSink& sink);
    double toSeconds(int64_t ts, AVRational tb) const;

    ffmpeg::InputContext m_input;
    std::unique_ptr<StreamDecoder> m_video;
    std::unique_ptr<StreamDecoder> m_audio;
    ffmpeg::Packet m_packet;
    ffmpeg::Frame m_frame;
    ffmpeg::Swr m_swr;
    int m_outRate = 0;
    bool m_soundEnabled = false;
    std::vector<std::int16_t> m_soundBuffer;
    double m_startTime = 0.0;  // the file's first timestamp, seconds
    double m_duration = 0.0;
    bool m_endOfFile = false;
};

}  // namespace player
