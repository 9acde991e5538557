#include "txtbank.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "CApi.h"
#include "util/TempFolder.h"

namespace {

using namespace std::string_literals;
using testing_support::TempFolder;

int32_t Load(const std::string& contents, int16_t language = 0) {
    TempFolder folder;
    return lt(folder.Write("texts.dat", contents).c_str(), language);
}

// Text `number`, or "<none r>" when gt gives r < 1.
std::string Text(int16_t number, int16_t language = 0) {
    char buffer[1024];
    const int32_t length = gt(number, language, buffer, sizeof buffer, 1);
    if (length < 1) return "<none " + std::to_string(length) + ">";
    return std::string(buffer, static_cast<size_t>(length));
}

// A file of `lines` lines: one text on the first, comments after it.
std::string FileOfLines(int lines, size_t commentLength = 10) {
    std::string contents = "1\tfirst\n";
    for (int i = 1; i < lines; ++i) contents += "#" + std::string(commentLength, 'c') + "\n";
    return contents;
}

TEST(Txtbank, ReadsTextsCommentsAndBlankLines) {
    const std::string contents =
        "\xEF\xBB\xBF# Program texts\n"
        "\n"
        "  \t \r\n"
        "17\tmanual.html\r\n"
        " 24 \tSave this picture?\n"
        "25\tline one\\nline two\n"
        "26\tback\\\\slash, \\t and \\x stay, end\\\n"
        "27\tcolumn\tafter a tab \n"
        "-4\tnegative\n"
        "32767\ttop\n"
        "-32768\tbottom\n"
        "0009\tleading zeros";
    EXPECT_EQ(Load(contents), 9);
    EXPECT_EQ(Text(17), "manual.html");
    EXPECT_EQ(Text(24), "Save this picture?");
    EXPECT_EQ(Text(25), "line one\nline two");
    EXPECT_EQ(Text(26), "back\\slash, \\t and \\x stay, end\\");
    EXPECT_EQ(Text(27), "column\tafter a tab ");
    EXPECT_EQ(Text(-4), "negative");
    EXPECT_EQ(Text(32767), "top");
    EXPECT_EQ(Text(-32768), "bottom");
    EXPECT_EQ(Text(9), "leading zeros");
    EXPECT_EQ(Text(18), "<none 0>");
}

TEST(Txtbank, FaultyLinesGiveTheirCodes) {
    struct Case {
        std::string contents;
        int32_t result;
    };
    const std::string tooLong = "1\t" + std::string(1025, 'y');
    const Case cases[] = {
        {"17\n", -501},
        {"17", -501},
        {"17\t\n", -501},
        {"17\t\r\n", -501},
        {"\tx\n", -501},
        {"abc\tx\n", -501},
        {"1 2\tx\n", -501},
        {"-\tx\n", -501},
        {"+5\tx\n", -501},
        {"32768\tx\n", -501},
        {"-32769\tx\n", -501},
        {"99999999999999999999\tx\n", -501},
        {"1\ta\0b\n"s, -501},
        {"# head\n\n1\tone\n  # not a comment\n", -504},
        {tooLong, -1001},
        {"# a\n# b\n" + tooLong + "\n", -1003},
        {"1\tone\n1\tagain\n", -1502},
        {"1\tone\n\n# c\n001\tagain\n", -1504},
        {"0\tzero\n-0\tagain\n", -1502},
        // the first faulty line decides
        {"x\n" + tooLong + "\n", -501},
        {tooLong + "\nx\n", -1001},
        {"1\tone\n1\tagain\nx\n", -1502},
        {"", -6},
        {"# only comments\n\n   \n", 0},
        {"\xEF\xBB\xBF", 0},
        {"\n", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Load(c.contents), c.result) << c.contents.substr(0, 40);
}

TEST(Txtbank, LengthLimitCountsBytesAfterEscapes) {
    EXPECT_EQ(Load("1\t" + std::string(1024, 'x') + "\n"), 1);
    EXPECT_EQ(Text(1), std::string(1024, 'x'));
    EXPECT_EQ(Load("1\t" + std::string(1023, 'x') + "\\n\n"), 1);
    EXPECT_EQ(Text(1), std::string(1023, 'x') + "\n");
    std::string breaks;
    for (int i = 0; i < 1024; ++i) breaks += "\\n";
    EXPECT_EQ(Load("1\t" + breaks + "\n"), 1);
    EXPECT_EQ(Text(1), std::string(1024, '\n'));
    EXPECT_EQ(Load("1\t" + breaks + "\\n\n"), -1001);
    // 512 two-byte characters fill the limit; one more byte is too many.
    std::string accented;
    for (int i = 0; i < 512; ++i) accented += "\xc3\xa9";
    EXPECT_EQ(Load("1\t" + accented + "\n"), 1);
    EXPECT_EQ(Load("1\t" + accented + "e\n"), -1001);
}

TEST(Txtbank, AtMostFiveHundredLines) {
    EXPECT_EQ(Load(FileOfLines(500)), 1);
    EXPECT_EQ(Load(FileOfLines(501)), -3);
    EXPECT_EQ(Load(FileOfLines(499) + "2\n"), -1000);
    EXPECT_EQ(Load(FileOfLines(499) + "1\tagain\n"), -2000);
}

TEST(Txtbank, HugeFiles) {
    // About 1 MB in 500 lines.
    const std::string megabyte = FileOfLines(500, 2100);
    ASSERT_GT(megabyte.size(), 1000000u);
    EXPECT_EQ(Load(megabyte), 1);
    EXPECT_EQ(Text(1), "first");
    EXPECT_EQ(Load("1\t" + std::string(1 << 20, 'z')), -1001);
    EXPECT_EQ(Load("#" + std::string(1 << 20, 'z') + "\n5\tfive\n"), 1);
    EXPECT_EQ(Text(5), "five");
    EXPECT_EQ(Load(std::string((16 << 20) + 1, '#')), -3);
}

TEST(Txtbank, BinaryContentsAreRefusedSafely) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string noise(1 << 20, '\0');
    for (char& c : noise) c = static_cast<char>(byte(random));
    const int32_t noiseResult = Load(noise);
    // Random bytes split into far more than 500 lines; some line is faulty before that.
    EXPECT_TRUE(noiseResult == -3 || (noiseResult <= -501 && noiseResult >= -2000)) << noiseResult;
    EXPECT_EQ(Text(1), "<none 0>");

    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    EXPECT_EQ(Load(everyByte), -501);
    EXPECT_EQ(Load("7\t" + everyByte.substr(11)), 1);  // every byte after the line feed
    EXPECT_EQ(Text(7), everyByte.substr(11));
}

TEST(Txtbank, TextsAreBytesWhateverTheirEncoding) {
    const std::string latin1 = "Erd\xf6s \xff\xfe\x80";
    EXPECT_EQ(Load("3\t" + latin1 + "\n4\tErd\xc5\x91s\xe2\x80\x93Kac\n"), 2);
    EXPECT_EQ(Text(3), latin1);
    EXPECT_EQ(Text(4), "Erd\xc5\x91s\xe2\x80\x93Kac");
}

TEST(Txtbank, FilesThatCannotBeRead) {
    TempFolder folder;
    EXPECT_EQ(lt((folder.Path() / "absent.dat").c_str(), 0), -1);
    EXPECT_EQ(lt(nullptr, 0), -1);
    EXPECT_EQ(lt("", 0), -1);
    EXPECT_EQ(lt(folder.Path().c_str(), 0), -7);
}

TEST(Txtbank, LookupNeverWritesPastTheSize) {
    ASSERT_EQ(Load("1\tabcdef\n2\ta\xc3\xa9z\n3\t\xe2\x80\x93\n"), 3);
    char buffer[16];
    std::string(16, '#').copy(buffer, 16);
    EXPECT_EQ(gt(1, 0, buffer, 3, 1), 3);
    EXPECT_EQ(std::string(buffer, 16), "abc#############");
    // A NUL follows when there is room.
    EXPECT_EQ(gt(1, 0, buffer, 7, 1), 6);
    EXPECT_EQ(std::string(buffer, 8), "abcdef\0#"s);
    // No room for the NUL: the byte after the size stays as it was.
    std::string(16, '#').copy(buffer, 16);
    EXPECT_EQ(gt(1, 0, buffer, 6, 1), 6);
    EXPECT_EQ(std::string(buffer, 8), "abcdef##");
    // A cut never splits a character.
    std::string(16, '#').copy(buffer, 16);
    EXPECT_EQ(gt(2, 0, buffer, 2, 1), 1);
    EXPECT_EQ(std::string(buffer, 3), "a\0#"s);
    EXPECT_EQ(gt(2, 0, buffer, 3, 1), 3);
    EXPECT_EQ(std::string(buffer, 3), "a\xc3\xa9");
    EXPECT_EQ(gt(3, 0, buffer, 2, 1), 0);
    EXPECT_EQ(gt(3, 0, buffer, 3, 1), 3);
    EXPECT_EQ(gt(1, 0, buffer, 0, 1), -1);
    EXPECT_EQ(gt(1, 0, buffer, -5, 1), -1);
    EXPECT_EQ(gt(1, 0, nullptr, 16, 1), -1);
}

TEST(Txtbank, LookupWithoutTextLeavesAnEmptyString) {
    ASSERT_EQ(Load("1\tabcdef\n3\t\xe2\x80\x93\n"), 2);
    struct Case {
        const char* what;
        int16_t number;
        int16_t language;
        int32_t size;
        int32_t start;
    };
    const Case cases[] = {
        {"no such text", 2, 0, 16, 1},
        {"no such language", 1, 7, 16, 1},
        {"start past the end", 1, 0, 16, 7},
        {"start far past the end", 1, 0, 16, 1000},
        {"a character that does not fit", 3, 0, 2, 1},
        {"no such text, buffer of one byte", 2, 0, 1, 1},
    };
    for (const Case& c : cases) {
        char buffer[16];
        std::string(16, '#').copy(buffer, 16);
        EXPECT_EQ(gt(c.number, c.language, buffer, c.size, c.start), 0) << c.what;
        // The NUL alone: nothing else of the buffer is written.
        EXPECT_EQ(std::string(buffer, 16), "\0###############"s) << c.what;
    }
    // After a failed load the language holds no text, and a lookup says so the same way.
    ASSERT_EQ(Load("1\tone\n1\ttwo\n"), -1502);
    char buffer[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(gt(1, 0, buffer, 4, 1), 0);
    EXPECT_EQ(std::string(buffer, 4), "\0###"s);
}

TEST(Txtbank, LookupFromAStartPosition) {
    ASSERT_EQ(Load("1\tabcdef\n"), 1);
    char buffer[16];
    EXPECT_EQ(gt(1, 0, buffer, 16, 3), 4);
    EXPECT_EQ(std::string(buffer, 4), "cdef");
    EXPECT_EQ(gt(1, 0, buffer, 16, 6), 1);
    EXPECT_EQ(gt(1, 0, buffer, 16, 7), 0);
    EXPECT_EQ(gt(1, 0, buffer, 16, 0), 6);
    EXPECT_EQ(gt(1, 0, buffer, 16, -9), 6);
}

TEST(Txtbank, LanguagesAreKeptApartAndLoadsReplace) {
    ASSERT_EQ(Load("1\tone\n2\ttwo\n", 0), 2);
    ASSERT_EQ(Load("1\teins\n", 1), 1);
    EXPECT_EQ(Text(1, 0), "one");
    EXPECT_EQ(Text(1, 1), "eins");
    EXPECT_EQ(Text(2, 1), "<none 0>");
    EXPECT_EQ(Text(1, 2), "<none 0>");
    // A new load replaces the language's texts; a failed one leaves none.
    ASSERT_EQ(Load("3\tthree\n", 0), 1);
    EXPECT_EQ(Text(1, 0), "<none 0>");
    EXPECT_EQ(Text(3, 0), "three");
    EXPECT_EQ(Load("3\tthree\n4\n", 0), -502);
    EXPECT_EQ(Text(3, 0), "<none 0>");
    EXPECT_EQ(Text(1, 1), "eins");
}

TEST(Txtbank, CallableFromC) {
    TempFolder folder;
    const std::string path = folder.Write("texts.dat", "12\ttwelve\n");
    EXPECT_EQ(LoadFromC(path.c_str(), 5), 1);
    char buffer[8];
    EXPECT_EQ(TextFromC(12, 5, buffer, sizeof buffer), 6);
    EXPECT_EQ(std::string(buffer), "twelve");
}

}  // namespace
