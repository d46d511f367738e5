#include "engine/ProbeMedia.h"
#include "engine/SourceFile.h"

#include "engine/AVConvert.h"
#include "engine/TrackChoice.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/avutil.h>
}

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace fs = std::filesystem;
using testmedia::ClipSpec;
using testmedia::makeClip;
using testmedia::runCommand;
using testmedia::shellQuote;

namespace {

std::vector<char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<char>& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool ffmpegMake(const std::string& arguments, const std::string& path) {
    return runCommand("ffmpeg -nostdin -hide_banner -loglevel error -y " + arguments + " " + shellQuote(path)) == 0;
}

// Replaces every occurrence of `from` by `to` (same length) in the file.
bool patchBytes(const std::string& source, const std::string& target, const std::string& from, const std::string& to) {
    auto bytes = readBytes(source);
    bool found = false;
    for (auto it = std::search(bytes.begin(), bytes.end(), from.begin(), from.end()); it != bytes.end();
         it = std::search(it + 1, bytes.end(), from.begin(), from.end())) {
        std::copy(to.begin(), to.end(), it);
        found = true;
    }
    writeBytes(target, bytes);
    return found;
}

// Each test process makes only the media it asks for (ctest runs every test in its
// own process), once, in a folder shared by the suite.
bool makeMedia(const std::string& name, const std::string& path, const std::string& folder) {
    if (name == "ntsc.mkv") {
        ClipSpec ntsc = testmedia::H264Clip(2, "160x120");
        ntsc.frameRate = "30000/1001";
        return makeClip(path, ntsc);
    }
    if (name == "pal.mp4") {
        ClipSpec pal;
        pal.videoSize = "160x120";
        pal.channels = 1;
        pal.sampleRate = 22050;
        pal.extraArgs = "-c:v mpeg4 -b:v 200k -c:a libmp3lame";
        return makeClip(path, pal);
    }
    if (name == "song.mp3" || name == "voice.wav") {
        ClipSpec song;
        song.videoSize.clear();
        song.extraArgs = "-c:a libmp3lame -b:a 128k";
        if (name == "voice.wav") {
            song.sampleRate = 8000;
            song.channels = 1;
            song.extraArgs = "-c:a pcm_s16le";
        }
        return makeClip(path, song);
    }
    if (name == "two-tracks.mkv") {
        // A stereo 44.1 kHz track, then a mono 22.05 kHz one; a second, smaller
        // picture stream last.
        return ffmpegMake("-f lavfi -i testsrc2=size=160x120:rate=25:duration=1"
                          " -f lavfi -i sine=sample_rate=44100:duration=1"
                          " -f lavfi -i sine=sample_rate=22050:duration=1"
                          " -f lavfi -i testsrc2=size=64x48:rate=25:duration=1"
                          " -map 0 -map 1 -map 2 -map 3 -ac:a:0 2 -c:v libx264 -preset ultrafast -c:a aac",
                          path);
    }
    if (name == "tick.h264") {
        // A raw H.264 stream whose timing says 90000 frames a second, as raw streams
        // reporting their time base do; a raw stream also has no container length.
        return ffmpegMake("-f lavfi -i testsrc2=size=64x48:rate=25:duration=0.4 -c:v libx264 -preset ultrafast"
                          " -bsf:v h264_metadata=tick_rate=180000/1",
                          path);
    }
    if (name == "covered.mp3") {
        // An MP3 with a cover picture, as music players tag them.
        return ffmpegMake("-f lavfi -i sine=sample_rate=44100:duration=1 -f lavfi -i color=c=red:size=64x64:d=0.04"
                          " -map 0 -map 1 -frames:v 1 -c:a libmp3lame -c:v mjpeg -disposition:v attached_pic",
                          path);
    }
    if (name == "photo.jpg" || name == "drawing.png")
        return ffmpegMake("-f lavfi -i testsrc2=size=64x48 -frames:v 1", path);
    if (name == "mjpeg.avi")
        return ffmpegMake("-f lavfi -i testsrc2=size=64x48:rate=25:duration=0.2 -c:v mjpeg", path);
    if (name == "unknown-codec.avi") {
        // A video fourcc no decoder knows.
        const std::string source = folder + "/mjpeg.avi";
        return makeMedia("mjpeg.avi", source, folder) && patchBytes(source, path, "MJPG", "QZQZ");
    }
    if (name == "bad-depth.avi") {
        // Raw pictures of a bit depth no pixel format matches: the decoder exists but
        // refuses to open.
        const std::string source = folder + "/raw.avi";
        if (!ffmpegMake("-f lavfi -i testsrc2=size=64x48:rate=25:duration=0.2 -c:v rawvideo -pix_fmt bgr24", source))
            return false;
        auto bytes = readBytes(source);
        const std::string strf = "strf";
        auto at = std::search(bytes.begin(), bytes.end(), strf.begin(), strf.end());
        if (at == bytes.end() || bytes.end() - at < 24) return false;
        at[8 + 14] = 13;  // BITMAPINFOHEADER.biBitCount
        writeBytes(path, bytes);
        return true;
    }
    return false;
}

class ProbeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dir = std::make_unique<testmedia::TempDir>(); }
    static void TearDownTestSuite() { dir.reset(); }

    static std::string path(const std::string& name) { return dir->file(name); }

    // Probes a generated file; the test fails when the file cannot be made.
    int probe(const std::string& name) {
        const std::string file = path(name);
        if (!fs::exists(file) && !makeMedia(name, file, dir->path().string())) {
            ADD_FAILURE() << "could not make " << name;
            return INT_MIN;
        }
        job.probePath = file;
        return ProbeMedia(job);
    }

    static std::unique_ptr<testmedia::TempDir> dir;
    AVConvert job;
};

