#include "tests/support/LibraryTree.h"

#include <filesystem>
#include <fstream>

namespace testmedia {

LibraryTree MakeLibraryTree(const std::string& root, const std::string& clip, const std::string& outside) {
    namespace fs = std::filesystem;
    const std::string latin1 = "Caf\xE9 b.mkv";  // not UTF-8
    LibraryTree tree;
    tree.root = root;
    tree.media = {"Season 1/Episode 2.mkv", "Season 1/Episode 10.mkv", "Season 1/Extras/" + latin1,
                  "Season 2/01.mkv", "Season 10/01.mkv", "top.mkv"};
    tree.byExtension = {"Season 1/Episode 2.mkv", "Season 1/Episode 10.mkv", "Season 1/Extras/" + latin1,
                        "Season 1/fake.mp4", "Season 2/01.mkv", "Season 10/01.mkv", "top.mkv"};
    tree.folders = {"Season 1", "Season 1/Extras", "Season 2", "Season 10"};
    const fs::path base(root);
    for (const auto& folder : {"Season 1/Extras", "Season 2", "Season 10", ".hidden"}) fs::create_directories(base / folder);
    for (const std::string& file : tree.media) fs::copy_file(clip, base / file);
    fs::copy_file(clip, base / ".hidden" / "secret.mkv");
    std::ofstream(base / "Season 1" / "notes.txt") << "not media\n";
    std::ofstream(base / "Season 1" / "fake.mp4") << "a text named like a video\n";
    std::ofstream(base / "cover.jpg") << "a picture is no task\n";
    fs::create_directory_symlink("..", base / "Season 1" / "loop");
    fs::create_directories(outside);
    fs::copy_file(clip, fs::path(outside) / "elsewhere.mkv");
    fs::create_directory_symlink(outside, base / "outside");
    fs::create_symlink(fs::path(outside) / "elsewhere.mkv", base / "Season 2" / "linked.mkv");
    return tree;
}

}  // namespace testmedia
