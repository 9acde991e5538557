#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/FilterForm.h"

namespace cli {

// A filter as the command line gives it: its form and the texts of a and b,
// which the run reads as the window reads its two filter fields.
struct FilterFields {
    std::string aText;
    engine::FilterForm form;
    std::string bText;
};

// Reads "2^N+1", "10 * N - 3", "12/N+|-0" or "3*N" (b left out): a, an operator
// * / ^, the letter N, a sign + - or +|-, and b; blanks anywhere. The numbers
// begin with a digit and may carry the separators , and '. Returns nothing
// when the text has another form; `error` then says what is wrong.
std::optional<FilterFields> ParseFilterExpression(std::string_view text, std::string& error);

}  // namespace cli
