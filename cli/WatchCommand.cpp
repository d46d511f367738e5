// korbanix-cli watch: a folder others drop files into (a download folder, a share),
// converted as files arrive. Each file is converted by RunConvert as if given to
// convert alone, once it is complete: its writer closed it (inotify's
// IN_CLOSE_WRITE, or IN_MOVED_TO for a file moved in whole), or its size and
// time stayed the same for kSettle (a writer inotify cannot see: a network share).
#include "cli/CliCommands.h"
#include "cli/ProgressText.h"
#include "engine/FolderListing.h"
#include "engine/Thumbnail.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <system_error>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kSettle = std::chrono::seconds(3);
// A file written again after its writer closed it (a copy in parts, each closing
// the file) may be closed again: it is complete only once still for this long.
constexpr auto kReopenedSettle = std::chrono::seconds(8);
constexpr auto kTick = std::chrono::milliseconds(200);
constexpr const char* kStateName = ".korbanix-watch";
constexpr int kAttempts = 2;  // a file that fails is tried once more, then left

// What the watch converted (or gave up on), kept in the output folder: a record
// per file, its kind ('D' converted, 'F' failed twice) and the source's name,
// ended by a NUL byte (a name may hold any other byte). After it an 'O' record:
// the source's stamp as it was converted, and for a converted file the stamps of
// the output (and its thumbnail) this watch wrote and the output's name, so a
// later conversion of a changed source replaces that output, and only while it is
// as the watch left it. Appended and flushed per file, so a watch killed at any
// moment keeps what it finished.
class WatchState {
public:
    // What the watch wrote for a source.
    struct Written {
        std::string sourceStamp;     // the source as it was converted
        std::string outputStamp;     // "" when no output was written
        std::string thumbnailStamp;  // "" when no thumbnail was written
        std::string output;
    };

    explicit WatchState(std::string path) : m_path(std::move(path)) {
        const Descriptor fd(openState(O_RDONLY));
        if (fd.get() < 0) return;
        std::string data;
        char buffer[65536];
        for (ssize_t n; (n = ::read(fd.get(), buffer, sizeof buffer)) > 0;) data.append(buffer, static_cast<std::size_t>(n));
        std::istringstream in(data);
        std::string record;
        std::string last;
        while (std::getline(in, record, '\0')) {
            if (record.size() <= 1) continue;
            if (record[0] == 'O') {
                if (!last.empty()) m_written[last] = ParseWritten(record.substr(1));
                continue;
            }
            last = record.substr(1);
            if (record[0] == 'P') m_known.erase(last);  // a stop cut it short: converted again
            else m_known.insert(last);
            m_written.erase(last);
        }
    }
    bool known(const std::string& source) const { return m_known.count(source) != 0; }
    // A file this watch converted that has changed since (a copy that closed the
    // file between its parts): it is to be converted again.
    bool changedSince(const std::string& source) const {
        const auto written = m_written.find(source);
        return written != m_written.end() && written->second.sourceStamp != StampOf(source);
    }
    // The size and change time of a file, "" when it cannot be read.
    static std::string StampOf(const std::string& path) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) return std::string();
        return std::to_string(info.st_size) + ":" + std::to_string(info.st_mtim.tv_sec) + "." +
               std::to_string(info.st_mtim.tv_nsec);
    }
    // Removes the output (and thumbnail) this watch wrote for `source` before, when
    // it is still as the watch left it: its new conversion takes the name again
    // instead of leaving the old one beside it. Anything changed since is someone's.
    void dropEarlierOutput(const std::string& source) {
        const auto written = m_written.find(source);
        if (written == m_written.end() || written->second.output.empty()) return;
        const Written& w = written->second;
        struct stat info {};
        if (::lstat(w.output.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || StampOf(w.output) != w.outputStamp)
            return;
        const std::string thumbnail = ThumbnailPathFor(w.output);
        if (!w.thumbnailStamp.empty() && StampOf(thumbnail) == w.thumbnailStamp) ::unlink(thumbnail.c_str());
        ::unlink(w.output.c_str());
    }
    // `kind`: 'D' converted, 'F' failed for the last time, 'P' stopped (its shorter
    // output is replaced by the next conversion, after a restart too).
    bool remember(char kind, const std::string& source, const std::string& sourceStamp, const std::string& output) {
        if (kind != 'P') m_known.insert(source);
        Written written{sourceStamp.empty() ? "-" : sourceStamp, StampOf(output), std::string(), output};
        if (written.outputStamp.empty()) written.output.clear();
        else written.thumbnailStamp = StampOf(ThumbnailPathFor(output));
        m_written[source] = written;
        if (m_foreign) return false;
        const Descriptor fd(openState(O_WRONLY | O_APPEND | O_CREAT));
        if (fd.get() < 0) return false;
        std::string record(1, kind);
        record += source;
        record += '\0';
        record += 'O' + written.sourceStamp + ' ' + OrDash(written.outputStamp) + ' ' + OrDash(written.thumbnailStamp) +
                  ' ' + written.output;
        record += '\0';
        return ::write(fd.get(), record.data(), record.size()) == static_cast<ssize_t>(record.size());
    }
    // The state's name holds no regular file of ours (a link, a FIFO, a folder):
    // it is neither read nor written, and what is converted is kept only in memory.
    bool foreign() const { return m_foreign; }
    const std::string& path() const { return m_path; }

private:
    struct Descriptor {
        explicit Descriptor(int fd) : m_fd(fd) {}
        ~Descriptor() {
            if (m_fd >= 0) ::close(m_fd);
        }
        Descriptor(const Descriptor&) = delete;
        Descriptor& operator=(const Descriptor&) = delete;
        int get() const { return m_fd; }
        int m_fd;
    };

    static std::string OrDash(const std::string& stamp) { return stamp.empty() ? "-" : stamp; }

    // "sourceStamp outputStamp thumbnailStamp output", "-" for a stamp not taken.
    static Written ParseWritten(const std::string& text) {
        Written written;
        std::string* fields[] = {&written.sourceStamp, &written.outputStamp, &written.thumbnailStamp};
        std::size_t at = 0;
        for (std::string* field : fields) {
            const std::size_t space = text.find(' ', at);
            if (space == std::string::npos) return Written{};
            *field = text.substr(at, space - at);
            if (*field == "-" && field != &written.sourceStamp) field->clear();
            at = space + 1;
        }
        written.output = text.substr(at);
        return written;
    }

    // Never through a link (another user's file), never blocking on a FIFO.
    int openState(int flags) {
        const int fd = ::open(m_path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        struct stat info {};
        if (fd < 0) {
            if (errno == ELOOP || errno == ENXIO || errno == EISDIR) m_foreign = true;
            return -1;
        }
        if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            m_foreign = true;
            ::close(fd);
            return -1;
        }
        return fd;
    }

    std::string m_path;
    std::set<std::string> m_known;
    std::map<std::string, Written> m_written;  // by source
    bool m_foreign = false;
};

