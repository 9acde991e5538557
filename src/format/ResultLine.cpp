#include "format/ResultLine.h"

#include <array>
#include <charconv>
#include <clocale>
#include <cstring>

#include "format/NumberText.h"

namespace format {

const std::array<std::string_view, 8>& PalmenColorNames() {
    static constexpr std::array<std::string_view, 8> kNames = {
        "0 A black", "1 R red",     "2 G green", "3 Y yellow",
        "4 U blue",  "5 M magenta", "6 C cyan",  "7 W white"};
    return kNames;
}

char* WriteLineHead(char* at, int32_t n, int colorIndex, const LineHeadOptions& options) {
    if (!options.bare) *at++ = ' ';
    return WriteHeadNotes(WriteNumber(at, n, options.separator), colorIndex, options);
}

char* WriteHeadNotes(char* at, int colorIndex, const LineHeadOptions& options) {
    if (options.filterActive && !options.primePairsMode) {
        std::memcpy(at, " (N=", 4);
        at = WriteNumber(at + 4, options.filterIndex, options.separator);
        *at++ = ')';
    }
    // Indices outside 0..7 carry no colour, like negative ones.
    if (options.showColor && colorIndex >= 0 && colorIndex < 8) {
        const std::string_view name = PalmenColorNames()[static_cast<std::size_t>(colorIndex)];
        *at++ = ' ';
        *at++ = '[';
        std::memcpy(at, name.data(), name.size());
        at += name.size();
        *at++ = ']';
    }
    return at;
}

int LineHead(std::string& out, int32_t n, int colorIndex, const LineHeadOptions& options) {
    std::array<char, kMaxHeadWidth> head;
    char* end = WriteLineHead(head.data(), n, colorIndex, options);
    out.append(head.data(), static_cast<size_t>(end - head.data()));
    return static_cast<int>(end - head.data()) - (options.bare ? 0 : 1);
}

char* WritePrimeDecomposition(char* at, const numlib::FactorResult& result, Separator separator) {
    return WritePrimeDecomposition(at, result, ShortNumberTexts::For(separator));
}

void AppendPrimeDecomposition(std::string& out, const numlib::FactorResult& result,
                              Separator separator) {
    std::array<char, kMaxDecompositionWidth> text;
    out.append(text.data(), WritePrimeDecomposition(text.data(), result, separator));
}

std::string PrimeDecompositionText(const numlib::FactorResult& result, Separator separator) {
    std::string text;
    AppendPrimeDecomposition(text, result, separator);
    return text;
}

std::string DecimalMark() {
    // Read where snprintf would read it: the C locale, which the program
    // sets from the user's settings.
    const char* mark = std::localeconv()->decimal_point;
    return mark != nullptr && *mark != '\0' ? std::string(mark) : std::string(".");
}

void AppendFactorCountNote(std::string& out, int npf, double ekValue,
                           std::string_view decimalMark) {
    // to_chars gives the digits printf's "%.3f" gives, exactly rounded, with
    // a point for the decimal mark, and much faster.
    std::array<char, 400> digits;  // room for any double in fixed notation
    const std::to_chars_result end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                                   ekValue, std::chars_format::fixed, 3);
    std::string_view text(digits.data(), static_cast<size_t>(end.ptr - digits.data()));
    // A value that rounds to zero is written "0.000", never "-0.000".
    if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string_view::npos) {
        text.remove_prefix(1);
    }
    out += " {";
    out += std::to_string(npf);
    out += ", ";
    const size_t point = text.find('.');
    if (point == std::string_view::npos) {
        out += text;  // infinity or not a number
    } else {
        out += text.substr(0, point);
        out += decimalMark;
        out += text.substr(point + 1);
    }
    out += '}';
}

std::string FactorCountNote(int npf, double ekValue) {
    std::string note;
    AppendFactorCountNote(note, npf, ekValue, DecimalMark());
    return note;
}

}  // namespace format
