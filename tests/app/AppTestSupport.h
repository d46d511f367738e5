#pragma once
// Shared set-up of the main-window tests: the platform fake with the executable
// folder in a temporary folder, a recording stand-in for the player, and small
// media files made once per test program.

#include "app/CTolvaneAVConverterDlg.h"
#include "controls/BitmapSlider.h"
#include "controls/CheckListCtrl.h"
#include "controls/ControlButton.h"
#include "platform/FakePlatform.h"
#include "support/FakeMediaPlayer.h"
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

// The preview's player: the stand-in the clip editor's tests use too.
using FakePlayer = FakeMediaPlayer;

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
