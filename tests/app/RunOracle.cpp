#include "RunOracle.h"

#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "support/DigitGrouping.h"
#include "support/EkValue.h"
#include "support/Factoring.h"
#include "support/PrimeSieve.h"
#include "support/ResultLines.h"

namespace apptest {

namespace {

// The output window's limit and what the buffer-full ending cuts away.
constexpr qsizetype kOutputLimit = 55296;
constexpr qsizetype kBufferFullCut = 256;
// An oracle that would walk further than this gives up.
constexpr long long kMostNumbersWalked = 300'000'000;

const QString kLineEnd = QStringLiteral("\r\n");

const QStringList& PalmenColorNames() {
    static const QStringList names = {QStringLiteral("0 A black"), QStringLiteral("1 R red"),
                                      QStringLiteral("2 G green"), QStringLiteral("3 Y yellow"),
                                      QStringLiteral("4 U blue"),  QStringLiteral("5 M magenta"),
                                      QStringLiteral("6 C cyan"),  QStringLiteral("7 W white")};
    return names;
}

// Primality of ascending numbers, a segment of a million at a time.
class SegmentSieve {
public:
    bool IsPrime(long long n) {
        if (n < m_low || n >= m_low + kSpan) {
            m_low = n;
            m_prime = oracle::PrimeFlags(n, std::min<long long>(n + kSpan - 1, INT32_MAX));
        }
        return m_prime[static_cast<size_t>(n - m_low)] != 0;
    }

private:
    static constexpr long long kSpan = 1 << 20;

