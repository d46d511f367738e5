#include "engine/Thumbnail.h"

#include "tests/support/MediaFixture.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <sys/resource.h>

namespace fs = std::filesystem;
using testmedia::TempDir;

namespace {

constexpr std::size_t kPictureBytes = kThumbnailWidth * kThumbnailHeight * 3;

std::vector<std::uint8_t> solidPicture(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::vector<std::uint8_t> pixels(kPictureBytes);
    for (std::size_t i = 0; i < kPictureBytes; i += 3) {
        pixels[i] = r;
        pixels[i + 1] = g;
        pixels[i + 2] = b;
    }
    return pixels;
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Index of the first "FF xx" marker of the given type, or -1.
long findMarker(const std::vector<std::uint8_t>& bytes, std::uint8_t type) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == type) return static_cast<long>(i);
    return -1;
}

// The mean colour of the picture as an independent decoder (ffmpeg) sees it.
std::array<double, 3> decodedMeanColour(const std::string& path) {
    std::string raw;
    testmedia::runCommand("ffmpeg -nostdin -loglevel error -i " + testmedia::shellQuote(path) +
                              " -f rawvideo -pix_fmt rgb24 -",
                          &raw);
    std::array<double, 3> sum{};
    if (raw.size() != kPictureBytes) return {-1, -1, -1};
    for (std::size_t i = 0; i < raw.size(); ++i) sum[i % 3] += static_cast<std::uint8_t>(raw[i]);
    for (auto& s : sum) s /= kThumbnailWidth * kThumbnailHeight;
    return sum;
}

bool onlyFile(const fs::path& folder, const std::string& name) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename() != name) return false;
        ++count;
    }
    return count == 1;
}

class ThumbnailTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string thm = dir.file("clip.THM");
};

}  // namespace

TEST_F(ThumbnailTest, WritesABaselineJpegOf160By120AtQuality80) {
    const auto pixels = solidPicture(0, 0, 0);
    ASSERT_TRUE(WriteThumbnail(thm, pixels.data()));

    const auto info = testmedia::probe(thm);
    ASSERT_TRUE(info.ok);
    ASSERT_EQ(info.streams.size(), 1u);
    EXPECT_EQ(info.streams[0].codecName, "mjpeg");
    EXPECT_EQ(info.streams[0].width, 160);
    EXPECT_EQ(info.streams[0].height, 120);

    const auto bytes = readBytes(thm);
    ASSERT_GE(bytes.size(), 20u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);                                       // SOI
    EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 10), "JFIF");
    EXPECT_GE(findMarker(bytes, 0xC0), 0);                           // baseline frame
    EXPECT_EQ(findMarker(bytes, 0xC2), -1);                          // not progressive
    const long dqt = findMarker(bytes, 0xDB);
    ASSERT_GE(dqt, 0);
    // Quality 80 scales the standard luminance table by 40%: its first entry 16 -> 6.
    EXPECT_EQ(bytes[dqt + 4], 0x00);  // 8-bit table 0
    EXPECT_EQ(bytes[dqt + 5], 6);
    EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
    EXPECT_EQ(bytes[bytes.size() - 1], 0xD9);                        // EOI
    EXPECT_TRUE(onlyFile(dir.path(), "clip.THM"));
}

TEST_F(ThumbnailTest, KeepsTheColoursInRgbOrder) {
    const auto red = solidPicture(220, 20, 30);
    ASSERT_TRUE(WriteThumbnail(thm, red.data()));
    const auto mean = decodedMeanColour(thm);
    EXPECT_NEAR(mean[0], 220, 8);
    EXPECT_NEAR(mean[1], 20, 8);
    EXPECT_NEAR(mean[2], 30, 8);
}

TEST_F(ThumbnailTest, WritingTwiceReplacesTheFirstFile) {
    const auto red = solidPicture(230, 10, 10);
    const auto blue = solidPicture(10, 10, 230);
    ASSERT_TRUE(WriteThumbnail(thm, red.data()));
    ASSERT_TRUE(WriteThumbnail(thm, blue.data()));
    const auto mean = decodedMeanColour(thm);
    EXPECT_LT(mean[0], 40);
    EXPECT_GT(mean[2], 200);
    EXPECT_TRUE(onlyFile(dir.path(), "clip.THM"));  // no temporary file left behind
}

