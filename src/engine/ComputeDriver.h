#pragma once

#include "engine/ComputeHost.h"
#include "engine/ComputeRequest.h"
#include "engine/RunOutcome.h"
#include "numlib/NumKernel.h"

namespace engine {

// What a refusal concerns, for the window's focus rule.
enum class RefusalSubject {
    None,        // not refused
    StartField,  // nothing to do: the start field is where to type
    Range,       // the range is invalid
    Request,     // any other check
};

// What one press of Compute leaves for the window to show beside what the
// run wrote and said.
struct RunResult {
    RunOutcome outcome = RunOutcome::Completed;
    RefusalSubject refused = RefusalSubject::None;
    // The mode to show after the run: a single number is always factored.
    ComputeMode mode = ComputeMode::DisplayAllNumbers;
    // The second filter value was empty and was read as 0, which its field shows.
    bool filterBReadAsZero = false;
};

// One press of Compute on `request`, whose number fields the window has
// cleaned: validates it, refuses what it cannot serve with a message, and
// otherwise scans the range, writing result lines, counting primes or
// gathering a histogram, and ends with a summary.
RunResult RunCompute(const ComputeRequest& request, ComputeHost& host,
                     const numlib::NumKernel& kernel);

// The same with the program's kernel.
RunResult RunCompute(const ComputeRequest& request, ComputeHost& host);

}  // namespace engine
