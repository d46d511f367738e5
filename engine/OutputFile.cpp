#include "engine/OutputFile.h"

#include "engine/AVConvert.h"
#include "engine/ErrorText.h"
#include "engine/Thumbnail.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace output {

std::function<void(const std::string& path)> afterReserveHook;

namespace {

// Tags worth carrying from source to output: the descriptive ones, not the
// source's encoder or creation facts.
constexpr const char* kCopiedTags[] = {"title", "author", "artist", "copyright", "comment",
                                       "album", "year",   "date",   "track",     "genre"};

constexpr int kIoBufferBytes = 64 * 1024;

void splitName(const std::string& path, std::string& stem, std::string& extension) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        stem = path.substr(0, dot);
        extension = path.substr(dot);
    } else {
        stem = path;
        extension.clear();
    }
}

// The longest name a folder entry may have (NAME_MAX of Linux file systems).
constexpr std::size_t kNameMaxBytes = 255;
// Every output may get a picture beside it under the same stem.
constexpr std::size_t kThumbnailExtensionBytes = 4;  // ".THM"

// stem + suffix + extension, with the stem's last part shortened (never inside a
// UTF-8 letter) so that the output and its ".THM" both fit in a folder entry: a
// source with a 255-byte name still gets an output.
std::string fittedName(const std::string& stem, const std::string& suffix, const std::string& extension) {
    const std::size_t slash = stem.find_last_of('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t tail = suffix.size() + std::max(extension.size(), kThumbnailExtensionBytes);
    std::size_t keep = stem.size() - start;
    if (keep + tail > kNameMaxBytes) {
        keep = tail < kNameMaxBytes ? kNameMaxBytes - tail : 1;
        while (keep > 1 && (static_cast<unsigned char>(stem[start + keep]) & 0xC0) == 0x80) --keep;
    }
    return stem.substr(0, start + keep) + suffix + extension;
}

bool abortSeen() { return AVConvert::abortNow.load(std::memory_order_relaxed); }

bool nameExists(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

enum class Take { Taken, Free, Failed };

// The same file as the descriptor's, still linked under that name.
bool sameFile(int fd, const std::string& path) {
    struct stat opened, named;
    if (fd < 0 || ::fstat(fd, &opened) != 0 || ::lstat(path.c_str(), &named) != 0) return false;
    return opened.st_nlink > 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// Removes the partial file `partial` when its writer is gone (no lock on it): what
// a killed run of ours left. False when it is being written, or is no such file.
bool removeStalePartial(const std::string& partial) {
    int fd = ::open(partial.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    const bool stale = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                       sameFile(fd, partial) && ::unlink(partial.c_str()) == 0;
    ::close(fd);
    return stale;
}

// The name is an empty regular file, reserved by the killed run whose partial was
// just removed: opened again to be ours. -1 when it is anything else.
int reopenLeftReservation(const std::string& candidate) {
    const int fd = ::open(candidate.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// The ".THM" beside a left reservation came after it: the killed row wrote it (a
// row reserves a name only while its ".THM" is free), so it goes with the rest.
void removeLeftThumbnail(int reservationFd, const std::string& candidate) {
    const std::string thumbnail = ThumbnailPathFor(candidate);
    struct stat reserved {}, picture {};
    if (::fstat(reservationFd, &reserved) != 0 || ::lstat(thumbnail.c_str(), &picture) != 0 || !S_ISREG(picture.st_mode))
        return;
    const auto stamp = [](const timespec& t) { return std::pair(t.tv_sec, t.tv_nsec); };
    if (stamp(picture.st_mtim) >= stamp(reserved.st_mtim)) ::unlink(thumbnail.c_str());
}

// Creates the partial file `partial`, locked before it has its name, so no other
// run ever sees it unlocked: made without a name (O_TMPFILE) and linked in, which
// fails when the name exists. Where the file system has no such files, created
// exclusively and locked at once. -1 with errno set when it cannot be made.
int createLockedPartial(const std::string& partial) {
    const std::size_t slash = partial.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : partial.substr(0, slash);
    int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::flock(fd, LOCK_EX | LOCK_NB);
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, partial.c_str(), AT_SYMLINK_FOLLOW) == 0) return fd;
        const int error = errno;
        ::close(fd);
        // Without /proc the exclusive create below does.
        if (error != ENOENT) {
            errno = error;
            return -1;
        }
    } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        return -1;
    }
    fd = ::open(partial.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) ::flock(fd, LOCK_EX | LOCK_NB);
    return fd;
}

// Free (and, with reserve, ours now: fd and the locked partialFd open), taken by
// someone, or not creatable.
Take takeName(const std::string& candidate, bool reserve, bool withThumbnail, int& fd, int& partialFd, int& error) {
    if (!reserve) {
        if (withThumbnail && nameExists(ThumbnailPathFor(candidate))) return Take::Taken;
        return nameExists(candidate) ? Take::Taken : Take::Free;
    }
    // The partial first: a kill between the two leaves no empty name without it.
    const std::string partial = PartialPathFor(candidate);
    bool leftByKilledRun = false;
    for (int attempt = 0; attempt < 3 && partialFd < 0; ++attempt) {
        partialFd = createLockedPartial(partial);
        if (partialFd >= 0) break;
        if (errno != EEXIST) {
            error = AVERROR(errno);
            return Take::Failed;
        }
        if (!removeStalePartial(partial)) return Take::Taken;  // another run writes this name now
        leftByKilledRun = true;
    }
    if (partialFd < 0) return Take::Taken;
    auto giveUp = [&](Take take) {
        ::unlink(partial.c_str());
        closeFd(partialFd);
        closeFd(fd);
        return take;
    };
    if (leftByKilledRun && (fd = reopenLeftReservation(candidate)) >= 0) {
        if (withThumbnail) removeLeftThumbnail(fd, candidate);
        if (!withThumbnail || !nameExists(ThumbnailPathFor(candidate))) return Take::Free;
        // Someone's picture beside it: the name stays taken, and the killed run's
        // empty reservation goes rather than stay behind as a file of nobody's.
        if (sameFile(fd, candidate)) ::unlink(candidate.c_str());
        return giveUp(Take::Taken);
    }
    if (withThumbnail && nameExists(ThumbnailPathFor(candidate))) return giveUp(Take::Taken);
    fd = ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) return Take::Free;
    if (errno == EEXIST) return giveUp(Take::Taken);
    error = AVERROR(errno);
    return giveUp(Take::Failed);
}

// The muxers of the profiles' containers and of the other common one-file
// formats; none of them opens a file by name.
constexpr const char* kSingleFileMuxers[] = {
    "mp4",  "mov",  "3gp",      "3g2",  "psp",  "ipod", "f4v",  "avi",  "asf",  "mpeg", "vob",   "dvd",
    "svcd", "vcd",  "mpegts",   "matroska", "webm", "flv", "nut", "ogg", "oga", "ogv", "opus", "spx",
    "wav",  "w64",  "aiff",     "au",   "caf",  "mp3",  "mp2",  "ac3",  "eac3", "adts", "flac", "amr",
    "mmf",  "voc",  "wv",       "dv",   "rm",
};

// Extensions named in messages (each one checked by the tests to be allowed).
constexpr const char* kSingleFileExtensions = ".mp4, .m4a, .mov, .3gp, .avi, .wmv, .wma, .asf, .mpg, .vob, "
                                              ".ts, .mkv, .mka, .webm, .flv, .ogg, .wav, .aiff, .au, .mp3, "
                                              ".mp2, .ac3, .aac, .flac, .amr, .dv, .rm";

}  // namespace

