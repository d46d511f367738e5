// The Convert and Merge workers on damaged sources: every row ends completed or
// failed, the worker reaches the end of the job, a completed row has its output,
// and a valid row after a damaged one still converts.

#include "engine/MergeWorker.h"
#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"
#include "tests/robustness/MutationCases.h"

using namespace robustness;

namespace {

pipelinetest::Settings tinyOutput() {
    pipelinetest::Settings s;
    s.width = 96;
    s.height = 64;
    s.frameRate = 15;
    return s;
}

// Checks what every worker promises whatever its input; prints what went wrong.
int checkEnd(const AVConvert& job, const char* worker) {
    if (job.currentFile.load() != job.fileCount) {
        std::fprintf(stderr, "%s stopped at row %d of %d\n", worker, job.currentFile.load(), job.fileCount);
        return kCaseBrokenContract;
    }
    for (int row = 0; row < job.fileCount; ++row) {
        const int state = job.fileState[row].load();
        if (state != kRowCompleted && state != kRowFailed) {
            std::fprintf(stderr, "%s left row %d with code %d\n", worker, row, state);
            return kCaseBrokenContract;
        }
    }
    return kCaseOk;
}

bool nonEmpty(const std::string& path) {
    std::error_code ec;
    return std::filesystem::file_size(path, ec) > 0 && !ec;
}

class WorkerMutation : public ::testing::TestWithParam<SeedFormat> {
protected:
    testmedia::TempDir dir;
};

TEST_P(WorkerMutation, ConvertFailsOrCompletesEachDamagedRow) {
    MutationRun run(GetParam(), dir);
    ASSERT_TRUE(run.makeSeed());
    const std::string valid = run.seedPath();
    const std::vector<MutationCase> cases = casesFor(4, 1);
    run.run("TranscodeWorker", cases, 120, [&](const std::string& damaged, std::size_t index) {
        // The first case of each container also converts a valid row after the damaged one.
        const bool withValidRow = index == 0;
        const std::string outDir = dir.file("out");
        std::filesystem::remove_all(outDir);
        std::filesystem::create_directories(outDir);
        std::vector<std::string> sources{damaged}, outputs{outDir + "/damaged.mp4"};
        if (withValidRow) {
            sources.push_back(valid);
            outputs.push_back(outDir + "/valid.mp4");
        }
        AVConvert job;
        pipelinetest::fillJob(job, sources, outputs, tinyOutput());
        // Odd seeds also start inside the file, which walks the damaged index.
        const double begin = (cases[index].seed % 2) ? 0.4 : 0.0;
        pipelinetest::setClip(job, 0, begin, 1.0);
        if (withValidRow) pipelinetest::setClip(job, 1, 0, 1.0);
        pipelinetest::runWorker(TranscodeWorker, job);
        if (const int code = checkEnd(job, "TranscodeWorker")) return code;
        for (int row = 0; row < job.fileCount; ++row) {
            if (job.fileState[row].load() == kRowCompleted && !nonEmpty(job.outputPaths[row])) {
                std::fprintf(stderr, "row %d completed without an output\n", row);
                return kCaseBrokenContract;
            }
        }
        if (withValidRow && job.fileState[1].load() != kRowCompleted) {
            std::fprintf(stderr, "the valid row after the damaged one failed\n");
            return kCaseBrokenContract;
        }
        return kCaseOk;
    });
}

TEST_P(WorkerMutation, MergeFailsOrCompletesEachDamagedRow) {
    MutationRun run(GetParam(), dir);
    ASSERT_TRUE(run.makeSeed());
    const std::string valid = run.seedPath();
    run.run("MergeWorker", casesFor(2, 4), 120, [&](const std::string& damaged, std::size_t index) {
        // Damage first, then after a valid row: both orders reach the end.
        const bool damagedFirst = index % 2 == 0;
        const std::string outDir = dir.file("out");
        std::filesystem::remove_all(outDir);
        std::filesystem::create_directories(outDir);
        AVConvert job;
        const std::vector<std::string> sources =
            damagedFirst ? std::vector<std::string>{damaged, valid} : std::vector<std::string>{valid, damaged};
        pipelinetest::fillJob(job, sources, {outDir + "/row0.mp4", outDir + "/row1.mp4"}, tinyOutput());
        pipelinetest::setClip(job, 0, 0, 1.0);
        pipelinetest::setClip(job, 1, 0, 1.0);
        job.mergeTotalSeconds = 2;
        pipelinetest::runWorker(MergeWorker, job);
        return checkEnd(job, "MergeWorker");
    });
}

INSTANTIATE_TEST_SUITE_P(Containers, WorkerMutation, ::testing::ValuesIn(seedFormats().begin(), seedFormats().end()),
                         formatName);

}  // namespace
