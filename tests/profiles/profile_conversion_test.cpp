// Every profile of the profile list, end to end (and, at the end, the video kept
// as it is where the profile's device plays it): a tiny source converted the way the
// Convert command does it (profile -> settings -> FillJob -> TranscodeWorker on a
// WorkerThread), then read back with ffprobe. Then outputs fitted into a size, per
// family of profiles, and what the second pass buys.
#include "engine/AVConvert.h"
#include "engine/MergeWorker.h"
#include "engine/PreviewSink.h"
#include "engine/ProbeMedia.h"
#include "engine/TranscodeWorker.h"
#include "engine/WorkerThread.h"
#include "profiles/DeviceLimits.h"
#include "profiles/JobSetup.h"
#include "profiles/OutputSettings.h"
#include "profiles/ProfileTable.h"
#include "profiles/TimeText.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

namespace fs = std::filesystem;

// What each profile must produce, written out independently of the profile table.
struct Expected {
    const char* extension;
    const char* container;   // ffprobe format_name
    const char* videoCodec;  // nullptr = audio only
    const char* videoProfile;  // "" = not checked
    int width, height;
    const char* audioCodec;
    int sampleRate;
    int channels;
};

constexpr Expected kExpected[kProfileCount] = {
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "Main", 720, 480, "aac", 48000, 2},
    {".avi", "avi", "msmpeg4v3", "", 1280, 720, "mp3", 48000, 2},
    {".avi", "avi", "msmpeg4v3", "", 720, 480, "mp3", 48000, 2},
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "Main", 1280, 720, "aac", 48000, 2},
    {".mpg", "mpeg", "mpeg2video", "", 720, 480, "mp2", 48000, 2},
    {".mpg", "mpeg", "mpeg2video", "", 1280, 720, "mp2", 48000, 2},
    {".ts", "mpegts", "mpeg2video", "", 1280, 720, "mp2", 48000, 2},
    {".wmv", "asf", "wmv2", "", 1280, 720, "wmav2", 44100, 2},
    {".wmv", "asf", "wmv2", "", 720, 480, "wmav2", 44100, 2},
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "Main", 480, 272, "aac", 48000, 2},
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "Main", 720, 480, "aac", 48000, 2},
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "h264", "Main", 368, 208, "aac", 48000, 2},
    {".mp4", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4", "Simple Profile", 368, 208, "aac", 48000, 2},
    {".wav", "wav", nullptr, "", 0, 0, "pcm_s16le", 44100, 2},
    {".mp3", "mp3", nullptr, "", 0, 0, "mp3", 44100, 2},
    {".wma", "asf", nullptr, "", 0, 0, "wmav2", 44100, 2},
};

constexpr double kSourceSeconds = 2.0;
constexpr double kTolerance = 0.2;

// Length of one stream: decoded packet span, or the stream's own duration when the
// packets carry no usable times.
double StreamSeconds(const std::string& path, const std::string& selector, const testmedia::StreamInfo& stream) {
    double decoded = testmedia::decodedDuration(path, selector);
    return decoded > 0 ? decoded : stream.duration;
}

class ProfileConversion : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() {
        s_media = std::make_unique<testmedia::TempDir>();
        // 320x240, 25 fps, stereo 44.1 kHz
        ASSERT_TRUE(testmedia::makeClip(s_media->file("source.mkv"), testmedia::H264Clip(kSourceSeconds)));
    }
    static void TearDownTestSuite() { s_media.reset(); }

    // Probe, rows and job set-up as the Convert command does them; returns the row state.
    int convert(int profile, std::string& outputPath) {
        auto job = std::make_unique<AVConvert>();
        const std::string source = s_media->file("source.mkv");
        job->probePath = source;
        if (!ProbeAccepted(ProbeMedia(*job), *job)) return -1;
        std::vector<TaskRow> rows{
            TaskRow{source, FormatTime(0), FormatTime(static_cast<int>(job->probeDurationSeconds)), true, "", "", ""}};

        OutputSettings settings;
        ResetOutputSettings(settings);
        LoadProfile(settings, profile);
        FillJob(*job, rows, settings, out.path().string(), ExtensionFromProfile(Profiles()[profile].displayText),
                JobKind::Convert);
        job->previewOff = true;
        WorkerThread worker;
        worker.start(&TranscodeWorker, *job);
        worker.join();
        EXPECT_EQ(job->currentFile.load(), 1);
        outputPath = job->outputPaths[0];
        return job->fileState[0].load();
    }

    static std::unique_ptr<testmedia::TempDir> s_media;
    testmedia::TempDir out;
};
std::unique_ptr<testmedia::TempDir> ProfileConversion::s_media;

}  // namespace

