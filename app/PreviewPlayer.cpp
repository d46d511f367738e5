#include "app/PreviewPlayer.h"

#include "platform/FileNames.h"

#include <string>

void ModulePreviewPlayer::Initialize(PlayerModuleEndCallback onEnd) {
    PlayerModule_Initialize(onEnd, nullptr, PLAYER_MODULE_CODE);
}

void ModulePreviewPlayer::SetFileName(const QString& path) {
    // The module reads at most 260 wide characters; a longer path makes Open fail
    // rather than open a truncated name.
    const std::wstring wide = WideFileName(path);
    PlayerModule_SetFileName(wide.c_str());
}

int ModulePreviewPlayer::Open() { return PlayerModule_Open(); }
void ModulePreviewPlayer::GetMediaType(int* hasPicture, int* hasSound) {
    PlayerModule_GetMideaType(hasPicture, hasSound);
}
void ModulePreviewPlayer::GetFrameSize(int* width, int* height) { PlayerModule_GetFrameSize(width, height); }
void ModulePreviewPlayer::GetFrame(unsigned char* buffer, int width, int height) {
    PlayerModule_GetFrame(buffer, width, height);
}
void ModulePreviewPlayer::Start() { PlayerModule_Start(); }
void ModulePreviewPlayer::Pause() { PlayerModule_Pause(); }
void ModulePreviewPlayer::Stop() { PlayerModule_Stop(); }
void ModulePreviewPlayer::Close() { PlayerModule_Close(); }
float ModulePreviewPlayer::GetPos() {
    float fraction = 0.0f;
    PlayerModule_GetPos(&fraction);
    return fraction;
}
void ModulePreviewPlayer::SetPos(float fraction) { PlayerModule_SetPos(fraction); }
void ModulePreviewPlayer::SetVolume(int volume) { PlayerModule_SetVolume(volume); }
int ModulePreviewPlayer::GetVolume() {
    int volume = 0;
    PlayerModule_GetVolume(&volume);
    return volume;
}
