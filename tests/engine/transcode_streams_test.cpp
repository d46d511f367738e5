// Stream layouts and encoders of converted rows: audio-only and video-only sources,
// audio-only outputs, down-mix, frame-rate choice, and one row per encoder family.

#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"

#include <fstream>

using namespace pipelinetest;

namespace {

class TranscodeStreams : public ::testing::Test {
protected:
    std::string make(const std::string& name, testmedia::ClipSpec shape) {
        const std::string path = dir.file(name);
        EXPECT_TRUE(testmedia::makeClip(path, shape)) << name;
        return path;
    }
    testmedia::ClipSpec shape(double seconds, const std::string& size, int rate, int channels = 2) {
        testmedia::ClipSpec s;
        s.seconds = seconds;
        s.videoSize = size;
        s.sampleRate = rate;
        s.channels = channels;
        s.extraArgs = size.empty() ? "" : "-c:v libx264 -preset ultrafast";
        return s;
    }
    void convert(AVConvert& job, const std::string& src, const std::string& out, double begin, double end,
                 const Settings& s = {}) {
        fillJob(job, {src}, {out}, s);
        setClip(job, 0, begin, end);
        runWorker(TranscodeWorker, job);
    }
    testmedia::TempDir dir;
};

// Sound alone to a video profile: the sound's cover (not taken for the file's own
// video) or a black frame is the picture for the sound's whole length, the clip
// end honoured on the audio clock.
struct SoundCase {
    const char* name;
    const char* source;  // extension of the sound file
    bool cover;          // a red attached picture
    double seconds;      // length of the sound
    double clipEnd;
};

class TranscodeSound : public TranscodeStreams, public ::testing::WithParamInterface<SoundCase> {};

TEST_P(TranscodeSound, TheCoverOrBlackIsThePictureForTheWholeSound) {
    const SoundCase& c = GetParam();
    const std::string cover = dir.file("cover.png"), song = dir.file(std::string("song") + c.source);
    const std::string out = dir.file("song.mp4");
    ASSERT_TRUE(ffmpeg("-f lavfi -i color=c=red:s=64x64 -frames:v 1 " + testmedia::shellQuote(cover)));
    const std::string sound = "-f lavfi -i sine=sample_rate=44100:d=" + std::to_string(c.seconds);
    ASSERT_TRUE(c.cover ? ffmpeg(sound + " -i " + testmedia::shellQuote(cover) +
                                 " -map 0 -map 1 -c:a libmp3lame -c:v png -disposition:v attached_pic " +
                                 testmedia::shellQuote(song))
                        : ffmpeg(sound + " -c:a aac " + testmedia::shellQuote(song)));
    AVConvert job;
    convert(job, song, out, 0, c.clipEnd);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted) << job.failureReason(0);
    const auto info = testmedia::probe(out);
    ASSERT_TRUE(info.video()) << "a video profile's output plays as a video";
    ASSERT_TRUE(info.audio());
    const double length = std::min(c.seconds, c.clipEnd);
    EXPECT_NEAR(streamDuration(out, "a:0"), length, 0.2);
    EXPECT_NEAR(streamDuration(out, "v:0"), length, 0.2);
    const auto colour = colourAt(out, 10, 0.5, 0.5);
    if (c.cover) {
        EXPECT_TRUE(isRed(colour)) << colour[0] << "," << colour[1] << "," << colour[2];
    } else {
        EXPECT_LT(colour[0] + colour[1] + colour[2], 30) << "black";
    }
    EXPECT_TRUE(std::filesystem::exists(dir.file("song.THM")));
}