TEST_P(ProfileConversion, WritesTheProfilesContainerCodecsAndSizes) {
    const int profile = GetParam();
    const Expected& want = kExpected[profile];
    SCOPED_TRACE(std::string(Profiles()[profile].displayText));

    std::string path;
    ASSERT_EQ(convert(profile, path), kRowCompleted) << "the engine could not encode this profile";
    EXPECT_EQ(path, out.file(std::string("source") + want.extension));

    testmedia::ProbeInfo info = testmedia::probe(path);
    ASSERT_TRUE(info.ok) << path;
    EXPECT_EQ(info.formatName, want.container);

    const testmedia::StreamInfo* audio = info.audio();
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->codecName, want.audioCodec);
    EXPECT_EQ(audio->sampleRate, want.sampleRate);
    EXPECT_EQ(audio->channels, want.channels);
    EXPECT_NEAR(StreamSeconds(path, "a:0", *audio), kSourceSeconds, kTolerance);

    const std::string thumbnail = out.file("source.THM");
    const testmedia::StreamInfo* video = info.video();
    if (!want.videoCodec) {
        EXPECT_EQ(video, nullptr);
        EXPECT_FALSE(fs::exists(thumbnail)) << "audio outputs get no thumbnail";
        return;
    }
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->codecName, want.videoCodec);
    if (*want.videoProfile) {
        EXPECT_EQ(video->profile, want.videoProfile);
    }
    EXPECT_EQ(video->width, want.width);
    EXPECT_EQ(video->height, want.height);
    EXPECT_EQ(video->frameRate, "30000/1001");  // every video profile asks for 29.97 fps
    EXPECT_NEAR(StreamSeconds(path, "v:0", *video), kSourceSeconds, kTolerance);

    testmedia::ProbeInfo jpeg = testmedia::probe(thumbnail);
    ASSERT_TRUE(jpeg.ok && jpeg.video()) << "a .THM beside every video output";
    EXPECT_EQ(jpeg.video()->codecName, "mjpeg");
    EXPECT_EQ(jpeg.video()->width, 160);
    EXPECT_EQ(jpeg.video()->height, 120);
}

INSTANTIATE_TEST_SUITE_P(AllProfiles, ProfileConversion, ::testing::Range(0, kProfileCount),
                         [](const ::testing::TestParamInfo<int>& info) { return "Profile" + std::to_string(info.param); });

// ---- Keeping the video (and the sound) when the device plays it ----

