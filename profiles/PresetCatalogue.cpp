#include "profiles/PresetCatalogue.h"

#include <algorithm>
#include <array>

namespace {

using SV = std::string_view;

// ---- Shared choice lists. Names say what they hold; presets pick a default below. ----

// Video encoders.
constexpr SV kVeH264[] = {"H.264"};
constexpr SV kVeMpeg4[] = {"MPEG4"};
constexpr SV kVeDivX[] = {"DivX"};
constexpr SV kVeMpeg1[] = {"MPEG1VIDEO"};
constexpr SV kVeMpeg2[] = {"MPEG2VIDEO"};
constexpr SV kVeDv[] = {"DVVIDEO"};
constexpr SV kVeRv20[] = {"RV20"};
constexpr SV kVeFlv[] = {"FLV"};
constexpr SV kVeWmv[] = {"WMV1", "WMV2"};
constexpr SV kVeAvi[] = {"WMV1", "WMV2", "MPEG4", "H.264", "H.263", "MPEG2VIDEO", "M-JPEG", "DivX"};
constexpr SV kVeDivXFamily[] = {"DivX", "XVID", "MPEG4"};
constexpr SV kVeMov[] = {"H.264", "MPEG4", "M-JPEG"};
constexpr SV kVeMp4[] = {"MPEG4", "H.264", "XVID"};
constexpr SV kVeMkv[] = {"H.264", "MPEG4", "XVID"};
constexpr SV kVeHdAvi[] = {"MPEG4", "DivX", "XVID", "H.264"};
constexpr SV kVeHdMov[] = {"H.264", "MPEG4"};
constexpr SV kVeHdTs[] = {"MPEG2VIDEO", "H.264"};
constexpr SV kVePhone[] = {"MPEG4", "H.263", "H.264"};
constexpr SV kVeBlackBerryAvi[] = {"MPEG4", "H.263", "DivX"};
constexpr SV kVeBlackBerryMp4[] = {"MPEG4", "H.264"};
constexpr SV kVeWiiAvi[] = {"M-JPEG", "MPEG4", "H.263"};
constexpr SV kVeWiiMov[] = {"M-JPEG", "H.264", "H.263"};

// Video bit rates.
constexpr SV kBrPs3H264[] = {"1000 kbps", "1500 kbps", "2000 kbps", "3000 kbps", "4000 kbps"};
constexpr SV kBrPs3DivX[] = {"1200 kbps", "1500 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps"};
constexpr SV kBrPs3DivXHd[] = {"2500 kbps", "3000 kbps", "4000 kbps", "5000 kbps", "6000 kbps", "7000 kbps"};
constexpr SV kBrHd[] = {"2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps", "5000 kbps", "6000 kbps"};
constexpr SV kBrMpeg2[] = {"1000 kbps", "1500 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
                           "4000 kbps", "5000 kbps", "6000 kbps"};
constexpr SV kBrMpeg2Hd[] = {"3000 kbps", "4000 kbps", "5000 kbps", "6000 kbps", "7000 kbps", "8000 kbps"};
constexpr SV kBrSd[] = {"1000 kbps", "1500 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps"};
constexpr SV kBrPortable[] = {"128 kbps", "256 kbps", "384 kbps", "512 kbps",
                              "640 kbps", "768 kbps", "900 kbps", "1500 kbps"};
constexpr SV kBrGeneral[] = {"128 kbps",  "256 kbps",  "512 kbps",  "768 kbps",  "1000 kbps", "1200 kbps",
                             "1500 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "3500 kbps", "4000 kbps"};
constexpr SV kBrPhone[] = {"64 kbps", "96 kbps", "128 kbps", "192 kbps", "256 kbps", "384 kbps"};
constexpr SV kBrFlash[] = {"256 kbps", "384 kbps", "512 kbps", "768 kbps", "1000 kbps"};
constexpr SV kBrStream[] = {"128 kbps", "256 kbps", "384 kbps", "512 kbps", "768 kbps", "1000 kbps"};
constexpr SV kBrMpeg1[] = {"512 kbps", "768 kbps", "1000 kbps", "1150 kbps", "1500 kbps", "2000 kbps"};
constexpr SV kBrVcd[] = {"1150 kbps"};
constexpr SV kBrDvd[] = {"4000 kbps", "5000 kbps", "6000 kbps", "8000 kbps"};
constexpr SV kBrDv[] = {"25000 kbps"};
constexpr SV kBrDpg[] = {"256 kbps", "384 kbps", "512 kbps"};
constexpr SV kBrWii[] = {"1000 kbps", "1500 kbps", "2000 kbps", "3000 kbps", "4000 kbps"};

// Picture sizes.
constexpr SV kResSd[] = {"720*480", "720*576"};
constexpr SV kResHd[] = {"1280*720", "1920*1080"};
constexpr SV kResPsp[] = {"480*272"};
constexpr SV kResPspTv[] = {"720*480", "640*480"};
constexpr SV kResPspFw2[] = {"368*208", "320*180"};
constexpr SV kResPspMpeg4[] = {"320*180", "368*208"};
constexpr SV kResGeneral[] = {"128*96",  "176*144", "320*240", "352*240", "352*288",
                              "640*480", "720*480", "704*576", "720*576"};
constexpr SV kResH264[] = {"320*240", "480*272", "640*480", "720*480", "1280*720", "1920*1080"};
constexpr SV kResMpeg1[] = {"352*240", "352*288", "640*480", "720*480", "720*576"};
constexpr SV kResMpeg2[] = {"352*480", "480*480", "640*480", "720*480", "720*576", "1280*720", "1920*1080"};
constexpr SV kResVcd[] = {"352*240", "352*288"};
constexpr SV kResStream[] = {"176*144", "320*240", "352*288", "640*480"};
constexpr SV kResFlash[] = {"320*240", "400*300", "480*360", "640*480"};
constexpr SV kResAppleTv[] = {"640*360", "640*480", "720*480", "848*480"};
constexpr SV kResAppleTvHd[] = {"1280*720", "960*540"};
constexpr SV kResQvga[] = {"320*240"};
constexpr SV kResVga[] = {"640*480"};
constexpr SV kResTv[] = {"640*480", "720*480"};
constexpr SV kResNano[] = {"376*240", "320*240"};
constexpr SV kResTouch[] = {"480*320", "320*240"};
constexpr SV kResIpad[] = {"1024*768", "640*480", "720*480"};
constexpr SV kRes720p[] = {"1280*720"};
constexpr SV kResIphone3gs[] = {"480*320", "640*480"};
constexpr SV kResHvga[] = {"480*320"};
constexpr SV kResIphone4[] = {"960*640", "1280*720", "640*480"};
constexpr SV kResPhone[] = {"176*144", "220*176", "320*240", "480*320"};  // the phone list of the encoder rule
constexpr SV kResBlackBerryMp4[] = {"320*240", "480*320", "480*360"};
constexpr SV kResPhoneWmv[] = {"176*144", "320*240", "480*320"};
constexpr SV kResAndroid[] = {"320*240", "480*320", "800*480"};
constexpr SV kResDroid[] = {"854*480", "720*480"};
constexpr SV kResWvga[] = {"800*480"};
constexpr SV kResArchos[] = {"720*480", "640*480", "800*480"};
constexpr SV kResIriver[] = {"320*240", "480*272"};
constexpr SV kResZune[] = {"320*240", "720*480"};
constexpr SV kResDpg[] = {"256*192"};
constexpr SV kResWii[] = {"640*480", "720*480", "720*576"};  // the Wii list of the encoder rule

// Frame rates. MPEG-1 only has the standard rates, so its lists start at 23.975.
constexpr SV kFpsTv[] = {"20.0 fps", "23.975 fps", "24.0 fps", "25.0 fps",
                         "29.97 fps", "30.0 fps", "50.0 fps", "60.0 fps"};
constexpr SV kFpsPortable[] = {"15.0 fps", "20.0 fps", "23.975 fps", "24.0 fps", "25.0 fps", "29.97 fps", "30.0 fps"};
constexpr SV kFpsGeneral[] = {"10.0 fps", "15.0 fps", "20.0 fps", "23.975 fps", "24.0 fps",
                              "25.0 fps", "29.97 fps", "30.0 fps", "50.0 fps", "60.0 fps"};
constexpr SV kFpsMpeg1[] = {"23.975 fps", "24.0 fps", "25.0 fps", "29.97 fps", "30.0 fps", "50.0 fps", "60.0 fps"};
constexpr SV kFpsDisc[] = {"23.975 fps", "25.0 fps", "29.97 fps"};
constexpr SV kFpsDv[] = {"29.97 fps", "25.0 fps"};
constexpr SV kFpsPhone[] = {"10.0 fps", "12.0 fps", "14.985 fps", "15.0 fps", "20.0 fps", "25.0 fps", "29.97 fps"};
constexpr SV kFpsFlash[] = {"10.0 fps", "12.0 fps", "15.0 fps", "20.0 fps", "24.0 fps", "25.0 fps", "29.97 fps", "30.0 fps"};
constexpr SV kFpsDpg[] = {"23.975 fps", "24.0 fps", "25.0 fps", "29.97 fps"};
constexpr SV kFpsWii[] = {"15.0 fps", "20.0 fps", "25.0 fps", "29.97 fps", "30.0 fps"};

// Audio encoders.
constexpr SV kAeAac[] = {"AAC"};
constexpr SV kAeAc3[] = {"AC3"};
constexpr SV kAeMp2[] = {"MP2"};
constexpr SV kAeMp3[] = {"MP3"};
constexpr SV kAeFlac[] = {"FLAC"};
constexpr SV kAeVorbis[] = {"VORBIS"};
constexpr SV kAePcm[] = {"PCM_S16LE"};
constexpr SV kAeAiff[] = {"PCM_S16BE"};
constexpr SV kAeAu[] = {"PCM_S16BE", "PCM_MULAW", "PCM_ALAW"};
constexpr SV kAeWav[] = {"PCM_S16LE", "PCM_U8", "PCM_ALAW", "PCM_MULAW"};
constexpr SV kAeWma[] = {"WMA7", "WMA8"};
constexpr SV kAeAviAudio[] = {"MP3", "MP2", "PCM_S16LE"};
constexpr SV kAePsAudio[] = {"AC3", "MP2", "PCM_S16LE"};
constexpr SV kAeTsAudio[] = {"AC3", "MP2"};
constexpr SV kAeAvi[] = {"MP3", "MP2", "PCM_S16LE", "AC3"};
constexpr SV kAeDvd[] = {"AC3", "MP2"};
constexpr SV kAeMov[] = {"AAC", "PCM_S16BE", "PCM_S16LE"};
constexpr SV kAeMkv[] = {"AAC", "AC3", "MP3", "VORBIS", "FLAC"};
constexpr SV kAeOgg[] = {"VORBIS", "FLAC"};
constexpr SV kAeLosslessOgg[] = {"FLAC", "VORBIS"};
constexpr SV kAePhone[] = {"AAC", "AMR_NB"};
constexpr SV kAeFlash[] = {"MP3", "AAC"};
constexpr SV kAeWiiAvi[] = {"PCM_S16LE", "MP3"};
constexpr SV kAeWiiMov[] = {"PCM_S16LE", "AAC"};

constexpr PresetChoice kNone{};

// A list and its default.
template <std::size_t N>
constexpr PresetChoice pick(const SV (&items)[N], SV chosen) {
    return PresetChoice{std::span<const SV>(items), chosen};
}
// A list whose default is its first entry (single-entry lists are their own default).
template <std::size_t N>
constexpr PresetChoice first(const SV (&items)[N]) {
    return PresetChoice{std::span<const SV>(items), items[0]};
}

constexpr bool kAudio = true;   // audio-only preset
constexpr bool kThumb = true;   // thumbnail preset

// Shorthands for an ordinary video preset and an audio-only preset.
constexpr Preset video(int code, SV title, PresetChoice ve, PresetChoice br, PresetChoice res, PresetChoice fps,
                       PresetChoice ae, bool thumbnail = false) {
    return Preset{code, title, ve, br, res, fps, ae, false, thumbnail};
}
constexpr Preset audio(int code, SV title, PresetChoice ae) {
    return Preset{code, title, kNone, kNone, kNone, kNone, ae, kAudio, false};
}

// ---- The catalogue, family by family. ----
constexpr std::array<Preset, kPresetCount> kCatalogue = {{
    // General Video
    video(90000, "ASF - Advanced Streaming Format(*.asf)", pick(kVeWmv, "WMV2"), pick(kBrGeneral, "1000 kbps"),
          pick(kResGeneral, "320*240"), pick(kFpsGeneral, "29.97 fps"), pick(kAeWma, "WMA8")),
    video(90001, "AVI - Audio-Video Interleaved(*.avi)", pick(kVeAvi, "MPEG4"), pick(kBrGeneral, "1000 kbps"),
          pick(kResGeneral, "320*240"), pick(kFpsGeneral, "29.97 fps"), pick(kAeAvi, "MP3")),
    video(90002, "DV - Digital Video Format(*.dv)", first(kVeDv), first(kBrDv), pick(kResSd, "720*480"),
          pick(kFpsDv, "29.97 fps"), first(kAePcm)),
    video(90003, "DVD -Video(*.vob)", first(kVeMpeg2), pick(kBrDvd, "6000 kbps"), pick(kResSd, "720*480"),
          pick(kFpsDisc, "29.97 fps"), pick(kAeDvd, "AC3")),
    video(90004, "DivX -Video(*.avi)", pick(kVeDivXFamily, "DivX"), pick(kBrGeneral, "1000 kbps"),
          pick(kResGeneral, "640*480"), pick(kFpsGeneral, "29.97 fps"), pick(kAeAviAudio, "MP3")),
    video(90005, "H.264 - AVC Video(*.mp4)", first(kVeH264), pick(kBrGeneral, "1000 kbps"), pick(kResH264, "640*480"),
          pick(kFpsGeneral, "29.97 fps"), first(kAeAac)),
    video(90006, "MOV - QuickTime Video(*.mov)", pick(kVeMov, "H.264"), pick(kBrGeneral, "1000 kbps"),
          pick(kResGeneral, "640*480"), pick(kFpsGeneral, "29.97 fps"), pick(kAeMov, "AAC")),
    video(90007, "MP4 -MPEG-4 Video(*.mp4)", pick(kVeMp4, "MPEG4"), pick(kBrGeneral, "1000 kbps"),
          pick(kResGeneral, "640*480"), pick(kFpsGeneral, "29.97 fps"), first(kAeAac)),
    video(90008, "MPEG-1 - Video(*.mpg)", first(kVeMpeg1), pick(kBrMpeg1, "1150 kbps"), pick(kResMpeg1, "352*240"),
          pick(kFpsMpeg1, "29.97 fps"), first(kAeMp2)),
    video(90009, "MPEG-2 - Video(*.mpg)", first(kVeMpeg2), pick(kBrMpeg2, "3000 kbps"), pick(kResMpeg2, "720*480"),
          pick(kFpsTv, "29.97 fps"), pick(kAePsAudio, "MP2")),
    video(90010, "RM -Real Video(*.rm)", first(kVeRv20), pick(kBrStream, "512 kbps"), pick(kResStream, "320*240"),
          pick(kFpsGeneral, "29.97 fps"), first(kAeAc3)),
    video(90011, "VCD -Video(*.mpg)", first(kVeMpeg1), first(kBrVcd), pick(kResVcd, "352*240"),
          pick(kFpsDisc, "29.97 fps"), first(kAeMp2)),
    video(90012, "WMV -Windows Media Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrGeneral, "1000 kbps"),
          pick(kResGeneral, "320*240"), pick(kFpsGeneral, "29.97 fps"), pick(kAeWma, "WMA8")),
    video(90013, "MKV -Matroska Video(*.mkv)", pick(kVeMkv, "H.264"), pick(kBrGeneral, "1000 kbps"),
          pick(kResGeneral, "640*480"), pick(kFpsGeneral, "29.97 fps"), pick(kAeMkv, "AAC")),

    // General Audio
    audio(90100, "AAC -Advanced Audio Codec(*.aac)", first(kAeAac)),
    audio(90101, "AC3 -Dolby Digital AC-3(*.ac3)", first(kAeAc3)),
    audio(90102, "AIFF - Audio Interchange File Format(*.aiff)", first(kAeAiff)),
    audio(90103, "AU - SUN AU Format(*.au)", pick(kAeAu, "PCM_S16BE")),
    audio(90104, "M4A - MPEG-4 Audio(*.m4a)", first(kAeAac)),
    audio(90105, "MP2 - MPEG Layer-2 Audio(*.MP2)", first(kAeMp2)),
    audio(90106, "MP3 - MPEG Layer-3 Audio(*.MP3)", first(kAeMp3)),
    audio(90107, "OGG -Ogg Vorbis Audio(*.ogg)", pick(kAeOgg, "VORBIS")),
    audio(90108, "RA -Real Audio(*.ra)", first(kAeAc3)),
    audio(90109, "WAV -Waveform Audio(*.wav)", pick(kAeWav, "PCM_S16LE")),
    audio(90110, "WMA -Windows Media Audio(*.wma)", pick(kAeWma, "WMA8")),

    // Apple TV
    video(90200, "Apple TV - H.264 Video(*.MP4)", first(kVeH264), pick(kBrSd, "2000 kbps"),
          pick(kResAppleTv, "720*480"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90201, "Apple TV - H.264 HD Video(*.MP4)", first(kVeH264), pick(kBrHd, "4000 kbps"),
          pick(kResAppleTvHd, "1280*720"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90202, "Apple TV - MPEG4 Video(*.MP4)", first(kVeMpeg4), pick(kBrSd, "2000 kbps"),
          pick(kResAppleTv, "720*480"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),

    // HD_VIDEO
    video(90300, "HD - ASF Video(*.asf)", pick(kVeWmv, "WMV2"), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), pick(kAeWma, "WMA8")),
    video(90301, "HD - AVI Video(*.avi)", pick(kVeHdAvi, "MPEG4"), pick(kBrPs3DivXHd, "5000 kbps"),
          pick(kResHd, "1280*720"), pick(kFpsTv, "29.97 fps"), pick(kAeAviAudio, "MP3")),
    video(90302, "HD - DivX Video(*.avi)", first(kVeDivX), pick(kBrPs3DivXHd, "5000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), pick(kAeAviAudio, "MP3")),
    video(90303, "HD - H.264 Video(*.mp4)", first(kVeH264), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), first(kAeAac)),
    video(90304, "HD - MOV Video(*.mov)", pick(kVeHdMov, "H.264"), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), first(kAeAac)),
    video(90305, "HD MPEG2-TS Video(*.ts)", pick(kVeHdTs, "MPEG2VIDEO"), pick(kBrMpeg2Hd, "6000 kbps"),
          pick(kResHd, "1280*720"), pick(kFpsTv, "29.97 fps"), pick(kAeTsAudio, "MP2")),
    video(90306, "HD - MPEG2-PS HD Video(*.mpg)", first(kVeMpeg2), pick(kBrMpeg2Hd, "6000 kbps"),
          pick(kResHd, "1280*720"), pick(kFpsTv, "29.97 fps"), pick(kAePsAudio, "MP2")),
    video(90307, "HD - MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), first(kAeAac)),
    video(90308, "HD - RM Video(*.rm)", first(kVeRv20), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), first(kAeAc3)),
    video(90309, "HD - WMV Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), pick(kAeWma, "WMA8")),
    video(90310, "HD - MKV Video(*.mkv)", pick(kVeMkv, "H.264"), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), pick(kAeMkv, "AAC")),

    // IPod
    video(90400, "iPod H.264(*.mp4)", first(kVeH264), pick(kBrPortable, "768 kbps"), first(kResQvga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90401, "iPod H.264 for TV(*.mp4)", first(kVeH264), pick(kBrSd, "1500 kbps"), pick(kResTv, "640*480"),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90402, "iPod MPEG4 Video(*.MP4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"), first(kResQvga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90403, "iPod MPEG4 Video for TV(*.MP4)", first(kVeMpeg4), pick(kBrSd, "1500 kbps"), first(kResVga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90404, "iPod nano5 H.264 Video(*.MP4)", first(kVeH264), pick(kBrPortable, "768 kbps"),
          pick(kResNano, "376*240"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90405, "iPod nano5 MPEG4 Video(*.MP4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"),
          pick(kResNano, "376*240"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90406, "iPod touch H.264 Video(*.MP4)", first(kVeH264), pick(kBrPortable, "768 kbps"),
          pick(kResTouch, "480*320"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90407, "iPod touch H.264 Video for TV(*.MP4)", first(kVeH264), pick(kBrSd, "1500 kbps"),
          pick(kResTv, "640*480"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90408, "iPod touch MPEG4(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"), pick(kResTouch, "480*320"),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90409, "iPod touch MPEG4 for TV(*.mp4)", first(kVeMpeg4), pick(kBrSd, "1500 kbps"), first(kResVga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),

    // Apple iPad
    video(90500, "iPad Video H.264(*.mp4)", first(kVeH264), pick(kBrSd, "2000 kbps"), pick(kResIpad, "1024*768"),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90501, "iPad HD Video(*.mp4)", first(kVeH264), pick(kBrHd, "4000 kbps"), first(kRes720p),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90502, "iPad Video MPEG4(*.MP4)", first(kVeMpeg4), pick(kBrSd, "2000 kbps"), first(kResVga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),

    // IPHONE
    video(90600, "iPhone 3GS MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"),
          pick(kResIphone3gs, "480*320"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90601, "iPhone 3GS H.264 Video(*.mp4)", first(kVeH264), pick(kBrPortable, "768 kbps"),
          pick(kResIphone3gs, "480*320"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90602, "iPhone 3G MPEG-4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"), first(kResHvga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90603, "iPhone 3G H.264 Video(*.mp4)", first(kVeH264), pick(kBrPortable, "768 kbps"), first(kResHvga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90604, "iPhone 4 Video(*.mp4)", first(kVeH264), pick(kBrSd, "2000 kbps"), pick(kResIphone4, "960*640"),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90605, "iPhone MPEG-4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"),
          pick(kResTouch, "480*320"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90606, "iPhone H.264 Video(*.mp4)", first(kVeH264), pick(kBrPortable, "768 kbps"),
          pick(kResTouch, "480*320"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),

    // LOSSLESS
    audio(90700, "OGG - Ogg Vorbis Audio(*.ogg)", pick(kAeLosslessOgg, "FLAC")),
    audio(90701, "FLAC -Free Lossless Audio Codec(*.flac)", first(kAeFlac)),
    audio(90702, "WAV -Waveform Audio(*.wav)", first(kAePcm)),
    audio(90703, "WMA -Windows Media Audio(*.wma)", pick(kAeWma, "WMA8")),

    // Mobile Phone. The video-encoder rule rewrites the resolution list of 90800-90803,
    // so their own list is the rule's list for encoders other than H.263.
    video(90800, "3GP -3GP Mobile Phone 3GP - Mono(*.3gp)", pick(kVePhone, "MPEG4"), pick(kBrPhone, "128 kbps"),
          pick(kResPhone, "320*240"), pick(kFpsPhone, "15.0 fps"), pick(kAePhone, "AAC")),
    video(90801, "3GP -3GP Mobile Phone 3GP - Stereo(*.3gp)", pick(kVePhone, "MPEG4"), pick(kBrPhone, "128 kbps"),
          pick(kResPhone, "320*240"), pick(kFpsPhone, "15.0 fps"), pick(kAePhone, "AAC")),
    video(90802, "3GP - BlackBerry 3GP Video(*.3gp)", pick(kVePhone, "MPEG4"), pick(kBrPhone, "256 kbps"),
          pick(kResPhone, "320*240"), pick(kFpsPhone, "15.0 fps"), pick(kAePhone, "AAC")),
    video(90803, "BlackBerry AVI Video(*.avi)", pick(kVeBlackBerryAvi, "MPEG4"), pick(kBrPortable, "512 kbps"),
          pick(kResPhone, "320*240"), pick(kFpsPortable, "25.0 fps"), first(kAeMp3)),
    video(90804, "BlackBerry MPEG4 Video(*.mp4)", pick(kVeBlackBerryMp4, "MPEG4"), pick(kBrPortable, "512 kbps"),
          pick(kResBlackBerryMp4, "480*320"), pick(kFpsPortable, "25.0 fps"), first(kAeAac)),
    audio(90805, "WMA -Windows Media Audio(*.wma)", pick(kAeWma, "WMA8")),
    video(90806, "WMV -Windows Media Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrPortable, "512 kbps"),
          pick(kResPhoneWmv, "320*240"), pick(kFpsPortable, "25.0 fps"), pick(kAeWma, "WMA8")),

    // Android
    video(90900, "Android - MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"),
          pick(kResAndroid, "480*320"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90901, "HTC G2 Magic - MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"), first(kResHvga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90902, "HTC Hero - MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"), first(kResHvga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90903, "HTC Tattoo - MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "512 kbps"), first(kResQvga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90904, "Motorola CLIQ - MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"),
          first(kResHvga), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90905, "Motorola Droid - MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "900 kbps"),
          pick(kResDroid, "854*480"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90906, "Nexus One - MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "900 kbps"), first(kResWvga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(90907, "SamSung i7500 - MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"),
          first(kResHvga), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),

    // ANIMATION
    video(91000, "FLV-Flash Video(*.flv)", first(kVeFlv), pick(kBrFlash, "512 kbps"), pick(kResFlash, "400*300"),
          pick(kFpsFlash, "25.0 fps"), pick(kAeFlash, "MP3")),
    video(91001, "SWF -SWF Format(*.swf)", first(kVeFlv), pick(kBrFlash, "512 kbps"), pick(kResFlash, "400*300"),
          pick(kFpsFlash, "25.0 fps"), first(kAeMp3)),
    video(91002, "F4V-F4V Format(*.flv)", first(kVeH264), pick(kBrFlash, "768 kbps"), pick(kResFlash, "480*360"),
          pick(kFpsFlash, "25.0 fps"), first(kAeAac)),

    // PMP
    video(91100, "Archos H.264 Video(*.mp4)", first(kVeH264), pick(kBrSd, "1500 kbps"), pick(kResArchos, "720*480"),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(91101, "Archos MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrSd, "1500 kbps"), pick(kResArchos, "720*480"),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(91102, "Archos WMV Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrSd, "1500 kbps"), pick(kResTv, "720*480"),
          pick(kFpsPortable, "29.97 fps"), pick(kAeWma, "WMA8")),
    video(91103, "Creative ZEN H.264 Video(*.mp4)", first(kVeH264), pick(kBrPortable, "512 kbps"), first(kResQvga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(91104, "Creative ZEN MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "512 kbps"), first(kResQvga),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(91105, "Creative ZEN WMV Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrPortable, "512 kbps"), first(kResQvga),
          pick(kFpsPortable, "29.97 fps"), pick(kAeWma, "WMA8")),
    video(91106, "iRiver H.264 Video(*.mp4)", first(kVeH264), pick(kBrPortable, "512 kbps"),
          pick(kResIriver, "320*240"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(91107, "iRiver MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "512 kbps"),
          pick(kResIriver, "320*240"), pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(91108, "iRiver WMV Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrPortable, "512 kbps"),
          pick(kResIriver, "320*240"), pick(kFpsPortable, "29.97 fps"), pick(kAeWma, "WMA8")),

    // PS3
    video(91200, "PS3 H.264 Video(*.mp4)", first(kVeH264), pick(kBrPs3H264, "2000 kbps"), pick(kResSd, "720*480"),
          pick(kFpsTv, "29.97 fps"), first(kAeAac)),
    video(91201, "PS3 DivX Video(*.avi)", first(kVeDivX), pick(kBrPs3DivX, "2500 kbps"), pick(kResSd, "720*480"),
          pick(kFpsTv, "29.97 fps"), pick(kAeAviAudio, "MP3")),
    video(91202, "PS3 DivX HD Video(*.avi)", first(kVeDivX), pick(kBrPs3DivXHd, "5000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), pick(kAeAviAudio, "MP3")),
    video(91203, "PS3 H.264 HD Video(*.mp4)", first(kVeH264), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), first(kAeAac)),
    video(91204, "PS3 MPEG2 Video(*.mpg)", first(kVeMpeg2), pick(kBrMpeg2, "3000 kbps"), pick(kResSd, "720*480"),
          pick(kFpsTv, "29.97 fps"), pick(kAePsAudio, "MP2")),
    video(91205, "PS3 MPEG2-PS HD Video(*.mpg)", first(kVeMpeg2), pick(kBrMpeg2Hd, "6000 kbps"),
          pick(kResHd, "1280*720"), pick(kFpsTv, "29.97 fps"), pick(kAePsAudio, "MP2")),
    video(91206, "PS3 MPEG2-TS HD Video(*.ts)", first(kVeMpeg2), pick(kBrMpeg2Hd, "6000 kbps"),
          pick(kResHd, "1280*720"), pick(kFpsTv, "29.97 fps"), pick(kAeTsAudio, "MP2")),
    video(91207, "PS3 WMV HD Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), pick(kAeWma, "WMA8")),
    video(91208, "PS3 WMV Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrSd, "2000 kbps"), pick(kResSd, "720*480"),
          pick(kFpsTv, "29.97 fps"), pick(kAeWma, "WMA8")),

    // PSP
    video(91300, "PSP H.264 Video(*.MP4)", first(kVeH264), pick(kBrPortable, "768 kbps"), first(kResPsp),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac), kThumb),
    video(91301, "PSP H.264 Video for TV(*.MP4)", first(kVeH264), pick(kBrSd, "2000 kbps"), pick(kResPspTv, "720*480"),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac), kThumb),
    video(91302, "PSP H.264 Video for firmware 2.00 and above(*.MP4)", first(kVeH264), pick(kBrPortable, "512 kbps"),
          pick(kResPspFw2, "368*208"), pick(kFpsPortable, "29.97 fps"), first(kAeAac), kThumb),
    video(91303, "PSP MPEG4 Video(*.MP4)", first(kVeMpeg4), pick(kBrPortable, "640 kbps"),
          pick(kResPspMpeg4, "368*208"), pick(kFpsPortable, "29.97 fps"), first(kAeAac), kThumb),

    // WII AND DS. The DPG presets use MPEG-1 video, so only its standard rates.
    video(91400, "NDS - DPG Video(*.dpg)", first(kVeMpeg1), pick(kBrDpg, "384 kbps"), first(kResDpg),
          pick(kFpsDpg, "24.0 fps"), first(kAeMp2)),
    video(91401, "NDS - DPG2 Video(*.dpg)", first(kVeMpeg1), pick(kBrDpg, "384 kbps"), first(kResDpg),
          pick(kFpsDpg, "24.0 fps"), first(kAeMp2)),
    video(91402, "NDS - DPG3 Video(*.dpg)", first(kVeMpeg1), pick(kBrDpg, "384 kbps"), first(kResDpg),
          pick(kFpsDpg, "24.0 fps"), first(kAeMp2)),
    video(91403, "NDS - DPG3 Video(*.dpg)", first(kVeMpeg1), pick(kBrDpg, "512 kbps"), first(kResDpg),
          pick(kFpsDpg, "24.0 fps"), first(kAeMp2)),
    video(91404, "Wii - AVI Video(*.avi)", pick(kVeWiiAvi, "M-JPEG"), pick(kBrWii, "2000 kbps"),
          pick(kResWii, "720*480"), pick(kFpsWii, "29.97 fps"), pick(kAeWiiAvi, "PCM_S16LE")),
    video(91405, "Wii - MOV Video(*.mov)", pick(kVeWiiMov, "M-JPEG"), pick(kBrWii, "2000 kbps"),
          pick(kResWii, "720*480"), pick(kFpsWii, "29.97 fps"), pick(kAeWiiMov, "PCM_S16LE")),

    // XBOX
    video(91500, "Xbox360 WMV Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrSd, "2000 kbps"), pick(kResSd, "720*480"),
          pick(kFpsTv, "29.97 fps"), pick(kAeWma, "WMA8")),
    video(91501, "Xbox360 DivX HD Video(*.avi)", first(kVeDivX), pick(kBrPs3DivXHd, "5000 kbps"),
          pick(kResHd, "1280*720"), pick(kFpsTv, "29.97 fps"), pick(kAeAviAudio, "MP3")),
    video(91502, "Xbox360 DivX Video(*.avi)", first(kVeDivX), pick(kBrPs3DivX, "2500 kbps"), pick(kResSd, "720*480"),
          pick(kFpsTv, "29.97 fps"), pick(kAeAviAudio, "MP3")),
    video(91503, "Xbox360 H.264 HD Video(*.mp4)", first(kVeH264), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), first(kAeAac)),
    video(91504, "Xbox360 H.264 Video(*.mp4)", first(kVeH264), pick(kBrPs3H264, "2000 kbps"), pick(kResSd, "720*480"),
          pick(kFpsTv, "29.97 fps"), first(kAeAac)),
    video(91505, "Xbox360 MPEG2 Video(*.mpg)", first(kVeMpeg2), pick(kBrMpeg2, "3000 kbps"), pick(kResSd, "720*480"),
          pick(kFpsTv, "29.97 fps"), pick(kAePsAudio, "MP2")),
    video(91506, "Xbox360 MPEG2-PS HD Video(*.mpg)", first(kVeMpeg2), pick(kBrMpeg2Hd, "6000 kbps"),
          pick(kResHd, "1280*720"), pick(kFpsTv, "29.97 fps"), pick(kAePsAudio, "MP2")),
    video(91507, "Xbox360 MPEG2-TS HD Video(*.ts)", first(kVeMpeg2), pick(kBrMpeg2Hd, "6000 kbps"),
          pick(kResHd, "1280*720"), pick(kFpsTv, "29.97 fps"), pick(kAeTsAudio, "MP2")),
    video(91508, "Xbox360 MPEG4 HD Video(*.mp4)", first(kVeMpeg4), pick(kBrHd, "4000 kbps"), pick(kResHd, "1280*720"),
          pick(kFpsTv, "29.97 fps"), first(kAeAac)),
    video(91509, "Xbox360 MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrSd, "2000 kbps"), pick(kResSd, "720*480"),
          pick(kFpsTv, "29.97 fps"), first(kAeAac)),
    video(91510, "Xbox360 WMV HD Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrHd, "4000 kbps"),
          pick(kResHd, "1280*720"), pick(kFpsTv, "29.97 fps"), pick(kAeWma, "WMA8")),

    // ZUNE
    video(91600, "ZUNE WMV Video(*.wmv)", pick(kVeWmv, "WMV2"), pick(kBrPortable, "768 kbps"),
          pick(kResZune, "320*240"), pick(kFpsPortable, "29.97 fps"), pick(kAeWma, "WMA8")),
    video(91601, "ZUNE H.264 Video(*.mp4)", first(kVeH264), pick(kBrPortable, "768 kbps"), pick(kResZune, "320*240"),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
    video(91602, "ZUNE MPEG4 Video(*.mp4)", first(kVeMpeg4), pick(kBrPortable, "768 kbps"), pick(kResZune, "320*240"),
          pick(kFpsPortable, "29.97 fps"), first(kAeAac)),
}};

constexpr int kReachableCodes[] = {91200, 91202, 91201, 91203, 91204, 91205, 91206, 91207,
                                   91208, 91300, 91301, 91302, 91303, 90702, 90106, 90110};

// Codes are unique and every preset is whole: a mistake here fails the build.
constexpr bool catalogueIsWellFormed() {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        const Preset& p = kCatalogue[i];
        for (std::size_t j = i + 1; j < kCatalogue.size(); ++j)
            if (kCatalogue[j].code == p.code) return false;
        if (p.title.empty() || p.audioEncoders.items.empty()) return false;
        if (p.audioOnly != p.videoEncoders.items.empty()) return false;
    }
    return true;
}
static_assert(catalogueIsWellFormed());

}  // namespace

std::span<const Preset> PresetCatalogue() { return kCatalogue; }

const Preset* FindPreset(int code) {
    auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(), [code](const Preset& p) { return p.code == code; });
    return it == kCatalogue.end() ? nullptr : &*it;
}

std::span<const int> ReachablePresetCodes() { return kReachableCodes; }