std::unique_ptr<testmedia::TempDir> ProbeTest::dir;

}  // namespace

TEST_F(ProbeTest, DescribesVideoAndAudioOfAMatroskaFile) {
    ASSERT_EQ(probe("ntsc.mkv"), 0);
    EXPECT_TRUE(ProbeAccepted(0, job));
    EXPECT_EQ(job.videoStreamIndex, 0);
    EXPECT_EQ(job.audioStreamIndex, 1);
    EXPECT_EQ(job.sourceWidth, 160);
    EXPECT_EQ(job.sourceHeight, 120);
    EXPECT_EQ(job.videoCodecId, AV_CODEC_ID_H264);
    EXPECT_EQ(job.videoCodecName, "h264");
    // 30000/1001 stays as it is; the rate as a number is cut to whole frames.
    EXPECT_EQ(job.sourceRateNum, 30000);
    EXPECT_EQ(job.sourceRateDen, 1001);
    EXPECT_EQ(job.sourceFrameRate, 29.0);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_AAC);
    EXPECT_EQ(job.audioCodecName, "aac");
    EXPECT_EQ(job.audioChannels, 2);
    EXPECT_EQ(job.audioSampleRate, 44100);
    EXPECT_NEAR(static_cast<double>(job.durationMicroseconds), 2e6, 1e5);
    EXPECT_EQ(job.probeDurationSeconds, job.durationMicroseconds / 1000000);
    EXPECT_EQ(job.probeStartSeconds, 0);
    EXPECT_EQ(job.fileSize, static_cast<int>(fs::file_size(path("ntsc.mkv"))));
}

TEST_F(ProbeTest, DescribesAnMp4WithMonoSound) {
    ASSERT_EQ(probe("pal.mp4"), 0);
    EXPECT_EQ(job.videoCodecId, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(job.sourceRateNum, 25);
    EXPECT_EQ(job.sourceRateDen, 1);
    EXPECT_EQ(job.sourceFrameRate, 25.0);
    EXPECT_GT(job.videoBitRate, 50000);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_MP3);
    EXPECT_EQ(job.audioChannels, 1);
    EXPECT_EQ(job.audioSampleRate, 22050);
    EXPECT_GT(job.audioBitRate, 0);
    EXPECT_EQ(job.probeDurationSeconds, 2);
}

TEST_F(ProbeTest, AudioOnlyFileHasNoPictureAndKeepsThePreviousRate) {
    ASSERT_EQ(probe("ntsc.mkv"), 0);
    ASSERT_EQ(probe("song.mp3"), 0);
    EXPECT_TRUE(ProbeAccepted(0, job));
    EXPECT_EQ(job.videoStreamIndex, -1);
    EXPECT_EQ(job.audioStreamIndex, 0);
    EXPECT_EQ(job.sourceWidth, 0);
    EXPECT_EQ(job.sourceHeight, 0);
    EXPECT_EQ(job.videoCodecId, 0);
    EXPECT_EQ(job.videoBitRate, 0);
    EXPECT_EQ(job.videoCodecName, "");
    EXPECT_EQ(job.sourceRateNum, 30000);
    EXPECT_EQ(job.sourceRateDen, 1001);
    EXPECT_EQ(job.sourceFrameRate, 29.0);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_MP3);
    EXPECT_EQ(job.audioCodecName, "mp3");
    EXPECT_EQ(job.audioChannels, 2);
    EXPECT_EQ(job.audioSampleRate, 44100);
    EXPECT_EQ(job.audioBitRate, 128000);
    EXPECT_EQ(job.probeDurationSeconds, 2);
}

