#pragma once
// The job's codec vocabulary is the legacy numeric codec ids of the encoder tables
// (libavcodec 52 numbering). Today's FFmpeg numbers differ, so each legacy id maps
// to an encoder looked up by name. An id outside the tables has no encoder.

namespace codecmap {

// Legacy video ids: 1 mpeg1video, 2 mpeg2video, 5 h263, 7 rv20, 8 mjpeg, 13 mpeg4,
// 17 msmpeg4v3, 18 wmv1, 19 wmv2, 22 flv1, 25 dvvideo, 28 h264, 63 xvid.
constexpr int kVideoMpeg1 = 1, kVideoMpeg2 = 2, kVideoH263 = 5, kVideoRv20 = 7, kVideoMjpeg = 8,
              kVideoMpeg4 = 13, kVideoMsmpeg4v3 = 17, kVideoWmv1 = 18, kVideoWmv2 = 19, kVideoFlv1 = 22,
              kVideoDv = 25, kVideoH264 = 28, kVideoXvid = 63;
constexpr int kAudioPcmS16le = 0x10000, kAudioPcmS16be = 0x10001, kAudioPcmS8 = 0x10004, kAudioPcmU8 = 0x10005,
              kAudioPcmMulaw = 0x10006, kAudioPcmAlaw = 0x10007, kAudioAmrNb = 0x12000, kAudioMp2 = 0x15000,
              kAudioMp3 = 0x15001, kAudioAac = 0x15002, kAudioAc3 = 0x15003, kAudioVorbis = 0x15005,
              kAudioWmav1 = 0x15007, kAudioWmav2 = 0x15008, kAudioFlac = 0x1500E, kAudioApe = 0x15023;

// The FFmpeg encoder name for a legacy id, or nullptr when the id is not in the table
// (APE is in the table but FFmpeg has no encoder: nullptr too).
const char* videoEncoderName(int legacyId);
const char* audioEncoderName(int legacyId);

}  // namespace codecmap
