#pragma once
// The output side of a row: the muxer chosen from the file name, its streams, the
// free-name rule and the header/packet/trailer steps. Worker thread only.
//
// Life: create() picks the container; the caller adds streams and opens encoders;
// FreeNames::choose() takes a free name by creating an empty file exclusively;
// open() writes the header through that file's descriptor; write() takes packets
// in their encoder's time base; finish() drains nothing (the caller drains its
// encoders first) and writes the trailer. The name is never opened again after it
// was reserved, so a name swapped for a symlink cannot redirect the output.

#include "engine/FfmpegPtr.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace output {

// The hidden file beside `path` that an output's bytes go into until the output is
// finished: a run killed mid-file never leaves a broken file under the output's name,
// and the next run knows the empty name it reserved for its own (see FreeNames).
std::string PartialPathFor(const std::string& path);

// Removes the partial file beside `path` when no writer holds it: what a run killed
// as it gave a finished output its name left. True when one was removed.
bool RemoveLeftPartial(const std::string& path);

// A name taken for an output: the path, and the descriptor of the empty file
// created there (-1 when only checked, or when the name could not be taken); with
// it, the locked hidden file beside it that the output is written into.
class Reservation {
public:
    Reservation() = default;
    Reservation(std::string path, int fd, int error, int partialFd = -1)
        : m_path(std::move(path)), m_fd(fd), m_error(error), m_partialFd(partialFd) {}
    ~Reservation() { reset(); }
    Reservation(Reservation&& other) noexcept;
    Reservation& operator=(Reservation&& other) noexcept;
    Reservation(const Reservation&) = delete;
    Reservation& operator=(const Reservation&) = delete;

    const std::string& path() const { return m_path; }
    int fd() const { return m_fd; }
    // AVERROR of the exclusive create that failed (0 when none failed).
    int error() const { return m_error; }
    int release();  // hands the descriptor over
    int partialFd() const { return m_partialFd; }
    int releasePartial();  // hands the partial file's descriptor (and its lock) over
    // Closes the descriptors; a partial file not handed over is removed.
    void reset();

private:
    std::string m_path;
    int m_fd = -1;
    int m_error = 0;
    int m_partialFd = -1;
};

// The free-name rule: path itself when no file of that name exists, otherwise
// stem + "(n)" + extension for n = 0, 1, … until a name is free. The extension
// starts at the last "." of the file name (a name without one keeps its whole name
// as the stem). With withThumbnail, a name is free only when its ".THM" is free
// too, so a video never lands beside another video's picture. With reserve set,
// the name is taken by creating an empty file exclusively (never following a
// symlink), so a file that appears between the test and the write is never
// overwritten; a failure other than "exists" ends the search with its error.
// The hidden partial file beside the name is created (and locked) first; a name
// that is an empty file with an unlocked partial beside it is what a killed run
// of ours left: its partial is removed and the name taken again, with the ".THM"
// that run wrote after reserving it.
//
// One object serves one run of a worker and remembers, per wanted path, the next
// "(n)" to try: names it handed out stay taken, so 9,999 rows of one name cost one
// try each instead of a search from "(0)" every time.
class FreeNames {
public:
    // nameCounter gets the last n tried (-1: the path itself was taken).
    Reservation choose(const std::string& path, int& nameCounter, bool reserve, bool withThumbnail = false);

private:
    std::unordered_map<std::string, int> m_next;
};

// One search without memory (see FreeNames). The reserved file, if any, stays
// behind empty; the descriptor is closed.
std::string chooseFreeName(const std::string& path, int& nameCounter, bool reserve);

// Test seam: called with the path right after a name was reserved, before any
// byte is written (tests swap a symlink in here). Unset in the program.
extern std::function<void(const std::string& path)> afterReserveHook;

