#include "engine/EncodeStage.h"

#include "engine/TargetSize.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace pipeline {

EncodeStage::EncodeStage(AVCodecContext& encoder, std::size_t depth, sizing::PassLog* passLog)
    : m_encoder(encoder),
      m_passLog(passLog),
      m_depth(std::max<std::size_t>(depth, 2)),
      m_batch(m_depth / 2),
      m_thread([this](std::stop_token stop) { work(stop); }) {}

EncodeStage::~EncodeStage() {
    m_thread.request_stop();  // wakes the wait in work(); the frame being encoded is finished
    if (m_thread.joinable()) m_thread.join();
}

void EncodeStage::push(ffmpeg::Frame frame) {
    const bool drain = !frame;
    std::unique_lock lock(m_mutex);
    if (m_frames.size() >= m_depth) {
        m_callerWaits = true;
        m_caller.wait(lock, [this] { return m_frames.size() < m_depth; });
        m_callerWaits = false;
    }
    m_frames.push_back(std::move(frame));
    if (drain) m_hurry = true;
    const bool wake = !m_busy && (m_hurry || m_frames.size() >= m_batch);
    lock.unlock();
    if (wake) m_work.notify_one();
}

void EncodeStage::waitIdle() {
    std::unique_lock lock(m_mutex);
    m_hurry = true;
    m_work.notify_one();
    m_callerWaits = true;
    m_caller.wait(lock, [this] { return m_frames.empty() && !m_busy; });
    m_callerWaits = false;
}

void EncodeStage::takePackets(std::vector<ffmpeg::Packet>& into) {
    std::lock_guard lock(m_mutex);
    for (ffmpeg::Packet& packet : m_packets) into.push_back(std::move(packet));
    m_packets.clear();
}

void EncodeStage::exchange(ffmpeg::Frame frame, std::vector<ffmpeg::Packet>& ready) {
    const bool drain = !frame;
    push(std::move(frame));
    if (drain) waitIdle();
    takePackets(ready);
}

int EncodeStage::error() {
    std::lock_guard lock(m_mutex);
    return m_error;
}

void EncodeStage::work(std::stop_token stop) {
    std::vector<ffmpeg::Packet> packets;
    std::unique_lock lock(m_mutex);
    for (;;) {
        // Asleep until a batch is queued; awake, until the queue is empty.
        m_work.wait(lock, stop, [this] { return m_frames.size() >= m_batch || (m_hurry && !m_frames.empty()); });
        if (stop.stop_requested()) return;
        m_busy = true;
        while (!m_frames.empty() && !stop.stop_requested()) {
            ffmpeg::Frame frame = std::move(m_frames.front());
            m_frames.pop_front();
            // A caller held up by a full queue goes on once half of it is free.
            const bool room = m_callerWaits && m_frames.size() + m_batch <= m_depth;
            lock.unlock();
            if (room) m_caller.notify_one();
            const int result = encode(frame.get(), packets);
            frame.reset();  // the source's buffer goes back to its pool now, not with the next frame
            lock.lock();
            for (ffmpeg::Packet& packet : packets) m_packets.push_back(std::move(packet));
            packets.clear();
            if (result < 0 && m_error == 0) m_error = result;
        }
        m_busy = false;
        m_hurry = false;
        if (m_callerWaits) m_caller.notify_one();  // waitIdle(), or a push the last pops made room for
    }
}

// EAGAIN and EOF only mean the encoder has nothing more to give now; a frame sent
// after the drain is ignored.
int EncodeStage::encode(AVFrame* frame, std::vector<ffmpeg::Packet>& packets) {
    const int sent = avcodec_send_frame(&m_encoder, frame);
    if (sent < 0) return sent == AVERROR_EOF ? 0 : sent;
    for (;;) {
        ffmpeg::Packet packet = ffmpeg::makePacket();
        if (!packet) return AVERROR(ENOMEM);
        const int received = avcodec_receive_packet(&m_encoder, packet.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return 0;
        if (received < 0) return received;
        if (m_passLog) m_passLog->append(m_encoder);  // this picture's statistics, before the next overwrites them
        packets.push_back(std::move(packet));
    }
}

std::unique_ptr<EncodeStage> startEncodeStage(AVCodecContext& encoder, std::size_t depth,
                                              sizing::PassLog* passLog) {
    try {
        return std::make_unique<EncodeStage>(encoder, depth, passLog);
    } catch (const std::system_error&) {
        return nullptr;
    }
}

}  // namespace pipeline
