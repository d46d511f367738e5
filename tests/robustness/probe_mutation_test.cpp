// ProbeMedia on damaged files of every container the Add dialog lists: each
// answer is one of its result codes, never a crash, a hang or a sanitizer report.

#include "engine/AVConvert.h"
#include "engine/ProbeMedia.h"
#include "tests/robustness/MutationCases.h"

#include <cmath>

using namespace robustness;

namespace {

int probeBody(const std::string& path) {
    AVConvert job;
    job.probePath = path;
    const int result = ProbeMedia(job);
    const bool known = result == 0 || result == -1 || result == -2 || result == -4 || result == -5;
    if (!known) {
        std::fprintf(stderr, "ProbeMedia returned %d\n", result);
        return kCaseBrokenContract;
    }
    if (ProbeAccepted(result, job) && (job.probeDurationSeconds < 0 || !std::isfinite(job.sourceFrameRate))) {
        std::fprintf(stderr, "accepted with duration %lld, rate %f\n", static_cast<long long>(job.probeDurationSeconds),
                     job.sourceFrameRate);
        return kCaseBrokenContract;
    }
    return kCaseOk;
}

class ProbeMutation : public ::testing::TestWithParam<SeedFormat> {
protected:
    testmedia::TempDir dir;
};

TEST_P(ProbeMutation, DamagedFilesAreRejectedOrMeasured) {
    MutationRun run(GetParam(), dir);
    ASSERT_TRUE(run.makeSeed());
    // The undamaged seed must be accepted, or the damage would prove nothing.
    AVConvert job;
    job.probePath = run.seedPath();
    const int result = ProbeMedia(job);
    ASSERT_TRUE(ProbeAccepted(result, job)) << "seed result " << result;
    run.run("ProbeMedia", casesFor(16, 0), 30,
            [](const std::string& damaged, std::size_t) { return probeBody(damaged); });
}

INSTANTIATE_TEST_SUITE_P(Containers, ProbeMutation, ::testing::ValuesIn(seedFormats().begin(), seedFormats().end()),
                         formatName);

}  // namespace
