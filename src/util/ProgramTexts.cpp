#include "util/ProgramTexts.h"

#include <array>
#include <utility>

#include "util/ProgramFolder.h"

namespace util {

namespace {

// The main window asks every text in language 0.
constexpr int16_t kLanguage = 0;

std::string LineMessage(const char* lead, int line) {
    return std::string(lead) + " " + std::to_string(line) + ".";
}

}  // namespace

std::string LoadFailureMessage(int result, const std::string& fullPath) {
    if (result >= 1) return {};
    switch (result) {
        case 0:
            return "No program text was read.";
        case -1:
            return "Cannot open file containing program text.\r\n" + fullPath;
        case -2:
            return "Particular memory allocation error.";
        case -3:
            return "Too much program text.";
        case -4:
            return "Text not recovered.";
        case -6:
            return "File is empty.";
        case -7:
            return "Error reading file.";
        case -8:
            return "General memory allocation error.";
        default:
            break;
    }
    // -5 and -9 .. -500 carry only their number.
    if (result >= -500) return "Error " + std::to_string(result);
    if (result >= -1000) return LineMessage("Missing string at line", -(result + 500));
    if (result >= -1500) return LineMessage("String too long at line", -(result + 1000));
    return LineMessage("Duplicate in program text at line", -(result + 1500));
}

ProgramTexts::ProgramTexts() : ProgramTexts(ProgramFolder()) {}

ProgramTexts::ProgramTexts(std::string libraryFolder) : m_libraryFolder(std::move(libraryFolder)) {}

std::string ProgramTexts::OpenLibrary() {
    if (m_load != nullptr && m_text != nullptr) return {};
    const std::string path = JoinPath(m_libraryFolder, kLibraryName);
    std::string error;
    if (!m_library.Open(path, error)) {
        return "Cannot load the program-text library " + path + ": " + error;
    }
    std::string missing;
    ResolveExport(m_library, "lt", m_load, missing);
    ResolveExport(m_library, "gt", m_text, missing);
    if (!missing.empty()) {
        m_load = nullptr;
        m_text = nullptr;
        return "The program-text library " + path + " has no function '" + missing + "'.";
    }
    return {};
}

ProgramTextsLoad ProgramTexts::LoadProgramTexts(const std::string& folder,
                                                const std::string& fileName) {
    ProgramTextsLoad load;
    load.fullPath = JoinPath(folder, fileName);
    load.message = OpenLibrary();
    if (!load.message.empty()) return load;
    load.result = m_load(load.fullPath.c_str(), kLanguage);
    load.message = LoadFailureMessage(load.result, load.fullPath);
    load.succeeded = load.message.empty();
    return load;
}

std::string ProgramTexts::ProgramText(int16_t number) const {
    if (m_text == nullptr) return {};
    std::array<char, kTextBufferSize> buffer{};
    const int32_t length = m_text(number, kLanguage, buffer.data(), kTextBufferSize, 1);
    if (length < 1) return {};
    // The library never writes past the size it is given; the bound guards a broken one.
    const int32_t kept = length > kTextBufferSize ? kTextBufferSize : length;
    return std::string(buffer.data(), static_cast<std::size_t>(kept));
}

}  // namespace util
