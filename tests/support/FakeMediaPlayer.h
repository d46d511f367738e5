#pragma once
// The one stand-in for the player module in the window tests (the main window's
// preview and the clip editor): records every call that changes something and
// answers from its fields. Not thread-safe; tests call the end callback themselves.

#include "player/MediaPlayer.h"
#include "player/WideName.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

class FakeMediaPlayer : public MediaPlayer {
public:
    std::vector<std::string> calls;
    std::vector<std::string> files;  // every name handed over, as the bytes the module would open
    int openResult = 0;
    int hasPicture = 1;
    int hasSound = 1;
    int width = 5;
    int height = 3;
    float position = 0.0f;
    double duration = 100.0;
    double sampleAspect = 1.0;
    int volume = -1;
    PlayerModuleEndCallback endCallback = nullptr;
    // Paints GetFrame's buffer; by default byte i holds i.
    std::function<void(unsigned char* buffer, int width, int height)> paint;

    // The last name handed over.
    std::string fileName() const { return files.empty() ? std::string() : files.back(); }
    int count(const std::string& name) const { return static_cast<int>(std::count(calls.begin(), calls.end(), name)); }

    void Initialize(PlayerModuleEndCallback onEnd) override {
        calls.push_back("Initialize");
        endCallback = onEnd;
    }
    void SetFileName(const std::wstring& name) override {
        calls.push_back("SetFileName");
        files.push_back(player::wideToUtf8(name.c_str()).value_or(std::string()));
    }
    int Open() override {
        calls.push_back("Open");
        return openResult;
    }
    void GetMediaType(int* picture, int* sound) override {
        calls.push_back("GetMediaType");
        *picture = hasPicture;
        *sound = hasSound;
    }
    void GetFrameSize(int* w, int* h) override {
        calls.push_back("GetFrameSize");
        *w = width;
        *h = height;
    }
    void GetFrame(unsigned char* buffer, int w, int h) override {
        calls.push_back("GetFrame");
        if (paint) return paint(buffer, w, h);
        for (int i = 0; i < w * h * 3; ++i) buffer[i] = static_cast<unsigned char>(i);
    }
    void Start() override { calls.push_back("Start"); }
    void Pause() override { calls.push_back("Pause"); }
    void Stop() override { calls.push_back("Stop"); }
    void Close() override { calls.push_back("Close"); }
    float GetPos() override { return position; }
    void SetPos(float fraction) override {
        calls.push_back("SetPos");
        position = fraction;
    }
    double GetDuration() override { return duration; }
    double GetSampleAspect() override { return sampleAspect; }
    void SetVolume(int level) override {
        calls.push_back("SetVolume");
        volume = level;
    }
    int GetVolume() override { return volume; }
};
