// Failing disks and vanishing files during a run: the row that meets the fault
// fails with code 2, its file is closed, the other rows go on, and no file that
// existed before the run is changed.

#include "engine/ErrorText.h"
#include "engine/MergeWorker.h"
#include "engine/OutputFile.h"
#include "engine/ProbeMedia.h"
#include "engine/Thumbnail.h"
#include "engine/TranscodeWorker.h"
#include "tests/engine/pipeline_fixture.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/robustness/ChildCase.h"
#include "tests/robustness/Mutator.h"

#include <csignal>
#include <limits>

extern "C" {
#include <libavutil/mem.h>
}
#include <fstream>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pipelinetest;
namespace fs = std::filesystem;

namespace {

// Descriptors of this process that point into `folder`.
std::vector<std::string> openFilesIn(const fs::path& folder) {
    std::vector<std::string> open;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd", ec)) {
        const fs::path target = fs::read_symlink(entry.path(), ec);
        if (!ec && target.string().rfind(folder.string(), 0) == 0) open.push_back(target.string());
    }
    return open;
}

bool playable(const std::string& path) {
    const testmedia::ProbeInfo info = testmedia::probe(path);
    return info.ok && info.duration > 0 && !info.streams.empty();
}

// A complete JPEG: starts with SOI, ends with EOI, and ffprobe reads 160 x 120.
bool wholeThumbnail(const std::string& path) {
    const std::vector<std::uint8_t> bytes = robustness::readFile(path);
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[bytes.size() - 2] != 0xFF ||
        bytes.back() != 0xD9)
        return false;
    const testmedia::ProbeInfo info = testmedia::probe(path);
    return info.ok && info.video() && info.video()->width == 160 && info.video()->height == 120;
}

std::string contents(const std::string& path) {
    const std::vector<std::uint8_t> bytes = robustness::readFile(path);
    return std::string(bytes.begin(), bytes.end());
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class FaultTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        shared = new testmedia::TempDir;
        ASSERT_TRUE(makeSyncClip(shortClip(), 0.6, 0.2));
        // Noise does not compress: the long clip's output is many times the short one's.
        ASSERT_TRUE(
            pipelinetest::ffmpeg("-f lavfi -i \"nullsrc=s=160x120:r=25:d=4,geq=random(1)*255:128:128\" -f lavfi -i "
                   "anoisesrc=d=4:r=44100 -c:v libx264 -preset ultrafast -crf 10 -c:a aac -shortest " +
                   testmedia::shellQuote(longClip())));
    }
    static void TearDownTestSuite() { delete shared; }
    static std::string shortClip() { return shared->file("short.mp4"); }
    static std::string longClip() { return shared->file("long.mp4"); }

    static Settings bigOutput() {
        Settings s;
        s.videoBitRate = 3000000;
        return s;
    }

    // Row 0 (the long clip) writes into `kept` for seconds; rows 1 and 2 (short
    // clips) need `atRisk`, which the folder cases take away while row 0 runs.
    static void fillLongThenTwoShort(AVConvert& job, const fs::path& kept, const fs::path& atRisk) {
        fillJob(job, {longClip(), shortClip(), shortClip()},
                {(kept / "a.mp4").string(), (atRisk / "b.mp4").string(), (atRisk / "c.mp4").string()});
        setClip(job, 0, 0, 4);
        setClip(job, 1, 0, 0.6);
        setClip(job, 2, 0, 0.6);
    }

    static testmedia::TempDir* shared;
    testmedia::TempDir dir;
};
testmedia::TempDir* FaultTest::shared = nullptr;

TEST_F(FaultTest, DiskFullMidRowFailsThatRowClosesItsFileAndGoesOn) {
    // How big a short row's output is, to place the limit between the rows.
    AVConvert probeJob;
    fillJob(probeJob, {shortClip()}, {dir.file("measure.mp4")}, bigOutput());
    setClip(probeJob, 0, 0, 0.6);
    runWorker(TranscodeWorker, probeJob);
    ASSERT_EQ(probeJob.fileState[0].load(), kRowCompleted);
    const auto shortSize = fs::file_size(dir.file("measure.mp4"));

    const fs::path out = dir.path() / "out";
    fs::create_directory(out);
    AVConvert job;
    fillJob(job, {shortClip(), longClip(), shortClip()},
            {(out / "a.mp4").string(), (out / "b.mp4").string(), (out / "c.mp4").string()}, bigOutput());
    setClip(job, 0, 0, 0.6);
    setClip(job, 1, 0, 4);
    setClip(job, 2, 0, 0.6);
    {
        testmedia::FileSizeLimit limit(shortSize * 2 + 8192);
        runWorker(TranscodeWorker, job);
    }
    EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(job.fileState[1].load(), kRowFailed) << "the row that met the full disk";
    EXPECT_EQ(job.fileState[2].load(), kRowCompleted) << "the next row goes on";
    EXPECT_EQ(job.currentFile.load(), 3);
    EXPECT_TRUE(openFilesIn(out).empty()) << "files left open: " << ::testing::PrintToString(openFilesIn(out));
    EXPECT_TRUE(playable((out / "a.mp4").string()));
    EXPECT_TRUE(playable((out / "c.mp4").string()));
    EXPECT_TRUE(wholeThumbnail((out / "c.THM").string()));
    EXPECT_FALSE(fs::exists(out / "b.mp4")) << "the broken output of the failed row is not left behind";
    EXPECT_FALSE(fs::exists(out / "b.THM"));
}

