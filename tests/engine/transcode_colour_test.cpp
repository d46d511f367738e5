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
// full-range (JPEG) values, tagged so. standardSource: a 720x480 clip in BT.601
// without tags, as old camcorders and DVDs give them.
bool makeHdBars(const std::string& path, bool fullRange = false, bool standardSource = false) {
    const std::string range = fullRange ? "pc" : "tv";
    if (standardSource)
        return ffmpeg("-f lavfi -i \"color=c=black:s=72x48:r=25:d=1," + std::string(kPatches) +
                      ",scale=w=720:h=480:flags=neighbor:out_color_matrix=bt601:out_range=tv,format=yuv420p\" "
                      "-f lavfi -i sine=sample_rate=48000:d=1 -c:v libx264 -preset ultrafast -qp 0 -c:a aac " +
                      testmedia::shellQuote(path));
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
    bool sdSource;     // an untagged 720x480 BT.601 source instead of the 1080p one
    bool bt601;        // the patches must have BT.601's values (else BT.709's)
    const char* tags;  // ffprobe's range,space,transfer,primaries; "" where the format holds none
};

void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }

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
    ASSERT_TRUE(makeHdBars(src, c.fullRange, c.sdSource));
    convert(src, out, c);
    expectPatches(out, c.bt601);
    // The thumbnail reads the output's values with the output's matrix.
    const auto red = colourAt(dir.file("out.THM"), 0, 0.125, 0.5);
    EXPECT_GE(red[0], 245) << red[0] << "," << red[1] << "," << red[2];
    EXPECT_LE(red[1] + red[2], 12) << red[0] << "," << red[1] << "," << red[2];
    if (*c.tags) {
        EXPECT_EQ(videoField(out, "color_range,color_space,color_transfer,color_primaries"), c.tags);
    }
}