namespace {

// An MKV with H.264 High at level 4.1 (unless `video` says otherwise), 25 fps,
// a key frame every `gop` pictures, and the sound `audio` gives ("" = none).
bool MakeH264Mkv(const std::string& path, const std::string& video, const std::string& audio, double seconds = 1.0,
                 const std::string& size = "320x240", int gop = 25) {
    const std::string length = std::to_string(seconds);
    std::string command = "ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=size=" + size + ":rate=25:duration=" + length;
    if (!audio.empty()) command += " -f lavfi -i sine=frequency=440:sample_rate=48000:duration=" + length;
    command += " -c:v libx264 -preset veryfast -g " + std::to_string(gop) + " -keyint_min " + std::to_string(gop) +
               " -sc_threshold 0 " + (video.empty() ? "-profile:v high -level 4.1 -pix_fmt yuv420p" : video);
    if (!audio.empty()) command += " " + audio;
    return testmedia::runCommand(command + " " + testmedia::shellQuote(path)) == 0;
}

// One line per packet (or decoded frame) of a stream: the MD5 of its data.
std::vector<std::string> StreamHashes(const std::string& path, const std::string& stream, bool decoded = false) {
    std::string out;
    testmedia::runCommand("ffmpeg -nostdin -v error -i " + testmedia::shellQuote(path) + " -map 0:" + stream +
                              (decoded ? "" : " -c copy") + " -f framemd5 - | grep -v '^#' | awk -F, '{print $NF}'",
                          &out);
    std::vector<std::string> hashes;
    for (std::size_t start = 0, end; start < out.size(); start = end + 1) {
        end = out.find('\n', start);
        if (end == std::string::npos) end = out.size();
        if (end > start) hashes.push_back(out.substr(start, end - start));
    }
    return hashes;
}

struct CopyRun {
    int state = -1;
    std::string output;
    std::string note;
    std::string reason;
};

// Counts the preview pictures and keeps the middle of the newest picture's luma.
class CountingPreview : public PreviewSink {
public:
    void rowBegins(int) override {}
    void picture(int, const PreviewPicture& p) override {
        ++pictures;
        long sum = 0;
        for (int y = 40; y < 80; ++y)
            for (int x = 40; x < 120; ++x) sum += p.y[y * p.yStride + x];
        meanLuma = static_cast<double>(sum) / (40 * 80);
    }
    void rowEnds(int) override {}
    std::atomic<int> pictures{0};
    std::atomic<double> meanLuma{0};
};

// A conversion as the Convert (or Merge) command starts it, with the option on;
// targetSize: fitted into that many bytes; preview: shown there.
CopyRun ConvertKeeping(const std::vector<std::string>& sources, int profile, const std::string& folder,
                       bool exactCut = false, int begin = 0, int end = -1, bool merge = false,
                       std::int64_t targetSize = 0, PreviewSink* preview = nullptr) {
    auto job = std::make_unique<AVConvert>();
    std::vector<TaskRow> rows;
    for (const std::string& source : sources) {
        job->probePath = source;
        if (!ProbeAccepted(ProbeMedia(*job), *job)) return {};
        const int last = end >= 0 ? end : static_cast<int>(job->probeDurationSeconds);
        rows.push_back(TaskRow{source, FormatTime(begin), FormatTime(last), true, "", "", ""});
    }
    OutputSettings settings;
    ResetOutputSettings(settings);
    LoadProfile(settings, profile);
    settings.copyCompatible = true;
    settings.exactCut = exactCut;
    settings.targetSizeBytes = targetSize;
    FillJob(*job, rows, settings, folder, ExtensionFromProfile(Profiles()[profile].displayText),
            merge ? JobKind::Merge : JobKind::Convert);
    job->previewOff = preview == nullptr;
    job->previewSink = preview;
    WorkerThread worker;
    worker.start(merge ? &MergeWorker : &TranscodeWorker, *job);
    worker.join();
    return CopyRun{job->fileState[0].load(), job->outputPaths[0], job->rowNote(0), job->failureReason(0)};
}

// The reason probe gives for keeping a file's video in a profile ("" = kept).
std::string ProbeReason(const std::string& path, int profile) {
    auto job = std::make_unique<AVConvert>();
    return ProfileCopyLines(path, *job).find("copy " + std::to_string(profile) + ": video kept") != std::string::npos
               ? std::string()
               : ProfileCopyLines(path, *job);
}

struct SoundCase {
    const char* name;
    const char* audioArgs;  // how the source's sound is encoded
    int profile;
    const char* wantCodec;  // the output's sound
    bool kept;              // the same sound, not converted
    const char* why = "";   // in the note of a converted sound: its codec as its makers write it
};

// The device's sound table: AAC-LC (up to 2 channels) is kept in MP4 and TS, AC-3
// in TS; DTS, Opus and FLAC are converted to the profile's own sound.
constexpr SoundCase kSoundCases[] = {
    {"AacToMp4", "-c:a aac -ac 2", 0, "aac", true},
    {"AacToHdMp4", "-c:a aac -ac 2", 3, "aac", true},
    {"AacToTs", "-c:a aac -ac 2", 6, "aac", true},
    {"Ac3ToMp4", "-c:a ac3 -ac 2", 0, "aac", false},
    {"Ac3ToTs", "-c:a ac3 -ac 2", 6, "ac3", true},
    {"DtsToHdMp4", "-c:a dca -strict -2 -ac 2", 3, "aac", false, "DTS sound is not what the PS3 plays"},
    {"DtsToTs", "-c:a dca -strict -2 -ac 2", 6, "mp2", false},
    {"OpusToMp4", "-c:a libopus -ac 2", 0, "aac", false, "Opus sound is not what the PS3 plays"},
    {"FlacToHdMp4", "-c:a flac -ac 2", 3, "aac", false, "FLAC sound is not what the PS3 plays"},
    {"SixChannelAacToMp4", "-c:a aac -ac 6", 0, "aac", false},
};

class CopySound : public ::testing::TestWithParam<SoundCase> {
protected:
    testmedia::TempDir dir;
};

}  // namespace

TEST_P(CopySound, VideoIsKeptBitExactAndTheSoundAsTheDeviceTableSays) {
    const SoundCase& c = GetParam();
    const std::string source = dir.file("film.mkv");
    ASSERT_TRUE(MakeH264Mkv(source, "", c.audioArgs));
    fs::create_directory(dir.file("out"));
    const CopyRun run = ConvertKeeping({source}, c.profile, dir.file("out"));
    ASSERT_EQ(run.state, kRowCompleted) << run.reason;
    EXPECT_NE(run.note.find("video kept"), std::string::npos) << run.note;

    const bool mp4 = Profiles()[c.profile].displayText.find(".mp4") != std::string_view::npos;
    // The same coded pictures: packet for packet in MP4 (the same sample format as
    // MKV's), picture for picture after decoding in TS (whose packets get start codes).
    const std::vector<std::string> before = StreamHashes(source, "v:0", !mp4);
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(StreamHashes(run.output, "v:0", !mp4), before);

    const testmedia::ProbeInfo info = testmedia::probe(run.output);
    ASSERT_TRUE(info.ok && info.audio());
    EXPECT_EQ(info.audio()->codecName, c.wantCodec);
    const bool same = StreamHashes(run.output, "a:0", true) == StreamHashes(source, "a:0", true);
    EXPECT_EQ(same, c.kept) << run.note;
    EXPECT_EQ(run.note.find("sound converted") == std::string::npos, c.kept) << run.note;
    EXPECT_NE(run.note.find(c.why), std::string::npos) << run.note;
    EXPECT_NEAR(testmedia::decodedDuration(run.output, "a:0"), 1.0, 0.1);

    testmedia::ProbeInfo jpeg = testmedia::probe(dir.file("out/film.THM"));
    ASSERT_TRUE(jpeg.ok && jpeg.video()) << "a kept video still gets its .THM";
    EXPECT_EQ(jpeg.video()->width, 160);
}

