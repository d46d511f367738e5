#pragma once
// The playback module behind the main window's preview and the clip editor.
//
// One player serves the whole process; these plain functions drive it, there is
// no handle. Callers take turns: whoever calls PlayerModule_Initialize last owns
// the end callback.
//
// Contract:
// - Every function may be called in any state and in any order, from any thread
//   (calls are serialised inside). Nothing here throws; nothing crashes on a
//   missing file, a damaged file, or a call before Initialize/Open.
// - PlayerModule_Open returns -1 when the named file cannot be played; any other
//   value is success. A successful Open replaces (closes) the file opened before.
//   After a failed Open the old file is closed and the getters answer safely:
//   GetPos 0, GetDuration 0, GetFrame the last picture shown (or black).
// - Start begins or resumes playback (Start after Pause resumes where it paused;
//   Start after Stop or after the end plays again from the beginning). Stop
//   rewinds and halts; Close releases the file. Stop and Close may be called
//   again at any time.
// - The end callback is called exactly once per play-through when playback
//   reaches the end, on the player's own thread. It may call any PlayerModule_*
//   function (Stop, Close included) without deadlock.
// - GetFrame converts the current picture to the caller's size only when called:
//   width * height * 3 bytes, each pixel B, G, R, the bottom row first, rows of
//   exactly width * 3 bytes (no padding).
// - Sound goes to the default audio device through SDL; when there is none the
//   file plays silently on a wall clock instead of failing.

#include <cstdint>
#include <cwchar>

#ifdef __cplusplus
extern "C" {
#endif

// Called when playback reaches the end of the file (no arguments).
typedef void (*PlayerModuleEndCallback)(void);
// Accepted for interface compatibility and never called.
typedef void (*PlayerModuleValueCallback)(int32_t);

// The code string every caller passes to PlayerModule_Initialize: 11 wide
// characters. The module accepts any string (or none); it only names the caller.
#define PLAYER_MODULE_CODE L"KORBANIX-PM"

// Remembers the end callback (null = none). Stops nothing; may be called again
// at any time, for example when another window takes over the player.
void PlayerModule_Initialize(PlayerModuleEndCallback onEnd, PlayerModuleValueCallback onValue,
                             const wchar_t* code);

// Names the file for the next Open (the string is copied). Callers pass at
// most 260 characters with the terminator; reading stops at the terminator or
// at 4096 characters. A null, empty, unterminated or invalid name makes the
// next Open fail.
void PlayerModule_SetFileName(const wchar_t* path);

// Opens the named file, halted at its beginning with its first picture on show
// (GetFrame gives it once decoded). -1 on failure; the previous file is closed
// either way.
int PlayerModule_Open(void);

// *hasPicture = 1 when the open file has a picture stream (a cover image does
// not count), else 0; *hasSound likewise for sound. Both 0 without an open file.
void PlayerModule_GetMideaType(int* hasPicture, int* hasSound);

// The picture size in pixels (0, 0 without an open file with pictures).
void PlayerModule_GetFrameSize(int* width, int* height);

// The picture's sample aspect ratio as a fraction (32/27 for a widescreen NTSC
// DVD frame); 1/1 without an open file with pictures or when the file does not say.
// GetFrame's picture is shown at GetFrameSize's width times this over its height.
void PlayerModule_GetSampleAspect(int* num, int* den);

// Fills buffer (width * height * 3 bytes) with the current picture, scaled to
// width x height, B, G, R, bottom row first. Black when there is none yet.
void PlayerModule_GetFrame(unsigned char* buffer, int width, int height);

void PlayerModule_Start(void);
void PlayerModule_Pause(void);
void PlayerModule_Stop(void);
void PlayerModule_Close(void);

// Position as a fraction of the duration, 0.0 .. 1.0 (0 without a file).
void PlayerModule_GetPos(float* fraction);
// Seeks to a fraction of the duration (clamped to 0 .. 1) and shows the picture
// there. Playing goes on playing, paused stays paused; after the end the player
// waits paused at the new place.
void PlayerModule_SetPos(float fraction);

// Duration of the open file in seconds (0 without a file).
void PlayerModule_GetDuration(double* seconds);

// Volume 0 (silent) .. 65535 (full), applied to the samples. Out-of-range values
// are clamped. The level survives Open and Close.
void PlayerModule_SetVolume(int volume);
void PlayerModule_GetVolume(int* volume);

#ifdef __cplusplus
}
#endif
