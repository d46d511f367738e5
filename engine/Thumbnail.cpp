#include "engine/Thumbnail.h"

#include <atomic>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

extern "C" {
#include <jpeglib.h>
}

namespace {

constexpr int kQuality = 80;
constexpr int kComponents = 3;
constexpr int kRowBytes = kThumbnailWidth * kComponents;

// libjpeg's own error_exit ends the process. Ours formats the message and jumps back
// to the writer, which abandons this thumbnail and lets the conversion go on.
struct JpegErrorManager {
    jpeg_error_mgr pub;  // first member: libjpeg hands us a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void jumpBackOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings would go to stderr; the engine reports nothing but row codes and the
// fatal-error callback, so they are dropped.
extern "C" void dropMessage(j_common_ptr) {}

// Everything libjpeg touches lives in the caller's frame, so nothing in the function
// that calls setjmp changes between setjmp and a longjmp back into it.
struct Compression {
    jpeg_compress_struct info{};
    JpegErrorManager error{};
};

// Compresses the picture into `file`. Holds no object with a destructor: a longjmp
// out of libjpeg lands here and must not skip any. Returns false after a fatal error
// (its text is in compression.error.message); the compressor is released either way.
bool compress(Compression& compression, std::FILE* file, const std::uint8_t* pixels) {
    jpeg_compress_struct& info = compression.info;
    info.err = jpeg_std_error(&compression.error.pub);
    compression.error.pub.error_exit = jumpBackOnError;
    compression.error.pub.output_message = dropMessage;
    if (setjmp(compression.error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = kThumbnailWidth;
    info.image_height = kThumbnailHeight;
    info.input_components = kComponents;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kQuality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg's API is not const-correct; it only reads the row.
        JSAMPROW row = const_cast<JSAMPROW>(pixels + static_cast<std::size_t>(kRowBytes) * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : path.substr(0, slash);
}

// A short name in the target's folder that no one else uses, so a half-written
// thumbnail never sits under the real name and an existing one survives a failed
// write. Short, so that a target name near the length limit still gets one.
std::string temporaryNameFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    return folder + ".thm-" + std::to_string(getpid()) + "-" + std::to_string(counter.fetch_add(1)) + ".part";
}

// The file the picture is written into, before it gets its name. Preferably one
// without any name (O_TMPFILE): nobody can swap it, and a crash leaves nothing.
// Where the file system has no such files, a new temporary name, created
// exclusively (never through a symlink).
struct PartFile {
    int fd = -1;
    std::string name;  // "" for a file without a name
    ~PartFile() {
        if (fd >= 0) ::close(fd);
    }
};

bool openPart(const std::string& path, PartFile& part) {
    part.fd = ::open(folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (part.fd >= 0) return true;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
    part.name = temporaryNameFor(path);
    part.fd = ::open(part.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (part.fd < 0) part.name.clear();
    return part.fd >= 0;
}

// Gives the finished file the name `to`. Keep never replaces anything there: a
// link to a name fails when the name exists, as a symlink too (RENAME_NOREPLACE
// for a named part, with a hard link where the file system lacks that). Replace
// swaps the new file in by rename, which replaces a symlink itself, never its
// target.
bool publish(PartFile& part, const std::string& to, ExistingThumbnail existing) {
    if (part.name.empty()) {
        const std::string self = "/proc/self/fd/" + std::to_string(part.fd);
        if (existing == ExistingThumbnail::Keep) {
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
            // Without /proc, the descriptor itself (which needs a privilege).
            return errno == ENOENT && ::linkat(part.fd, "", AT_FDCWD, to.c_str(), AT_EMPTY_PATH) == 0;
        }
        const std::string temporary = temporaryNameFor(to);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) != 0) return false;
        if (std::rename(temporary.c_str(), to.c_str()) == 0) return true;
        ::unlink(temporary.c_str());
        return false;
    }
    if (existing == ExistingThumbnail::Replace) return std::rename(part.name.c_str(), to.c_str()) == 0;
    if (::renameat2(AT_FDCWD, part.name.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::link(part.name.c_str(), to.c_str()) != 0) return false;
    ::unlink(part.name.c_str());
    return true;
}

}  // namespace

bool WriteThumbnail(const std::string& path, const std::uint8_t* rgbPixels,
                    const std::function<void(const std::string& message)>& onError, ExistingThumbnail existing) {
    if (path.empty() || !rgbPixels) return false;
    PartFile part;
    if (!openPart(path, part)) return false;  // folder missing, no rights: no thumbnail, no message
    // stdio gets its own descriptor: the part's stays open to give the file its name.
    const int streamFd = ::fcntl(part.fd, F_DUPFD_CLOEXEC, 0);
    std::FILE* file = streamFd >= 0 ? ::fdopen(streamFd, "wb") : nullptr;
    if (!file) {
        if (streamFd >= 0) ::close(streamFd);
        if (!part.name.empty()) ::unlink(part.name.c_str());
        return false;
    }

    Compression compression;
    const bool compressed = compress(compression, file, rgbPixels);
    // fclose flushes what libjpeg left in the stdio buffer; a failure there is a
    // failed write too (the disk filled up at the last moment).
    const bool closed = std::fclose(file) == 0;
    const bool published = compressed && closed && publish(part, path, existing);
    if (!published && !part.name.empty()) ::unlink(part.name.c_str());
    if (!compressed && onError) onError(compression.error.message);
    return published;
}

std::string ThumbnailPathFor(const std::string& outputPath) {
    const std::size_t slash = outputPath.find_last_of('/');
    const std::size_t dot = outputPath.find_last_of('.');
    // A dot inside a folder name is not the extension's: "a.b/clip" -> "a.b/clip.THM".
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? outputPath.substr(0, dot) : outputPath) + ".THM";
}
