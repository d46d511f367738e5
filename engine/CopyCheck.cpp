#include "engine/CopyCheck.h"

#include "engine/FrameRate.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

extern "C" {
#include <libavutil/display.h>
#include <libavutil/pixdesc.h>
}

namespace copycheck {
namespace {

// Reads the bits of one NAL unit whose emulation-prevention bytes were removed.
class BitReader {
public:
    explicit BitReader(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    bool failed() const { return m_failed; }
    unsigned bit() {
        if (m_pos >= m_bytes.size() * 8) {
            m_failed = true;
            return 0;
        }
        const unsigned value = (m_bytes[m_pos / 8] >> (7 - m_pos % 8)) & 1u;
        ++m_pos;
        return value;
    }
    unsigned bits(int count) {
        unsigned value = 0;
        for (int i = 0; i < count; ++i) value = (value << 1) | bit();
        return value;
    }
    unsigned ue() {
        int zeros = 0;
        while (!bit() && !m_failed)
            if (++zeros > 31) m_failed = true;
        return m_failed ? 0 : ((1u << zeros) - 1 + bits(zeros));
    }
    int se() {
        const unsigned value = ue();
        return (value & 1) ? static_cast<int>((value + 1) / 2) : -static_cast<int>(value / 2);
    }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

// The payload of a NAL unit (after its header byte) without the 0x03 bytes the
// encoder put in so that no start code appears inside it.
std::vector<std::uint8_t> payloadOf(const std::uint8_t* nal, int size) {
    std::vector<std::uint8_t> out;
    int zeros = 0;
    for (int i = 1; i < size; ++i) {
        if (zeros >= 2 && nal[i] == 3) {
            zeros = 0;
            continue;
        }
        zeros = nal[i] == 0 ? zeros + 1 : 0;
        out.push_back(nal[i]);
    }
    return out;
}

void skipScalingList(BitReader& reader, int size) {
    int last = 8, next = 8;
    for (int j = 0; j < size && !reader.failed(); ++j) {
        if (next != 0) next = (last + reader.se() + 256) % 256;
        last = next == 0 ? last : next;
    }
}

bool highProfileHeader(unsigned profileIdc) {
    static constexpr unsigned kHigh[] = {100, 110, 122, 244, 44, 83, 86, 118, 128, 138, 139, 134, 135};
    return std::find(std::begin(kHigh), std::end(kHigh), profileIdc) != std::end(kHigh);
}

bool readSequenceHeader(const std::uint8_t* nal, int size, VideoFacts& facts) {
    BitReader reader(payloadOf(nal, size));
    const unsigned profileIdc = reader.bits(8);
    const unsigned constraints = reader.bits(8);
    facts.level = static_cast<int>(reader.bits(8));
    reader.ue();  // seq_parameter_set_id
    facts.chroma = 1;
    facts.bitDepth = 8;
    if (highProfileHeader(profileIdc)) {
        facts.chroma = static_cast<int>(reader.ue());
        if (facts.chroma == 3) reader.bit();  // separate_colour_plane_flag
        facts.bitDepth = 8 + static_cast<int>(reader.ue());
        reader.ue();   // bit_depth_chroma_minus8
        reader.bit();  // qpprime_y_zero_transform_bypass_flag
        if (reader.bit())
            for (int i = 0; i < (facts.chroma != 3 ? 8 : 12); ++i)
                if (reader.bit()) skipScalingList(reader, i < 6 ? 16 : 64);
    }
    reader.ue();  // log2_max_frame_num_minus4
    const unsigned pocType = reader.ue();
    if (pocType == 0) {
        reader.ue();
    } else if (pocType == 1) {
        reader.bit();
        reader.se();
        reader.se();
        const unsigned cycle = std::min(reader.ue(), 255u);
        for (unsigned i = 0; i < cycle; ++i) reader.se();
    }
    facts.referenceFrames = static_cast<int>(reader.ue());
    reader.bit();  // gaps_in_frame_num_value_allowed_flag
    reader.ue();
    reader.ue();
    facts.interlacedCoding = reader.bit() == 0;  // frame_mbs_only_flag
    if (reader.failed()) return false;
    switch (profileIdc) {
    case 66: facts.profile = (constraints & 0x40) ? FF_PROFILE_H264_CONSTRAINED_BASELINE : FF_PROFILE_H264_BASELINE; break;
    case 77: facts.profile = FF_PROFILE_H264_MAIN; break;
    case 88: facts.profile = FF_PROFILE_H264_EXTENDED; break;
    case 100: facts.profile = FF_PROFILE_H264_HIGH; break;
    default: facts.profile = static_cast<int>(profileIdc); break;  // High 10 (110), 4:2:2 (122), 4:4:4 (244), …
    }
    return true;
}

// Calls `nal` with each NAL unit of an Annex B byte stream.
template <typename F>
void forEachAnnexBUnit(const std::uint8_t* data, int size, F nal) {
    int start = -1;
    for (int i = 0; i + 2 < size; ++i) {
        if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1) {
            if (start >= 0) {
                int end = i;
                while (end > start && data[end - 1] == 0) --end;
                nal(data + start, end - start);
            }
            start = i + 3;
            i += 2;
        }
    }
    if (start >= 0 && start < size) nal(data + start, size - start);
}

// The device's reference-frame limit at this size: its own cap and the level's
// decoded picture buffer (Table A-1, MaxDpbMbs), whichever is lower.
int referenceLimit(const DeviceLimits& device, int width, int height) {
    struct Buffer {
        int level;
        long macroblocks;
    };
    static constexpr Buffer kBuffers[] = {{21, 4752}, {30, 8100}, {31, 18000}, {32, 20480}, {40, 32768}, {41, 32768}};
    long buffer = 0;
    for (const Buffer& row : kBuffers)
        if (row.level == device.h264Level) buffer = row.macroblocks;
    const long frame = static_cast<long>((width + 15) / 16) * ((height + 15) / 16);
    int limit = device.maxReferenceFrames;
    if (buffer > 0 && frame > 0) limit = static_cast<int>(std::min<long>(limit, std::min<long>(16, buffer / frame)));
    return limit;
}

const ContainerRule* ruleFor(const DeviceLimits& device, std::string_view muxer) {
    for (const ContainerRule& rule : device.containers)
        if (!rule.muxer.empty() && rule.muxer == muxer) return &rule;
    return nullptr;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string containerName(std::string_view muxer) {
    if (muxer == "mpegts") return "MPEG-TS";
    if (muxer == "mpeg" || muxer == "vob" || muxer == "dvd") return "MPEG-PS";
    if (muxer == "asf") return "WMV";
    if (muxer == "matroska") return "MKV";
    if (muxer == "psp" || muxer == "ipod") return "MP4";
    return upper(muxer);
}

// Codecs as their makers write them ("Opus", not FFmpeg's "opus" in capitals).
struct CodecNameRow {
    AVCodecID codec;
    std::string_view name;
};
constexpr CodecNameRow kCodecNames[] = {
    {AV_CODEC_ID_H264, "H.264"},          {AV_CODEC_ID_HEVC, "HEVC"},         {AV_CODEC_ID_MPEG4, "MPEG-4 Part 2"},
    {AV_CODEC_ID_MPEG2VIDEO, "MPEG-2"},   {AV_CODEC_ID_MPEG1VIDEO, "MPEG-1"}, {AV_CODEC_ID_MSMPEG4V3, "DivX 3"},
    {AV_CODEC_ID_VC1, "VC-1"},            {AV_CODEC_ID_WMV3, "WMV 9"},        {AV_CODEC_ID_WMV2, "WMV 8"},
    {AV_CODEC_ID_WMV1, "WMV 7"},          {AV_CODEC_ID_VP8, "VP8"},           {AV_CODEC_ID_VP9, "VP9"},
    {AV_CODEC_ID_AV1, "AV1"},             {AV_CODEC_ID_THEORA, "Theora"},     {AV_CODEC_ID_MJPEG, "M-JPEG"},
    {AV_CODEC_ID_PRORES, "ProRes"},       {AV_CODEC_ID_DVVIDEO, "DV"},        {AV_CODEC_ID_AAC, "AAC"},
    {AV_CODEC_ID_AC3, "AC-3"},            {AV_CODEC_ID_EAC3, "E-AC-3"},       {AV_CODEC_ID_DTS, "DTS"},
    {AV_CODEC_ID_TRUEHD, "TrueHD"},       {AV_CODEC_ID_OPUS, "Opus"},         {AV_CODEC_ID_VORBIS, "Vorbis"},
    {AV_CODEC_ID_FLAC, "FLAC"},           {AV_CODEC_ID_ALAC, "ALAC"},         {AV_CODEC_ID_MP3, "MP3"},
    {AV_CODEC_ID_MP2, "MP2"},             {AV_CODEC_ID_WMAV1, "WMA 7"},       {AV_CODEC_ID_WMAV2, "WMA 8"},
    {AV_CODEC_ID_WMAPRO, "WMA 9 Pro"},    {AV_CODEC_ID_AMR_NB, "AMR-NB"},     {AV_CODEC_ID_APE, "Monkey's Audio"},
};

std::string codecName(AVCodecID codec) {
    for (const CodecNameRow& row : kCodecNames)
        if (row.codec == codec) return std::string(row.name);
    // Uncompressed sound is PCM whatever its sample format.
    if (codec >= AV_CODEC_ID_FIRST_AUDIO && codec < AV_CODEC_ID_ADPCM_IMA_QT) return "PCM";
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec);
    return descriptor ? upper(descriptor->name) : "unknown";
}

std::string profileName(int profile) {
    const char* name = avcodec_profile_name(AV_CODEC_ID_H264, profile);
    return name ? name : "unknown";
}

bool profileAllowed(unsigned allowed, int profile) {
    switch (profile) {
    case FF_PROFILE_H264_BASELINE:
    case FF_PROFILE_H264_CONSTRAINED_BASELINE: return allowed & kBaseline;
    case FF_PROFILE_H264_MAIN: return allowed & kMain;
    case FF_PROFILE_H264_HIGH: return allowed & kHigh;
    default: return false;
    }
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", value);
    return text;
}

// The picture's shape and timing against the device: size, rate, rotation,
// pixel shape and interlacing. "" when it plays.
std::string shapeProblem(const DeviceLimits& device, const VideoFacts& facts) {
    const std::string name = deviceName(device);
    const long pixels = device.maxPixels > 0 ? device.maxPixels : long(device.maxWidth) * device.maxHeight;
    const std::string size = "the picture size " + std::to_string(facts.width) + "x" + std::to_string(facts.height);
    const bool tooLarge = facts.width > device.maxWidth || facts.height > device.maxHeight;
    // A device held to a pixel count (maxWidth x maxHeight is more) is named by that
    // count and the sizes that make it, never by the box around them.
    if (pixels < long(device.maxWidth) * device.maxHeight && (tooLarge || long(facts.width) * facts.height > pixels)) {
        const int* s = device.pixelSizes;
        return size + " is above the " + name + "'s " + std::to_string(pixels) + " pixels (" + std::to_string(s[0]) +
               "x" + std::to_string(s[1]) + " or " + std::to_string(s[2]) + "x" + std::to_string(s[3]) + ")";
    }
    if (tooLarge)
        return size + " is above the " + name + "'s " + std::to_string(device.maxWidth) + "x" +
               std::to_string(device.maxHeight);
    if (facts.frameRate > device.maxFrameRate + 0.01)
        return number(facts.frameRate) + " fps is above the " + name + "'s " + number(device.maxFrameRate) + " fps";
    if (std::fmod(std::fabs(facts.rotation), 360.0) > 0.5)
        return "the picture is rotated by " + number(std::fabs(facts.rotation)) + " degrees, which the " + name +
               " does not apply";
    if (facts.sampleAspect.num > 0 && av_cmp_q(facts.sampleAspect, AVRational{1, 1}) != 0)
        return "its pixels are not square (" + std::to_string(facts.sampleAspect.num) + ":" +
               std::to_string(facts.sampleAspect.den) + "), which the " + name + " shows stretched";
    // Interlaced coding is only shown right when the stream says which field comes
    // first; "progressive" or nothing on such a stream leaves the device guessing.
    const bool fieldsNamed = facts.fieldOrder == AV_FIELD_TT || facts.fieldOrder == AV_FIELD_BB ||
                             facts.fieldOrder == AV_FIELD_TB || facts.fieldOrder == AV_FIELD_BT;
    if (facts.interlacedCoding && !fieldsNamed)
        return "the picture is interlaced without saying which field comes first";
    return std::string();
}

std::string h264Problem(const DeviceLimits& device, const VideoFacts& facts) {
    const std::string name = deviceName(device);
    if (facts.bitDepth != 8) return std::to_string(facts.bitDepth) + "-bit video is more than the " + name + "'s 8 bits";
    if (facts.chroma != 1)
        return std::string(facts.chroma == 3 ? "4:4:4" : facts.chroma == 2 ? "4:2:2" : "4:0:0") +
               " colour is not the 4:2:0 the " + name + " plays";
    if (!profileAllowed(device.h264Profiles, facts.profile))
        return "the " + profileName(facts.profile) + " profile is not one the " + name + " plays";
    if (const std::string shape = shapeProblem(device, facts); !shape.empty()) return shape;
    if (facts.level > device.h264Level)
        return "level " + levelText(facts.level) + " is above the " + name + "'s " + levelText(device.h264Level);
    if (!framerate::fitsH264Level(device.h264Level, facts.width, facts.height, facts.frameRate))
        return "its size and rate are above level " + levelText(device.h264Level) + " of the " + name;
    const int references = referenceLimit(device, facts.width, facts.height);
    if (facts.referenceFrames > references)
        return std::to_string(facts.referenceFrames) + " reference frames are more than the " + name + "'s " +
               std::to_string(references) + " at this size";
    if (device.singleSlice && facts.slices > 1)
        return "its pictures have " + std::to_string(facts.slices) + " slices; the " + name + " decodes one";
    return std::string();
}

}  // namespace

std::string levelText(int level) { return std::to_string(level / 10) + "." + std::to_string(level % 10); }

std::string deviceName(const DeviceLimits& device) { return std::string(device.device); }

namespace {
// " (firmware 3.30)" after a reason that holds for one firmware's limits only.
Verdict withFirmware(const DeviceLimits& device, Verdict verdict) {
    if (!verdict.copyable && !device.firmware.empty()) verdict.reason += " (" + std::string(device.firmware) + ")";
    return verdict;
}
}  // namespace

bool readH264Header(const std::uint8_t* data, int size, VideoFacts& facts) {
    if (!data || size < 8) return false;
    bool found = false;
    if (data[0] == 1) {  // avcC: version, profile, compatibility, level, length size, count of headers
        const int count = data[5] & 0x1f;
        const int length = (data[6] << 8) | data[7];
        if (count > 0 && 8 + length <= size && length > 1 && (data[8] & 0x1f) == 7)
            found = readSequenceHeader(data + 8, length, facts);
        return found;
    }
    forEachAnnexBUnit(data, size, [&](const std::uint8_t* nal, int length) {
        if (!found && length > 1 && (nal[0] & 0x1f) == 7) found = readSequenceHeader(nal, length, facts);
    });
    return found;
}

int countH264Slices(const std::uint8_t* data, int size, int lengthSize) {
    int slices = 0;
    auto count = [&slices](const std::uint8_t* nal, int length) {
        const int type = length > 0 ? nal[0] & 0x1f : 0;
        if (type == 1 || type == 5) ++slices;
    };
    if (lengthSize <= 0) {
        forEachAnnexBUnit(data, size, count);
        return slices;
    }
    for (int pos = 0; pos + lengthSize <= size;) {
        long length = 0;
        for (int i = 0; i < lengthSize; ++i) length = (length << 8) | data[pos + i];
        pos += lengthSize;
        if (length <= 0 || pos + length > size) break;
        count(data + pos, static_cast<int>(length));
        pos += static_cast<int>(length);
    }
    return slices;
}

VideoFacts videoFacts(const AVStream& stream, const AVPacket* firstPacket) {
    const AVCodecParameters& par = *stream.codecpar;
    VideoFacts facts;
    facts.codec = par.codec_id;
    facts.profile = par.profile;
    facts.level = par.level > 0 ? par.level : 0;
    facts.width = par.width;
    facts.height = par.height;
    facts.fieldOrder = par.field_order;
    if (const AVPixFmtDescriptor* format = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(par.format))) {
        facts.bitDepth = format->comp[0].depth;
        facts.chroma = format->nb_components < 3 ? 0 : format->log2_chroma_w == 0 ? 3 : format->log2_chroma_h == 0 ? 2 : 1;
    }
    const AVRational rate = stream.avg_frame_rate.num > 0 ? stream.avg_frame_rate : stream.r_frame_rate;
    facts.frameRate = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0.0;
    std::size_t size = 0;
    if (const std::uint8_t* matrix = av_stream_get_side_data(&stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
        matrix && size >= 9 * sizeof(std::int32_t)) {
        const double rotation = av_display_rotation_get(reinterpret_cast<const std::int32_t*>(matrix));
        facts.rotation = std::isfinite(rotation) ? std::round(rotation) : 0.0;
    }
    facts.sampleAspect = stream.sample_aspect_ratio.num > 0 ? stream.sample_aspect_ratio : par.sample_aspect_ratio;
    if (par.codec_id == AV_CODEC_ID_H264) {
        readH264Header(par.extradata, par.extradata_size, facts);
        if (firstPacket && firstPacket->data) {
            const bool lengthPrefixed = par.extradata_size > 4 && par.extradata[0] == 1;
            const int lengthSize = lengthPrefixed ? (par.extradata[4] & 3) + 1 : 0;
            facts.slices = std::max(1, countH264Slices(firstPacket->data, firstPacket->size, lengthSize));
        }
    }
    return facts;
}

Verdict checkVideo(const DeviceLimits& device, const VideoFacts& facts, std::string_view muxer) {
    return withFirmware(device, checkVideoOnly(device, facts, muxer));
}

Verdict checkSound(const DeviceLimits& device, const AVCodecParameters& sound, std::string_view muxer) {
    return withFirmware(device, checkSoundOnly(device, sound, muxer));
}

Verdict checkVideoOnly(const DeviceLimits& device, const VideoFacts& facts, std::string_view muxer) {
    const ContainerRule* rule = ruleFor(device, muxer);
    const std::string name = deviceName(device);
    if (!rule) return {false, "the " + name + " does not open " + containerName(muxer) + " files"};
    if (facts.codec != AV_CODEC_ID_H264 || !rule->h264)
        return {false, codecName(facts.codec) + " video is not what the " + name + " plays in " + containerName(muxer)};
    std::string problem = h264Problem(device, facts);
    return {problem.empty(), std::move(problem)};
}

Verdict checkSoundOnly(const DeviceLimits& device, const AVCodecParameters& sound, std::string_view muxer) {
    const ContainerRule* rule = ruleFor(device, muxer);
    const std::string name = deviceName(device);
    const std::string where = " in " + containerName(muxer);
    if (!rule) return {false, "the " + name + " does not open " + containerName(muxer) + " files"};
    const int channels = sound.ch_layout.nb_channels;
    switch (sound.codec_id) {
    case AV_CODEC_ID_AAC: {
        if (!rule->aac) break;
        if (sound.profile != FF_PROFILE_AAC_LOW && sound.profile != FF_PROFILE_UNKNOWN)
            return {false, "only AAC-LC plays on the " + name};
        if (channels > device.aacMaxChannels)
            return {false, std::to_string(channels) + " AAC channels are more than the " + name + "'s " +
                               std::to_string(device.aacMaxChannels)};
        const bool anyRate = std::all_of(std::begin(device.aacRates), std::end(device.aacRates), [](int r) { return r == 0; });
        if (!anyRate && std::find(std::begin(device.aacRates), std::end(device.aacRates), sound.sample_rate) ==
                            std::end(device.aacRates))
            return {false, std::to_string(sound.sample_rate) + " Hz AAC is not a rate the " + name + " plays"};
        return {true, {}};
    }
    case AV_CODEC_ID_AC3:
        if (rule->ac3 && channels <= 6) return {true, {}};
        break;
    case AV_CODEC_ID_MP2:
        if (rule->mp2 && channels <= 2) return {true, {}};
        break;
    default: break;
    }
    return {false, codecName(sound.codec_id) + " sound is not what the " + name + " plays" + where};
}

}  // namespace copycheck
