#include "engine/CodecMap.h"

#include <cstddef>

namespace codecmap {
namespace {

struct Entry {
    int legacyId;
    const char* encoder;  // nullptr: in the table, but FFmpeg has no encoder for it
};

// One row per legacy id, in the order of the encoder tables.
constexpr Entry kVideo[] = {
    {kVideoMpeg1, "mpeg1video"}, {kVideoMpeg2, "mpeg2video"}, {kVideoH263, "h263"},
    {kVideoRv20, "rv20"},        {kVideoMjpeg, "mjpeg"},      {kVideoMpeg4, "mpeg4"},
    {kVideoMsmpeg4v3, "msmpeg4"}, {kVideoWmv1, "wmv1"},       {kVideoWmv2, "wmv2"},
    {kVideoFlv1, "flv"},         {kVideoDv, "dvvideo"},       {kVideoH264, "libx264"},
    {kVideoXvid, "libxvid"},
};

constexpr Entry kAudio[] = {
    {kAudioPcmS16le, "pcm_s16le"}, {kAudioPcmS16be, "pcm_s16be"}, {kAudioPcmS8, "pcm_s8"},
    {kAudioPcmU8, "pcm_u8"},       {kAudioPcmMulaw, "pcm_mulaw"}, {kAudioPcmAlaw, "pcm_alaw"},
    {kAudioAmrNb, "libopencore_amrnb"}, {kAudioMp2, "mp2"},      {kAudioMp3, "libmp3lame"},
    {kAudioAac, "aac"},            {kAudioAc3, "ac3"},            {kAudioVorbis, "libvorbis"},
    {kAudioWmav1, "wmav1"},        {kAudioWmav2, "wmav2"},        {kAudioFlac, "flac"},
    {kAudioApe, nullptr},
};

template <std::size_t N>
const char* lookUp(const Entry (&table)[N], int legacyId) {
    for (const auto& e : table)
        if (e.legacyId == legacyId) return e.encoder;
    return nullptr;
}

}  // namespace

const char* videoEncoderName(int legacyId) { return lookUp(kVideo, legacyId); }
const char* audioEncoderName(int legacyId) { return lookUp(kAudio, legacyId); }

}  // namespace codecmap
