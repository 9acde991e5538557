// The program-text library on any file: the input is written to a temporary
// file, loaded with lt() and read back with gt().
//
// An oracle of this file reads the format as txtbank.h describes it and says
// what lt() returns and which texts a successful load holds. gt() then gives
// exactly those texts, from any start and into any size, cut only where a
// UTF-8 sequence begins; it never writes past `size` (canaries follow the
// buffer). For one input in 16 that loads, every number -32768 .. 32767 is
// asked, and as many hold a text as lt() counted.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "txtbank.h"

namespace {

constexpr std::size_t kMaxText = 1024;

// The file the inputs are written to, made once and removed at exit.
const std::string& TextFilePath() {
    static const std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        std::string pattern =
            std::string(folder != nullptr ? folder : "/tmp") + "/primorator-fuzz-txtbank-XXXXXX";
        const int fd = mkstemp(pattern.data());
        if (fd < 0) {
            std::perror("mkstemp");
            std::abort();
        }
        close(fd);
        return pattern;
    }();
    static const bool removeAtExit = [] {
        std::atexit([] { std::remove(TextFilePath().c_str()); });
        return true;
    }();
    (void)removeAtExit;
    return path;
}

void WriteTextFile(const uint8_t* bytes, size_t size) {
    std::FILE* file = std::fopen(TextFilePath().c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror("writing the text file");
        std::abort();
    }
}

struct Load {
    int32_t result = 0;
    std::map<int16_t, std::string> texts;
};

bool IsBlankLine(std::string_view line) {
    for (char c : line) {
        if (c != ' ' && c != '\t' && c != '\r') return false;
    }
    return true;
}

bool ReadNumber(std::string_view text, int16_t& number) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return false;
    long value = 0;  // leading zeros allowed: 0007 is 7
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = std::min(value * 10 + (c - '0'), 1000000L);
    }
    if (negative) value = -value;
    if (value < -32768 || value > 32767) return false;
    number = static_cast<int16_t>(value);
    return true;
}

std::string Unescaped(std::string_view raw) {
    std::string text;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size() && (raw[i + 1] == 'n' || raw[i + 1] == '\\')) {
            text += raw[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            text += raw[i];
        }
    }
    return text;
}

// What lt() gives for a file of these bytes, by the header's description.
Load ExpectedLoad(std::string_view contents) {
    Load load;
    if (contents.empty()) return {-6, {}};
    if (contents.starts_with("\xEF\xBB\xBF")) contents.remove_prefix(3);
    int line = 0;
    std::size_t at = 0;
    while (at < contents.size()) {
        std::size_t end = contents.find('\n', at);
        if (end == std::string_view::npos) end = contents.size();
        std::string_view current = contents.substr(at, end - at);
        at = end + 1;
        if (++line > 500) return {-3, {}};
        if (!current.empty() && current.back() == '\r') current.remove_suffix(1);
        if (IsBlankLine(current) || current.front() == '#') continue;
        const std::size_t tab = current.find('\t');
        int16_t number = 0;
        if (tab == std::string_view::npos || !ReadNumber(current.substr(0, tab), number)) {
            return {-(500 + line), {}};
        }
        const std::string_view raw = current.substr(tab + 1);
        if (raw.empty() || raw.find('\0') != std::string_view::npos) return {-(500 + line), {}};
        std::string text = Unescaped(raw);
        if (text.size() > kMaxText) return {-(1000 + line), {}};
        if (load.texts.contains(number)) return {-(1500 + line), {}};
        load.texts.emplace(number, std::move(text));
    }
    load.result = static_cast<int32_t>(load.texts.size());
    return load;
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if (!IsContinuationByte(text[i + k])) return false;
        }
        i += length;
    }
    return true;
}

