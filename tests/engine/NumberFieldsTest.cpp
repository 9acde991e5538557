// Cleaning and reformatting the number fields.
#include <gtest/gtest.h>

#include "engine/NumberFields.h"

namespace enginetest {
namespace {

using format::Separator;

TEST(NormalizeNumberFields, OneFieldTable) {
    struct Case {
        std::string text;
        Separator separator;
        std::string expected;
        bool tooLarge;
    };
    const Case cases[] = {
        {"1234567", Separator::Comma, "1,234,567", false},
        {"0012 345", Separator::Comma, "12,345", false},
        {"1,234,567", Separator::None, "1234567", false},
        {"1234567", Separator::Apostrophe, "1'234'567", false},
        {"1234567", Separator::Space, "1 234 567", false},
        {"0000", Separator::Comma, "", false},
        {"", Separator::Comma, "", false},
        {"2147483646", Separator::Comma, "2,147,483,646", false},
        {"2147483647", Separator::Comma, "2,147,483,646", true},
        {"2147483647", Separator::None, "2147483646", true},
        {"99999999999", Separator::Comma, "2,147,483,646", true},
        {"002147483646", Separator::Comma, "2,147,483,646", false},
        {"1 000'000", Separator::Comma, "1,000,000", false},
    };
    for (const Case& c : cases) {
        engine::NumberFields start{c.text, "", "", ""};
        auto outcome = engine::NormalizeNumberFields(start, c.separator);
        EXPECT_EQ(start.start, c.expected) << c.text;
        EXPECT_EQ(outcome.startTooLarge, c.tooLarge) << c.text;
        EXPECT_FALSE(outcome.endTooLarge);

        engine::NumberFields end{"", c.text, "", ""};
        outcome = engine::NormalizeNumberFields(end, c.separator);
        EXPECT_EQ(end.end, c.expected) << c.text;
        EXPECT_EQ(outcome.endTooLarge, c.tooLarge) << c.text;
    }
}

TEST(NormalizeNumberFields, FilterFieldsAreNotLimited) {
    engine::NumberFields fields{"1", "2", "00010", "99999999999"};
    auto outcome = engine::NormalizeNumberFields(fields, Separator::Comma);
    EXPECT_TRUE(outcome.Ok());
    EXPECT_EQ(fields.filterA, "10");
    EXPECT_EQ(fields.filterB, "99,999,999,999");
}

TEST(NormalizeNumberFields, BothFieldsAlwaysProcessed) {
    engine::NumberFields fields{"3000000000", "4000000000", "0", "007"};
    auto outcome = engine::NormalizeNumberFields(fields, Separator::Space);
    EXPECT_TRUE(outcome.startTooLarge);
    EXPECT_TRUE(outcome.endTooLarge);
    EXPECT_EQ(fields.start, "2 147 483 646");
    EXPECT_EQ(fields.end, "2 147 483 646");
    EXPECT_EQ(fields.filterA, "");
    EXPECT_EQ(fields.filterB, "7");
}

TEST(NumberText, AcceptableAndLeadingNumber) {
    EXPECT_TRUE(engine::IsAcceptableNumberText("2,147,483,646"));
    EXPECT_FALSE(engine::IsAcceptableNumberText("2,147,483,647"));
    EXPECT_FALSE(engine::IsAcceptableNumberText("12345678901"));
    EXPECT_TRUE(engine::IsAcceptableNumberText("12abc"));
    EXPECT_EQ(engine::LeadingNumber("1,234 567"), 1234567);
    EXPECT_EQ(engine::LeadingNumber("12abc"), 12);
    EXPECT_EQ(engine::LeadingNumber("abc"), 0);
    EXPECT_EQ(engine::LeadingNumber(""), 0);
}

TEST(NormalizeNumberFields, PastedNonAsciiTextStaysAsItIs) {
    engine::NumberFields fields{
        "\xC3\xA9"
        "1234",
        "", "", ""};
    engine::NormalizeNumberFields(fields, Separator::Comma);
    const std::string once = fields.start;
    EXPECT_EQ(once,
              "\xC3\xA9"
              "1234");
    engine::NormalizeNumberFields(fields, Separator::Comma);
    EXPECT_EQ(fields.start, once);
}

TEST(NumberText, AnyBytesAreCleanedWithoutFailing) {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    const std::string cleaned = engine::CleanNumberText(bytes);
    EXPECT_EQ(cleaned.find(','), std::string::npos);
    EXPECT_EQ(cleaned.find('\''), std::string::npos);
    EXPECT_FALSE(engine::IsAcceptableNumberText(bytes));
}

}  // namespace
}  // namespace enginetest