// Memory runs short while a row sets up (as under ulimit -v): the row says so in
// plain words, not that the encoder refused its settings, and the next row goes on
// once there is memory again.
TEST_F(FaultTest, AMemoryShortageIsReportedAsNotEnoughMemory) {
    Settings big = bigOutput();
    big.videoCodecId = codecmap::kVideoMpeg4;  // allocates its frame buffers through FFmpeg
    big.width = 1920;
    big.height = 1080;
    AVConvert job;
    fillJob(job, {shortClip()}, {dir.file("a.mp4")}, big);
    setClip(job, 0, 0, 0.6);
    // Small enough for the 160x120 source's decoders, too small for a 1920x1080 encoder.
    av_max_alloc(1 << 20);
    runWorker(TranscodeWorker, job);
    av_max_alloc(std::numeric_limits<int>::max());
    EXPECT_EQ(job.fileState[0].load(), kRowFailed);
    const std::string reason = job.failureReason(0);
    EXPECT_EQ(reason, "Not enough memory for the video encoder");
    EXPECT_EQ(reason.find("does not accept"), std::string::npos) << reason;
    EXPECT_FALSE(fs::exists(dir.file("a.mp4")));

    EXPECT_EQ(ErrorText(AVERROR(ENOMEM)), "Not enough memory");
    EXPECT_EQ(ErrorText(AVERROR(ENOSPC)), "No space left on device");
}

// A real full disk (ENOSPC, not a per-file limit): a small tmpfs mounted in a
// private mount namespace of a child process that runs the whole job. The row
// that fills it fails; its broken output is not left behind taking the space, so
// the next row still fits and completes.
TEST_F(FaultTest, RealFullDiskFailsTheRowThatFillsItAndTheNextRowStillFits) {
    AVConvert measure;
    fillJob(measure, {shortClip()}, {dir.file("measure.mp4")}, bigOutput());
    setClip(measure, 0, 0, 0.6);
    runWorker(TranscodeWorker, measure);
    ASSERT_EQ(measure.fileState[0].load(), kRowCompleted);
    const auto shortSize = fs::file_size(dir.file("measure.mp4")) + fs::file_size(dir.file("measure.THM"));

    const fs::path disk = dir.path() / "disk";
    fs::create_directory(disk);
    // Room for two short rows and the long row's thumbnail, not for the long row.
    const std::string options = "size=" + std::to_string((shortSize * 2 / 4096 + 24) * 4096);
    const robustness::ChildOutcome outcome = robustness::runInChild(
        [&] {
            if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                mount("tmpfs", disk.c_str(), "tmpfs", 0, options.c_str()) != 0)
                return 77;
            AVConvert job;
            fillJob(job, {shortClip(), longClip(), shortClip()},
                    {(disk / "a.mp4").string(), (disk / "b.mp4").string(), (disk / "c.mp4").string()}, bigOutput());
            setClip(job, 0, 0, 0.6);
            setClip(job, 1, 0, 4);
            setClip(job, 2, 0, 0.6);
            runWorker(TranscodeWorker, job);
            std::string listing;
            for (const auto& entry : fs::directory_iterator(disk))
                listing += entry.path().filename().string() + " " +
                           std::to_string(entry.is_regular_file() ? fs::file_size(entry.path()) : 0) + "; ";
            const bool ok = job.fileState[0].load() == kRowCompleted && job.fileState[1].load() == kRowFailed &&
                            job.fileState[2].load() == kRowCompleted && job.currentFile.load() == 3 &&
                            openFilesIn(disk).empty() && playable((disk / "a.mp4").string()) &&
                            playable((disk / "c.mp4").string());
            if (!ok)
                std::fprintf(stderr, "states %d %d %d; files: %s\n", job.fileState[0].load(), job.fileState[1].load(),
                             job.fileState[2].load(), listing.c_str());
            return ok ? robustness::kCaseOk : robustness::kCaseBrokenContract;
        },
        120);
    if (outcome.exitCode == 77) GTEST_SKIP() << "no private mount namespace or tmpfs here";
    EXPECT_TRUE(outcome.ok()) << outcome.describe();
}