struct Candidate {
    off_t size = -1;
    std::int64_t changed = 0;  // modification time, nanoseconds
    Clock::time_point still;   // when size and time were last seen to change
    bool closed = false;       // its writer closed it
    bool reopened = false;     // written again after it was closed: the close is no end
    int attempts = 0;
    Clock::time_point notBefore;
};

// inotify over the folder and (recursively) the visible folders below it; links
// are not followed, as the lister does not follow them.
class FolderEvents {
public:
    FolderEvents() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~FolderEvents() {
        if (m_fd >= 0) close(m_fd);
    }
    FolderEvents(const FolderEvents&) = delete;
    FolderEvents& operator=(const FolderEvents&) = delete;
    bool ok() const { return m_fd >= 0; }

    // Watches `folder`, and with `recursive` every visible folder below it.
    void add(const std::string& folder, bool recursive) {
        const int wd = inotify_add_watch(m_fd, folder.c_str(),
                                         IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE | IN_MODIFY | IN_ONLYDIR |
                                             IN_DONT_FOLLOW);
        if (wd < 0) return;
        m_folders[wd] = folder;
        if (!recursive) return;
        std::error_code ec;
        for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (!name.empty() && name[0] != '.' && it->is_directory(ec) && !it->is_symlink(ec))
                add(it->path().string(), true);
        }
    }

    struct Event {
        std::string path;
        bool folder = false;
        bool closed = false;  // written and closed, or moved in whole
    };
    std::vector<Event> take() {
        std::vector<Event> events;
        alignas(inotify_event) char buffer[16384];
        for (;;) {
            const ssize_t got = read(m_fd, buffer, sizeof buffer);
            if (got <= 0) return events;
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                const auto folder = m_folders.find(event->wd);
                if (folder == m_folders.end() || event->len == 0 || event->name[0] == '.') continue;
                events.push_back(Event{folder->second + "/" + event->name, (event->mask & IN_ISDIR) != 0,
                                       (event->mask & (IN_CLOSE_WRITE | IN_MOVED_TO)) != 0});
            }
        }
    }

private:
    int m_fd;
    std::map<int, std::string> m_folders;
};

// An exclusive lock on the output folder, held while the watch runs. A file system
// without locks (some network shares) runs the watch unlocked.
class OutputLock {
public:
    explicit OutputLock(const std::string& folder)
        : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) m_taken = errno == EWOULDBLOCK;
    }
    ~OutputLock() {
        if (m_fd >= 0) ::close(m_fd);
    }
    OutputLock(const OutputLock&) = delete;
    OutputLock& operator=(const OutputLock&) = delete;
    // Another process holds it.
    bool taken() const { return m_taken; }

