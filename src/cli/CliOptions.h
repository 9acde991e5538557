#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/FilterExpression.h"
#include "engine/ComputeMode.h"
#include "engine/HistogramState.h"
#include "format/Separator.h"

namespace cli {

struct CliOptions {
    engine::ComputeMode mode = engine::ComputeMode::DisplayAllNumbers;
    format::Separator separator = format::Separator::Comma;
    bool separatorGiven = false;
    std::optional<FilterFields> filter;
    bool showColor = false;
    bool showCount = false;
    bool limit = false;       // the window's output limit, cut and messages
    bool bare = false;        // the result lines only
    bool csv = false;         // a histogram's table as CSV
    bool countPairs = false;  // --count with --pairs: the pairs are counted, not listed
    bool crlf = false;
    bool help = false;
    bool version = false;
    int binsEntry = engine::kDefaultBinsEntry;  // the EK histogram's bins (120)
    int threads = 0;        // 1 or 2; 0: two where the process may use two processors
    std::string imageFile;  // where a histogram's picture is saved, when given
    std::string startText;  // empty: the numbers come from standard input
    std::string endText;
};

// Reads the command line (without the program name). On a mistake returns
// nothing and sets `error` to a one-line explanation.
std::optional<CliOptions> ParseArguments(const std::vector<std::string>& arguments,
                                         std::string& error);

// Why `text` is not a number as the tool takes it (digits, with commas,
// apostrophes or blanks among them, leading zeros allowed); empty when it is
// one. `what` names it in the explanation ("START", "'12x' on standard input").
std::string NumberTextError(std::string_view text, std::string_view what);

// The text of --help.
std::string UsageText();

}  // namespace cli
