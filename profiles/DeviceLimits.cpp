#include "profiles/DeviceLimits.h"

#include "engine/AVConvert.h"
#include "engine/CopyRow.h"
#include "engine/SourceFile.h"
#include "profiles/JobSetup.h"
#include "profiles/ProfileTable.h"

#include <array>
#include <sstream>

namespace {

using copycheck::ContainerRule;
using copycheck::DeviceLimits;
using copycheck::kBaseline;
using copycheck::kHigh;
using copycheck::kMain;

// Sources, for every figure below:
//  [sony-ps3]  Sony's PS3 playable-format list (system software 2.10 and later), as
//              quoted in open media-server device profiles: MP4 = H.264 High + AAC-LC,
//              MPEG-2 PS = MPEG-2 + MP2/AAC-LC/AC-3/LPCM, MPEG-2 TS = MPEG-2 or H.264
//              + MP2/AC-3/AAC-LC; 1920x1080 at most.
//  [sony-psp]  Sony's PSP "Memory Stick Video" list: H.264 Main/Baseline + AAC-LC in
//              MP4; 76,800 pixels (320x240, 368x208) before system software 3.30,
//              480x272 from 3.30; 720x480 for the video-out of the PSP-2000 and later.
//  [h264-a1]   ITU-T H.264 Table A-1: level 4.1 = 8192 macroblocks a picture, 245,760
//              a second, 32,768 in the decoded picture buffer (4 references at
//              1920x1080, 9 at 1280x720); level 3.0 = 1620 / 40,500 / 8100.
//  [guides]    Community encoding guides: the PS3 plays 1080p at up to 30 fps from the
//              XMB and 720p at 60; more than 9 references (the 720p buffer) are not
//              known to play at any size; the PSP decodes one slice per picture, at
//              most 2 references, 30 fps, AAC at 24 or 48 kHz (44.1 kHz doubted).
//              AC-3 is taken from MPEG-PS and MPEG-TS only: in MP4 it is reported
//              both ways. AVI (DivX/Xvid) and WMV are listed for their own codecs, which
//              are always converted here: whether an MPEG-4 Part 2 stream uses global
//              motion compensation or quarter pixels (not played) is not read.
constexpr std::array<DeviceLimits, 4> kDevices = {{
    {"PS3", "", 1920, 1080, 0, 60.0, kBaseline | kMain | kHigh, 41, 9, false, 2, {},
     {ContainerRule{"mp4", true, true, false, false}, ContainerRule{"mpegts", true, true, true, true},
      ContainerRule{"mpeg", false, true, true, true}, ContainerRule{"avi", false, false, false, false},
      ContainerRule{"asf", false, false, false, false}}},
    {"PSP", "firmware 2.00", 368, 240, 76800, 30.0, kBaseline | kMain, 21, 2, true, 2, {24000, 48000},
     {ContainerRule{"mp4", true, true, false, false}, ContainerRule{"psp", true, true, false, false}},
     {320, 240, 368, 208}},
    {"PSP", "firmware 3.30", 480, 272, 0, 30.0, kBaseline | kMain, 30, 2, true, 2, {24000, 48000},
     {ContainerRule{"mp4", true, true, false, false}, ContainerRule{"psp", true, true, false, false}}},
    {"PSP", "video out", 720, 480, 0, 30.0, kBaseline | kMain, 30, 2, true, 2, {24000, 48000},
     {ContainerRule{"mp4", true, true, false, false}, ContainerRule{"psp", true, true, false, false}}},
}};

constexpr std::size_t kPs3 = 0, kPspOld = 1, kPsp = 2, kPspTv = 3;

struct ProfileDevice {
    int profileCode;
    std::size_t device;
};
// One row per video profile of the profile table.
constexpr ProfileDevice kProfileDevices[] = {
    {91200, kPs3}, {91202, kPs3}, {91201, kPs3}, {91203, kPs3},    {91204, kPs3},   {91205, kPs3},    {91206, kPs3},
    {91207, kPs3}, {91208, kPs3}, {91300, kPsp}, {91301, kPspTv}, {91302, kPspOld}, {91303, kPsp},
};

// The video bit rates each device plays, by codec family. The figures are the
// ceilings of the profile or level a device is certified or known to decode at; a
// picture up to 720x576 is standard definition, a larger one high definition.
//  - H.264: the level's MaxBR in ITU-T H.264 Table A-1 (Main and Baseline; High may
//    take 1.25 times as much, not relied on): level 2.1 = 4 Mbit/s, 3.0 = 10, 4.1 = 50.
//  - MPEG-2: ISO/IEC 13818-2 Main profile, Main level 15 Mbit/s, High level 80.
//  - MPEG-4 Part 2 (DivX, Xvid, MPEG-4): the PS3 is DivX certified [sony-ps3]; the
//    DivX Home Theater profile allows 4854 kbit/s, DivX HD 720p 9708 kbit/s. The
//    PSP publishes no rate for its Simple Profile; held to Simple Profile level 4a
//    (640x480, 4 Mbit/s), the largest picture any PSP shows.
//  - WMV: the PS3 decodes WMV 9 / VC-1 Main profile [sony-ps3]; Medium level allows
//    10 Mbit/s, High level 20.
enum class Family { None, H264, Mpeg2, Mpeg4Part2, Wmv };

struct CeilingRow {
    std::size_t device;
    Family family;
    double standard, high;  // bit/s
    std::string_view standardProfile, highProfile;
};
constexpr CeilingRow kCeilings[] = {
    {kPs3, Family::Mpeg2, 15e6, 80e6, "MPEG-2 Main", "MPEG-2 Main"},
    {kPs3, Family::Mpeg4Part2, 4854e3, 9708e3, "DivX Home Theater", "DivX HD 720p"},
    {kPs3, Family::Wmv, 10e6, 20e6, "WMV Main", "WMV Main"},
    {kPspOld, Family::Mpeg4Part2, 4e6, 4e6, "MPEG-4 Simple", "MPEG-4 Simple"},
    {kPsp, Family::Mpeg4Part2, 4e6, 4e6, "MPEG-4 Simple", "MPEG-4 Simple"},
    {kPspTv, Family::Mpeg4Part2, 4e6, 4e6, "MPEG-4 Simple", "MPEG-4 Simple"},
};

Family familyOf(std::string_view encoder) {
    if (encoder == "H.264") return Family::H264;
    if (encoder == "MPEG2VIDEO") return Family::Mpeg2;
    if (encoder == "MPEG4" || encoder == "XVID" || encoder == "DivX") return Family::Mpeg4Part2;
    if (encoder == "WMV1" || encoder == "WMV2") return Family::Wmv;
    return Family::None;
}

// MaxBR of the H.264 levels the devices are held to (Table A-1), bit/s.
double h264LevelRate(int level) {
    return level <= 21 ? 4e6 : level <= 30 ? 10e6 : level <= 31 ? 14e6 : level <= 40 ? 20e6 : 50e6;
}

std::string levelText(int level) { return std::to_string(level / 10) + "." + std::to_string(level % 10); }

}  // namespace

