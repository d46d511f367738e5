// Whole libraries: the folder lister (what is found, in which order, what is left
// out) and the recognition of an earlier run's complete output.
#include "engine/DoneBefore.h"
#include "engine/FolderListing.h"
#include "tests/support/LibraryTree.h"
#include "tests/support/MediaFixture.h"

extern "C" {
#include <libavcodec/codec_id.h>
}

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Relative(const std::vector<folders::ListedFile>& files, const std::string& root) {
    std::vector<std::string> names;
    for (const auto& file : files) names.push_back(file.path.substr(root.size() + 1));
    return names;
}

struct OrderCase {
    const char* before;
    const char* after;
};

// Each pair in the order a person expects.
const OrderCase kOrder[] = {
    {"Episode 2.mkv", "Episode 10.mkv"},
    {"episode 9", "Episode 10"},  // case does not count
    {"Season 1", "Season 2"},
    {"Season 2", "Season 10"},
    {"a.mkv", "B.mkv"},
    {"Abba", "\xc3\x84rzte"},            // "Ärzte" files with the a's
    {"\xc3\x84rzte", "Beatles"},
    {"\xc3\xa9t\xc3\xa9", "Fado"},      // "été"
    {"Stra\xc3\x9f" "e 2", "Strasse 10"},  // "ß" reads as "ss"
    {"\xc5\x81\xc3\xb3" "d\xc5\xba", "Lublin"},  // "Łódź"
    {"track 01", "track 02"},
    {"x", "x 1"},
    {"A", "a"},  // equal but for case: by bytes, so the order is total
};

class FolderListing : public ::testing::Test {
protected:
    void SetUp() override {
        testmedia::ClipSpec tiny;
        tiny.seconds = 0.5;
        tiny.videoSize = "64x48";
        ASSERT_TRUE(testmedia::makeClip(dir.file("clip.mkv"), tiny));
        tree = testmedia::MakeLibraryTree(dir.file("library"), dir.file("clip.mkv"), dir.file("elsewhere"));
    }
    testmedia::TempDir dir;
    testmedia::LibraryTree tree;
};

}  // namespace

TEST(NaturalOrder, DigitRunsByValueLettersWithoutCase) {
    for (const OrderCase& c : kOrder) {
        EXPECT_LT(folders::NaturalCompare(c.before, c.after), 0) << c.before << " before " << c.after;
        EXPECT_GT(folders::NaturalCompare(c.after, c.before), 0) << c.after << " after " << c.before;
    }
    EXPECT_EQ(folders::NaturalCompare("same", "same"), 0);
}

TEST(MediaExtensions, VideoAndSoundOnly) {
    for (const char* name : {"a.mkv", "b.MP4", "c.Avi", "song.flac", "x.y.mp3", "clip.ts"})
        EXPECT_TRUE(folders::HasMediaExtension(name)) << name;
    for (const char* name : {"notes.txt", "cover.jpg", "folder.png", "subs.srt", "mkv", ".mkv", "a.", "a.mkv.part"})
        EXPECT_FALSE(folders::HasMediaExtension(name)) << name;
}

TEST_F(FolderListing, ATreeGivesItsMediaInNaturalOrderWithoutLinksOrHiddenFolders) {
    const auto files = folders::ListMediaFiles(tree.root);
    EXPECT_EQ(Relative(files, tree.root), tree.byExtension);
    ASSERT_EQ(files.size(), tree.byExtension.size());
    EXPECT_EQ(files[0].subfolder, "Season 1");
    EXPECT_EQ(files[2].subfolder, "Season 1/Extras");
    EXPECT_EQ(files.back().subfolder, "");
    for (const auto& file : files) EXPECT_TRUE(fs::is_regular_file(file.path)) << file.path << " byte for byte";
}

TEST_F(FolderListing, OneLevelAndATrailingSeparator) {
    folders::ListOptions flat;
    flat.recursive = false;
    EXPECT_EQ(Relative(folders::ListMediaFiles(tree.root, flat), tree.root), std::vector<std::string>{"top.mkv"});
    const auto files = folders::ListMediaFiles(tree.root + "/");
    ASSERT_FALSE(files.empty());
    EXPECT_EQ(files.front().path, tree.root + "/Season 1/Episode 2.mkv") << "no doubled separator";
}

TEST_F(FolderListing, TheListingEndsWhenAskedAndANonFolderListsNothing) {
    int seen = 0;
    EXPECT_FALSE(folders::ListMediaFiles(tree.root, {}, [&seen](folders::ListedFile&&) { return ++seen < 2; }));
    EXPECT_EQ(seen, 2);
    EXPECT_TRUE(folders::ListMediaFiles(dir.file("clip.mkv")).empty());
    EXPECT_TRUE(folders::ListMediaFiles(dir.file("missing")).empty());
    EXPECT_TRUE(folders::IsFolder(tree.root + "/outside")) << "a link given by name is followed";
    EXPECT_FALSE(folders::IsFolder(dir.file("clip.mkv")));
}

