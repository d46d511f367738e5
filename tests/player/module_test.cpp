// The PlayerModule_* functions as the main window and the clip editor use them,
// on media made here with ffmpeg's lavfi sources. Sound goes to SDL's dummy
// driver, which consumes samples in real time, so the sound clock is exercised.

#include "tests/player/PlayerTestSupport.h"

#include <sys/stat.h>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <SDL.h>

#include <fstream>
#include <random>

namespace {

// Writes `count` fixed pseudo-random bytes at `offset` (creating the file when
// needed): the same bytes on every run, so a damaged file is damaged alike.
void writeNoise(const std::string& path, std::uintmax_t offset, std::uintmax_t count) {
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!f) f.open(path, std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(offset));
    std::mt19937 gen(12345);
    for (std::uintmax_t i = 0; i < count; ++i) f.put(static_cast<char>(gen() & 0xFF));
}

// Calls that must never crash or block, whatever state the player is in.
void exerciseEveryCall() {
    std::vector<unsigned char> buf(32 * 24 * 3, 0x11);
    PlayerModule_GetFrame(buf.data(), 32, 24);
    PlayerModule_GetFrame(nullptr, 32, 24);
    PlayerModule_GetFrame(buf.data(), 0, 0);
    PlayerModule_GetFrame(buf.data(), -5, 24);
    int a = -1, b = -1;
    PlayerModule_GetMideaType(&a, &b);
    PlayerModule_GetMideaType(nullptr, nullptr);
    PlayerModule_GetFrameSize(&a, &b);
    PlayerModule_GetFrameSize(nullptr, nullptr);
    PlayerModule_Start();
    PlayerModule_Pause();
    PlayerModule_SetPos(0.5f);
    PlayerModule_SetPos(-3.0f);
    PlayerModule_SetPos(7.0f);
    PlayerModule_GetPos(nullptr);
    PlayerModule_GetDuration(nullptr);
    PlayerModule_GetVolume(nullptr);
    PlayerModule_Stop();
    PlayerModule_Stop();
    PlayerModule_Close();
    PlayerModule_Close();
}

}  // namespace

TEST_F(PlayerModuleTest, DamagedAndMissingFilesFailToOpenAndLaterCallsStaySafe) {
    std::string good = soundAndPictures(1.0);
    std::string text = dir.file("notes.mp4");
    std::ofstream(text) << "this is not a media file\n";
    std::string truncated = dir.file("truncated.mp4");
    ASSERT_EQ(runCommand("(head -c 1500 " + shellQuote(good) + " > " + shellQuote(truncated) + ")"), 0);
    std::string noise = dir.file("noise.avi");
    writeNoise(noise, 0, 20000);
    ASSERT_EQ(std::filesystem::file_size(truncated), 1500u);
    ASSERT_EQ(std::filesystem::file_size(noise), 20000u);
    std::string empty = dir.file("empty.mpg");
    std::ofstream(empty).close();
    std::string fifo = dir.file("pipe.mp4");  // would block a reader for good
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    // A good file first, so a failed open must also close it.
    ASSERT_NE(openFile(good), -1);
    for (const std::string& bad :
         {text, truncated, noise, empty, fifo, dir.file("missing.mp4"), dir.path().string()}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(openFile(bad), -1);
        EXPECT_EQ(pos(), 0.0f);
        EXPECT_EQ(duration(), 0.0);
        int hasPicture = -1, hasSound = -1;
        PlayerModule_GetMideaType(&hasPicture, &hasSound);
        EXPECT_EQ(hasPicture, 0);
        exerciseEveryCall();
        EXPECT_EQ(pos(), 0.0f);
    }
    PlayerModule_SetFileName(nullptr);
    EXPECT_EQ(PlayerModule_Open(), -1);
    PlayerModule_SetFileName(L"");
    EXPECT_EQ(PlayerModule_Open(), -1);
    EXPECT_EQ(g_endCalls.load(), 0);
}

TEST_F(PlayerModuleTest, CallsWithoutAnyOpenFileAreSafe) {
    PlayerModule_Close();
    exerciseEveryCall();
    EXPECT_EQ(pos(), 0.0f);
    EXPECT_EQ(duration(), 0.0);
}

