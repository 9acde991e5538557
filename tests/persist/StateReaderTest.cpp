#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "persist/StateReader.h"
#include "persist/StateTestSupport.h"
#include "persist/StateValues.h"

namespace persist {
namespace {

using test::FirstItems;
using test::JoinLines;
using test::SampleFileLines;
using test::SampleFileText;
using test::SampleState;

TEST(ParseStateText, ReadsTheSampleFile) {
    const StateReadResult result = ParseStateText(SampleFileText());
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.itemsRead, 22);
    EXPECT_EQ(result.error, QString());
    EXPECT_EQ(result.state, SampleState());
}

// One line of the sample file replaced, and what the reader makes of it.
struct LineCase {
    const char* name;
    int line;  // 1-based item line of the sample file
    QByteArray text;
    int itemsRead;
    QString error;
    // How a state read in full differs from the sample.
    void (*expectedChange)(SavedState&) = nullptr;
};

void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

class ReadingRule : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReadingRule, GivesItemsReadAndDescription) {
    const LineCase& c = GetParam();
    QList<QByteArray> lines = SampleFileLines();
    lines[c.line - 1] = c.text;
    const StateReadResult result = ParseStateText(JoinLines(lines));
    EXPECT_EQ(result.itemsRead, c.itemsRead);
    EXPECT_EQ(result.ok, c.itemsRead == 22);
    EXPECT_EQ(result.error, c.error);
    if (result.ok) {
        SavedState expected = SampleState();
        if (c.expectedChange) c.expectedChange(expected);
        EXPECT_EQ(result.state, expected);
    } else {
        EXPECT_EQ(result.state, FirstItems(SampleState(), c.itemsRead));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, ReadingRule,
    ::testing::Values(
        LineCase{"SeparatorZero", 6, "0", 22, "", [](SavedState& s) { s.separatorCode = 0; }},
        LineCase{"LeadingBlanksBeforeInteger", 6, "  \t32", 22, "",
                 [](SavedState& s) { s.separatorCode = 32; }},
        LineCase{"TrailingBlanksAfterInteger", 6, "44   ", 22, ""},
        LineCase{"EmptyInteger", 6, "", 5, "Item 6 is not a number."},
        LineCase{"LettersAfterDigits", 7, "4x", 6, "Item 7 is not a number."},
        LineCase{"Fraction", 15, "1.5", 14, "Item 15 is not a number."},
        LineCase{"QuotedInteger", 16, "\"0\"", 15, "Item 16 is not a number."},
        LineCase{"IntegerTooLarge", 9, "99999999999", 8, "Item 9 is not a number."},
        LineCase{"BinsNone", 17, "-1", 22, "", [](SavedState& s) { s.binsIndex = -1; }},
        LineCase{"BinsLast", 17, "7", 22, "", [](SavedState& s) { s.binsIndex = 7; }},
        LineCase{"BinsPastTheList", 17, "8", 16, "Item 17: the bins list has no entry 8."},
        LineCase{"BinsBelowNone", 17, "-2", 16, "Item 17: the bins list has no entry -2."},
        LineCase{"RestOfLineAfterQuoteSkipped", 18, "\"Restore\" , junk", 22, "",
                 [](SavedState& s) { s.resetCaption = "Restore"; }},
        LineCase{"UnquotedString", 19, "  seven 7  ", 22, "",
                 [](SavedState& s) { s.savedFilterA = "seven 7"; }},
        LineCase{"SeparatorLineIgnored", 21, "\"anything\"", 22, ""},
        LineCase{"OutputNeverClosed", 22, "\" 1,003 is prime", 21,
                 "Item 22 has no closing double quote."}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(ParseStateText, SeparatorZeroSelectsNone) {
    QList<QByteArray> lines = SampleFileLines();
    lines[5] = "0";
    const StateReadResult result = ParseStateText(JoinLines(lines));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.state.separatorCode, 0);
    EXPECT_EQ(SeparatorFromCode(result.state.separatorCode), format::Separator::None);
}

TEST(ParseStateText, QuotedStringSpansLinesAndUndoublesQuotes) {
    QList<QByteArray> lines = SampleFileLines();
    lines[0] = "\"a\"\"b\"";
    lines[3] = "\"first\r\nsecond\nthird\"";
    lines[4] = "\"\"\"\"";
    const StateReadResult result = ParseStateText(JoinLines(lines));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.state.startNumber, "a\"b");
    EXPECT_EQ(result.state.filterType, "first\r\nsecond\nthird");
    EXPECT_EQ(result.state.filterB, "\"");
}

TEST(ParseStateText, CommaEndsUnquotedItemsOnOneLine) {
    QList<QByteArray> lines = SampleFileLines();
    // Items 6..17 on one line, then items 1 and 2 unquoted on one line.
    lines.remove(6, 11);
    lines[5] = "44, 0,0,-1 ,0,0,0,0,0,1,0,5";
    lines.removeFirst();
    lines[0] = "one,  two  ";
    const StateReadResult result = ParseStateText(JoinLines(lines));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    SavedState expected = SampleState();
    expected.startNumber = "one";
    expected.endNumber = "two";
    EXPECT_EQ(result.state, expected);
}

TEST(ParseStateText, AcceptsLfAndCrLineEnds) {
    for (const char* lineEnd : {"\n", "\r"}) {
        QByteArray text = SampleFileText();
        text.replace("\r\n", lineEnd);
        const StateReadResult result = ParseStateText(text);
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        SavedState expected = SampleState();
        // Line breaks inside the quotes are kept as the file has them.
        expected.outputText = QString(" 1,003 is prime%1 1,009 is prime%1").arg(lineEnd);
        EXPECT_EQ(result.state, expected);
    }
}

TEST(ParseStateText, IgnoresWhatFollowsTheLastItem) {
    const StateReadResult result = ParseStateText(SampleFileText() + "junk\r\n\x01\x02\"");
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.state, SampleState());
}