INSTANTIATE_TEST_SUITE_P(Songs, TranscodeSound,
                         ::testing::Values(SoundCase{"m4a_without_cover_clipped", ".m4a", false, 4, 2.5},
                                           SoundCase{"mp3_with_cover", ".mp3", true, 2, 2},
                                           SoundCase{"longer_than_a_repeated_gap", ".mp3", true, 15, 15}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TranscodeStreams, VideoOnlySourceHonoursTheClipOnTheVideoClock) {
    const std::string src = make("silent.mp4", shape(4, "160x120", 0));
    AVConvert job;
    convert(job, src, dir.file("silent-out.mp4"), 0, 2.5);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    const auto info = testmedia::probe(dir.file("silent-out.mp4"));
    EXPECT_FALSE(info.audio());
    ASSERT_TRUE(info.video());
    EXPECT_NEAR(streamDuration(dir.file("silent-out.mp4"), "v:0"), 2.5, 0.2);
}

TEST_F(TranscodeStreams, VideoOnlySourceKeepsItsSpeedAtAnotherRate) {
    const std::string src = make("silent.mp4", shape(3, "160x120", 0));
    for (double rate : {15.0, 29.97}) {
        AVConvert job;
        Settings s;
        s.frameRate = rate;
        const std::string out = dir.file("rate" + std::to_string(int(rate)) + ".mp4");
        convert(job, src, out, 0, 3, s);
        ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
        EXPECT_NEAR(streamDuration(out, "v:0"), 3.0, 0.2) << rate;
    }
}

TEST_F(TranscodeStreams, ClearedEncodeVideoGivesAudioOnly) {
    const std::string src = make("both.mp4", shape(2, "160x120", 44100));
    AVConvert job;
    Settings s;
    s.encodeVideo = false;
    s.audioCodecId = codecmap::kAudioMp3;
    s.thumbnailMode = -1;
    convert(job, src, dir.file("both.mp3"), 0, 2, s);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    const auto info = testmedia::probe(dir.file("both.mp3"));
    EXPECT_FALSE(info.video());
    ASSERT_TRUE(info.audio());
    EXPECT_EQ(info.audio()->codecName, "mp3");
    EXPECT_NEAR(streamDuration(dir.file("both.mp3"), "a:0"), 2.0, 0.2);
}

TEST_F(TranscodeStreams, FivePointOneIsMixedDownToAudibleStereo) {
    const std::string src = make("surround.mp4", shape(2, "", 48000, 6));
    ASSERT_EQ(testmedia::probe(src).audio()->channels, 6);
    AVConvert job;
    Settings s;
    s.sampleRate = 48000;
    convert(job, src, dir.file("stereo.mp4"), 0, 2, s);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    const auto info = testmedia::probe(dir.file("stereo.mp4"));
    ASSERT_TRUE(info.audio());
    EXPECT_EQ(info.audio()->channels, 2);
    EXPECT_EQ(info.audio()->sampleRate, 48000);
    const auto rms = measure("amovie=" + dir.file("stereo.mp4") + ",astats=metadata=1:reset=0",
                             "lavfi.astats.Overall.RMS_level");
    ASSERT_FALSE(rms.empty());
    // The source's -18 dBFS tone is in the centre channel alone, which a mix that
    // can never clip takes about 13 dB down.
    EXPECT_GT(rms.back().second, -40) << "the tone survives the mix";
}

// Sources whose channels the resampler must mix down, into the three audio profiles.
struct DownMixCase {
    const char* name;
    bool surround;  // loud 5.1 AC-3; otherwise a 10-channel WAV without a channel mask
    const char* extension;
    int audio;
};

class TranscodeDownMix : public TranscodeStreams, public ::testing::WithParamInterface<DownMixCase> {};

TEST_P(TranscodeDownMix, StereoIsAudibleAndNeverClips) {
    const DownMixCase& c = GetParam();
    const std::string src = dir.file(c.surround ? "loud.ac3" : "ten.wav");
    ASSERT_TRUE(c.surround ? makeLoudSurround(src) : makeUnmaskedWav(src));
    AVConvert job;
    Settings s;
    s.encodeVideo = false;
    s.audioCodecId = c.audio;
    s.audioBitRate = 128000;
    s.thumbnailMode = -1;
    const std::string out = dir.file(std::string("mix") + c.extension);
    convert(job, src, out, 0, 2, s);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    const auto info = testmedia::probe(out);
    ASSERT_TRUE(info.audio());
    EXPECT_EQ(info.audio()->channels, 2);
    EXPECT_NEAR(streamDuration(out, "a:0"), 2.0, 0.1);
    const Levels levels = audioLevels(out);
    EXPECT_GT(levels.rms, -20) << "the sound survives the mix";
    // Full scale (or more, in a float decode) means clipped samples.
    EXPECT_LT(levels.peak, -0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, TranscodeDownMix,
    ::testing::Values(DownMixCase{"surround_mp3", true, ".mp3", codecmap::kAudioMp3},
                      DownMixCase{"surround_aac", true, ".m4a", codecmap::kAudioAac},
                      DownMixCase{"surround_wav", true, ".wav", codecmap::kAudioPcmS16le},
                      DownMixCase{"unmasked_mp3", false, ".mp3", codecmap::kAudioMp3},
                      DownMixCase{"unmasked_aac", false, ".m4a", codecmap::kAudioAac},
                      DownMixCase{"unmasked_wav", false, ".wav", codecmap::kAudioPcmS16le}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TranscodeStreams, SoundTheResamplerCannotTakeFailsTheRow) {
    // More channels than the resampler takes (it stops at 64).
    const std::string src = dir.file("wide.wav");
    ASSERT_TRUE(ffmpeg("-f s16le -ar 48000 -ac 65 -i /dev/urandom -t 1.5 -c:a copy " + testmedia::shellQuote(src)));
    AVConvert job;
    Settings s;
    s.encodeVideo = false;
    s.audioCodecId = codecmap::kAudioMp3;
    s.thumbnailMode = -1;
    convert(job, src, dir.file("wide.mp3"), 0, 1.5, s);
    EXPECT_EQ(job.fileState[0].load(), kRowFailed) << "not a silent file reported done";
    EXPECT_FALSE(std::filesystem::exists(dir.file("wide.mp3")));
}

TEST_F(TranscodeStreams, FrameRateTableAndSourceRate) {
    const std::string src = make("thirty.mp4", shape(2, "160x120", 44100));
    struct Case {
        double rate;
        const char* expected;
    };
    for (const Case c : {Case{29.97, "30000/1001"}, Case{0, "25/1"}}) {
        AVConvert job;
        Settings s;
        s.frameRate = c.rate;
        const std::string out = dir.file("fps" + std::to_string(int(c.rate)) + ".mp4");
        convert(job, src, out, 0, 2, s);
        ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
        const auto info = testmedia::probe(out);
        ASSERT_TRUE(info.video());
        EXPECT_EQ(info.video()->frameRate, c.expected) << c.rate;
        EXPECT_NEAR(streamDuration(out, "v:0"), 2.0, 0.2);
    }
}

TEST_F(TranscodeStreams, RealMediaSourcePicturesAreStampedInOrder) {
    const std::string src = dir.file("src.rm");
    ASSERT_TRUE(ffmpeg("-f lavfi -i testsrc2=size=176x144:rate=25:duration=2 -f lavfi -i sine=sample_rate=44100:d=2 "
                       "-c:v rv20 -c:a ac3 -shortest " + testmedia::shellQuote(src)));
    AVConvert job;
    convert(job, src, dir.file("from-rm.mp4"), 0, 2);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_NEAR(streamDuration(dir.file("from-rm.mp4"), "v:0"), 2.0, 0.2);
    EXPECT_NEAR(streamDuration(dir.file("from-rm.mp4"), "a:0"), 2.0, 0.2);
}

TEST_F(TranscodeStreams, RmOutputKeepsTheSourceRate) {
    const std::string src = make("src.mp4", shape(2, "176x144", 44100));
    AVConvert job;
    Settings s;
    s.videoCodecId = codecmap::kVideoRv20;
    s.audioCodecId = codecmap::kAudioAc3;
    s.width = 176;
    s.height = 144;
    s.frameRate = 29.97;
    s.sampleRate = 44100;
    convert(job, src, dir.file("out.rm"), 0, 2, s);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    const auto info = testmedia::probe(dir.file("out.rm"));
    ASSERT_TRUE(info.video());
    EXPECT_EQ(info.video()->frameRate, "25/1");
}

TEST_F(TranscodeStreams, DescriptiveTagsAreCopied) {
    testmedia::ClipSpec s = shape(1, "160x120", 44100);
    s.extraArgs += " -metadata title=Holiday -metadata artist=Someone -metadata encoder_note=dropped";
    const std::string src = make("tagged.mp4", s);
    AVConvert job;
    convert(job, src, dir.file("tagged-out.mp4"), 0, 1);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    std::string tags;
    testmedia::runCommand("ffprobe -v error -show_entries format_tags=title,artist -of csv=p=0 " +
                              testmedia::shellQuote(dir.file("tagged-out.mp4")),
                          &tags);
    EXPECT_NE(tags.find("Holiday"), std::string::npos) << tags;
    EXPECT_NE(tags.find("Someone"), std::string::npos) << tags;
}

// Music to an audio profile keeps the tags each format holds, and an MP3 its cover.
TEST_F(TranscodeStreams, MusicKeepsItsTagsAndAnMp3ItsCover) {
    const std::string cover = dir.file("cover.png"), song = dir.file("song.m4a");
    ASSERT_TRUE(ffmpeg("-f lavfi -i color=c=red:s=64x64 -frames:v 1 " + testmedia::shellQuote(cover)));
    ASSERT_TRUE(ffmpeg("-f lavfi -i sine=sample_rate=44100:d=2 -i " + testmedia::shellQuote(cover) +
                       " -map 0 -map 1 -c:a aac -c:v png -disposition:v attached_pic -metadata title=Song -metadata "
                       "artist=Someone -metadata album=Record -metadata track=3 -metadata date=1999 " +
                       testmedia::shellQuote(song)));
    for (const auto& [extension, codec] : {std::pair{".mp3", codecmap::kAudioMp3}, {".wma", codecmap::kAudioWmav2},
                                           {".wav", codecmap::kAudioPcmS16le}}) {
        AVConvert job;
        Settings s;
        s.encodeVideo = false;
        s.audioCodecId = codec;
        s.thumbnailMode = -1;
        const std::string out = dir.file(std::string("song") + extension);
        convert(job, song, out, 0, 2, s);
        ASSERT_EQ(job.fileState[0].load(), kRowCompleted) << extension << ": " << job.failureReason(0);
        std::string tags;
        testmedia::runCommand("ffprobe -v error -show_entries format_tags=title,artist,album,track,date -of "
                              "default=nw=1 " + testmedia::shellQuote(out), &tags);
        for (const char* tag : {"title=Song", "artist=Someone", "album=Record", "track=3", "date=1999"})
            EXPECT_NE(tags.find(tag), std::string::npos) << extension << " lost " << tag << " in:\n" << tags;
        EXPECT_NEAR(streamDuration(out, "a:0"), 2.0, 0.2) << extension;
        if (std::string(extension) != ".mp3") continue;
        EXPECT_EQ(videoField(out, "codec_name,disposition=attached_pic"), "png") << "the cover";
        EXPECT_TRUE(isRed(colourAt(out, 0, 0.5, 0.5)));
    }
}

TEST_F(TranscodeStreams, MissingOutputFolderFailsTheRow) {
    const std::string src = make("src.mp4", shape(1, "160x120", 44100));
    AVConvert job;
    convert(job, src, dir.file("no-such-folder/out.mp4"), 0, 1);
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.file("no-such-folder")));
}

TEST_F(TranscodeStreams, TheDefaultVideoStreamIsConvertedNotTheLast) {
    const std::string src = dir.file("two.mp4");
    ASSERT_TRUE(ffmpeg("-f lavfi -i color=c=red:s=320x240:r=25:d=2 -f lavfi -i color=c=green:s=160x120:r=25:d=2 "
                       "-f lavfi -i sine=sample_rate=44100:d=2 -map 0 -map 1 -map 2 -c:v libx264 -preset ultrafast "
                       "-c:a aac " + testmedia::shellQuote(src)));
    AVConvert job;
    convert(job, src, dir.file("main.mp4"), 0, 2);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_TRUE(isRed(colourAt(dir.file("main.mp4"), 5, 0.5, 0.5))) << "the main picture, not the secondary";
}

TEST_F(TranscodeStreams, VideoWithoutOneDecodablePictureFailsTheRow) {
    // Every picture damaged: the sound alone would make an audio-only "video".
    const std::string src = dir.file("broken.avi");
    ASSERT_TRUE(ffmpeg("-f lavfi -i testsrc2=s=160x120:r=25:d=2 -f lavfi -i sine=sample_rate=44100:d=2 -c:v mjpeg "
                       "-c:a pcm_s16le -bsf:v noise=amount=1 " + testmedia::shellQuote(src)));
    AVConvert job;
    convert(job, src, dir.file("broken.mp4"), 0, 2);
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.file("broken.mp4")));
}