TEST_F(PlayerModuleTest, PictureColoursComeInBgrBottomRowFirst) {
    ASSERT_NE(openFile(quadrants()), -1);
    int hasPicture = 0, hasSound = -1;
    PlayerModule_GetMideaType(&hasPicture, &hasSound);
    EXPECT_NE(hasPicture, 0);
    EXPECT_EQ(hasSound, 0);
    int w = 0, h = 0;
    PlayerModule_GetFrameSize(&w, &h);
    ASSERT_EQ(w, 64);
    ASSERT_EQ(h, 48);

    // The first picture is on show right after opening, before playing.
    std::vector<unsigned char> buf(static_cast<size_t>(w) * h * 3);
    ASSERT_TRUE(waitFor(
        [&] {
            PlayerModule_GetFrame(buf.data(), w, h);
            return near(pixel(buf, w, h, w / 2, h - 4), {255, 0, 0});
        },
        2s));
    EXPECT_TRUE(near(pixel(buf, w, h, 4, 4), {0, 0, 255})) << "top left is red";
    EXPECT_TRUE(near(pixel(buf, w, h, w - 5, 4), {0, 255, 0})) << "top right is lime";
    // The very first bytes are the bottom row.
    EXPECT_TRUE(near({buf[0], buf[1], buf[2]}, {255, 0, 0}));

    // A caller size unlike the picture's (odd width: rows stay packed).
    const int cw = 37, ch = 20;
    std::vector<unsigned char> small(static_cast<size_t>(cw) * ch * 3);
    PlayerModule_Start();
    PlayerModule_GetFrame(small.data(), cw, ch);
    EXPECT_TRUE(near(pixel(small, cw, ch, 3, 2), {0, 0, 255}));
    EXPECT_TRUE(near(pixel(small, cw, ch, cw - 4, 2), {0, 255, 0}));
    EXPECT_TRUE(near(pixel(small, cw, ch, cw / 2, ch - 3), {255, 0, 0}));

    // After closing, the last picture still answers at the caller's size.
    PlayerModule_Stop();
    PlayerModule_Close();
    std::fill(buf.begin(), buf.end(), 0);
    PlayerModule_GetFrame(buf.data(), w, h);
    EXPECT_TRUE(near(pixel(buf, w, h, w / 2, h - 4), {255, 0, 0}));
}

TEST_F(PlayerModuleTest, PlayPauseResumeAndStopMoveThePosition) {
    ASSERT_NE(openFile(soundAndPictures(2.0)), -1);
    EXPECT_NEAR(duration(), 2.0, 0.1);
    EXPECT_EQ(pos(), 0.0f);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(pos(), 0.0f) << "opening does not play";

    PlayerModule_Start();
    std::this_thread::sleep_for(500ms);
    float playing = pos();
    EXPECT_GT(playing, 0.12f);
    EXPECT_LT(playing, 0.40f);

    PlayerModule_Pause();
    float paused = pos();
    std::this_thread::sleep_for(300ms);
    EXPECT_NEAR(pos(), paused, 0.01f) << "the position holds while paused";

    PlayerModule_Start();  // resumes where it paused
    std::this_thread::sleep_for(300ms);
    float resumed = pos();
    EXPECT_GT(resumed, paused + 0.05f);
    EXPECT_LT(resumed, paused + 0.30f);

    PlayerModule_Stop();
    EXPECT_EQ(pos(), 0.0f);
    EXPECT_NEAR(duration(), 2.0, 0.1) << "stop keeps the file open";
    PlayerModule_Start();  // plays again from the beginning
    std::this_thread::sleep_for(200ms);
    EXPECT_LT(pos(), 0.2f);
    EXPECT_GT(pos(), 0.0f);
    EXPECT_EQ(g_endCalls.load(), 0);
}

TEST_F(PlayerModuleTest, SetPosIsReportedBackWithinAFrame) {
    ASSERT_NE(openFile(soundAndPictures(2.0)), -1);
    const float frame = 0.04f / 2.0f;  // one picture at 25 fps in a 2 s file
    for (float target : {0.5f, 0.25f, 0.9f, 0.0f}) {
        PlayerModule_SetPos(target);
        EXPECT_NEAR(pos(), target, frame) << "paused at " << target;
    }
    // The callers' seek: pause, set, start; playing carries on from there.
    PlayerModule_Start();
    PlayerModule_Pause();
    PlayerModule_SetPos(0.6f);
    PlayerModule_Start();
    // Playing moves on at once, so from here the bound above allows for a
    // busy machine's scheduling delays.
    float started = pos();
    EXPECT_GE(started, 0.6f - frame);
    EXPECT_LT(started, 0.6f + 0.1f);
    std::this_thread::sleep_for(300ms);
    EXPECT_GT(pos(), 0.6f + 0.05f);
    EXPECT_LT(pos(), 0.6f + 0.35f);
    PlayerModule_SetPos(0.1f);  // while playing
    float sought = pos();
    EXPECT_GE(sought, 0.1f - frame);
    EXPECT_LT(sought, 0.1f + 0.1f);
}