// A folder the user cannot read hides its files: the listing says which, and goes
// on with the rest. Root reads everything, so the listing runs as nobody then.
TEST_F(FolderListing, AnUnreadableFolderIsToldAndTheRestListed) {
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(tree.root + "/Season 2", fs::perms::none);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        std::string seen;
        folders::ListOptions options;
        options.unreadable = [&seen](const std::string& folder, int error) {
            seen += folder + (error == EACCES ? " EACCES\n" : " other\n");
        };
        seen += std::to_string(folders::ListMediaFiles(tree.root, options).size()) + " files\n";
        _exit(write(pipeEnds[1], seen.data(), seen.size()) == static_cast<ssize_t>(seen.size()) ? 0 : 4);
    }
    close(pipeEnds[1]);
    std::string seen;
    char buffer[512];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) seen.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    fs::permissions(tree.root + "/Season 2", fs::perms::owner_all);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(seen, tree.root + "/Season 2 EACCES\n" + std::to_string(tree.byExtension.size() - 1) + " files\n");
}

TEST_F(FolderListing, AWholeOutputIsCompleteAShortenedOrBrokenOneIsNot) {
    testmedia::ClipSpec shape;
    shape.seconds = 3;
    shape.videoSize = "64x48";
    ASSERT_TRUE(testmedia::makeClip(dir.file("whole.mp4"), shape));
    shape.seconds = 2;
    ASSERT_TRUE(testmedia::makeClip(dir.file("short.mp4"), shape));
    const auto played = done::PlayedSeconds(dir.file("whole.mp4"));
    ASSERT_TRUE(played);
    EXPECT_NEAR(*played, 3.0, done::kToleranceSeconds);
    EXPECT_TRUE(done::IsComplete(dir.file("whole.mp4"), 3.0));
    EXPECT_FALSE(done::IsComplete(dir.file("short.mp4"), 3.0)) << "a stop cut it short";
    EXPECT_FALSE(done::IsComplete(dir.file("whole.mp4"), 2.0)) << "another source's length";
    // What a killed run leaves: the file without its end (an mp4 without its index).
    const auto size = fs::file_size(dir.file("whole.mp4"));
    fs::copy_file(dir.file("whole.mp4"), dir.file("cut.mp4"));
    fs::resize_file(dir.file("cut.mp4"), size / 2);
    EXPECT_FALSE(done::IsComplete(dir.file("cut.mp4"), 3.0));
    EXPECT_FALSE(done::PlayedSeconds(dir.file("missing.mp4")));
    // Its index whole but its last bytes gone: the last packet ends past the file's end.
    fs::copy_file(dir.file("whole.mp4"), dir.file("lastbyte.mp4"));
    fs::resize_file(dir.file("lastbyte.mp4"), size - 1);
    EXPECT_FALSE(done::IsComplete(dir.file("lastbyte.mp4"), 3.0)) << "one byte short";
    // What is no regular file is no output: a FIFO must not block, a link is not followed.
    ASSERT_EQ(mkfifo(dir.file("fifo.mp4").c_str(), 0600), 0);
    EXPECT_FALSE(done::PlayedSeconds(dir.file("fifo.mp4"))) << "returns at once";
    fs::create_symlink(dir.file("whole.mp4"), dir.file("link.mp4"));
    EXPECT_FALSE(done::IsComplete(dir.file("link.mp4"), 3.0));
    fs::create_directory(dir.file("folder.mp4"));
    EXPECT_FALSE(done::PlayedSeconds(dir.file("folder.mp4")));
}

