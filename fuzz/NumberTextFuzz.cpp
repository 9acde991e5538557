// The number text: ParseNumberText on any bytes, FormatWithSeparator and
// NormalizeNumberFields.
//
// - ParseNumberText agrees with a reading of its rule written here: "-" gives
//   -1, other characters but digits are skipped, more than 10 digits or 10
//   digits above 2147483646 give -1.
// - Every accepted number reads back from its formatted text with each of the
//   four separators: ParseNumberText(FormatWithSeparator(digits of v)) == v.
// - NormalizeNumberFields is idempotent: a second pass over its own result
//   with the same separator changes nothing and reports no field too large
//   (for texts the formatter keeps whole, see KeptWhole).

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <string>

#include "FuzzCheck.h"
#include "engine/NumberFields.h"
#include "format/NumberText.h"

namespace {

using format::Separator;

constexpr std::array<Separator, 4> kSeparators = {Separator::Comma, Separator::Space,
                                                  Separator::Apostrophe, Separator::None};

int32_t ExpectedParse(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c == '-') return -1;
        if (c >= '0' && c <= '9') digits += c;
    }
    if (digits.size() > 10) return -1;
    if (digits.size() == 10 && digits > "2147483646") return -1;
    return digits.empty() ? 0 : static_cast<int32_t>(std::stoll(digits));
}

void CheckParse(const std::string& text) {
    const int32_t value = format::ParseNumberText(text);
    const int32_t expected = ExpectedParse(text);
    FUZZ_CHECK(value == expected, "ParseNumberText(\"" + text + "\") = " + std::to_string(value) +
                                      ", expected " + std::to_string(expected));
}

void CheckRoundTrip(int32_t value) {
    const std::string digits = std::to_string(value);
    for (Separator separator : kSeparators) {
        const std::string text = format::FormatWithSeparator(digits, separator);
        const int32_t back = format::ParseNumberText(text);
        const int32_t expected = value >= 0 && value <= format::kMaxNumber ? value : -1;
        FUZZ_CHECK(back == expected, "\"" + text + "\" read back as " + std::to_string(back) +
                                         ", expected " + std::to_string(expected));
        // The formatted text is the digits with only the separator added.
        std::string bare;
        const char code = static_cast<char>(format::SeparatorCode(separator));
        for (char c : text) {
            if (separator == Separator::None || c != code) bare += c;
        }
        FUZZ_CHECK(bare == digits, "\"" + text + "\" is not \"" + digits + "\" grouped");
        FUZZ_CHECK(format::FormatNumber(value, separator) == text,
                   "FormatNumber differs from FormatWithSeparator for " + digits);
    }
}

std::string Show(const engine::NumberFields& f) {
    return "{\"" + f.start + "\", \"" + f.end + "\", \"" + f.filterA + "\", \"" + f.filterB + "\"}";
}

// The length of a field's text once separators and leading zeros are gone.
std::size_t CleanLength(const std::string& text) {
    std::size_t length = 0;
    for (char c : text) {
        if (c == ',' || c == ' ' || c == '\'') continue;
        if (length == 0 && c == '0') continue;
        ++length;
    }
    return length;
}

// Idempotence holds where the formatter keeps every character: the kernel
// groups into a 20-character buffer, so a text of more than 15 characters
// comes back cut (a filter field; start and end are bounded).
bool KeptWhole(const engine::NumberFields& f) {
    return CleanLength(f.filterA) <= 15 && CleanLength(f.filterB) <= 15;
}

void CheckNormalize(const engine::NumberFields& original, Separator separator) {
    engine::NumberFields once = original;
    engine::NormalizeNumberFields(once, separator);
    engine::NumberFields twice = once;
    const engine::NormalizeOutcome second = engine::NormalizeNumberFields(twice, separator);
    if (!KeptWhole(original)) return;
    const std::string where =
        Show(original) + " with separator " + std::to_string(static_cast<int>(separator));
    FUZZ_CHECK(second.Ok(), where + ": a field of " + Show(once) + " is still too large");
    FUZZ_CHECK(twice.start == once.start && twice.end == once.end &&
                   twice.filterA == once.filterA && twice.filterB == once.filterB,
               where + ": " + Show(once) + " became " + Show(twice));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    CheckParse(std::string(reinterpret_cast<const char*>(bytes), size));

    FuzzedDataProvider data(bytes, size);
    CheckRoundTrip(data.ConsumeBool() ? data.ConsumeIntegralInRange<int32_t>(0, format::kMaxNumber)
                                      : data.ConsumeIntegral<int32_t>());

    const Separator separator = data.PickValueInArray(kSeparators);
    engine::NumberFields fields;
    fields.start = data.ConsumeRandomLengthString(24);
    fields.end = data.ConsumeRandomLengthString(24);
    fields.filterA = data.ConsumeRandomLengthString(24);
    fields.filterB = data.ConsumeRemainingBytesAsString();
    CheckNormalize(fields, separator);
    return 0;
}
