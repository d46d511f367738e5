#pragma once
// A video encoder run on a thread of its own, so the row's thread decodes and
// scales the next pictures while the encoder works on the last ones (the encoders
// without threads of their own, WMV and MPEG-4, otherwise take turns with the
// decoder on one core). Pictures go in through a short queue and packets come back
// in encoding order; the row's thread writes them, so the muxer is only ever used
// by one thread.
//
// The row's thread owns the stage and is the only caller. The encoder must not be
// touched by anyone else while pictures are queued: after waitIdle() it may be
// (a merge reopens it), before the stage is made, or after it is gone.

#include "engine/FfmpegPtr.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace video {

class EncodeStage {
public:
    // Starts the encoding thread; throws std::system_error when none can be had.
    explicit EncodeStage(AVCodecContext& encoder);
    // Pictures still queued are dropped (a second stop finishes nothing).
    ~EncodeStage();
    EncodeStage(const EncodeStage&) = delete;
    EncodeStage& operator=(const EncodeStage&) = delete;

    // Hands one picture over, waiting while the queue is full; a null picture asks
    // the encoder to drain.
    void push(ffmpeg::Frame picture);
    // Waits until everything handed over has been encoded.
    void waitIdle();
    // Appends the packets encoded so far, oldest first.
    void takePackets(std::vector<ffmpeg::Packet>& into);

private:
    void work(std::stop_token stop);
    void encode(AVFrame* picture, std::vector<ffmpeg::Packet>& packets);

    AVCodecContext& m_encoder;
    std::mutex m_mutex;
    std::condition_variable_any m_changed;
    std::deque<ffmpeg::Frame> m_pictures;  // null: drain
    std::vector<ffmpeg::Packet> m_packets;
    bool m_busy = false;
    std::jthread m_thread;  // last: started once the rest exists, joined first
};

}  // namespace video
