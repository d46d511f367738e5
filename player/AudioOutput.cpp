#include "player/AudioOutput.h"

#include <algorithm>
#include <cstring>

namespace player {

namespace {
// Gaps shorter than this are timestamp jitter, not missing sound.
constexpr double kGapTolerance = 0.02;
// A gap is filled with at most this much silence; larger jumps restart the run.
constexpr double kMaxGapFill = 5.0;
// About 23 ms at 44.1 kHz: short enough for a tight clock, long enough for SDL.
constexpr Uint16 kDeviceFrames = 1024;
}  // namespace

namespace {
// SDL's own SIGINT/SIGTERM handlers turn the signals into a quit event that only
// an SDL event loop would read; in a program whose loop is not SDL's they would
// swallow every later kill, Ctrl+C and logout. The program handles its signals.
int initAudio() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(SDL_INIT_AUDIO);
}
}  // namespace

SdlAudioSubsystem::SdlAudioSubsystem() : m_ok(initAudio() == 0) {}

SdlAudioSubsystem::~SdlAudioSubsystem() {
    if (m_ok) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void applyVolume(std::int16_t* samples, std::size_t count, int volume) {
    if (volume >= 65535) return;
    if (volume <= 0) {
        std::memset(samples, 0, count * sizeof(std::int16_t));
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<std::int16_t>(static_cast<std::int32_t>(samples[i]) * volume / 65535);
    }
}

void SampleRing::push(const std::int16_t* interleaved, int frames, double pts) {
    if (frames <= 0) return;
    const double gap = pts - m_endPts;
    if (gap > kGapTolerance && gap < kMaxGapFill) {
        Run silence{m_endPts, std::vector<std::int16_t>(static_cast<std::size_t>(gap * m_rate) * 2, 0)};
        m_frames += silence.samples.size() / 2;
        if (!silence.samples.empty()) m_runs.push_back(std::move(silence));
    }
    // Small overlaps and jitter are played as they come: the clock follows the
    // run timestamps, so a few milliseconds either way never accumulate.
    Run run{pts, std::vector<std::int16_t>(interleaved, interleaved + static_cast<std::size_t>(frames) * 2)};
    m_runs.push_back(std::move(run));
    m_frames += static_cast<std::size_t>(frames);
    m_endPts = pts + static_cast<double>(frames) / m_rate;
}

int SampleRing::pull(std::int16_t* out, int frames, double* firstPts) {
    int copied = 0;
    bool first = true;
    while (copied < frames && !m_runs.empty()) {
        Run& run = m_runs.front();
        const std::size_t runFrames = run.samples.size() / 2;
        if (first && firstPts) *firstPts = run.pts + static_cast<double>(run.offset) / m_rate;
        first = false;
        std::size_t take = std::min<std::size_t>(runFrames - run.offset, static_cast<std::size_t>(frames - copied));
        std::memcpy(out + static_cast<std::size_t>(copied) * 2, run.samples.data() + run.offset * 2,
                    take * 2 * sizeof(std::int16_t));
        run.offset += take;
        copied += static_cast<int>(take);
        m_frames -= take;
        if (run.offset >= runFrames) m_runs.pop_front();
    }
    return copied;
}

void SampleRing::clear(double nextPts) {
    m_runs.clear();
    m_frames = 0;
    m_endPts = nextPts;
}

AudioOutput::AudioOutput(int rate, const std::atomic<int>& volume, double startPts)
    : m_rate(rate), m_volume(volume), m_ring(rate), m_pausedPts(startPts), m_basePts(startPts) {
    m_ring.clear(startPts);
}

std::unique_ptr<AudioOutput> AudioOutput::open(int rate, const std::atomic<int>& volume, double startPts) {
    if (rate < 8000 || rate > 192000) rate = 44100;
    std::unique_ptr<AudioOutput> out(new AudioOutput(rate, volume, startPts));
    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = kChannels;
    want.samples = kDeviceFrames;
    want.callback = &AudioOutput::deviceCallback;
    want.userdata = out.get();
    SDL_AudioSpec have{};
    // No allowed changes: SDL converts to whatever the hardware wants, so the
    // callback always sees exactly this format.
    out->m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (out->m_device == 0) return nullptr;
    return out;
}

AudioOutput::~AudioOutput() {
    // Closing waits for a running callback to return, after which none follows.
    if (m_device != 0) SDL_CloseAudioDevice(m_device);
}

void AudioOutput::deviceCallback(void* self, Uint8* stream, int len) {
    auto* out = static_cast<AudioOutput*>(self);
    out->fill(reinterpret_cast<std::int16_t*>(stream), len / static_cast<int>(sizeof(std::int16_t) * kChannels));
}

void AudioOutput::fill(std::int16_t* out, int frames) {
    int copied = 0;
    {
        std::lock_guard lock(m_mutex);
        double firstPts = m_ring.endPts();
        copied = m_ring.pull(out, frames, &firstPts);
        if (copied > 0) {
            m_anchorValid = true;
            m_anchorPts = firstPts;
            m_anchorSpan = static_cast<double>(copied) / m_rate;
            m_anchorTime = Clock::now();
        } else if (m_anchorValid) {
            // Ran dry: the clock holds at the end of what was played.
            m_basePts = m_anchorPts + m_anchorSpan;
            m_anchorValid = false;
        }
    }
    applyVolume(out, static_cast<std::size_t>(copied) * kChannels, m_volume.load(std::memory_order_relaxed));
    std::memset(out + static_cast<std::size_t>(copied) * kChannels, 0,
                static_cast<std::size_t>(frames - copied) * kChannels * sizeof(std::int16_t));
}

void AudioOutput::push(const std::int16_t* interleaved, int frames, double pts) {
    std::lock_guard lock(m_mutex);
    m_ring.push(interleaved, frames, pts);
}

void AudioOutput::flush(double pts) {
    std::lock_guard lock(m_mutex);
    m_ring.clear(pts);
    m_anchorValid = false;
    m_basePts = pts;
    m_pausedPts = pts;
}

double AudioOutput::bufferedSeconds() const {
    std::lock_guard lock(m_mutex);
    return m_ring.seconds();
}

bool AudioOutput::empty() const {
    std::lock_guard lock(m_mutex);
    return m_ring.empty();
}

double AudioOutput::clockLocked() const {
    if (m_paused) return m_pausedPts;
    if (!m_anchorValid) return m_basePts;
    double elapsed = std::chrono::duration<double>(Clock::now() - m_anchorTime).count();
    return m_anchorPts + std::clamp(elapsed, 0.0, m_anchorSpan);
}

double AudioOutput::clock() const {
    std::lock_guard lock(m_mutex);
    return clockLocked();
}

void AudioOutput::setPaused(bool paused) {
    {
        std::lock_guard lock(m_mutex);
        if (paused == m_paused) return;
        if (paused) {
            m_pausedPts = clockLocked();
        } else {
            m_anchorValid = false;
            m_basePts = m_pausedPts;
        }
        m_paused = paused;
    }
    // Outside our lock: SDL waits for the callback, which takes our lock.
    SDL_PauseAudioDevice(m_device, paused ? 1 : 0);
}

}  // namespace player
