#include "numlib/KernelLibrary.h"

#include "util/ProgramFolder.h"

namespace numlib {

util::SharedLibrary OpenKernelLibrary(const std::string& folder, const char* fileName,
                                      const char* description) {
    util::SharedLibrary library;
    const std::string path = util::JoinPath(folder, fileName);
    std::string error;
    if (!library.Open(path, error)) {
        throw KernelLoadError(std::string("Cannot load the ") + description + " " + path + ": " +
                              error);
    }
    return library;
}

void RequireExports(const util::SharedLibrary& library, const char* description,
                    const std::string& missing) {
    if (missing.empty()) return;
    throw KernelLoadError(std::string("The ") + description + " " + library.Path() +
                          " has no function '" + missing + "'.");
}

}  // namespace numlib
