// The command line and the filter expression.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/FilterExpression.h"
#include "cli/ProgressLine.h"
#include "cli/StreamOutput.h"

namespace {

using engine::ComputeMode;

TEST(FilterExpression, Forms) {
    struct Case {
        const char* text;
        const char* a;
        const char* caption;
        const char* b;
    };
    const Case cases[] = {
        {"2^N+1", "2", "^ N   +", "1"},
        {"10 * N - 3", "10", "* N   -", "3"},
        {"12/N+|-0", "12", "/ N   +|-", "0"},
        {"3*N", "3", "* N   +", ""},
        {" 1,000 * n + 7 ", "1,000", "* N   +", "7"},
        {"0^N+1", "0", "^ N   +", "1"},
    };
    for (const Case& c : cases) {
        std::string error;
        auto fields = cli::ParseFilterExpression(c.text, error);
        ASSERT_TRUE(fields.has_value()) << c.text << ": " << error;
        EXPECT_EQ(fields->aText, c.a) << c.text;
        EXPECT_EQ(engine::FilterCaption(fields->form), c.caption) << c.text;
        EXPECT_EQ(fields->bText, c.b) << c.text;
    }
}

TEST(FilterExpression, Refusals) {
    for (const char* text : {"", "N+1", "2+N", "2^M+1", "2^N*1", "2^N+", "2^N+1x", "2^^N+1",
                             "2^N+-1", "abc", "2^N+|1"}) {
        std::string error;
        EXPECT_FALSE(cli::ParseFilterExpression(text, error).has_value()) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(FilterExpression, NumbersBeginWithADigit) {
    // A number of separators alone would be read as an empty field, the filter
    // then dropped without a word; a separator in front of the digits is refused too.
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {",*N", "the number a must begin with a digit"},
        {"'*N", "the number a must begin with a digit"},
        {",5*N+1", "the number a must begin with a digit"},
        {" , 5 * N + 1", "the number a must begin with a digit"},
        {",,", "the number a must begin with a digit"},
        {"5*N+,", "the number b must begin with a digit"},
        {"5*N-,3", "the number b must begin with a digit"},
        {"2^N+|-'1", "the number b must begin with a digit"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(cli::ParseFilterExpression(c.text, error).has_value()) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
    // Separators between and after the digits stay allowed.
    std::string error;
    auto fields = cli::ParseFilterExpression("1,000,*N+2'5", error);
    ASSERT_TRUE(fields.has_value()) << error;
    EXPECT_EQ(fields->aText, "1,000,");
    EXPECT_EQ(fields->bText, "2'5");

    EXPECT_FALSE(cli::ParseArguments({"--filter", ",*N", "1", "12"}, error).has_value());
    EXPECT_EQ(error, "--filter ',*N': the number a must begin with a digit");
}

TEST(Arguments, ModesAndOptions) {
    std::string error;
    auto options = cli::ParseArguments(
        {"--pairs", "--separator", "space", "--filter", "6*N+|-1", "--show-color", "--show-count",
         "--no-limit", "--crlf", "--threads", "1", "1", "1,000"},
        error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_EQ(options->mode, ComputeMode::DisplayPrimePairsOnly);
    EXPECT_EQ(options->separator, format::Separator::Space);
    ASSERT_TRUE(options->filter.has_value());
    EXPECT_EQ(engine::FilterCaption(options->filter->form), "* N   +|-");
    EXPECT_TRUE(options->showColor && options->showCount && options->crlf);
    EXPECT_FALSE(options->limit || options->countPairs || options->bare);
    EXPECT_EQ(options->startText, "1");
    EXPECT_EQ(options->endText, "1,000");
    EXPECT_EQ(options->threads, 1);

    options = cli::ParseArguments({"12"}, error);
    ASSERT_TRUE(options.has_value());
    EXPECT_EQ(options->threads, 0);
    EXPECT_EQ(options->mode, ComputeMode::DisplayAllNumbers);
    EXPECT_EQ(options->separator, format::Separator::Comma);
    EXPECT_EQ(options->endText, "");

    // --opt=value as well as --opt value; -- ends the options.
    options = cli::ParseArguments({"--separator=none", "--bins=240", "--ek", "--threads=2", "--",
                                   "1 000 000", "0002,000,000"},
                                  error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_EQ(options->separator, format::Separator::None);
    EXPECT_EQ(options->binsEntry, 7);
    EXPECT_EQ(options->threads, 2);
    EXPECT_EQ(options->startText, "1 000 000");
    EXPECT_EQ(options->endText, "0002,000,000");

    // --count with --pairs counts the pairs, in either order.
    for (const auto& modes : {std::vector<std::string>{"--count", "--pairs", "1", "9"},
                              std::vector<std::string>{"--pairs", "--count", "1", "9"}}) {
        options = cli::ParseArguments(modes, error);
        ASSERT_TRUE(options.has_value()) << error;
        EXPECT_EQ(options->mode, ComputeMode::DisplayPrimePairsOnly);
        EXPECT_TRUE(options->countPairs);
    }
    // Results only: no grouping unless one is asked for.
    options = cli::ParseArguments({"--bare", "--limit", "1", "9"}, error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_TRUE(options->bare && options->limit);
    EXPECT_EQ(options->separator, format::Separator::None);
    options = cli::ParseArguments({"--bare", "--separator", "comma", "1", "9"}, error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_EQ(options->separator, format::Separator::Comma);
    // No START: the numbers come from standard input.
    options = cli::ParseArguments({"--divisors"}, error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_EQ(options->startText, "");
    // -h and -V.
    options = cli::ParseArguments({"-h"}, error);
    ASSERT_TRUE(options.has_value() && options->help);
    options = cli::ParseArguments({"-V"}, error);
    ASSERT_TRUE(options.has_value() && options->version);
}

TEST(Arguments, Refusals) {
    struct Case {
        std::vector<std::string> arguments;
        const char* error;
    };
    const char* notANumber = "' is not a whole number (digits, with , ' or blanks among them)";
    const std::vector<Case> cases = {
        {{"--primes"},
         "a start number is needed (numbers are read from standard input with --factor or "
         "--divisors and no filter)"},
        {{"--filter", "3*N"},
         "a start number is needed (numbers are read from standard input with --factor or "
         "--divisors and no filter)"},
        {{"1", "2", "3"}, "at most a start and an end number may be given"},
        {{"--bogus", "1"}, "unknown option '--bogus'"},
        {{"-v", "1"}, "unknown option '-v'"},
        {{"-p", "1"}, "unknown option '-p'"},
        {{"-3"}, "unknown option '-3'"},
        {{"--bogus=1", "1"}, "unknown option '--bogus'"},
        {{"--crlf=yes", "1"}, "option '--crlf' takes no value"},
        {{"--primes=1", "1"}, "option '--primes' takes no value"},
        {{"--separator"}, "--separator needs a value"},
        {{"--separator", "dot", "1"},
         "--separator takes comma, space, apostrophe or none, not 'dot'"},
        {{"--separator=", "1"}, "--separator takes comma, space, apostrophe or none, not ''"},
        {{"--filter"}, "--filter needs a value"},
        {{"--primes", "--count", "1"}, "only one mode may be given (or --count with --pairs)"},
        {{"--count", "--pairs", "--primes", "1"},
         "only one mode may be given (or --count with --pairs)"},
        {{"--threads", "3", "1"}, "--threads takes 1 or 2, not '3'"},
        {{"--threads", "0", "1"}, "--threads takes 1 or 2, not '0'"},
        {{"--threads"}, "--threads needs a value"},
        {{"--csv", "1", "9"}, "--csv goes with --npf, --ek or --pc"},
        {{"--image=x.png", "1", "9"}, "--image goes with --npf, --ek or --pc"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(cli::ParseArguments(c.arguments, error).has_value()) << c.error;
        EXPECT_EQ(error, c.error);
    }
    // Numbers are digits and separators, nothing else.
    for (const std::string text :
         {"1e6", "0x10", "12abc", "1.5", "7-", "\u0661\u0662", "", " ", ",'", "+5", "--1"}) {
        for (const bool end : {false, true}) {
            std::string error;
            const std::vector<std::string> arguments =
                end ? std::vector<std::string>{"--", "5", text}
                    : std::vector<std::string>{"--", text};
            EXPECT_FALSE(cli::ParseArguments(arguments, error).has_value()) << text;
            EXPECT_EQ(error, std::string(end ? "END '" : "START '") + text + notANumber);
        }
    }
    std::string error;
    EXPECT_FALSE(cli::ParseArguments({"--filter", "2^", "1"}, error).has_value());
    EXPECT_EQ(error.rfind("--filter '2^': ", 0), 0u) << error;
}

TEST(StreamOutput, LineEnds) {
    EXPECT_EQ(cli::WithLineEnds(" 1\r\n 2 is prime\r\n", false), " 1\n 2 is prime\n");
    EXPECT_EQ(cli::WithLineEnds(" 1\r\n", true), " 1\r\n");
    EXPECT_EQ(cli::WithLineEnds("a\rb\r", false), "a\rb\r");
}

TEST(StreamOutput, PiecesFollowTheGatheredTextInOrder) {
    // Small texts are gathered; large pieces are written where they lie,
    // after what was gathered before them, and all of it through a pipe
    // that a slow reader empties a little at a time.
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    std::string received;
    std::thread reader([&] {
        std::array<char, 4096> chunk;
        for (ssize_t got; (got = read(ends[0], chunk.data(), chunk.size())) > 0;) {
            received.append(chunk.data(), static_cast<size_t>(got));
        }
        close(ends[0]);
    });
    std::FILE* stream = fdopen(ends[1], "w");
    ASSERT_NE(stream, nullptr);
    std::string expected;
    {
        cli::StreamOutput output(stream);
        for (int round = 0; round < 3; ++round) {
            const std::string small = "small " + std::to_string(round) + "\n";
            output.Append(small);
            const std::vector<std::string> texts = {std::string(300000, char('a' + round)), "",
                                                    std::string(70000, char('x' + round))};
            const std::vector<std::string_view> pieces(texts.begin(), texts.end());
            output.AppendPieces(pieces);
            // Pieces that are small together are gathered as any text.
            const std::vector<std::string_view> few = {"b", "c"};
            output.AppendPieces(few);
            expected += small + texts[0] + texts[2] + "bc";
        }
        EXPECT_EQ(output.Length(), expected.size());
        output.Flush();
        EXPECT_FALSE(output.WriteFailed()) << output.WriteError();
    }
    std::fclose(stream);
    reader.join();
    EXPECT_EQ(received, expected);
}

TEST(ProgressLine, Text) {
    EXPECT_EQ(cli::ProgressLine::Text(500000, 1, 1000000, 2.0, format::Separator::Comma),
              "  500,000  50.0%  250,000/s  2 s left");
    EXPECT_EQ(cli::ProgressLine::Text(1000000, 1, 1000000, 4.0, format::Separator::None),
              "  1000000  100.0%  250000/s  0 s left");
}

}  // namespace
