#pragma once
// One opened file being played: its decoder, its sound output (when a device
// could be opened), the queue of decoded pictures waiting for their time, the
// picture on show, and the clock that decides which picture that is.
//
// The clock is the sound being heard while there is sound to play; a wall clock
// takes over when the file has no sound, no device could be opened, or the
// sound has ended before the pictures.
//
// Not thread-safe: the player calls every member under its lock. The sound
// output runs its own device thread internally and never calls back in here.

#include "player/AudioOutput.h"
#include "player/MediaDecoder.h"

#include <chrono>
#include <deque>
#include <memory>

namespace player {

// A clock that runs or stands still; seconds of the file.
class WallClock {
public:
    double now() const;
    void set(double seconds);
    void run(bool running);

private:
    using Clock = std::chrono::steady_clock;
    double m_base = 0.0;
    bool m_running = false;
    Clock::time_point m_since = Clock::now();
};

class PlaybackSession : private DecodeSink {
public:
    // Decoded data kept ready: pictures are decoded until kPictureTarget wait,
    // sound until kSoundTarget seconds are queued. More than kMaxPictures only
    // come from files whose streams lie far apart; the oldest then give way.
    static constexpr double kSoundTarget = 0.3;
    static constexpr std::size_t kPictureTarget = 6;
    static constexpr std::size_t kMaxPictures = 32;

    // `sound` may be null: the file then plays silently on the wall clock.
    PlaybackSession(std::unique_ptr<MediaDecoder> decoder, std::unique_ptr<AudioOutput> sound);
    ~PlaybackSession() override;

    bool hasPicture() const { return m_decoder->hasPicture(); }
    bool hasSound() const { return m_decoder->hasSound(); }
    int width() const { return m_decoder->width(); }
    int height() const { return m_decoder->height(); }
    double sampleAspect() const { return m_decoder->sampleAspect(); }
    double duration() const { return m_decoder->duration(); }

    void start();  // plays; resumes after pause; after the end starts over
    void pause();
    void stop();   // halts and rewinds to the beginning
    void seek(double seconds);  // keeps playing or paused; leaves the ended state
    double position();          // seconds on the clock; the duration once ended

    // The picture due now (or the last shown); null before the first one.
    const AVFrame* picture();
    // Hands the picture on show to the caller (the session is being closed).
    ffmpeg::Frame takePicture() { return std::move(m_current); }

    // One turn of the player thread: shows due pictures, decodes one packet when
    // the queues want data, and notices the end. `ended` is true exactly once per
    // play-through, on the turn that reached the end.
    struct Turn {
        bool ended = false;
        bool worked = false;  // decoded something; call again soon
        std::chrono::milliseconds idle{10};
    };
    Turn turn();

private:
    enum class State { Stopped, Playing, Paused, Ended };

    void onPicture(ffmpeg::Frame frame, double pts, double duration) override;
    void onSound(const std::int16_t* interleaved, int frames, double pts) override;
    double clock() const;
    void showDuePictures();
    MediaDecoder::Demand demand() const;
    bool reachedEnd() const;
    void followWallClockIfSoundEnded();

    std::unique_ptr<MediaDecoder> m_decoder;
    std::unique_ptr<AudioOutput> m_sound;
    State m_state = State::Stopped;
    bool m_soundClock;           // the sound output is the clock
    WallClock m_wall;
    struct Picture {
        ffmpeg::Frame frame;
        double pts;
    };
    std::deque<Picture> m_pictures;
    ffmpeg::Frame m_current;
    bool m_showNext = true;      // the next picture decoded goes on show at once (after open/seek)
    double m_target = 0.0;       // decoded data before this time is dropped (after a seek)
    double m_endPts = 0.0;       // end of the last picture or sound decoded
};

}  // namespace player
