// primorator-cli run as a user runs it: whole standard output, messages and
// exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "engine/FakeHost.h"
#include "format/NumberText.h"
#include "support/DigitGrouping.h"
#include "support/EkValue.h"
#include "support/Factoring.h"
#include "util/ProgramFolder.h"

namespace {

struct Result {
    std::string out;
    std::string err;
    int status = -1;
};

std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (char c : argument) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

// Runs a shell command; its standard error goes to a file that is read back.
Result RunCommand(std::string command) {
    // One file per test process: CTest runs the tests of this program in parallel.
    const std::string errFile =
        ::testing::TempDir() + "/cli-stderr-" + std::to_string(getpid()) + ".txt";
    command += " 2>" + Quoted(errFile);
    Result result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 4096> buffer;
    size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), got);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile, std::ios::binary);
    result.err.assign(std::istreambuf_iterator<char>(err), {});
    std::remove(errFile.c_str());
    return result;
}

std::string CliCommand(const std::vector<std::string>& arguments,
                       const std::string& folder = util::ProgramFolder()) {
    std::string command = Quoted(util::JoinPath(folder, "primorator-cli"));
    for (const std::string& a : arguments) command += " " + Quoted(a);
    return command;
}

// Runs the tool of `folder` (default: the one built beside this test).
Result RunCli(const std::vector<std::string>& arguments,
              const std::string& folder = util::ProgramFolder()) {
    return RunCommand(CliCommand(arguments, folder));
}