VideoRateCeiling VideoRateCeilingFor(int profileCode, std::string_view videoEncoder, int width, int height) {
    VideoRateCeiling ceiling;
    const DeviceLimits* device = DeviceLimitsFor(profileCode);
    if (!device) return ceiling;
    const Family family = familyOf(videoEncoder);
    const std::string name(device->device);
    if (family == Family::H264) {
        ceiling.bitRate = h264LevelRate(device->h264Level);
        ceiling.device = "the " + name + " at H.264 level " + levelText(device->h264Level);
        return ceiling;
    }
    const bool standard = width <= 720 && height <= 576;
    for (const CeilingRow& row : kCeilings) {
        if (&kDevices[row.device] != device || row.family != family) continue;
        ceiling.bitRate = standard ? row.standard : row.high;
        ceiling.device = "the " + name + " in " + std::string(standard ? row.standardProfile : row.highProfile) +
                         " profile";
    }
    return ceiling;
}

std::span<const DeviceLimits> DeviceLimitsTable() { return kDevices; }

const DeviceLimits* DeviceLimitsFor(int profileCode) {
    for (const ProfileDevice& row : kProfileDevices)
        if (row.profileCode == profileCode) return &kDevices[row.device];
    return nullptr;
}

std::string ProfileCopyLines(const std::string& path, const AVConvert& job) {
    source::SourceFile source;
    if (source::openContainer(path, job, source) != source::OpenResult::Opened) return std::string();
    const source::StreamChoice choice = source::chooseStreams(*source.input, path);
    source.videoIndex = choice.video;
    source.audioIndex = choice.audio;
    if (source.videoIndex < 0) return std::string();  // no video to keep
    std::ostringstream lines;
    const auto& profiles = Profiles();
    for (int i = 0; i < kProfileCount; ++i) {
        const copycheck::DeviceLimits* device = DeviceLimitsFor(profiles[i].code);
        const std::string name = "x" + ExtensionFromProfile(profiles[i].displayText);
        const AVOutputFormat* format = av_guess_format(nullptr, name.c_str(), nullptr);
        if (!device || !format) continue;
        const std::string reason = copying::videoCopyReason(*device, source, format->name);
        lines << "copy " << i << ": " << (reason.empty() ? "video kept" : "converted, " + reason);
        if (reason.empty() && source.audioStream()) {
            const copycheck::Verdict sound = copycheck::checkSound(*device, *source.audioStream()->codecpar, format->name);
            lines << (sound.copyable ? "; sound kept" : "; sound converted, " + sound.reason);
        }
        lines << "\n";
    }
    return lines.str();
}