TEST(ParseStateText, FileEndingEarlyAtEveryItem) {
    const QList<QByteArray> lines = SampleFileLines();
    for (int count = 0; count < 22; ++count) {
        SCOPED_TRACE(count);
        const StateReadResult result = ParseStateText(JoinLines(lines.first(count)));
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.itemsRead, count);
        EXPECT_EQ(result.error, QString("The state file ends before item %1.").arg(count + 1));
        EXPECT_EQ(result.state, FirstItems(SampleState(), count));
    }
}

TEST(ParseStateText, FileCutAtEveryByte) {
    const QByteArray full = SampleFileText();
    int previous = 0;
    for (qsizetype length = 0; length <= full.size(); ++length) {
        SCOPED_TRACE(length);
        const StateReadResult result = ParseStateText(full.first(length));
        // Only the closing quote of the output completes the file.
        EXPECT_EQ(result.ok, length >= full.size() - 2);
        EXPECT_EQ(result.ok, result.error.isEmpty());
        EXPECT_GE(result.itemsRead, previous);
        EXPECT_LE(result.itemsRead, 22);
        previous = result.itemsRead;
    }
}

TEST(ParseStateText, EmptyText) {
    const StateReadResult result = ParseStateText(QByteArray());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.itemsRead, 0);
    EXPECT_EQ(result.error, "The state file ends before item 1.");
    EXPECT_EQ(result.state, SavedState{});
}

TEST(ParseStateText, GarbageFailsWithADescriptionOfTheNextItem) {
    const QRegularExpression known(
        "^(The state file ends before item (\\d+)\\.|Item (\\d+) is not a number\\."
        "|Item (\\d+) has no closing double quote\\.|Item (\\d+): the bins list has no entry "
        "-?\\d+\\.)$");
    std::mt19937 random(20240611);
    for (int run = 0; run < 300; ++run) {
        QByteArray bytes(static_cast<qsizetype>(random() % 2000), '\0');
        for (char& byte : bytes) byte = static_cast<char>(random());
        const StateReadResult result = ParseStateText(bytes);
        SCOPED_TRACE(run);
        ASSERT_FALSE(result.ok);
        const QRegularExpressionMatch match = known.match(result.error);
        ASSERT_TRUE(match.hasMatch()) << result.error.toStdString();
        EXPECT_EQ(match.captured(match.lastCapturedIndex()).toInt(), result.itemsRead + 1);
    }
}

class ReadStateFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    StateFileLocation Location() const { return {m_dir.filePath("prmr.usr"), true, {}}; }

    QTemporaryDir m_dir;
};

