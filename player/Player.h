#pragma once
// The player behind the PlayerModule_* functions: one file at a time, played by
// its own thread. See PlayerModule.h for what callers may rely on.
//
// Threads: every member may be called from any thread, including from inside
// the end callback (which runs on the player's thread with no lock held).
// Calls are serialised by one lock; the player thread holds it for one decoding
// step at a time and lets waiting callers in between steps.

#include "player/PictureConverter.h"
#include "player/PlaybackSession.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace player {

class Player {
public:
    using EndCallback = void (*)();

    Player();
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void initialize(EndCallback onEnd);
    void setFileName(const wchar_t* name);
    bool open();
    bool hasPicture();
    bool hasSound();
    void frameSize(int* width, int* height);
    double sampleAspect();  // 1 without an open file with pictures
    // Fills buffer as PlayerModule_GetFrame describes; false when nothing was written.
    bool frame(unsigned char* buffer, int width, int height);
    void start();
    void pause();
    void stop();
    void close();
    float position();  // fraction 0 .. 1
    void seek(float fraction);
    double duration();
    void setVolume(int volume);
    int volume() const { return m_volume.load(std::memory_order_relaxed); }

private:
    class ApiLock;
    void run();
    void stepAside(std::unique_lock<std::mutex>& lock);
    void closeLocked();
    void ensureThread();

    std::atomic<EndCallback> m_onEnd{nullptr};
    std::atomic<int> m_volume{65535};
    std::atomic<int> m_waiting{0};  // callers queued for the lock

    std::mutex m_mutex;  // guards everything below
    std::condition_variable m_wake;
    std::optional<std::string> m_fileName;
    std::unique_ptr<SdlAudioSubsystem> m_sdl;
    std::unique_ptr<PlaybackSession> m_session;
    ffmpeg::Frame m_lastPicture;  // shown after the file is closed or an open failed
    PictureConverter m_converter;
    bool m_quit = false;
    std::thread m_thread;
};

}  // namespace player