// The output's volume goes away while the row writes (a USB drive pulled, here a
// tmpfs detached in a private mount namespace right after the name was taken): the
// row fails, and what it wrote is cut away through the descriptor it holds instead
// of staying behind full size; its reason says an empty file may remain.
TEST_F(FaultTest, AVolumeRemovedMidRowLeavesNoFullSizeOutputAndSaysWhatMayRemain) {
    const fs::path volume = dir.path() / "volume";
    fs::create_directory(volume);
    const robustness::ChildOutcome outcome = robustness::runInChild(
        [&] {
            if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                mount("tmpfs", volume.c_str(), "tmpfs", 0, "size=64m") != 0)
                return 77;
            // The volume as it was, reachable after it is detached from the tree.
            const int root = ::open(volume.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            output::afterReserveHook = [&](const std::string&) { umount2(volume.c_str(), MNT_DETACH); };
            AVConvert job;
            fillJob(job, {longClip()}, {(volume / "a.mp4").string()}, bigOutput());
            setClip(job, 0, 0, 4);
            runWorker(TranscodeWorker, job);
            output::afterReserveHook = nullptr;
            struct stat left {};
            const bool gone = fstatat(root, "a.mp4", &left, 0) != 0 || left.st_size == 0;
            const std::string reason = job.failureReason(0);
            const bool ok = job.fileState[0].load() == kRowFailed &&
                            reason.find("an empty file may remain as " + (volume / "a.mp4").string()) !=
                                std::string::npos &&
                            gone && !fs::exists(volume / "a.THM");
            if (!ok)
                std::fprintf(stderr, "state %d, %lld bytes left, reason: %s\n", job.fileState[0].load(),
                             static_cast<long long>(left.st_size), reason.c_str());
            return ok ? robustness::kCaseOk : robustness::kCaseBrokenContract;
        },
        120);
    if (outcome.exitCode == 77) GTEST_SKIP() << "no private mount namespace or tmpfs here";
    EXPECT_TRUE(outcome.ok()) << outcome.describe();
}

TEST_F(FaultTest, DiskFullDuringMergeFailsTheJoinedRowsAndClosesTheFile) {
    const fs::path out = dir.path() / "out";
    fs::create_directory(out);
    AVConvert job;
    fillJob(job, {shortClip(), longClip()}, {(out / "m0.mp4").string(), (out / "m1.mp4").string()}, bigOutput());
    setClip(job, 0, 0, 0.6);
    setClip(job, 1, 0, 4);
    job.mergeTotalSeconds = 5;
    {
        testmedia::FileSizeLimit limit(96 * 1024);
        runWorker(MergeWorker, job);
    }
    EXPECT_EQ(job.currentFile.load(), 2);
    EXPECT_EQ(job.fileState[0].load(), kRowFailed) << "its part of the joined file is lost too";
    EXPECT_EQ(job.fileState[1].load(), kRowFailed);
    EXPECT_EQ(job.failureReason(1), "Cannot write the output: File too large");
    EXPECT_TRUE(openFilesIn(out).empty()) << "files left open: " << ::testing::PrintToString(openFilesIn(out));
    EXPECT_TRUE(fs::is_empty(out)) << "neither the broken joined file nor its rows' thumbnails stay";
}

enum class FolderFault { Removed, ReplacedByFile };

class FolderFaultTest : public FaultTest, public ::testing::WithParamInterface<FolderFault> {};

