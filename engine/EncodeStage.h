#pragma once
// An encoder run on a thread of its own, so the row's thread decodes and scales
// the next pictures or sound while the encoder works on the last ones (encoders
// without threads of their own, WMV, MPEG-4 and every audio encoder, otherwise
// take turns with the decoder on one core; x264's frame threads wait less). Frames go in through a short queue and
// packets come back in encoding order; the row's thread writes them, so the muxer
// is only ever used by one thread.
//
// Waking a thread costs more than encoding a small audio frame takes, so frames
// cross in batches: the encoder's thread is woken once half the queue is filled
// (or a drain or waitIdle() asks for everything), and a full queue lets the row's
// thread go on once half of it is encoded.
//
// The row's thread owns the stage and is the only caller. The encoder must not be
// touched by anyone else while frames are queued: after waitIdle() it may be (a
// merge reopens it), before the stage is made, or after it is gone.

#include "engine/FfmpegPtr.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace sizing {
class PassLog;
}

namespace pipeline {

class EncodeStage {
public:
    // Starts the encoding thread; throws std::system_error when none can be had.
    // depth: frames the row's thread may run ahead (at least 2).
    // passLog (not owned, may be null): a first pass's statistics, appended after
    // each packet on the encoder's thread.
    EncodeStage(AVCodecContext& encoder, std::size_t depth, sizing::PassLog* passLog = nullptr);
    // Frames still queued are dropped (a second stop finishes nothing).
    ~EncodeStage();
    EncodeStage(const EncodeStage&) = delete;
    EncodeStage& operator=(const EncodeStage&) = delete;

    // Hands one frame over, waiting while the queue is full; a null frame asks the
    // encoder to drain.
    void push(ffmpeg::Frame frame);
    // Waits until everything handed over has been encoded.
    void waitIdle();
    // Appends the packets encoded so far, oldest first.
    void takePackets(std::vector<ffmpeg::Packet>& into);
    // What the row's thread does with each frame: push it, wait for everything
    // when it is the drain (null), and take the packets that are ready.
    void exchange(ffmpeg::Frame frame, std::vector<ffmpeg::Packet>& ready);
    // The first error the encoder gave (0: none). A frame it refused was skipped.
    int error();

private:
    void work(std::stop_token stop);
    int encode(AVFrame* frame, std::vector<ffmpeg::Packet>& packets);

    AVCodecContext& m_encoder;
    sizing::PassLog* const m_passLog;
    const std::size_t m_depth;
    const std::size_t m_batch;
    std::mutex m_mutex;
    std::condition_variable_any m_work;  // the encoder's thread waits here
    std::condition_variable m_caller;    // the row's thread waits here
    std::deque<ffmpeg::Frame> m_frames;  // null: drain
    std::vector<ffmpeg::Packet> m_packets;
    bool m_busy = false;    // the encoder's thread is encoding
    bool m_hurry = false;   // a drain or waitIdle(): take the frames without waiting for a batch
    bool m_callerWaits = false;
    int m_error = 0;
    std::jthread m_thread;  // last: started once the rest exists, joined first
};

// Frames a video and an audio stage let the row's thread run ahead: pictures are
// large and each takes long to encode; audio frames are small and quick.
constexpr std::size_t kVideoStageDepth = 4;
constexpr std::size_t kAudioStageDepth = 16;

// A stage for the encoder, or null when no thread can be had: encoding then stays
// on the calling thread.
std::unique_ptr<EncodeStage> startEncodeStage(AVCodecContext& encoder, std::size_t depth,
                                              sizing::PassLog* passLog = nullptr);

}  // namespace pipeline
