#include "platform/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The line without a UTF-8 byte-order mark (only the first line can have one).
std::string_view content(const std::string& line) {
    std::string_view view(line);
    if (view.substr(0, kUtf8Bom.size()) == kUtf8Bom) view.remove_prefix(kUtf8Bom.size());
    return view;
}

bool isComment(std::string_view trimmed) {
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// "[Name]" -> "Name"; nullopt for a line that is not a section header.
std::optional<std::string_view> sectionName(const std::string& line) {
    const std::string_view trimmed = trim(content(line));
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    std::string_view name = trimmed.substr(1);
    const size_t close = name.find(']');
    if (close != std::string_view::npos) name = name.substr(0, close);
    return trim(name);
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> entryOf(const std::string& line) {
    const std::string_view text = content(line);
    const std::string_view trimmed = trim(text);
    if (trimmed.empty() || isComment(trimmed) || trimmed.front() == '[') return std::nullopt;
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Entry{trim(text.substr(0, equals)), trim(text.substr(equals + 1))};
}

// A value wrapped in one matching pair of quotes is read without them.
std::string unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

bool fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

std::string errnoText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// Owns a file descriptor; closes it on every path.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int close() {
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

}  // namespace

IniFile IniFile::FromText(std::string_view text) {
    IniFile ini;
    if (text.find("\r\n") != std::string_view::npos) ini.m_eol = "\r\n";
    ini.m_finalEol = text.empty() || text.back() == '\n';
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ini.m_lines.emplace_back(line);
        start = end + 1;
    }
    return ini;
}

IniFile IniFile::Load(const std::filesystem::path& path) { return LoadChecked(path).value_or(IniFile()); }

std::optional<IniFile> IniFile::LoadChecked(const std::filesystem::path& path, std::string* error) {
    // O_NOFOLLOW refuses a link, O_NONBLOCK keeps a FIFO from blocking the open; what
    // was opened is then checked, so nothing can be swapped in between.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) return IniFile();
        if (errno == ELOOP) {
            fail(error, path.string() + " is a symbolic link, not a plain file");
            return std::nullopt;
        }
        fail(error, errnoText(("cannot read " + path.string()).c_str()));
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        fail(error, path.string() + " is not a plain file");
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            fail(error, errnoText(("cannot read " + path.string()).c_str()));
            return std::nullopt;
        }
        if (got == 0) break;
        text.append(buffer, static_cast<size_t>(got));
        if (text.size() > kMaxBytes) {
            fail(error, path.string() + " is larger than " + std::to_string(kMaxBytes / 1024) + " KiB");
            return std::nullopt;
        }
    }
    return FromText(text);
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    const std::string_view wantedSection = trim(section);
    const std::string_view wantedKey = trim(key);
    bool inSection = false;
    for (const std::string& line : m_lines) {
        if (const auto name = sectionName(line)) {
            inSection = equalsNoCase(*name, wantedSection);
            continue;
        }
        if (!inSection) continue;
        const auto entry = entryOf(line);
        if (entry && equalsNoCase(entry->key, wantedKey)) return unquote(entry->value);
    }
    return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view wantedSection = trim(section);
    const std::string_view wantedKey = trim(key);
    size_t sectionLine = m_lines.size();
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i]);
        if (name && equalsNoCase(*name, wantedSection)) {
            sectionLine = i;
            break;
        }
    }
    if (sectionLine == m_lines.size()) {
        m_lines.push_back("[" + std::string(wantedSection) + "]");
        m_lines.push_back(std::string(wantedKey) + "=" + std::string(value));
        m_finalEol = true;
        return;
    }
    size_t lastContent = sectionLine;  // where a new key goes after
    for (size_t i = sectionLine + 1; i < m_lines.size() && !sectionName(m_lines[i]); ++i) {
        if (const auto entry = entryOf(m_lines[i]); entry && equalsNoCase(entry->key, wantedKey)) {
            m_lines[i] = std::string(entry->key) + "=" + std::string(value);
            return;
        }
        if (!trim(m_lines[i]).empty()) lastContent = i;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(lastContent + 1),
                   std::string(wantedKey) + "=" + std::string(value));
    if (lastContent + 2 == m_lines.size()) m_finalEol = true;
}

std::string IniFile::Text() const {
    std::string text;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        text += m_lines[i];
        if (i + 1 < m_lines.size() || m_finalEol) text += m_eol;
    }
    return text;
}

std::function<bool(const std::filesystem::path&)>& IniFile::BeforeRenameHook() {
    static std::function<bool(const std::filesystem::path&)> hook;
    return hook;
}

bool IniFile::Save(const std::filesystem::path& path, std::string* error) const {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    fs::create_directories(folder, ec);
    if (ec) return fail(error, "cannot create folder " + folder.string() + ": " + ec.message());
    if (fs::is_directory(path, ec)) return fail(error, path.string() + " is a folder");

    // The temporary file lives beside the target so the rename stays on one file system.
    std::string tempName = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    Fd fd(::mkstemp(tempName.data()));
    if (fd.get() < 0) return fail(error, errnoText("cannot create temporary file"));
    const fs::path temp(tempName);
    auto abandon = [&](const std::string& message) {
        fd.close();
        fs::remove(temp, ec);
        return fail(error, message);
    };

    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fchmod(fd.get(), mode) != 0) return abandon(errnoText("cannot set permissions"));
    if (!writeAll(fd.get(), Text())) return abandon(errnoText("cannot write"));
    if (::fsync(fd.get()) != 0) return abandon(errnoText("cannot flush"));
    if (fd.close() != 0) return abandon(errnoText("cannot close"));
    if (const auto& hook = BeforeRenameHook(); hook && !hook(temp)) return abandon("interrupted before rename");
    if (::rename(temp.c_str(), path.c_str()) != 0) return abandon(errnoText("cannot replace file"));

    // Make the rename itself durable.
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.get() >= 0) ::fsync(dir.get());
    return true;
}

std::string IniFile::ReadString(const std::filesystem::path& path, std::string_view section,
                                std::string_view key, std::string_view fallback, std::string* error) {
    const std::optional<IniFile> ini = LoadChecked(path, error);
    if (!ini) return std::string(fallback);
    return ini->Get(section, key).value_or(std::string(fallback));
}

bool IniFile::WriteString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key, std::string_view value, std::string* error) {
    // A line break would split the entry and corrupt the file; '=' or ']' in a
    // name would make it unreadable.
    if (value.find_first_of("\r\n") != std::string_view::npos)
        return fail(error, "value holds a line break");
    if (key.find_first_of("=\r\n") != std::string_view::npos || trim(key).empty())
        return fail(error, "invalid key name");
    if (section.find_first_of("]\r\n") != std::string_view::npos)
        return fail(error, "invalid section name");
    // A file that cannot be read whole is not replaced by one holding only this key.
    std::optional<IniFile> ini = LoadChecked(path, error);
    if (!ini) return false;
    ini->Set(section, key, value);
    return ini->Save(path, error);
}