// What a crash leaves when the file's blocks were allocated but never written:
// its size and index whole, zeros (or holes) in its middle. Every packet reads
// without an error; the zeros tell.
TEST_F(FolderListing, AnOutputWithAZeroedMiddleIsNotComplete) {
    testmedia::ClipSpec shape;
    shape.seconds = 3;
    shape.videoSize = "160x120";
    ASSERT_TRUE(testmedia::makeClip(dir.file("whole.mp4"), shape));
    ASSERT_TRUE(done::IsComplete(dir.file("whole.mp4"), 3.0));
    const auto size = static_cast<std::int64_t>(fs::file_size(dir.file("whole.mp4")));
    ASSERT_GT(size, 6 * 4096) << "a middle of whole blocks to zero";
    const std::int64_t middle = size / 2 / 4096 * 4096;
    struct Damage {
        const char* name;
        std::int64_t at, length;
    };
    for (const Damage& damage : {Damage{"zeroed.mp4", middle - 4096, 8192}, Damage{"block.mp4", middle, 4096}}) {
        fs::copy_file(dir.file("whole.mp4"), dir.file(damage.name));
        std::fstream file(dir.file(damage.name), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(damage.at);
        const std::string zeros(static_cast<std::size_t>(damage.length), '\0');
        file.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
        file.close();
        ASSERT_EQ(static_cast<std::int64_t>(fs::file_size(dir.file(damage.name))), size);
        EXPECT_FALSE(done::IsComplete(dir.file(damage.name), 3.0)) << damage.name;
    }
    // Blocks never written at all: a hole, where the file system supports one.
    fs::copy_file(dir.file("whole.mp4"), dir.file("hole.mp4"));
    const int fd = open(dir.file("hole.mp4").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    const bool punched = fallocate(fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, middle - 4096, 8192) == 0;
    close(fd);
    if (punched) {
        EXPECT_FALSE(done::IsComplete(dir.file("hole.mp4"), 3.0)) << "a hole";
    }
    // A large output is read at places spread over it: zeros anywhere in its
    // middle are found all the same, and only a part of it is read.
    ASSERT_EQ(testmedia::runCommand("ffmpeg -nostdin -loglevel error -y -f lavfi -i testsrc2=size=400x300:rate=25,noise=alls=60:allf=t -t 10 "
                                    "-c:v libx264 -preset ultrafast -qp 0 -g 25 -sc_threshold 0 " +
                                    testmedia::shellQuote(dir.file("large.mp4"))),
              0);
    const auto large = static_cast<std::int64_t>(fs::file_size(dir.file("large.mp4")));
    ASSERT_GT(large, 40 << 20) << "larger than what is read whole";
    EXPECT_TRUE(done::IsComplete(dir.file("large.mp4"), 10.0));
    for (const double where : {0.2, 0.45}) {
        fs::copy_file(dir.file("large.mp4"), dir.file("large-zeroed.mp4"), fs::copy_options::overwrite_existing);
        std::fstream file(dir.file("large-zeroed.mp4"), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::int64_t>(large * where) / 4096 * 4096);
        const std::string zeros(1 << 20, '\0');
        file.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
        file.close();
        EXPECT_FALSE(done::IsComplete(dir.file("large-zeroed.mp4"), 10.0)) << where;
    }
    // Zeros that are the media itself are no damage: silence in PCM.
    ASSERT_EQ(testmedia::runCommand("ffmpeg -nostdin -loglevel error -y -f lavfi -i anullsrc=r=48000:cl=stereo -f lavfi "
                                    "-i testsrc2=size=64x48:rate=25 -t 3 -c:a pcm_s16le -c:v mpeg4 " +
                                    testmedia::shellQuote(dir.file("silence.mov"))),
              0);
    EXPECT_TRUE(done::IsComplete(dir.file("silence.mov"), 3.0)) << "silence is all zeros";
}

TEST_F(FolderListing, EarlierOutputsAreGivenOutInTheOrderTheFreeNameRuleTookThem) {
    testmedia::ClipSpec shape;
    shape.seconds = 1;
    shape.videoSize = "64x48";
    ASSERT_TRUE(testmedia::makeClip(dir.file("01.mp4"), shape));
    fs::copy_file(dir.file("01.mp4"), dir.file("01(0).mp4"));
    std::ofstream(dir.file("01(1).THM")) << "a thumbnail keeps its name taken";
    fs::copy_file(dir.file("01.mp4"), dir.file("01(2).mp4"));
    EXPECT_EQ(done::EarlierNames(dir.file("01.mp4")),
              (std::vector<std::string>{dir.file("01.mp4"), dir.file("01(0).mp4"), dir.file("01(1).mp4"),
                                        dir.file("01(2).mp4")}));
    const done::Wanted clip{1.0, "", {{AV_CODEC_ID_H264, 64, 48}}, {AV_CODEC_ID_AAC}};
    done::EarlierOutputs earlier;
    EXPECT_EQ(earlier.claim(dir.file("01.mp4"), clip), dir.file("01.mp4"));
    EXPECT_EQ(earlier.claim(dir.file("01.mp4"), clip), dir.file("01(0).mp4")) << "the second source of that name";
    EXPECT_EQ(earlier.claim(dir.file("01.mp4"), clip), dir.file("01(2).mp4"));
    EXPECT_FALSE(earlier.claim(dir.file("01.mp4"), clip)) << "every output given once";
    done::Wanted longer = clip;
    longer.seconds = 5.0;
    EXPECT_FALSE(done::EarlierOutputs().claim(dir.file("01.mp4"), longer)) << "none has that length";
    for (const done::VideoShape shape : {done::VideoShape{AV_CODEC_ID_MPEG4, 64, 48}, done::VideoShape{AV_CODEC_ID_H264, 480, 272}}) {
        done::Wanted other = clip;
        other.video = {shape};
        EXPECT_FALSE(done::EarlierOutputs().claim(dir.file("01.mp4"), other)) << "another profile's output";
    }
    // An output marked as another source's is never this row's.
    const int fd = ::open(dir.file("01(0).mp4").c_str(), O_RDWR | O_CLOEXEC);
    done::MarkOutput(fd, "another source");
    ::close(fd);
    done::Wanted own = clip;
    own.sourceMark = done::SourceMark(dir.file("01.mp4"));
    done::EarlierOutputs thisRun;
    thisRun.exclude(dir.file("01.mp4"));  // written by this run for the first source of the name
    EXPECT_EQ(thisRun.claim(dir.file("01.mp4"), own), dir.file("01(2).mp4"));
}
