#include "engine/FilterChecks.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "format/NumberText.h"

namespace engine {

namespace {

constexpr const char* kEmpty = "Filtered range is empty.";
constexpr const char* kNoPairs = "Filter condition implies no prime pairs.";

// x mod a in 0 .. a - 1.
int64_t Remainder(int64_t x, int64_t a) {
    int64_t r = x % a;
    return r < 0 ? r + a : r;
}

// A range shorter than a holds a number x + shift = 0 (mod a) ...
bool RangeHoldsResidue(int64_t start, int64_t end, int64_t shift, int64_t a) {
    const int64_t first = Remainder(start + shift, a);
    return first == 0 || Remainder(end + shift, a) < first;
}

bool Meets(int64_t low, int64_t high, int64_t start, int64_t end) {
    return !(high < start || end < low);
}

}  // namespace

std::optional<int32_t> LastPairOfPowers(const Filter& filter, int32_t start, int32_t end) {
    const FilterForm& form = filter.form;
    const int64_t a = filter.a;
    const int64_t b = filter.b;
    // A power beyond 32 bits makes the test of n + b report an overflow, not pass.
    std::vector<int64_t> members;
    for (int64_t power = 1; power <= std::numeric_limits<int32_t>::max(); power *= a) {
        if (form.TakesPlus()) members.push_back(power + b);
        if (form.TakesMinus()) members.push_back(power - b);
    }
    std::sort(members.begin(), members.end());
    std::optional<int32_t> last;
    for (const int64_t low : members) {
        const bool oddPrimeCandidate = low >= 3 && low % 2 == 1;
        if (oddPrimeCandidate && low >= start && low + 2 <= end &&
            std::binary_search(members.begin(), members.end(), low + 2)) {
            last = static_cast<int32_t>(low + 2);
        }
    }
    return last;
}

FilterReading ReadFilter(std::string_view aText, std::string_view bText, const FilterForm& form) {
    FilterReading reading;
    if (aText.empty()) {
        if (!bText.empty()) reading.refusal = "First filter value invalid.";
        return reading;
    }
    Filter filter;
    filter.form = form;
    filter.a = format::ParseNumberText(aText);
    if (filter.a == -1) {
        reading.refusal = "First filter value invalid.";
        return reading;
    }
    if (!bText.empty()) {
        filter.b = format::ParseNumberText(bText);
        if (filter.b == -1) {
            reading.refusal = "Second filter value invalid.";
            return reading;
        }
    } else {
        filter.b = 0;
        reading.writeZeroIntoB = true;
    }
    reading.filter = filter;
    return reading;
}

std::optional<std::string> CheckFilter(const Filter& filter, int32_t start, int32_t end,
                                       ComputeMode mode) {
    const FilterForm& form = filter.form;
    const int64_t a = filter.a;
    const int64_t b = filter.b;
    const bool plus = form.TakesPlus();
    const bool minus = form.TakesMinus();
    const bool multiply = form.op == FilterOperator::Multiply;
    const bool divide = form.op == FilterOperator::Divide;

    if (a < 2) return "First filter value must be > 1.";

    // A range at least a long holds every remainder modulo a.
    if (multiply && int64_t{end} - start + 1 < a) {
        const bool holds = (plus && RangeHoldsResidue(start, end, -b, a)) ||
                           (minus && RangeHoldsResidue(start, end, b, a));
        if (!holds) return kEmpty;
    }
    if (divide) {
        const bool plusMeets = Meets(b + 1, b + a, start, end);
        const bool minusMeets = Meets(1 - b, a - b, start, end);
        const bool holds = (plus && plusMeets) || (minus && minusMeets);
        if (!holds) return kEmpty;
    }
    if ((multiply || divide) && minus &&
        static_cast<double>(format::kMaxNumber) - static_cast<double>(b) < end) {
        return "End number too large for this filter.";
    }
    const bool evenForm = multiply && a % 2 == 0 && b % 2 == 0;
    if (mode == ComputeMode::DisplayPrimePairsOnly) {
        if (evenForm) return kNoPairs;
        if (form.op == FilterOperator::Power && !LastPairOfPowers(filter, start, end)) {
            return kNoPairs;
        }
    }
    if ((mode == ComputeMode::DisplayPrimesOnly || mode == ComputeMode::CountPrimesOnly ||
         mode == ComputeMode::DisplayPrimePairsOnly) &&
        evenForm) {
        if (start > 2 || end < 2) return "Filtered range contains no primes.";
        return "Filtered range contains no primes except 2.";
    }
    return std::nullopt;
}

}  // namespace engine
