#include "tests/robustness/Mutator.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace robustness {
namespace {

std::uint32_t readBe32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return (std::uint32_t(d[at]) << 24) | (std::uint32_t(d[at + 1]) << 16) | (std::uint32_t(d[at + 2]) << 8) |
           d[at + 3];
}

void writeBe32(std::vector<std::uint8_t>& d, std::size_t at, std::uint32_t v) {
    d[at] = std::uint8_t(v >> 24);
    d[at + 1] = std::uint8_t(v >> 16);
    d[at + 2] = std::uint8_t(v >> 8);
    d[at + 3] = std::uint8_t(v);
}

void bitFlips(std::vector<std::uint8_t>& d, Random& r, std::string& note) {
    const std::size_t flips = 1 + r.below(8);
    for (std::size_t i = 0; i < flips && !d.empty(); ++i) {
        const std::size_t at = r.below(d.size());
        d[at] ^= std::uint8_t(1u << r.below(8));
        note += " flip@" + std::to_string(at);
    }
}

void truncate(std::vector<std::uint8_t>& d, Random& r, std::string& note) {
    // Favour short files: the headers are where parsers trip.
    const std::size_t limit = r.below(2) ? std::min<std::size_t>(d.size(), 4096) : d.size();
    const std::size_t keep = r.below(limit);
    d.resize(keep);
    note += " keep=" + std::to_string(keep);
}

void zeroHeader(std::vector<std::uint8_t>& d, Random& r, std::string& note) {
    const std::size_t from = r.below(2) ? 0 : r.below(std::min<std::size_t>(d.size(), 64));
    const std::size_t length = 4 + r.below(1024);
    const std::size_t to = std::min(d.size(), from + length);
    std::fill(d.begin() + std::ptrdiff_t(std::min(from, d.size())), d.begin() + std::ptrdiff_t(to), 0);
    note += " zero[" + std::to_string(from) + "," + std::to_string(to) + ")";
}

void swapBlocks(std::vector<std::uint8_t>& d, Random& r, std::string& note) {
    if (d.size() < 64) return;
    const std::size_t length = 16 + r.below(std::min<std::size_t>(d.size() / 4, 2048));
    const std::size_t a = r.below(d.size() / 2 - length);  // a + length <= size / 2 <= b
    const std::size_t b = d.size() / 2 + r.below(d.size() / 2 - length);
    std::swap_ranges(d.begin() + std::ptrdiff_t(a), d.begin() + std::ptrdiff_t(a + length),
                     d.begin() + std::ptrdiff_t(b));
    note += " swap " + std::to_string(a) + "<->" + std::to_string(b) + " len " + std::to_string(length);
}

void swapChunks(std::vector<std::uint8_t>& d, Random& r, std::string& note) {
    const auto boxes = topLevelBoxes(d);
    if (boxes.size() < 2) return swapBlocks(d, r, note);
    std::size_t i = r.below(boxes.size()), j = r.below(boxes.size() - 1);
    if (j >= i) ++j;
    if (i > j) std::swap(i, j);
    // Rebuild: everything before box i, box j, between, box i, after box j.
    const auto [ai, si] = boxes[i];
    const auto [aj, sj] = boxes[j];
    std::vector<std::uint8_t> out(d.begin(), d.begin() + std::ptrdiff_t(ai));
    out.insert(out.end(), d.begin() + std::ptrdiff_t(aj), d.begin() + std::ptrdiff_t(aj + sj));
    out.insert(out.end(), d.begin() + std::ptrdiff_t(ai + si), d.begin() + std::ptrdiff_t(aj));
    out.insert(out.end(), d.begin() + std::ptrdiff_t(ai), d.begin() + std::ptrdiff_t(ai + si));
    out.insert(out.end(), d.begin() + std::ptrdiff_t(aj + sj), d.end());
    d.swap(out);
    note += " boxes " + std::to_string(i) + "<->" + std::to_string(j);
}

