#pragma once
// The player as the main window's preview uses it: the PlayerModule_* functions
// behind a small interface, so the preview's rules can be checked against a
// recording stand-in. ModulePreviewPlayer is the real module. All calls come from
// the UI thread, except that the module calls the end callback on its own thread.

#include "player/PlayerModule.h"

#include <QString>

#include <cstdint>

class PreviewPlayer {
public:
    virtual ~PreviewPlayer() = default;
    virtual void Initialize(PlayerModuleEndCallback onEnd) = 0;
    virtual void SetFileName(const QString& path) = 0;
    virtual int Open() = 0;  // -1 = failure
    virtual void GetMediaType(int* hasPicture, int* hasSound) = 0;
    virtual void GetFrameSize(int* width, int* height) = 0;
    virtual void GetFrame(unsigned char* buffer, int width, int height) = 0;
    virtual void Start() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void Close() = 0;
    virtual float GetPos() = 0;
    virtual void SetPos(float fraction) = 0;
    virtual void SetVolume(int volume) = 0;
    virtual int GetVolume() = 0;
};

class ModulePreviewPlayer : public PreviewPlayer {
public:
    void Initialize(PlayerModuleEndCallback onEnd) override;
    void SetFileName(const QString& path) override;
    int Open() override;
    void GetMediaType(int* hasPicture, int* hasSound) override;
    void GetFrameSize(int* width, int* height) override;
    void GetFrame(unsigned char* buffer, int width, int height) override;
    void Start() override;
    void Pause() override;
    void Stop() override;
    void Close() override;
    float GetPos() override;
    void SetPos(float fraction) override;
    void SetVolume(int volume) override;
    int GetVolume() override;
};
