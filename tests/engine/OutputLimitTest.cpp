// The output limit: checked before each number, cut by 256 characters, with
// "Buffer full." on a line of its own.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "engine/OutputLimit.h"

namespace enginetest {
namespace {

using engine::ComputeMode;

const std::string kFullNote = "\r\n\r\nBuffer full.\r\n";

FakeHost HostWithOutput(size_t length, const std::string& start, const std::string& end,
                        ComputeMode mode) {
    FakeHost host;
    host.output = TestOutput(std::string(length, 'x'));
    host.request.startText = start;
    host.request.endText = end;
    host.request.mode = mode;
    return host;
}

TEST(OutputLimit, BoundaryBeforeTheFirstNumber) {
    // The separator line adds 52 characters before the check at n = 3.
    FakeHost atLimit =
        HostWithOutput(engine::kOutputLimit - 52, "3", "4", ComputeMode::DisplayAllNumbers);
    atLimit.Run();
    // 55,296 lets 3 through; the check before 4 then finds 55,309 and cuts.
    EXPECT_EQ(atLimit.Text(), std::string(55309 - 256, 'x') + kFullNote);

    FakeHost overLimit =
        HostWithOutput(engine::kOutputLimit - 51, "3", "4", ComputeMode::DisplayAllNumbers);
    overLimit.Run();
    EXPECT_EQ(overLimit.Text(), std::string(engine::kOutputLimit + 1 - 256, 'x') + kFullNote);
    ASSERT_EQ(overLimit.messages.shown.size(), 1u);
    EXPECT_EQ(overLimit.messages.shown[0],
              (engine::Message{"Cannot continue because the text buffer is full.", "Out of memory",
                               engine::MessageIcon::Warning}));
    EXPECT_EQ(overLimit.busyLeft, 1);
}

TEST(OutputLimit, ExactlyAtLimitDoesNotStop) {
    RecordingMessages messages;
    engine::OutputBuffer probe;
    probe.Append(std::string(engine::kOutputLimit, 'y'));
    EXPECT_FALSE(engine::CheckOutputLimit(probe, messages));
    probe.Append("z");
    EXPECT_TRUE(engine::CheckOutputLimit(probe, messages));
    EXPECT_EQ(probe.Text(), std::string(engine::kOutputLimit + 1 - 256, 'y') + kFullNote);
}

TEST(OutputLimit, FillingInEveryTextModeEndsWithBufferFull) {
    for (ComputeMode mode : {ComputeMode::DisplayAllNumbers, ComputeMode::DisplayAllFactors,
                             ComputeMode::DisplayPrimesOnly, ComputeMode::DisplayPrimePairsOnly}) {
        FakeHost host = HostWithOutput(0, "1", "2000000", mode);
        host.output = TestOutput();
        host.Run();
        const std::string& text = host.Text();
        ASSERT_GE(text.size(), kFullNote.size());
        EXPECT_EQ(text.substr(text.size() - kFullNote.size()), kFullNote);
        EXPECT_LE(text.size(), engine::kOutputLimit + 200 - 256 + kFullNote.size());
        EXPECT_EQ(text.find(" found in range"), std::string::npos);
    }
}

TEST(OutputLimit, HistogramRunStartedOnAFullOutputStopsAtOnce) {
    FakeHost host = HostWithOutput(engine::kOutputLimit + 10, "2", "100", ComputeMode::DoNPFGraph);
    host.Run();
    EXPECT_EQ(host.Text(), std::string(engine::kOutputLimit + 10 - 256, 'x') + kFullNote);
    EXPECT_EQ(host.flags.currentNumber, 0);  // nothing scanned
}

}  // namespace
}  // namespace enginetest
