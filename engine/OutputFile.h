#pragma once
// The output side of a row: the muxer chosen from the file name, its streams, the
// free-name rule and the header/packet/trailer steps. Worker thread only.
//
// Life: create() picks the container; the caller adds streams and opens encoders;
// open() writes the header into a file whose name was reserved by chooseFreeName;
// write() takes packets in their encoder's time base; finish() drains nothing (the
// caller drains its encoders first), writes the trailer and closes the file.

#include "engine/FfmpegPtr.h"

#include <string>

namespace output {

// The free-name rule: path itself when no file of that name exists, otherwise
// stem + "(n)" + extension for n = nameCounter + 1, … until a name is free (the
// first try is "(0)"). The extension starts at the last "." of the file name (a
// name without one keeps its whole name as the stem). With reserve set, the name
// is taken by creating an empty file exclusively, so a file that appears between
// the test and the write is never overwritten. nameCounter holds the last n tried.
std::string chooseFreeName(const std::string& path, int& nameCounter, bool reserve);

class OutputFile {
public:
    // False when no container matches the name.
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

    // Opens the file at path (already reserved) and writes the header. On failure
    // the empty file we reserved is removed again.
    bool open(const std::string& path);
    bool headerWritten() const { return m_headerWritten; }

    // Rescales pkt from encoderTimeBase into the stream's and hands it to the
    // interleaving muxer, which takes the packet's data. Negative: write failed.
    int write(AVPacket* pkt, AVRational encoderTimeBase, AVStream* stream);

    // Trailer and close. True when both went through without an I/O error.
    // Does nothing (returns false) when no header was written. Safe to call twice.
    bool finish();

private:
    ffmpeg::OutputContext m_context;
    std::string m_path;
    bool m_headerWritten = false;
    bool m_finished = false;
};

}  // namespace output