TEST_F(ProbeTest, ACoverPictureIsNotVideo) {
    ASSERT_EQ(probe("covered.mp3"), 0);
    ASSERT_EQ(testmedia::probe(path("covered.mp3")).streams.size(), 2u);  // the cover is there
    EXPECT_EQ(job.videoStreamIndex, -1);
    EXPECT_EQ(job.sourceWidth, 0);
    EXPECT_EQ(job.videoCodecId, 0);
    EXPECT_EQ(job.audioStreamIndex, 0);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_MP3);
    EXPECT_TRUE(ProbeAccepted(0, job));
}

TEST_F(ProbeTest, AStillPictureLastsTheStillLength) {
    for (const char* name : {"photo.jpg", "drawing.png"}) {
        job.stillPictureSeconds = 7;
        ASSERT_EQ(probe(name), 0) << name;
        EXPECT_TRUE(ProbeAccepted(0, job)) << name << ": a PNG was refused as invalid";
        EXPECT_EQ(job.probeDurationSeconds, 7) << name << ": not one frame's length";
        EXPECT_EQ(job.sourceWidth, 64);
    }
}

TEST_F(ProbeTest, DescribesAWaveFile) {
    ASSERT_EQ(probe("voice.wav"), 0);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_PCM_S16LE);
    EXPECT_EQ(job.audioChannels, 1);
    EXPECT_EQ(job.audioSampleRate, 8000);
    EXPECT_EQ(job.audioBitRate, 128000);
    EXPECT_EQ(job.probeDurationSeconds, 2);
}

// Reads give up at a stop: a probe when everything stops at once, a worker's
// source when its job is asked to stop.
TEST_F(ProbeTest, ReadsGiveUpWhenAskedToStop) {
    ASSERT_EQ(probe("voice.wav"), 0);
    AVConvert::abortNow = true;
    const int aborted = probe("voice.wav");
    AVConvert::abortNow = false;
    EXPECT_EQ(aborted, -1);

    AVConvert stopping;
    stopping.stopRequested = true;
    source::SourceFile source;
    EXPECT_EQ(source::openSource(path("voice.wav"), stopping, source), source::OpenResult::Failed);
    EXPECT_EQ(source.failure, "Cannot open the source: Immediate exit requested");
}

TEST_F(ProbeTest, VideoWithoutSoundClearsTheAudioFields) {
    ASSERT_EQ(probe("song.mp3"), 0);
    ASSERT_EQ(probe("mjpeg.avi"), 0);
    EXPECT_EQ(job.audioStreamIndex, -1);
    EXPECT_EQ(job.audioCodecId, 0);
    EXPECT_EQ(job.audioChannels, 0);
    EXPECT_EQ(job.audioSampleRate, 0);
    EXPECT_EQ(job.audioBitRate, 0);
    EXPECT_EQ(job.audioCodecName, "");
    EXPECT_EQ(job.videoCodecId, AV_CODEC_ID_MJPEG);
}

// The streams the conversion will use: the probe must not judge another one. The
// first sound track is the default one (the last one was taken once, whatever the
// flags said).
TEST_F(ProbeTest, TheDefaultOfTwoAudioTracksAndTheMainPictureAreDescribed) {
    ASSERT_EQ(probe("two-tracks.mkv"), 0);
    EXPECT_EQ(job.videoStreamIndex, 0) << "the default picture stream, not the last";
    EXPECT_EQ(job.sourceWidth, 160);
    EXPECT_EQ(job.audioStreamIndex, 1);
    EXPECT_EQ(job.audioSampleRate, 44100);
    EXPECT_EQ(job.audioChannels, 2);
    ASSERT_EQ(job.probeTracks.size(), 2u) << "every sound track is listed";
    EXPECT_EQ(job.probeTracks[1].streamIndex, 2);
    EXPECT_EQ(job.probeTracks[1].channels, 1);
    EXPECT_EQ(job.probeAudioTrack, 0);
    EXPECT_EQ(job.probeSubtitleTrack, -1);
}