TEST_F(TranscodeStreams, ProgramStreamMuxerGetsTheEncodersBufferFigures) {
    const std::string src = make("src.mp4", shape(2, "320x240", 48000));
    AVConvert job;
    const Settings s{.videoCodecId = codecmap::kVideoMpeg2, .audioCodecId = codecmap::kAudioMp2, .width = 720,
                     .height = 480, .frameRate = 29.97, .videoBitRate = 3000000, .audioBitRate = 128000,
                     .sampleRate = 48000};
    av_log_set_level(AV_LOG_WARNING);
    testing::internal::CaptureStderr();
    convert(job, src, dir.file("ps.mpg"), 0, 2, s);
    const std::string log = testing::internal::GetCapturedStderr();
    av_log_set_level(AV_LOG_ERROR);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(log.find("buffer underflow"), std::string::npos) << log.substr(0, 400);
    EXPECT_EQ(log.find("VBV buffer size not set"), std::string::npos) << log.substr(0, 400);
}

// A still picture to a video profile: the picture for the clip's length, or the
// still length when no clip end was set; beyond the longest repeat of a gap too.
struct StillCase {
    const char* name;
    const char* extension;
    double clipEnd;  // 0: none set
    double seconds;  // the output's length
};

class TranscodeStill : public TranscodeStreams, public ::testing::WithParamInterface<StillCase> {};