std::string PartialPathFor(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    constexpr const char* kSuffix = ".korbanix-part";
    if (1 + name.size() + std::strlen(kSuffix) <= kNameMaxBytes) return folder + "." + name + kSuffix;
    // A name near the length limit: its hash keeps the partial's name short and its own.
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016zx", std::hash<std::string>{}(name));
    return folder + "." + name.substr(0, 64) + "~" + hash + kSuffix;
}

bool RemoveLeftPartial(const std::string& path) { return removeStalePartial(PartialPathFor(path)); }

bool IsSingleFileContainer(const AVOutputFormat* format) {
    if (!format || (format->flags & AVFMT_NOFILE)) return false;
    for (const char* name : kSingleFileMuxers)
        if (std::strcmp(format->name, name) == 0) return true;
    return false;
}

bool IsSingleFileExtension(const std::string& extension) {
    // FFmpeg matches a name's extension without regard to case and without
    // trimming: ".mp4 " is no extension of any container.
    const std::string name = "output" + extension;
    return IsSingleFileContainer(av_guess_format(nullptr, name.c_str(), nullptr));
}

std::string SingleFileExtensionList() { return kSingleFileExtensions; }

Reservation::Reservation(Reservation&& other) noexcept
    : m_path(std::move(other.m_path)), m_fd(other.release()), m_error(other.m_error),
      m_partialFd(other.releasePartial()) {}

