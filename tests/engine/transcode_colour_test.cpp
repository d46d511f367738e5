// Colours of converted rows: the matrix an output's size implies (BT.601 for
// standard definition, BT.709 for HD), the range, the colour tags each format can
// hold, and HDR sources tone-mapped to SDR.

#include "engine/PictureColour.h"
#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"

using namespace pipelinetest;

namespace {

// Four full-height patches in RGB: red, green, blue, white.
constexpr const char* kPatches =
    "format=gbrp,geq=r='if(lt(X,W/4)+gte(X,3*W/4),255,0)':g='if(between(X,W/4,W/2-1)+gte(X,3*W/4),255,0)'"
    ":b='if(gte(X,W/2),255,0)'";

struct Ycc {
    double y, cb, cr;
};
// The patches' values in limited range, by matrix.
constexpr Ycc kBt601[] = {{81.5, 90.2, 240.0}, {144.6, 53.8, 34.2}, {41.0, 240.0, 109.8}, {235, 128, 128}};
constexpr Ycc kBt709[] = {{62.6, 102.3, 240.0}, {172.6, 41.7, 26.3}, {31.8, 240.0, 117.7}, {235, 128, 128}};

// A 1080p clip of the patches in BT.709, tagged so; fullRange writes them as
// full-range (JPEG) values, tagged so.
bool makeHdBars(const std::string& path, bool fullRange = false) {
    const std::string range = fullRange ? "pc" : "tv";
    // Drawn small and enlarged: the expression per pixel of a full HD frame is slow.
    return ffmpeg("-f lavfi -i \"color=c=black:s=192x108:r=25:d=1," + std::string(kPatches) +
                  ",scale=w=1920:h=1080:flags=neighbor:out_color_matrix=bt709:out_range=" + range + ",format=" +
                  (fullRange ? "yuvj420p" : "yuv420p") +
                  "\" -f lavfi -i sine=sample_rate=48000:d=1 -c:v libx264 -preset ultrafast -qp 0 -colorspace bt709 "
                  "-color_primaries bt709 -color_trc bt709 -color_range " + range + " -c:a aac " +
                  testmedia::shellQuote(path));
}

// Y, Cb, Cr as stored (no conversion) at the middle of each quarter of picture 10.
std::vector<Ycc> patchValues(const std::string& path) {
    std::string shape;
    testmedia::runCommand("ffprobe -v error -select_streams v:0 -show_entries stream=width,height -of csv=p=0 " +
                              testmedia::shellQuote(path),
                          &shape);
    int w = 0, h = 0;
    if (std::sscanf(shape.c_str(), "%d,%d", &w, &h) != 2 || w <= 0 || h <= 0) return {};
    std::string raw;
    testmedia::runCommand("ffmpeg -nostdin -v error -i " + testmedia::shellQuote(path) +
                              " -vf \"select='eq(n,10)'\" -frames:v 1 -f rawvideo -pix_fmt yuv420p -",
                          &raw);
    if (raw.size() < std::size_t(w) * h * 3 / 2) return {};
    std::vector<Ycc> values;
    const int y = h / 2;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int x = w * (2 * quarter + 1) / 8;
        const std::size_t chroma = std::size_t(y / 2) * (w / 2) + x / 2;
        values.push_back({double(static_cast<unsigned char>(raw[std::size_t(y) * w + x])),
                          double(static_cast<unsigned char>(raw[std::size_t(w) * h + chroma])),
                          double(static_cast<unsigned char>(raw[std::size_t(w) * h * 5 / 4 + chroma]))});
    }
    return values;
}

struct ColourCase {
    const char* name;
    const char* extension;
    int video;
    int audio;
    int width, height;
    bool fullRange;    // the source's values are full range (JPEG), tagged so
    bool bt601;        // the patches must have BT.601's values (else BT.709's)
    const char* tags;  // ffprobe's range,space,transfer,primaries; "" where the format holds none
};

class TranscodeColour : public ::testing::TestWithParam<ColourCase> {
protected:
    void convert(const std::string& src, const std::string& out, const ColourCase& c) {
        AVConvert job;
        Settings s;
        s.videoCodecId = c.video;
        s.audioCodecId = c.audio;
        s.width = c.width;
        s.height = c.height;
        s.frameRate = 29.97;
        s.sampleRate = 48000;
        s.videoBitRate = 6000000;
        s.audioBitRate = 128000;
        fillJob(job, {src}, {out}, s);
        setClip(job, 0, 0, 1);
        runWorker(TranscodeWorker, job);
        ASSERT_EQ(job.fileState[0].load(), kRowCompleted) << job.failureReason(0);
    }
    void expectPatches(const std::string& out, bool bt601) {
        const std::vector<Ycc> got = patchValues(out);
        ASSERT_EQ(got.size(), 4u);
        const Ycc* want = bt601 ? kBt601 : kBt709;
        const char* names[] = {"red", "green", "blue", "white"};
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(got[i].y, want[i].y, 3) << names[i] << " luma";
            EXPECT_NEAR(got[i].cb, want[i].cb, 3) << names[i] << " Cb";
            EXPECT_NEAR(got[i].cr, want[i].cr, 3) << names[i] << " Cr";
        }
    }
    testmedia::TempDir dir;
};

TEST_P(TranscodeColour, PatchesHaveTheOutputsMatrixRangeAndTags) {
    const ColourCase& c = GetParam();
    const std::string src = dir.file("bars.mp4"), out = dir.file(std::string("out") + c.extension);
    ASSERT_TRUE(makeHdBars(src, c.fullRange));
    convert(src, out, c);
    expectPatches(out, c.bt601);
    if (*c.tags) {
        EXPECT_EQ(videoField(out, "color_range,color_space,color_transfer,color_primaries"), c.tags);
    }
}

using namespace codecmap;
constexpr const char* kSdTags = "tv,smpte170m,smpte170m,smpte170m";
constexpr const char* kHdTags = "tv,bt709,bt709,bt709";
INSTANTIATE_TEST_SUITE_P(
    Profiles, TranscodeColour,
    ::testing::Values(ColourCase{"ps3_h264_sd", ".mp4", kVideoH264, kAudioAac, 720, 480, false, true, kSdTags},
                      ColourCase{"psp_h264", ".mp4", kVideoH264, kAudioAac, 480, 272, false, true, kSdTags},
                      ColourCase{"psp_mpeg4", ".mp4", kVideoMpeg4, kAudioAac, 368, 208, false, true, kSdTags},
                      ColourCase{"ps3_mpeg2_ps", ".mpg", kVideoMpeg2, kAudioMp2, 720, 480, false, true, kSdTags},
                      ColourCase{"ps3_divx_avi", ".avi", kVideoXvid, kAudioMp3, 720, 480, false, true, ""},
                      ColourCase{"ps3_wmv", ".wmv", kVideoWmv2, kAudioWmav2, 720, 480, false, true, ""},
                      ColourCase{"ps3_h264_hd", ".mp4", kVideoH264, kAudioAac, 1280, 720, false, false, kHdTags},
                      ColourCase{"ps3_mpeg2_ts_hd", ".ts", kVideoMpeg2, kAudioMp2, 1280, 720, false, false, kHdTags},
                      ColourCase{"full_range_to_sd", ".mp4", kVideoH264, kAudioAac, 720, 480, true, true, kSdTags},
                      ColourCase{"full_range_to_hd", ".mp4", kVideoH264, kAudioAac, 1280, 720, true, false, kHdTags}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