// gt() into a buffer of `size` bytes followed by canaries; checks the canaries
// and the contract, returns the bytes written.
std::string Lookup(int16_t number, int32_t size, int32_t start, const std::string* text) {
    constexpr std::size_t kGuard = 32;
    constexpr char kCanary = '\x5C';
    const std::string where = "gt(" + std::to_string(number) + ", size " + std::to_string(size) +
                              ", start " + std::to_string(start) + ")";
    std::vector<char> memory(static_cast<std::size_t>(size) + kGuard, kCanary);
    const int32_t written = gt(number, 0, memory.data(), size, start);
    for (std::size_t i = static_cast<std::size_t>(size); i < memory.size(); ++i) {
        FUZZ_CHECK(memory[i] == kCanary, where + ": wrote past the buffer");
    }
    FUZZ_CHECK(written >= 0 && written <= size, where + ": returned " + std::to_string(written));
    // A NUL ends a text that was written (nothing at all is written for none).
    if (written > 0 && written < size) {
        FUZZ_CHECK(memory[written] == '\0', where + ": no NUL after the text");
    }
    const std::string got(memory.data(), static_cast<std::size_t>(written));
    if (text == nullptr) {
        FUZZ_CHECK(written == 0, where + ": a text for a number the file does not hold");
        return got;
    }
    const std::size_t offset = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
    const std::string rest = offset < text->size() ? text->substr(offset) : std::string();
    FUZZ_CHECK(rest.starts_with(got), where + ": not the text from its start");
    if (got.size() < rest.size()) {
        FUZZ_CHECK(got.size() + 3 >= static_cast<std::size_t>(size), where + ": cut too short");
        if (IsValidUtf8(rest)) {
            FUZZ_CHECK(!IsContinuationByte(rest[got.size()]), where + ": splits a UTF-8 sequence");
        }
    } else {
        FUZZ_CHECK(got.size() <= static_cast<std::size_t>(size), where + ": longer than size");
    }
    return got;
}

uint32_t Hash(const uint8_t* bytes, size_t size) {
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < size; ++i) h = (h ^ bytes[i]) * 16777619u;
    return h;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    WriteTextFile(bytes, size);
    const std::string_view contents(reinterpret_cast<const char*>(bytes), size);
    const Load expected = ExpectedLoad(contents);
    const int32_t result = lt(TextFilePath().c_str(), 0);
    FUZZ_CHECK(result == expected.result, "lt() = " + std::to_string(result) + ", expected " +
                                              std::to_string(expected.result));

    const uint32_t hash = Hash(bytes, size);
    for (const auto& [number, text] : expected.texts) {
        FUZZ_CHECK(Lookup(number, kMaxText + 1, 1, &text) == text,
                   "gt(" + std::to_string(number) + ") is not the whole text");
        const int32_t smallSize = static_cast<int32_t>(1 + (hash + number) % 8);
        const int32_t start = static_cast<int32_t>((hash >> 8) % (text.size() + 3)) - 1;
        Lookup(number, smallSize, start, &text);
        Lookup(number, static_cast<int32_t>(1 + (hash >> 16) % 1100), 1, &text);
    }
    // Numbers the file does not hold, and after a failed load, none at all.
    for (int16_t number : {int16_t{0}, int16_t{1}, int16_t{310}, int16_t{-1}, int16_t{32767},
                           int16_t{-32768}, static_cast<int16_t>(hash)}) {
        const auto entry = expected.texts.find(number);
        Lookup(number, 16, 1, entry == expected.texts.end() ? nullptr : &entry->second);
    }
    if (result >= 1 && hash % 16 == 0) {
        // Four bytes: a cut backs up at most three, so every text gives one.
        char cell[4];
        int32_t held = 0;
        for (int32_t number = -32768; number <= 32767; ++number) {
            held += gt(static_cast<int16_t>(number), 0, cell, 4, 1) > 0 ? 1 : 0;
        }
        FUZZ_CHECK(held == result, std::to_string(held) + " numbers hold a text, lt() counted " +
                                       std::to_string(result));
    }
    return 0;
}
