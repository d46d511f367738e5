#pragma once
// Seeded damage for small valid media files. The same (kind, seed, input) always
// gives the same bytes on every machine: the generator is our own SplitMix64,
// not a standard distribution whose output may differ between library versions.
// A failing case is reproduced from the container, the kind and the seed alone.

#include <cstdint>
#include <string>
#include <vector>

namespace robustness {

enum class Mutation {
    BitFlips,      // a handful of single-bit flips anywhere
    Truncate,      // the file cut at a random length
    ZeroHeader,    // the first bytes (up to 1 KiB) zeroed
    SwapChunks,    // two top-level boxes swapped (ISO files), else two equal blocks
    BadSizes,      // a box or length field set to a huge or tiny value
    ZeroRun,       // a run of zeros in the middle (a lost disk block)
    Repeat,        // a stretch copied over a later one (duplicated packets)
};

inline constexpr Mutation kAllMutations[] = {Mutation::BitFlips,  Mutation::Truncate, Mutation::ZeroHeader,
                                             Mutation::SwapChunks, Mutation::BadSizes, Mutation::ZeroRun,
                                             Mutation::Repeat};

const char* mutationName(Mutation kind);

// Small deterministic generator (SplitMix64).
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    // Uniform enough in [0, bound) for bound > 0 (0 when bound is 0).
    std::size_t below(std::size_t bound);

private:
    std::uint64_t m_state;
};

// The damaged copy of `original`. `note` (optional) receives what was done, for
// the failure message.
std::vector<std::uint8_t> mutate(const std::vector<std::uint8_t>& original, Mutation kind, std::uint32_t seed,
                                 std::string* note = nullptr);

// Top-level ISO base media boxes (offset, size) when the file parses as one
// (mp4, mov, 3gp, m4a); empty otherwise.
std::vector<std::pair<std::size_t, std::size_t>> topLevelBoxes(const std::vector<std::uint8_t>& data);

std::vector<std::uint8_t> readFile(const std::string& path);
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& data);

}  // namespace robustness