Reservation& Reservation::operator=(Reservation&& other) noexcept {
    if (this != &other) {
        reset();
        m_path = std::move(other.m_path);
        m_fd = other.release();
        m_error = other.m_error;
        m_partialFd = other.releasePartial();
    }
    return *this;
}

int Reservation::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

int Reservation::releasePartial() {
    const int fd = m_partialFd;
    m_partialFd = -1;
    return fd;
}

void Reservation::reset() {
    if (m_partialFd >= 0 && sameFile(m_partialFd, PartialPathFor(m_path))) ::unlink(PartialPathFor(m_path).c_str());
    closeFd(m_partialFd);
    closeFd(m_fd);
}

Reservation FreeNames::choose(const std::string& path, int& nameCounter, bool reserve, bool withThumbnail) {
    int fd = -1, partialFd = -1, error = 0;
    auto found = [&](const std::string& name) {
        if (fd >= 0 && afterReserveHook) afterReserveHook(name);
        return Reservation(name, fd, error, partialFd);
    };
    nameCounter = -1;
    std::string stem, extension;
    splitName(path, stem, extension);
    const auto remembered = m_next.find(path);
    // A path this run already handed out (or found taken) is not tried again.
    if (remembered == m_next.end()) {
        const std::string first = fittedName(stem, std::string(), extension);
        const Take take = takeName(first, reserve, withThumbnail, fd, partialFd, error);
        if (take == Take::Free) m_next[path] = 0;
        if (take != Take::Taken) return found(first);
    }
    int& next = m_next[path];
    for (;;) {
        nameCounter = next++;
        std::string candidate = fittedName(stem, "(" + std::to_string(nameCounter) + ")", extension);
        const Take take = takeName(candidate, reserve, withThumbnail, fd, partialFd, error);
        if (take != Take::Taken) return found(candidate);
    }
}

std::string chooseFreeName(const std::string& path, int& nameCounter, bool reserve) {
    FreeNames names;
    return names.choose(path, nameCounter, reserve).path();
}

// The muxer's bytes go to the reserved file's descriptor through FFmpeg's I/O
// buffer. Seekable, because mp4 and wav go back to fill in sizes at the end.
struct OutputFile::FdSink {
    explicit FdSink(int descriptor) : fd(descriptor) {}
    ~FdSink() {
        if (io) av_freep(&io->buffer);
        avio_context_free(&io);
        closeFd(fd);
        closeFd(reservedFd);
    }
    FdSink(const FdSink&) = delete;
    FdSink& operator=(const FdSink&) = delete;

    static int writeBytes(void* opaque, std::uint8_t* data, int size) {
        auto* sink = static_cast<FdSink*>(opaque);
        // A second signal ends the writing too: nothing more is finished.
        if (abortSeen()) return sink->fail(AVERROR_EXIT);
        if (sink->counting) {
            sink->position += size;
            sink->end = std::max(sink->end, sink->position);
            return size;
        }
        int left = size;
        while (left > 0) {
            const ssize_t written = ::write(sink->fd, data, static_cast<std::size_t>(left));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return sink->fail(written < 0 ? AVERROR(errno) : AVERROR(EIO));
            data += written;
            left -= static_cast<int>(written);
        }
        return size;
    }
    static std::int64_t seekTo(void* opaque, std::int64_t offset, int whence) {
        auto* sink = static_cast<FdSink*>(opaque);
        if (sink->counting) return sink->seekCounted(offset, whence);
        if (whence == AVSEEK_SIZE) {
            struct stat info;
            return ::fstat(sink->fd, &info) == 0 ? info.st_size : AVERROR(errno);
        }
        const off_t at = ::lseek(sink->fd, static_cast<off_t>(offset), whence & ~AVSEEK_FORCE);
        return at < 0 ? sink->fail(AVERROR(errno)) : at;
    }
    int fail(int averror) {
        if (error == 0) error = averror;
        return averror;
    }
    std::int64_t seekCounted(std::int64_t offset, int whence) {
        whence &= ~AVSEEK_FORCE;
        if (whence == AVSEEK_SIZE) return end;
        const std::int64_t at = whence == SEEK_CUR ? position + offset : whence == SEEK_END ? end + offset : offset;
        if (at < 0) return AVERROR(EINVAL);
        position = at;
        return at;
    }

