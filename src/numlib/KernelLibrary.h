#pragma once

#include <stdexcept>
#include <string>

#include "util/SharedLibrary.h"

namespace numlib {

// Raised when a kernel library or one of its exports cannot be had. The
// message names the library's path and, for a missing export, its name.
class KernelLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Opens the kernel `fileName` in `folder`. `description` names it in the
// error ("number-theory library"). Throws KernelLoadError.
util::SharedLibrary OpenKernelLibrary(const std::string& folder, const char* fileName,
                                      const char* description);

// Throws KernelLoadError when `missing` (as util::ResolveExport leaves it)
// names an export that `library` lacks.
void RequireExports(const util::SharedLibrary& library, const char* description,
                    const std::string& missing);

}  // namespace numlib
