#pragma once

#include <string>
#include <string_view>

#include "format/Separator.h"

namespace engine {

// The texts of the four number fields: start, end and the two filter values.
struct NumberFields {
    std::string start;
    std::string end;
    std::string filterA;
    std::string filterB;
};

// Which of the start and end fields held a number above the largest accepted one.
struct NormalizeOutcome {
    bool startTooLarge = false;
    bool endTooLarge = false;
    bool Ok() const { return !startTooLarge && !endTooLarge; }
};

// The field's text without separators and leading zeros ("0012 345" -> "12345").
std::string CleanNumberText(std::string_view text);

// Whether a field's text (separators allowed) is no larger than the largest
// accepted number, compared digit text against digit text.
bool IsAcceptableNumberText(std::string_view text);

// The leading digits of a field's text as a number (0 when it starts with none),
// for the prime marker; the text must be acceptable.
int32_t LeadingNumber(std::string_view text);

// Cleans the four fields and writes them again with `separator`. A start or end
// field above the largest number is replaced by it and reported in the outcome.
NormalizeOutcome NormalizeNumberFields(NumberFields& fields, format::Separator separator);

// The window's warnings for a field that is too large (title "Error").
inline constexpr const char* kStartTooLarge = "Start number too large.";
inline constexpr const char* kEndTooLarge = "End number too large.";
inline constexpr const char* kTooLargeTitle = "Error";

}  // namespace engine
