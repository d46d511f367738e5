#pragma once
// The bounded set of damaged inputs one test feeds to one target, and the shared
// steps of every mutation test: make the seed, damage it, run the case in a child,
// keep the damaged file of a failing case for a person to look at.
//
// Environment (for longer runs from bench/robustness_long.sh):
//   KORBANIX_ROBUSTNESS_SCALE  multiplies every test's case count (default 1)
//   KORBANIX_ROBUSTNESS_SEED   first seed (default 1); seeds run consecutively

#include "tests/robustness/ChildCase.h"
#include "tests/robustness/Mutator.h"
#include "tests/robustness/SeedMedia.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace robustness {

struct MutationCase {
    Mutation kind;
    std::uint32_t seed;
};

inline long environmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return (end && *end == '\0' && value > 0) ? value : fallback;
}

// `count` cases (times the scale), cycling through every kind of damage.
inline std::vector<MutationCase> casesFor(int count, std::uint32_t salt) {
    const long total = count * environmentNumber("KORBANIX_ROBUSTNESS_SCALE", 1);
    const auto first = std::uint32_t(environmentNumber("KORBANIX_ROBUSTNESS_SEED", 1));
    std::vector<MutationCase> cases;
    for (long i = 0; i < total; ++i) {
        const Mutation kind = kAllMutations[std::size_t(i + salt) % std::size(kAllMutations)];
        cases.push_back({kind, first + std::uint32_t(i)});
    }
    return cases;
}

// Test parameter names: the seed formats' extensions.
inline std::string formatName(const ::testing::TestParamInfo<SeedFormat>& info) { return info.param.extension; }

// Where the damaged file of a failing case is kept (the test's build folder).
inline std::string keepFailure(const std::string& path, const std::string& label) {
    const char* build = std::getenv("KORBANIX_BUILD_DIR");
    const std::filesystem::path folder = std::filesystem::path(build ? build : "/tmp") / "robustness-failures";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::filesystem::path kept = folder / (label + std::filesystem::path(path).extension().string());
    std::filesystem::copy_file(path, kept, std::filesystem::copy_options::overwrite_existing, ec);
    return ec ? std::string("(not kept)") : kept.string();
}

// Runs `body(damagedPath, caseIndex)` in a child (state the body changes stays
// in the child) for every case; each failure names the
// container, the damage and the seed, and keeps the damaged file.
class MutationRun {
public:
    MutationRun(const SeedFormat& format, const testmedia::TempDir& dir) : m_format(format), m_dir(dir) {}

    bool makeSeed(double seconds = 1.0) {
        m_seedPath = m_dir.file(std::string("seed.") + m_format.extension);
        if (!robustness::makeSeed(m_format, m_seedPath, seconds)) return false;
        m_seed = readFile(m_seedPath);
        return !m_seed.empty();
    }
    const std::string& seedPath() const { return m_seedPath; }

    void run(const char* target, const std::vector<MutationCase>& cases, unsigned seconds,
             const std::function<int(const std::string& damaged, std::size_t index)>& body) {
        for (std::size_t index = 0; index < cases.size(); ++index) {
            const MutationCase& c = cases[index];
            std::string note;
            const std::string damaged = m_dir.file(std::string("case.") + m_format.extension);
            ASSERT_TRUE(writeFile(damaged, mutate(m_seed, c.kind, c.seed, &note)));
            const ChildOutcome outcome = runInChild([&] { return body(damaged, index); }, seconds);
            if (!outcome.ok()) {
                const std::string label = std::string(target) + "-" + m_format.extension + "-" + mutationName(c.kind) +
                                          "-" + std::to_string(c.seed);
                ADD_FAILURE() << target << " on damaged ." << m_format.extension << " (" << note
                              << "): " << outcome.describe() << "; damaged file kept as "
                              << keepFailure(damaged, label);
            }
            std::error_code ec;
            std::filesystem::remove(damaged, ec);
        }
    }

private:
    const SeedFormat& m_format;
    const testmedia::TempDir& m_dir;
    std::string m_seedPath;
    std::vector<std::uint8_t> m_seed;
};

}  // namespace robustness
