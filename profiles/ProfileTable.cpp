#include "profiles/ProfileTable.h"

#include "profiles/OutputSettings.h"

namespace {

constexpr int kKeep = 0;
constexpr std::string_view kKeepText = "";

// One row per entry of the profile list, in the order the list shows them. The
// display texts are shown as they are: the leading blank and the double blank of
// the PSP MPEG4 entry belong to them. Audio-only rows keep the video fields.
constexpr std::array<ProfileEntry, kProfileCount> kProfiles = {{
    {" PS3 H.264 Video(*.mp4)", 91200, "H.264", 720, 480, "29.97 fps", 2000000, "AAC", 48000, 2, 192000, false},
    {" PS3 DivX HD Video(*.avi)", 91202, "DivX", 1280, 720, "29.97 fps", 5000000, "MP3", 48000, 2, 192000, false},
    {" PS3 DivX Video(*.avi)", 91201, "DivX", 720, 480, "29.97 fps", 2500000, "MP3", 48000, 2, 128000, false},
    {" PS3 H.264 HD Video(*.mp4)", 91203, "H.264", 1280, 720, "29.97 fps", 4000000, "AAC", 48000, 2, 128000, false},
    {" PS3 MPEG2 Video(*.mpg)", 91204, "MPEG2VIDEO", 720, 480, "29.97 fps", 3000000, "MP2", 48000, 2, 128000, false},
    {" PS3 MPEG2-PS HD Video(*.mpg)", 91205, "MPEG2VIDEO", 1280, 720, "29.97 fps", 6000000, "MP2", 48000, 2, 128000,
     false},
    {" PS3 MPEG2-TS HD Video(*.ts)", 91206, "MPEG2VIDEO", 1280, 720, "29.97 fps", 6000000, "MP2", 48000, 2, 128000,
     false},
    {" PS3 WMV HD Video(*.wmv)", 91207, "WMV2", 1280, 720, "29.97 fps", 4000000, "WMA8", 44100, 2, 128000, false},
    {" PS3 WMV Video(*.wmv)", 91208, "WMV2", 720, 480, "29.97 fps", 2000000, "WMA8", 44100, 2, 128000, false},
    {" PSP H.264 Video(*.mp4)", 91300, "H.264", 480, 272, "29.97 fps", 768000, "AAC", 48000, 2, 128000, false},
    {" PSP H.264 Video for TV(*.mp4)", 91301, "H.264", 720, 480, "29.97 fps", 2000000, "AAC", 48000, 2, 128000, false},
    {" PSP H.264 Video for firmware 2.00 and above(*.mp4)", 91302, "H.264", 368, 208, "29.97 fps", 512000, "AAC",
     48000, 2, 128000, false},
    {" PSP  MPEG4 Video(*.mp4)", 91303, "MPEG4", 368, 208, "29.97 fps", 2000000, "AAC", 48000, 2, 128000, false},
    {" WAV -Waveform Audio(*.wav)", 90702, kKeepText, kKeep, kKeep, kKeepText, kKeep, "PCM_S16LE", 44100, 2, 128000,
     true},
    {" MP3 -MPEG Layer-3 Audio(*.mp3)", 90106, kKeepText, kKeep, kKeep, kKeepText, kKeep, "MP3", 44100, 2, 128000,
     true},
    {" WMA -Windows Media Audio(*.wma)", 90110, kKeepText, kKeep, kKeep, kKeepText, kKeep, "WMA8", 44100, 2, 128000,
     true},
}};

template <typename T>
void setUnlessKept(T& field, T value, T keep) {
    if (value != keep) field = value;
}

void setUnlessKept(std::string& field, std::string_view value) {
    if (!value.empty()) field = std::string(value);
}

}  // namespace

const std::array<ProfileEntry, kProfileCount>& Profiles() { return kProfiles; }

void LoadProfile(OutputSettings& settings, int index) {
    if (index < 0 || index >= kProfileCount) return;
    const ProfileEntry& entry = kProfiles[static_cast<std::size_t>(index)];
    settings.profileCode = entry.code;
    setUnlessKept(settings.videoEncoder, entry.videoEncoder);
    setUnlessKept(settings.width, entry.width, kKeep);
    setUnlessKept(settings.height, entry.height, kKeep);
    setUnlessKept(settings.frameRateText, entry.frameRateText);
    setUnlessKept(settings.videoBitRate, entry.videoBitRate, kKeep);
    setUnlessKept(settings.audioEncoder, entry.audioEncoder);
    setUnlessKept(settings.sampleRate, entry.sampleRate, kKeep);
    setUnlessKept(settings.channels, entry.channels, kKeep);
    setUnlessKept(settings.audioBitRate, entry.audioBitRate, kKeep);
    settings.audioOnly = entry.audioOnly;
    // Only outputs with a picture get a ".THM" beside them.
    settings.makeThumbnail = !entry.audioOnly;
}

void ResetOutputSettings(OutputSettings& settings) {
    // A fresh record holds the confirmed choices' start-up texts; entry 0 then
    // supplies every applied value.
    settings = OutputSettings{};
    LoadProfile(settings, 0);
}