TEST(CliRun, FactorsWithLfLineEnds) {
    Result r = RunCli({"1", "6"});
    EXPECT_EQ(r.out,
              " 1\n 2 is prime\n 3 is prime\n 4 = 2^2\n 5 is prime\n 6 = 2 * 3\n"
              " 3 primes found in range 1 through 6.\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
}

TEST(CliRun, CrLfAsInTheWindow) {
    Result r = RunCli({"--crlf", "--divisors", "12"});
    EXPECT_EQ(r.out, "# 12 has 4 proper factors:   2  3  4  6\r\n");
}

TEST(CliRun, SeparatorsAndFilters) {
    Result r =
        RunCli({"--primes", "--separator", "apostrophe", "--filter", "2^N-1", "1", "600000"});
    EXPECT_EQ(r.out,
              "Filter: 2^N - 1\nMersenne primes:\n 3 (N=2)\n 7 (N=3)\n 31 (N=5)\n"
              " 127 (N=7)\n 8'191 (N=13)\n 131'071 (N=17)\n 524'287 (N=19)\n"
              " 7 primes found in (filtered) range 1 through 600'000.\n");
    EXPECT_EQ(r.status, 0);
}

TEST(CliRun, EverythingStreamsUnlessTheWindowsLimitIsAskedFor) {
    Result limited = RunCli({"--limit", "1", "20000"});
    EXPECT_NE(limited.out.find("\n\nBuffer full.\n"), std::string::npos);
    EXPECT_EQ(limited.err, "primorator-cli: Cannot continue because the text buffer is full.\n");
    EXPECT_EQ(limited.status, 0);

    for (const auto& arguments :
         {std::vector<std::string>{"--separator", "none", "1", "20000"},
          std::vector<std::string>{"--no-limit", "--separator", "none", "1", "20000"}}) {
        Result streamed = RunCli(arguments);
        EXPECT_EQ(streamed.out.find("Buffer full."), std::string::npos);
        EXPECT_NE(streamed.out.find(
                      "\n 20000 = (2^5) * (5^4)\n 2262 primes found in range 1 through 20000.\n"),
                  std::string::npos);
        EXPECT_EQ(streamed.err, "");
        EXPECT_EQ(streamed.status, 0);
    }
}

TEST(CliRun, OneThreadAndTwoWriteTheSame) {
    const std::vector<std::vector<std::string>> runs = {
        {"--no-limit", "--show-count", "1000000000", "1000030000"},
        {"--no-limit", "--divisors", "--filter", "7*N+3", "5", "60000"},
        {"--ek", "--bins", "240", "1500000000", "1500050000"},
    };
    for (const auto& run : runs) {
        std::vector<std::string> one = {"--threads", "1"};
        std::vector<std::string> two = {"--threads", "2"};
        one.insert(one.end(), run.begin(), run.end());
        two.insert(two.end(), run.begin(), run.end());
        const Result a = RunCli(one);
        const Result b = RunCli(two);
        EXPECT_GT(a.out.size(), 500u) << run.back();
        EXPECT_EQ(a.out, b.out) << run.back();
        EXPECT_EQ(a.err, b.err) << run.back();
        EXPECT_EQ(a.status, 0);
        EXPECT_EQ(b.status, 0);
    }
}

TEST(CliRun, BadInputGetsAMessageAndStatusTwo) {
    struct Case {
        std::vector<std::string> arguments;
        std::string err;
    };
    const std::string tryHelp = "Try 'primorator-cli --help'.\n";
    const std::vector<Case> cases = {
        {{""},
         "primorator-cli: START '' is not a whole number (digits, with , ' or blanks among "
         "them)\n" +
             tryHelp},
        {{"1e6"},
         "primorator-cli: START '1e6' is not a whole number (digits, with , ' or blanks "
         "among them)\n" +
             tryHelp},
        {{"5", "-3"}, "primorator-cli: unknown option '-3'\n" + tryHelp},
        {{"0"}, "primorator-cli: Nothing to do!\n"},
        {{"12345678901"}, "primorator-cli: Start number too large.\n"},
        {{"2147483647"}, "primorator-cli: Start number too large.\n"},
        {{"10", "5"}, "primorator-cli: End number must not be less than start number.\n"},
        {{"--filter", "0^N+1", "1", "10"}, "primorator-cli: First filter value invalid.\n"},
        {{"--filter", "1*N+1", "1", "10"}, "primorator-cli: First filter value must be > 1.\n"},
        {{"--count", "--filter", "4*N+2", "3", "100"},
         "primorator-cli: Filtered range contains no primes.\n"},
        {{"--bogus"}, "primorator-cli: unknown option '--bogus'\n" + tryHelp},
        {{std::string(100000, '9')}, "primorator-cli: Start number too large.\n"},
    };
    for (const Case& c : cases) {
        Result r = RunCli(c.arguments);
        EXPECT_EQ(r.status, 2) << c.err;
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
}

TEST(CliRun, FilterErrorEndsNormally) {
    Result r = RunCli({"--filter", "2^N-2147483646", "1", "5"});
    EXPECT_EQ(r.out, "Filter: 2^N - 2,147,483,646\nFilter error: Overflow\n");
    EXPECT_EQ(r.err, "primorator-cli: Overflow\nprimorator-cli: Overflow\n");
    EXPECT_EQ(r.status, 0);
}

TEST(CliRun, NpfTableAgainstTrialDivision) {
    Result r = RunCli({"--npf", "2", "5000"});
    ASSERT_EQ(r.status, 0) << r.err;
    int counts[10] = {};
    for (int n = 2; n <= 5000; ++n) ++counts[oracle::CountDistinctPrimes(n)];
    for (int k = 1; k <= 5; ++k) {
        if (counts[k] == 0) continue;
        const std::string count = oracle::GroupDigits(counts[k]);
        const std::regex row("\\n +" + std::to_string(k) + " +" + count + "\\n");
        EXPECT_TRUE(std::regex_search(r.out, row)) << k << ": " << count << "\n" << r.out;
    }
    EXPECT_NE(r.out.find("Range: 2 to 5,000\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");
}

// The EK rows of 1,000,000 * N + 1 (N = 1 .. 50, 240 bins) as the rules make
// them: the rendering at the 50th number merges the first two adjacent
// filled bins and stops the scan there; the final picture merges the first
// two of what is left.
TEST(CliRun, EkTableIsTheFinalPicturesRows) {
    Result r =
        RunCli({"--ek", "--bins", "240", "--filter", "1000000*N+1", "1000000", "2147483646"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::array<int, 241> bins{};
    const long double width = 5.0L / 240;
    const long double lowerEdge = -61 * width;
    for (int64_t n = 1000001; n <= 50000001; n += 1000000) {
        const double x = oracle::EkValue(static_cast<int32_t>(n));
        ++bins[static_cast<size_t>(std::floor((x - lowerEdge) / width))];
    }
    for (int rendering = 0; rendering < 2; ++rendering) {
        for (size_t i = 0; i + 1 < bins.size(); ++i) {
            if (bins[i] > 0 && bins[i + 1] > 0) {
                bins[i + 1] += bins[i];
                bins[i] = 0;
                break;
            }
        }
    }
    std::string expected;
    std::smatch row;
    const std::regex rowPattern(" +\\d+ +(\\d+) +\\[[-0-9.,]+\\) +(\\d+)");
    std::string actual;
    for (auto it = std::sregex_iterator(r.out.begin(), r.out.end(), rowPattern);
         it != std::sregex_iterator(); ++it) {
        actual += (*it)[1].str() + ":" + (*it)[2].str() + " ";
    }
    for (size_t i = 0; i < bins.size(); ++i) {
        if (bins[i] > 0) expected += std::to_string(i + 1) + ":" + std::to_string(bins[i]) + " ";
    }
    EXPECT_EQ(actual, expected) << r.out;
    EXPECT_NE(r.out.find("Range: 1,000,000 to 50,000,001\n"), std::string::npos) << r.out;
}

TEST(CliRun, EkRunStopsWhereTheEngineAloneStops) {
    enginetest::FakeHost host;
    host.request.startText = "1000000";
    host.request.endText = "3000000";
    host.request.mode = engine::ComputeMode::DoEKGraph;
    host.Run();
    ASSERT_LT(host.histogram.lastNumber, 3000000);
    Result r = RunCli({"--ek", "1000000", "3000000"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Range: 1,000,000 to " +
                         format::FormatNumber(host.histogram.lastNumber, format::Separator::Comma) +
                         "\n"),
              std::string::npos)
        << r.out;
}

TEST(CliRun, AMissingOrBrokenLineFitLibraryFailsThePaletteRun) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::path(::testing::TempDir()) / ("no-lsqkern-" + std::to_string(getpid()));
    fs::create_directories(folder);
    for (const char* file : {"primorator-cli", "libnumkern.so", "libtxtbank.so", "prmr.dat"}) {
        fs::copy_file(fs::path(util::ProgramFolder()) / file, folder / file,
                      fs::copy_options::overwrite_existing);
    }
    for (const bool broken : {false, true}) {
        if (broken) std::ofstream(folder / "liblsqkern.so") << "not a library";
        Result r = RunCli({"--pc", "1", "1000"}, folder.string());
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.rfind("primorator-cli: Cannot load the line-fit library ", 0), 0u) << r.err;
        // The text modes need no line fit.
        EXPECT_EQ(RunCli({"--count", "1", "1000"}, folder.string()).status, 0);
    }
    fs::remove_all(folder);
}

TEST(CliRun, APictureNeedsThePictureLibraryAndNothingElseDoes) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::path(::testing::TempDir()) / ("no-image-library-" + std::to_string(getpid()));
    fs::create_directories(folder);
    for (const char* file :
         {"primorator-cli", "libnumkern.so", "libtxtbank.so", "liblsqkern.so", "prmr.dat"}) {
        fs::copy_file(fs::path(util::ProgramFolder()) / file, folder / file,
                      fs::copy_options::overwrite_existing);
    }
    const std::string image = (folder / "colours.bmp").string();
    for (const bool broken : {false, true}) {
        if (broken) std::ofstream(folder / "libprimorator-image.so") << "not a library";
        Result r = RunCli({"--pc", "--image", image, "1", "1000"}, folder.string());
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.rfind("primorator-cli: Cannot load the picture library " +
                                  (folder / "libprimorator-image.so").string() + ": ",
                              0),
                  0u)
            << r.err;
        // Refused before the run: nothing was written.
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(fs::exists(image));
        // Without --image the same run needs no picture.
        EXPECT_EQ(RunCli({"--pc", "1", "1000"}, folder.string()).status, 0);
    }
    fs::remove_all(folder);
}

TEST(CliRun, AnOutputThatCannotBeWrittenEndsTheRunWithStatusOne) {
    struct Case {
        std::vector<std::string> arguments;
        std::string redirection;
        std::string reason;
    };
    const Case cases[] = {
        {{"1", "1000"}, ">/dev/full", "No space left on device"},
        {{"--no-limit", "1", "1000"}, ">/dev/full", "No space left on device"},
        // Lines enough to be written in large gathered pieces.
        {{"--no-limit", "1000000000", "1000200000"}, ">/dev/full", "No space left on device"},
        {{"--npf", "2", "1000"}, ">/dev/full", "No space left on device"},
        {{"--help"}, ">/dev/full", "No space left on device"},
        {{"--version"}, ">/dev/full", "No space left on device"},
        {{"1", "1000"}, ">&-", "Bad file descriptor"},
        // The whole range would take minutes: the run stops at the closed pipe.
        {{"--no-limit", "1", "2147483646"}, "| head -c 10 >/dev/null", "Broken pipe"},
    };
    for (const Case& c : cases) {
        const std::string command =
            "trap '' PIPE; " + CliCommand(c.arguments) + " " + c.redirection;
        // The exit status of the tool, not of the pipe's last command.
        Result r = RunCommand("bash -c " + Quoted("set -o pipefail; " + command));
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.err, "primorator-cli: cannot write the output: " + c.reason + "\n") << command;
    }
}