private:
    int m_fd;
    bool m_taken = false;
};

bool Below(const std::filesystem::path& inner, const std::filesystem::path& outer) {
    auto o = outer.begin();
    auto i = inner.begin();
    for (; o != outer.end(); ++o, ++i)
        if (i == inner.end() || *i != *o) return false;
    return true;
}

class Watch {
public:
    Watch(const CommandLine& command, CliEnvironment& env, std::string folder, const std::string& output)
        : m_env(env), m_folder(std::move(folder)), m_state(output + "/" + kStateName) {
        m_request = command.convert;
        m_request.outputFolder = output;
        m_request.treeRoot = m_folder;
    }

    int run() {
        FolderEvents events;
        if (!events.ok()) {
            *m_env.err << "korbanix-cli: the folder cannot be watched (inotify is not available).\n";
            return kExitFailed;
        }
        if (m_state.foreign())
            *m_env.err << "korbanix-cli: " << EscapeName(m_state.path())
                       << " is no regular file; what this watch converts is not kept for the next start.\n";
        // Watched before the first look, so nothing written in between is missed.
        events.add(m_folder, m_request.recursive);
        addFolder(m_folder);
        for (;;) {
            if (const int signal = m_env.stopSource->wait(kTick); signal != 0) return kExitOk;
            for (const FolderEvents::Event& event : events.take()) {
                if (event.folder) {
                    if (!m_request.recursive) continue;
                    events.add(event.path, true);
                    addFolder(event.path);
                } else if (folders::HasMediaExtension(event.path) &&
                           (!m_state.known(event.path) || m_state.changedSince(event.path))) {
                    const bool fresh = m_candidates.count(event.path) == 0;
                    Candidate& candidate = m_candidates[event.path];
                    if (fresh && m_state.known(event.path)) candidate.reopened = true;  // converted, then written again
                    if (event.closed) {
                        candidate.closed = true;
                    } else if (candidate.closed) {
                        candidate.closed = false;
                        candidate.reopened = true;
                    }
                    candidate.still = Clock::now();
                }
            }
            if (const int status = convertReady(); status != 0) return status;
        }
    }

private:
    // The media files already in a folder (at the start, or a folder moved in).
    void addFolder(const std::string& folder) {
        folders::ListOptions options;
        options.recursive = m_request.recursive;
        folders::ListMediaFiles(folder, options, [this](folders::ListedFile&& file) {
            // A file converted before a stop and changed since is converted again too.
            const bool changed = m_state.known(file.path) && m_state.changedSince(file.path);
            if (!m_state.known(file.path) || changed)
                m_candidates.try_emplace(file.path, Candidate{-1, 0, Clock::now(), false, changed, 0, Clock::time_point()});
            return true;
        });
    }