// The track choice from the tracks' own flags and languages.
struct ChoiceCase {
    const char* name;
    const char* request;
    const char* preferred;
    std::vector<tracks::Track> tracks;
    int audio;     // expected position, -1 none
    int subtitle;  // expected position, -1 none
    bool fails = false;
    bool asked = false;  // the preferred language was asked for, not the desktop's
};
tracks::Track sound(const char* language, bool isDefault, int number) {
    tracks::Track t;
    t.number = number;
    t.language = language;
    t.isDefault = isDefault;
    return t;
}
tracks::Track text(const char* language, bool forced, int number) {
    tracks::Track t = sound(language, false, number);
    t.kind = tracks::TrackKind::Subtitle;
    t.forced = forced;
    return t;
}
class TrackChoiceTable : public ::testing::TestWithParam<ChoiceCase> {};
TEST_P(TrackChoiceTable, ChoosesAsAPersonExpects) {
    const ChoiceCase& c = GetParam();
    const auto request = tracks::TrackRequest::parse(c.request);
    ASSERT_TRUE(request) << c.request;
    const tracks::Choice audio = tracks::chooseAudio(c.tracks, *request, c.preferred, c.asked);
    const tracks::Choice subtitle = tracks::chooseSubtitle(c.tracks, *request, c.preferred);
    EXPECT_EQ(audio.track, c.audio);
    EXPECT_EQ(subtitle.track, c.subtitle);
    EXPECT_EQ(!audio.failure.empty() || !subtitle.failure.empty(), c.fails);
}
INSTANTIATE_TEST_SUITE_P(
    Tracks, TrackChoiceTable,
    ::testing::Values(
        ChoiceCase{"DefaultFlagBeforeLanguage", "", "en", {sound("jpn", true, 1), sound("eng", false, 2)}, 0, -1},
        ChoiceCase{"AskedLanguageBeforeDefaultFlag", "", "de", {sound("eng", true, 1), sound("ger", false, 2)}, 1, -1,
                   false, true},
        ChoiceCase{"AskedLanguageNoneHasTakesTheDefault", "", "fr", {sound("eng", false, 1), sound("ger", true, 2)}, 1,
                   -1, false, true},
        ChoiceCase{"LanguageAmongDefaults", "", "en", {sound("jpn", true, 1), sound("eng", true, 2)}, 1, -1},
        ChoiceCase{"ThreeLetterPreference", "", "eng", {sound("jpn", true, 1), sound("en", true, 2)}, 1, -1},
        ChoiceCase{"BothIso639_2Forms", "", "deu", {sound("jpn", false, 1), sound("ger", false, 2)}, 1, -1},
        ChoiceCase{"NoMatchTakesTheFirst", "", "fr", {sound("jpn", false, 1), sound("eng", false, 2)}, 0, -1},
        ChoiceCase{"NumberAsked", "2", "", {sound("jpn", true, 1), sound("eng", false, 2), text("eng", false, 1)}, 1,
                   -1, true},
        ChoiceCase{"LanguageAsked", "EN", "ja", {sound("jpn", true, 1), sound("eng", false, 2), text("eng", false, 1)},
                   1, 2},
        ChoiceCase{"MissingNumberFails", "3", "", {sound("jpn", true, 1), sound("eng", false, 2)}, -1, -1, true},
        ChoiceCase{"ForcedSubtitleOnly", "auto", "en", {sound("eng", true, 1), text("eng", false, 1), text("eng", true, 2)},
                   0, 2},
        ChoiceCase{"NoneAsked", "none", "en", {sound("eng", true, 1), text("eng", true, 1)}, 0, -1},
        ChoiceCase{"UnknownLanguageMeansNoSubtitles", "fra", "", {sound("eng", true, 1), text("eng", true, 1)}, 0,
                   -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrackRequests, ReadTheFormsPeopleType) {
    EXPECT_EQ(tracks::TrackRequest::parse("")->mode, tracks::TrackRequest::Mode::Auto);
    EXPECT_EQ(tracks::TrackRequest::parse("None")->mode, tracks::TrackRequest::Mode::None);
    EXPECT_EQ(tracks::TrackRequest::parse("12")->number, 12);
    EXPECT_EQ(tracks::TrackRequest::parse("jpn")->language, "jpn");
    for (const char* bad : {"0", "-1", "english", "e1", "1.5", "99999"}) EXPECT_FALSE(tracks::TrackRequest::parse(bad)) << bad;
    ::setenv("LANGUAGE", "", 1);
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_MESSAGES", "", 1);
    ::setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(tracks::desktopLanguage(), "de");
    ::setenv("LANGUAGE", "pt_BR:en", 1);
    EXPECT_EQ(tracks::desktopLanguage(), "pt");
    ::setenv("LANGUAGE", "", 1);
    ::setenv("LANG", "C.UTF-8", 1);
    EXPECT_EQ(tracks::desktopLanguage(), "");
}

TEST_F(ProbeTest, ATimeBaseReportedAsRateBecomesAFrameRateAndNoLengthIsRejected) {
    ASSERT_EQ(probe("tick.h264"), 0);
    EXPECT_EQ(job.sourceRateNum, 90000);
    EXPECT_EQ(job.sourceRateDen, 1001);
    EXPECT_EQ(job.sourceFrameRate, 89.0);
    EXPECT_EQ(job.durationMicroseconds, AV_NOPTS_VALUE);
    EXPECT_LT(job.probeDurationSeconds, 0);
    EXPECT_FALSE(ProbeAccepted(0, job));
}

TEST_F(ProbeTest, VideoWithoutADecoderIsMinusFour) {
    EXPECT_EQ(probe("unknown-codec.avi"), -4);
    EXPECT_EQ(job.videoStreamIndex, 0);
    EXPECT_FALSE(ProbeAccepted(-4, job));
}

TEST_F(ProbeTest, AVideoDecoderThatWillNotOpenIsMinusFive) {
    EXPECT_EQ(probe("bad-depth.avi"), -5);
    EXPECT_FALSE(ProbeAccepted(-5, job));
}

TEST_F(ProbeTest, NonMediaIsRefusedWithoutHarm) {
    ASSERT_EQ(probe("pal.mp4"), 0);
    ASSERT_EQ(probe("ntsc.mkv"), 0);
    writeBytes(path("empty.mp4"), {});
    const std::string text = "Shopping list\nmilk\nbread\n";
    writeBytes(path("notes.txt"), {text.begin(), text.end()});
    writeBytes(path("notes"), {text.begin(), text.end()});
    auto mp4 = readBytes(path("pal.mp4"));
    writeBytes(path("truncated.mp4"), {mp4.begin(), mp4.begin() + static_cast<long>(mp4.size() / 3)});
    auto mkv = readBytes(path("ntsc.mkv"));
    std::fill(mkv.begin(), mkv.begin() + 64, '\x5a');
    writeBytes(path("damaged.mkv"), mkv);

    for (const char* name : {"empty.mp4", "notes.txt", "notes", "truncated.mp4", "damaged.mkv", "missing.mkv"}) {
        job.probePath = path(name);
        const int result = ProbeMedia(job);
        EXPECT_LT(result, 0) << name;
        EXPECT_FALSE(ProbeAccepted(result, job)) << name;
        EXPECT_EQ(job.videoStreamIndex, -1) << name;
        EXPECT_EQ(job.audioStreamIndex, -1) << name;
    }
    // A folder is not a media file either.
    job.probePath = dir->path().string();
    EXPECT_LT(ProbeMedia(job), 0);
}

TEST_F(ProbeTest, OddFileNamesAreLocalFiles) {
    ASSERT_EQ(probe("pal.mp4"), 0);
    const std::string odd = "take:2 été, 50% (final).mp4";
    fs::copy_file(path("pal.mp4"), path(odd));
    job.probePath = path(odd);
    EXPECT_EQ(ProbeMedia(job), 0);
    EXPECT_EQ(job.sourceWidth, 160);

    // Relative to the working folder, the part before ":" is not a protocol.
    const fs::path before = fs::current_path();
    fs::current_path(dir->path());
    job.probePath = odd;
    const int relative = ProbeMedia(job);
    fs::current_path(before);
    EXPECT_EQ(relative, 0);

    // A URL names no local file.
    job.probePath = "http://127.0.0.1:9/clip.mp4";
    EXPECT_EQ(ProbeMedia(job), -1);
}

TEST(ProbeAcceptance, NeedsSuccessAndAKnownLength) {
    AVConvert job;
    job.probeStartSeconds = 0;
    job.probeDurationSeconds = 0;
    EXPECT_TRUE(ProbeAccepted(0, job));
    EXPECT_FALSE(ProbeAccepted(-2, job));
    job.probeDurationSeconds = -1;
    EXPECT_FALSE(ProbeAccepted(0, job));
    job.probeDurationSeconds = 5;
    job.probeStartSeconds = -1;
    EXPECT_FALSE(ProbeAccepted(0, job));
}