TEST(CliRun, HistogramRefusalsAndImage) {
    Result small = RunCli({"--ek", "5", "10"});
    EXPECT_EQ(small.status, 2);
    EXPECT_EQ(small.err, "primorator-cli: Start number must be at least 1,000,000\n");
    Result bins = RunCli({"--ek", "--bins", "50", "1000000", "1000100"});
    EXPECT_EQ(bins.status, 2);
    EXPECT_EQ(bins.err,
              "primorator-cli: --bins takes 40, 48, 60, 80, 96, 120, 160 or 240, not '50'\n"
              "Try 'primorator-cli --help'.\n");
    Result textImage = RunCli({"--image", "x.bmp", "1", "10"});
    EXPECT_EQ(textImage.status, 2);

    const std::string image = ::testing::TempDir() + "/colours.bmp";
    std::remove(image.c_str());
    Result colours = RunCli({"--pc", "--image", image, "1", "20000"});
    EXPECT_EQ(colours.status, 0) << colours.err;
    std::ifstream file(image, std::ios::binary);
    std::string header(2, '\0');
    file.read(header.data(), 2);
    EXPECT_EQ(header, "BM");
    EXPECT_NE(colours.out.find("Formula for linear fit: Percent = "), std::string::npos);

    Result unwritable = RunCli({"--pc", "--image", "/nonexistent-folder/x.bmp", "1", "2000"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("/nonexistent-folder/x.bmp"), std::string::npos)
        << unwritable.err;
}

TEST(CliRun, InterruptStopsTheScanWithItsSummary) {
    const std::string out = ::testing::TempDir() + "/cli-interrupt-" + std::to_string(getpid());
    const std::string command = Quoted(util::ProgramFolder() + "primorator-cli") +
                                " --primes --no-limit --separator none 1 2147483646 > " +
                                Quoted(out) +
                                " 2>/dev/null & pid=$!; sleep 1; kill -INT $pid; "
                                "wait $pid; echo $?";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::array<char, 64> status{};
    ASSERT_NE(fgets(status.data(), status.size(), pipe), nullptr);
    pclose(pipe);
    EXPECT_EQ(std::string(status.data()), "130\n");
    std::ifstream file(out, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), {});
    std::remove(out.c_str());
    // The summary counts the lines listed and names the number reached.
    const std::regex summary("\n ([0-9]+) primes found in range 1(\n?) through ([0-9]+)\\.\n$");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(text, match, summary)) << text.substr(text.size() - 200);
    const long summaryLines = match[2].length() == 0 ? 1 : 2;
    const long listed = std::count(text.begin(), text.end(), '\n') - 1 - summaryLines;
    EXPECT_EQ(std::stol(match[1]), listed);
    EXPECT_LT(std::stoll(match[3]), 2147483646LL);
}

