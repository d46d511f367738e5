#pragma once
// Resuming a batch: recognising the output an earlier run wrote for a row, so the
// row is not converted again.
//
// An output counts only when it is complete, and that is measured, not guessed
// from its name: its packets are read to the end, and the time they cover must be
// the row's expected length. A file a stop cut short (finished properly but
// shorter), one a crash left without its index, or with blocks never written
// (zeros or holes where packets should be: checked over the whole of a small file,
// at places spread over a large one) is not complete; the row is then
// converted again as any row is (under a free name beside it).
//
// It counts only as what the row asks for: the video codec and picture size and
// the sound's codec the row's settings make (or keep, copying), probed, so a PS3
// output of the name is no PSP output.
//
// Which file is the row's: the free-name rule gave the earlier run's outputs the
// wanted name or "name(n)" (two sources of one name, flat in one folder: "01.mp4"
// and "01(0).mp4"). The candidates are those names, in that order. An output
// carries its source's mark (see SourceMark) where the file system keeps it, and
// goes only to a row of that source; each complete one goes to the first row (in
// row order) that wants it and has its length: one run's rows, given in the same
// order, find their outputs again.
//
// Worker threads, under the job's rowMutex and in the name turn (EarlierOutputs
// keeps what this run gave out).

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace done {

// How much the time an output covers may differ from the expected length: a frame
// or an audio block of padding at either end, and the rounding of the output's
// frame grid. A stop cut short by more is a shortened output.
constexpr double kToleranceSeconds = 0.3;

// Seconds from the first packet to the end of the last, reading the file to its
// end (from a little before the end where the file can seek). nullopt when it
// cannot be opened or read to its end, or holds no packet.
std::optional<double> PlayedSeconds(const std::string& path);

// `path` plays to its end and covers `expectedSeconds` (within the tolerance).
bool IsComplete(const std::string& path, double expectedSeconds);

// The names the free-name rule may have given an output wanted as `wanted`:
// `wanted`, then "stem(0).ext", "stem(1).ext", ... as long as such a file (or its
// ".THM") exists.
std::vector<std::string> EarlierNames(const std::string& wanted);

// A source's mark: its size and a hash of its first and last bytes, the same
// wherever the file is moved or mounted. "" when it cannot be read.
std::string SourceMark(const std::string& sourcePath);
// Marks the output open at `fd` as made from the source of `mark` (an extended
// attribute; silently nothing where the file system has none).
void MarkOutput(int fd, const std::string& mark);
// The mark an output carries ("" for none).
std::string OutputMark(const std::string& path);

// A picture an output of the row may have: its codec (AVCodecID) and size.
struct VideoShape {
    int codec = 0;
    int width = 0;
    int height = 0;
};

// What the row's output is, when complete.
struct Wanted {
    double seconds = 0.0;
    std::string sourceMark;         // "" : any source
    std::vector<VideoShape> video;  // one of these; empty: no video
    std::vector<int> audio;         // one of these codecs; empty: no sound
};

// `path` holds the streams `wanted` describes (its first video and sound).
bool HasShape(const std::string& path, const Wanted& wanted);

class EarlierOutputs {
public:
    // The first complete earlier output for a row wanting `wanted` as `what`, not
    // given to a row before; it is given to this one. nullopt when there is none.
    std::optional<std::string> claim(const std::string& wanted, const Wanted& what);
    // The output claim would give now, without giving it: a row whose turn has not
    // come learns whether an earlier output may be its own.
    std::optional<std::string> find(const std::string& wanted, const Wanted& what) const;
    // A name this run writes itself: never an earlier output.
    void exclude(const std::string& path) { m_claimed.insert(path); }

private:
    std::set<std::string> m_claimed;
};

}  // namespace done
