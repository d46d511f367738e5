#pragma once
// Shared by the player's test programs: media made with ffmpeg's lavfi sources
// in a temporary folder, and small helpers over the PlayerModule_* calls.

#include "player/PlayerModule.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using testmedia::makeClip;
using testmedia::runCommand;
using testmedia::shellQuote;

inline std::atomic<int> g_endCalls{0};
inline void countEnd() { g_endCalls.fetch_add(1); }
inline void ignoreValue(int32_t) {}

inline std::wstring wide(const std::string& utf8) {
    // Test paths are ASCII except where a test builds its own wide name.
    return std::wstring(utf8.begin(), utf8.end());
}

inline bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
        if (done()) return true;
        std::this_thread::sleep_for(10ms);
    }
    return done();
}

inline float pos() {
    float f = -1.0f;
    PlayerModule_GetPos(&f);
    return f;
}

inline double duration() {
    double d = -1.0;
    PlayerModule_GetDuration(&d);
    return d;
}

inline int openFile(const std::string& path) {
    std::wstring w = wide(path);
    PlayerModule_SetFileName(w.c_str());
    return PlayerModule_Open();
}

struct Bgr {
    int b, g, r;
};

// Pixel (x, y counted from the top) of a bottom-up B, G, R picture.
inline Bgr pixel(const std::vector<unsigned char>& buf, int w, int h, int x, int y) {
    const unsigned char* p = buf.data() + (static_cast<size_t>(h - 1 - y) * w + x) * 3;
    return {p[0], p[1], p[2]};
}

inline bool near(Bgr got, Bgr want, int tolerance = 40) {
    return std::abs(got.b - want.b) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
           std::abs(got.r - want.r) <= tolerance;
}

class PlayerModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_endCalls = 0;
        PlayerModule_Initialize(&countEnd, &ignoreValue, PLAYER_MODULE_CODE);
        PlayerModule_SetVolume(65535);
    }
    void TearDown() override {
        PlayerModule_Stop();
        PlayerModule_Close();
    }

    // 2 s of moving pictures (25 fps) with a tone.
    std::string soundAndPictures(double seconds = 2.0) {
        std::string path = dir.file("av.mp4");
        testmedia::ClipSpec shape;
        shape.seconds = seconds;
        shape.videoSize = "160x120";
        EXPECT_TRUE(makeClip(path, shape));
        return path;
    }
    std::string soundOnly(double seconds = 1.0) {
        std::string path = dir.file("tone.wav");
        testmedia::ClipSpec shape;
        shape.seconds = seconds;
        shape.videoSize = "";
        EXPECT_TRUE(makeClip(path, shape));
        return path;
    }
    std::string picturesOnly(double seconds = 1.0) {
        std::string path = dir.file("pictures.avi");
        testmedia::ClipSpec shape;
        shape.seconds = seconds;
        shape.videoSize = "160x120";
        shape.sampleRate = 0;
        shape.extraArgs = "-c:v mpeg4 -q:v 3";
        EXPECT_TRUE(makeClip(path, shape));
        return path;
    }
    // Top half: red on the left, lime on the right; bottom half blue.
    std::string quadrants() {
        std::string path = dir.file("quadrants.avi");
        std::string cmd =
            "ffmpeg -nostdin -hide_banner -loglevel error -y -f lavfi -i "
            "\"color=c=red:s=64x48:d=1:r=25,drawbox=x=32:y=0:w=32:h=24:color=lime:t=fill,"
            "drawbox=x=0:y=24:w=64:h=24:color=blue:t=fill\" -c:v mpeg4 -q:v 1 -pix_fmt yuv420p " +
            shellQuote(path);
        EXPECT_EQ(runCommand(cmd), 0);
        return path;
    }

    // Pictures red for 0.5 s then blue for 1 s (25 fps, 32x24), with a tone that
    // stops after 0.4 s: the wall clock has to take over from the sound.
    std::string redThenBlueShortSound() {
        std::string path = dir.file("redblue.mp4");
        std::string cmd =
            "ffmpeg -nostdin -hide_banner -loglevel error -y -f lavfi -i "
            "\"color=c=red:s=32x24:d=0.5:r=25[a];color=c=blue:s=32x24:d=1:r=25[b];[a][b]concat=n=2:v=1:a=0[out0]\" "
            "-f lavfi -i sine=frequency=440:sample_rate=22050:duration=0.4 -c:v mpeg4 -q:v 2 -c:a aac " +
            shellQuote(path);
        EXPECT_EQ(runCommand(cmd), 0);
        return path;
    }

    testmedia::TempDir dir;
};


// The colour in the middle of the picture on show, fetched at 16x12.
inline Bgr centreColour() {
    std::vector<unsigned char> buf(16 * 12 * 3);
    PlayerModule_GetFrame(buf.data(), 16, 12);
    return pixel(buf, 16, 12, 8, 6);
}

inline const Bgr kRed{0, 0, 255};
inline const Bgr kBlue{255, 0, 0};

// Plays redThenBlueShortSound(): the picture turns blue after half a second,
// keeps going after the sound has stopped, and the end comes at 1.5 s.
inline void expectPicturesFollowTheClock(const std::string& path) {
    ASSERT_NE(openFile(path), -1);
    EXPECT_NEAR(duration(), 1.5, 0.1);
    ASSERT_TRUE(waitFor([] { return near(centreColour(), kRed); }, 2s));
    auto started = std::chrono::steady_clock::now();
    PlayerModule_Start();
    std::this_thread::sleep_for(250ms);
    EXPECT_TRUE(near(centreColour(), kRed)) << "still red at 0.25 s";
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(near(centreColour(), kBlue)) << "blue at 0.75 s";
    EXPECT_GT(pos(), 0.75f / 1.5f - 0.1f);
    ASSERT_TRUE(waitFor([] { return g_endCalls.load() > 0; }, 4s));
    double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_GT(took, 1.35);
    EXPECT_LT(took, 2.5);
    EXPECT_EQ(g_endCalls.load(), 1);
}

// Seeking while paused puts the picture at the target on show.
inline void expectSeekingShowsTheTargetPicture(const std::string& path) {
    ASSERT_NE(openFile(path), -1);
    PlayerModule_SetPos(0.8f);  // 1.2 s: blue
    EXPECT_TRUE(waitFor([] { return near(centreColour(), kBlue); }, 2s));
    PlayerModule_SetPos(0.1f);  // 0.15 s: red
    EXPECT_TRUE(waitFor([] { return near(centreColour(), kRed); }, 2s));
    EXPECT_NEAR(pos(), 0.1f, 0.03f);
    // The callers' seek while playing: pause, set, start.
    PlayerModule_Start();
    PlayerModule_Pause();
    PlayerModule_SetPos(0.7f);
    PlayerModule_Start();
    EXPECT_TRUE(waitFor([] { return near(centreColour(), kBlue); }, 2s));
    std::this_thread::sleep_for(100ms);
    EXPECT_GT(pos(), 0.7f);
}