    long long m_low = -kSpan;
    std::vector<char> m_prime;
};

// The filter test as its rules define it: the "*" and "/" quotients in double
// precision, the "^" forms as whole powers.
std::optional<long long> FilterIndexOf(const FilterSetup& filter, long long n) {
    const bool plus = filter.sign == QLatin1String("+");
    const bool minus = filter.sign == QLatin1String("-");
    const auto whole = [](double q, long long index) {
        return q == static_cast<double>(index) ? std::optional<long long>(index) : std::nullopt;
    };
    const auto test = [&](long long v) -> std::optional<long long> {
        if (filter.op == '*') {
            const double q = static_cast<double>(v) / filter.a;
            return whole(q, static_cast<long long>(std::trunc(q)));
        }
        if (v < 1) return std::nullopt;
        if (filter.op == '/') {
            const double q = static_cast<double>(filter.a) / static_cast<double>(v);
            return whole(q, static_cast<long long>(std::trunc(q)));
        }
        // Whole powers of a: the program confirms the logarithm quotient in
        // integer arithmetic, which also finds the powers (such as 5^12) whose
        // quotient misses a whole number by more than 1e-15.
        long long index = 0;
        long long power = 1;
        for (; power < v; power *= filter.a) ++index;
        return power == v ? std::optional<long long>(index) : std::nullopt;
    };
    // The "*" forms try n - b in every case; "/" and "^" only while b < n.
    if (!minus && (filter.op == '*' || filter.b < n)) {
        if (auto index = test(n - filter.b)) return index;
    }
    if (!plus) return test(n + filter.b);
    return std::nullopt;
}

// The numbers of low..high that "/" and "^" filters can let through, ascending.
std::vector<long long> SparseCandidates(const FilterSetup& filter, long long low, long long high) {
    std::vector<long long> values;
    if (filter.op == '/') {
        for (long long d : oracle::Divisors(filter.a)) values.push_back(filter.a / d);
    } else {
        for (long long power = 1; power <= high + filter.b; power *= filter.a)
            values.push_back(power);
    }
    std::vector<long long> candidates;
    for (long long v : values) {
        for (long long n : {v + filter.b, v - filter.b}) {
            if (n >= low && n <= high) candidates.push_back(n);
        }
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    return candidates;
}

QString FilterDescriptionOf(const FilterSetup& filter, char separator) {
    QString text = Grouped(filter.a, separator) + QLatin1Char(filter.op) + QStringLiteral("N ");
    if (filter.b > 0) text += filter.sign + QLatin1Char(' ') + Grouped(filter.b, separator);
    return text;
}

// The expected output, built along the actual one: a colour note is the one
// thing taken from the actual text, at the place where the expected text has got to.
class ExpectedText {
public:
    ExpectedText(const QString& before, const QString& actual, const RunSetup& run)
        : text(before), m_actual(actual), m_run(run) {}

    // " n" [" (N=index)"] [" [colour]"]; returns its length without the leading blank.
    qsizetype Head(long long n, std::optional<long long> filterIndex, int knownColor = -1) {
        const qsizetype begin = text.size();
        text += QLatin1Char(' ') + Grouped(n, m_run.separator);
        if (filterIndex) {
            text +=
                QStringLiteral(" (N=") + Grouped(*filterIndex, m_run.separator) + QLatin1Char(')');
        }
        if (m_run.showColor) {
            if (knownColor >= 0) {
                text += ColorNote(PalmenColorNames()[knownColor]);
            } else {
                TakeColorNote();
            }
        }
        return text.size() - begin - 1;
    }

    void FactorCountNote(int n) {
        QString value = QString::asprintf("%.3f", oracle::EkValue(n));
        if (value == QLatin1String("-0.000")) value.remove(0, 1);  // zero has no sign
        text += QStringLiteral(" {%1, %2}").arg(oracle::CountDistinctPrimes(n)).arg(value);
    }

    void ProperFactors(int n, qsizetype headLength) {
        const std::vector<int32_t> divisors = oracle::Divisors(n);
        const size_t proper = divisors.size() - 2;
        QString part = QStringLiteral(" has ") + QString::number(proper) +
                       QStringLiteral(" proper factor") +
                       (proper == 1 ? QString() : QStringLiteral("s")) + QStringLiteral(": ");
        qsizetype running = headLength + 1 + part.size();
        for (size_t i = 1; i + 1 < divisors.size(); ++i) {
            if (m_run.separator == ' ' && i > 1) {
                part += QLatin1Char(';');
                ++running;
            }
            part += QStringLiteral("  ");
            running += 2;
            const QString factor = Grouped(divisors[i], m_run.separator);
            if (factor.size() + running > 63) {
                part += QStringLiteral("\r\n ");
                running = 1;
            }
            part += factor;
            running += factor.size();
        }
        text += part;
    }

    // The line of n >= 3, a number that passed the filter (in the pairs mode,
    // the line of the pair that n ends, if it does).
    void NumberLine(long long n, std::optional<long long> filterIndex, bool prime, bool pair) {
        using engine::ComputeMode;
        const ComputeMode mode = m_run.mode;
        if (mode == ComputeMode::DisplayPrimePairsOnly) {
            if (!pair) return;
            Head(n - 2, std::nullopt);
            if (m_run.separator == ' ') text += QLatin1Char(',');
            text += QLatin1Char(' ');
            Head(n, std::nullopt);
        } else if (mode == ComputeMode::DisplayAllFactors) {
            text += QLatin1Char('#');
            const qsizetype headLength = Head(n, filterIndex);
            if (prime) {
                text += QStringLiteral(" is prime");
            } else {
                ProperFactors(static_cast<int>(n), headLength);
            }
        } else if (mode == ComputeMode::DisplayAllNumbers ||
                   (mode == ComputeMode::DisplayPrimesOnly && prime)) {
            Head(n, filterIndex);
            if (mode == ComputeMode::DisplayAllNumbers) {
                if (prime) {
                    text += QStringLiteral(" is prime");
                } else {
                    text += QString::fromStdString(
                        " = " + oracle::Decomposition(static_cast<int>(n), m_run.separator));
                }
            }
            if (m_run.showCount) FactorCountNote(static_cast<int>(n));
        } else {
            return;  // a composite in the primes list, or a count
        }
        text += kLineEnd;
    }

    QString text;

private:
    static QString ColorNote(const QString& name) {
        return QStringLiteral(" [") + name + QLatin1Char(']');
    }

    void TakeColorNote() {
        for (const QString& name : PalmenColorNames()) {
            const QString note = ColorNote(name);
            if (QStringView(m_actual).mid(text.size()).startsWith(note)) {
                text += note;
                return;
            }
        }
    }

    const QString& m_actual;
    const RunSetup& m_run;
};

// The lines a text run writes before its numbers.
QString Headings(const RunSetup& run, bool outputEmpty) {
    QString text;
    if (!outputEmpty) text += QString(50, QLatin1Char('-')) + kLineEnd;
    const std::optional<FilterSetup>& filter = run.filter;
    if (filter)
        text += QStringLiteral("Filter: ") + FilterDescriptionOf(*filter, run.separator) + kLineEnd;
    if (run.mode == engine::ComputeMode::DisplayPrimesOnly) {
        QString heading = QStringLiteral("Primes:");
        if (filter && filter->op == '^' && filter->a == 2 && filter->b == 1) {
            heading = filter->sign == QLatin1String("+") ? QStringLiteral("Fermat primes:")
                      : filter->sign == QLatin1String("-")
                          ? QStringLiteral("Mersenne primes:")
                          : QStringLiteral("Fermat and Mersenne primes:");
        }
        text += heading + kLineEnd;
    }
    if (run.mode == engine::ComputeMode::DisplayPrimePairsOnly)
        text += QStringLiteral("Prime pairs:") + kLineEnd;
    return text;
}

}  // namespace

QString Grouped(long long n, char separator) {
    return QString::fromStdString(oracle::GroupDigits(n, separator));
}

ExpectedOutput ExpectedRunOutput(const RunSetup& run, const QString& before,
                                 std::optional<int> stoppedAt, const QString& actual) {
    using engine::ComputeMode;
    const ComputeMode mode = run.mode;
    const bool allNumbers = mode == ComputeMode::DisplayAllNumbers;
    const bool allFactors = mode == ComputeMode::DisplayAllFactors;
    const bool primesOnly = mode == ComputeMode::DisplayPrimesOnly;
    const bool pairs = mode == ComputeMode::DisplayPrimePairsOnly;
    const std::optional<FilterSetup>& filter = run.filter;
    const auto passes = [&](long long n) {
        return filter ? FilterIndexOf(*filter, n) : std::optional<long long>(0);
    };
    // The index note is shown while a filter is active, except in the pairs mode.
    const auto note = [&](std::optional<long long> index) {
        return filter && !pairs ? index : std::nullopt;
    };
    ExpectedText out(before, actual, run);

    out.text += Headings(run, before.isEmpty());

    bool rangeFound = false;
    long long count = 0;
    long long scanStart = run.start;
    if (run.start == 1) {
        const auto index = passes(1);
        if ((allNumbers || allFactors) && index) {
            rangeFound = true;
            if (allFactors) out.text += QLatin1Char('#');
            out.Head(1, note(index), 0);
            out.text += kLineEnd;
        }
        if (run.end != 1) scanStart = 2;
    }
    if (scanStart == 2) {
        if (const auto index = passes(2)) {
            rangeFound = true;
            if (allNumbers || allFactors || primesOnly) {
                if (allFactors) out.text += QLatin1Char('#');
                out.Head(2, note(index), 1);
                if (!primesOnly) out.text += QStringLiteral(" is prime");
                if (allFactors && run.showCount) out.text += QStringLiteral(" {1}");
                out.text += kLineEnd;
            }
            if (!pairs) count = 1;
        }
        if (run.end != 2) scanStart = 3;
    }

    // The scan: the output limit is checked before each number from the scan's
    // first on, up to the last number it reaches (and, in the pairs mode with
    // a "^" filter, once more at the number where it leaves).
    const bool sparse = filter && filter->op != '*';
    // In the pairs mode a "^" scan ends at the last two numbers of the form
    // 2 apart that may be an odd prime pair.
    long long visitLimit = run.end;
    if (pairs && filter && filter->op == '^') {
        visitLimit = 0;
        for (long long x : SparseCandidates(*filter, run.start, run.end - 2)) {
            if (x >= 3 && x % 2 == 1 && passes(x) && passes(x + 2)) visitLimit = x + 2;
        }
    }
    const long long lastVisited = stoppedAt ? *stoppedAt : std::min<long long>(run.end, visitLimit);
    const long long lastChecked =
        stoppedAt ? *stoppedAt : std::min<long long>(run.end, visitLimit + 1);
    bool cut = false;
    long long reached = 0;
    bool prevOddWasPrime = false;
    SegmentSieve sieve;
    // Returns false where the scan ends.
    const auto visit = [&](long long n, std::optional<long long> index) {
        rangeFound = true;
        const bool prime = sparse ? oracle::IsPrime(static_cast<int>(n)) : sieve.IsPrime(n);
        const qsizetype length = out.text.size();
        const bool pair = pairs && prime && passes(n - 2) && prevOddWasPrime;
        count += (pairs ? pair : prime) ? 1 : 0;
        out.NumberLine(n, note(index), prime, pair);
        if (n % 2 == 1) prevOddWasPrime = prime;
        cut = out.text.size() != length && out.text.size() > kOutputLimit && n < lastChecked;
        if (cut) reached = n;
        return !cut;
    };
    if (scanStart >= 3 && scanStart <= lastChecked) {
        cut = out.text.size() > kOutputLimit;
        if (!cut && sparse) {
            for (long long n : SparseCandidates(*filter, scanStart, lastVisited)) {
                const auto index = passes(n);
                if (index && !visit(n, index)) break;
            }
        } else if (!cut) {
            long long walked = 0;
            for (long long n = scanStart; n <= lastVisited; ++n) {
                if (++walked > kMostNumbersWalked) return {};
                const auto index = passes(n);
                if (index && !visit(n, index)) break;
            }
        }
    }
    if (cut) {
        QString kept = out.text.left(std::max<qsizetype>(out.text.size() - kBufferFullCut, 0));
        // The text box holds no half line break: a cut between CR and LF takes the CR too.
        if (kept.endsWith(QLatin1Char('\r'))) kept.chop(1);
        return {kept + QStringLiteral("\r\n\r\nBuffer full.\r\n"), true, out.text, reached};
    }

    if (filter && !rangeFound) {
        out.text += QStringLiteral("Filtered range ") + Grouped(run.start, run.separator) +
                    QStringLiteral(" through ") + Grouped(run.end, run.separator) +
                    QStringLiteral(" is empty.") + kLineEnd;
    } else if (run.start < run.end) {
        out.text +=
            QString::fromStdString(oracle::SummaryLine({.count = count,
                                                        .pairs = pairs,
                                                        .filtered = filter.has_value(),
                                                        .start = run.start,
                                                        .last = stoppedAt ? *stoppedAt : run.end,
                                                        .separator = run.separator}));
    }
    return {out.text, false, out.text};
}

}  // namespace apptest
