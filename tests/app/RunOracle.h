#pragma once

// The output of a text run, worked out from the rules of the result lines
// without the program's code: factors by trial division, primes by a sieve,
// the filter test and the output limit as their rules state them.

#include <QString>

#include <optional>

#include "engine/ComputeMode.h"

namespace apptest {

// n with `separator` (',', ' ', '\'' or 0 for none) between groups of three digits.
QString Grouped(long long n, char separator);

// A filter as the window holds it: operator '*', '/' or '^', sign "+", "-"
// or "+|-", a >= 2, b >= 0. The oracle takes "^" to pass the whole powers
// of a exactly, as the program's filter does.
struct FilterSetup {
    char op = '*';
    QString sign = QStringLiteral("+");
    int a = 2;
    int b = 0;
};

// A text run as the test set it up; the number fields hold start and end.
struct RunSetup {
    engine::ComputeMode mode = engine::ComputeMode::DisplayAllNumbers;
    int start = 1;
    int end = 1;
    char separator = ',';
    bool showColor = false;
    bool showCount = false;
    std::optional<FilterSetup> filter;
};

struct ExpectedOutput {
    QString text;  // the whole output after the run, line breaks CR LF
    bool bufferFull = false;
    QString written;        // the output before the buffer-full cut
    long long reached = 0;  // the number whose line filled the output
};

// The output a text run leaves after `before`: the range scanned to its end,
// or to `stoppedAt` when Stop was seen there, or cut with "Buffer full." once
// the output outgrew its limit. A number's Palmen colour cannot be worked out
// here: where `actual` (the output the run left) shows a colour note, one of
// the eight colours, it is taken as shown. Gives up with an empty text
// rather than walk more than 300 million numbers.
ExpectedOutput ExpectedRunOutput(const RunSetup& run, const QString& before,
                                 std::optional<int> stoppedAt, const QString& actual);

}  // namespace apptest
