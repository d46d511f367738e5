// The configuration file must read files written on Windows and by us, keep
// everything it does not change, and never leave a half-written file behind.
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/korbanix-ini-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_file = m_dir / "bin" / "Path_Registration.ini";
    }
    void TearDown() override {
        IniFile::BeforeRenameHook() = nullptr;
        fs::remove_all(m_dir);
    }
    void write(const std::string& text) {
        fs::create_directories(m_file.parent_path());
        std::ofstream(m_file, std::ios::binary) << text;
    }
    std::string read() const {
        std::ifstream in(m_file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    int filesInFolder() const {
        int count = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_file.parent_path())) ++count;
        return count;
    }

    fs::path m_dir;
    fs::path m_file;
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheFallback) {
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "path", "none"), "none");
    write("[Other]\npath=/x\n");
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "path", "none"), "none");
    write("[Info]\nfolder=/x\n");
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "path"), "");
}

TEST_F(IniFileTest, KeysAndSectionsMatchInAnyCaseAndValuesKeepBackslashes) {
    write("[INFO]\r\n  PATH =  C:\\Media\\OutPut\\new  \r\n");
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "path"), "C:\\Media\\OutPut\\new");
    EXPECT_EQ(IniFile::ReadString(m_file, "info", "Path"), "C:\\Media\\OutPut\\new");
}

TEST_F(IniFileTest, QuotedValuesLoseTheirQuotesCommentsAreNotKeys) {
    write("[Info]\n;path=/commented\npath=\"/with blanks/ \"\n");
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "path"), "/with blanks/ ");
}

TEST_F(IniFileTest, WrittenKeyIsTheSameEntryAsTheReadKey) {
    ASSERT_TRUE(IniFile::WriteString(m_file, "Info", "Path", "/home/u/Videos/out"));
    ASSERT_TRUE(IniFile::WriteString(m_file, "Info", "PATH", "/home/u/Videos/again"));
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "path"), "/home/u/Videos/again");
    EXPECT_EQ(read(), "[Info]\nPath=/home/u/Videos/again\n");
}

TEST_F(IniFileTest, WritingCreatesTheMissingFolder) {
    ASSERT_FALSE(fs::exists(m_file.parent_path()));
    std::string error;
    ASSERT_TRUE(IniFile::WriteString(m_file, "Info", "Path", "D:\\Out", &error)) << error;
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "path"), "D:\\Out");
}

TEST_F(IniFileTest, OtherLinesSectionsAndLineEndingsAreKept) {
    const std::string before =
        "; settings\r\n[Window]\r\nx=10\r\n\r\n[Info]\r\nPath=old\r\nOther=1\r\n\r\n[Tail]\r\nk=v\r\n";
    write(before);
    ASSERT_TRUE(IniFile::WriteString(m_file, "info", "path", "C:\\New"));
    EXPECT_EQ(read(), "; settings\r\n[Window]\r\nx=10\r\n\r\n[Info]\r\nPath=C:\\New\r\nOther=1\r\n\r\n[Tail]\r\nk=v\r\n");
}

TEST_F(IniFileTest, NewKeyGoesAfterTheSectionsLastEntryNewSectionAtTheEnd) {
    write("[Info]\nOther=1\n\n[Tail]\nk=v");
    ASSERT_TRUE(IniFile::WriteString(m_file, "Info", "Path", "/a"));
    EXPECT_EQ(read(), "[Info]\nOther=1\nPath=/a\n\n[Tail]\nk=v");
    ASSERT_TRUE(IniFile::WriteString(m_file, "New", "Key", "x"));
    EXPECT_EQ(read(), "[Info]\nOther=1\nPath=/a\n\n[Tail]\nk=v\n[New]\nKey=x\n");
    EXPECT_EQ(IniFile::ReadString(m_file, "tail", "K"), "v");
}

