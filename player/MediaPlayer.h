#pragma once
// The player module as one object, for the two windows that play a file (the main
// window's preview and the clip editor): the PlayerModule_* functions behind a
// small interface, so each window's rules can be checked against one recording
// stand-in (tests/support/FakeMediaPlayer.h). The module is one per process, so
// every ModuleMediaPlayer drives the same player; whoever calls Initialize last
// owns the end callback. All calls come from the UI thread; the module calls the
// end callback on its own thread.

#include "player/PlayerModule.h"

#include <string>

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void Initialize(PlayerModuleEndCallback onEnd) = 0;
    // The wide name as the windows hand it over: a byte that is not UTF-8 is the
    // lone surrogate U+DC00 + byte (platform/FileNames.h, WideFileName). The module
    // reads at most 260 characters; a longer name makes Open fail rather than open
    // a truncated one.
    virtual void SetFileName(const std::wstring& name) = 0;
    virtual int Open() = 0;  // -1 = failure
    virtual void GetMediaType(int* hasPicture, int* hasSound) = 0;
    virtual void GetFrameSize(int* width, int* height) = 0;
    virtual void GetFrame(unsigned char* buffer, int width, int height) = 0;
    // Width of a picture's pixel over its height (1 = square pixels).
    virtual double GetSampleAspect() { return 1.0; }
    virtual void Start() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void Close() = 0;
    virtual float GetPos() = 0;  // 0..1 of the length
    virtual void SetPos(float fraction) = 0;
    virtual double GetDuration() = 0;  // seconds
    virtual void SetVolume(int volume) = 0;  // 0..65535
    virtual int GetVolume() = 0;
};

// The real module.
class ModuleMediaPlayer : public MediaPlayer {
public:
    void Initialize(PlayerModuleEndCallback onEnd) override;
    void SetFileName(const std::wstring& name) override;
    int Open() override;
    void GetMediaType(int* hasPicture, int* hasSound) override;
    void GetFrameSize(int* width, int* height) override;
    void GetFrame(unsigned char* buffer, int width, int height) override;
    double GetSampleAspect() override;
    void Start() override;
    void Pause() override;
    void Stop() override;
    void Close() override;
    float GetPos() override;
    void SetPos(float fraction) override;
    double GetDuration() override;
    void SetVolume(int volume) override;
    int GetVolume() override;
};

// A process-wide ModuleMediaPlayer, for callers that own none.
MediaPlayer& ModulePlayer();