INSTANTIATE_TEST_SUITE_P(Sounds, CopySound, ::testing::ValuesIn(kSoundCases),
                         [](const ::testing::TestParamInfo<SoundCase>& info) { return std::string(info.param.name); });

namespace {

struct LimitCase {
    const char* name;
    const char* remux;      // "" or the stream-copy arguments that make film.mp4 from film.mkv
    const char* videoArgs;  // how its video is encoded
    const char* size;
    const char* reason;     // what probe and the row's note say
};

// Sources one step beyond each of the PS3's limits: converted, with the reason.
constexpr LimitCase kLimitCases[] = {
    {"Level51", "", "-profile:v high -level 5.1 -pix_fmt yuv420p", "320x240", "level 5.1 is above the PS3's 4.1"},
    {"TenBit", "", "-profile:v high10 -pix_fmt yuv420p10le", "320x240", "10-bit video is more than the PS3's 8 bits"},
    {"Chroma444", "", "-profile:v high444 -pix_fmt yuv444p", "320x240", "4:4:4 colour is not the 4:2:0"},
    {"SixteenReferences", "", "-profile:v high -level 4.1 -pix_fmt yuv420p -x264-params ref=16", "320x240",
     "16 reference frames are more than the PS3's 9"},
    {"FourK", "", "-profile:v high -level 4.1 -pix_fmt yuv420p -preset ultrafast", "3840x2160",
     "the picture size 3840x2160 is above the PS3's 1920x1080"},
    // (This FFmpeg writes a rotation only when the stream is copied.)
    {"Rotated", "-metadata:s:v:0 rotate=90", "-profile:v high -level 4.1 -pix_fmt yuv420p", "320x240",
     "the picture is rotated by 90 degrees"},
    {"Anamorphic", "", "-profile:v high -level 4.1 -pix_fmt yuv420p -vf setsar=4/3", "320x240",
     "its pixels are not square (4:3)"},
    {"InterlacedUnflagged", "", "-profile:v high -level 4.1 -pix_fmt yuv420p -x264-params interlaced=1:tff=1",
     "320x240", "the picture is interlaced without saying which field comes first"},
};

class CopyLimits : public ::testing::TestWithParam<LimitCase> {
protected:
    testmedia::TempDir dir;
};

}  // namespace

TEST_P(CopyLimits, BeyondTheDeviceTheVideoIsConvertedAndProbeSaysWhy) {
    const LimitCase& c = GetParam();
    std::string source = dir.file("film.mkv");
    ASSERT_TRUE(MakeH264Mkv(source, c.videoArgs, "-c:a aac -ac 2", 0.4, c.size));
    if (*c.remux) {
        source = dir.file("film.mp4");
        ASSERT_EQ(testmedia::runCommand("ffmpeg -nostdin -v error -i " + testmedia::shellQuote(dir.file("film.mkv")) +
                                        " -c copy " + c.remux + " " + testmedia::shellQuote(source)), 0);
    }
    EXPECT_NE(ProbeReason(source, 0).find(std::string("copy 0: converted, ") + c.reason), std::string::npos)
        << ProbeReason(source, 0);
    fs::create_directory(dir.file("out"));
    const CopyRun run = ConvertKeeping({source}, 0, dir.file("out"));
    ASSERT_EQ(run.state, kRowCompleted) << run.reason;
    EXPECT_NE(run.note.find(std::string("video converted: ") + c.reason), std::string::npos) << run.note;
    const testmedia::ProbeInfo info = testmedia::probe(run.output);
    ASSERT_TRUE(info.ok && info.video());
    EXPECT_EQ(info.video()->profile, "Main") << "converted as the profile says";
    EXPECT_EQ(info.video()->width, 720);
}