// Containers written as one file through the descriptor a row reserves. Muxers
// that open files of their own (AVFMT_NOFILE: playlists and segments, picture
// series, tee) would write past the reservation, over whatever has the names they
// choose, so only the muxers listed here are used, whatever the extension.
bool IsSingleFileContainer(const AVOutputFormat* format);
// The container `extension` (".mp4") selects is one of them.
bool IsSingleFileExtension(const std::string& extension);
// ".mp4, .mkv, ..." for messages.
std::string SingleFileExtensionList();

class OutputFile {
public:
    OutputFile();
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False when no container matches the name, or the container writes files
    // of its own (see IsSingleFileContainer); failureReason() then says which.
    bool create(const std::string& path);
    bool created() const { return m_context != nullptr; }
    AVFormatContext* context() const { return m_context.get(); }
    const char* formatName() const;
    bool formatIs(const char* name) const;
    // The container wants codec headers once, outside the packets (mp4, flv, …).
    bool wantsGlobalHeader() const;

    AVStream* addStream();
    // Copies the source's descriptive tags (title, artist, …).
    void copyMetadata(const AVFormatContext* source);
    // Adds the source's cover picture (an attached picture stream) as the output's,
    // where the container holds one: MP3's ID3 picture, JPEG or PNG. nullptr when
    // it does not. Before open().
    AVStream* addCover(const AVStream& cover);
    // Writes the cover's picture into the stream addCover made. After open().
    int writeCover(const AVStream& cover, AVStream* stream);

    // Writes the header into the reservation's partial file, through its descriptor;
    // finish() gives it the reserved name. On failure the empty file we reserved is
    // removed again (error() says why).
    bool open(Reservation name);
    // Writes the header into nothing: the muxer works as for a file (seeks
    // included), but its bytes are only counted. A first pass's output.
    bool openDiscarding();
    bool headerWritten() const { return m_headerWritten; }
    // The descriptor of the file written (-1 before open, or when only counting).
    int descriptor() const;
    // The size the output has reached (of the counted bytes, for openDiscarding).
    std::int64_t bytesWritten() const;

    // Rescales pkt from encoderTimeBase into the stream's and hands it to the
    // interleaving muxer, which takes the packet's data. Negative: write failed.
    int write(AVPacket* pkt, AVRational encoderTimeBase, AVStream* stream);
    // Packets handed to the muxer without an error so far.
    long packetCount() const { return m_packets; }
    // Payload of the packets written into `stream` so far.
    std::int64_t payloadBytes(const AVStream* stream) const;

    // Trailer and flush, then the partial file takes the reserved name (only while
    // that name is still the empty file we reserved). True when all went through
    // without an I/O error and the output's name names the file written. Does
    // nothing (returns false) when no header was written. Safe to call twice.
    bool finish();

    // The first error of the output: an AVERROR (I/O errors as AVERROR(errno)),
    // 0 when none was seen.
    int error() const;
    // Why the output failed, in words for the row's reason ("" when nothing failed).
    std::string failureReason() const;
    // The name no longer names the file written (someone replaced or removed it).
    bool nameLost() const;
    // What a discarded output may leave behind.
    enum class Leftover { None, EmptyFile, PartialFile };
    // Removes the output, but only while its name still names the file written:
    // whatever someone put there instead is theirs. When the name no longer leads
    // to it (its volume was removed, someone renamed it) its bytes are cut away
    // through the descriptor still held, which leaves an empty file wherever it is
    // now; when even that fails, a partial file. Says which.
    Leftover discard();
    // Words for the row's reason about what discard() left ("" for nothing).
    std::string leftoverNote(Leftover leftover) const;

private:
    bool writeHeader();
    bool publish();
    struct FdSink;
    std::unique_ptr<FdSink> m_sink;   // released after the context that writes into it
    ffmpeg::OutputContext m_context;
    std::string m_path;
    int m_error = 0;
    long m_packets = 0;
    std::vector<std::int64_t> m_payload;  // per stream index
    const char* m_failedStep = "";  // what was being done when m_error came
    bool m_headerWritten = false;
    bool m_finished = false;
    bool m_published = false;  // the partial file has the output's name
};

}  // namespace output
