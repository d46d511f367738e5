// Writes a fuzzing corpus: one small valid file of every Add-filter container and
// `count` seeded damaged copies of each.  Usage: korbanix_fuzz_corpus <folder> [count]
#include "tests/robustness/Mutator.h"
#include "tests/robustness/SeedMedia.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [damaged copies per container]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    const int count = argc > 2 ? std::atoi(argv[2]) : 8;
    std::filesystem::create_directories(folder);
    for (const robustness::SeedFormat& format : robustness::seedFormats()) {
        const std::string seed = (folder / (std::string("seed.") + format.extension)).string();
        if (!robustness::makeSeed(format, seed, 0.5)) {
            std::fprintf(stderr, "cannot make %s\n", seed.c_str());
            return 1;
        }
        const auto bytes = robustness::readFile(seed);
        for (int i = 0; i < count; ++i) {
            const auto kind = robustness::kAllMutations[std::size_t(i) % std::size(robustness::kAllMutations)];
            const std::string name = std::string(format.extension) + "-" + robustness::mutationName(kind) + "-" +
                                     std::to_string(i + 1) + "." + format.extension;
            if (!robustness::writeFile((folder / name).string(),
                                       robustness::mutate(bytes, kind, std::uint32_t(i + 1)))) {
                std::fprintf(stderr, "cannot write %s\n", name.c_str());
                return 1;
            }
        }
    }
    return 0;
}
