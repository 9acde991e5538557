#pragma once

#include <string>
#include <string_view>

namespace engine {

// The operator of a filter's form: a*N, a/N or a^N.
enum class FilterOperator { Multiply, Divide, Power };

// The sign of a filter's form: + b, - b, or either ("+|-").
enum class FilterSign { Plus, Minus, Both };

// The form of a filter: the numbers a*N + b, a/N - b, a^N +|- b ...
struct FilterForm {
    FilterOperator op = FilterOperator::Multiply;
    FilterSign sign = FilterSign::Plus;

    // Whether n passes as a value + b (n - b tested), or as a value - b (n + b tested).
    bool TakesPlus() const { return sign != FilterSign::Minus; }
    bool TakesMinus() const { return sign != FilterSign::Plus; }

    bool operator==(const FilterForm&) const = default;
};

// "*", "/" or "^"; "+", "-" or "+|-".
char OperatorSymbol(FilterOperator op);
std::string_view SignText(FilterSign sign);

// The window's reading of its filter-type label ("* N   +", "^ N   +|-"
// ...): the operator is the first of "*", "/" found, else "^"; the sign is
// "+|-" when the caption holds it, else "+" or "-" as found, else "+|-".
FilterForm ParseFilterCaption(std::string_view caption);

// The caption of the filter-type label for `form`: one of the nine.
std::string FilterCaption(const FilterForm& form);

}  // namespace engine
