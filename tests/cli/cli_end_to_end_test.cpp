// korbanix-cli as users run it: the real binary over media made on the spot, checked
// with ffprobe.
#include "engine/OutputFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/LibraryTree.h"
#include "tests/support/MediaFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <atomic>
#include <thread>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using testmedia::TempDir;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string CliPath() {
    const char* build = std::getenv("KORBANIX_BUILD_DIR");
    return std::string(build ? build : ".") + "/cli/korbanix-cli";
}

struct CliResult {
    int status = -1;  // exit status, or -1 when it did not exit normally
    int signal = 0;   // the signal that ended it otherwise
    std::string out, err;
};

// How the binary is started besides its arguments.
struct Start {
    bool closedPipe = false;       // standard output and error: a pipe nobody reads (| head)
    bool ignoreInterrupt = false;  // SIGINT ignored, as a shell starts a background job
    bool fullErrorPipe = false;    // standard error: a full pipe whose reader never reads
    bool fullDisk = false;         // standard output: /dev/full (every write fails with ENOSPC)
};

// The binary started with standard output and error going to files.
class CliProcess {
public:
    CliProcess(const std::vector<std::string>& args, const std::string& folder, Start start = {},
               const std::string& program = CliPath()) {
        m_out = folder + "/cli-stdout.txt";
        m_err = folder + "/cli-stderr.txt";
        int pipeEnds[2] = {-1, -1};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        if (start.closedPipe && pipe(pipeEnds) == 0) {
            posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
            posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 2);
            posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        } else if (start.fullErrorPipe && pipe(m_fullPipe) == 0) {
            // Filled to the brim: the first byte written to it blocks.
            fcntl(m_fullPipe[1], F_SETFL, O_NONBLOCK);
            const std::string block(4096, 'x');
            while (write(m_fullPipe[1], block.data(), block.size()) > 0) {
            }
            fcntl(m_fullPipe[1], F_SETFL, 0);
            posix_spawn_file_actions_addopen(&actions, 1, m_out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            posix_spawn_file_actions_adddup2(&actions, m_fullPipe[1], 2);
            posix_spawn_file_actions_addclose(&actions, m_fullPipe[0]);
        } else {
            posix_spawn_file_actions_addopen(&actions, 1, start.fullDisk ? "/dev/full" : m_out.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
            posix_spawn_file_actions_addopen(&actions, 2, m_err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        }
        std::vector<std::string> all{program};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        auto previous = std::signal(SIGINT, start.ignoreInterrupt ? SIG_IGN : SIG_DFL);
        // A test that limits file sizes ignores SIGXFSZ itself; the program starts
        // with the signal's default, as from a shell.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGXFSZ);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        if (posix_spawn(&m_pid, argv[0], &actions, &attributes, argv.data(), environ) != 0) m_pid = -1;
        posix_spawnattr_destroy(&attributes);
        std::signal(SIGINT, previous);
        posix_spawn_file_actions_destroy(&actions);
        if (m_fullPipe[1] >= 0) close(m_fullPipe[1]);
        // The reader is gone before the first line is written.
        for (int end : pipeEnds)
            if (end >= 0) close(end);
    }
    ~CliProcess() {
        if (m_pid > 0 && !m_waited) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_fullPipe[0] >= 0) close(m_fullPipe[0]);
    }
    pid_t pid() const { return m_pid; }
    CliResult wait() {
        CliResult result;
        int status = 0;
        if (m_pid > 0 && waitpid(m_pid, &status, 0) == m_pid) {
            m_waited = true;
            if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
            if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
        }
        result.out = ReadFile(m_out);
        result.err = ReadFile(m_err);
        return result;
    }

    // Waits at most `limit`; false when the process is still running then.
    bool exitsWithin(std::chrono::milliseconds limit, CliResult& result) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_waited = true;
                if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
                if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
                result.out = ReadFile(m_out);
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

private:
    int m_fullPipe[2] = {-1, -1};
    pid_t m_pid = -1;
    bool m_waited = false;
    std::string m_out, m_err;
};

class CliEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_media = std::make_unique<TempDir>();
        ASSERT_TRUE(testmedia::makeClip(s_media->file("clip.mkv"), testmedia::H264Clip(3)));
        ASSERT_TRUE(testmedia::makeClip(s_media->file("second.mkv"), testmedia::H264Clip(2, "160x120")));
        std::ofstream(s_media->file("notes.txt")) << "not a media file\n";
        std::ofstream(s_media->file("empty.mp4"));
        ASSERT_EQ(testmedia::runCommand("ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=s=160x120 -frames:v 1 " +
                                        testmedia::shellQuote(s_media->file("picture.png"))),
                  0);
        testmedia::ClipSpec shape;
        shape.seconds = 0.6;
        shape.videoSize = "160x120";
        ASSERT_TRUE(testmedia::makeClip(s_media->file("short.mkv"), shape));
        shape.seconds = 0.5;
        shape.videoSize = "64x48";
        ASSERT_TRUE(testmedia::makeClip(s_media->file("tiny.mkv"), shape));
    }
    static void TearDownTestSuite() { s_media.reset(); }

    CliResult run(const std::vector<std::string>& args) { return CliProcess(args, work.path().string()).wait(); }
    // The library of tests/support/LibraryTree.h in this test's folder.
    testmedia::LibraryTree library() {
        return testmedia::MakeLibraryTree(work.file("library"), media("tiny.mkv"), work.file("elsewhere"));
    }
    static std::string media(const std::string& name) { return s_media->file(name); }
    std::string out(const std::string& name = "") const { return work.file("out") + (name.empty() ? "" : "/" + name); }

    static std::unique_ptr<TempDir> s_media;
    TempDir work;
};
std::unique_ptr<TempDir> CliEndToEnd::s_media;

}  // namespace

TEST_F(CliEndToEnd, ProbePrintsTheFieldsOfAGoodFile) {
    CliResult r = run({"probe", media("clip.mkv")});
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* line : {"probeStartSeconds: 0\n", "probeDurationSeconds: 3\n", "sourceWidth: 320\n",
                             "sourceHeight: 240\n", "sourceRateNum: 25\n", "sourceRateDen: 1\n",
                             "sourceFrameRate: 25\n", "videoCodec: h264\n", "audioCodec: aac\n",
                             "audioChannels: 2\n", "audioSampleRate: 44100\n", "videoStreamIndex: 0\n",
                             "audioStreamIndex: 1\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "missing in:\n" << r.out;
    EXPECT_NE(r.out.find("\ndurationMicroseconds: 3"), std::string::npos) << r.out;
}

TEST_F(CliEndToEnd, ProbeRejectsNonMediaAndEmptyFiles) {
    std::ofstream(work.file("fake.mkv")) << "not a video";
    CliResult r = run({"probe", media("notes.txt"), media("clip.mkv"), media("empty.mp4"), work.file("fake.mkv")});
    EXPECT_EQ(r.status, 1);
    // One line per file with its reason, and none of FFmpeg's own.
    EXPECT_EQ(r.err, "korbanix-cli: " + media("notes.txt") + ": not a media file\nkorbanix-cli: " + media("empty.mp4") +
                         ": an empty file, not a media file\nkorbanix-cli: " + work.file("fake.mkv") + ": not a media file\n");
    EXPECT_NE(r.out.find("sourceWidth: 320"), std::string::npos);  // the good file is still shown
}

TEST_F(CliEndToEnd, ConvertWritesTheOutputAndNeverOverwritesOnASecondRun) {
    CliResult first = run({"convert", "--profile", "9", "--output", out(), media("clip.mkv")});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "Completed\t" + media("clip.mkv") + "\t" + out("clip.mp4") + "\n");
    EXPECT_NE(first.err.find("clip.mkv: "), std::string::npos) << "plain progress lines expected:\n" << first.err;

    testmedia::ProbeInfo info = testmedia::probe(out("clip.mp4"));
    ASSERT_TRUE(info.ok);
    ASSERT_TRUE(info.video() && info.audio());
    EXPECT_EQ(info.video()->codecName, "h264");
    EXPECT_EQ(info.video()->profile, "Main");
    EXPECT_EQ(info.video()->width, 480);
    EXPECT_EQ(info.video()->height, 272);
    EXPECT_EQ(info.audio()->codecName, "aac");
    EXPECT_EQ(info.audio()->sampleRate, 48000);
    EXPECT_NEAR(info.duration, 3.0, 0.3);
    EXPECT_TRUE(fs::exists(out("clip.THM")));

    const auto firstSize = fs::file_size(out("clip.mp4"));
    const auto firstTime = fs::last_write_time(out("clip.mp4"));
    CliResult second = run({"convert", "--quiet", "--profile", "9", "--output", out(), media("clip.mkv")});
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, "Completed\t" + media("clip.mkv") + "\t" + out("clip(0).mp4") + "\n");
    EXPECT_EQ(second.err, "");
    EXPECT_TRUE(fs::exists(out("clip(0).THM")));
    EXPECT_EQ(fs::file_size(out("clip.mp4")), firstSize);
    EXPECT_EQ(fs::last_write_time(out("clip.mp4")), firstTime);
}

