// The all-factors list. The divisors come from the prime powers of the
// factorisation: every product p1^j1 * ... * pk^jk with 0 <= ji <= ei, each
// formed once as the primes are distinct, sorted, without 1 and n. The list
// is wrapped on counted characters: a factor that would take the line past 63
// starts a new line indented by one blank.
#include <algorithm>
#include <vector>

#include "format/NumberText.h"
#include "format/ResultLine.h"

namespace format {

namespace {

constexpr int kLineLimit = 63;

std::vector<int32_t> AllDivisors(const numlib::FactorResult& result) {
    std::vector<int32_t> divisors{1};
    for (int i = 1; i <= result.count; ++i) {
        const std::size_t known = divisors.size();
        int64_t power = 1;
        for (int j = 1; j <= result.exponents[i]; ++j) {
            power *= result.primes[i];
            for (std::size_t d = 0; d < known; ++d) {
                divisors.push_back(static_cast<int32_t>(divisors[d] * power));
            }
        }
    }
    std::sort(divisors.begin(), divisors.end());
    return divisors;
}

}  // namespace

void AppendProperFactors(std::string& out, int32_t n, const numlib::FactorResult& result,
                         int headLength, Separator separator, std::string_view lineEnd) {
    int64_t divisorCount = 1;
    for (int i = 1; i <= result.count; ++i) divisorCount *= result.exponents[i] + 1;
    const int64_t properCount = divisorCount - 2;

    const std::size_t leadStart = out.size();
    out.append(" has ");
    out.append(std::to_string(properCount));
    out.append(properCount == 1 ? " proper factor: " : " proper factors: ");
    int lineLength = headLength + 1 + static_cast<int>(out.size() - leadStart);

    bool first = true;
    for (int32_t factor : AllDivisors(result)) {
        if (factor <= 1 || factor >= n) continue;
        if (separator == Separator::Space && !first) {
            out.push_back(';');
            lineLength += 1;
        }
        first = false;
        out.append("  ");
        lineLength += 2;
        // The factor is written first and the line break put before it when it does not fit.
        const std::size_t factorStart = out.size();
        const int factorLength = AppendNumber(out, factor, separator);
        if (factorLength + lineLength > kLineLimit) {
            out.insert(factorStart, " ");
            out.insert(factorStart, lineEnd);
            lineLength = 1;
        }
        lineLength += factorLength;
    }
}

std::string ProperFactorsText(int32_t n, const numlib::FactorResult& result, int headLength,
                              Separator separator) {
    std::string text;
    AppendProperFactors(text, n, result, headLength, separator);
    return text;
}

}  // namespace format
