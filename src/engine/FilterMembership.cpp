#include "engine/FilterMembership.h"

#include <cmath>

namespace engine {

namespace {

constexpr int64_t kInt32Max = 2147483647;
constexpr int64_t kInt32Min = -2147483647 - 1;

bool FitsInt32(int64_t v) { return v >= kInt32Min && v <= kInt32Max; }

}  // namespace

bool FilterMembership::Overflow() {
    m_error = true;
    m_errorText = "Overflow";
    return false;
}

// v = a * N: the quotient of v / a is a whole number. (In double precision
// v / a can only be whole when a divides v, for |v| < 2^32.)
bool FilterMembership::TestMultiple(int64_t v) {
    if (v % m_filter.a != 0) return false;
    m_filterIndex = static_cast<int32_t>(v / m_filter.a);
    return true;
}

// v = a / N for a whole N: v is a divisor of a.
bool FilterMembership::TestDivisor(int64_t v) {
    if (v < 1 || m_filter.a % v != 0) return false;
    m_filterIndex = static_cast<int32_t>(m_filter.a / v);
    return true;
}

// v = a ^ N: the nearest whole N to ln v / ln a, confirmed in exact integer
// arithmetic (a logarithm quotient alone misses powers such as 2^29).
bool FilterMembership::TestPower(int64_t v) {
    if (v < 1) return false;
    const double q = std::log(static_cast<double>(v)) / std::log(static_cast<double>(m_filter.a));
    const double rounded = std::nearbyint(q);
    if (!(rounded >= 0.0) || rounded > 62.0) return false;
    const int n = static_cast<int>(rounded);
    int64_t power = 1;
    for (int i = 0; i < n; ++i) {
        power *= m_filter.a;
        if (power > v) return false;
    }
    if (power != v) return false;
    m_filterIndex = n;
    return true;
}

bool FilterMembership::TestValue(int64_t v) {
    switch (m_filter.form.op) {
        case FilterOperator::Multiply:
            return TestMultiple(v);
        case FilterOperator::Divide:
            return TestDivisor(v);
        case FilterOperator::Power:
            break;
    }
    return TestPower(v);
}

bool FilterMembership::TestActive(int32_t n) {
    m_error = false;
    const FilterForm& form = m_filter.form;
    const int64_t minus = int64_t{n} - m_filter.b;  // the "+" form: v = n - b
    const int64_t plus = int64_t{n} + m_filter.b;   // the "-" form: v = n + b
    // The test's arithmetic is 32-bit: a value beyond it is an overflow.
    // The "/" and "^" forms try n - b only while b < n.
    const bool tryMinus = form.op == FilterOperator::Multiply || m_filter.b < n;
    bool pass = false;
    if (form.TakesPlus() && tryMinus) {
        if (!FitsInt32(minus)) return Overflow();
        pass = TestValue(minus);
    }
    if (!pass && form.TakesMinus()) {
        if (!FitsInt32(plus)) return Overflow();
        pass = TestValue(plus);
    }
    if (pass) ++m_gatheredCount;
    return pass;
}

}  // namespace engine