TEST_F(PlayerModuleTest, EndCallbackFiresOnceWhenPlaybackReachesTheEnd) {
    ASSERT_NE(openFile(soundAndPictures(1.0)), -1);
    auto started = std::chrono::steady_clock::now();
    PlayerModule_Start();
    ASSERT_TRUE(waitFor([] { return g_endCalls.load() > 0; }, 5s));
    double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_GT(took, 0.85) << "the end comes after the file has played";
    EXPECT_LT(took, 2.5);
    EXPECT_EQ(pos(), 1.0f);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(g_endCalls.load(), 1);

    // Playing again after the end starts over and ends once more.
    PlayerModule_Start();
    std::this_thread::sleep_for(100ms);
    EXPECT_LT(pos(), 0.5f);
    ASSERT_TRUE(waitFor([] { return g_endCalls.load() > 1; }, 5s));
    EXPECT_EQ(g_endCalls.load(), 2);
}

namespace {
std::atomic<bool> g_closedFromCallback{false};
void stopAndCloseFromCallback() {
    PlayerModule_Stop();
    PlayerModule_Close();
    float f = -1;
    PlayerModule_GetPos(&f);
    g_closedFromCallback = f == 0.0f;
}
}  // namespace

TEST_F(PlayerModuleTest, EndCallbackMayStopAndCloseThePlayer) {
    g_closedFromCallback = false;
    PlayerModule_Initialize(&stopAndCloseFromCallback, &ignoreValue, PLAYER_MODULE_CODE);
    ASSERT_NE(openFile(picturesOnly(0.5)), -1);
    PlayerModule_Start();
    ASSERT_TRUE(waitFor([] { return g_closedFromCallback.load(); }, 5s));
    EXPECT_EQ(duration(), 0.0);
    // The player still works afterwards.
    ASSERT_NE(openFile(dir.file("pictures.avi")), -1);
    EXPECT_GT(duration(), 0.4);
}

