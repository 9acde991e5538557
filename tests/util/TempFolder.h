#pragma once

// A fresh folder for one test's files, removed with everything in it at the
// end of the test. It lies under the test framework's temporary folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace testing_support {

class TempFolder {
public:
    TempFolder() {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "primorator-" + std::to_string(getpid());
        if (test != nullptr)
            name += std::string("-") + test->test_suite_name() + "-" + test->name();
        m_path = std::filesystem::path(::testing::TempDir()) / name;
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    // Writes `bytes` exactly into the file `name` and returns its path.
    std::string Write(const std::string& name, std::string_view bytes) const {
        const std::filesystem::path file = m_path / name;
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

private:
    std::filesystem::path m_path;
};

}  // namespace testing_support
