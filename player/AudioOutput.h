#pragma once
// Sound output through SDL2: a ring of 16-bit interleaved stereo samples filled by
// the player thread and drained by SDL's audio thread, with the volume applied to
// the samples as they leave, and the audio clock derived from what was played.
//
// Threads: push/flush/buffered/clock/setPaused may be called from any thread
// (the ring has its own small lock); SDL calls the device callback on its own
// thread. Nothing here ever takes the player's lock, so closing the device from
// under the player's lock cannot deadlock.

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace player {

// Keeps SDL's audio subsystem initialised for its lifetime (SDL counts users).
class SdlAudioSubsystem {
public:
    SdlAudioSubsystem();
    ~SdlAudioSubsystem();
    SdlAudioSubsystem(const SdlAudioSubsystem&) = delete;
    SdlAudioSubsystem& operator=(const SdlAudioSubsystem&) = delete;
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
};

// Scales interleaved samples by volume / 65535 (0 = silence, 65535 = unchanged).
void applyVolume(std::int16_t* samples, std::size_t count, int volume);

// Samples waiting to be played, each run with the presentation time of its first
// sample. Gaps in the timestamps are filled with silence so the clock derived
// from the samples keeps step with the file.
class SampleRing {
public:
    explicit SampleRing(int rate) : m_rate(rate) {}
    // Appends frames (stereo pairs) starting at `pts` seconds.
    void push(const std::int16_t* interleaved, int frames, double pts);
    // Copies up to `frames` stereo frames into out; returns how many. `firstPts`
    // receives the time of the first frame copied.
    int pull(std::int16_t* out, int frames, double* firstPts);
    void clear(double nextPts);
    // Seconds of sound queued.
    double seconds() const { return static_cast<double>(m_frames) / m_rate; }
    bool empty() const { return m_frames == 0; }
    // Time just after the last queued frame (or the cleared-to time).
    double endPts() const { return m_endPts; }

private:
    struct Run {
        double pts;
        std::vector<std::int16_t> samples;  // interleaved stereo
        std::size_t offset = 0;             // frames already pulled
    };
    int m_rate;
    std::deque<Run> m_runs;
    std::size_t m_frames = 0;
    double m_endPts = 0.0;
};

class AudioOutput {
public:
    static constexpr int kChannels = 2;

    // Opens the default device at `rate` Hz stereo, paused, starting at `startPts`.
    // Null when no device can be opened (the caller then plays silently). The
    // volume is read on every device callback; it must outlive the output.
    static std::unique_ptr<AudioOutput> open(int rate, const std::atomic<int>& volume, double startPts);
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    int rate() const { return m_rate; }
    void push(const std::int16_t* interleaved, int frames, double pts);
    // Drops everything queued; the clock restarts at `pts`.
    void flush(double pts);
    double bufferedSeconds() const;
    bool empty() const;
    // Time of the sound being heard, in seconds of the file.
    double clock() const;
    void setPaused(bool paused);

private:
    AudioOutput(int rate, const std::atomic<int>& volume, double startPts);
    static void deviceCallback(void* self, Uint8* stream, int len);
    void fill(std::int16_t* out, int frames);
    double clockLocked() const;

    using Clock = std::chrono::steady_clock;
    int m_rate;
    const std::atomic<int>& m_volume;
    SDL_AudioDeviceID m_device = 0;

    mutable std::mutex m_mutex;  // guards everything below
    SampleRing m_ring;
    bool m_paused = true;
    double m_pausedPts;
    double m_basePts;              // clock while no run is playing
    bool m_anchorValid = false;    // a callback handed out samples
    double m_anchorPts = 0.0;      // time of the first sample handed out last
    double m_anchorSpan = 0.0;     // seconds handed out last
    Clock::time_point m_anchorTime;
};

}  // namespace player
