#pragma once
// The media files under a folder, as the window's Add and drop and the command
// line's `convert DIR` add them: recursively (or one level), in natural name order
// (episode 2 before episode 10), by extension only (the caller's probe decides the
// rest), names kept as the bytes the file system holds.
//
// What is left out, and why:
//  - hidden entries (a name starting with "."): thumbnails caches, ".Trash", the
//    "._name" companions other systems leave, none of which anyone means to convert;
//  - symbolic links: inside the tree they lead to something listed under its own
//    name already (or round in a circle), outside it to what was not added;
//  - a folder met twice (a bind mount of a folder above itself).
// A folder that cannot be read is passed over (and told to `unreadable`, so that
// nobody takes its files for converted); listing never fails as a whole.
//
// Plain functions without shared state: any thread may call them.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace folders {

struct ListedFile {
    std::string path;       // the folder given + "/" + the path below it
    std::string subfolder;  // the file's folder below the one given, "" at its top, "/"-separated
};

struct ListOptions {
    bool recursive = true;  // false: only the files directly in the folder
    // Called with a folder's path and errno for each folder that could not be read.
    std::function<void(const std::string& folder, int error)> unreadable;
};

// The extension (after the last ".", any case) is one of a video or audio file.
// Pictures are not: a folder's cover.jpg is no task.
bool HasMediaExtension(std::string_view fileName);

// `path` names a folder (a symbolic link given by name is followed).
bool IsFolder(const std::string& path);

// Natural order of two names: runs of digits by value as glibc's version order
// reads them (a run with leading zeros counts as a fraction: "01" before "1"),
// letters without regard to case or marks ("Ärzte" among the a's, "ß" as "ss",
// for the Latin letters of Western and Central Europe); names equal so are ordered by their
// bytes. Negative, zero or positive as strcmp.
int NaturalCompare(std::string_view a, std::string_view b);

// Calls `found` for every media file under `folder`, in order, as each folder is
// read (so the first files come before the whole tree is read); `found` returns
// false to end the listing early. Returns false when it was ended so.
bool ListMediaFiles(const std::string& folder, const ListOptions& options,
                    const std::function<bool(ListedFile&& file)>& found);

// All of them at once.
std::vector<ListedFile> ListMediaFiles(const std::string& folder, const ListOptions& options = {});

}  // namespace folders
