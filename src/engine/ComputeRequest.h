#pragma once

#include <string>

#include "engine/ComputeMode.h"
#include "engine/FilterForm.h"
#include "engine/HistogramState.h"
#include "format/ResultLine.h"
#include "format/Separator.h"

namespace engine {

// How a scan visits the range: the fastest way the request allows, or every
// number in turn (the plain walk, kept to compare against).
enum class ScanStrategy { Fastest, EveryNumber };

// The inputs of one run, as read from the window (texts in UTF-8).
struct ComputeRequest {
    std::string startText;
    std::string endText;  // empty: the end is the start
    ComputeMode mode = ComputeMode::DisplayAllNumbers;
    bool showFactorCount = false;  // "Show number of prime factors"
    bool showPalmenColor = false;  // "Show Palmen color"
    format::Separator separator = format::Separator::Comma;
    std::string filterAText;
    std::string filterBText;
    FilterForm filterForm;
    // The EK bins entry of a run without a picture (0..7); a picture's own
    // selection rules where there is one.
    int binSettingIndex = kDefaultBinsEntry;
    ScanStrategy strategy = ScanStrategy::Fastest;
    // The command-line tool's: the prime pairs counted, not listed; and the
    // result lines only (no headings, notes or summary, no leading blank).
    bool countPairs = false;
    bool bare = false;
    // What ends each line written: the window's CR LF, or the tool's own.
    std::string lineEnd = std::string(format::kLineEnd);
};

}  // namespace engine
