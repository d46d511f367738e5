// The player's building blocks on their own: name conversion, picture layout
// handed to callers, volume on samples, the sample ring's timing, the wall clock.

#include "player/AudioOutput.h"
#include "player/PictureConverter.h"
#include "player/PlaybackSession.h"
#include "player/WideName.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

extern "C" {
#include <libavutil/imgutils.h>
}

using namespace player;

TEST(WideName, ConvertsAsciiAndNonAsciiToUtf8) {
    EXPECT_EQ(wideToUtf8(L"/tmp/a.mp4"), std::optional<std::string>("/tmp/a.mp4"));
    EXPECT_EQ(wideToUtf8(L"/tmp/\u00e9t\u00e9 \u65e5\u672c.avi"),
              std::optional<std::string>("/tmp/\xc3\xa9t\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac.avi"));
    const wchar_t emoji[] = {L'/', static_cast<wchar_t>(0x1F600), 0};
    EXPECT_EQ(wideToUtf8(emoji), std::optional<std::string>("/\xf0\x9f\x98\x80"));
    // A Latin-1 byte the windows carry as U+DCE9 opens the file of that byte.
    const wchar_t latin1[] = {L'c', L'a', L'f', static_cast<wchar_t>(0xDCE9), 0};
    EXPECT_EQ(wideToUtf8(latin1), std::optional<std::string>("caf\xe9"));
}

TEST(WideName, RefusesNullEmptyUnterminatedAndInvalid) {
    EXPECT_FALSE(wideToUtf8(nullptr));
    EXPECT_FALSE(wideToUtf8(L""));
    const wchar_t unterminated[4] = {L'a', L'b', L'c', L'd'};
    EXPECT_FALSE(wideToUtf8(unterminated, 4));
    EXPECT_TRUE(wideToUtf8(L"abc", 4));
    const wchar_t surrogate[] = {L'a', static_cast<wchar_t>(0xD800), 0};
    EXPECT_FALSE(wideToUtf8(surrogate));
    const wchar_t tooBig[] = {static_cast<wchar_t>(0x110000), 0};
    EXPECT_FALSE(wideToUtf8(tooBig));
}

namespace {

struct Rgb {
    int r, g, b;
};

// A packed RGB picture: the top half left red, top half right green, bottom blue.
ffmpeg::Frame quadrantPicture(int w, int h) {
    ffmpeg::Frame f = ffmpeg::makeFrame();
    f->format = AV_PIX_FMT_RGB24;
    f->width = w;
    f->height = h;
    if (av_frame_get_buffer(f.get(), 0) < 0) return nullptr;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Rgb c = y >= h / 2 ? Rgb{0, 0, 255} : x < w / 2 ? Rgb{255, 0, 0} : Rgb{0, 255, 0};
            uint8_t* p = f->data[0] + y * f->linesize[0] + x * 3;
            p[0] = static_cast<uint8_t>(c.r);
            p[1] = static_cast<uint8_t>(c.g);
            p[2] = static_cast<uint8_t>(c.b);
        }
    }
    return f;
}

Rgb pixelAt(const std::vector<uint8_t>& bgrBottomUp, int w, int h, int x, int yFromTop) {
    const uint8_t* p = bgrBottomUp.data() + (static_cast<size_t>(h - 1 - yFromTop) * w + x) * 3;
    return {p[2], p[1], p[0]};
}

void expectNear(Rgb got, Rgb want, const char* where) {
    EXPECT_NEAR(got.r, want.r, 8) << where;
    EXPECT_NEAR(got.g, want.g, 8) << where;
    EXPECT_NEAR(got.b, want.b, 8) << where;
}

}  // namespace

class PictureConverterSizes : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(PictureConverterSizes, GivesBgrBottomRowFirstAtCallerSize) {
    auto [w, h] = GetParam();
    ffmpeg::Frame src = quadrantPicture(64, 48);
    ASSERT_TRUE(src);
    PictureConverter conv;
    std::vector<uint8_t> out(static_cast<size_t>(w) * h * 3, 0x55);
    ASSERT_TRUE(conv.convert(src.get(), out.data(), w, h));
    // First bytes in the buffer are the bottom row: blue, stored B, G, R.
    EXPECT_GE(out[0], 247);
    EXPECT_LE(out[1], 8);
    EXPECT_LE(out[2], 8);
    expectNear(pixelAt(out, w, h, 1, 1), {255, 0, 0}, "top left");
    expectNear(pixelAt(out, w, h, w - 2, 1), {0, 255, 0}, "top right");
    expectNear(pixelAt(out, w, h, w / 2, h - 2), {0, 0, 255}, "bottom");
    // Twice in a row, reusing the cached scaler, gives the same bytes.
    std::vector<uint8_t> again(out.size());
    ASSERT_TRUE(conv.convert(src.get(), again.data(), w, h));
    EXPECT_EQ(out, again);
}