TEST(CliRun, HelpAndVersion) {
    for (const char* option : {"--help", "-h"}) {
        Result help = RunCli({option});
        EXPECT_EQ(help.out.rfind("Usage: primorator-cli [MODE] [OPTION]... START [END]\n", 0), 0u);
        EXPECT_EQ(help.status, 0);
    }
    for (const char* option : {"--version", "-V"}) {
        EXPECT_EQ(RunCli({option}).out, "primorator-cli 11.09\n");
    }
}

TEST(CliRun, ResultsOnlyCountedPairsAndCsv) {
    struct Case {
        std::vector<std::string> arguments;
        std::string out;
    };
    const Case cases[] = {
        {{"--primes", "--bare", "1", "30"}, "2\n3\n5\n7\n11\n13\n17\n19\n23\n29\n"},
        {{"--bare", "999", "1001"}, "999 = (3^3) * 37\n1000 = (2^3) * (5^3)\n1001 = 7 * 11 * 13\n"},
        {{"--bare", "--separator", "comma", "1000", "1000"}, "1,000 = (2^3) * (5^3)\n"},
        {{"--pairs", "--bare", "--filter", "6*N+|-1", "1", "20"}, "5 7\n11 13\n17 19\n"},
        {{"--divisors", "--bare", "11", "12"},
         "11 is prime\n12 has 4 proper factors:   2  3  4  6\n"},
        {{"--count", "--pairs", "1", "100"}, " 8 prime pairs found in range 1 through 100.\n"},
        {{"--npf", "--csv", "2", "30"}, "number of prime factors,count\n1,16\n2,12\n3,1\n"},
        {{"--pc", "--csv", "--filter", "10*N+1", "1", "100"},
         "colour,name,count,per cent\n0,black,1,10.0000\n1,red,5,50.0000\n"
         "2,green,3,30.0000\n3,yellow,0,0.0000\n4,blue,1,10.0000\n5,magenta,0,0.0000\n"
         "6,cyan,0,0.0000\n7,white,0,0.0000\n"},
    };
    for (const Case& c : cases) {
        Result r = RunCli(c.arguments);
        EXPECT_EQ(r.out, c.out) << c.arguments.front();
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.status, 0);
    }
    // The EK table's rows as data: each filled bin, its edges and count.
    Result ek = RunCli({"--ek", "--csv", "--bins", "40", "1000000", "1000499"});
    EXPECT_EQ(ek.out.rfind("bin,lower edge,upper edge,count\n", 0), 0u);
    const std::regex row("([0-9]+),(-?[0-9]+\\.[0-9]{6}),(-?[0-9]+\\.[0-9]{6}),([0-9]+)\n");
    long total = 0;
    for (auto it = std::sregex_iterator(ek.out.begin(), ek.out.end(), row);
         it != std::sregex_iterator(); ++it) {
        const int bin = std::stoi((*it)[1]);
        EXPECT_NEAR(std::stod((*it)[2]), (bin - 1 - 11) * 0.125, 1e-6) << bin;
        EXPECT_NEAR(std::stod((*it)[3]), (bin - 11) * 0.125, 1e-6) << bin;
        total += std::stol((*it)[4]);
    }
    EXPECT_EQ(total, 500);
}

