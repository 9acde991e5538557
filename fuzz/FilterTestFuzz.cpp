// The filter test: random a, b, operator, sign, range and mode through
// CheckFilter, and, for a filter it lets run (a >= 2), IsInFilter for numbers
// inside and outside the range, a and b also beyond the accepted values.
//
// Checked in 64-bit arithmetic:
// - a passing n has the form a*N + b, a*N - b, a/N + b, a/N - b, a^N + b or
//   a^N - b (a sign the caption allows) for the reported N;
// - an n of such a form whose n - b or n + b fits 32 bits passes, and an n
//   fails with an error exactly when that value does not fit;
// - every true answer is counted;
// - "Filtered range is empty." leaves no passing number in the range, and a
//   "*" or "/" filter with a minus form that CheckFilter lets run raises no
//   error inside the range.
// UndefinedBehaviorSanitizer watches the arithmetic.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "engine/Filter.h"
#include "engine/FilterChecks.h"
#include "engine/FilterMembership.h"

namespace {

constexpr int64_t kMaxNumber = 2147483646;

struct Caption {
    char op;
    std::string_view sign;
    std::string_view text;
};

constexpr std::array<Caption, 9> kCaptions = {{
    {'*', "+", "* N   +"},
    {'*', "-", "* N   -"},
    {'*', "+|-", "* N   +|-"},
    {'/', "+", "/ N   +"},
    {'/', "-", "/ N   -"},
    {'/', "+|-", "/ N   +|-"},
    {'^', "+", "^ N   +"},
    {'^', "-", "^ N   -"},
    {'^', "+|-", "^ N   +|-"},
}};

bool FitsInt32(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// a^N when it is at most `limit`, else nothing.
std::optional<int64_t> PowerUpTo(int64_t a, int64_t n, int64_t limit) {
    int64_t power = 1;
    for (int64_t i = 0; i < n; ++i) {
        if (power > limit / a) return std::nullopt;
        power *= a;
    }
    return power;
}

// Whether v has the operator's form for some N; `index` receives that N.
bool HasForm(char op, int64_t a, int64_t v, int64_t& index) {
    if (op == '*') {
        if (v % a != 0) return false;
        index = v / a;
        return true;
    }
    if (op == '/') {
        if (v < 1 || a % v != 0) return false;
        index = a / v;
        return true;
    }
    if (v < 1) return false;
    int64_t power = 1;
    for (index = 0; power < v; ++index) power *= a;
    return power == v;
}

// The value of the form for the reported N, with the sign + (b added) or -.
std::optional<int64_t> FormValue(char op, int64_t a, int64_t index, int64_t b, bool plus) {
    int64_t base = 0;
    if (op == '*') {
        base = a * index;
    } else if (op == '/') {
        if (index < 1 || a % index != 0) return std::nullopt;
        base = a / index;
    } else {
        if (index < 0) return std::nullopt;
        const std::optional<int64_t> power = PowerUpTo(a, index, int64_t{1} << 40);
        if (!power) return std::nullopt;
        base = *power;
    }
    return plus ? base + b : base - b;
}

struct Expected {
    bool pass = false;
    bool error = false;
};

// The test's rule: "+" tries v = n - b (for "/" and "^" only while b < n),
// "-" tries v = n + b, "+|-" both in that order; a v beyond 32 bits is an
// arithmetic error that ends the test.
Expected ExpectedAnswer(const Caption& caption, int64_t a, int64_t b, int64_t n) {
    const bool plusForm = caption.sign != "-";
    const bool minusForm = caption.sign != "+";
    Expected expected;
    int64_t index = 0;
    if (plusForm && (caption.op == '*' || b < n)) {
        if (!FitsInt32(n - b)) return {false, true};
        expected.pass = HasForm(caption.op, a, n - b, index);
    }
    if (!expected.pass && minusForm) {
        if (!FitsInt32(n + b)) return {false, true};
        expected.pass = HasForm(caption.op, a, n + b, index);
    }
    return expected;
}

struct Case {
    const Caption& caption;
    engine::Filter filter;
    int32_t start;
    int32_t end;
    engine::ComputeMode mode;

    std::string Describe(int32_t n) const {
        return std::string(caption.text) + " a " + std::to_string(filter.a) + " b " +
               std::to_string(filter.b) + " range " + std::to_string(start) + ".." +
               std::to_string(end) + " n " + std::to_string(n);
    }
};

void CheckNumber(const Case& c, engine::FilterMembership& test, int32_t n) {
    const int32_t countBefore = test.GatheredCount();
    const bool pass = test.IsInFilter(n);
    const std::string where = c.Describe(n);
    const int64_t a = c.filter.a;
    const int64_t b = c.filter.b;

    FUZZ_CHECK(test.GatheredCount() == countBefore + (pass ? 1 : 0), where + ": count");
    const Expected expected = ExpectedAnswer(c.caption, a, b, n);
    FUZZ_CHECK(test.Error() == expected.error,
               where + ": error " + std::to_string(test.Error()) + " " + test.ErrorText());
    FUZZ_CHECK(!test.Error() || !test.ErrorText().empty(), where + ": an error without text");
    FUZZ_CHECK(pass == expected.pass, where + ": answer " + std::to_string(pass));
    if (!pass) return;

    const int64_t index = test.FilterIndex();
    bool hasForm = false;
    for (bool plus : {true, false}) {
        if (plus ? c.caption.sign == "-" : c.caption.sign == "+") continue;
        const std::optional<int64_t> value = FormValue(c.caption.op, a, index, b, plus);
        hasForm = hasForm || (value && *value == n);
    }
    FUZZ_CHECK(hasForm,
               where + ": passes with N " + std::to_string(index) + " but is not of the form");
}

int32_t PickValue(FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return data.ConsumeIntegralInRange<int32_t>(0, 100);
        case 1:
            return data.ConsumeIntegralInRange<int32_t>(0, static_cast<int32_t>(kMaxNumber));
        case 2:
            return data.PickValueInArray<int32_t>(
                {2, 3, 10, 65536, 46340, 46341, 1 << 30, INT32_MAX - 1, INT32_MAX});
        default:
            return data.ConsumeIntegral<int32_t>();
    }
}

int32_t PickNumber(FuzzedDataProvider& data, const Case& c) {
    switch (data.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return data.ConsumeIntegralInRange(c.start, c.end);
        case 1:
            return data.ConsumeIntegralInRange(1, 1 << 16);
        case 2:
            return static_cast<int32_t>(kMaxNumber - data.ConsumeIntegralInRange(0, 1 << 16));
        default:
            return data.ConsumeIntegral<int32_t>();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Caption& caption = kCaptions[data.ConsumeIntegralInRange<std::size_t>(0, 8)];
    FUZZ_CHECK(engine::FilterCaption(engine::ParseFilterCaption(caption.text)) == caption.text,
               "FilterCaption gives another caption for " + std::string(caption.text));
    engine::Filter filter;
    filter.form = engine::ParseFilterCaption(caption.text);
    filter.a = PickValue(data);
    filter.b = PickValue(data);
    int32_t start = data.ConsumeIntegralInRange<int32_t>(1, static_cast<int32_t>(kMaxNumber));
    int32_t end = data.ConsumeBool()
                      ? data.ConsumeIntegralInRange<int32_t>(1, static_cast<int32_t>(kMaxNumber))
                      : static_cast<int32_t>(std::min<int64_t>(
                            kMaxNumber, int64_t{start} + data.ConsumeIntegral<uint16_t>()));
    if (end < start) std::swap(start, end);
    const auto mode = static_cast<engine::ComputeMode>(data.ConsumeIntegralInRange(0, 7));
    const Case c{caption, filter, start, end, mode};

    const std::optional<std::string> refusal = engine::CheckFilter(filter, start, end, mode);
    if (filter.a < 2) {
        FUZZ_CHECK(refusal == "First filter value must be > 1.",
                   c.Describe(0) + ": " + refusal.value_or("accepted"));
        return 0;
    }

    engine::FilterMembership test(filter);
    for (int i = 0; i < 16 && data.remaining_bytes() > 0; ++i) {
        CheckNumber(c, test, PickNumber(data, c));
    }

    const bool shortRange = int64_t{end} - start < 4096;
    if (refusal == "Filtered range is empty." && shortRange) {
        for (int32_t n = start; n <= end; ++n) {
            FUZZ_CHECK(!test.IsInFilter(n), c.Describe(n) + ": passes in a range called empty");
        }
    }
    const bool guarded = !caption.text.starts_with('^') && caption.sign != "+" && filter.b >= 0;
    if (!refusal && guarded && shortRange) {
        for (int32_t n = start; n <= end; ++n) {
            test.IsInFilter(n);
            FUZZ_CHECK(!test.Error(), c.Describe(n) + ": an error in a range CheckFilter let run");
        }
    }
    return 0;
}
