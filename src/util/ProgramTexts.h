#pragma once

#include <cstdint>
#include <string>

#include "util/SharedLibrary.h"

namespace util {

// The message for a load result of the program-text library's lt(): empty
// for a result of 1 or more (success), else the text of the fatal message box.
// `fullPath` is the file's path, named in the message for -1.
std::string LoadFailureMessage(int result, const std::string& fullPath);

// What LoadProgramTexts found.
struct ProgramTextsLoad {
    bool succeeded = false;
    // lt()'s result; 0 when the library itself could not be had.
    int32_t result = 0;
    std::string fullPath;
    // Empty on success; else the message to show before the program ends.
    std::string message;
};

// The numbered program texts, read from a text file through the text library
// libtxtbank.so. The window loads them once at start-up.
class ProgramTexts {
public:
    static constexpr const char* kLibraryName = "libtxtbank.so";
    static constexpr int kTextBufferSize = 1024;

    // Texts from the library in the program's folder.
    ProgramTexts();
    // Texts from the library in `libraryFolder` (for tools and tests).
    explicit ProgramTexts(std::string libraryFolder);

    // Loads the library (once) and the file `fileName` in `folder`, in
    // language 0. A library or export that cannot be had is a failure whose
    // message names the library's path and what is missing.
    ProgramTextsLoad LoadProgramTexts(const std::string& folder, const std::string& fileName);

    // Text `number`, or the empty text when there is none (or nothing is loaded).
    std::string ProgramText(int16_t number) const;

private:
    // Empty when the library is ready, else why it is not.
    std::string OpenLibrary();

    std::string m_libraryFolder;
    SharedLibrary m_library;
    int32_t (*m_load)(const char*, int16_t) = nullptr;
    int32_t (*m_text)(int16_t, int16_t, char*, int32_t, int32_t) = nullptr;
};

}  // namespace util
