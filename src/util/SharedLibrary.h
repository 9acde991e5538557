#pragma once

#include <string>

namespace util {

// A shared library opened by path at run time. Move-only; closes on destruction.
class SharedLibrary {
public:
    SharedLibrary() = default;
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    ~SharedLibrary();

    // Opens the library at `path`. On failure returns false and sets `error`.
    bool Open(const std::string& path, std::string& error);
    bool IsOpen() const { return m_handle != nullptr; }

    // The address of an exported symbol, or nullptr when it is missing.
    void* Symbol(const char* name) const;

    const std::string& Path() const { return m_path; }

private:
    void* m_handle = nullptr;
    std::string m_path;
};

// Looks up `name` in `library` and stores it in `function`. When it is missing,
// records the first missing name in `missing` (left alone when already set).
template <typename FunctionPointer>
void ResolveExport(const SharedLibrary& library, const char* name, FunctionPointer& function,
                   std::string& missing) {
    void* address = library.Symbol(name);
    function = reinterpret_cast<FunctionPointer>(address);
    if (address == nullptr && missing.empty()) missing = name;
}

}  // namespace util