void badSizes(std::vector<std::uint8_t>& d, Random& r, std::string& note) {
    static constexpr std::uint32_t kValues[] = {0, 1, 7, 8, 0x7fffffff, 0x80000000, 0xffffffff, 0x00ffffff};
    const std::uint32_t value = kValues[r.below(std::size(kValues))];
    const auto boxes = topLevelBoxes(d);
    std::size_t at;
    if (!boxes.empty() && r.below(2)) {
        at = boxes[r.below(boxes.size())].first;
    } else if (d.size() >= 8) {
        // Length fields of most containers sit near the start of their headers.
        at = r.below(std::min<std::size_t>(d.size(), 4096) - 4);
    } else {
        return;
    }
    writeBe32(d, at, value);
    note += " size@" + std::to_string(at) + "=" + std::to_string(value);
}

void zeroRun(std::vector<std::uint8_t>& d, Random& r, std::string& note) {
    if (d.size() < 16) return;
    const std::size_t length = 1 + r.below(std::min<std::size_t>(d.size() / 2, 4096));
    const std::size_t at = r.below(d.size() - length);
    std::fill(d.begin() + std::ptrdiff_t(at), d.begin() + std::ptrdiff_t(at + length), 0);
    note += " zeros@" + std::to_string(at) + " len " + std::to_string(length);
}

void repeat(std::vector<std::uint8_t>& d, Random& r, std::string& note) {
    if (d.size() < 64) return;
    const std::size_t length = 8 + r.below(std::min<std::size_t>(d.size() / 4, 4096));
    const std::size_t from = r.below(d.size() - 2 * length);
    const std::size_t to = from + length + r.below(d.size() - from - 2 * length + 1);
    std::copy(d.begin() + std::ptrdiff_t(from), d.begin() + std::ptrdiff_t(from + length),
              d.begin() + std::ptrdiff_t(to));
    note += " copy " + std::to_string(from) + "->" + std::to_string(to) + " len " + std::to_string(length);
}

}  // namespace

const char* mutationName(Mutation kind) {
    static constexpr const char* kNames[] = {"BitFlips", "Truncate", "ZeroHeader", "SwapChunks",
                                             "BadSizes", "ZeroRun",  "Repeat"};
    const auto index = static_cast<std::size_t>(kind);
    return index < std::size(kNames) ? kNames[index] : "?";
}

std::uint64_t Random::next() {
    std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::size_t Random::below(std::size_t bound) {
    return bound == 0 ? 0 : std::size_t(next() % bound);
}

std::vector<std::pair<std::size_t, std::size_t>> topLevelBoxes(const std::vector<std::uint8_t>& d) {
    std::vector<std::pair<std::size_t, std::size_t>> boxes;
    std::size_t at = 0;
    while (at + 8 <= d.size()) {
        std::uint64_t size = readBe32(d, at);
        if (size == 1 && at + 16 <= d.size()) {
            size = (std::uint64_t(readBe32(d, at + 8)) << 32) | readBe32(d, at + 12);
        } else if (size == 0) {
            size = d.size() - at;
        }
        for (std::size_t k = 4; k < 8; ++k)
            if (d[at + k] < 0x20 || d[at + k] > 0x7e) return {};  // not a box type: not an ISO file
        if (size < 8 || size > d.size() - at) return {};
        boxes.emplace_back(at, std::size_t(size));
        at += std::size_t(size);
    }
    return at == d.size() ? boxes : decltype(boxes){};
}

std::vector<std::uint8_t> mutate(const std::vector<std::uint8_t>& original, Mutation kind, std::uint32_t seed,
                                 std::string* note) {
    std::vector<std::uint8_t> d = original;
    // Mix the kind into the seed so seed 1 of two kinds are unrelated.
    Random r((std::uint64_t(seed) << 8) ^ (std::uint64_t(kind) + 1) * 0x2545F4914F6CDD1DULL);
    std::string text = std::string(mutationName(kind)) + " seed " + std::to_string(seed) + ":";
    switch (kind) {
        case Mutation::BitFlips:
            bitFlips(d, r, text);
            break;
        case Mutation::Truncate:
            truncate(d, r, text);
            break;
        case Mutation::ZeroHeader:
            zeroHeader(d, r, text);
            break;
        case Mutation::SwapChunks:
            swapChunks(d, r, text);
            break;
        case Mutation::BadSizes:
            badSizes(d, r, text);
            break;
        case Mutation::ZeroRun:
            zeroRun(d, r, text);
            break;
        case Mutation::Repeat:
            repeat(d, r, text);
            break;
    }
    if (note) *note = text;
    return d;
}

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    return bool(out.flush());
}

}  // namespace robustness
