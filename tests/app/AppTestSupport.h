#pragma once
// Shared set-up of the main-window tests: the platform fake with the executable
// folder in a temporary folder, a recording stand-in for the player, and small
// media files made once per test program.

#include "app/CTolvaneAVConverterDlg.h"
#include "app/PreviewPlayer.h"
#include "controls/BitmapSlider.h"
#include "controls/CheckListCtrl.h"
#include "controls/ControlButton.h"
#include "platform/FakePlatform.h"
#include "support/MediaFixture.h"
#include "support/QtTestApp.h"

#include <QDialog>
#include <QMenu>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace apptest {

// Records every call; answers from its fields.
class FakePlayer : public PreviewPlayer {
public:
    std::vector<std::string> calls;
    QString fileName;
    int openResult = 0;
    int hasPicture = 1;
    int width = 5;
    int height = 3;
    float position = 0.0f;
    int volume = -1;
    PlayerModuleEndCallback endCallback = nullptr;

    int count(const std::string& name) const {
        int n = 0;
        for (const std::string& call : calls) n += call == name;
        return n;
    }
    void Initialize(PlayerModuleEndCallback onEnd) override { calls.push_back("Initialize"); endCallback = onEnd; }
    void SetFileName(const QString& path) override { calls.push_back("SetFileName"); fileName = path; }
    int Open() override { calls.push_back("Open"); return openResult; }
    void GetMediaType(int* picture, int* sound) override { calls.push_back("GetMediaType"); *picture = hasPicture; *sound = 1; }
    void GetFrameSize(int* w, int* h) override { calls.push_back("GetFrameSize"); *w = width; *h = height; }
    void GetFrame(unsigned char* buffer, int w, int h) override {
        calls.push_back("GetFrame");
        for (int i = 0; i < w * h * 3; ++i) buffer[i] = static_cast<unsigned char>(i);
    }
    void Start() override { calls.push_back("Start"); }
    void Pause() override { calls.push_back("Pause"); }
    void Stop() override { calls.push_back("Stop"); }
    void Close() override { calls.push_back("Close"); }
    float GetPos() override { return position; }
    void SetPos(float fraction) override { calls.push_back("SetPos"); position = fraction; }
    void SetVolume(int level) override { calls.push_back("SetVolume"); volume = level; }
    int GetVolume() override { return volume; }
};

// Media made once per program: three short clips, an audio file and a damaged one.
struct Media {
    testmedia::TempDir dir;
    QString clipA, clipB, clipC, audio, broken;
    bool ok = false;
};

inline Media& SharedMedia() {
    static Media media;
    static const bool made_once = [] {
        Media& made = media;
        testmedia::ClipSpec video;
        video.seconds = 1.0;
        video.videoSize = "64x48";
        video.extraArgs = "-c:v mpeg4 -c:a mp2";
        testmedia::ClipSpec sound;
        sound.seconds = 1.0;
        sound.videoSize = "";
        made.clipA = QString::fromStdString(made.dir.file("a.avi"));
        made.clipB = QString::fromStdString(made.dir.file("b.avi"));
        made.clipC = QString::fromStdString(made.dir.file("c.avi"));
        made.audio = QString::fromStdString(made.dir.file("tone.wav"));
        made.broken = QString::fromStdString(made.dir.file("broken.mp4"));
        made.ok = testmedia::makeClip(made.clipA.toStdString(), video) &&
                  testmedia::makeClip(made.clipB.toStdString(), video) &&
                  testmedia::makeClip(made.clipC.toStdString(), video) &&
                  testmedia::makeClip(made.audio.toStdString(), sound);
        testmedia::runCommand("printf 'not a media file' > " + testmedia::shellQuote(made.broken.toStdString()));
        return true;
    }();
    (void)made_once;
    return media;
}

// A main window on the fake platform, with its executable folder in a fresh
// temporary folder and the recording player.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SharedMedia().ok);
        fake.executableFolder = QString::fromStdString(exeDir.path().string());
        fake.userConfigFolder = QString::fromStdString(exeDir.file("xdg-config"));
        fake.videosFolder = QString::fromStdString(exeDir.file("Videos"));
    }
    void TearDown() override { dialog.reset(); }

    CTolvaneAVConverterDlg& open() {
        dialog = std::make_unique<CTolvaneAVConverterDlg>(nullptr, &player);
        dialog->modalRunner = [this](QDialog& shown) {
            modalClasses << shown.metaObject()->className();
            return int(QDialog::Rejected);
        };
        return *dialog;
    }
    QString exeFolder() const { return fake.executableFolder; }

    FakePlayer player;  // outlives the window, which closes it at the end
    FakePlatform fake;
    ScopedPlatform installed{fake};
    testmedia::TempDir exeDir;
    QStringList modalClasses;
    std::unique_ptr<CTolvaneAVConverterDlg> dialog;
};

}  // namespace apptest