TEST_F(CliEndToEnd, RejectedFilesAreSkippedAndMakeStatusOne) {
    CliResult r = run({"convert", "--quiet", "--profile", "14", "--output", out(), media("notes.txt"),
                       media("clip.mkv")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "") << "--quiet: the result line alone";
    // One line per file, in the order given, the refused one with its reason.
    EXPECT_EQ(r.out, "Failure\t" + media("notes.txt") + "\tnot a media file\nCompleted\t" + media("clip.mkv") + "\t" +
                         out("clip.mp3") + "\n");
    testmedia::ProbeInfo info = testmedia::probe(out("clip.mp3"));
    ASSERT_TRUE(info.ok);
    EXPECT_FALSE(info.video());
    EXPECT_FALSE(fs::exists(out("clip.THM")));  // audio outputs get no thumbnail
}

TEST_F(CliEndToEnd, EveryFileGetsOneResultLineInTheOrderGiven) {
    CliResult toMp3 = run({"convert", "--quiet", "--profile", "14", "--output", out(), media("picture.png"),
                           media("notes.txt"), media("second.mkv")});
    EXPECT_EQ(toMp3.status, 1);
    EXPECT_EQ(toMp3.out, "Failure\t" + media("picture.png") +
                             "\tA picture has no sound: convert it with a video profile\nFailure\t" +
                             media("notes.txt") + "\tnot a media file\nCompleted\t" +
                             media("second.mkv") + "\t" + out("second.mp3") + "\n");
    CliResult toVideo = run({"convert", "--quiet", "--profile", "9", "--output", out(), media("picture.png")});
    EXPECT_EQ(toVideo.status, 0) << toVideo.err;
    EXPECT_EQ(toVideo.out, "Completed\t" + media("picture.png") + "\t" + out("picture.mp4") + "\n");
    EXPECT_NEAR(testmedia::decodedDuration(out("picture.mp4"), "v:0"), 5.0, 0.1) << "the still length";
    CliResult shorter = run({"convert", "--quiet", "--profile", "9", "--still-seconds", "2", "--output",
                             out("short"), media("picture.png")});
    EXPECT_EQ(shorter.status, 0) << shorter.err;
    EXPECT_NEAR(testmedia::decodedDuration(out("short/picture.mp4"), "v:0"), 2.0, 0.1) << "--still-seconds";
    CliResult measured = run({"probe", "--still-seconds=2", media("picture.png")});
    EXPECT_NE(measured.out.find("probeDurationSeconds: 2\n"), std::string::npos) << measured.out;
}

// Two sound tracks (440 Hz "jpn" default, 1 kHz "eng") and a subtitle file beside
// the source: probe lists them and marks the used one; --audio-track takes another.
TEST_F(CliEndToEnd, ProbeListsTheTracksAndAudioTrackChoosesOne) {
    const std::string src = work.file("film.mkv");
    ASSERT_TRUE(testmedia::runCommand("ffmpeg -nostdin -v error -y -f lavfi -i color=c=black:s=160x120:r=25:d=2 "
                                      "-f lavfi -i sine=f=440:d=2 -f lavfi -i sine=f=1000:d=2 -map 0 -map 1 -map 2 "
                                      "-metadata:s:a:0 language=jpn -metadata:s:a:1 language=eng -metadata:s:a:1 "
                                      "title=Dub -disposition:a:0 default -disposition:a:1 0 -c:v libx264 "
                                      "-preset ultrafast -c:a aac " + testmedia::shellQuote(src)) == 0);
    std::ofstream(work.file("film.srt")) << "1\n00:00:00,500 --> 00:00:01,000\nHello\n";
    CliResult p = run({"probe", src});
    ASSERT_EQ(p.status, 0) << p.err;
    for (const char* line : {"audioTrack 1: jpn, aac, 1 channel, default [used]\n",
                             "audioTrack 2: eng, aac, 1 channel, \"Dub\"\n", "subtitleTrack 1: ?, subrip, file film.srt\n"})
        EXPECT_NE(p.out.find(line), std::string::npos) << line << "missing in:\n" << p.out;
    CliResult r = run({"convert", "--quiet", "--profile", "9", "--audio-track", "2", "--output", out(), src});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string raw;
    testmedia::runCommand("ffmpeg -nostdin -v error -i " + testmedia::shellQuote(out("film.mp4")) +
                              " -map 0:a:0 -ac 1 -ar 8000 -t 1 -f s16le -",
                          &raw);
    int crossings = 0;
    for (std::size_t i = 3; i + 1 < raw.size(); i += 2)
        if ((static_cast<signed char>(raw[i]) < 0) != (static_cast<signed char>(raw[i - 2]) < 0)) ++crossings;
    EXPECT_NEAR(crossings / 2.0 / (raw.size() / 2 / 8000.0), 1000, 60) << "the 1 kHz English track";
    CliResult missing = run({"convert", "--quiet", "--audio-track", "5", "--output", out(), src});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("The source has no audio track 5"), std::string::npos) << missing.out;
    // Both tracks flagged default: --language decides between them, as the setting does.
    const std::string both = work.file("both.mkv");
    ASSERT_TRUE(testmedia::runCommand("ffmpeg -nostdin -v error -y -i " + testmedia::shellQuote(src) +
                                      " -map 0:v -map 0:a -c copy -disposition:a:0 default -disposition:a:1 default " +
                                      testmedia::shellQuote(both)) == 0);
    CliResult english = run({"probe", "--language", "eng", both});
    EXPECT_NE(english.out.find("audioTrack 2: eng, aac, 1 channel, \"Dub\", default [used]\n"), std::string::npos)
        << english.out;
    CliResult german = run({"probe", "--language=de", both});
    EXPECT_NE(german.out.find("audioTrack 1: jpn, aac, 1 channel, default [used]\n"), std::string::npos)
        << "no German track: the first" << german.out;
}

