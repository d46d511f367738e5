#include "engine/FolderListing.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>
#include <set>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace folders {

namespace {

// Video and audio containers people keep in libraries, lower case. The probe has
// the last word; this only spares it the text files, pictures and subtitles.
constexpr std::array<std::string_view, 52> kMediaExtensions{
    "3g2", "3gp", "3gpp", "aac", "ac3", "aif", "aiff", "amr", "ape", "asf", "au", "avi", "dat",
    "divx", "dv", "f4v", "flac", "flv", "h264", "m2t", "m2ts", "m2v", "m4a", "m4v", "mka", "mkv",
    "mod", "mov", "mp2", "mp3", "mp4", "mpa", "mpeg", "mpg", "mts", "mxf", "nsv", "nut", "oga",
    "ogg", "ogv", "opus", "qt", "ra", "rm", "rmvb", "tod", "ts", "vob", "wav", "webm", "wma"};
constexpr std::array<std::string_view, 3> kMoreMediaExtensions{"wmv", "wv", "swf"};

// Deeper than this is no library but a loop the inode check could not see
// (a file system without stable inode numbers).
constexpr int kMaxDepth = 64;

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

struct Entry {
    std::string name;
    bool folder = false;
};

using FolderId = std::pair<dev_t, ino_t>;

class Lister {
public:
    Lister(const ListOptions& options, const std::function<bool(ListedFile&&)>& found)
        : m_options(options), m_found(found) {}

    // Lists the folder open as `fd` (taken over), whose files' paths start with
    // `prefix` and whose place below the root is `subfolder`.
    bool list(int fd, const std::string& prefix, const std::string& subfolder, int depth) {
        struct stat info {};
        if (fstat(fd, &info) != 0 || !m_seen.insert(FolderId{info.st_dev, info.st_ino}).second) {
            close(fd);
            return true;
        }
        DirHandle dir(fdopendir(fd));
        if (!dir) {
            tellUnreadable(prefix, errno);
            close(fd);
            return true;
        }
        std::vector<Entry> entries = read(dir.get());
        for (const Entry& entry : entries) {
            if (!entry.folder) {
                if (!m_found(ListedFile{prefix + entry.name, subfolder})) return false;
                continue;
            }
            if (!m_options.recursive || depth >= kMaxDepth) continue;
            // O_NOFOLLOW: a folder swapped for a link since it was read is not entered.
            const int child = openat(dirfd(dir.get()), entry.name.c_str(),
                                     O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child < 0) {
                // A link or a file swapped in since the folder was read is no folder
                // of the tree; anything else (no permission) hides files from the user.
                if (errno != ELOOP && errno != ENOTDIR && errno != ENOENT)
                    tellUnreadable(prefix + entry.name + "/", errno);
                continue;
            }
            const std::string below = subfolder.empty() ? entry.name : subfolder + "/" + entry.name;
            if (!list(child, prefix + entry.name + "/", below, depth + 1)) return false;
        }
        return true;
    }

    void tellUnreadable(const std::string& prefix, int error) const {
        if (!m_options.unreadable) return;
        std::string folder = prefix;
        if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        m_options.unreadable(folder, error);
    }

private:
    // The folder's visible media files and folders, in natural order.
    static std::vector<Entry> read(DIR* dir) {
        std::vector<Entry> entries;
        while (const dirent* item = readdir(dir)) {
            const std::string_view name(item->d_name);
            if (name.empty() || name[0] == '.') continue;
            unsigned char type = item->d_type;
            if (type == DT_UNKNOWN) {  // some file systems do not say: ask without following
                struct stat info {};
                if (fstatat(dirfd(dir), item->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
                type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_LNK;
            }
            if (type == DT_DIR) entries.push_back(Entry{std::string(name), true});
            else if (type == DT_REG && HasMediaExtension(name)) entries.push_back(Entry{std::string(name), false});
        }
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return NaturalCompare(a.name, b.name) < 0; });
        return entries;
    }

    const ListOptions& m_options;
    const std::function<bool(ListedFile&&)>& m_found;
    std::set<FolderId> m_seen;
};

unsigned char Lower(char c) { return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c))); }

// The Latin letters with marks (U+00C0 to U+017F) as a person files them: "Ä"
// with "a", "ß" as "ss". "" where a character has no letter to stand for it.
constexpr const char* kLatinBase[] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "y",
    "a", "a", "a", "a", "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",
    "d", "d", "e", "e", "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",
    "g", "g", "g", "g", "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l",
    "l", "l", "l", "n", "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s",
    "s", "s", "t", "t", "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",
    "u", "u", "u", "u", "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s"};

std::string Folded(std::string_view name) {
    std::string folded;
    folded.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto lead = static_cast<unsigned char>(name[i]);
        if (lead >= 0xC3 && lead <= 0xC5 && i + 1 < name.size()) {
            const auto next = static_cast<unsigned char>(name[i + 1]);
            const unsigned code = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
            if ((next & 0xC0u) == 0x80u && code >= 0xC0 && *kLatinBase[code - 0xC0] != '\0') {
                folded += kLatinBase[code - 0xC0];
                ++i;
                continue;
            }
        }
        folded += static_cast<char>(Lower(name[i]));
    }
    return folded;
}

}  // namespace

bool HasMediaExtension(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 >= fileName.size()) return false;
    std::string extension;
    for (char c : fileName.substr(dot + 1)) extension += static_cast<char>(Lower(c));
    return std::find(kMediaExtensions.begin(), kMediaExtensions.end(), extension) != kMediaExtensions.end() ||
           std::find(kMoreMediaExtensions.begin(), kMoreMediaExtensions.end(), extension) !=
               kMoreMediaExtensions.end();
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int NaturalCompare(std::string_view a, std::string_view b) {
    // glibc's version order does the digit runs (a name's NUL-free bytes, which a
    // file name always is); letters are compared folded to lower case first.
    const int folded = strverscmp(Folded(a).c_str(), Folded(b).c_str());
    if (folded != 0) return folded < 0 ? -1 : 1;
    const int bytes = a.compare(b);
    return bytes < 0 ? -1 : bytes > 0 ? 1 : 0;
}

bool ListMediaFiles(const std::string& folder, const ListOptions& options,
                    const std::function<bool(ListedFile&& file)>& found) {
    // The folder given is opened by its name even when that is a link: the user
    // named it. Below it no link is followed.
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (options.unreadable) options.unreadable(folder, errno);
        return true;
    }
    std::string prefix = folder;
    while (prefix.size() > 1 && prefix.back() == '/') prefix.pop_back();
    if (prefix != "/") prefix += '/';
    Lister lister(options, found);
    return lister.list(fd, prefix, std::string(), 0);
}

std::vector<ListedFile> ListMediaFiles(const std::string& folder, const ListOptions& options) {
    std::vector<ListedFile> files;
    ListMediaFiles(folder, options, [&files](ListedFile&& file) {
        files.push_back(std::move(file));
        return true;
    });
    return files;
}

}  // namespace folders
