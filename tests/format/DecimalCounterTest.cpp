#include "format/DecimalCounter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "support/DigitGrouping.h"

namespace {

using format::Separator;

std::string TextOf(const format::DecimalCounter& counter) {
    std::array<char, 16> text{};
    const char* end = counter.Write(text.data());
    EXPECT_EQ(end - text.data(), counter.Width());
    return std::string(text.data(), static_cast<size_t>(end - text.data()));
}

TEST(DecimalCounter, CountsUpThroughEveryWidthWithEverySeparator) {
    const std::pair<Separator, char> separators[] = {{Separator::Comma, ','},
                                                     {Separator::Space, ' '},
                                                     {Separator::Apostrophe, '\''},
                                                     {Separator::None, 0}};
    // Stretches that cross each change of width and each carry into a group.
    const int32_t starts[] = {0,       1,         95,       990,        9990,
                              99990,   999990,    9999990,  99999990,   199999,
                              1099990, 999999990, 12345678, 1999999990, 2147483546};
    for (const auto& [separator, mark] : separators) {
        for (int32_t start : starts) {
            format::DecimalCounter counter(separator);
            counter.Set(start);
            for (int32_t n = start; n <= std::min(start + 100, 2147483646); ++n) {
                ASSERT_EQ(counter.Value(), n);
                ASSERT_EQ(TextOf(counter), oracle::GroupDigits(n, mark)) << n;
                if (n < 2147483646) counter.Next();
            }
        }
    }
}

TEST(DecimalCounter, EveryNumberUpToAMillionAndTen) {
    format::DecimalCounter counter(Separator::Comma);
    counter.Set(0);
    for (int32_t n = 0; n <= 1000010; ++n, counter.Next()) {
        ASSERT_EQ(TextOf(counter), oracle::GroupDigits(n, ',')) << n;
    }
}

}  // namespace
