// The player module on damaged files: Open either fails with -1 or gives a file
// whose getters answer sanely while it plays, seeks and stops.

#include "player/PlayerModule.h"
#include "tests/robustness/MutationCases.h"

#include <chrono>
#include <cmath>
#include <thread>

using namespace robustness;

namespace {

void onEnd() {}

int playBody(const std::string& path) {
    PlayerModule_Initialize(onEnd, nullptr, PLAYER_MODULE_CODE);
    const std::wstring wide(path.begin(), path.end());  // the test folder's names are ASCII
    PlayerModule_SetFileName(wide.c_str());
    int code = kCaseOk;
    if (PlayerModule_Open() != -1) {
        int picture = 0, sound = 0, width = 0, height = 0;
        PlayerModule_GetMideaType(&picture, &sound);
        PlayerModule_GetFrameSize(&width, &height);
        std::vector<unsigned char> buffer(64 * 48 * 3);
        PlayerModule_GetFrame(buffer.data(), 64, 48);
        PlayerModule_Start();
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        PlayerModule_SetPos(0.6f);
        PlayerModule_GetFrame(buffer.data(), 64, 48);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        float position = -1;
        double duration = -1;
        PlayerModule_GetPos(&position);
        PlayerModule_GetDuration(&duration);
        if (!(position >= 0.0f && position <= 1.0f) || !(duration >= 0.0 && std::isfinite(duration)) || width < 0 ||
            height < 0) {
            std::fprintf(stderr, "position %f, duration %f, size %dx%d\n", position, duration, width, height);
            code = kCaseBrokenContract;
        }
        PlayerModule_Stop();
    }
    PlayerModule_Close();
    return code;
}

class PlayerMutation : public ::testing::TestWithParam<SeedFormat> {
protected:
    testmedia::TempDir dir;
};

TEST_P(PlayerMutation, DamagedFilesFailToOpenOrPlaySafely) {
    MutationRun run(GetParam(), dir);
    ASSERT_TRUE(run.makeSeed());
    run.run("PlayerModule", casesFor(4, 2), 60,
            [](const std::string& damaged, std::size_t) { return playBody(damaged); });
}

INSTANTIATE_TEST_SUITE_P(Containers, PlayerMutation, ::testing::ValuesIn(seedFormats().begin(), seedFormats().end()),
                         formatName);

}  // namespace