using namespace codecmap;
constexpr const char* kSdTags = "tv,smpte170m,smpte170m,smpte170m";
constexpr const char* kHdTags = "tv,bt709,bt709,bt709";
INSTANTIATE_TEST_SUITE_P(
    Profiles, TranscodeColour,
    ::testing::Values(ColourCase{"ps3_h264_sd", ".mp4", kVideoH264, kAudioAac, 720, 480, false, false, true, kSdTags},
                      ColourCase{"psp_h264", ".mp4", kVideoH264, kAudioAac, 480, 272, false, false, true, kSdTags},
                      ColourCase{"psp_mpeg4", ".mp4", kVideoMpeg4, kAudioAac, 368, 208, false, false, true, kSdTags},
                      ColourCase{"ps3_mpeg2_ps", ".mpg", kVideoMpeg2, kAudioMp2, 720, 480, false, false, true, kSdTags},
                      ColourCase{"ps3_divx_avi", ".avi", kVideoXvid, kAudioMp3, 720, 480, false, false, true, ""},
                      ColourCase{"ps3_wmv", ".wmv", kVideoWmv2, kAudioWmav2, 720, 480, false, false, true, ""},
                      ColourCase{"ps3_h264_hd", ".mp4", kVideoH264, kAudioAac, 1280, 720, false, false, false, kHdTags},
                      ColourCase{"ps3_mpeg2_ts_hd", ".ts", kVideoMpeg2, kAudioMp2, 1280, 720, false, false, false, kHdTags},
                      ColourCase{"full_range_to_sd", ".mp4", kVideoH264, kAudioAac, 720, 480, true, false, true, kSdTags},
                      ColourCase{"full_range_to_hd", ".mp4", kVideoH264, kAudioAac, 1280, 720, true, false, false, kHdTags},
                      ColourCase{"untagged_sd_to_hd", ".mp4", kVideoH264, kAudioAac, 1280, 720, false, true, false,
                                 kHdTags}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Transparency ----

struct AlphaCase {
    const char* name;
    const char* file;   // the source's name; its extension picks the container
    const char* codec;  // ffmpeg's encoder options for it
};

void PrintTo(const AlphaCase& c, std::ostream* os) { *os << c.name; }

class TranscodeAlpha : public ::testing::TestWithParam<AlphaCase> {
protected:
    testmedia::TempDir dir;
};

// A red disc on transparency whose hidden pixels are red too (what a program
// leaves under transparent pixels is anybody's guess): composited on black, the
// corners are black and the disc stays red.
TEST_P(TranscodeAlpha, TransparentPixelsAreBlack) {
    const AlphaCase& c = GetParam();
    const std::string src = dir.file(c.file), out = dir.file("alpha.mp4");
    ASSERT_TRUE(ffmpeg("-f lavfi -i \"color=c=red:s=320x240:r=25:d=1,format=rgba,geq=r=255:g=0:b=0:"
                       "a='if(lt(hypot(X-160,Y-120),80),255,0)'\" " + std::string(c.codec) + " " +
                       testmedia::shellQuote(src)));
    AVConvert job;
    Settings s;
    s.width = 320;
    s.height = 240;
    fillJob(job, {src}, {out}, s);
    setClip(job, 0, 0, 1);
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted) << job.failureReason(0);
    const auto corner = colourAt(out, 5, 0.05, 0.05);
    EXPECT_LT(corner[0] + corner[1] + corner[2], 40) << corner[0] << "," << corner[1] << "," << corner[2];
    EXPECT_TRUE(isRed(colourAt(out, 5, 0.5, 0.5)));
}

INSTANTIATE_TEST_SUITE_P(Sources, TranscodeAlpha,
                         ::testing::Values(AlphaCase{"quicktime_animation", "disc.mov", "-c:v qtrle -pix_fmt argb"},
                                           AlphaCase{"png_picture", "disc.png", "-frames:v 1"},
                                           AlphaCase{"ffv1_yuva", "disc.mkv", "-c:v ffv1 -pix_fmt yuva420p"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- HDR sources ----

struct HdrCase {
    const char* name;
    const char* transfer;  // zscale's name of the source's transfer
    bool lightLevels;      // mastering display and content light level (MaxCLL 200) in the stream
    int width, height;     // the output frame
    double peak;           // the tone-mapper's peak the reference is made with
};

// SMPTE bars as a phone would record them: HEVC Main10, BT.2020, PQ or HLG.
bool makeHdrBars(const std::string& path, const HdrCase& c) {
    const std::string transfer = c.transfer;
    std::string x265 = "log-level=error:colorprim=bt2020:transfer=" + transfer + ":colormatrix=bt2020nc";
    if (c.lightLevels)
        x265 += ":master-display=G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)L(2000000,1):max-cll=200,100";
    return ffmpeg("-f lavfi -i \"smptehdbars=s=640x360:r=25:d=1,zscale=tin=709:min=709:pin=709:rin=limited:t=" +
                  transfer + ":m=2020_ncl:p=2020:npl=100,format=yuv420p10le\" -f lavfi -i sine=sample_rate=48000:d=1 "
                  "-c:v libx265 -preset ultrafast -x265-params " + testmedia::shellQuote(x265) + " -pix_fmt yuv420p10le -c:a aac " +
                  testmedia::shellQuote(path));
}

// The same source tone-mapped by the ffmpeg command line with the same filters.
bool makeToneMapReference(const std::string& source, const std::string& path, const HdrCase& c) {
    char chain[512];
    std::snprintf(chain, sizeof chain,
                  "zscale=t=linear:npl=100,format=gbrpf32le,zscale=p=709,tonemap=tonemap=hable:desat=0:peak=%g,"
                  "zscale=t=709:m=709:r=limited,format=yuv420p,scale=w=%d:h=%d:flags=bicubic:in_color_matrix=bt709:"
                  "out_color_matrix=%s",
                  c.peak, c.width, c.height, c.height < 720 ? "bt601" : "bt709");
    return ffmpeg("-i " + testmedia::shellQuote(source) + " -vf \"" + chain + "\" -an -c:v libx264 -qp 0 " +
                  testmedia::shellQuote(path));
}

double meanOf(const std::vector<std::pair<double, double>>& rows) {
    double sum = 0;
    for (const auto& row : rows) sum += row.second;
    return rows.empty() ? -1 : sum / rows.size();
}

void PrintTo(const HdrCase& c, std::ostream* os) { *os << c.name; }

class TranscodeHdr : public ::testing::TestWithParam<HdrCase> {
protected:
    testmedia::TempDir dir;
};

TEST_P(TranscodeHdr, ToneMappedLikeTheReference) {
    const HdrCase& c = GetParam();
    const std::string src = dir.file("hdr.mp4"), ref = dir.file("reference.mp4"), out = dir.file("sdr.mp4");
    ASSERT_TRUE(makeHdrBars(src, c));
    ASSERT_TRUE(makeToneMapReference(src, ref, c));
    AVConvert job;
    Settings s;
    s.width = c.width;
    s.height = c.height;
    s.sampleRate = 48000;
    s.videoBitRate = 4000000;
    fillJob(job, {src}, {out}, s);
    setClip(job, 0, 0, 1);
    runWorker(TranscodeWorker, job);
    ASSERT_EQ(job.fileState[0].load(), kRowCompleted) << job.failureReason(0);
    for (const char* stat : {"lavfi.signalstats.SATAVG", "lavfi.signalstats.YAVG"}) {
        const double want = meanOf(measure("movie=" + ref + ",signalstats", stat));
        const double got = meanOf(measure("movie=" + out + ",signalstats", stat));
        ASSERT_GT(want, 0) << stat;
        EXPECT_NEAR(got / want, 1.0, 0.15) << stat << ": " << got << " against " << want;
    }
    EXPECT_EQ(videoField(out, "color_transfer"), c.height < 720 ? "smpte170m" : "bt709");
}

INSTANTIATE_TEST_SUITE_P(
    Sources, TranscodeHdr,
    ::testing::Values(HdrCase{"pq_hdr10_to_hd", "smpte2084", true, 1280, 720, 2},
                      HdrCase{"pq_untold_peak_to_psp", "smpte2084", false, 480, 272, 100},
                      HdrCase{"hlg_to_psp", "arib-std-b67", false, 480, 272, 10},
                      HdrCase{"hlg_to_sd", "arib-std-b67", false, 720, 480, 10}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
