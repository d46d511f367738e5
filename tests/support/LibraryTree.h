#pragma once
// A small media library as people keep them, made on the spot: three levels of
// folders, names with spaces and a Latin-1 byte, a symbolic link back up the tree
// (a circle), one out of it, a hidden folder, and files that are no media (a text,
// a picture, a text named like a video). The media files are copies of one clip
// made by the caller.

#include <string>
#include <vector>

namespace testmedia {

struct LibraryTree {
    std::string root;
    // The media files below root, relative, in the order a person reads the tree
    // (natural order, folder by folder).
    std::vector<std::string> media;
    // The same with the text named like a video (which only the probe refuses).
    std::vector<std::string> byExtension;
    // The folders below root that hold media, relative.
    std::vector<std::string> folders;
};

// Makes the tree under `root` (which must exist) from the clip `clip`; `outside` is
// a folder elsewhere that gets a media file and a link to it from the tree.
LibraryTree MakeLibraryTree(const std::string& root, const std::string& clip, const std::string& outside);

}  // namespace testmedia