    int fd = -1;
    int reservedFd = -1;      // the empty file holding the output's name until it is published
    std::string partialPath;  // where fd is linked until then
    bool counting = false;  // no file: the bytes are only counted
    std::int64_t position = 0;
    std::int64_t end = 0;
    int error = 0;
    AVIOContext* io = nullptr;
};

OutputFile::OutputFile() = default;
OutputFile::~OutputFile() {
    // The context writes into the sink: release it first.
    m_context.reset();
    m_sink.reset();
}

bool OutputFile::create(const std::string& path) {
    AVFormatContext* ctx = nullptr;
    if (avformat_alloc_output_context2(&ctx, nullptr, nullptr, path.c_str()) < 0 || !ctx) return false;
    m_context.reset(ctx);
    m_path = path;
    if (!IsSingleFileContainer(ctx->oformat)) {
        m_failedStep = "The output's container writes files of its own beside the output; use another extension";
        m_context.reset();
        return false;
    }
    return true;
}

const char* OutputFile::formatName() const {
    return m_context && m_context->oformat ? m_context->oformat->name : "";
}

bool OutputFile::formatIs(const char* name) const { return std::strcmp(formatName(), name) == 0; }

bool OutputFile::wantsGlobalHeader() const {
    return m_context && (m_context->oformat->flags & AVFMT_GLOBALHEADER);
}

AVStream* OutputFile::addStream() {
    AVStream* stream = avformat_new_stream(m_context.get(), nullptr);
    if (stream) stream->id = static_cast<int>(m_context->nb_streams) - 1;
    return stream;
}

AVStream* OutputFile::addCover(const AVStream& cover) {
    const AVCodecID codec = cover.codecpar->codec_id;
    if (!formatIs("mp3") || (codec != AV_CODEC_ID_MJPEG && codec != AV_CODEC_ID_PNG)) return nullptr;
    AVStream* stream = addStream();
    if (!stream || avcodec_parameters_copy(stream->codecpar, cover.codecpar) < 0) return nullptr;
    stream->codecpar->codec_tag = 0;
    stream->disposition = AV_DISPOSITION_ATTACHED_PIC;
    stream->time_base = cover.time_base;
    av_dict_copy(&stream->metadata, cover.metadata, 0);  // its title and type ("Cover (front)")
    return stream;
}

int OutputFile::writeCover(const AVStream& cover, AVStream* stream) {
    ffmpeg::Packet picture(av_packet_clone(&cover.attached_pic));
    if (!picture) return AVERROR(ENOMEM);
    picture->pts = picture->dts = 0;
    return write(picture.get(), stream->time_base, stream);
}

void OutputFile::copyMetadata(const AVFormatContext* source) {
    for (const char* key : kCopiedTags) {
        const AVDictionaryEntry* tag = av_dict_get(source->metadata, key, nullptr, 0);
        if (tag) av_dict_set(&m_context->metadata, key, tag->value, 0);
    }
}

bool OutputFile::open(Reservation name) {
    AVFormatContext* ctx = m_context.get();
    av_freep(&ctx->url);
    ctx->url = av_strdup(name.path().c_str());
    m_path = name.path();
    m_failedStep = "Cannot create the output";
    if (name.fd() < 0) {
        m_error = name.error() < 0 ? name.error() : AVERROR(EINVAL);
        return false;
    }
    if (name.partialFd() < 0) {
        m_sink = std::make_unique<FdSink>(name.release());
        m_published = true;  // written under its name (a reservation made without a partial file)
        return writeHeader();
    }
    m_sink = std::make_unique<FdSink>(name.releasePartial());
    m_sink->reservedFd = name.release();
    m_sink->partialPath = PartialPathFor(m_path);
    return writeHeader();
}

