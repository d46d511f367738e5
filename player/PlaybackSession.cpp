#include "player/PlaybackSession.h"

#include <algorithm>

namespace player {

namespace {
// A picture is due when the clock is within this of its time.
constexpr double kDueSlack = 0.002;
// Timestamps past the stated duration by more than this are not waited for.
constexpr double kEndOverrun = 0.5;
constexpr std::chrono::milliseconds kIdleWhenHalted{50};
constexpr std::chrono::milliseconds kIdlePlaying{10};
constexpr std::chrono::milliseconds kIdleMin{2};
}  // namespace

double WallClock::now() const {
    if (!m_running) return m_base;
    return m_base + std::chrono::duration<double>(Clock::now() - m_since).count();
}

void WallClock::set(double seconds) {
    m_base = seconds;
    m_since = Clock::now();
}

void WallClock::run(bool running) {
    if (running == m_running) return;
    m_base = now();
    m_since = Clock::now();
    m_running = running;
}

PlaybackSession::PlaybackSession(std::unique_ptr<MediaDecoder> decoder, std::unique_ptr<AudioOutput> sound)
    : m_decoder(std::move(decoder)), m_sound(std::move(sound)), m_soundClock(m_sound != nullptr) {
    if (m_sound) m_decoder->enableSound(m_sound->rate());
}

// The sound output goes first (its device thread stops), then the decoder.
PlaybackSession::~PlaybackSession() { m_sound.reset(); }

void PlaybackSession::start() {
    if (m_state == State::Ended) seek(0.0);
    m_state = State::Playing;
    m_wall.run(true);
    if (m_sound) m_sound->setPaused(false);
}

void PlaybackSession::pause() {
    if (m_state != State::Playing) return;
    m_state = State::Paused;
    m_wall.run(false);
    if (m_sound) m_sound->setPaused(true);
}

void PlaybackSession::stop() {
    m_state = State::Stopped;
    m_wall.run(false);
    if (m_sound) m_sound->setPaused(true);
    seek(0.0);
}

void PlaybackSession::seek(double seconds) {
    const double d = duration();
    seconds = std::max(0.0, d > 0.0 ? std::min(seconds, d) : seconds);
    m_decoder->seek(seconds);
    m_pictures.clear();
    m_target = seconds;
    m_showNext = true;
    m_endPts = seconds;
    if (m_sound) m_sound->flush(seconds);
    m_soundClock = m_sound != nullptr;
    m_wall.set(seconds);
    if (m_state == State::Ended) m_state = State::Paused;
}

double PlaybackSession::clock() const { return m_soundClock ? m_sound->clock() : m_wall.now(); }

// Player::position, the one caller, keeps the fraction within 0 .. 1 of the stated
// duration, so the clock is not clamped twice.
double PlaybackSession::position() { return m_state == State::Ended ? duration() : clock(); }

const AVFrame* PlaybackSession::picture() {
    showDuePictures();
    return m_current.get();
}

void PlaybackSession::showDuePictures() {
    const double now = clock();
    while (!m_pictures.empty() && m_pictures.front().pts <= now + kDueSlack) {
        m_current = std::move(m_pictures.front().frame);
        m_pictures.pop_front();
    }
}

void PlaybackSession::onPicture(ffmpeg::Frame frame, double pts, double duration) {
    m_endPts = std::max(m_endPts, pts + duration);
    if (pts + duration <= m_target + kDueSlack && pts < m_target) {
        // Before the seek target: only the picture shown while seeking.
        if (m_showNext) m_current = std::move(frame);
        return;
    }
    if (m_showNext) {
        m_current = std::move(frame);
        m_showNext = false;
        return;
    }
    // Pictures are decoded as they are asked for; only a file whose streams lie
    // further apart than the decoder holds back brings more, and then the
    // oldest give way.
    while (m_pictures.size() >= kMaxPictures) m_pictures.pop_front();
    m_pictures.push_back({std::move(frame), pts});
}

void PlaybackSession::onSound(const std::int16_t* samples, int frames, double pts) {
    if (!m_sound || frames <= 0) return;
    const double rate = m_sound->rate();
    const double end = pts + frames / rate;
    m_endPts = std::max(m_endPts, end);
    // Sound before the seek target, or (after the wall clock took over) before
    // the time already shown, is dropped so it cannot put the clock back.
    double from = m_soundClock ? m_target : std::max(m_target, m_wall.now());
    if (end <= from) return;
    if (pts < from) {
        const int skip = static_cast<int>(std::min(static_cast<double>(frames), (from - pts) * rate));
        samples += static_cast<std::size_t>(skip) * AudioOutput::kChannels;
        frames -= skip;
        pts += skip / rate;
        if (frames <= 0) return;
    }
    if (!m_soundClock) {
        // Sound is back after a hole: it takes the clock again from here.
        m_sound->flush(from);
        m_soundClock = true;
    }
    m_sound->push(samples, frames, pts);
}

void PlaybackSession::followWallClockIfSoundEnded() {
    // No sound queued and none can come before more pictures are shown: the
    // sound has ended or has a hole, and a stopped sound clock would hold the
    // pictures for ever.
    if (!m_soundClock || !m_sound->empty() || !m_decoder->soundStarved()) return;
    m_wall.set(m_sound->clock());
    m_wall.run(m_state == State::Playing);
    m_soundClock = false;
}

MediaDecoder::Demand PlaybackSession::demand() const {
    MediaDecoder::Demand d;
    d.pictures = m_decoder->hasPicture() && m_pictures.size() < kPictureTarget;
    if (m_sound) {
        const bool low = m_soundClock && m_sound->bufferedSeconds() < kSoundTarget;
        // While the wall clock leads, sound already read is still decoded: the
        // first that is not late takes the clock back.
        d.sound = low || !m_soundClock;
        d.readForSound = low;
    }
    return d;
}

bool PlaybackSession::reachedEnd() const {
    if (!m_decoder->finished() || !m_pictures.empty() || m_soundClock) return false;
    // Sound with no device to play it: the file lasts as long as it says.
    double end = (!m_decoder->hasPicture() && !m_sound) ? duration() : m_endPts;
    const double d = duration();
    if (d > 0.0) end = std::min(end, d + kEndOverrun);
    return clock() >= end - kDueSlack;
}

PlaybackSession::Turn PlaybackSession::turn() {
    Turn t;
    if (m_state == State::Ended) {
        t.idle = kIdleWhenHalted;
        return t;
    }
    followWallClockIfSoundEnded();
    showDuePictures();
    if (m_decoder->step(*this, demand())) {
        t.worked = true;
        return t;
    }
    if (m_state != State::Playing) {
        t.idle = kIdleWhenHalted;
        return t;
    }
    if (reachedEnd()) {
        m_state = State::Ended;
        m_wall.run(false);
        if (m_sound) m_sound->setPaused(true);
        t.ended = true;
        return t;
    }
    t.idle = kIdlePlaying;
    if (!m_pictures.empty()) {
        // Clamped as seconds first: a damaged file's timestamps may be far off.
        const double due = std::clamp(m_pictures.front().pts - clock(), 0.0, 1.0);
        const auto ms = std::chrono::milliseconds(static_cast<long>(due * 1000.0));
        t.idle = std::clamp(ms, kIdleMin, kIdlePlaying);
    }
    return t;
}

}  // namespace player
