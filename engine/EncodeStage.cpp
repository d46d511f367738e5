#include "engine/EncodeStage.h"

#include <utility>

namespace video {
namespace {

// Pictures the row's thread may run ahead of the encoder: enough to ride out an
// encoder call that takes longer than one decode, small enough that a stop is
// quick and the queue costs little memory.
constexpr std::size_t kQueueDepth = 4;

}  // namespace

EncodeStage::EncodeStage(AVCodecContext& encoder)
    : m_encoder(encoder), m_thread([this](std::stop_token stop) { work(stop); }) {}

EncodeStage::~EncodeStage() {
    m_thread.request_stop();  // wakes the wait in work(); the picture being encoded is finished
    if (m_thread.joinable()) m_thread.join();
}

void EncodeStage::push(ffmpeg::Frame picture) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_pictures.size() < kQueueDepth; });
    m_pictures.push_back(std::move(picture));
    lock.unlock();
    m_changed.notify_all();
}

void EncodeStage::waitIdle() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_pictures.empty() && !m_busy; });
}

void EncodeStage::takePackets(std::vector<ffmpeg::Packet>& into) {
    std::lock_guard lock(m_mutex);
    for (ffmpeg::Packet& packet : m_packets) into.push_back(std::move(packet));
    m_packets.clear();
}

void EncodeStage::work(std::stop_token stop) {
    std::vector<ffmpeg::Packet> packets;
    for (;;) {
        ffmpeg::Frame picture;
        {
            std::unique_lock lock(m_mutex);
            if (!m_changed.wait(lock, stop, [this] { return !m_pictures.empty(); })) return;
            picture = std::move(m_pictures.front());
            m_pictures.pop_front();
            m_busy = true;
        }
        m_changed.notify_all();  // room in the queue
        encode(picture.get(), packets);
        picture.reset();  // the source picture's buffer goes back to its pool here, not later
        {
            std::lock_guard lock(m_mutex);
            for (ffmpeg::Packet& packet : packets) m_packets.push_back(std::move(packet));
            m_busy = false;
        }
        packets.clear();
        m_changed.notify_all();
    }
}

// As the one-thread road does: a picture the encoder refuses is skipped, and
// EAGAIN/EOF only mean it has nothing more to give now.
void EncodeStage::encode(AVFrame* picture, std::vector<ffmpeg::Packet>& packets) {
    const int sent = avcodec_send_frame(&m_encoder, picture);
    if (sent < 0 && sent != AVERROR_EOF) return;
    for (;;) {
        ffmpeg::Packet packet = ffmpeg::makePacket();
        if (!packet || avcodec_receive_packet(&m_encoder, packet.get()) < 0) return;
        packets.push_back(std::move(packet));
    }
}

}  // namespace video