bool OutputFile::openDiscarding() {
    m_path.clear();
    m_failedStep = "Cannot write the output's header";
    m_sink = std::make_unique<FdSink>(-1);
    m_sink->counting = true;
    return writeHeader();
}

int OutputFile::descriptor() const { return m_sink && !m_sink->counting ? m_sink->fd : -1; }

std::int64_t OutputFile::bytesWritten() const {
    if (!m_sink) return 0;
    if (m_sink->counting) return m_sink->end;
    struct stat info;
    return m_sink->fd >= 0 && ::fstat(m_sink->fd, &info) == 0 ? info.st_size : 0;
}

std::int64_t OutputFile::payloadBytes(const AVStream* stream) const {
    if (!stream || stream->index < 0 || stream->index >= static_cast<int>(m_payload.size())) return 0;
    return m_payload[static_cast<std::size_t>(stream->index)];
}

bool OutputFile::writeHeader() {
    AVFormatContext* ctx = m_context.get();
    if (ctx->nb_streams == 0) {
        m_error = AVERROR_STREAM_NOT_FOUND;
        discard();
        return false;
    }
    m_failedStep = "Cannot write the output's header";
    ctx->interrupt_callback = {[](void*) { return abortSeen() ? 1 : 0; }, nullptr};
    if (!(ctx->oformat->flags & AVFMT_NOFILE)) {
        auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferBytes));
        m_sink->io = buffer ? avio_alloc_context(buffer, kIoBufferBytes, 1, m_sink.get(), nullptr, FdSink::writeBytes,
                                                 FdSink::seekTo)
                            : nullptr;
        if (!m_sink->io) {
            av_free(buffer);
            m_error = AVERROR(ENOMEM);
            discard();
            return false;
        }
        m_sink->io->seekable = AVIO_SEEKABLE_NORMAL;
        ctx->pb = m_sink->io;
        ctx->flags |= AVFMT_FLAG_CUSTOM_IO;  // the pb is ours: the context must not close it
    }
    // A WAV past 4 GiB needs 64-bit sizes: RF64 when (and only when) it gets there.
    AVDictionary* options = nullptr;
    if (formatIs("wav")) av_dict_set(&options, "rf64", "auto", 0);
    const int written = avformat_write_header(ctx, &options);
    av_dict_free(&options);
    if (written < 0) {
        m_error = error() < 0 ? error() : written;
        discard();
        return false;
    }
    m_headerWritten = true;
    m_failedStep = "Cannot write the output";
    return true;
}

int OutputFile::write(AVPacket* pkt, AVRational encoderTimeBase, AVStream* stream) {
    pkt->stream_index = stream->index;
    if (m_payload.size() <= static_cast<std::size_t>(stream->index))
        m_payload.resize(static_cast<std::size_t>(stream->index) + 1, 0);
    const int size = pkt->size;  // the muxer takes the packet
    // The muxer may have changed the stream's time base in write_header (mp4: 1/12800).
    av_packet_rescale_ts(pkt, encoderTimeBase, stream->time_base);
    const int result = av_interleaved_write_frame(m_context.get(), pkt);
    if (result < 0 && m_error == 0) m_error = error() < 0 ? error() : result;
    if (result >= 0) {
        ++m_packets;
        m_payload[static_cast<std::size_t>(stream->index)] += size;
    }
    return result;
}

