#include "player/Player.h"

#include "player/WideName.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace player {

// Takes the player's lock, telling the player thread someone is waiting so it
// steps aside between decoding steps instead of taking the lock straight back.
class Player::ApiLock {
public:
    explicit ApiLock(Player& p) : m_player(p) {
        m_player.m_waiting.fetch_add(1, std::memory_order_relaxed);
        m_lock = std::unique_lock(m_player.m_mutex);
        m_player.m_waiting.fetch_sub(1, std::memory_order_relaxed);
    }
    std::unique_lock<std::mutex>& lock() { return m_lock; }

private:
    Player& m_player;
    std::unique_lock<std::mutex> m_lock;
};

Player::Player() = default;

Player::~Player() {
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) {
        if (m_thread.get_id() == std::this_thread::get_id()) m_thread.detach();
        else m_thread.join();
    }
    m_session.reset();
}

void Player::initialize(EndCallback onEnd) { m_onEnd.store(onEnd, std::memory_order_relaxed); }

void Player::setFileName(const wchar_t* name) {
    auto utf8 = wideToUtf8(name);
    ApiLock lock(*this);
    m_fileName = std::move(utf8);
}

void Player::closeLocked() {
    if (!m_session) return;
    if (auto picture = m_session->takePicture()) m_lastPicture = std::move(picture);
    m_session.reset();
}

bool Player::open() {
    std::optional<std::string> name;
    bool soundSystem = false;
    {
        ApiLock lock(*this);
        closeLocked();
        name = m_fileName;
        // SDL_Quit elsewhere in the process ends the subsystem regardless of
        // its users; take it up again rather than play every later file mute.
        if (m_sdl && m_sdl->ok() && SDL_WasInit(SDL_INIT_AUDIO) == 0) m_sdl.reset();
        if (!m_sdl) m_sdl = std::make_unique<SdlAudioSubsystem>();
        soundSystem = m_sdl->ok();
    }
    // Opening reads and analyses the file; done without the lock so a slow
    // file does not hold up the other calls.
    std::unique_ptr<MediaDecoder> decoder = name ? MediaDecoder::open(*name) : nullptr;
    if (!decoder) return false;
    std::unique_ptr<AudioOutput> sound;
    if (decoder->hasSound() && soundSystem) sound = AudioOutput::open(decoder->soundRate(), m_volume, 0.0);
    auto session = std::make_unique<PlaybackSession>(std::move(decoder), std::move(sound));
    {
        ApiLock lock(*this);
        closeLocked();  // another open may have come in meanwhile
        m_session = std::move(session);
        ensureThread();
    }
    m_wake.notify_all();
    return true;
}

void Player::ensureThread() {
    if (!m_thread.joinable()) m_thread = std::thread([this] { run(); });
}

bool Player::hasPicture() {
    ApiLock lock(*this);
    return m_session && m_session->hasPicture();
}

bool Player::hasSound() {
    ApiLock lock(*this);
    return m_session && m_session->hasSound();
}

void Player::frameSize(int* width, int* height) {
    ApiLock lock(*this);
    const bool picture = m_session && m_session->hasPicture();
    if (width) *width = picture ? m_session->width() : 0;
    if (height) *height = picture ? m_session->height() : 0;
}

double Player::sampleAspect() {
    ApiLock lock(*this);
    return m_session && m_session->hasPicture() ? m_session->sampleAspect() : 1.0;
}

bool Player::frame(unsigned char* buffer, int width, int height) {
    ApiLock lock(*this);
    // An open file shows its own picture (black until its first one is
    // decoded); with none open, the last picture of the previous file stays.
    const AVFrame* picture = m_session ? m_session->picture() : m_lastPicture.get();
    return m_converter.convert(picture, buffer, width, height);
}

void Player::start() {
    {
        ApiLock lock(*this);
        if (m_session) m_session->start();
    }
    m_wake.notify_all();
}

void Player::pause() {
    ApiLock lock(*this);
    if (m_session) m_session->pause();
}

void Player::stop() {
    {
        ApiLock lock(*this);
        if (m_session) m_session->stop();
    }
    m_wake.notify_all();
}

void Player::close() {
    ApiLock lock(*this);
    closeLocked();
}

float Player::position() {
    ApiLock lock(*this);
    if (!m_session) return 0.0f;
    const double d = m_session->duration();
    if (d <= 0.0) return 0.0f;
    return static_cast<float>(std::clamp(m_session->position() / d, 0.0, 1.0));
}

void Player::seek(float fraction) {
    {
        ApiLock lock(*this);
        if (!m_session || std::isnan(fraction)) return;
        const double f = std::clamp(static_cast<double>(fraction), 0.0, 1.0);
        m_session->seek(f * m_session->duration());
    }
    m_wake.notify_all();
}

double Player::duration() {
    ApiLock lock(*this);
    return m_session ? m_session->duration() : 0.0;
}

void Player::setVolume(int volume) { m_volume.store(std::clamp(volume, 0, 65535), std::memory_order_relaxed); }

// A plain mutex lets the thread that releases it take it straight back, and on
// a busy machine a woken caller may not run for a while; so the player thread
// waits until the callers queued for the lock have had it (or a short while).
void Player::stepAside(std::unique_lock<std::mutex>& lock) {
    constexpr auto kMaxWait = std::chrono::milliseconds(20);
    lock.unlock();
    const auto until = std::chrono::steady_clock::now() + kMaxWait;
    while (m_waiting.load(std::memory_order_relaxed) > 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    lock.lock();
}

void Player::run() {
    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        if (!m_session) {
            m_wake.wait(lock);
            continue;
        }
        PlaybackSession::Turn turn = m_session->turn();
        if (turn.ended) {
            // Called without the lock: the callback may stop, close or open.
            EndCallback onEnd = m_onEnd.load(std::memory_order_relaxed);
            lock.unlock();
            if (onEnd) onEnd();
            lock.lock();
            continue;
        }
        if (turn.worked) {
            if (m_waiting.load(std::memory_order_relaxed) > 0) stepAside(lock);
            continue;
        }
        m_wake.wait_for(lock, turn.idle);
    }
}

}  // namespace player
