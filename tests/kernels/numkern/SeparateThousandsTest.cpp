#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <random>
#include <string>

#include "format/NumberText.h"
#include "numkern.h"

namespace numkern_test {
namespace {

// The kernel's output in a buffer larger than its 20 characters: the caller's
// 20 blanks followed by canaries that must survive.
struct Grouped {
    static constexpr size_t kBufferSize = 20;
    static constexpr char kCanary = '#';

    std::array<char, 64> buffer{};

    Grouped(const char* text, int32_t separator) {
        buffer.fill(kCanary);
        std::memset(buffer.data(), ' ', kBufferSize);
        separate_thousands(text, separator, buffer.data());
    }
    bool TerminatedInside() const {
        return std::memchr(buffer.data(), '\0', kBufferSize) != nullptr;
    }
    bool CanariesIntact() const {
        for (size_t i = kBufferSize; i < buffer.size(); ++i) {
            if (buffer[i] != kCanary) return false;
        }
        return true;
    }
    std::string Text() const { return std::string(buffer.data()); }
};

struct GroupingCase {
    const char* text;
    int32_t separator;
    const char* expected;
};

TEST(SeparateThousands, GroupsOfThreeFromTheRight) {
    const GroupingCase cases[] = {
        {"0", ',', "0"},
        {"7", ',', "7"},
        {"999", ',', "999"},
        {"1000", ',', "1,000"},
        {"-1000", ',', "-1,000"},
        {"123456", ',', "123,456"},
        {"-123456", ',', "-123,456"},
        {"-999", ',', "-999"},
        {"2147483646", ',', "2,147,483,646"},
        {"0", '\'', "0"},
        {"1000", '\'', "1'000"},
        {"-1000", '\'', "-1'000"},
        {"123456", '\'', "123'456"},
        {"-123456", '\'', "-123'456"},
        {"2147483646", '\'', "2'147'483'646"},
        {"999", ' ', "999"},
        {"1000", ' ', "1 000"},
        {"-1000", ' ', "-1 000"},
        {"-123456", ' ', "-123 456"},
        {"2147483646", ' ', "2 147 483 646"},
        {"", ',', ""},
        {"-", ',', "-"},
    };
    for (const GroupingCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "\"" << c.text << "\" with '" << static_cast<char>(c.separator) << "'");
        const Grouped grouped(c.text, c.separator);
        ASSERT_TRUE(grouped.TerminatedInside());
        EXPECT_EQ(grouped.Text(), c.expected);
        EXPECT_TRUE(grouped.CanariesIntact());
    }
}

TEST(SeparateThousands, LongTextsAreCutToNineteenCharacters) {
    const GroupingCase cases[] = {
        {"1234567890123456789012345", ',', "1,234,567,890,123,4"},
        {"123456789012345678901234", ',', "123,456,789,012,345"},
        // The cut would end on a separator: it stops at the digit before.
        {"12345678901234567890", ',', "12,345,678,901,234"},
        {"-12345678901234567890", ',', "-12,345,678,901,234"},
        {"-1234567890123456789012345678901234567890", ' ', "-1 234 567 890 123"},
    };
    for (const GroupingCase& c : cases) {
        SCOPED_TRACE(c.text);
        const Grouped grouped(c.text, c.separator);
        ASSERT_TRUE(grouped.TerminatedInside());
        EXPECT_EQ(grouped.Text(), c.expected);
        EXPECT_TRUE(grouped.CanariesIntact());
    }
}

TEST(SeparateThousands, TheProgramsOwnGroupingWritesWhatTheKernelWrites) {
    std::mt19937 random(31);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    for (const format::Separator separator :
         {format::Separator::Comma, format::Separator::Space, format::Separator::Apostrophe}) {
        for (int i = 0; i < 20000; ++i) {
            const int32_t n = i < 2000 ? i - 1000 : any(random);
            const std::string digits = std::to_string(n);
            const Grouped grouped(digits.c_str(), format::SeparatorCode(separator));
            ASSERT_EQ(format::FormatNumber(n, separator), grouped.Text()) << n;
        }
    }
}

TEST(SeparateThousands, NullTextGivesAnEmptyText) {
    const Grouped grouped(nullptr, ',');
    EXPECT_EQ(grouped.Text(), "");
    EXPECT_TRUE(grouped.CanariesIntact());
}

}  // namespace
}  // namespace numkern_test
