#include "engine/FilterCandidates.h"

#include <algorithm>
#include <limits>

namespace engine {

namespace {

constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t kNever = std::numeric_limits<int64_t>::max();

// The first x >= from with x = residue (mod step).
int64_t FirstFrom(int64_t from, int64_t residue, int64_t step) {
    int64_t r = ((residue % step) + step) % step;
    int64_t offset = ((r - from) % step + step) % step;
    return from + offset;
}

std::vector<int64_t> Divisors(int64_t a) {
    std::vector<int64_t> divisors;
    for (int64_t d = 1; d * d <= a; ++d) {
        if (a % d == 0) {
            divisors.push_back(d);
            if (d != a / d) divisors.push_back(a / d);
        }
    }
    return divisors;
}

std::vector<int64_t> Powers(int64_t a) {
    std::vector<int64_t> powers;
    for (int64_t p = 1; p <= kInt32Max; p *= a) powers.push_back(p);
    return powers;
}

}  // namespace

FilterCandidates::FilterCandidates(const Filter& filter, int32_t from, int32_t to)
    : m_to(to), m_denseFrom(kNever) {
    const FilterForm& form = filter.form;
    const int64_t a = filter.a;
    const int64_t b = filter.b;
    const bool plus = form.TakesPlus();
    const bool minus = form.TakesMinus();
    if (form.op == FilterOperator::Multiply) {
        m_progressions = true;
        m_step = a;
        m_nextA = plus ? FirstFrom(from, b, a) : kNever;
        m_nextB = minus ? FirstFrom(from, -b, a) : kNever;
        if (m_nextA == m_nextB) m_nextB = kNever;  // one progression when the residues agree
        return;
    }
    const std::vector<int64_t> values = form.op == FilterOperator::Divide ? Divisors(a) : Powers(a);
    for (int64_t v : values) {
        if (plus && v + b >= from && v + b <= to) m_list.push_back(v + b);
        if (minus && v - b >= from && v - b <= to) m_list.push_back(v - b);
    }
    std::sort(m_list.begin(), m_list.end());
    m_list.erase(std::unique(m_list.begin(), m_list.end()), m_list.end());
    // n + b leaves 32 bits from here on: the test reports it there.
    if (minus && form.op == FilterOperator::Power)
        m_denseFrom = std::max<int64_t>(from, kInt32Max + 1 - b);
}

bool FilterCandidates::NextInProgressions(int64_t& n) {
    if (m_nextA <= m_nextB) {
        n = m_nextA;
        m_nextA = m_nextA > m_to ? kNever : m_nextA + m_step;
    } else {
        n = m_nextB;
        m_nextB = m_nextB > m_to ? kNever : m_nextB + m_step;
    }
    return n <= m_to;
}

bool FilterCandidates::Next(int32_t& n) {
    int64_t next = kNever;
    if (m_progressions) {
        if (!NextInProgressions(next)) next = kNever;
    } else {
        while (m_listIndex < m_list.size() && m_list[m_listIndex] <= m_last) ++m_listIndex;
        if (m_listIndex < m_list.size()) next = m_list[m_listIndex];
    }
    if (m_denseFrom != kNever) {
        const int64_t dense = std::max(m_denseFrom, m_last + 1);
        next = std::min(next, dense);
    }
    if (next > m_to) return false;
    m_last = next;
    n = static_cast<int32_t>(next);
    return true;
}

}  // namespace engine