TEST_F(CliEndToEnd, BeginAndEndCutTheClip) {
    CliResult r = run({"convert", "--quiet", "--profile", "9", "--begin", "00:00:01", "--end", "00:00:02",
                       "--output", out(), media("clip.mkv")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string path = out("clip.mp4");
    double video = testmedia::decodedDuration(path, "v:0");
    double audio = testmedia::decodedDuration(path, "a:0");
    EXPECT_NEAR(video, 1.0, 0.3);
    EXPECT_NEAR(audio, 1.0, 0.3);
}

TEST_F(CliEndToEnd, H264BeyondTheDevicesLevelIsConvertedAtHalfTheRateAndSaysSo) {
    CliResult r = run({"convert", "--profile", "3", "--size", "1920*1080", "--frame-rate", "60.0 fps", "--end",
                       "00:00:01", "--output", out(), media("second.mkv")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("up to level 4.1: converting at 30 fps instead of 60.0 fps."), std::string::npos) << r.err;
    std::string fields;
    testmedia::runCommand("ffprobe -v error -select_streams v:0 -show_entries stream=level,r_frame_rate -of csv=p=0 " +
                              testmedia::shellQuote(out("second.mp4")),
                          &fields);
    EXPECT_EQ(fields, "41,30/1\n");
}

TEST_F(CliEndToEnd, CopyCompatibleKeepsTheVideoAndProbeSaysPerProfileWhy) {
    CliResult probe = run({"probe", media("clip.mkv")});
    ASSERT_EQ(probe.status, 0) << probe.err;
    for (const char* line : {"copy 0: video kept; sound kept\n", "copy 6: video kept; sound kept\n",
                             "copy 9: video kept; sound converted, 44100 Hz AAC is not a rate the PSP plays "
                             "(firmware 3.30)\n",
                             "copy 4: converted, H.264 video is not what the PS3 plays in MPEG-PS\n"})
        EXPECT_NE(probe.out.find(line), std::string::npos) << line << " missing in:\n" << probe.out;
    EXPECT_EQ(probe.out.find("copy 13"), std::string::npos) << "sound-only profiles have no device";

    CliResult kept = run({"convert", "--copy-compatible", "--profile", "0", "--output", out(), media("clip.mkv")});
    ASSERT_EQ(kept.status, 0) << kept.err;
    EXPECT_NE(kept.err.find("clip.mkv: video kept as it is; sound kept as it is\n"), std::string::npos) << kept.err;
    std::string fields;
    testmedia::runCommand("ffprobe -v error -select_streams v:0 -show_entries stream=profile,width -of csv=p=0 " +
                              testmedia::shellQuote(out("clip.mp4")),
                          &fields);
    EXPECT_EQ(fields, "Constrained Baseline,320\n") << "the source's own video, not the profile's 720x480 Main";
}

TEST_F(CliEndToEnd, UsageErrorsAndTheMergeRule) {
    CliResult r = run({"convert", "--profile", "16", media("clip.mkv")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--profile"), std::string::npos);
    EXPECT_EQ(r.out, "");

    r = run({"convert", "--merge", "--output", out(), media("clip.mkv")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "korbanix-cli: Merge is effective when two or more files are chosen!\n");
    EXPECT_FALSE(fs::exists(out()));
    r = run({"convert", "--merge", "--keep-tree", "--output", out(), media("clip.mkv"), media("second.mkv")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("korbanix-cli: --keep-tree cannot be used with --merge"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(out()));

    r = run({"convert", "--output", media("notes.txt") + "/level", media("clip.mkv")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("the output folder \"" + media("notes.txt") + "/level\" does not exist and cannot be created"),
              std::string::npos) << r.err;

    r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("korbanix-cli convert [options] FILE|FOLDER..."), std::string::npos);
}

TEST_F(CliEndToEnd, MergeJoinsTwoFilesIntoOne) {
    CliResult r = run({"convert", "--merge", "--quiet", "--profile", "9", "--output", out(), media("clip.mkv"),
                       media("second.mkv")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string merged = out("clip.mp4");
    EXPECT_EQ(r.out, "Completed\t" + media("clip.mkv") + "\t" + merged + "\nCompleted\t" + media("second.mkv") +
                         "\t" + merged + "\n");
    testmedia::ProbeInfo info = testmedia::probe(merged);
    ASSERT_TRUE(info.ok && info.video() && info.audio());
    EXPECT_EQ(info.video()->width, 480);
    EXPECT_EQ(info.video()->height, 272);
    EXPECT_NEAR(testmedia::decodedDuration(merged, "v:0"), 5.0, 0.3);
    EXPECT_NEAR(testmedia::decodedDuration(merged, "a:0"), 5.0, 0.3);

    // A second merge must not touch the first one and names its own file.
    const auto firstSize = fs::file_size(merged);
    r = run({"convert", "--merge", "--quiet", "--profile", "14", "--extension", ".mp4", "--output", out(),
             media("clip.mkv"), media("second.mkv")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string again = out("clip(0).mp4");
    EXPECT_EQ(r.out, "Completed\t" + media("clip.mkv") + "\t" + again + "\nCompleted\t" + media("second.mkv") +
                         "\t" + again + "\n");
    EXPECT_EQ(fs::file_size(merged), firstSize);
    testmedia::ProbeInfo audioOnly = testmedia::probe(again);
    ASSERT_TRUE(audioOnly.ok && audioOnly.audio());
    EXPECT_FALSE(audioOnly.video());
}

TEST_F(CliEndToEnd, CtrlCAndHangUpFinishTheCurrentOutputAndSaySo) {
    const std::string source = work.file("long.mkv");
    ASSERT_TRUE(testmedia::makeClip(source, testmedia::H264Clip(40)));

    for (int signal : {SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        const std::string folder = out() + std::to_string(signal);
        CliProcess process({"convert", "--jobs", "1", "--profile", "3", "--output", folder, source, media("clip.mkv")},
                           work.path().string());
        ASSERT_GT(process.pid(), 0);
        // Wait until the output has real content (in the hidden file it is written
        // into), then interrupt as a terminal's Ctrl+C (or its closing) would.
        const std::string output = folder + "/long.mp4";
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline) {
            std::error_code ec;
            const auto size = fs::file_size(output::PartialPathFor(output), ec);
            if (!ec && size > 200000) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ASSERT_EQ(kill(process.pid(), signal), 0);
        CliResult r = process.wait();
        EXPECT_EQ(r.status, 128 + signal) << r.err;
        // Kept, and said so; the file the stop came before says it was skipped.
        EXPECT_EQ(r.out, "Stopped\t" + source + "\t" + output + "\nSkipped\t" + media("clip.mkv") +
                             "\tnot converted: the run was stopped before its output was written\n");
        EXPECT_NE(r.err.find("Stopping"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(folder + "/clip.mp4"));  // the next file was never started

        testmedia::ProbeInfo info = testmedia::probe(output);
        ASSERT_TRUE(info.ok) << "the stopped output must be playable";
        ASSERT_TRUE(info.video() && info.audio());
        double video = testmedia::decodedDuration(output, "v:0");
        EXPECT_GT(video, 0.2);
        EXPECT_LT(video, 39.0);
    }

    // A second signal (SIGTERM right behind SIGINT: two SIGINTs at once would merge
    // into one) ends the run at once: nothing is finished, no result is claimed.
    const std::string folder = out() + "-twice";
    CliProcess process({"convert", "--profile", "3", "--output", folder, source}, work.path().string());
    ASSERT_GT(process.pid(), 0);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (std::error_code ec; std::chrono::steady_clock::now() < deadline;) {
        const auto size = fs::file_size(output::PartialPathFor(folder + "/long.mp4"), ec);
        if (!ec && size > 200000) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_EQ(kill(process.pid(), SIGINT), 0);
    ASSERT_EQ(kill(process.pid(), SIGTERM), 0);
    CliResult r = process.wait();
    EXPECT_EQ(r.status, 130) << "signal " << r.signal << "\n" << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Stopped at once"), std::string::npos) << r.err;
}

TEST_F(CliEndToEnd, AStopWhileProbingIsHonouredEvenWhenStartedInTheBackground) {
    std::vector<std::string> args{"convert", "--output", out()};
    for (int i = 0; i < 1500; ++i) args.push_back(media("notes.txt"));
    args.push_back(media("clip.mkv"));
    CliProcess process(args, work.path().string(), Start{false, true});
    ASSERT_GT(process.pid(), 0);
    // The first refusals show that probing has begun.
    const std::string errors = work.file("cli-stderr.txt");
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (std::error_code ec; std::chrono::steady_clock::now() < deadline;) {
        const auto size = fs::file_size(errors, ec);
        if (!ec && size >= 100) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_EQ(kill(process.pid(), SIGINT), 0);
    CliResult r = process.wait();
    EXPECT_EQ(r.status, 130);
    // Still one line per file: those refused before the stop say why, the rest
    // say they were skipped.
    std::istringstream lines(r.out);
    int failures = 0, skipped = 0, count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        failures += line.starts_with("Failure\t" + media("notes.txt") + "\tnot a media file");
        skipped += line.starts_with("Skipped\t") && line.ends_with("\tnot converted: the run was stopped before its output was written");
    }
    EXPECT_EQ(count, 1501);
    EXPECT_EQ(failures + skipped, 1501);
    EXPECT_GT(skipped, 0);
    EXPECT_TRUE(r.out.ends_with("Skipped\t" + media("clip.mkv") + "\tnot converted: the run was stopped before its output was written\n"));
    EXPECT_TRUE(r.err.ends_with("Stopped.\n")) << r.err.substr(r.err.size() > 200 ? r.err.size() - 200 : 0);
    EXPECT_FALSE(fs::exists(out()));
}

TEST_F(CliEndToEnd, AClosedOutputPipeDoesNotStopTheConversion) {
    CliProcess process({"convert", "--profile", "9", "--output", out(), media("clip.mkv")}, work.path().string(),
                       Start{true, false});
    CliResult r = process.wait();
    EXPECT_EQ(r.status, 0) << "killed by SIGPIPE?";
    testmedia::ProbeInfo info = testmedia::probe(out("clip.mp4"));
    ASSERT_TRUE(info.ok) << "the output must be complete";
    EXPECT_NEAR(testmedia::decodedDuration(out("clip.mp4"), "v:0"), 3.0, 0.3);
}

TEST_F(CliEndToEnd, ResultsThatCannotBeWrittenAreNoSuccess) {
    CliProcess process({"convert", "--quiet", "--profile", "9", "--output", out(), media("clip.mkv")},
                       work.path().string(), Start{false, false, false, true});
    CliResult r = process.wait();
    EXPECT_EQ(r.status, 1) << "nobody learns what was converted";
    EXPECT_NE(r.err.find("the result lines could not be written"), std::string::npos) << r.err;
    EXPECT_TRUE(testmedia::probe(out("clip.mp4")).ok) << "the output itself is whole";
}

// With no thread to be had (a process limit of 1 for an ordinary user) every file
// still gets its line, and the run ends with a status instead of an abort.
TEST_F(CliEndToEnd, NoThreadToBeHadFailsEveryFileWithItsReason) {
    if (::geteuid() != 0 || ::system("id -u korbanix-test > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs root and the user korbanix-test";
    const std::string copy = work.file("clip.mkv");
    fs::copy_file(media("clip.mkv"), copy);
    fs::permissions(work.path(), fs::perms::all);
    // The leak checker at exit needs a thread of its own, which the limit refuses.
    const std::string command = "ulimit -u 1; ASAN_OPTIONS=detect_leaks=0 exec setpriv --reuid=korbanix-test "
                                "--regid=korbanix-test --clear-groups " +
                                testmedia::shellQuote(fs::absolute(CliPath()).string()) +
                                " convert --quiet --output " + testmedia::shellQuote(out()) + " " +
                                testmedia::shellQuote(copy);
    CliProcess process({"-c", command}, work.path().string(), Start{}, "/bin/bash");
    CliResult r = process.wait();
    // The limit counts every process of that user: one still running elsewhere
    // (another test's child) leaves no room even to start the program.
    if (r.status == 126 && r.err.find("failed to execute") != std::string::npos)
        GTEST_SKIP() << "korbanix-test has other processes running: " << r.err;
    EXPECT_EQ(r.signal, 0) << "ended by " << strsignal(r.signal) << "\n" << r.err;
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "Failure\t" + copy + "\tthe conversion could not start: Resource temporarily unavailable\n");
}

TEST_F(CliEndToEnd, AFileShorterThanASecondIsConvertedWhole) {
    CliResult r = run({"convert", "--quiet", "--profile", "9", "--output", out("a/b"), media("short.mkv")});
    ASSERT_EQ(r.status, 0) << r.err;  // the missing folders are made too
    EXPECT_EQ(r.out, "Completed\t" + media("short.mkv") + "\t" + out("a/b/short.mp4") + "\n");
    EXPECT_NEAR(testmedia::decodedDuration(out("a/b/short.mp4"), "v:0"), 0.6, 0.15);
    EXPECT_NEAR(testmedia::decodedDuration(out("a/b/short.mp4"), "a:0"), 0.6, 0.15);
}

TEST_F(CliEndToEnd, ExtensionsWhoseFormatsWriteFilesOfTheirOwnAreRefusedAndNothingIsTouched) {
    fs::create_directories(out());
    const std::string segment = out("init-stream0.m4s");
    std::ofstream(segment) << "someone's segment";
    for (const char* extension : {".mpd", ".m3u8", ".jpg", ".png", ".mp4 ", ".nut2"}) {
        SCOPED_TRACE(extension);
        CliResult r = run({"convert", "--quiet", "--extension", extension, "--output", out(), media("clip.mkv")});
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("--extension"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(".mp4, "), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(ReadFile(segment), "someone's segment");
    EXPECT_EQ(std::distance(fs::directory_iterator(out()), fs::directory_iterator()), 1);
    // The one-file containers are still taken, in any case of letters.
    CliResult r = run({"convert", "--quiet", "--profile", "14", "--extension", ".MKA", "--output", out(), media("clip.mkv")});
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST_F(CliEndToEnd, ValuesTheEncodersRefuseAreUsageErrorsBeforeAnythingStarts) {
    struct Case {
        std::vector<std::string> args;
        std::string expected;  // in the message: the option and what it takes
    };
    const std::vector<Case> cases{
        {{"--profile", "13", "--sample-rate", "1 Hz"}, "--sample-rate: the PCM_S16LE encoder takes 8000 to 96000 Hz"},
        {{"--sample-rate", "768000 Hz"}, "--sample-rate: the AAC encoder takes 7350 to 96000 Hz"},
        {{"--profile", "14", "--sample-rate", "96000 Hz"}, "--sample-rate: the MP3 encoder takes 8000 to 48000 Hz"},
        {{"--size", "1*1"}, "--size: even widths and heights from 16 to 4096, not \"1*1\""},
        {{"--size", "721*480"}, "--size: even widths"},
        {{"--size", "5000*480"}, "--size: even widths"},
        {{"--video-encoder", "H.263", "--size", "320*240"}, "--size: the H.263 encoder takes only 128*96"},
        {{"--video-encoder", "MPEG1VIDEO", "--frame-rate", "15.0 fps"}, "--frame-rate: the MPEG-1 encoder takes only"},
        {{"--video-bitrate", "12abc kbps"}, "--video-bitrate wants a bit rate"},
        {{"--video-bitrate", "1 kbps"}, "--video-bitrate: 16 kbps to 100000 kbps"},
        {{"--audio-bitrate", "2000 kbps"}, "--audio-bitrate: the AAC encoder takes 8 kbps to 640 kbps"},
        {{"--profile", "14", "--channels", "5.1 Channel"}, "--channels: the MP3 encoder takes \"1 Channel Mono\" or \"2 Channel Stereo\""},
        {{"--sample-rate", "44100 Hz "}, "--sample-rate wants"},
        {{"--size", " 720*480"}, "--size wants"},
        {{"--extension", ".mp3"}, "--extension: the .mp3 container holds sound only"},
        {{"--profile", "14", "--extension", ".ac3"}, "--extension: the .ac3 container takes no MP3 sound"},
        {{"--profile", "14", "--extension", ".webm"}, "--extension: the .webm container takes no MP3 sound"},
        {{"--profile", "3", "--profile", "4"}, "--profile is given more than once"},
        {{"--audio-encoder", "MP3", "--sample-rate", "44100 Hz", "--sample-rate", "48000 Hz"}, "--sample-rate is given more than once"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"convert", "--output", out()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back(media("clip.mkv"));
        CliResult r = run(args);
        EXPECT_EQ(r.status, 2) << c.expected << "\n" << r.err;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(fs::exists(out())) << "nothing may start: " << c.expected;
    }
}

TEST_F(CliEndToEnd, EveryFileGetsOneResultLineInTheOrderGivenWithItsReason) {
    fs::create_directories(work.file("folder"));
    std::vector<std::string> args{"convert", "--quiet", "--profile", "14", "--output", out(), work.file("gone.mkv"),
                                  media("notes.txt"), media("clip.mkv"), work.file("folder"), media("empty.mp4")};
    CliResult r = run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Failure\t" + work.file("gone.mkv") + "\tNo such file or directory\n" +  //
                         "Failure\t" + media("notes.txt") + "\tnot a media file\n" +             //
                         "Completed\t" + media("clip.mkv") + "\t" + out("clip.mp3") + "\n" +     //
                         "Failure\t" + work.file("folder") + "\ta folder without video or audio files\n" +  //
                         "Failure\t" + media("empty.mp4") + "\tan empty file, not a media file\n");

    // A socket is no file to read (opening it says "No such device or address"); a
    // picture past 8192 x 8192 pixels is refused with its size; a file another
    // program is still writing is refused until it is finished.
    const std::string socketPath = work.file("sock.mkv");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const std::string huge = work.file("huge.png");
    ASSERT_EQ(testmedia::runCommand("ffmpeg -nostdin -v error -y -f lavfi -i color=c=red:s=8200x8200 -frames:v 1 " +
                                    testmedia::shellQuote(huge)),
              0);
    const std::string growing = work.file("growing.mkv");
    fs::copy_file(media("clip.mkv"), growing);
    std::atomic<bool> writing{true};
    std::ofstream appending(growing, std::ios::app);  // held open, as a recorder holds its file
    std::thread writer([&] {
        while (writing.load()) {
            appending << std::string(4096, '\0') << std::flush;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    r = run({"convert", "--quiet", "--profile", "14", "--output", out(), socketPath, huge, growing});
    writing.store(false);
    writer.join();
    ::close(listener);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Failure\t" + socketPath + "\tnot a plain file\n" +                    //
                         "Failure\t" + huge + "\tpicture too large: 8200\u00d78200\n" +  //
                         "Failure\t" + growing + "\tthe file is still growing\n");

    // Nothing to convert at all still gives every file its line.
    std::vector<std::string> missing{"convert", "--quiet", "--output", out()};
    for (int i = 0; i < 300; ++i) missing.push_back(work.file("missing-" + std::to_string(i) + ".mkv"));
    r = run(missing);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 300);
    EXPECT_TRUE(r.out.starts_with("Failure\t" + work.file("missing-0.mkv") + "\tNo such file or directory\n"));
}

TEST_F(CliEndToEnd, AFileSizeLimitFailsTheRowWithItsReasonInsteadOfKillingTheRun) {
    const std::string source = work.file("big.mkv");
    ASSERT_TRUE(testmedia::makeClip(source, testmedia::H264Clip(8)));
    std::optional<CliProcess> process;
    {
        testmedia::FileSizeLimit limit(100 * 1024);  // inherited: ulimit -f 100
        process.emplace(std::vector<std::string>{"convert", "--quiet", "--profile", "0", "--output", out(), source,
                                                 media("notes.txt")},
                        work.path().string());
    }
    CliResult r = process->wait();
    EXPECT_EQ(r.signal, 0) << "killed by " << strsignal(r.signal);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Failure\t" + source + "\tCannot write the output: File too large\n" + "Failure\t" +
                         media("notes.txt") + "\tnot a media file\n");
    EXPECT_FALSE(fs::exists(out("big.mp4"))) << "the partial output is removed";
    EXPECT_FALSE(fs::exists(out("big.THM")));
}

TEST_F(CliEndToEnd, ASecondSignalEndsTheRunWithinHalfASecondWhateverTheMainThreadDoes) {
    // Standard error is a full pipe nobody reads: the first progress line blocks
    // the main thread for good, and only the second signal can end the run.
    const std::string source = work.file("long.mkv");
    ASSERT_TRUE(testmedia::makeClip(source, testmedia::H264Clip(20)));
    CliProcess process({"convert", "--profile", "3", "--output", out(), source}, work.path().string(),
                       Start{false, false, true});
    ASSERT_GT(process.pid(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ASSERT_EQ(kill(process.pid(), SIGINT), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_EQ(kill(process.pid(), SIGTERM), 0);
    CliResult r;
    ASSERT_TRUE(process.exitsWithin(std::chrono::milliseconds(500), r)) << "still running 0.5 s after the second signal";
    EXPECT_EQ(r.status, 130) << "signal " << r.signal;
    EXPECT_EQ(r.out, "");
}

namespace {

// The result lines convert prints for `sources` completed as `outputs`.
std::string Lines(const char* status, const std::vector<std::string>& sources, const std::vector<std::string>& outputs) {
    std::string lines;
    for (std::size_t i = 0; i < sources.size(); ++i) lines += std::string(status) + "\t" + sources[i] + "\t" + outputs[i] + "\n";
    return lines;
}

std::string StemOf(const std::string& path) { return fs::path(path).stem().string(); }

// What a player shows and plays: the decoded pictures and sound, hashed.
std::string DecodedHash(const std::string& path) {
    std::string hash;
    testmedia::runCommand("ffmpeg -nostdin -v error -i " + testmedia::shellQuote(path) + " -f md5 -", &hash);
    return hash;
}

// The files below `folder`, relative, sorted.
std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), folder).string());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

// A folder given adds exactly its media files, in the order a person reads them;
// what is no media (by its extension or by the probe) is passed over without a line.
TEST_F(CliEndToEnd, AFolderGivesItsMediaFilesInNaturalOrder) {
    const testmedia::LibraryTree tree = library();
    CliResult r = run({"convert", "--quiet", "--profile", "14", "--output", out(), tree.root});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "") << "no complaint about the files that are no media";
    std::vector<std::string> sources, outputs;
    for (const std::string& file : tree.media) {
        sources.push_back(tree.root + "/" + file);
        const std::string name = StemOf(file) + (file == "Season 10/01.mkv" ? "(0)" : "") + ".mp3";
        outputs.push_back(out(name));
    }
    EXPECT_EQ(r.out, Lines("Completed", sources, outputs));

    CliResult flat = run({"convert", "--quiet", "--no-recursive", "--profile", "14", "--output", out("flat"), tree.root});
    EXPECT_EQ(flat.out, "Completed\t" + tree.root + "/top.mkv\t" + out("flat/top.mp3") + "\n") << flat.err;
    fs::create_directories(work.file("empty/.hidden"));
    std::ofstream(work.file("empty/.hidden/secret.mkv")) << "hidden";
    CliResult none = run({"convert", "--quiet", "--output", out("none"), work.file("empty")});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "Failure\t" + work.file("empty") + "\ta folder without video or audio files\n");
    EXPECT_EQ(none.err, "");
    // Files named like videos that the probe turns down are no media either: the
    // run must not end with status 1 and not a word.
    fs::create_directories(work.file("fakes"));
    std::ofstream(work.file("fakes/a.avi")) << "";
    std::ofstream(work.file("fakes/b.mkv")) << "not a video";
    CliResult fakes = run({"convert", "--quiet", "--output", out("fakes"), work.file("fakes")});
    EXPECT_EQ(fakes.status, 1);
    EXPECT_FALSE(fakes.out.empty() && fakes.err.empty()) << "a failed run says why";
}

// --keep-tree: every output in its source's folder below the output folder, a
// relative file name keeping its folders too (a job per file).
TEST_F(CliEndToEnd, KeepTreeReproducesTheTree) {
    const testmedia::LibraryTree tree = library();
    CliResult r = run({"convert", "--quiet", "--keep-tree", "--profile", "14", "--output", out(), tree.root});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> expected;
    for (const std::string& file : tree.media) expected.push_back((fs::path(file).parent_path() / StemOf(file)).string() + ".mp3");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesBelow(out()), expected);
    for (const std::string& file : expected) EXPECT_TRUE(testmedia::probe(out(file)).ok) << file;

    std::string one;
    testmedia::runCommand("cd " + testmedia::shellQuote(tree.root) + " && " + testmedia::shellQuote(CliPath()) +
                              " convert --quiet --keep-tree --profile 14 --output " + testmedia::shellQuote(out("one")) +
                              " './Season 2/01.mkv' ../library/top.mkv",
                          &one);
    EXPECT_EQ(one, "Completed\t./Season 2/01.mkv\t" + out("one/Season 2/01.mp3") + "\nCompleted\t../library/top.mkv\t" +
                       out("one/top.mp3") + "\n")
        << "a name that leaves the folder keeps no tree";
}

// A batch killed (SIGKILL: nothing finished, nothing said) in the middle of a file
// and run again with --skip-done converts only the rest: the outputs it finds are
// the ones the killed run completed, even under a free name ("01(0)"), the file it
// was writing gets its name back, and the folder ends as one uninterrupted run
// leaves it: the same names, nothing hidden left over, every output playing alike.
TEST_F(CliEndToEnd, AKilledBatchRunAgainWithSkipDoneConvertsOnlyTheRest) {
    std::vector<std::string> sources;
    const char* names[] = {"A/01.mkv", "B/01.mkv", "C/02.mkv", "D/03.mkv", "E/04.mkv"};
    for (int i = 0; i < 5; ++i) {
        testmedia::ClipSpec shape;
        shape.seconds = i == 2 ? 12.0 : 1.0 + 0.5 * i;  // each its own length; the third long enough to be killed in
        shape.videoSize = i == 2 ? "320x240" : "64x48";
        fs::create_directories(fs::path(work.file(names[i])).parent_path());
        ASSERT_TRUE(testmedia::makeClip(work.file(names[i]), shape));
        sources.push_back(work.file(names[i]));
    }
    const std::vector<std::string> outputs{"01.mp4", "01(0).mp4", "02.mp4", "03.mp4", "04.mp4"};
    std::vector<std::string> args{"convert", "--quiet", "--jobs", "1", "--profile", "9", "--skip-done", "--output"};
    auto argsFor = [&](const std::string& folder) {
        std::vector<std::string> all = args;
        all.push_back(folder);
        all.insert(all.end(), sources.begin(), sources.end());
        return all;
    };
    CliResult whole = run(argsFor(out("whole")));
    ASSERT_EQ(whole.status, 0) << whole.err;

    {
        CliProcess killed(argsFor(out("killed")), work.path().string());
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        // The third row is writing its output: bytes in the hidden file beside its name.
        const std::string partial = output::PartialPathFor(out("killed/02.mp4"));
        std::error_code none;
        while (!(fs::exists(out("killed/02.THM")) && fs::file_size(partial, none) > 20000 && !none) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_EQ(kill(killed.pid(), SIGKILL), 0);
        EXPECT_EQ(killed.wait().signal, SIGKILL);
        EXPECT_EQ(fs::file_size(out("killed/02.mp4")), 0u) << "no broken file under the output's name";
    }
    const auto firstTime = fs::last_write_time(out("killed/01.mp4"));
    CliResult rest = run(argsFor(out("killed")));
    ASSERT_EQ(rest.status, 0) << rest.err;
    EXPECT_EQ(rest.out, Lines("Skipped", {sources[0], sources[1]}, {out("killed/01.mp4"), out("killed/01(0).mp4")}) +
                            Lines("Completed", {sources[2], sources[3], sources[4]},
                                  {out("killed/02.mp4"), out("killed/03.mp4"), out("killed/04.mp4")}));
    EXPECT_EQ(fs::last_write_time(out("killed/01.mp4")), firstTime) << "a done output is not touched";
    EXPECT_EQ(FilesBelow(out("killed")), FilesBelow(out("whole")));
    for (const std::string& name : outputs) {
        const std::string hash = DecodedHash(out("whole/" + name));
        EXPECT_FALSE(hash.empty());
        EXPECT_EQ(DecodedHash(out("killed/" + name)), hash) << name;
    }
    // A third run finds everything done.
    CliResult third = run(argsFor(out("killed")));
    EXPECT_EQ(third.out.find("Completed"), std::string::npos) << third.out;
}

// --skip-done takes an earlier output only for its own source (two sources of one
// name and length, flat in one folder: each keeps the name the first run gave it)
// and only when it is what the asked profile makes (a PS3 output of the name is no
// PSP output, an H.264 one no MPEG-4 one).
TEST_F(CliEndToEnd, SkipDoneTakesOnlyItsOwnSourcesOutputMadeByTheAskedProfile) {
    fs::create_directories(work.file("X"));
    fs::create_directories(work.file("Y"));
    ASSERT_TRUE(testmedia::makeClip(work.file("X/a.mkv"), testmedia::H264Clip(2, "160x120")));
    ASSERT_TRUE(testmedia::makeClip(work.file("Y/a.mkv"), testmedia::H264Clip(2, "64x48")));
    const std::vector<std::string> sources{work.file("X/a.mkv"), work.file("Y/a.mkv")};
    auto convert = [&](const char* profile) {
        return run({"convert", "--quiet", "--jobs", "1", "--profile", profile, "--skip-done", "--output", out(),
                    sources[0], sources[1]});
    };
    ASSERT_EQ(convert("9").status, 0);
    const std::string first = DecodedHash(out("a.mp4")), second = DecodedHash(out("a(0).mp4"));
    ASSERT_NE(first, second);
    fs::remove(out("a.mp4"));  // the first source's output is lost; the second's stays
    fs::remove(out("a.THM"));
    CliResult again = convert("9");
    EXPECT_EQ(again.out, Lines("Completed", {sources[0]}, {out("a.mp4")}) + Lines("Skipped", {sources[1]}, {out("a(0).mp4")}));
    EXPECT_EQ(DecodedHash(out("a.mp4")), first);
    for (const char* profile : {"0", "12"}) {
        CliResult other = convert(profile);
        EXPECT_EQ(other.out.find("Skipped"), std::string::npos) << "profile " << profile << ":\n" << other.out;
    }
}

// A target size one file's length does not suit fails that file with the reason
// (its folder named too); the other is fitted and converted, status 1.
TEST_F(CliEndToEnd, ATargetSizeOneFileCannotMeetFailsThatFileOnly) {
    CliResult r = run({"convert", "--quiet", "--profile", "9", "--target-size", "3M", "--output", out(),
                       media("clip.mkv"), media("second.mkv")});
    EXPECT_EQ(r.status, 1) << r.err;
    const std::string folder = fs::path(media("second.mkv")).parent_path().filename().string();
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), Lines("Completed", {media("clip.mkv")}, {out("clip.mp4")}));
    EXPECT_NE(r.out.find("Failure\t" + media("second.mkv") + "\tThe target size of 3 MB is too large for \"" + folder +
                         "/second.mkv\" (00:00:02 long)"),
              std::string::npos)
        << r.out;
    EXPECT_FALSE(fs::exists(out("second.mp4")));
}

// A row fitted into a size whose output an earlier run completed is skipped before
// its first pass, which is never run: here it could not be (its statistics have no
// folder), as the row converted again shows.
TEST_F(CliEndToEnd, SkipDoneSkipsAFittedRowBeforeItsFirstPass) {
    const std::vector<std::string> args{"convert", "--quiet", "--jobs", "1", "--profile", "9", "--target-size", "1M",
                                        "--skip-done", "--output", out(), media("clip.mkv"), media("second.mkv")};
    CliResult first = run(args);
    ASSERT_EQ(first.status, 0) << first.err;
    fs::remove(out("second.mp4"));
    const char* temporary = std::getenv("TMPDIR");
    const std::string kept = temporary ? temporary : "";
    ::setenv("TMPDIR", work.file("no-such-folder").c_str(), 1);
    CliResult again = run(args);
    if (temporary) ::setenv("TMPDIR", kept.c_str(), 1);
    else ::unsetenv("TMPDIR");
    EXPECT_EQ(again.out.substr(0, again.out.find('\n') + 1), Lines("Skipped", {media("clip.mkv")}, {out("clip.mp4")}))
        << again.out << again.err;
    EXPECT_NE(again.out.find("Failure\t" + media("second.mkv")), std::string::npos) << again.out;
    EXPECT_NE(again.out.find("first pass"), std::string::npos) << again.out;
}

// watch: files written slowly into the folder are converted once each, after
// they are complete; a restart remembers them; a file that fails is tried twice.
TEST_F(CliEndToEnd, WatchConvertsEachFileOnceWhenItIsComplete) {
    const std::string folder = work.file("inbox");
    fs::create_directories(folder + "/sub");
    const std::string clip = ReadFile(media("tiny.mkv"));
    auto writeSlowly = [&](const std::string& path) {
        std::ofstream file(path, std::ios::binary);
        const std::size_t part = clip.size() / 4 + 1;
        for (std::size_t at = 0; at < clip.size(); at += part) {
            file.write(clip.data() + at, static_cast<std::streamsize>(std::min(part, clip.size() - at)));
            file.flush();
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
        }
    };
    auto waitForLines = [&](CliProcess& process, int lines, int seconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        std::string text;
        while (std::chrono::steady_clock::now() < deadline) {
            text = ReadFile(work.file("cli-stdout.txt"));
            if (std::count(text.begin(), text.end(), '\n') >= lines) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        (void)process;
        return text;
    };
    fs::copy_file(media("tiny.mkv"), folder + "/before.mkv");
    const std::vector<std::string> args{"watch", "--quiet", "--keep-tree", "--profile", "14", "--output", out(), folder};
    {
        // Without --quiet: the progress is shown, and still not a word of the files waited for.
        CliProcess watch({"watch", "--keep-tree", "--profile", "14", "--output", out(), folder}, work.path().string());
        std::thread writer([&] {
            writeSlowly(folder + "/sub/slow one.mkv");
            std::ofstream(folder + "/broken.mp4") << "no media, though named so";
            std::ofstream(folder + "/notes.txt") << "not even named so";
        });
        // Written whole, then held open (unchanged) for longer than the watch waits
        // for stillness, twice: still being written, never a failure.
        std::thread holder([&] {
            std::ofstream file(folder + "/held open.mkv", std::ios::binary);
            file.write(clip.data(), static_cast<std::streamsize>(clip.size()));
            file.flush();
            std::this_thread::sleep_for(std::chrono::seconds(9));
        });
        const std::string lines = waitForLines(watch, 4, 90);
        writer.join();
        holder.join();
        EXPECT_NE(lines.find("Completed\t" + folder + "/held open.mkv\t" + out("held open.mp3") + "\n"), std::string::npos)
            << lines;
        EXPECT_NE(lines.find("Completed\t" + folder + "/before.mkv\t" + out("before.mp3") + "\n"), std::string::npos)
            << lines;
        EXPECT_NE(lines.find("Completed\t" + folder + "/sub/slow one.mkv\t" + out("sub/slow one.mp3") + "\n"),
                  std::string::npos)
            << lines;
        EXPECT_NE(lines.find("Failure\t" + folder + "/broken.mp4\t"), std::string::npos) << lines;
        ASSERT_EQ(kill(watch.pid(), SIGTERM), 0);
        CliResult r = watch.wait();
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4) << "each file once:\n" << r.out;
        EXPECT_EQ(r.err.find("still growing"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("korbanix-cli: "), std::string::npos) << "said by the result lines alone:\n" << r.err;
        EXPECT_EQ(testmedia::decodedDuration(out("sub/slow one.mp3"), "a:0") > 0.4, true) << "converted whole";
    }
    {
        // Found at once, ready together: taken in the order a person reads them.
        for (const char* name : {"/ep 10.mkv", "/ep 2.mkv"}) fs::copy_file(media("tiny.mkv"), folder + name);
        CliProcess again(args, work.path().string());
        fs::copy_file(media("tiny.mkv"), work.file("moved.mkv"));
        fs::rename(work.file("moved.mkv"), folder + "/moved.mkv");  // arrives whole
        const std::string lines = waitForLines(again, 3, 60);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        ASSERT_EQ(kill(again.pid(), SIGTERM), 0);
        CliResult r = again.wait();
        EXPECT_NE(r.out.find("Completed\t" + folder + "/moved.mkv\t" + out("moved.mp3") + "\n"), std::string::npos);
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3) << "only the new files:\n" << r.out;
        EXPECT_LT(r.out.find("/ep 2.mkv\t"), r.out.find("/ep 10.mkv\t")) << r.out;
    }
    // An output folder nobody can write into is said at once (root writes anywhere).
    if (geteuid() != 0) {
        fs::create_directories(work.file("locked"));
        fs::permissions(work.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
        CliResult locked = run({"watch", "--output", work.file("locked"), folder});
        fs::permissions(work.file("locked"), fs::perms::owner_all);
        EXPECT_EQ(locked.status, 2);
        EXPECT_NE(locked.err.find("nothing can be written into the output folder"), std::string::npos) << locked.err;
    }
    CliResult inside = run({"watch", "--output", folder + "/out", folder});
    EXPECT_EQ(inside.status, 2) << inside.err;
    EXPECT_FALSE(fs::exists(folder + "/out")) << "a refused watch makes no folder in the watched one";

    // A state name holding a link (to another user's file) or a FIFO: never written
    // through, never waited on; the watch converts and says the state is not kept.
    const std::string few = work.file("few");
    fs::create_directories(few);
    fs::copy_file(media("tiny.mkv"), few + "/one.mkv");
    std::ofstream(work.file("victim")) << "someone else's";
    for (const char* kind : {"link", "fifo"}) {
        const std::string output = out(std::string("state-") + kind);
        fs::create_directories(output);
        if (std::string(kind) == "link") fs::create_symlink(work.file("victim"), output + "/.korbanix-watch");
        else ASSERT_EQ(mkfifo((output + "/.korbanix-watch").c_str(), 0600), 0);
        fs::remove(work.file("cli-stdout.txt"));
        CliProcess watch({"watch", "--quiet", "--profile", "14", "--output", output, few}, work.path().string());
        const std::string lines = waitForLines(watch, 1, 60);
        ASSERT_EQ(kill(watch.pid(), SIGTERM), 0);
        CliResult r = watch.wait();
        EXPECT_EQ(r.out, "Completed\t" + few + "/one.mkv\t" + output + "/one.mp3\n") << kind << ": " << r.err;
        EXPECT_NE(r.err.find("is no regular file"), std::string::npos) << kind << ": " << r.err;
    }
    EXPECT_EQ(ReadFile(work.file("victim")), "someone else's") << "not written through the link";
}

// watch and a writer that closes the file between its parts, pausing (dd in
// chunks, a copy resumed): what the watch converted of a part is replaced by the
// next conversion, so the folder ends with one whole output under the plain name.
// A second watch into the same output folder is refused at once, changing nothing.
TEST_F(CliEndToEnd, WatchLeavesOneOutputOfAFileWrittenInPartsAndOnlyOneWatchPerOutput) {
    const std::string folder = work.file("inbox");
    fs::create_directories(folder);
    const std::string clip = ReadFile(media("clip.mkv"));
    const std::vector<std::string> args{"watch", "--quiet", "--profile", "14", "--output", out(), folder};
    CliProcess watch(args, work.path().string());
    const std::size_t part = clip.size() / 3 + 1;
    for (std::size_t at = 0; at < clip.size(); at += part) {
        std::ofstream file(folder + "/slow.mkv", std::ios::binary | std::ios::app);
        file.write(clip.data() + at, static_cast<std::streamsize>(std::min(part, clip.size() - at)));
        file.close();
        std::this_thread::sleep_for(std::chrono::seconds(3));
        if (at == 0) {
            // The first watch holds the output folder: a second one says so and leaves.
            const std::vector<std::string> before = FilesBelow(out());
            const std::string state = ReadFile(out(".korbanix-watch"));
            fs::create_directories(work.file("inbox-second"));
            CliProcess second({"watch", "--quiet", "--profile", "9", "--output", out(), folder},
                              work.file("inbox-second"));
            CliResult refused;
            EXPECT_TRUE(second.exitsWithin(std::chrono::seconds(10), refused)) << "refused at once";
            EXPECT_EQ(refused.status, 2);
            const std::string err = ReadFile(work.file("inbox-second/cli-stderr.txt"));
            EXPECT_NE(err.find("another watch is converting into"), std::string::npos) << err;
            EXPECT_EQ(refused.out, "");
            EXPECT_EQ(FilesBelow(out()), before);
            EXPECT_EQ(ReadFile(out(".korbanix-watch")), state);
        }
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (std::chrono::steady_clock::now() < deadline &&
           !(fs::exists(out("slow.mp3")) && testmedia::decodedDuration(out("slow.mp3"), "a:0") > 2.8))
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    ASSERT_EQ(kill(watch.pid(), SIGTERM), 0);
    CliResult r = watch.wait();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(FilesBelow(out()), (std::vector<std::string>{".korbanix-watch", "slow.mp3"})) << r.out;
    EXPECT_NEAR(testmedia::decodedDuration(out("slow.mp3"), "a:0"), 3.0, 0.2) << "the whole file";
    // Every line tells of the one output, each true when it was printed.
    std::istringstream lines(r.out);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        EXPECT_EQ(line, "Completed\t" + folder + "/slow.mkv\t" + out("slow.mp3")) << r.out;
    EXPECT_GE(count, 1);

    // Someone's file of that name, or the output changed since: never replaced.
    CliProcess again(args, work.path().string());
    std::this_thread::sleep_for(std::chrono::seconds(1));
    std::ofstream(out("slow.mp3"), std::ios::app) << "edited";
    std::ofstream(folder + "/slow.mkv", std::ios::binary | std::ios::app) << "x";
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < until && !fs::exists(out("slow(0).mp3")))
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_EQ(kill(again.pid(), SIGTERM), 0);
    CliResult second = again.wait();
    EXPECT_EQ(second.out, "Completed\t" + folder + "/slow.mkv\t" + out("slow(0).mp3") + "\n") << second.err;
    EXPECT_EQ(ReadFile(out("slow.mp3")).substr(ReadFile(out("slow.mp3")).size() - 6), "edited");
}

// Ctrl+C while watch converts: the shorter output is kept ("Stopped"), and the
// watch started again converts the file once more into the same name.
TEST_F(CliEndToEnd, WatchStoppedWhileConvertingReplacesItsShorterOutputWhenStartedAgain) {
    const std::string folder = work.file("inbox");
    fs::create_directories(folder);
    ASSERT_TRUE(testmedia::makeClip(folder + "/long.mkv", testmedia::H264Clip(20)));
    const std::vector<std::string> args{"watch", "--quiet", "--profile", "0", "--output", out(), folder};
    {
        CliProcess watch(args, work.path().string());
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline && !fs::exists(out("long.mp4")))
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ASSERT_EQ(kill(watch.pid(), SIGINT), 0);
        CliResult r = watch.wait();
        EXPECT_EQ(r.status, 130) << r.err;
        EXPECT_EQ(r.out, "Stopped\t" + folder + "/long.mkv\t" + out("long.mp4") + "\n");
    }
    CliProcess again(args, work.path().string());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(180);
    while (std::chrono::steady_clock::now() < deadline && ReadFile(work.file("cli-stdout.txt")).empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_EQ(kill(again.pid(), SIGTERM), 0);
    CliResult r = again.wait();
    EXPECT_EQ(r.out, "Completed\t" + folder + "/long.mkv\t" + out("long.mp4") + "\n") << r.err;
    EXPECT_EQ(FilesBelow(out()), (std::vector<std::string>{".korbanix-watch", "long.THM", "long.mp4"}));
    EXPECT_NEAR(testmedia::probe(out("long.mp4")).duration, 20.0, 0.2) << "the whole file";
    // Started from another folder with relative names: the same files, nothing new.
    std::string lines;
    testmedia::runCommand("cd " + testmedia::shellQuote(work.path().string()) + " && timeout -s INT 5 " +
                              testmedia::shellQuote(CliPath()) + " watch --quiet --profile 0 --output ./out/ inbox",
                          &lines);
    EXPECT_EQ(lines, "");
    EXPECT_EQ(FilesBelow(out()), (std::vector<std::string>{".korbanix-watch", "long.THM", "long.mp4"}));
}

// The lines of the README's recipe for several machines (its first indented block
// after the heading), so what is tested is what people copy.
std::string ReadmeRecipe() {
    const char* source = std::getenv("KORBANIX_SOURCE_DIR");
    std::istringstream readme(ReadFile(std::string(source ? source : "..") + "/README.md"));
    std::string recipe;
    bool inSection = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind("### One batch on several machines", 0) == 0) inSection = true;
        else if (inSection && line.rfind("    ", 0) == 0) recipe += line.substr(4) + "\n";
        else if (!recipe.empty()) break;
    }
    return recipe;
}

void ReplaceIn(std::string& text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from << " not in the recipe:\n" << text;
    text.replace(at, from.size(), to);
}

// The recipe of the README for several machines, its very lines: GNU Parallel runs
// one convert per file, two at a time on this machine (the only "host" here); every
// output lands once, in its folder, the results read as one line per file, and a
// second run converts nothing again.
TEST_F(CliEndToEnd, TheGnuParallelRecipeConvertsEveryFileOnce) {
    if (testmedia::runCommand("command -v parallel > /dev/null") != 0) GTEST_SKIP() << "GNU Parallel is not installed";
    const testmedia::LibraryTree tree = library();
    std::string recipe = ReadmeRecipe();
    ReplaceIn(recipe, "cd /srv/library", "cd " + testmedia::shellQuote(tree.root));
    ReplaceIn(recipe, "--sshlogin 2/alice@box1,2/bob@box2,:", "--sshlogin 2/:");
    ReplaceIn(recipe, "--output /srv/converted", "--output " + testmedia::shellQuote(out()));
    recipe = "export PARALLEL=--will-cite PATH=" + testmedia::shellQuote(fs::path(CliPath()).parent_path().string()) +
             ":\"$PATH\"\n" + recipe;
    std::string first;
    testmedia::runCommand(recipe, &first);
    std::vector<std::string> expected;
    for (const std::string& file : tree.media)
        for (const char* extension : {".THM", ".mp4"})
            expected.push_back((fs::path(file).parent_path() / StemOf(file)).string() + extension);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesBelow(out()), expected);
    // Results gathered from the records: one line of three fields per file.
    std::istringstream lines(first);
    std::size_t count = 0, completed = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
        completed += line.rfind("Completed\t./", 0) == 0;
    }
    EXPECT_EQ(count, tree.byExtension.size()) << first;
    EXPECT_EQ(completed, tree.media.size()) << first;
    std::string second;
    testmedia::runCommand(recipe, &second);
    EXPECT_EQ(second.find("Completed"), std::string::npos) << "nothing converted twice";
    EXPECT_EQ(FilesBelow(out()), expected);
}