TEST_F(ThumbnailTest, AFileThatCannotBeCreatedIsSkippedSilently) {
    const auto pixels = solidPicture(1, 2, 3);
    int calls = 0;
    auto count = [&](const std::string&) { ++calls; };
    EXPECT_FALSE(WriteThumbnail(dir.file("missing/clip.THM"), pixels.data(), count));
    // A file where a folder should be: fails even for a privileged user.
    std::ofstream(dir.file("plain")) << "x";
    EXPECT_FALSE(WriteThumbnail(dir.file("plain/clip.THM"), pixels.data(), count));
    EXPECT_FALSE(WriteThumbnail("", pixels.data(), count));
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(onlyFile(dir.path(), "plain"));
}

TEST_F(ThumbnailTest, AFatalLibraryErrorIsReportedAndKeepsTheOldFile) {
    const auto pixels = solidPicture(200, 100, 50);
    ASSERT_TRUE(WriteThumbnail(thm, pixels.data()));
    const auto before = readBytes(thm);

    // A full disk, made by limiting this process's file size: libjpeg's write fails
    // and its error handler must come back to the writer instead of ending the process.
    std::vector<std::string> messages;
    bool written = false;
    {
        testmedia::FileSizeLimit limit(64);
        written = WriteThumbnail(thm, solidPicture(5, 250, 5).data(),
                                 [&](const std::string& m) { messages.push_back(m); });
    }

    EXPECT_FALSE(written);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].empty());
    EXPECT_EQ(readBytes(thm), before);
    EXPECT_TRUE(onlyFile(dir.path(), "clip.THM"));

    // The writer is still usable afterwards.
    EXPECT_TRUE(WriteThumbnail(thm, pixels.data()));
}

// A symlink at the name is never written through: Replace swaps the link itself
// for the picture, Keep leaves it as it is.
TEST_F(ThumbnailTest, ASymlinkAtTheNameKeepsItsTargetUntouched) {
    const std::string target = dir.file("target.txt");
    std::ofstream(target) << "someone's file";
    fs::create_symlink(target, thm);
    const auto pixels = solidPicture(9, 9, 9);
    EXPECT_FALSE(WriteThumbnail(thm, pixels.data(), {}, ExistingThumbnail::Keep));
    EXPECT_TRUE(fs::is_symlink(thm));
    EXPECT_TRUE(WriteThumbnail(thm, pixels.data()));
    EXPECT_FALSE(fs::is_symlink(thm));
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "someone's file");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2) << "no temporary file";
}

TEST_F(ThumbnailTest, ANameAtTheLengthLimitIsWritten) {
    const std::string longName = std::string(251, 'n') + ".THM";  // 255 bytes, the longest name allowed
    const auto pixels = solidPicture(9, 9, 9);
    ASSERT_TRUE(WriteThumbnail(dir.file(longName), pixels.data()));
    EXPECT_TRUE(onlyFile(dir.path(), longName));
}

TEST_F(ThumbnailTest, ARelativePathIsWrittenInTheWorkingFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const auto pixels = solidPicture(9, 9, 9);
    const bool written = WriteThumbnail("here.THM", pixels.data());
    fs::current_path(before);
    EXPECT_TRUE(written);
    EXPECT_TRUE(onlyFile(dir.path(), "here.THM"));
}

TEST(ThumbnailPath, ReplacesTheLastExtension) {
    EXPECT_EQ(ThumbnailPathFor("/out/clip.mp4"), "/out/clip.THM");
    EXPECT_EQ(ThumbnailPathFor("/out/clip(0).mp4"), "/out/clip(0).THM");
    EXPECT_EQ(ThumbnailPathFor("/out/holiday.2010.avi"), "/out/holiday.2010.THM");
    EXPECT_EQ(ThumbnailPathFor("/out.d/clip"), "/out.d/clip.THM");
    EXPECT_EQ(ThumbnailPathFor("clip"), "clip.THM");
}
