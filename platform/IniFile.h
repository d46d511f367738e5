#pragma once
// Reader and writer for Windows initialisation files ("[Section]" / "key=value").
// Compatible with files written on Windows and with what the Windows profile
// functions do:
// - section and key names match without regard to case; blanks around names and
//   values are ignored; a value wrapped in matching quotes is read without them;
// - values are verbatim otherwise: backslashes are never escapes;
// - lines starting with ';' or '#' are comments, and every line the writer does
//   not change (other sections, other keys, comments, blank lines) is kept as is,
//   with the file's own line endings (CRLF stays CRLF);
// - a new key goes after the last entry of its section; a new section goes at the
//   end of the file.
// Writing is atomic: the new text goes to a temporary file in the same folder,
// is flushed to disk, then renamed over the old file, so a crash or a full disk
// leaves either the old file or the new one, never a half-written one. The
// folder is created when it does not exist.
//
// Only a regular file is read or replaced: a symbolic link, a FIFO or a device of
// that name is refused (a FIFO would block for ever, /dev/zero would never end),
// and so is a file larger than kMaxBytes (an output folder needs a few hundred).
//
// Text is UTF-8. No locking: one writer at a time (the UI thread).

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniFile {
public:
    static constexpr std::size_t kMaxBytes = 1 << 20;

    IniFile() = default;

    // Parses text already in memory.
    static IniFile FromText(std::string_view text);

    // Loads `path`. A missing or unreadable file gives an empty document.
    static IniFile Load(const std::filesystem::path& path);

    // Loads `path` when it is a regular file of at most kMaxBytes; a missing file
    // gives an empty document. nullopt when the entry is refused or cannot be read;
    // `error` then says why. Never blocks on what the name leads to.
    static std::optional<IniFile> LoadChecked(const std::filesystem::path& path, std::string* error = nullptr);

    // Value of `key` in `section`, or nullopt when either is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Sets `key` in `section` (both created when missing), keeping the spelling of
    // an existing key name.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole document as text.
    std::string Text() const;

    // Writes the document to `path` atomically. Returns false (and leaves any old
    // file untouched, no temporary file behind) when anything fails; `error`
    // then says why.
    bool Save(const std::filesystem::path& path, std::string* error = nullptr) const;

    // ---- The profile-function pair the windows use ----

    // Reads `key` of `section` from the file at `path`; `fallback` when the file,
    // the section or the key is missing, or the file is refused (`error` says why).
    static std::string ReadString(const std::filesystem::path& path, std::string_view section,
                                  std::string_view key, std::string_view fallback = {},
                                  std::string* error = nullptr);

    // Reads, changes one key and writes back atomically. Returns false on failure,
    // and for a refused file, which is left as it is.
    static bool WriteString(const std::filesystem::path& path, std::string_view section,
                            std::string_view key, std::string_view value,
                            std::string* error = nullptr);

    // Test hook: called after the temporary file is complete and before the rename.
    // Returning false aborts the save as if the disk had failed at that moment.
    static std::function<bool(const std::filesystem::path& tempFile)>& BeforeRenameHook();

private:
    std::vector<std::string> m_lines;  // without line endings
    std::string m_eol = "\n";
    bool m_finalEol = true;
};
