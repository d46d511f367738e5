#include "player/MediaPlayer.h"

void ModuleMediaPlayer::Initialize(PlayerModuleEndCallback onEnd) {
    PlayerModule_Initialize(onEnd, nullptr, PLAYER_MODULE_CODE);
}
void ModuleMediaPlayer::SetFileName(const std::wstring& name) { PlayerModule_SetFileName(name.c_str()); }
int ModuleMediaPlayer::Open() { return PlayerModule_Open(); }
void ModuleMediaPlayer::GetMediaType(int* hasPicture, int* hasSound) {
    PlayerModule_GetMideaType(hasPicture, hasSound);
}
void ModuleMediaPlayer::GetFrameSize(int* width, int* height) { PlayerModule_GetFrameSize(width, height); }
double ModuleMediaPlayer::GetSampleAspect() {
    int num = 1;
    int den = 1;
    PlayerModule_GetSampleAspect(&num, &den);
    return den > 0 && num > 0 ? static_cast<double>(num) / den : 1.0;
}
void ModuleMediaPlayer::GetFrame(unsigned char* buffer, int width, int height) {
    PlayerModule_GetFrame(buffer, width, height);
}
void ModuleMediaPlayer::Start() { PlayerModule_Start(); }
void ModuleMediaPlayer::Pause() { PlayerModule_Pause(); }
void ModuleMediaPlayer::Stop() { PlayerModule_Stop(); }
void ModuleMediaPlayer::Close() { PlayerModule_Close(); }
float ModuleMediaPlayer::GetPos() {
    float fraction = 0.0f;
    PlayerModule_GetPos(&fraction);
    return fraction;
}
void ModuleMediaPlayer::SetPos(float fraction) { PlayerModule_SetPos(fraction); }
double ModuleMediaPlayer::GetDuration() {
    double seconds = 0.0;
    PlayerModule_GetDuration(&seconds);
    return seconds;
}
void ModuleMediaPlayer::SetVolume(int volume) { PlayerModule_SetVolume(volume); }
int ModuleMediaPlayer::GetVolume() {
    int volume = 0;
    PlayerModule_GetVolume(&volume);
    return volume;
}

MediaPlayer& ModulePlayer() {
    static ModuleMediaPlayer player;
    return player;
}