TEST_P(FolderFaultTest, OutputFolderLostMidRunFailsTheRowsThatNeedIt) {
    const fs::path kept = dir.path() / "kept", lost = dir.path() / "lost";
    fs::create_directory(kept);
    fs::create_directory(lost);
    AVConvert job;
    fillLongThenTwoShort(job, kept, lost);
    WorkerThread worker;
    worker.start(TranscodeWorker, job);
    // Row 0 runs for seconds under the sanitizers; the folder goes while it does.
    while (job.currentFile.load() < 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(job.currentFile.load(), 0) << "row 0 ended before the folder could go";
    fs::remove_all(lost);
    if (GetParam() == FolderFault::ReplacedByFile) writeText(lost.string(), "not a folder");
    worker.join();

    EXPECT_EQ(job.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(job.fileState[1].load(), kRowFailed);
    EXPECT_EQ(job.fileState[2].load(), kRowFailed);
    EXPECT_EQ(job.currentFile.load(), 3);
    if (GetParam() == FolderFault::Removed)
        EXPECT_FALSE(fs::exists(lost)) << "nothing recreates the folder";
    else
        EXPECT_EQ(contents(lost.string()), "not a folder");
    EXPECT_TRUE(playable((kept / "a.mp4").string()));
}

INSTANTIATE_TEST_SUITE_P(Faults, FolderFaultTest, ::testing::Values(FolderFault::Removed, FolderFault::ReplacedByFile),
                         [](const auto& info) {
                             return info.param == FolderFault::Removed ? std::string("Removed")
                                                                       : std::string("ReplacedByFile");
                         });

// The output folder turns read-only while row 0 runs. A permission change means
// nothing to root, so the folder is remounted read-only in a private mount
// namespace of a child process, which runs the whole job; where namespaces are
// not allowed, a plain chmod serves for an ordinary user.
TEST_F(FaultTest, OutputFolderTurnedReadOnlyMidRunFailsTheRowsThatNeedIt) {
    const fs::path kept = dir.path() / "kept", frozen = dir.path() / "frozen";
    fs::create_directory(kept);
    fs::create_directory(frozen);
    const bool root = geteuid() == 0;
    const robustness::ChildOutcome outcome = robustness::runInChild(
        [&] {
            if (root) {
                if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
                    return 77;  // no namespaces here
            }
            AVConvert job;
            fillLongThenTwoShort(job, kept, frozen);
            WorkerThread worker;
            worker.start(TranscodeWorker, job);
            while (job.currentFile.load() < 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (root) {
                if (mount(frozen.c_str(), frozen.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
                    mount(nullptr, frozen.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
                    return 78;
            } else {
                fs::permissions(frozen, fs::perms::owner_read | fs::perms::owner_exec);
            }
            const bool intime = job.currentFile.load() == 0;
            worker.join();
            const std::string why = root ? "Read-only file system" : "Permission denied";
            const bool ok = intime && job.fileState[0].load() == kRowCompleted &&
                            job.fileState[1].load() == kRowFailed && job.fileState[2].load() == kRowFailed &&
                            job.failureReason(1) == "Cannot create the output: " + why && job.currentFile.load() == 3;
            if (!ok)
                std::fprintf(stderr, "in time %d, states %d %d %d, current %d, reason %s\n", intime,
                             job.fileState[0].load(), job.fileState[1].load(), job.fileState[2].load(),
                             job.currentFile.load(), job.failureReason(1).c_str());
            return ok ? robustness::kCaseOk : robustness::kCaseBrokenContract;
        },
        120);
    fs::permissions(frozen, fs::perms::owner_all);
    if (outcome.exitCode == 77 || outcome.exitCode == 78) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_TRUE(outcome.ok()) << outcome.describe();
    EXPECT_TRUE(playable((kept / "a.mp4").string()));
    EXPECT_TRUE(fs::is_empty(frozen)) << "nothing was written into the read-only folder";
}

TEST_F(FaultTest, SourceDeletedBetweenAddAndConvertFailsItsRow) {
    const std::string doomed = dir.file("doomed.mp4");
    fs::copy_file(shortClip(), doomed);
    AVConvert added;
    added.probePath = doomed;
    ASSERT_TRUE(ProbeAccepted(ProbeMedia(added), added)) << "the task list would have taken it";
    fs::remove(doomed);

    const fs::path out = dir.path() / "out";
    fs::create_directory(out);
    for (auto worker : {TranscodeWorker, MergeWorker}) {
        AVConvert job;
        fillJob(job, {doomed, shortClip()}, {(out / "gone.mp4").string(), (out / "here.mp4").string()});
        setClip(job, 0, 0, 0.6);
        setClip(job, 1, 0, 0.6);
        job.mergeTotalSeconds = 2;
        runWorker(worker, job);
        EXPECT_EQ(job.fileState[0].load(), kRowFailed);
        EXPECT_EQ(job.fileState[1].load(), kRowCompleted);
        EXPECT_FALSE(fs::exists(out / "gone.mp4")) << "no empty output for a missing source";
        EXPECT_FALSE(fs::exists(out / "gone.THM"));
        fs::remove_all(out);
        fs::create_directory(out);
    }
}

// A stop at seeded random moments of Convert and Merge: whatever was written is a
// playable file, thumbnails are whole JPEGs, and no temporary file stays behind.
TEST_F(FaultTest, StopAtRandomMomentsLeavesOnlyPlayableOutputs) {
    robustness::Random random(20261207);
    const int runs = 6;
    for (int run = 0; run < runs; ++run) {
        const fs::path out = dir.path() / ("run" + std::to_string(run));
        fs::create_directory(out);
        const bool merge = run % 2 == 1;
        const auto delay = std::chrono::milliseconds(random.below(1500));
        AVConvert job;
        fillJob(job, {shortClip(), longClip(), shortClip()},
                {(out / "a.mp4").string(), (out / "b.mp4").string(), (out / "c.mp4").string()});
        setClip(job, 0, 0, 0.6);
        setClip(job, 1, 0, 4);
        setClip(job, 2, 0, 0.6);
        job.mergeTotalSeconds = 6;
        WorkerThread worker;
        worker.start(merge ? MergeWorker : TranscodeWorker, job);
        std::this_thread::sleep_for(delay);
        job.stopRequested = true;
        worker.join();
        SCOPED_TRACE((merge ? "merge" : "convert") + std::string(" stopped after ") + std::to_string(delay.count()) +
                     " ms");
        for (int row = 0; row < 3; ++row) {
            const int state = job.fileState[row].load();
            EXPECT_TRUE(state == kRowCompleted || state == kRowFailed || state == kRowStopped || state == kRowPending)
                << state;
        }
        for (const auto& entry : fs::directory_iterator(out)) {
            const std::string name = entry.path().filename().string();
            const std::string extension = entry.path().extension().string();
            if (extension == ".THM") {
                EXPECT_TRUE(wholeThumbnail(entry.path().string())) << name;
            } else if (extension == ".mp4") {
                EXPECT_TRUE(playable(entry.path().string()))
                    << name << " (" << fs::file_size(entry.path()) << " bytes)";
            } else {
                ADD_FAILURE() << "left behind: " << name;
            }
        }
    }
}

// Every name the run might want is taken: the run picks free names and leaves
// the existing files byte for byte as they were, thumbnails included.
TEST_F(FaultTest, ExistingFilesAreNeverOverwritten) {
    const fs::path out = dir.path() / "out";
    fs::create_directory(out);
    const std::vector<std::string> taken{"a.mp4", "a(0).mp4", "a.THM", "a(0).THM", "b.THM", "m.mp4", "m.THM"};
    for (const std::string& name : taken) writeText((out / name).string(), "user data " + name);

    AVConvert convert;
    fillJob(convert, {shortClip(), shortClip()}, {(out / "a.mp4").string(), (out / "b.mp4").string()});
    setClip(convert, 0, 0, 0.6);
    setClip(convert, 1, 0, 0.6);
    runWorker(TranscodeWorker, convert);
    EXPECT_EQ(convert.fileState[0].load(), kRowCompleted);
    EXPECT_EQ(convert.fileState[1].load(), kRowCompleted);

    AVConvert merge;
    fillJob(merge, {shortClip(), shortClip()}, {(out / "m.mp4").string(), (out / "n.mp4").string()});
    setClip(merge, 0, 0, 0.6);
    setClip(merge, 1, 0, 0.6);
    merge.mergeTotalSeconds = 2;
    runWorker(MergeWorker, merge);
    EXPECT_EQ(merge.fileState[0].load(), kRowCompleted);

    for (const std::string& name : taken)
        EXPECT_EQ(contents((out / name).string()), "user data " + name) << name << " was overwritten";
    EXPECT_TRUE(playable(convert.outputPaths[0]));
    EXPECT_NE(convert.outputPaths[0], (out / "a.mp4").string());
    EXPECT_TRUE(playable(convert.outputPaths[1]));
}

}  // namespace

namespace {

TEST(ThumbnailKeep, AnExistingFileIsLeftAloneAndNoTemporaryFileStays) {
    testmedia::TempDir dir;
    const std::string thm = dir.file("clip.THM");
    writeText(thm, "user data");
    const std::vector<std::uint8_t> grey(kThumbnailWidth * kThumbnailHeight * 3, 128);
    EXPECT_FALSE(WriteThumbnail(thm, grey.data(), {}, ExistingThumbnail::Keep));
    EXPECT_EQ(contents(thm), "user data");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    // A free name is written as usual.
    EXPECT_TRUE(WriteThumbnail(dir.file("free.THM"), grey.data(), {}, ExistingThumbnail::Keep));
    EXPECT_TRUE(wholeThumbnail(dir.file("free.THM")));
}

}  // namespace
