// The scan writes millions of lines; writing a number or a line head must not
// allocate once the output has room. Every allocation of this test program
// is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "format/NumberText.h"
#include "format/ResultLine.h"
#include "support/Factoring.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using format::Separator;

TEST(AppendNumber, DoesNotAllocateWithAnySeparator) {
    std::string out;
    // The kernel is loaded on first use; that may allocate.
    format::AppendNumber(out, 1234, Separator::Comma);
    out.clear();
    out.reserve(1 << 22);
    for (Separator separator :
         {Separator::None, Separator::Comma, Separator::Space, Separator::Apostrophe}) {
        const long before = g_allocations;
        for (int32_t n = -50000; n < 50000; n += 7) format::AppendNumber(out, n * 997, separator);
        format::AppendNumber(out, 2147483646, separator);
        format::AppendNumber(out, INT32_MIN, separator);
        EXPECT_EQ(g_allocations - before, 0) << static_cast<int>(separator);
    }
    EXPECT_GT(out.size(), 100000u);
}

TEST(LineHead, DecompositionAndHeadDoNotAllocate) {
    std::string out;
    format::AppendNumber(out, 1234, Separator::Comma);
    out.clear();
    out.reserve(1 << 20);
    const numlib::FactorResult result = oracle::FactorResultOf(2147483646, 4);
    // The table of short texts is made once, at the first decomposition.
    format::AppendPrimeDecomposition(out, result, Separator::Comma);
    out.clear();
    format::LineHeadOptions options;
    options.filterActive = true;
    options.filterIndex = 12345;
    options.showColor = true;
    const long before = g_allocations;
    for (int i = 0; i < 1000; ++i) {
        format::LineHead(out, 2147483646, result.Color(), options);
        out.append(format::kDecompositionLead);
        format::AppendPrimeDecomposition(out, result, Separator::Comma);
        out.append(format::kLineEnd);
    }
    EXPECT_EQ(g_allocations - before, 0);
    EXPECT_EQ(out.substr(0, out.find("\r\n")),
              " 2,147,483,646 (N=12,345) [4 U blue] = 2 * (3^2) * 7 * 11 * 31 * 151 * 331");
}

}  // namespace
