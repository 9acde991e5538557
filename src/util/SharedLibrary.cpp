#include "util/SharedLibrary.h"

#include <dlfcn.h>

#include <utility>

namespace util {

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)), m_path(std::move(other.m_path)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
    if (this != &other) {
        if (m_handle != nullptr) dlclose(m_handle);
        m_handle = std::exchange(other.m_handle, nullptr);
        m_path = std::move(other.m_path);
    }
    return *this;
}

SharedLibrary::~SharedLibrary() {
    if (m_handle != nullptr) dlclose(m_handle);
}

bool SharedLibrary::Open(const std::string& path, std::string& error) {
    if (m_handle != nullptr) dlclose(m_handle);
    m_path = path;
    // RTLD_LOCAL keeps each kernel's symbols to itself; RTLD_NOW finds a
    // broken library at start-up rather than in the middle of a run.
    m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr) {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : "cannot open " + path;
        return false;
    }
    return true;
}

void* SharedLibrary::Symbol(const char* name) const {
    if (m_handle == nullptr) return nullptr;
    return dlsym(m_handle, name);
}

}  // namespace util