INSTANTIATE_TEST_SUITE_P(Ps3Limits, CopyLimits, ::testing::ValuesIn(kLimitCases),
                         [](const ::testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

TEST(CopyClip, BeginsAtTheKeyFrameBeforeTheBeginAndSaysSoOrConvertsForAnExactCut) {
    testmedia::TempDir dir;
    const std::string source = dir.file("film.mkv");
    ASSERT_TRUE(MakeH264Mkv(source, "", "-c:a aac -ac 2", 4.0, "320x240", 50));  // key frames at 0 and 2 s
    fs::create_directory(dir.file("out"));
    const CopyRun kept = ConvertKeeping({source}, 0, dir.file("out"), false, 1, 3);
    ASSERT_EQ(kept.state, kRowCompleted) << kept.reason;
    // (The source's pictures start a priming delay after its sound.)
    EXPECT_NE(kept.note.find("the kept video starts at the key frame at 0.0"), std::string::npos) << kept.note;
    EXPECT_NE(kept.note.find(" s before the begin time"), std::string::npos) << kept.note;
    // From the key frame to the end asked for, pictures and sound alike.
    EXPECT_NEAR(testmedia::decodedDuration(kept.output, "v:0"), 3.0, 0.15);
    EXPECT_NEAR(testmedia::decodedDuration(kept.output, "a:0"), 3.0, 0.15);
    const std::vector<std::string> source_packets = StreamHashes(source, "v:0");
    const std::vector<std::string> kept_packets = StreamHashes(kept.output, "v:0");
    ASSERT_GE(source_packets.size(), kept_packets.size());
    EXPECT_TRUE(std::equal(kept_packets.begin(), kept_packets.end(), source_packets.begin()));

    const CopyRun exact = ConvertKeeping({source}, 0, dir.file("out"), true, 1, 3);
    ASSERT_EQ(exact.state, kRowCompleted) << exact.reason;
    EXPECT_NE(exact.note.find("video converted: an exact cut was asked for"), std::string::npos) << exact.note;
    EXPECT_NEAR(testmedia::decodedDuration(exact.output, "v:0"), 2.0, 0.15);
}

// A kept video is shown in the preview by its key frames, decoded by themselves.
TEST(CopyPreview, AKeptVideoShowsItsKeyFramesWhileItIsCopied) {
    testmedia::TempDir dir;
    const std::string source = dir.file("film.mkv");
    ASSERT_TRUE(MakeH264Mkv(source, "", "-c:a aac -ac 2", 2.0));
    fs::create_directory(dir.file("out"));
    CountingPreview preview;
    const CopyRun run = ConvertKeeping({source}, 0, dir.file("out"), false, 0, -1, false, 0, &preview);
    ASSERT_EQ(run.state, kRowCompleted) << run.reason;
    EXPECT_NE(run.note.find("video kept"), std::string::npos) << run.note;
    EXPECT_GE(preview.pictures.load(), 1) << "the preview stays dark while a video is kept";
    // Test pictures: grey and colour bars, far from black (16) and white (235).
    EXPECT_GT(preview.meanLuma.load(), 40.0);
    EXPECT_LT(preview.meanLuma.load(), 220.0);
    EXPECT_EQ(StreamHashes(run.output, "v:0"), StreamHashes(source, "v:0")) << "still the source's packets";
}

TEST(CopyMerge, JoinsKeptVideosOnlyWhenEveryFileHasTheSameParameters) {
    testmedia::TempDir dir;
    const std::string a = dir.file("a.mkv"), b = dir.file("b.mkv"), wide = dir.file("wide.mkv");
    ASSERT_TRUE(MakeH264Mkv(a, "", "-c:a ac3 -ac 2", 1.0));
    ASSERT_TRUE(MakeH264Mkv(b, "", "-c:a ac3 -ac 2", 1.0));
    ASSERT_TRUE(MakeH264Mkv(wide, "", "-c:a ac3 -ac 2", 1.0, "480x240"));
    fs::create_directory(dir.file("out"));
    const CopyRun joined = ConvertKeeping({a, b}, 6, dir.file("out"), false, 0, -1, true);
    ASSERT_EQ(joined.state, kRowCompleted) << joined.reason;
    EXPECT_NE(joined.note.find("video and sound kept"), std::string::npos) << joined.note;
    std::vector<std::string> both = StreamHashes(a, "v:0", true);
    const std::vector<std::string> second = StreamHashes(b, "v:0", true);
    both.insert(both.end(), second.begin(), second.end());
    EXPECT_EQ(StreamHashes(joined.output, "v:0", true), both) << "one file's pictures after the other's, unchanged";
    EXPECT_NEAR(testmedia::decodedDuration(joined.output, "a:0"), 2.0, 0.1);
    EXPECT_TRUE(fs::exists(dir.file("out/a.THM")));

    const CopyRun mixed = ConvertKeeping({a, wide}, 6, dir.file("out"), false, 0, -1, true);
    ASSERT_EQ(mixed.state, kRowCompleted) << mixed.reason;
    EXPECT_NE(mixed.note.find("video converted: the joined files' videos differ"), std::string::npos) << mixed.note;
    EXPECT_EQ(testmedia::probe(mixed.output).video()->codecName, "mpeg2video");
}

// ---- Fitting outputs into a size ----

namespace {

constexpr double kSizeTolerance = 0.03;  // the size promised: within 3 %

// Sources small in pixels but long, whose pictures alternate every 20 s between
// moderate and heavy noise: the encoders can spend any of the rates asked, and a
// second pass has somewhere better to put the bits. Noisy sound keeps AAC near its
// nominal rate.
std::string NoisyClipCommand(const std::string& path, const std::string& size, const std::string& rate, int seconds) {
    return "ffmpeg -nostdin -v error -y -f lavfi -i \"testsrc2=size=" + size + ":rate=" + rate +
           ",noise=alls=12:allf=t,noise=alls=40:allf=t:enable='between(mod(t\\,40)\\,20\\,40)'\" -f lavfi -i "
           "anoisesrc=r=48000:a=0.05 -t " + std::to_string(seconds) +
           " -c:v libx264 -preset ultrafast -crf 20 -g 60 -c:a pcm_s16le -ac 2 " + testmedia::shellQuote(path);
}

// A conversion as the window runs it: rows from the probed sources, settings from
// the profile (adjusted), FillJob, then the worker.
struct Conversion {
    std::vector<int> states;
    std::vector<std::string> outputs;
    std::vector<std::string> reasons;
};
Conversion ConvertRows(const std::vector<std::string>& sources, int profile, const std::string& folder,
                       const std::function<void(OutputSettings&)>& adjust, JobKind kind, int begin = 0,
                       int end = -1) {
    auto job = std::make_unique<AVConvert>();
    std::vector<TaskRow> rows;
    for (const std::string& source : sources) {
        job->probePath = source;
        EXPECT_TRUE(ProbeAccepted(ProbeMedia(*job), *job)) << source;
        const int last = end >= 0 ? end : static_cast<int>(job->probeDurationSeconds);
        rows.push_back(TaskRow{source, FormatTime(begin), FormatTime(last), true, "", "", ""});
    }
    OutputSettings settings;
    ResetOutputSettings(settings);
    LoadProfile(settings, profile);
    adjust(settings);
    FillJob(*job, rows, settings, folder, ExtensionFromProfile(Profiles()[profile].displayText), kind);
    job->previewOff = true;
    WorkerThread worker;
    worker.start(kind == JobKind::Merge ? &MergeWorker : &TranscodeWorker, *job);
    worker.join();
    Conversion result;
    for (int row = 0; row < job->fileCount; ++row) {
        result.states.push_back(job->fileState[row].load());
        result.outputs.push_back(job->outputPaths[static_cast<std::size_t>(row)]);
        result.reasons.push_back(job->failureReason(row));
    }
    return result;
}

double FileBytes(const std::string& path) {
    std::error_code ec;
    const auto bytes = fs::file_size(path, ec);
    return ec ? 0.0 : static_cast<double>(bytes);
}

// ffmpeg's own measures of how close the output's pictures are to the source's:
// "psnr" (its average, dB) or "ssim" (All).
double PictureScore(const std::string& filter, const std::string& output, const std::string& source) {
    std::string text;
    const std::string key = filter == "psnr" ? "average" : "All";
    testmedia::runCommand("ffmpeg -nostdin -i " + testmedia::shellQuote(output) + " -i " +
                              testmedia::shellQuote(source) + " -lavfi \"[0:v][1:v]" + filter +
                              "\" -f null - 2>&1 | grep -o '" + key + ":[0-9.]*' | tail -1",
                          &text);
    const std::size_t colon = text.find(':');
    return colon == std::string::npos ? 0.0 : std::atof(text.c_str() + colon + 1);
}

// The video stream's bit rate as ffprobe reads it from the file.
int VideoBitRate(const std::string& path) {
    std::string text;
    testmedia::runCommand("ffprobe -v error -select_streams v:0 -show_entries stream=bit_rate -of csv=p=0 " +
                              testmedia::shellQuote(path),
                          &text);
    return std::atoi(text.c_str());
}

struct SizeCase {
    const char* name;
    int profile;
    int begin, end;  // clip times in the 120 s source (end 120: to its end)
    int megabytes;
};

// Each family of containers and encoders once, at 5, 20 and 100 MB on 30 to 120 s.
constexpr SizeCase kSizeCases[] = {
    {"PspH264_5MBIn30s", 9, 10, 40, 5},
    {"PspMpeg4_5MBIn60s", 12, 0, 60, 5},
    {"Ps3DivXAvi_20MBIn60s", 2, 30, 90, 20},
    {"Ps3WmvAsf_20MBIn90s", 8, 0, 90, 20},
    {"Ps3Mpeg2TsHd_20MBIn30s", 6, 60, 90, 20},
    {"Ps3Mpeg2Ps_100MBIn120s", 4, 0, 120, 100},
};

class TargetSizeConversion : public ::testing::TestWithParam<SizeCase> {
protected:
    static void SetUpTestSuite() {
        s_media = std::make_unique<testmedia::TempDir>();
        ASSERT_EQ(testmedia::runCommand(NoisyClipCommand(source(), "320x240", "30", 120)), 0);
    }
    static void TearDownTestSuite() { s_media.reset(); }
    static std::string source() { return s_media->file("long.mkv"); }

    static std::unique_ptr<testmedia::TempDir> s_media;
    testmedia::TempDir out;
};
std::unique_ptr<testmedia::TempDir> TargetSizeConversion::s_media;

}  // namespace

TEST_P(TargetSizeConversion, LandsWithinThreePercentOfTheSize) {
    const SizeCase& c = GetParam();
    // The first pass's statistics live in a private folder that goes with the row.
    testmedia::TempDir temporary;
    ::setenv("TMPDIR", temporary.path().c_str(), 1);
    const double target = c.megabytes * 1e6;
    const Conversion done = ConvertRows({source()}, c.profile, out.path().string(),
                                        [&](OutputSettings& s) { s.targetSizeBytes = c.megabytes * 1000000LL; },
                                        JobKind::Convert, c.begin, c.end);
    ::unsetenv("TMPDIR");
    ASSERT_EQ(done.states, std::vector<int>{kRowCompleted}) << done.reasons[0];
    const std::string& path = done.outputs[0];
    EXPECT_NEAR(FileBytes(path) / target, 1.0, kSizeTolerance) << FileBytes(path) << " bytes";
    const testmedia::ProbeInfo info = testmedia::probe(path);
    ASSERT_TRUE(info.ok && info.video() && info.audio()) << path;
    EXPECT_EQ(info.formatName, kExpected[c.profile].container);
    EXPECT_EQ(info.video()->codecName, kExpected[c.profile].videoCodec);
    EXPECT_NEAR(StreamSeconds(path, "v:0", *info.video()), c.end - c.begin, 0.2) << "the clip's length";
    EXPECT_TRUE(fs::exists(out.file("long.THM"))) << "the thumbnail of the output, not of a first pass";
    EXPECT_TRUE(fs::is_empty(temporary.path())) << "the first pass's statistics are removed";
    EXPECT_EQ(std::distance(fs::directory_iterator(out.path()), fs::directory_iterator()), 2)
        << "the output and its thumbnail, nothing of the first pass";
}

INSTANTIATE_TEST_SUITE_P(Families, TargetSizeConversion, ::testing::ValuesIn(kSizeCases),
                         [](const ::testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.name); });

// Two passes put the bits where the pictures need them: at the same size the
// pictures come out closer to the source than those of one pass.
TEST_F(TargetSizeConversion, TwoPassesGiveBetterPicturesThanOneAtTheSameSize) {
    // Plain test pictures alternating every 20 s with a zooming fractal, at the PSP
    // MPEG-4 profile's own size and rate: nothing is scaled, so frames compare one to
    // one, and the fractal needs far more bits than the plain pictures.
    const std::string quality = out.file("quality.mkv");
    ASSERT_EQ(testmedia::runCommand(
                  "ffmpeg -nostdin -v error -y -f lavfi -i \"testsrc2=size=368x208:rate=30000/1001[a];"
                  "mandelbrot=size=368x208:rate=30000/1001[b];[a][b]overlay=enable='between(mod(t\\,40)\\,20\\,40)'\" "
                  "-t 60 -c:v libx264 -preset ultrafast -crf 16 -g 60 " + testmedia::shellQuote(quality)),
              0);
    testmedia::TempDir twoDir, oneDir;
    const Conversion two = ConvertRows({quality}, 12, twoDir.path().string(),
                                       [](OutputSettings& s) { s.targetSizeBytes = 2250000; }, JobKind::Convert);
    ASSERT_EQ(two.states, std::vector<int>{kRowCompleted}) << two.reasons[0];
    const double twoBytes = FileBytes(two.outputs[0]);
    EXPECT_NEAR(twoBytes / 2250000, 1.0, kSizeTolerance);
    // One pass asked for the rate that gives it the same size (one correction).
    double rate = VideoBitRate(two.outputs[0]);
    ASSERT_GT(rate, 0);
    Conversion one;
    for (int attempt = 0; attempt < 2; ++attempt) {
        fs::remove_all(oneDir.path());
        fs::create_directories(oneDir.path());
        one = ConvertRows({quality}, 12, oneDir.path().string(),
                          [rate](OutputSettings& s) { s.videoBitRate = static_cast<int>(rate); }, JobKind::Convert);
        ASSERT_EQ(one.states, std::vector<int>{kRowCompleted}) << one.reasons[0];
        rate *= twoBytes / FileBytes(one.outputs[0]);
    }
    const double oneBytes = FileBytes(one.outputs[0]);
    ASSERT_NEAR(oneBytes / twoBytes, 1.0, 0.015) << "the same size";
    const double twoPsnr = PictureScore("psnr", two.outputs[0], quality);
    const double onePsnr = PictureScore("psnr", one.outputs[0], quality);
    const double twoSsim = PictureScore("ssim", two.outputs[0], quality);
    const double oneSsim = PictureScore("ssim", one.outputs[0], quality);
    EXPECT_GT(twoPsnr, 20.0) << "the comparison measured pictures";
    EXPECT_GT(twoPsnr, onePsnr + 0.02) << "two passes: " << twoPsnr << " dB in " << twoBytes << " bytes; one: "
                                       << onePsnr << " dB in " << oneBytes << " bytes";
    EXPECT_GT(twoSsim, oneSsim + 0.001) << "SSIM " << twoSsim << " against " << oneSsim;
}

// A source whose pictures need far fewer bits than the size allows, even at the
// encoder's best quality: the output is smaller, and the row says so (and says once
// why the video the device plays was converted all the same).
TEST_F(TargetSizeConversion, AnEasySourceBelowTheSizeSaysItNeedsNoMore) {
    const std::string easy = out.file("easy.mkv");
    ASSERT_TRUE(MakeH264Mkv(easy, "", "-c:a aac -ac 2", 4.0));
    testmedia::TempDir folder;
    const CopyRun run = ConvertKeeping({easy}, 0, folder.path().string(), false, 0, -1, false, 20000000);
    ASSERT_EQ(run.state, kRowCompleted) << run.reason;
    EXPECT_LT(FileBytes(run.output), 20e6 * (1 - kSizeTolerance));
    EXPECT_NE(run.note.find("the output is smaller than the target size: the video needs no more"),
              std::string::npos) << run.note;
    const std::string fitted = "video converted: the video is fitted into the target size";
    const std::size_t at = run.note.find(fitted);
    ASSERT_NE(at, std::string::npos) << run.note;
    EXPECT_EQ(run.note.find(fitted, at + 1), std::string::npos) << "said twice: " << run.note;
}

// A pattern of single-pixel cells redrawn every picture needs more bits at the
// encoder's lowest quality than a small size leaves the default profile's large
// pictures (what the picture floor allows of ordinary films): the row fails and
// says why, instead of a file two thirds over the size. An easier clip of the same
// length at the same size still lands on it.
TEST_F(TargetSizeConversion, PicturesTheEncoderCannotSqueezeFailTheRowWithTheReason) {
    // 6 s of 320x240 pictures from `source`, with sound.
    const auto clipOf = [this](const char* name, const std::string& source) {
        const std::string path = out.file(name);
        EXPECT_EQ(testmedia::runCommand("ffmpeg -nostdin -v error -y -f lavfi -i " + source +
                                        "=size=320x240:rate=15 -f lavfi -i sine=duration=6 -t 6 -c:v mpeg4 -q:v 2 "
                                        "-c:a libmp3lame " + testmedia::shellQuote(path)),
                  0);
        return path;
    };
    const std::string life = clipOf("life.avi", "life");
    testmedia::TempDir folder;
    const CopyRun run = ConvertKeeping({life}, 0, folder.path().string(), false, 0, -1, false, 300000);
    EXPECT_EQ(run.state, kRowFailed) << FileBytes(run.output) << " bytes: " << run.note;
    EXPECT_NE(run.reason.find("The target size is too small for the video of this file: even at the encoder's "
                              "lowest quality it needs more than "),
              std::string::npos) << run.reason;
    EXPECT_TRUE(fs::is_empty(folder.path())) << "no output of a failed row";
    const CopyRun merged = ConvertKeeping({life, life}, 0, folder.path().string(), false, 0, -1, true, 600000);
    EXPECT_EQ(merged.state, kRowFailed) << FileBytes(merged.output) << " bytes: " << merged.note;
    EXPECT_NE(merged.reason.find("The target size is too small for the video of this file"), std::string::npos)
        << merged.reason;
    EXPECT_TRUE(fs::is_empty(folder.path())) << "no output of a failed merge";

    const std::string plain = clipOf("plain.avi", "testsrc2");
    testmedia::TempDir plainFolder;
    const CopyRun fits = ConvertKeeping({plain}, 0, plainFolder.path().string(), false, 0, -1, false, 300000);
    ASSERT_EQ(fits.state, kRowCompleted) << fits.reason;
    EXPECT_NEAR(FileBytes(fits.output) / 300000, 1.0, kSizeTolerance) << FileBytes(fits.output) << " bytes";
}

// A merge fits the joined output, whose length is every row's together.
TEST_F(TargetSizeConversion, AMergeFitsTheJoinedOutput) {
    const Conversion merged = ConvertRows({source(), source()}, 9, out.path().string(),
                                          [](OutputSettings& s) { s.targetSizeBytes = 8000000; }, JobKind::Merge, 0,
                                          30);
    ASSERT_EQ(merged.states, (std::vector<int>{kRowCompleted, kRowCompleted})) << merged.reasons[0];
    const std::string& path = merged.outputs[0];
    EXPECT_NEAR(FileBytes(path) / 8e6, 1.0, kSizeTolerance) << FileBytes(path) << " bytes";
    const testmedia::ProbeInfo info = testmedia::probe(path);
    ASSERT_TRUE(info.ok && info.video());
    EXPECT_NEAR(StreamSeconds(path, "v:0", *info.video()), 60, 0.3);
}
