#include "format/NumberText.h"

#include <array>
#include <charconv>

namespace format {

namespace {

// Room for the decimal form of any 64-bit integer.
using DigitBuffer = std::array<char, 24>;

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view DecimalDigits(int64_t n, DigitBuffer& digits) {
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    return std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

}  // namespace

int AppendGrouped(std::string& out, std::string_view digits, Separator separator) {
    const std::size_t before = out.size();
    // A separator never follows the minus.
    if (digits.starts_with('-')) {
        out.push_back('-');
        digits.remove_prefix(1);
    }
    const auto mark = static_cast<char>(SeparatorCode(separator));
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (mark != 0 && i != 0 && (digits.size() - i) % 3 == 0) out.push_back(mark);
        out.push_back(digits[i]);
    }
    return static_cast<int>(out.size() - before);
}

std::string FormatWithSeparator(std::string_view digits, Separator separator) {
    std::string result;
    AppendGrouped(result, TrimBlanks(digits), separator);
    return result;
}

std::string FormatNumber(int64_t n, Separator separator) {
    DigitBuffer digits;
    std::string result;
    AppendGrouped(result, DecimalDigits(n, digits), separator);
    return result;
}

int AppendNumber(std::string& out, int32_t n, Separator separator) {
    std::array<char, kNumberRoom> text;
    char* end = WriteNumber(text.data(), n, separator);
    out.append(text.data(), static_cast<size_t>(end - text.data()));
    return static_cast<int>(end - text.data());
}

int32_t ParseNumberText(std::string_view text, std::string_view maxText) {
    // Room for one digit past the limit: enough to tell "too many".
    std::array<char, 11> digits{};
    std::size_t count = 0;
    for (char c : text) {
        if (c == '-') return -1;
        if (c < '0' || c > '9') continue;
        if (count == digits.size()) return -1;
        digits[count++] = c;
    }
    if (count == digits.size()) return -1;
    const std::string_view digitText(digits.data(), count);
    if (count == 10 && digitText.compare(maxText) > 0) return -1;
    int64_t value = 0;
    for (char c : digitText) value = value * 10 + (c - '0');
    // Only a maximum text above the 32-bit range could let this through.
    if (value > INT32_MAX) return -1;
    return static_cast<int32_t>(value);
}

}  // namespace format