// Odd widths make rows that are not a multiple of four bytes: rows stay packed.
INSTANTIATE_TEST_SUITE_P(Sizes, PictureConverterSizes,
                         ::testing::Values(std::pair{64, 48}, std::pair{33, 17}, std::pair{160, 120}));

TEST(PictureConverter, BlackWithoutPictureAndRefusesBadRequests) {
    PictureConverter conv;
    std::vector<uint8_t> out(8 * 4 * 3, 0x77);
    ASSERT_TRUE(conv.convert(nullptr, out.data(), 8, 4));
    EXPECT_EQ(out, std::vector<uint8_t>(out.size(), 0));
    ffmpeg::Frame src = quadrantPicture(16, 16);
    EXPECT_FALSE(conv.convert(src.get(), nullptr, 8, 4));
    EXPECT_FALSE(conv.convert(src.get(), out.data(), 0, 4));
    EXPECT_FALSE(conv.convert(src.get(), out.data(), 8, 0));
    EXPECT_FALSE(conv.convert(src.get(), out.data(), -8, 4));
    EXPECT_FALSE(conv.convert(src.get(), out.data(), PictureConverter::kMaxSide + 1, 1));
    ffmpeg::Frame empty = ffmpeg::makeFrame();
    std::fill(out.begin(), out.end(), 0x77);
    ASSERT_TRUE(conv.convert(empty.get(), out.data(), 8, 4));
    EXPECT_EQ(out, std::vector<uint8_t>(out.size(), 0));
}

TEST(Volume, ScalesSamplesAndKeepsFullAndSilence) {
    std::vector<int16_t> s = {32767, -32768, 1000, -1000};
    auto full = s;
    applyVolume(full.data(), full.size(), 65535);
    EXPECT_EQ(full, s);
    auto half = s;
    applyVolume(half.data(), half.size(), 32768);
    EXPECT_NEAR(half[0], 16383, 1);
    EXPECT_NEAR(half[1], -16384, 1);
    EXPECT_NEAR(half[2], 500, 1);
    auto mute = s;
    applyVolume(mute.data(), mute.size(), 0);
    EXPECT_EQ(mute, std::vector<int16_t>(4, 0));
}

TEST(SampleRing, PullsInOrderWithTimesAndFillsGapsWithSilence) {
    SampleRing ring(1000);
    ring.clear(0.0);
    std::vector<int16_t> a(2 * 100, 7);  // 0.1 s at 1 kHz
    ring.push(a.data(), 100, 0.0);
    std::vector<int16_t> b(2 * 100, 9);
    ring.push(b.data(), 100, 0.2);  // 0.1 s hole before it
    EXPECT_NEAR(ring.seconds(), 0.3, 1e-9);
    EXPECT_NEAR(ring.endPts(), 0.3, 1e-9);

    std::vector<int16_t> out(2 * 150);
    double first = -1;
    ASSERT_EQ(ring.pull(out.data(), 150, &first), 150);
    EXPECT_DOUBLE_EQ(first, 0.0);
    EXPECT_EQ(out[0], 7);
    EXPECT_EQ(out[2 * 99 + 1], 7);
    EXPECT_EQ(out[2 * 100], 0);  // silence filling the hole
    ASSERT_EQ(ring.pull(out.data(), 150, &first), 150);
    EXPECT_NEAR(first, 0.15, 1e-9);
    EXPECT_EQ(out[2 * 49], 0);
    EXPECT_EQ(out[2 * 50], 9);
    EXPECT_TRUE(ring.empty());
    EXPECT_EQ(ring.pull(out.data(), 10, &first), 0);

    ring.push(a.data(), 100, 5.0);
    ring.clear(1.0);
    EXPECT_TRUE(ring.empty());
    EXPECT_DOUBLE_EQ(ring.endPts(), 1.0);
}

TEST(WallClock, RunsOnlyWhileRunningAndJumpsWhenSet) {
    WallClock c;
    c.set(2.0);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_DOUBLE_EQ(c.now(), 2.0);
    c.run(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    double t = c.now();
    EXPECT_GT(t, 2.04);
    EXPECT_LT(t, 2.5);
    c.run(false);
    double held = c.now();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_DOUBLE_EQ(c.now(), held);
    c.set(0.5);
    EXPECT_DOUBLE_EQ(c.now(), 0.5);
}
