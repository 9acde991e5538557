#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/FilterExpression.h"
#include "engine/ComputeMode.h"
#include "format/Separator.h"

namespace cli {

struct CliOptions {
    engine::ComputeMode mode = engine::ComputeMode::DisplayAllNumbers;
    format::Separator separator = format::Separator::Comma;
    std::optional<FilterFields> filter;
    bool showColor = false;
    bool showCount = false;
    bool noLimit = false;
    bool crlf = false;
    bool help = false;
    bool version = false;
    int binsEntry = 5;      // the EK histogram's bins (120 by default)
    int threads = 0;        // 1 or 2; 0: two where the process may use two processors
    std::string imageFile;  // where a histogram's picture is saved, when given
    std::string startText;
    std::string endText;
};

// Reads the command line (without the program name). On a mistake returns
// nothing and sets `error` to a one-line explanation.
std::optional<CliOptions> ParseArguments(const std::vector<std::string>& arguments,
                                         std::string& error);

// The text of --help.
std::string UsageText();

}  // namespace cli