TEST_F(PlayerModuleTest, SoundOnlyFilePlaysToTheEnd) {
    ASSERT_NE(openFile(soundOnly(1.0)), -1);
    int hasPicture = -1, hasSound = -1;
    PlayerModule_GetMideaType(&hasPicture, &hasSound);
    EXPECT_EQ(hasPicture, 0);
    EXPECT_EQ(hasSound, 1);
    int w = -1, h = -1;
    PlayerModule_GetFrameSize(&w, &h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    EXPECT_NEAR(duration(), 1.0, 0.05);
    PlayerModule_SetVolume(80000);  // the main window's slider goes past the top
    int v = -1;
    PlayerModule_GetVolume(&v);
    EXPECT_EQ(v, 65535);
    PlayerModule_SetVolume(1000);
    PlayerModule_GetVolume(&v);
    EXPECT_EQ(v, 1000);
    PlayerModule_Start();
    std::this_thread::sleep_for(400ms);
    EXPECT_GT(pos(), 0.2f);
    EXPECT_LT(pos(), 0.7f);
    ASSERT_TRUE(waitFor([] { return g_endCalls.load() > 0; }, 4s));
    EXPECT_EQ(pos(), 1.0f);

    // A variable-rate MP3 without a header holds more than its stated length: the
    // slider still stops at the end while the rest plays.
    const std::string vbr = dir.file("vbr.mp3");
    ASSERT_EQ(testmedia::runCommand("ffmpeg -nostdin -loglevel error -y -f lavfi -i anoisesrc=d=0.3:a=0.8 -f lavfi -i "
                                    "anullsrc=cl=mono -filter_complex \"[1]atrim=0:1.7[s];[0][s]concat=n=2:v=0:a=1\" "
                                    "-c:a libmp3lame -q:a 0 -write_xing 0 " + testmedia::shellQuote(vbr)), 0);
    ASSERT_NE(openFile(vbr), -1);
    PlayerModule_Start();
    float highest = 0.0f;
    ASSERT_TRUE(waitFor([&] { highest = std::max(highest, pos()); return g_endCalls.load() > 1; }, 5s));
    EXPECT_LE(highest, 1.0f);
}

TEST_F(PlayerModuleTest, PicturesOnlyFilePlaysToTheEnd) {
    ASSERT_NE(openFile(picturesOnly(1.0)), -1);
    int hasPicture = 0, hasSound = -1;
    PlayerModule_GetMideaType(&hasPicture, &hasSound);
    EXPECT_EQ(hasPicture, 1);
    EXPECT_EQ(hasSound, 0);
    EXPECT_NEAR(duration(), 1.0, 0.05);
    PlayerModule_Start();
    std::this_thread::sleep_for(400ms);
    EXPECT_GT(pos(), 0.2f);
    EXPECT_LT(pos(), 0.7f);
    ASSERT_TRUE(waitFor([] { return g_endCalls.load() > 0; }, 4s));
    EXPECT_EQ(g_endCalls.load(), 1);
}

TEST_F(PlayerModuleTest, OpeningAnotherFileReplacesTheFirst) {
    std::string av = soundAndPictures(1.0);
    std::string tone = soundOnly(0.5);
    ASSERT_NE(openFile(av), -1);
    PlayerModule_Start();
    std::this_thread::sleep_for(100ms);
    ASSERT_NE(openFile(tone), -1);  // no Stop or Close in between
    int hasPicture = -1, hasSound = -1;
    PlayerModule_GetMideaType(&hasPicture, &hasSound);
    EXPECT_EQ(hasPicture, 0);
    EXPECT_NEAR(duration(), 0.5, 0.05);
    EXPECT_EQ(pos(), 0.0f) << "a new file opens at its beginning, not playing";
}

TEST_F(PlayerModuleTest, NonAsciiFileNamesOpen) {
    std::string utf8 = dir.file("\xc3\xa9t\xc3\xa9 \xe6\x97\xa5.wav");
    ASSERT_TRUE(makeClip(utf8, {0.5, "", "25", 22050, 1, ""}));
    std::wstring name = dir.path().wstring() + L"/\u00e9t\u00e9 \u65e5.wav";
    PlayerModule_SetFileName(name.c_str());
    EXPECT_NE(PlayerModule_Open(), -1);
    EXPECT_NEAR(duration(), 0.5, 0.05);
}

TEST_F(PlayerModuleTest, FiftyOpenCloseCyclesLeaveNothingBehind) {
    // Leaks show up in the AddressSanitizer build at exit; here the cycles must
    // keep working and end in a clean state.
    std::vector<std::string> files = {soundAndPictures(1.0), soundOnly(0.5), picturesOnly(0.5)};
    for (int i = 0; i < 50; ++i) {
        SCOPED_TRACE(i);
        ASSERT_NE(openFile(files[i % files.size()]), -1);
        if (i % 5 == 0) {
            PlayerModule_Start();
            std::this_thread::sleep_for(20ms);
            std::vector<unsigned char> buf(40 * 30 * 3);
            PlayerModule_GetFrame(buf.data(), 40, 30);
        }
        if (i % 2 == 0) PlayerModule_Stop();
        PlayerModule_Close();
    }
    EXPECT_EQ(pos(), 0.0f);
    EXPECT_EQ(duration(), 0.0);
}

TEST_F(PlayerModuleTest, PicturesFollowTheClockAndOutlastTheSound) {
    expectPicturesFollowTheClock(redThenBlueShortSound());
}

TEST_F(PlayerModuleTest, SeekingShowsThePictureAtTheTarget) {
    expectSeekingShowsTheTargetPicture(redThenBlueShortSound());
}

namespace {
std::string g_nextFile;
std::atomic<int> g_chained{0};
void openNextFromCallback() {
    // The clip editor and the main window stop on the end message; a caller
    // that goes straight on to the next file from the callback must work too.
    if (g_chained.fetch_add(1) == 0) {
        std::wstring w = wide(g_nextFile);
        PlayerModule_SetFileName(w.c_str());
        if (PlayerModule_Open() != -1) PlayerModule_Start();
    }
}
}  // namespace

TEST_F(PlayerModuleTest, EndCallbackMayOpenAndStartTheNextFile) {
    g_chained = 0;
    std::string first = picturesOnly(0.4);
    g_nextFile = soundOnly(0.4);
    PlayerModule_Initialize(&openNextFromCallback, &ignoreValue, PLAYER_MODULE_CODE);
    ASSERT_NE(openFile(first), -1);
    PlayerModule_Start();
    ASSERT_TRUE(waitFor([] { return g_chained.load() >= 2; }, 5s)) << "the second file played to its end";
    int hasPicture = -1, hasSound = -1;
    PlayerModule_GetMideaType(&hasPicture, &hasSound);
    EXPECT_EQ(hasPicture, 0);
    EXPECT_EQ(hasSound, 1);
}

TEST_F(PlayerModuleTest, CallsFromSeveralThreadsAtOnceNeitherCrashNorHang) {
    std::vector<std::string> files = {soundAndPictures(1.0), soundOnly(0.3), picturesOnly(0.3),
                                      dir.file("missing.avi")};
    PlayerModule_Initialize(&stopAndCloseFromCallback, &ignoreValue, PLAYER_MODULE_CODE);
    std::atomic<bool> finished{false};
    std::thread watchdog([&] {
        for (int i = 0; i < 600 && !finished; ++i) std::this_thread::sleep_for(50ms);
        if (!finished) {
            std::fprintf(stderr, "player calls hung\n");
            std::abort();
        }
    });
    auto hammer = [&](unsigned seed) {
        std::vector<unsigned char> buf(48 * 36 * 3);
        for (int i = 0; i < 150; ++i) {
            seed = seed * 1103515245u + 12345u;
            switch ((seed >> 16) % 12) {
                case 0: openFile(files[(seed >> 8) % files.size()]); break;
                case 1: PlayerModule_Start(); break;
                case 2: PlayerModule_Pause(); break;
                case 3: PlayerModule_Stop(); break;
                case 4: PlayerModule_Close(); break;
                case 5: PlayerModule_SetPos(static_cast<float>((seed >> 4) % 1001) / 1000.0f); break;
                case 6: PlayerModule_GetFrame(buf.data(), 48, 36); break;
                case 7: pos(); break;
                case 8: duration(); break;
                case 9: PlayerModule_SetVolume(static_cast<int>((seed >> 3) % 70000)); break;
                default: std::this_thread::sleep_for(5ms); break;
            }
        }
    };
    std::thread other(hammer, 7u);
    hammer(11u);
    other.join();
    finished = true;
    watchdog.join();
    PlayerModule_Close();
    EXPECT_EQ(pos(), 0.0f);
}

TEST_F(PlayerModuleTest, TruncatedAndCorruptedFilesPlayWhatTheyHaveAndEnd) {
    std::string whole = dir.file("whole.ts");
    testmedia::ClipSpec shape;
    shape.seconds = 1.5;
    shape.videoSize = "160x120";
    shape.extraArgs = "-c:v mpeg2video -c:a mp2";
    ASSERT_TRUE(makeClip(whole, shape));
    auto size = std::filesystem::file_size(whole);
    std::string cut = dir.file("cut.ts");
    ASSERT_EQ(runCommand("(head -c " + std::to_string(size / 2) + " " + shellQuote(whole) + " > " + shellQuote(cut) + ")"), 0);
    ASSERT_EQ(std::filesystem::file_size(cut), size / 2);
    std::string garbled = dir.file("garbled.ts");
    std::filesystem::copy_file(whole, garbled);
    writeNoise(garbled, size / 3, size / 4);
    for (const std::string& path : {cut, garbled}) {
        SCOPED_TRACE(path);
        g_endCalls = 0;
        ASSERT_NE(openFile(path), -1);
        PlayerModule_Start();
        std::vector<unsigned char> buf(40 * 30 * 3);
        EXPECT_TRUE(waitFor(
            [&] {
                PlayerModule_GetFrame(buf.data(), 40, 30);
                return g_endCalls.load() > 0;
            },
            6s));
        PlayerModule_Stop();
        PlayerModule_Close();
    }
}

TEST_F(PlayerModuleTest, SoundComesBackAfterSomeoneElseQuitsSdl) {
    std::string tone = soundOnly(0.5);
    ASSERT_NE(openFile(tone), -1);
    ASSERT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    PlayerModule_Start();
    // Another part of the process ends SDL altogether (the conversion preview may).
    SDL_Quit();
    PlayerModule_Stop();
    PlayerModule_Close();
    ASSERT_NE(openFile(tone), -1);
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    PlayerModule_Start();
    ASSERT_TRUE(waitFor([] { return g_endCalls.load() > 0; }, 4s));
}

// The containers and codecs the converter writes can all be previewed: right
// length, seeking lands on the right picture, playing reaches the end.
struct ContainerCase {
    const char* name;
    const char* codecs;
};

class PlayerContainerTest : public PlayerModuleTest, public ::testing::WithParamInterface<ContainerCase> {};

TEST_P(PlayerContainerTest, SeeksToTheRightPictureAndPlaysToTheEnd) {
    const ContainerCase& c = GetParam();
    std::string path = dir.file(c.name);
    std::string cmd =
        "ffmpeg -nostdin -hide_banner -loglevel error -y -f lavfi -i "
        "\"color=c=red:s=64x48:d=0.8:r=25[a];color=c=blue:s=64x48:d=0.8:r=25[b];[a][b]concat=n=2:v=1:a=0[out0]\" "
        "-f lavfi -i sine=frequency=440:sample_rate=44100:duration=1.6 -pix_fmt yuv420p " +
        std::string(c.codecs) + " " + shellQuote(path);
    ASSERT_EQ(runCommand(cmd), 0);
    ASSERT_NE(openFile(path), -1);
    EXPECT_NEAR(duration(), 1.6, 0.15);
    PlayerModule_SetPos(0.8f);
    EXPECT_TRUE(waitFor([] { return near(centreColour(), kBlue); }, 2s)) << "blue at 1.28 s";
    PlayerModule_SetPos(0.25f);
    EXPECT_TRUE(waitFor([] { return near(centreColour(), kRed); }, 2s)) << "red at 0.4 s";
    EXPECT_NEAR(pos(), 0.25f, 0.03f);
    PlayerModule_SetPos(0.75f);
    PlayerModule_Start();
    ASSERT_TRUE(waitFor([] { return g_endCalls.load() > 0; }, 4s));
    EXPECT_TRUE(near(centreColour(), kBlue));
    EXPECT_EQ(g_endCalls.load(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Containers, PlayerContainerTest,
    ::testing::Values(ContainerCase{"h264.mp4", "-c:v libx264 -preset ultrafast -c:a aac"},
                      ContainerCase{"mpeg4.avi", "-c:v mpeg4 -q:v 3 -c:a libmp3lame"},
                      ContainerCase{"mpeg1.mpg", "-c:v mpeg1video -q:v 3 -c:a mp2"},
                      ContainerCase{"mpeg2.ts", "-c:v mpeg2video -q:v 3 -c:a mp2"},
                      ContainerCase{"wmv2.wmv", "-c:v wmv2 -q:v 3 -c:a wmav2"}),
    [](const ::testing::TestParamInfo<ContainerCase>& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

TEST_F(PlayerModuleTest, SoundStoredFarAheadOfThePicturesStaysInStep) {
    // The sound lies 2.5 s ahead of the pictures in the file: reaching the
    // pictures of a moment means reading sound well past it first.
    // (Matroska is read in file order; some demuxers reorder by time themselves.)
    std::string path = dir.file("preload.mkv");
    std::string cmd =
        "ffmpeg -nostdin -hide_banner -loglevel error -y -f lavfi -i "
        "\"color=c=red:s=64x48:d=1.5:r=25[a];color=c=blue:s=64x48:d=1.5:r=25[b];[a][b]concat=n=2:v=1:a=0[out0]\" "
        "-f lavfi -i sine=frequency=440:sample_rate=44100:duration=3 -pix_fmt yuv420p -c:v mpeg4 -q:v 3 "
        "-c:a aac -audio_preload 2500000 " +
        shellQuote(path);
    ASSERT_EQ(runCommand(cmd), 0);
    ASSERT_NE(openFile(path), -1);
    EXPECT_TRUE(waitFor([] { return near(centreColour(), kRed); }, 1s)) << "the first picture shows before playing";
    auto started = std::chrono::steady_clock::now();
    auto at = [&](double seconds) { std::this_thread::sleep_until(started + std::chrono::duration<double>(seconds)); };
    PlayerModule_Start();
    at(1.2);
    EXPECT_TRUE(near(centreColour(), kRed)) << "red at 1.2 s";
    EXPECT_NEAR(pos() * 3.0, 1.2, 0.2);
    at(1.8);
    EXPECT_TRUE(near(centreColour(), kBlue)) << "blue at 1.8 s, not lagging behind the sound";
    EXPECT_NEAR(pos() * 3.0, 1.8, 0.2);
    ASSERT_TRUE(waitFor([] { return g_endCalls.load() > 0; }, 4s));
}