bool OutputFile::finish() {
    if (!m_headerWritten || m_finished) return false;
    m_finished = true;
    if (m_error == 0) m_failedStep = "Cannot finish the output";
    AVFormatContext* ctx = m_context.get();
    // The trailer's result includes the output's write error: av_write_trailer flushes
    // the output and returns its error when the muxer itself succeeded.
    const int trailer = av_write_trailer(ctx);
    bool ok = trailer >= 0;
    // Network and FUSE file systems may report a failed write only when the file is
    // closed. Our descriptor stays open (discard() and nameLost() need it), so a
    // duplicate is closed instead: that close reports the same error.
    if (ok && m_sink && m_sink->fd >= 0) {
        const int copy = ::dup(m_sink->fd);
        if (copy >= 0 && ::close(copy) != 0) {
            ok = false;
            m_sink->fail(AVERROR(errno));
        }
    }
    if (!ok && m_error == 0) m_error = error() < 0 ? error() : (trailer < 0 ? trailer : AVERROR(EIO));
    return ok && !nameLost() && publish();
}

// The finished partial file takes the reserved name. An exchange swaps the two
// names in one step; the empty file that then has the partial's name must be our
// reservation, or someone put theirs under the output's name meanwhile: swapped
// back, theirs stays. Where the file system cannot exchange, the name is replaced
// after the same test.
bool OutputFile::publish() {
    if (m_published || !m_sink || m_sink->counting) return true;
    const std::string& partial = m_sink->partialPath;
    if (::renameat2(AT_FDCWD, partial.c_str(), AT_FDCWD, m_path.c_str(), RENAME_EXCHANGE) == 0) {
        if (!sameFile(m_sink->reservedFd, partial)) {
            ::renameat2(AT_FDCWD, partial.c_str(), AT_FDCWD, m_path.c_str(), RENAME_EXCHANGE);
            return false;
        }
        ::unlink(partial.c_str());
    } else if (!sameFile(m_sink->reservedFd, m_path) || ::rename(partial.c_str(), m_path.c_str()) != 0) {
        if (m_error == 0) m_error = AVERROR(errno ? errno : EIO);
        return false;
    }
    closeFd(m_sink->reservedFd);
    m_published = true;
    return true;
}

int OutputFile::error() const {
    if (m_error < 0) return m_error;
    return m_sink ? m_sink->error : 0;
}

std::string OutputFile::failureReason() const {
    if (!m_context && *m_failedStep) return m_failedStep;
    if (m_headerWritten && nameLost()) return "The output file was replaced or removed while it was written";
    return error() < 0 ? Reason(m_failedStep, error()) : std::string();
}

bool OutputFile::nameLost() const {
    if (!m_sink || m_sink->counting) return false;
    if (m_published) return !sameFile(m_sink->fd, m_path);
    return !sameFile(m_sink->fd, m_sink->partialPath) || !sameFile(m_sink->reservedFd, m_path);
}

OutputFile::Leftover OutputFile::discard() {
    if (!m_sink || m_sink->fd < 0) return Leftover::None;
    if (!m_published) {
        // The empty reservation goes while it is ours; whatever took its place stays.
        struct stat reserved {};
        const bool reservationLeft = m_sink->reservedFd >= 0 &&
                                     !(sameFile(m_sink->reservedFd, m_path) && ::unlink(m_path.c_str()) == 0) &&
                                     ::fstat(m_sink->reservedFd, &reserved) == 0 && reserved.st_nlink > 0;
        if (sameFile(m_sink->fd, m_sink->partialPath) && ::unlink(m_sink->partialPath.c_str()) == 0)
            return reservationLeft ? Leftover::EmptyFile : Leftover::None;
    } else if (sameFile(m_sink->fd, m_path) && ::unlink(m_path.c_str()) == 0) {
        return Leftover::None;
    }
    // Out of reach by name: what we wrote goes through the descriptor we hold. A
    // file no name links to any more (removed by someone) vanishes with it.
    const bool emptied = ::ftruncate(m_sink->fd, 0) == 0;
    struct stat info {};
    if (::fstat(m_sink->fd, &info) == 0 && info.st_nlink == 0) return Leftover::None;
    return emptied ? Leftover::EmptyFile : Leftover::PartialFile;
}

std::string OutputFile::leftoverNote(Leftover leftover) const {
    switch (leftover) {
    case Leftover::None: return std::string();
    case Leftover::EmptyFile: return "; what was written was removed, but an empty file may remain as " + m_path;
    case Leftover::PartialFile:
        return "; a partial file may remain as " + (m_published || !m_sink ? m_path : m_sink->partialPath);
    }
    return std::string();
}

}  // namespace output
