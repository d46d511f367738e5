// Fuzz entry for the media probe: the input bytes become a file that ProbeMedia
// measures. Built as a libFuzzer target with clang (-DKORBANIX_FUZZ=ON), and as a
// plain program that replays a corpus everywhere else (replay_main.cpp).

#include "engine/AVConvert.h"
#include "engine/ProbeMedia.h"

extern "C" {
#include <libavutil/log.h>
}

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

// One scratch file per process, rewritten for every input; removed at exit.
class ScratchFile {
public:
    ScratchFile() {
        const char* folder = std::getenv("TMPDIR");
        m_path = std::string(folder && *folder ? folder : "/tmp") + "/korbanix-fuzz-XXXXXX";
        m_fd = mkstemp(m_path.data());
        if (m_fd < 0) std::abort();  // nothing can be fuzzed without it
        close(m_fd);
    }
    ~ScratchFile() { unlink(m_path.c_str()); }
    // Written and closed for every input: a file still open for writing is one the
    // probe turns down as "still growing", which would leave nothing to fuzz.
    const std::string& write(const std::uint8_t* data, std::size_t size) {
        const int fd = open(m_path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        const bool written = fd >= 0 && ::write(fd, data, size) == static_cast<ssize_t>(size);
        if (fd >= 0) close(fd);
        if (!written) std::abort();
        return m_path;
    }

private:
    std::string m_path;
    int m_fd = -1;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScratchFile scratch;
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_QUIET);  // damaged input makes FFmpeg talk a lot
        return true;
    }();
    (void)quiet;
    AVConvert job;
    job.probePath = scratch.write(data, size);
    const int result = ProbeMedia(job);
    // Every answer is one of the documented codes; anything else is a finding.
    if (result != 0 && result != -1 && result != -2 && result != -4 && result != -5 && result != kProbePictureTooLarge &&
        result != kProbeStillGrowing)
        std::abort();
    (void)ProbeAccepted(result, job);
    return 0;
}
