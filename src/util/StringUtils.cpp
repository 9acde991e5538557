#include "util/StringUtils.h"

#include <cstddef>

namespace util {

namespace {

// The 0-based index where a search that was asked to begin at the 1-based
// `start` begins.
std::size_t SearchBegin(int start) { return start < 1 ? 0 : static_cast<std::size_t>(start) - 1; }

}  // namespace

int FindFirstOf(std::u16string_view text, int start, std::u16string_view set, int& setPosition) {
    setPosition = 0;
    if (text.empty() || set.empty()) return 0;
    for (std::size_t i = SearchBegin(start); i < text.size(); ++i) {
        const std::size_t inSet = set.find(text[i]);
        if (inSet != std::u16string_view::npos) {
            setPosition = static_cast<int>(inSet) + 1;
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

int FindFirstOf(std::u16string_view text, int start, std::u16string_view set) {
    int setPosition = 0;
    return FindFirstOf(text, start, set, setPosition);
}

int FindFirstNotOf(std::u16string_view text, int start, std::u16string_view set) {
    if (text.empty()) return 0;
    if (set.empty()) return 1;
    for (std::size_t i = SearchBegin(start); i < text.size(); ++i) {
        if (set.find(text[i]) == std::u16string_view::npos) return static_cast<int>(i) + 1;
    }
    return 0;
}

void RemoveCharacters(std::u16string& text, std::u16string_view set, int start) {
    int position = start;
    for (;;) {
        const int runStart = FindFirstOf(text, position, set);
        if (runStart == 0) return;
        const int runEnd = FindFirstNotOf(text, runStart, set);
        if (runEnd == 0) {
            text.resize(static_cast<std::size_t>(runStart) - 1);
            return;
        }
        text.erase(static_cast<std::size_t>(runStart) - 1,
                   static_cast<std::size_t>(runEnd - runStart));
        // The character now at runStart is not in the set.
        position = runStart + 1;
    }
}

void StripLeadingRepeats(std::u16string& text, std::u16string_view prefix) {
    if (prefix.empty()) return;
    std::size_t removed = 0;
    while (std::u16string_view(text).substr(removed).starts_with(prefix)) removed += prefix.size();
    text.erase(0, removed);
}

}  // namespace util
