// The C face of the program-text library: every call takes the lock on the
// loaded tables, and no exception leaves it.
#include "txtbank.h"

#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <string>

#include "TextFile.h"

namespace {

std::mutex g_lock;
std::map<int16_t, txtbank::TextTable> g_languages;

// The number of bytes of `text` from `offset` that fit in `size` without
// splitting a UTF-8 sequence.
std::size_t FittingLength(const std::string& text, std::size_t offset, std::size_t size) {
    std::size_t length = text.size() - offset;
    if (length <= size) return length;
    length = size;
    // A continuation byte (10xxxxxx) at the cut belongs to a sequence begun before it.
    for (int back = 0; back < 3 && length > 0; ++back) {
        if ((static_cast<unsigned char>(text[offset + length]) & 0xC0) != 0x80) break;
        --length;
    }
    return length;
}

}  // namespace

extern "C" {

int32_t lt(const char* path, int16_t language) {
    try {
        std::lock_guard<std::mutex> guard(g_lock);
        txtbank::TextTable& table = g_languages[language];
        table.clear();
        std::string contents;
        try {
            const int32_t read = txtbank::ReadTextFile(path, contents);
            if (read != 0) return read;
        } catch (const std::bad_alloc&) {
            return -8;
        }
        try {
            const int32_t parsed = txtbank::ParseTextFile(contents, table);
            if (parsed < 1) table.clear();
            return parsed;
        } catch (const std::bad_alloc&) {
            table.clear();
            return -2;
        }
    } catch (...) {
        return -4;
    }
}

int32_t gt(int16_t number, int16_t language, char* buffer, int32_t size, int32_t start) {
    if (buffer == nullptr || size < 1) return -1;
    // Whatever follows, a caller that reads up to the NUL finds an empty text
    // where nothing is copied.
    buffer[0] = '\0';
    try {
        std::lock_guard<std::mutex> guard(g_lock);
        const auto languageEntry = g_languages.find(language);
        if (languageEntry == g_languages.end()) return 0;
        const auto textEntry = languageEntry->second.find(number);
        if (textEntry == languageEntry->second.end()) return 0;
        const std::string& text = textEntry->second;
        const std::size_t offset = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
        if (offset >= text.size()) return 0;
        const std::size_t length = FittingLength(text, offset, static_cast<std::size_t>(size));
        std::memcpy(buffer, text.data() + offset, length);
        if (length < static_cast<std::size_t>(size)) buffer[length] = '\0';
        return static_cast<int32_t>(length);
    } catch (...) {
        return -1;
    }
}

}  // extern "C"
