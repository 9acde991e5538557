// Loading the line-fit library by name, and the loading errors it shares
// with the number-theory kernel.

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "numlib/LsqKernel.h"
#include "numlib/NumKernel.h"
#include "util/ProgramFolder.h"
#include "util/TempFolder.h"

namespace {

using numlib::KernelLoadError;
using numlib::LsqKernel;
using numlib::NumKernel;

std::string LoadError(const auto& load) {
    try {
        load();
    } catch (const KernelLoadError& error) {
        return error.what();
    }
    return "<loaded>";
}

// `library` of the program's folder copied into `folder` as `name`.
void CopyAs(const char* library, const std::filesystem::path& folder, const char* name) {
    std::filesystem::copy_file(std::filesystem::path(util::ProgramFolder()) / library,
                               folder / name);
}

TEST(LsqKernel, FitsThroughTheLibraryInTheProgramFolder) {
    numlib::LineFitPoints points;
    points.count = 3;
    points.x = {1, 2, 3};
    points.y = {4, 6, 8};
    const numlib::LineFit line = LsqKernel::Instance().Fit(points);
    EXPECT_EQ(line.status, 0);
    EXPECT_NEAR(line.intercept, 2, 1e-12);
    EXPECT_NEAR(line.slope, 2, 1e-12);
    EXPECT_NEAR(line.sumSquares, 0, 1e-20);
}

TEST(LsqKernel, ReportsTheLibrarysFailure) {
    numlib::LineFitPoints points;
    points.count = 1;
    EXPECT_EQ(LsqKernel::Instance().Fit(points).status, 2);
}

TEST(LsqKernel, MorePointsThanSlotsIsAnError) {
    numlib::LineFitPoints points;
    points.count = 10;
    EXPECT_THROW(LsqKernel::Instance().Fit(points), std::out_of_range);
}

TEST(LsqKernel, MissingLibraryNamesItsPath) {
    testing_support::TempFolder folder;
    const std::string message = LoadError([&] { LsqKernel::Load(folder.Path().string()); });
    const std::string expected =
        "Cannot load the line-fit library " + (folder.Path() / "liblsqkern.so").string() + ": ";
    EXPECT_EQ(message.rfind(expected, 0), 0u) << message;
    EXPECT_GT(message.size(), expected.size());
}

TEST(LsqKernel, LibraryWithoutFitIsRefused) {
    testing_support::TempFolder folder;
    CopyAs(NumKernel::kLibraryName, folder.Path(), LsqKernel::kLibraryName);
    EXPECT_EQ(LoadError([&] { LsqKernel::Load(folder.Path().string()); }),
              "The line-fit library " + (folder.Path() / "liblsqkern.so").string() +
                  " has no function 'fit'.");
}

TEST(LsqKernel, NumberTheoryKernelKeepsItsMessages) {
    testing_support::TempFolder folder;
    const std::string missing = LoadError([&] { NumKernel::Load(folder.Path().string()); });
    EXPECT_EQ(missing.rfind("Cannot load the number-theory library " +
                                (folder.Path() / "libnumkern.so").string() + ": ",
                            0),
              0u)
        << missing;
    CopyAs(LsqKernel::kLibraryName, folder.Path(), NumKernel::kLibraryName);
    EXPECT_EQ(LoadError([&] { NumKernel::Load(folder.Path().string()); }),
              "The number-theory library " + (folder.Path() / "libnumkern.so").string() +
                  " has no function 'calculate_primes'.");
}

}  // namespace