    // A candidate is complete once closed, or still for kSettle. False while it is not.
    bool complete(const std::string& path, Candidate& candidate, Clock::time_point now) {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0) return false;
        const std::int64_t changed = info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
        if (info.st_size != candidate.size || changed != candidate.changed) {
            candidate.size = info.st_size;
            candidate.changed = changed;
            candidate.still = now;
        }
        if (now < candidate.notBefore) return false;
        if (candidate.reopened) return now - candidate.still >= kReopenedSettle;
        return candidate.closed || now - candidate.still >= kSettle;
    }

    // Converts the complete candidates; returns 0, or the status that ends the watch.
    int convertReady() {
        const auto now = Clock::now();
        for (auto it = m_candidates.begin(); it != m_candidates.end();) {
            struct stat info {};
            if (stat(it->first.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {  // gone again
                it = m_candidates.erase(it);
                continue;
            }
            if (!complete(it->first, it->second, now)) {
                ++it;
                continue;
            }
            const int status = convert(it->first, it->second);
            if (status >= 128) return status;
            it = status == 0 ? m_candidates.erase(it) : std::next(it);
        }
        return 0;
    }

    // 0 when the file is done with (converted, or failed for the last time), 1 when
    // it is to be tried again, 128 + a signal when a stop came meanwhile.
    int convert(const std::string& path, Candidate& candidate) {
        CommandLine one;
        one.kind = CommandKind::Convert;
        one.files = {path};
        one.convert = m_request;
        one.convert.nullSeparated = true;  // names as they are, to know the output; printed as asked below
        one.convert.resultLineOnly = true;  // a file waited for, or tried again, says nothing yet
        std::ostringstream lines;
        CliEnvironment env = m_env;
        env.out = &lines;
        const std::string before = WatchState::StampOf(path);
        // The output an earlier state of this source left makes way for the new one.
        m_state.dropEarlierOutput(path);
        const int status = RunConvert(one, env);
        const ResultRecord result = ResultRecord::Parse(lines.str());
        const bool completed = result.status == "Completed";
        if (status < 128 && WatchState::StampOf(path) != before) {
            // It was still being written: converted again once it has been still. What
            // was written of it is no output of any whole file: the next one replaces it.
            if (completed) m_state.remember('P', path, before, result.third);
            candidate.closed = false;
            candidate.reopened = true;
            candidate.notBefore = Clock::now() + kSettle;
            return 1;
        }
        // A file its writer still holds open is no failure: it is waited for,
        // without a word, until it is converted or really fails.
        if (status < 128 && result.status == "Failure" && result.third == kStillGrowingReason) {
            candidate.closed = false;
            candidate.notBefore = Clock::now() + kSettle;
            return 1;
        }
        const bool done = completed || result.status == "Skipped";
        if (status >= 128 || done || ++candidate.attempts >= kAttempts) {
            print(result);
            if (status >= 128) {
                if (result.status == "Stopped") m_state.remember('P', path, before, result.third);
                return status;
            }
            m_state.remember(done ? 'D' : 'F', path, before, completed ? result.third : std::string());
            return 0;
        }
        // Maybe it was not whole yet after all: once more when it has been still again.
        candidate.closed = false;
        candidate.notBefore = Clock::now() + kSettle;
        return 1;
    }

    // One result record of RunConvert with --null: status, source, output or reason.
    struct ResultRecord {
        std::string status, source, third;
        std::string text;  // the record as it came
        static ResultRecord Parse(const std::string& text) {
            ResultRecord record;
            record.text = text;
            std::string* fields[] = {&record.status, &record.source, &record.third};
            std::size_t at = 0;
            for (std::string* field : fields) {
                const std::size_t end = text.find('\0', at);
                if (end == std::string::npos) break;
                *field = text.substr(at, end - at);
                at = end + 1;
            }
            return record;
        }
    };

    // The record as convert prints it: with --null as it came, else one line of
    // fields joined by TAB with names escaped.
    void print(const ResultRecord& result) {
        if (m_request.nullSeparated) *m_env.out << result.text;
        else if (!result.status.empty())
            *m_env.out << result.status << '\t' << EscapeName(result.source) << '\t' << EscapeName(result.third) << '\n';
        m_env.out->flush();
    }

    CliEnvironment& m_env;
    std::string m_folder;
    ConvertRequest m_request;
    WatchState m_state;
    // By name, in the order a person reads them (episode 2 before episode 10), as
    // convert takes a folder's files.
    struct NaturalOrder {
        bool operator()(const std::string& a, const std::string& b) const { return folders::NaturalCompare(a, b) < 0; }
    };
    std::map<std::string, Candidate, NaturalOrder> m_candidates;
};

}  // namespace

int RunWatch(const CommandLine& command, CliEnvironment& env) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string folder = command.files.front();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (!folders::IsFolder(folder)) {
        *env.err << "korbanix-cli: watch wants a folder, and \"" << folder << "\" is none.\n";
        return kExitUsage;
    }
    // Both by their whole names: what the state file keeps must name the same files
    // when the watch is started again from another folder.
    folder = fs::absolute(folder, ec).lexically_normal().string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    std::string output = fs::absolute(command.convert.outputFolder.value_or("."), ec).lexically_normal().string();
    while (output.size() > 1 && output.back() == '/') output.pop_back();
    // Refused before it is made: a refused command line leaves nothing behind.
    if (Below(fs::weakly_canonical(output, ec), fs::canonical(folder, ec))) {
        *env.err << "korbanix-cli: the output folder must not lie in the folder watched.\n";
        return kExitUsage;
    }
    fs::create_directories(output, ec);
    if (!folders::IsFolder(output)) {
        *env.err << "korbanix-cli: the output folder \"" << output << "\" cannot be made.\n";
        return kExitUsage;
    }
    // Said now, not as a Failure line per file after each has waited its turn.
    if (::access(output.c_str(), W_OK | X_OK) != 0) {
        *env.err << "korbanix-cli: nothing can be written into the output folder \"" << output
                 << "\": " << std::strerror(errno) << ".\n";
        return kExitUsage;
    }
    // Outputs written into the watched tree would be converted in their turn.
    if (Below(fs::canonical(output, ec), fs::canonical(folder, ec))) {
        *env.err << "korbanix-cli: the output folder must not lie in the folder watched.\n";
        return kExitUsage;
    }
    // One watch per output folder: two would convert every file twice, each into
    // its own name. The lock is the folder's own (flock), so the refusal makes
    // nothing, and it goes with the process however that ends.
    const OutputLock lock(output);
    if (lock.taken()) {
        *env.err << "korbanix-cli: another watch is converting into \"" << output
                 << "\"; only one watch can write into an output folder.\n";
        return kExitUsage;
    }
    env.stopSource->arm();
    Watch watch(command, env, folder, output);
    return watch.run();
}

}  // namespace cli