TEST_F(IniFileTest, ALineBreakInAValueIsRefusedAndTheFileStaysAsItWas) {
    write("[Info]\nPath=/kept\n");
    std::string error;
    EXPECT_FALSE(IniFile::WriteString(m_file, "Info", "Path", "/a\nPath=/evil", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(read(), "[Info]\nPath=/kept\n");
}

TEST_F(IniFileTest, AnInterruptedWriteLeavesTheOldFileAndNoTemporaryFile) {
    write("[Info]\nPath=/kept\n");
    fs::path seenTemp;
    IniFile::BeforeRenameHook() = [&](const fs::path& temp) {
        seenTemp = temp;
        // The temporary file is complete before anything replaces the old one.
        std::ifstream in(temp);
        std::string first;
        std::getline(in, first);
        EXPECT_EQ(first, "[Info]");
        return false;
    };
    EXPECT_FALSE(IniFile::WriteString(m_file, "Info", "Path", "/new"));
    EXPECT_EQ(seenTemp.parent_path(), m_file.parent_path());
    EXPECT_FALSE(fs::exists(seenTemp));
    EXPECT_EQ(read(), "[Info]\nPath=/kept\n");
    EXPECT_EQ(filesInFolder(), 1);
    // A rename that fails (here the temporary file is gone) is a failed save, never success.
    IniFile::BeforeRenameHook() = [](const fs::path& temp) { return fs::remove(temp); };
    std::string error;
    EXPECT_FALSE(IniFile::WriteString(m_file, "Info", "Path", "/new", &error));
    EXPECT_NE(error.find("cannot replace file"), std::string::npos) << error;
    EXPECT_EQ(read(), "[Info]\nPath=/kept\n");
}

TEST_F(IniFileTest, AProcessDyingMidWriteLeavesTheOldFileWhole) {
    write("[Info]\nPath=/kept\n");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The crash: the process ends between writing the new text and the rename.
        IniFile::BeforeRenameHook() = [](const fs::path&) -> bool { ::_exit(7); };
        IniFile::WriteString(m_file, "Info", "Path", "/new");
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "path"), "/kept");
    EXPECT_EQ(read(), "[Info]\nPath=/kept\n");
    // A later write still succeeds beside the stray temporary file.
    EXPECT_TRUE(IniFile::WriteString(m_file, "Info", "Path", "/new"));
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "path"), "/new");
}

TEST_F(IniFileTest, AFolderInTheFilesPlaceIsAFailureNotACrash) {
    fs::create_directories(m_file);
    std::string error;
    EXPECT_FALSE(IniFile::WriteString(m_file, "Info", "Path", "/x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "Path", "fallback"), "fallback");
}

// Each of these names leads somewhere that is no configuration file: reading gives
// the fallback at once (no block on the FIFO, no endless /dev/zero), writing fails
// and leaves the entry as it was.
TEST_F(IniFileTest, OnlyAPlainFileOfAtMostOneMebibyteIsReadOrReplaced) {
    fs::create_directories(m_file.parent_path());
    const fs::path target = m_dir / "elsewhere.ini";
    std::ofstream(target) << "[Info]\nPath=/through/link\n";
    const std::string big = "[Info]\nPath=/big\n" + std::string(IniFile::kMaxBytes, ';');
    const std::vector<std::pair<std::string, std::function<void()>>> cases{
        {"fifo", [&] { ASSERT_EQ(::mkfifo(m_file.c_str(), 0600), 0); }},
        {"link to /dev/zero", [&] { fs::create_symlink("/dev/zero", m_file); }},
        {"link to a plain file", [&] { fs::create_symlink(target, m_file); }},
        {"larger than the cap", [&] { write(big); }},
    };
    for (const auto& [name, make] : cases) {
        SCOPED_TRACE(name);
        fs::remove(m_file);
        make();
        std::string error;
        EXPECT_EQ(IniFile::ReadString(m_file, "Info", "Path", "fallback", &error), "fallback");
        EXPECT_FALSE(error.empty());
        error.clear();
        EXPECT_FALSE(IniFile::WriteString(m_file, "Info", "Path", "/x", &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(fs::symlink_status(m_file).type(),
                  name == "fifo" ? fs::file_type::fifo
                  : name.starts_with("link") ? fs::file_type::symlink : fs::file_type::regular);
    }
    EXPECT_EQ(fs::file_size(m_file), big.size());  // the big file is not cut to one key
    std::ifstream linked(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(linked), {}), "[Info]\nPath=/through/link\n");
    // Just at the cap it is still read.
    write("[Info]\nPath=/at/cap\n" + std::string(IniFile::kMaxBytes - 20, ';'));
    ASSERT_EQ(fs::file_size(m_file), IniFile::kMaxBytes);
    EXPECT_EQ(IniFile::ReadString(m_file, "Info", "Path"), "/at/cap");
}

TEST_F(IniFileTest, ThePermissionsOfAnExistingFileAreKept) {
    write("[Info]\nPath=/a\n");
    ASSERT_EQ(::chmod(m_file.c_str(), 0600), 0);
    ASSERT_TRUE(IniFile::WriteString(m_file, "Info", "Path", "/b"));
    struct stat info {};
    ASSERT_EQ(::stat(m_file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(IniFileText, TextRoundTripsUntouchedDocuments) {
    for (const char* text : {"", "a=b", "a=b\n", "[S]\r\nk=v\r\n\r\n", "\xEF\xBB\xBF[Info]\nPath=x\n\n\n"}) {
        EXPECT_EQ(IniFile::FromText(text).Text(), text);
    }
    EXPECT_EQ(IniFile::FromText("\xEF\xBB\xBF[Info]\nPath=x\n").Get("Info", "Path"), "x");
}

}  // namespace
