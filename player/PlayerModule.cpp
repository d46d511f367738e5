#include "player/PlayerModule.h"

#include "player/Player.h"

namespace {

// The one player of the process, made on first use and ended at exit.
player::Player& thePlayer() {
    static player::Player instance;
    return instance;
}

}  // namespace

extern "C" {

void PlayerModule_Initialize(PlayerModuleEndCallback onEnd, PlayerModuleValueCallback, const wchar_t*) {
    thePlayer().initialize(onEnd);
}

void PlayerModule_SetFileName(const wchar_t* path) { thePlayer().setFileName(path); }

int PlayerModule_Open(void) { return thePlayer().open() ? 0 : -1; }

void PlayerModule_GetMideaType(int* hasPicture, int* hasSound) {
    player::Player& p = thePlayer();
    if (hasPicture) *hasPicture = p.hasPicture() ? 1 : 0;
    if (hasSound) *hasSound = p.hasSound() ? 1 : 0;
}

void PlayerModule_GetFrameSize(int* width, int* height) { thePlayer().frameSize(width, height); }

void PlayerModule_GetFrame(unsigned char* buffer, int width, int height) { thePlayer().frame(buffer, width, height); }

void PlayerModule_Start(void) { thePlayer().start(); }
void PlayerModule_Pause(void) { thePlayer().pause(); }
void PlayerModule_Stop(void) { thePlayer().stop(); }
void PlayerModule_Close(void) { thePlayer().close(); }

void PlayerModule_GetPos(float* fraction) {
    if (fraction) *fraction = thePlayer().position();
}

void PlayerModule_SetPos(float fraction) { thePlayer().seek(fraction); }

void PlayerModule_GetDuration(double* seconds) {
    if (seconds) *seconds = thePlayer().duration();
}

void PlayerModule_SetVolume(int volume) { thePlayer().setVolume(volume); }

void PlayerModule_GetVolume(int* volume) {
    if (volume) *volume = thePlayer().volume();
}

}  // extern "C"
