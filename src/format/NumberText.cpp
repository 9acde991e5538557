#include "format/NumberText.h"

#include <array>
#include <charconv>

#include "numlib/NumKernel.h"

namespace format {

namespace {

// The kernel's result buffer: 20 characters, blank before each call.
using KernelBuffer = std::array<char, 20>;

// Room for the decimal form of any 64-bit integer and its NUL.
using DigitBuffer = std::array<char, 24>;

// RemoveTrailingZeros without a copy, for the fast path.
std::string_view BeforeFirstNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The decimal form of n in `digits`, followed by a NUL.
std::string_view DecimalDigits(int64_t n, DigitBuffer& digits) {
    char* end = std::to_chars(digits.data(), digits.data() + digits.size() - 1, n).ptr;
    *end = '\0';
    return std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

// `digits` must end in a NUL. Appends the separated form to `out`.
int AppendThroughKernel(std::string& out, const char* digits, Separator separator) {
    KernelBuffer buffer;
    buffer.fill(' ');
    numlib::NumKernel::Instance().SeparateThousands(digits, SeparatorCode(separator),
                                                    buffer.data());
    return AppendSeparatedOutput(out, std::string_view(buffer.data(), buffer.size()));
}

}  // namespace

std::string RemoveTrailingZeros(std::string_view text) { return std::string(BeforeFirstNul(text)); }

int AppendSeparatedOutput(std::string& out, std::string_view kernelOutput) {
    std::string_view kept = BeforeFirstNul(kernelOutput);
    const std::size_t before = out.size();
    if (kept.starts_with("-,")) {
        out.push_back('-');
        kept.remove_prefix(2);
    }
    out.append(kept);
    return static_cast<int>(out.size() - before);
}

std::string FormatWithSeparator(std::string_view digits, Separator separator) {
    const std::string trimmed(TrimBlanks(digits));
    if (separator == Separator::None) return trimmed;
    std::string result;
    AppendThroughKernel(result, trimmed.c_str(), separator);
    return result;
}

std::string FormatNumber(int64_t n, Separator separator) {
    DigitBuffer digits;
    return FormatWithSeparator(DecimalDigits(n, digits), separator);
}

int AppendNumber(std::string& out, int32_t n, Separator separator) {
    DigitBuffer digits;
    const std::string_view text = DecimalDigits(n, digits);
    // Up to three digits hold no group to separate: most prime factors of a
    // line, which need not be handed to the kernel.
    if (separator == Separator::None || (n >= 0 && n < 1000)) {
        out.append(text);
        return static_cast<int>(text.size());
    }
    return AppendThroughKernel(out, text.data(), separator);
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
