#include "player/PlayerModule.h"

#include "player/Player.h"

extern "C" {
#include <libavutil/rational.h>
}

#include <atomic>

namespace {

// The one player of the process, made on first use and ended at exit. A call
// that comes after it has ended (from another object's exit-time clean-up)
// finds no player and does nothing rather than touch a destroyed one.
std::atomic<bool> g_playerEnded{false};

struct PlayerHolder {
    player::Player player;
    ~PlayerHolder() { g_playerEnded.store(true); }
};

player::Player* thePlayer() {
    if (g_playerEnded.load()) return nullptr;
    static PlayerHolder holder;
    return &holder.player;
}

}  // namespace

extern "C" {

void PlayerModule_Initialize(PlayerModuleEndCallback onEnd, PlayerModuleValueCallback, const wchar_t*) {
    if (auto* p = thePlayer()) p->initialize(onEnd);
}

void PlayerModule_SetFileName(const wchar_t* path) {
    if (auto* p = thePlayer()) p->setFileName(path);
}

int PlayerModule_Open(void) {
    auto* p = thePlayer();
    return p && p->open() ? 0 : -1;
}

void PlayerModule_GetMideaType(int* hasPicture, int* hasSound) {
    auto* p = thePlayer();
    if (hasPicture) *hasPicture = p && p->hasPicture() ? 1 : 0;
    if (hasSound) *hasSound = p && p->hasSound() ? 1 : 0;
}

void PlayerModule_GetSampleAspect(int* num, int* den) {
    AVRational sar{1, 1};
    if (auto* p = thePlayer()) sar = av_d2q(p->sampleAspect(), 10000);
    if (sar.num <= 0 || sar.den <= 0) sar = AVRational{1, 1};
    if (num) *num = sar.num;
    if (den) *den = sar.den;
}

void PlayerModule_GetFrameSize(int* width, int* height) {
    if (auto* p = thePlayer()) {
        p->frameSize(width, height);
        return;
    }
    if (width) *width = 0;
    if (height) *height = 0;
}

void PlayerModule_GetFrame(unsigned char* buffer, int width, int height) {
    if (auto* p = thePlayer()) p->frame(buffer, width, height);
}

void PlayerModule_Start(void) {
    if (auto* p = thePlayer()) p->start();
}

void PlayerModule_Pause(void) {
    if (auto* p = thePlayer()) p->pause();
}

void PlayerModule_Stop(void) {
    if (auto* p = thePlayer()) p->stop();
}

void PlayerModule_Close(void) {
    if (auto* p = thePlayer()) p->close();
}

void PlayerModule_GetPos(float* fraction) {
    auto* p = thePlayer();
    if (fraction) *fraction = p ? p->position() : 0.0f;
}

void PlayerModule_SetPos(float fraction) {
    if (auto* p = thePlayer()) p->seek(fraction);
}

void PlayerModule_GetDuration(double* seconds) {
    auto* p = thePlayer();
    if (seconds) *seconds = p ? p->duration() : 0.0;
}

void PlayerModule_SetVolume(int volume) {
    if (auto* p = thePlayer()) p->setVolume(volume);
}

void PlayerModule_GetVolume(int* volume) {
    auto* p = thePlayer();
    if (volume) *volume = p ? p->volume() : 0;
}

}  // extern "C"
