#pragma once
// Whether a source's streams can go into a device's file as they are, without
// being decoded and encoded again. The device's limits are data (the table lives
// with the profiles, profiles/DeviceLimits.h); the rules that hold a stream against
// them live here, where the streams are read. Pure functions, any thread.
//
//   const copycheck::DeviceLimits* device = DeviceLimitsFor(profileCode);
//   copycheck::Verdict v = copycheck::checkVideo(*device, copycheck::videoFacts(*stream), "mp4");
//   v.copyable  // or v.reason: "level 5.1 is above the PS3's 4.1"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace copycheck {

// H.264 profiles a device takes, as bits.
enum H264Profiles : unsigned {
    kBaseline = 1u << 0,  // constrained baseline included
    kMain = 1u << 1,
    kHigh = 1u << 2,
};

// What a device plays in one container: the muxer's name and the codecs.
struct ContainerRule {
    std::string_view muxer;  // FFmpeg's muxer name ("mp4", "mpegts", "mpeg")
    bool h264 = false;       // H.264 video within the device's H.264 limits
    bool aac = false;        // AAC-LC within aacMaxChannels and aacRates
    bool ac3 = false;        // AC-3, any layout up to 5.1
    bool mp2 = false;        // MPEG-1 layer II
};

constexpr int kMaxContainers = 5;
constexpr int kMaxRates = 4;

// The limits of one device (one firmware generation where they differ). Sizes are
// the device's own, not a profile's chosen output size.
struct DeviceLimits {
    std::string_view device;    // "PS3", "PSP" (used in the reasons)
    std::string_view firmware;  // "firmware 3.30", "video out"; "" when every firmware plays the same
    int maxWidth = 0;
    int maxHeight = 0;
    long maxPixels = 0;          // width * height; 0 = maxWidth * maxHeight
    double maxFrameRate = 0;     // pictures per second
    unsigned h264Profiles = 0;   // H264Profiles bits
    int h264Level = 0;           // ten times the highest level (41 = 4.1)
    int maxReferenceFrames = 0;  // the device's own cap, besides the level's buffer
    bool singleSlice = false;    // pictures of more than one slice are not decoded
    int aacMaxChannels = 2;
    int aacRates[kMaxRates] = {};  // sample rates that play; all zero = any
    ContainerRule containers[kMaxContainers] = {};
    // Where maxPixels is below maxWidth * maxHeight: two sizes the maker lists for
    // it (width, height, width, height), named with the limit in the reason.
    int pixelSizes[4] = {};
};

// What the rules read of a video stream: the container's and the codec's own
// header (the H.264 sequence header where there is one).
struct VideoFacts {
    AVCodecID codec = AV_CODEC_ID_NONE;
    int profile = FF_PROFILE_UNKNOWN;  // AVCodecParameters::profile values
    int level = 0;                     // ten times the level
    int bitDepth = 8;
    int chroma = 1;                    // chroma_format_idc: 1 = 4:2:0, 2 = 4:2:2, 3 = 4:4:4
    int referenceFrames = 0;           // max_num_ref_frames; 0 when unknown
    bool interlacedCoding = false;     // fields or field/frame macroblock pairs may occur
    AVFieldOrder fieldOrder = AV_FIELD_UNKNOWN;
    int width = 0;
    int height = 0;
    double frameRate = 0;
    double rotation = 0;               // degrees from the display matrix
    AVRational sampleAspect{0, 1};     // {0,1} or {1,1}: square pixels
    int slices = 1;                    // slices of the first picture (1 when unknown)
};

// Reads a video stream's facts; the first packet (may be null) gives the slice count.
VideoFacts videoFacts(const AVStream& stream, const AVPacket* firstPacket = nullptr);

struct Verdict {
    bool copyable = false;
    std::string reason;  // why not, in words for a person; "" when copyable
};

// The video stream against the device in the given container.
Verdict checkVideo(const DeviceLimits& device, const VideoFacts& facts, std::string_view muxer);
// The sound stream against the device in the given container.
Verdict checkSound(const DeviceLimits& device, const AVCodecParameters& sound, std::string_view muxer);

// The same without the firmware named after the reason.
Verdict checkVideoOnly(const DeviceLimits& device, const VideoFacts& facts, std::string_view muxer);
Verdict checkSoundOnly(const DeviceLimits& device, const AVCodecParameters& sound, std::string_view muxer);

// "PS3", "PSP": the device's name in the reasons.
std::string deviceName(const DeviceLimits& device);
// "4.1" from 41.
std::string levelText(int level);

// The sequence header of an H.264 stream (from avcC or Annex B extradata); false
// when there is none or it cannot be read. Fills profile, level, bit depth,
// chroma, reference frames, interlaced coding.
bool readH264Header(const std::uint8_t* data, int size, VideoFacts& facts);
// Slices in one H.264 packet (length-prefixed when lengthSize > 0, else Annex B).
int countH264Slices(const std::uint8_t* data, int size, int lengthSize);

}  // namespace copycheck
