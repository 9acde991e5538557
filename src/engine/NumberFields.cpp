#include "engine/NumberFields.h"

#include <algorithm>

#include "format/NumberText.h"
#include "util/StringUtils.h"
#include "util/TextEncoding.h"

namespace engine {

namespace {

constexpr std::u16string_view kInputSeparators = u", '";

bool IsSeparator(char c) { return c == ',' || c == ' ' || c == '\''; }

std::u16string WithoutSeparators(std::string_view text) {
    std::u16string wide = util::Utf8ToUtf16(text);
    util::RemoveCharacters(wide, kInputSeparators, 1);
    return wide;
}

std::string Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// Step of the normalisation for one field; `checked` fields are compared
// against the largest number and replaced by it when above.
bool NormalizeField(std::string& text, format::Separator separator, bool checked) {
    text = CleanNumberText(text);
    bool tooLarge = false;
    if (checked && !text.empty() && !IsAcceptableNumberText(text)) {
        text = std::string(format::kMaxNumberText);
        tooLarge = true;
    }
    // The kernel groups bytes: a pasted non-ASCII character would be split by
    // a separator and grow into garbage at every normalisation, so such a text
    // is left ungrouped (the parser reads its digits all the same).
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!text.empty() && ascii) text = format::FormatWithSeparator(Trimmed(text), separator);
    return tooLarge;
}

}  // namespace

std::string CleanNumberText(std::string_view text) {
    std::u16string wide = WithoutSeparators(text);
    util::StripLeadingRepeats(wide, u"0");
    return util::Utf16ToUtf8(wide);
}

bool IsAcceptableNumberText(std::string_view text) {
    const std::u16string s = WithoutSeparators(text);
    const std::u16string max = util::Utf8ToUtf16(format::kMaxNumberText);
    if (s.size() != max.size()) return s.size() < max.size();
    return s <= max;
}

int32_t LeadingNumber(std::string_view text) {
    int64_t value = 0;
    for (char c : text) {
        if (IsSeparator(c)) continue;
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > format::kMaxNumber) return format::kMaxNumber;
    }
    return static_cast<int32_t>(value);
}

NormalizeOutcome NormalizeNumberFields(NumberFields& fields, format::Separator separator) {
    NormalizeOutcome outcome;
    outcome.startTooLarge = NormalizeField(fields.start, separator, true);
    outcome.endTooLarge = NormalizeField(fields.end, separator, true);
    NormalizeField(fields.filterA, separator, false);
    NormalizeField(fields.filterB, separator, false);
    return outcome;
}

}  // namespace engine
