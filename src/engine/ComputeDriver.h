#pragma once

#include "engine/ComputeHost.h"
#include "engine/RunOutcome.h"
#include "numlib/NumKernel.h"

namespace engine {

// One press of Compute: validates the request the host holds, refuses what it
// cannot serve with a message, and otherwise scans the range, writing result
// lines, counting primes or gathering a histogram, and ends with a summary.
RunOutcome RunCompute(ComputeHost& host, const numlib::NumKernel& kernel);

// The same with the program's kernel.
RunOutcome RunCompute(ComputeHost& host);

}  // namespace engine