TEST(CliRun, NumbersFromStandardInput) {
    struct Case {
        std::string input;
        std::vector<std::string> arguments;
        std::string out;
        std::string err;
        int status;
    };
    const Case cases[] = {
        {"12 1\n2\t 13\n", {}, " 12 = (2^2) * 3\n 1\n 2 is prime\n 13 is prime\n", "", 0},
        {"1,000 0 x7 3000000000 7",
         {"--bare"},
         "1000 = (2^3) * (5^3)\n7 is prime\n",
         "primorator-cli: '0' is not a number from 1 to 2,147,483,646\n"
         "primorator-cli: 'x7' is not a number from 1 to 2,147,483,646\n"
         "primorator-cli: '3000000000' is not a number from 1 to 2,147,483,646\n",
         1},
        {"12 2", {"--divisors"}, "# 12 has 4 proper factors:   2  3  4  6\n# 2 is prime\n", "", 0},
        {"", {}, "", "", 0},
    };
    for (const Case& c : cases) {
        const std::string input = ::testing::TempDir() + "/cli-input-" + std::to_string(getpid());
        std::ofstream(input) << c.input;
        Result r = RunCommand(CliCommand(c.arguments) + " <" + Quoted(input));
        std::remove(input.c_str());
        EXPECT_EQ(r.out, c.out) << c.input;
        EXPECT_EQ(r.err, c.err) << c.input;
        EXPECT_EQ(r.status, c.status) << c.input;
    }
    // Every number of a long stream, as the range scan writes them before its summary.
    Result range = RunCli({"--bare", "999990", "1001000"});
    Result stream = RunCommand("seq 999990 1001000 | " + CliCommand({"--bare"}));
    EXPECT_EQ(std::count(stream.out.begin(), stream.out.end(), '\n'), 1011);
    EXPECT_EQ(stream.out, range.out);
}

}  // namespace
