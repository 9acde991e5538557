// Reading the program-text file. The file is read whole (it is small; the
// size cap keeps a wrong path such as a device from being read forever) and
// then parsed line by line. Line-numbered error codes only work for lines
// 1..500 (above that -(500+L) would read as "too long at line L-500"), so a
// file has at most 500 lines.
#include "TextFile.h"

#include <array>
#include <cstdio>
#include <memory>

namespace txtbank {

namespace {

constexpr int32_t kTooMuchText = -3;
constexpr int32_t MissingText(int line) { return -(500 + line); }
constexpr int32_t TextTooLong(int line) { return -(1000 + line); }
constexpr int32_t DuplicateNumber(int line) { return -(1500 + line); }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// A decimal integer in the 16-bit range, optionally negative.
bool ParseTextNumber(std::string_view text, int16_t& number) {
    text = TrimBlanks(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return false;
    int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > 32768) return false;  // keeps the sum small; 32768 only when negative
    }
    if (negative) value = -value;
    if (value > 32767) return false;
    number = static_cast<int16_t>(value);
    return true;
}

// Replaces \n and \\ in `raw`. Returns false as soon as the result would
// exceed kMaxTextBytes.
bool Unescape(std::string_view raw, std::string& text) {
    text.clear();
    text.reserve(raw.size() < kMaxTextBytes ? raw.size() : kMaxTextBytes);
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (c == '\\' && i + 1 < raw.size() && (raw[i + 1] == 'n' || raw[i + 1] == '\\')) {
            c = raw[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        }
        if (text.size() == kMaxTextBytes) return false;
        text.push_back(c);
    }
    return true;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

int32_t ParseTextFile(std::string_view contents, TextTable& table) {
    table.clear();
    if (contents.starts_with(kByteOrderMark)) contents.remove_prefix(kByteOrderMark.size());
    std::string text;
    int line = 0;
    while (!contents.empty()) {
        const std::size_t end = contents.find('\n');
        std::string_view current = contents.substr(0, end);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
        if (++line > kMaxLines) return kTooMuchText;
        if (current.ends_with('\r')) current.remove_suffix(1);
        if (IsBlankLine(current) || current.front() == '#') continue;

        const std::size_t tab = current.find('\t');
        int16_t number = 0;
        if (tab == std::string_view::npos || !ParseTextNumber(current.substr(0, tab), number)) {
            return MissingText(line);
        }
        const std::string_view raw = current.substr(tab + 1);
        if (raw.empty() || raw.find('\0') != std::string_view::npos) return MissingText(line);
        if (!Unescape(raw, text)) return TextTooLong(line);
        if (table.contains(number)) return DuplicateNumber(line);
        table.emplace(number, text);
    }
    return static_cast<int32_t>(table.size());
}

int32_t ReadTextFile(const char* path, std::string& contents) {
    contents.clear();
    if (path == nullptr) return -1;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) return -1;
    std::array<char, 65536> chunk;
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        if (got > 0) {
            if (contents.size() + got > kMaxFileBytes) return kTooMuchText;
            contents.append(chunk.data(), got);
        }
        if (got < chunk.size()) break;
    }
    if (std::ferror(file.get())) return -7;
    return contents.empty() ? -6 : 0;
}

}  // namespace txtbank
