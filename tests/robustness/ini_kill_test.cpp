// The configuration file survives the process being killed at any moment while it
// writes: afterwards the file holds one whole value that was written, never a
// mixture or a truncated file, and the rest of the file is kept.

#include "platform/IniFile.h"
#include "tests/robustness/Mutator.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// A long value that says which write it came from and whether it is whole.
std::string valueFor(int generation) {
    std::string value = "/home/user/Videos/run-" + std::to_string(generation) + "/";
    while (value.size() < 3000) value += "x";
    return value + "#" + std::to_string(generation);
}

bool wholeValue(const std::string& value) {
    const std::size_t hash = value.rfind('#');
    if (hash == std::string::npos) return false;
    return value == valueFor(std::atoi(value.c_str() + hash + 1));
}

TEST(IniKill, KilledWhileWritingLeavesOneWholeValue) {
    testmedia::TempDir dir;
    const std::filesystem::path ini = dir.path() / "bin" / "Path_Registration.ini";
    ASSERT_TRUE(IniFile::WriteString(ini, "Other", "Keep", "this line"));
    ASSERT_TRUE(IniFile::WriteString(ini, "Info", "Path", valueFor(0)));

    robustness::Random random(7);
    for (int round = 0; round < 12; ++round) {
        std::fflush(nullptr);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int generation = 1;; ++generation) IniFile::WriteString(ini, "Info", "Path", valueFor(generation));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + random.below(60000)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const std::string value = IniFile::ReadString(ini, "info", "path");
        EXPECT_TRUE(wholeValue(value)) << "round " << round << ": " << value.size() << " bytes: "
                                       << value.substr(0, 60);
        EXPECT_EQ(IniFile::ReadString(ini, "Other", "Keep"), "this line");
    }
}

}  // namespace
