#pragma once

#include <cstdio>

#include "cli/CliOptions.h"
#include "numlib/NumKernel.h"

namespace cli {

// The tool without START, as factor(1) works: the numbers of `in`, separated
// by white space, each written as its line of --factor or --divisors (with
// the options of the command line) and nothing else. A word that is not a
// number of 1 .. 2,147,483,646 is reported on `messages` with its text, and
// the words after it go on. The exit status: 0; 1 when a word was refused or
// the output could not be written (reading then stops).
int FactorInputNumbers(const CliOptions& options, const numlib::NumKernel& kernel, std::FILE* in,
                       std::FILE* out, std::FILE* messages);

}  // namespace cli
