#include "player/PlayerModule.h"

// Placeholder until the playback engine lands: every call is safe, Open fails.
extern "C" {
void PlayerModule_Initialize(PlayerModuleEndCallback, PlayerModuleValueCallback, const wchar_t*) {}
void PlayerModule_SetFileName(const wchar_t*) {}
int PlayerModule_Open(void) { return -1; }
void PlayerModule_GetMideaType(int* a, int* b) { if (a) *a = 0; if (b) *b = 0; }
void PlayerModule_GetFrameSize(int* w, int* h) { if (w) *w = 0; if (h) *h = 0; }
void PlayerModule_GetFrame(unsigned char*, int, int) {}
void PlayerModule_Start(void) {}
void PlayerModule_Pause(void) {}
void PlayerModule_Stop(void) {}
void PlayerModule_Close(void) {}
void PlayerModule_GetPos(float* f) { if (f) *f = 0.0f; }
void PlayerModule_SetPos(float) {}
void PlayerModule_GetDuration(double* d) { if (d) *d = 0.0; }
void PlayerModule_SetVolume(int) {}
void PlayerModule_GetVolume(int* v) { if (v) *v = 65535; }
}
