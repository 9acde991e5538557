#include "ResultLines.h"

#include "DigitGrouping.h"
#include "Factoring.h"

namespace oracle {

std::string Decomposition(int32_t n, char separator) {
    const std::vector<PrimePower> powers = PrimePowers(n);
    std::string text;
    for (const auto& [prime, exponent] : powers) {
        if (!text.empty()) text += " * ";
        std::string term = GroupDigits(prime, separator);
        if (exponent > 1) term += "^" + std::to_string(exponent);
        text += exponent > 1 && powers.size() > 1 ? "(" + term + ")" : term;
    }
    return text;
}

std::string FactorLine(int32_t n, char separator) {
    const std::string head = " " + GroupDigits(n, separator);
    if (n == 1) return head;
    if (IsPrime(n)) return head + " is prime";
    return head + " = " + Decomposition(n, separator);
}

std::string SummaryLine(const Summary& summary) {
    const std::string unit = summary.pairs ? " prime pair" : " prime";
    std::string line = summary.count == 0 ? " No" + unit + "s"
                       : summary.count == 1
                           ? " 1" + unit
                           : " " + GroupDigits(summary.count, summary.separator) + unit + "s";
    line += " found in ";
    if (summary.filtered) line += "(filtered) ";
    line += "range " + GroupDigits(summary.start, summary.separator);
    if (summary.last > 999'999'999) line += "\r\n";
    return line + " through " + GroupDigits(summary.last, summary.separator) + ".\r\n";
}

}  // namespace oracle
