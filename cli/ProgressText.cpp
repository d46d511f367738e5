#include "cli/ProgressText.h"

#include "engine/TimeLeft.h"

#include <algorithm>

namespace cli {

namespace {

constexpr int kBarCells = 20;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Characters as the terminal counts them (UTF-8 code points, not bytes).
int CharacterCount(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

// Keeps the last `keep` characters of text behind "...", never splitting a character.
std::string ShortenFront(const std::string& text, int keep) {
    if (CharacterCount(text) <= keep) return text;
    if (keep <= 3) return std::string(std::max(keep, 0), '.');
    int wanted = keep - 3;
    std::size_t start = text.size();
    while (start > 0 && wanted > 0) {
        --start;
        if (!IsContinuationByte(text[start])) --wanted;
    }
    std::string shortened("...");
    shortened.append(text, start);
    return shortened;
}

std::string PercentText(int percent) {
    if (percent < 0) return "  -%";
    std::string digits = std::to_string(std::min(percent, 100));
    return std::string(3 - std::min<std::size_t>(digits.size(), 3), ' ') + digits + "%";
}

std::string DoneText(const ProgressSnapshot& s) {
    return std::to_string(s.filesDone) + " of " + std::to_string(s.fileCount) + (s.fileCount == 1 ? " file" : " files") +
           " done";
}

}  // namespace

std::string FormatProgressBar(const ProgressSnapshot& s, int columns) {
    int percent = std::clamp(s.percent, 0, 100);
    int filled = percent * kBarCells / 100;
    // Built by appending: GCC 12 warns falsely (-Wrestrict) about "literal" + string.
    std::string bar(1, '[');
    bar.append(filled, '#').append(kBarCells - filled, '-').append("] ").append(PercentText(s.percent));
    std::string done = DoneText(s);
    if (!s.timeLeft.empty()) {
        const std::string withTime = done + "  " + s.timeLeft;
        if (CharacterCount(bar) + 2 + CharacterCount(withTime) <= columns - 1) done = withTime;
    }
    int room = columns - 1 - CharacterCount(bar) - CharacterCount(done) - 4;
    std::string line = bar + "  ";
    if (room > 0 && !s.fileName.empty()) line += ShortenFront(s.fileName, room) + "  ";
    line += done;
    if (CharacterCount(line) > columns - 1) line = bar;
    return line;
}

std::string FormatProgressLine(const ProgressSnapshot& s) {
    std::string percent = s.percent < 0 ? "-" : std::to_string(std::min(s.percent, 100));
    std::string line = s.fileName + ": " + percent + "% (" + DoneText(s);
    if (!s.timeLeft.empty()) line += ", " + s.timeLeft;
    return line + ")";
}

std::string TimeLeftText(const std::optional<double>& run, const std::optional<double>& file) {
    if (!run) return std::string();
    std::string text = FormatDuration(*run) + " left";
    if (file) text += " (" + FormatDuration(*file) + " this file)";
    return text;
}

std::string FileNameOf(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace cli

namespace cli {

std::string EscapeName(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(name.size());
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\t': escaped += "\\t"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                escaped += "\\x";
                escaped += kHex[byte >> 4];
                escaped += kHex[byte & 0xF];
            } else {
                escaped += c;  // bytes of 0x80 and up pass: names in UTF-8 (or not) stay readable
            }
        }
    }
    return escaped;
}

}  // namespace cli
