#include "util/ProgramTexts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "util/ProgramFolder.h"
#include "util/TempFolder.h"

namespace {

using testing_support::TempFolder;

TEST(LoadFailureMessage, Table) {
    const std::string path = "/opt/primorator/prmr.dat";
    struct Case {
        int result;
        std::string message;
    };
    const Case cases[] = {
        {1, ""},
        {42, ""},
        {0, "No program text was read."},
        {-1, "Cannot open file containing program text.\r\n/opt/primorator/prmr.dat"},
        {-2, "Particular memory allocation error."},
        {-3, "Too much program text."},
        {-4, "Text not recovered."},
        {-5, "Error -5"},
        {-6, "File is empty."},
        {-7, "Error reading file."},
        {-8, "General memory allocation error."},
        {-9, "Error -9"},
        {-123, "Error -123"},
        {-500, "Error -500"},
        {-501, "Missing string at line 1."},
        {-737, "Missing string at line 237."},
        {-1000, "Missing string at line 500."},
        {-1001, "String too long at line 1."},
        {-1237, "String too long at line 237."},
        {-1500, "String too long at line 500."},
        {-1501, "Duplicate in program text at line 1."},
        {-1737, "Duplicate in program text at line 237."},
        {-2000, "Duplicate in program text at line 500."},
        {-100000, "Duplicate in program text at line 98500."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(util::LoadFailureMessage(c.result, path), c.message) << c.result;
    }
}

TEST(ProgramTexts, LoadsAFileAndFindsItsTexts) {
    TempFolder folder;
    folder.Write("texts.dat", "# comment\n5\tfive\n310\tState\\nfolder\n7\tcaf\xc3\xa9\n");
    util::ProgramTexts texts;
    const util::ProgramTextsLoad load = texts.LoadProgramTexts(folder.Path().string(), "texts.dat");
    EXPECT_TRUE(load.succeeded) << load.message;
    EXPECT_EQ(load.result, 3);
    EXPECT_EQ(load.message, "");
    EXPECT_EQ(load.fullPath, (folder.Path() / "texts.dat").string());
    EXPECT_EQ(texts.ProgramText(5), "five");
    EXPECT_EQ(texts.ProgramText(310), "State\nfolder");
    EXPECT_EQ(texts.ProgramText(7), "caf\xc3\xa9");
    EXPECT_EQ(texts.ProgramText(6), "");
    EXPECT_EQ(texts.ProgramText(-5), "");
}

TEST(ProgramTexts, LongestTextComesBackWhole) {
    TempFolder folder;
    const std::string longest(1024, 'x');
    folder.Write("texts.dat", "1\t" + longest + "\n");
    util::ProgramTexts texts;
    ASSERT_TRUE(texts.LoadProgramTexts(folder.Path().string(), "texts.dat").succeeded);
    EXPECT_EQ(texts.ProgramText(1), longest);
}

TEST(ProgramTexts, NothingBeforeALoad) {
    util::ProgramTexts texts;
    EXPECT_EQ(texts.ProgramText(17), "");
}

TEST(ProgramTexts, MissingFileNamesItsFullPath) {
    TempFolder folder;
    const std::string withSlash = folder.Path().string() + "/";
    for (const std::string& base : {folder.Path().string(), withSlash}) {
        util::ProgramTexts texts;
        const util::ProgramTextsLoad load = texts.LoadProgramTexts(base, "prmr.dat");
        const std::string fullPath = folder.Path().string() + "/prmr.dat";
        EXPECT_FALSE(load.succeeded);
        EXPECT_EQ(load.result, -1);
        EXPECT_EQ(load.fullPath, fullPath);
        EXPECT_EQ(load.message, "Cannot open file containing program text.\r\n" + fullPath);
    }
}

TEST(ProgramTexts, RootFolderGetsOneSlash) {
    util::ProgramTexts texts;
    const util::ProgramTextsLoad load = texts.LoadProgramTexts("/", "primorator-no-such-file.dat");
    EXPECT_EQ(load.fullPath, "/primorator-no-such-file.dat");
    EXPECT_EQ(load.message,
              "Cannot open file containing program text.\r\n/primorator-no-such-file.dat");
}

TEST(ProgramTexts, FaultyFilesGiveTheirMessages) {
    struct Case {
        std::string contents;
        std::string message;
    };
    const Case cases[] = {
        {"", "File is empty."},
        {"# only a comment\n\n", "No program text was read."},
        {"1\tone\n\n17\n", "Missing string at line 3."},
        {"1\t" + std::string(1025, 'y') + "\n", "String too long at line 1."},
        {"1\tone\n# again\n1\tanother\n", "Duplicate in program text at line 3."},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        folder.Write("prmr.dat", c.contents);
        util::ProgramTexts texts;
        const util::ProgramTextsLoad load =
            texts.LoadProgramTexts(folder.Path().string(), "prmr.dat");
        EXPECT_FALSE(load.succeeded);
        EXPECT_EQ(load.message, c.message);
        EXPECT_EQ(texts.ProgramText(1), "");
    }
}

TEST(ProgramTexts, FolderInsteadOfFileIsAReadError) {
    TempFolder folder;
    std::filesystem::create_directory(folder.Path() / "prmr.dat");
    util::ProgramTexts texts;
    const util::ProgramTextsLoad load = texts.LoadProgramTexts(folder.Path().string(), "prmr.dat");
    EXPECT_EQ(load.result, -7);
    EXPECT_EQ(load.message, "Error reading file.");
}

TEST(ProgramTexts, MissingLibraryIsNamed) {
    util::ProgramTexts texts("/primorator-no-such-folder");
    const util::ProgramTextsLoad load = texts.LoadProgramTexts(util::ProgramFolder(), "prmr.dat");
    EXPECT_FALSE(load.succeeded);
    EXPECT_EQ(load.message.rfind("Cannot load the program-text library "
                                 "/primorator-no-such-folder/libtxtbank.so: ",
                                 0),
              0u)
        << load.message;
    EXPECT_EQ(texts.ProgramText(17), "");
}

TEST(ProgramTexts, LibraryWithoutTheFunctionsIsNamed) {
    // The number-theory kernel is a real library that lacks lt and gt.
    TempFolder folder;
    std::filesystem::copy_file(std::filesystem::path(util::ProgramFolder()) / "libnumkern.so",
                               folder.Path() / "libtxtbank.so");
    util::ProgramTexts texts(folder.Path().string());
    const util::ProgramTextsLoad load = texts.LoadProgramTexts(util::ProgramFolder(), "prmr.dat");
    EXPECT_FALSE(load.succeeded);
    EXPECT_EQ(load.message, "The program-text library " + folder.Path().string() +
                                "/libtxtbank.so has no function 'lt'.");
    EXPECT_EQ(texts.ProgramText(17), "");
}

TEST(ShippedProgramTexts, LoadAndHoldEveryNumberThatIsAskedFor) {
    util::ProgramTexts texts;
    const util::ProgramTextsLoad load = texts.LoadProgramTexts(util::ProgramFolder(), "prmr.dat");
    ASSERT_TRUE(load.succeeded) << load.message;
    EXPECT_EQ(load.result, 11);
    EXPECT_EQ(texts.ProgramText(17), "manual.html");
    EXPECT_EQ(texts.ProgramText(27), "Clear");
    EXPECT_EQ(texts.ProgramText(28), "Show graphics screen");
    EXPECT_EQ(texts.ProgramText(29), "Show text screen");
    EXPECT_EQ(texts.ProgramText(310), "Primorator");
    EXPECT_EQ(texts.ProgramText(315), "about.html");
    for (int16_t number : {24, 25, 26, 30, 31}) {
        const std::string text = texts.ProgramText(number);
        EXPECT_FALSE(text.empty()) << number;
        // Each is one line of a message, caption or sentence.
        EXPECT_EQ(text.find('\n'), std::string::npos) << number;
    }
    EXPECT_EQ(texts.ProgramText(24).back(), '?');
    // The introduction's middle sentence stands between two sentences.
    EXPECT_EQ(texts.ProgramText(31).back(), '.');
    EXPECT_EQ(texts.ProgramText(1), "");
}

}  // namespace
