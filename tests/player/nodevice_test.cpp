// With no sound device to be had, files play silently on the wall clock
// instead of failing: the same timing the sound clock gives.

#include "tests/player/PlayerTestSupport.h"

namespace {

// Runs before the player first touches SDL in this process.
class NoSoundDevice : public ::testing::Environment {
public:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "korbanix-no-such-driver", 1); }
};
const auto* const kNoSoundDevice = ::testing::AddGlobalTestEnvironment(new NoSoundDevice);

}  // namespace

TEST_F(PlayerModuleTest, SoundOnlyFilePlaysSilentlyForItsLength) {
    ASSERT_NE(openFile(soundOnly(1.0)), -1);
    int hasPicture = -1, hasSound = -1;
    PlayerModule_GetMideaType(&hasPicture, &hasSound);
    EXPECT_EQ(hasPicture, 0);
    EXPECT_EQ(hasSound, 1);
    auto started = std::chrono::steady_clock::now();
    PlayerModule_Start();
    std::this_thread::sleep_for(400ms);
    EXPECT_GT(pos(), 0.25f);
    EXPECT_LT(pos(), 0.65f);
    PlayerModule_Pause();
    float paused = pos();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(pos(), paused);
    PlayerModule_Start();
    ASSERT_TRUE(waitFor([] { return g_endCalls.load() > 0; }, 4s));
    double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_GT(took, 1.1);
    EXPECT_LT(took, 2.0);
    EXPECT_EQ(pos(), 1.0f);
}

TEST_F(PlayerModuleTest, PicturesFollowTheWallClock) {
    expectPicturesFollowTheClock(redThenBlueShortSound());
}

TEST_F(PlayerModuleTest, SeekingWithoutSoundShowsTheTargetPicture) {
    expectSeekingShowsTheTargetPicture(redThenBlueShortSound());
}