TEST_F(ReadStateFileTest, ReadsAFile) {
    test::WriteBytes(Location().path, SampleFileText());
    const StateReadResult result = ReadStateFile(Location());
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.state, SampleState());
}

TEST_F(ReadStateFileTest, NoFileAtAll) {
    const StateReadResult result = ReadStateFile(Location());
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.unreadableFile);
    EXPECT_EQ(result.itemsRead, 0);
    EXPECT_EQ(result.error, "File not found: " + Location().path);
}

TEST_F(ReadStateFileTest, EmptyFile) {
    test::WriteBytes(Location().path, QByteArray());
    const StateReadResult result = ReadStateFile(Location());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.unreadableFile);
    EXPECT_EQ(result.itemsRead, 0);
    EXPECT_EQ(result.error, "The state file ends before item 1.");
}

TEST_F(ReadStateFileTest, FolderInPlaceOfTheFile) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("prmr.usr"));
    const StateReadResult result = ReadStateFile(Location());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Cannot open " + Location().path + ": file to open is a directory");
    EXPECT_FALSE(result.unreadableFile);  // a folder is not moved aside
}

TEST_F(ReadStateFileTest, AFifoIsNotOpened) {
    ASSERT_EQ(mkfifo(QFile::encodeName(Location().path).constData(), 0600), 0);
    alarm(20);  // opening a FIFO for reading waits for a writer: fail rather than hang
    const StateReadResult result = ReadStateFile(Location());
    alarm(0);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.unreadableFile);
    EXPECT_EQ(result.error, Location().path + " is not a regular file.");
}

TEST_F(ReadStateFileTest, AnUnreadableFileIsKeptAsideReplacingAnOlderOne) {
    test::WriteBytes(Location().path, "new");
    test::WriteBytes(KeptAsidePath(Location()), "old");
    EXPECT_EQ(KeptAsidePath(Location()), Location().path + ".bad");
    EXPECT_EQ(KeepUnreadableFile(Location()), QString());
    EXPECT_FALSE(QFile::exists(Location().path));
    EXPECT_EQ(test::ReadBytes(KeptAsidePath(Location())), "new");
    // Nothing to keep: the reason is given.
    EXPECT_EQ(KeepUnreadableFile(Location()), "No such file or directory");
}

TEST_F(ReadStateFileTest, FolderNotReady) {
    test::WriteBytes(Location().path, SampleFileText());
    const StateReadResult result = ReadStateFile({Location().path, false, "no folder"});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.itemsRead, 0);
    EXPECT_EQ(result.error, "no folder");
}

TEST_F(ReadStateFileTest, TenMegabytesOfOutputAreRead) {
    QList<QByteArray> lines = SampleFileLines();
    QByteArray output;
    while (output.size() < 10 * 1024 * 1024) output += " 2,147,483,629 is prime\r\n";
    lines[21] = '"' + output + '"';
    test::WriteBytes(Location().path, JoinLines(lines));
    const StateReadResult result = ReadStateFile(Location());
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.state.outputText, QString::fromLatin1(output));
}

TEST_F(ReadStateFileTest, TenMegabytesOfGarbageFail) {
    QByteArray bytes(10 * 1024 * 1024, '\0');
    std::mt19937 random(7);
    for (char& byte : bytes) byte = static_cast<char>(random());
    test::WriteBytes(Location().path, bytes);
    const StateReadResult result = ReadStateFile(Location());
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST_F(ReadStateFileTest, SixteenMegabytesAreTheLargestFileRead) {
    const QByteArray head = SampleFileText().chopped(3);  // without the closing quote and CR LF
    QByteArray text = head + QByteArray(kMaxStateFileBytes - head.size() - 1, 'x') + '"';
    ASSERT_EQ(text.size(), 16 * 1024 * 1024);
    test::WriteBytes(Location().path, text);
    EXPECT_TRUE(ReadStateFile(Location()).ok);

    test::WriteBytes(Location().path, text + ' ');
    const StateReadResult result = ReadStateFile(Location());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.itemsRead, 0);
    EXPECT_EQ(result.error, Location().path + " is larger than 16 MB and is not a state file.");
}

}  // namespace
}  // namespace persist