TEST_P(TranscodeStill, PictureBecomesAVideoOfTheChosenLength) {
    const StillCase& c = GetParam();
    const std::string src = dir.file(std::string("picture") + c.extension), out = dir.file("picture.mp4");
    ASSERT_TRUE(ffmpeg("-f lavfi -i color=c=red:s=320x240 -frames:v 1 " + testmedia::shellQuote(src)));
    AVConvert job;
    job.stillPictureSeconds = 3;
    convert(job, src, out, 0, c.clipEnd);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted) << job.failureReason(0);
    EXPECT_NEAR(streamDuration(out, "v:0"), c.seconds, 0.1);
    EXPECT_TRUE(isRed(colourAt(out, 10, 0.5, 0.5)));
    EXPECT_TRUE(std::filesystem::exists(dir.file("picture.THM")));
}

INSTANTIATE_TEST_SUITE_P(Pictures, TranscodeStill,
                         ::testing::Values(StillCase{"jpeg_without_clip", ".jpg", 0, 3},
                                           StillCase{"png_clip_end", ".png", 4, 4},
                                           StillCase{"jpeg_longer_than_a_repeated_gap", ".jpg", 14, 14}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TranscodeStreams, StillPictureToAnAudioProfileFailsWithItsReason) {
    const std::string src = dir.file("picture.jpg");
    ASSERT_TRUE(ffmpeg("-f lavfi -i color=c=red:s=320x240 -frames:v 1 " + testmedia::shellQuote(src)));
    AVConvert job;
    Settings s;
    s.encodeVideo = false;
    s.audioCodecId = codecmap::kAudioMp3;
    s.thumbnailMode = -1;
    convert(job, src, dir.file("picture.mp3"), 0, 5, s);
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_EQ(job.failureReason(0), "A picture has no sound: convert it with a video profile");
    EXPECT_FALSE(std::filesystem::exists(dir.file("picture.mp3")));
}

struct EncoderCase {
    const char* name;
    const char* extension;
    int video;
    int audio;
    int width, height;
    double rate;
    int sampleRate;
    const char* videoName;  // ffprobe codec names; "" = no stream expected
    const char* audioName;
    int channels;  // one of the channel choices the family's audio encoder offers
};

class TranscodeEncoders : public TranscodeStreams, public ::testing::WithParamInterface<EncoderCase> {};

TEST_P(TranscodeEncoders, RowConvertsWithTheChosenCodecs) {
    const EncoderCase& c = GetParam();
    const std::string source = make("src.mp4", shape(2, "176x144", 44100));
    AVConvert job;
    Settings s;
    s.videoCodecId = c.video;
    s.audioCodecId = c.audio;
    s.width = c.width;
    s.height = c.height;
    s.frameRate = c.rate;
    s.sampleRate = c.sampleRate;
    s.encodeVideo = c.video != 0;
    s.videoBitRate = 400000;
    s.audioBitRate = 128000;
    s.channels = c.channels;
    const std::string out = dir.file(std::string("out") + c.extension);
    convert(job, source, out, 0, 2, s);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(job.progressPercent.load(), 100);
    const auto info = testmedia::probe(out);
    ASSERT_TRUE(info.ok);
    if (*c.videoName) {
        ASSERT_TRUE(info.video());
        EXPECT_EQ(info.video()->codecName, c.videoName);
        EXPECT_EQ(info.video()->width, c.width);
        EXPECT_EQ(info.video()->height, c.height);
        EXPECT_NEAR(streamDuration(out, "v:0"), 2.0, 0.2);
    } else {
        EXPECT_FALSE(info.video());
    }
    ASSERT_TRUE(info.audio());
    EXPECT_EQ(info.audio()->codecName, c.audioName);
    EXPECT_EQ(info.audio()->sampleRate, c.sampleRate);
    EXPECT_EQ(info.audio()->channels, c.channels);
    EXPECT_NEAR(streamDuration(out, "a:0"), 2.0, 0.2);
}

using namespace codecmap;
INSTANTIATE_TEST_SUITE_P(
    Families, TranscodeEncoders,
    ::testing::Values(
        EncoderCase{"mpeg4_aac_mp4", ".mp4", kVideoMpeg4, kAudioAac, 320, 240, 29.97, 48000, "mpeg4", "aac", 1},
        EncoderCase{"xvid_mp3_avi", ".avi", kVideoXvid, kAudioMp3, 320, 240, 25, 44100, "mpeg4", "mp3", 2},
        EncoderCase{"mpeg1_mp2_mpg", ".mpg", kVideoMpeg1, kAudioMp2, 352, 240, 29.97, 44100, "mpeg1video", "mp2", 1},
        EncoderCase{"mpeg2_ac3_ts", ".ts", kVideoMpeg2, kAudioAc3, 320, 240, 25, 48000, "mpeg2video", "ac3", 6},
        EncoderCase{"wmv2_wma_wmv", ".wmv", kVideoWmv2, kAudioWmav2, 320, 240, 25, 44100, "wmv2", "wmav2", 1},
        EncoderCase{"msmpeg4_pcm_avi", ".avi", kVideoMsmpeg4v3, kAudioPcmS16le, 320, 240, 25, 44100, "msmpeg4v3",
                    "pcm_s16le", 2},
        EncoderCase{"mjpeg_pcm_avi", ".avi", kVideoMjpeg, kAudioPcmU8, 160, 120, 15, 22050, "mjpeg", "pcm_u8", 1},
        EncoderCase{"flv_mp3_flv", ".flv", kVideoFlv1, kAudioMp3, 320, 240, 25, 44100, "flv1", "mp3", 1},
        EncoderCase{"h263_aac_3gp", ".3gp", kVideoH263, kAudioAac, 176, 144, 15, 44100, "h263", "aac", 1},
        EncoderCase{"vorbis_ogg", ".ogg", 0, kAudioVorbis, 0, 0, 0, 44100, "", "vorbis", 2},
        EncoderCase{"flac", ".flac", 0, kAudioFlac, 0, 0, 0, 48000, "", "flac", 1},
        EncoderCase{"wav", ".wav", 0, kAudioPcmS16le, 0, 0, 0, 22050, "", "pcm_s16le", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// The sound track a row converts, told by the tone heard in the output: 440 Hz is
// the default "jpn" track, 1 kHz the "eng" one. The output's sound carries the
// chosen track's language.
struct SoundTrackCase {
    const char* name;
    const char* request;    // the task's request text
    const char* preferred;  // the preferred language asked for ("" = the desktop's)
    bool bothDefault;
    bool video;
    double tone;
    const char* languages[2] = {"jpn", "eng"};  // of the 440 Hz and the 1 kHz track
    const char* extension = ".mp4";
};
void PrintTo(const SoundTrackCase& c, std::ostream* os) { *os << c.name; }
class SoundTrackChoice : public ::testing::TestWithParam<SoundTrackCase> {
protected:
    testmedia::TempDir dir;
};

TEST_P(SoundTrackChoice, TheToneHeardIsTheTrackChosen) {
    const SoundTrackCase& c = GetParam();
    const std::string src = dir.file("two-languages.mkv"), out = dir.file(std::string("out") + c.extension);
    TracksShape shape;
    shape.seconds = 2;
    shape.secondIsDefault = c.bothDefault;
    shape.firstLanguage = c.languages[0];
    shape.secondLanguage = c.languages[1];
    ASSERT_TRUE(makeTracksClip(src, shape));
    AVConvert job;
    Settings s;
    s.encodeVideo = c.video;
    fillJob(job, {src}, {out}, s);
    setClip(job, 0, 0, 2);
    job.audioTracks = {c.request};
    job.preferredLanguage = c.preferred;
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted) << job.failureReason(0);
    EXPECT_NEAR(toneFrequency(out), c.tone, c.tone * 0.05);
    const testmedia::ProbeInfo info = testmedia::probe(out);
    ASSERT_TRUE(info.ok && info.audio());
    EXPECT_EQ(info.audio()->language, c.languages[c.tone > 700 ? 1 : 0]) << "the sound keeps its language";
}

INSTANTIATE_TEST_SUITE_P(
    Tracks, SoundTrackChoice,
    ::testing::Values(SoundTrackCase{"DefaultFlagged", "", "", false, true, 440},
                      // A language asked for wins over another track's default flag.
                      SoundTrackCase{"AskedLanguageBeforeTheDefaultFlag", "", "de", false, true, 1000, {"eng", "ger"}},
                      SoundTrackCase{"AskedLanguageIntoATransportStream", "", "en", false, true, 1000, {"jpn", "eng"},
                                     ".ts"},
                      SoundTrackCase{"PreferredAmongDefaults", "", "en", true, false, 1000},
                      SoundTrackCase{"FirstWithoutAMatch", "", "fr", true, false, 440},
                      SoundTrackCase{"NumberAsked", "2", "ja", false, true, 1000},
                      SoundTrackCase{"LanguageAsked", "eng", "", false, false, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoundTrackRequest, ATrackTheSourceLacksFailsTheRowWithAReason) {
    testmedia::TempDir dir;
    const std::string src = dir.file("two-languages.mkv"), out = dir.file("out.mp4");
    ASSERT_TRUE(makeTracksClip(src, {}));
    AVConvert job;
    fillJob(job, {src}, {out});
    setClip(job, 0, 0, 3);
    job.audioTracks = {"3"};
    runWorker(TranscodeWorker, job);
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    EXPECT_EQ(job.failureReason(0), "The source has no audio track 3");
    EXPECT_FALSE(std::filesystem::exists(out));
}

// A subtitle file the row cannot read fails the row with its name; a source whose
// name has the filter graph's special characters still gets its subtitles.
TEST(SubtitleFiles, AnUnreadableFileFailsTheRowAndOddNamesAreRead) {
    testmedia::TempDir dir;
    const std::string src = dir.file("it's [a], film; 1:2.mkv"), cues = dir.file("cues.srt");
    ASSERT_TRUE(writeSubtitleFile(cues, 1, 2));
    TracksShape shape;
    shape.subtitles = cues;
    shape.forced = true;
    ASSERT_TRUE(makeTracksClip(src, shape));
    std::FILE* junk = std::fopen(dir.file("it's [a], film; 1:2.srt").c_str(), "wb");
    ASSERT_NE(junk, nullptr);
    std::fwrite("\x00\x01\x02\x03", 1, 4, junk);
    std::fclose(junk);
    // Cues that would keep the text renderer busy for minutes on every picture.
    const std::string longCue = dir.file("long.mkv"), bigLetters = dir.file("big.mkv");
    std::filesystem::copy_file(src, longCue);
    std::filesystem::copy_file(src, bigLetters);
    std::ofstream(dir.file("long.srt")) << "1\n00:00:00,000 --> 00:00:02,000\n" << std::string(5000, 'W') << "\n\n";
    std::ofstream(dir.file("big.srt")) << "1\n00:00:00,000 --> 00:00:02,000\n<font size=\"100000\">big</font>\n\n";
    AVConvert job;
    Settings s;
    s.width = 320;
    s.height = 240;
    fillJob(job, {src, src, longCue, bigLetters},
            {dir.file("forced.mp4"), dir.file("beside.mp4"), dir.file("long.mp4"), dir.file("big.mp4")}, s);
    for (int row = 0; row < 4; ++row) setClip(job, row, 0, 3);
    job.subtitleTracks = {"", "2", "2", "2"};
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted) << job.failureReason(0);
    EXPECT_GT(brightPixels(dir.file("forced.mp4"), 37), 200);
    EXPECT_EQ(job.fileState[1].load(), kRowFailed);
    EXPECT_EQ(job.failureReason(1), "The subtitle file it's [a], film; 1:2.srt cannot be read");
    EXPECT_TRUE(job.failureReason(2).starts_with("The subtitle file long.srt has a cue of 50") &&
                job.failureReason(2).ends_with(" bytes, too long to draw"))
        << job.failureReason(2);
    EXPECT_EQ(job.failureReason(3), "The subtitle file big.srt asks for letters too large to draw");
}

// Subtitles burned into the picture: white text on a black source, seen in the
// pictures of the cue's time and in no other.
struct BurnCase {
    const char* name;
    const char* where;    // "inside": a text track of the source; "beside": a file beside it; "bitmap": a DVD track
    bool forced;
    const char* request;  // the task's request text
    double cueFrom, cueTo, clipBegin;
    bool drawn;
};
void PrintTo(const BurnCase& c, std::ostream* os) { *os << c.name; }
class BurnedSubtitles : public ::testing::TestWithParam<BurnCase> {
protected:
    testmedia::TempDir dir;
};

TEST_P(BurnedSubtitles, TextShowsOnlyWhileItsCueLasts) {
    const BurnCase& c = GetParam();
    const std::string src = dir.file("film.mkv"), out = dir.file("film.mp4");
    const bool beside = std::string(c.where) == "beside";
    const bool bitmap = std::string(c.where) == "bitmap";
    const std::string cues = beside ? dir.file("film.srt") : dir.file("cues.srt");
    ASSERT_TRUE(writeSubtitleFile(cues, c.cueFrom, c.cueTo));
    TracksShape shape;
    shape.seconds = 4;
    if (!beside && !bitmap) shape.subtitles = cues;
    shape.forced = c.forced;
    shape.keyEvery = 25;  // a seek to a clip's begin lands after a cue that started a second before
    if (bitmap) {
        ASSERT_TRUE(makeTracksClip(dir.file("plain.mkv"), shape));
        ASSERT_TRUE(addBitmapSubtitle(dir.file("plain.mkv"), src, c.cueFrom, c.cueTo));
    } else {
        ASSERT_TRUE(makeTracksClip(src, shape));
    }
    AVConvert job;
    Settings s;
    s.width = 320;
    s.height = 240;
    fillJob(job, {src}, {out}, s);
    setClip(job, 0, c.clipBegin, 4);
    job.subtitleTracks = {c.request};
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted) << job.failureReason(0);
    const double from = c.cueFrom - c.clipBegin, to = c.cueTo - c.clipBegin;
    const int during = brightPixels(out, static_cast<int>((std::max(from, 0.0) + to) / 2 * 25));
    if (c.drawn) EXPECT_GT(during, 200) << "text in the middle of the cue";
    else EXPECT_EQ(during, 0) << "no subtitles asked for";
    // From the cue's first picture on, not one later (25 pictures a second; the
    // source's pictures come 23 ms after the grid, so the output picture at the
    // cue's start still shows the source picture before it).
    const int first = static_cast<int>(std::lround(from * 25));
    if (from <= 0) {
        // A cue already on screen at the clip's begin shows from the first picture.
        if (c.drawn) {
            EXPECT_GT(brightPixels(out, 0), 200) << "the clip's first picture";
        }
    } else {
        if (c.drawn) {
            EXPECT_GT(brightPixels(out, first + 1), 200) << "the cue's first picture";
        }
        EXPECT_EQ(brightPixels(out, first - 1), 0) << "the picture before the cue";
        EXPECT_EQ(brightPixels(out, static_cast<int>((from - 0.3) * 25)), 0) << "before the cue";
    }
    EXPECT_EQ(brightPixels(out, static_cast<int>((to + 0.3) * 25)), 0) << "after the cue";
}

INSTANTIATE_TEST_SUITE_P(
    Tracks, BurnedSubtitles,
    ::testing::Values(BurnCase{"ForcedTrackByDefault", "inside", true, "", 1, 2, 0, true},
                      BurnCase{"UnforcedTrackNotByDefault", "inside", false, "", 1, 2, 0, false},
                      BurnCase{"TrackAskedByNumber", "inside", false, "1", 1, 2, 0, true},
                      BurnCase{"NoneAsked", "inside", true, "none", 1, 2, 0, false},
                      BurnCase{"FileBesideTheSource", "beside", false, "1", 1, 2, 0, true},
                      BurnCase{"ClipBeginShiftsTheCue", "inside", true, "", 2, 3, 1, true},
                      BurnCase{"BitmapTrackOverlaid", "bitmap", false, "1", 1, 2, 0, true},
                      BurnCase{"BitmapTrackAfterAClipBegin", "bitmap", false, "1", 2, 3, 1, true},
                      BurnCase{"BitmapCueOnScreenAtTheClipBegin", "bitmap", false, "1", 0.5, 3, 2, true},
                      BurnCase{"TextCueOnScreenAtTheClipBegin", "inside", true, "", 0.5, 3, 2, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
