#include <gtest/gtest.h>

#include "persist/StateMessages.h"
#include "persist/StateTestSupport.h"
#include "persist/StateValues.h"

namespace persist {
namespace {

TEST(SaveOutcomeMessage, SuccessIsConfirmedUnlessQuiet) {
    const SaveResult saved{true, {}};
    EXPECT_EQ(SaveOutcomeMessage(saved, false),
              (StateMessage{"State saved OK.", "Save state", StateMessageIcon::Information}));
    EXPECT_EQ(SaveOutcomeMessage(saved, true), std::nullopt);
}

TEST(SaveOutcomeMessage, FailureIsShownEvenWhenQuiet) {
    const StateMessage expected{"Error when attempting to save state:\r\nDisk full", "Save state",
                                StateMessageIcon::Warning};
    for (bool quiet : {false, true}) {
        EXPECT_EQ(SaveOutcomeMessage({false, "Disk full"}, quiet), expected) << quiet;
    }
}

TEST(RestoreOutcomeMessage, NothingIsShownDuringStartUp) {
    StateReadResult failed;
    failed.error = "File not found: x";
    StateReadResult succeeded;
    succeeded.ok = true;
    succeeded.itemsRead = 22;
    EXPECT_EQ(RestoreOutcomeMessage(failed, false), std::nullopt);
    EXPECT_EQ(RestoreOutcomeMessage(succeeded, false), std::nullopt);
}

TEST(RestoreOutcomeMessage, AfterStartUpSuccessOrFailureIsShown) {
    StateReadResult failed;
    failed.itemsRead = 6;
    failed.error = "The state file ends before item 7.";
    EXPECT_EQ(RestoreOutcomeMessage(failed, true),
              (StateMessage{"Error when attempting to restore state:\r\n"
                            "The state file ends before item 7.",
                            "Restore state", StateMessageIcon::Warning}));
    StateReadResult succeeded;
    succeeded.ok = true;
    succeeded.itemsRead = 22;
    EXPECT_EQ(RestoreOutcomeMessage(succeeded, true),
              (StateMessage{"State restored OK.", "Restore state", StateMessageIcon::Information}));
}

TEST(WasRead, ItemsUpToTheCountAreRead) {
    StateReadResult result;
    result.itemsRead = 17;
    EXPECT_TRUE(WasRead(result, item::kStartNumber));
    EXPECT_TRUE(WasRead(result, item::kBinsIndex));
    EXPECT_FALSE(WasRead(result, item::kResetCaption));
    EXPECT_FALSE(WasRead(result, item::kOutputText));
}

TEST(StateValues, SeparatorCodes) {
    struct Case {
        int code;
        format::Separator separator;
    };
    for (const Case& c : {Case{44, format::Separator::Comma}, Case{32, format::Separator::Space},
                          Case{39, format::Separator::Apostrophe}, Case{0, format::Separator::None},
                          Case{-1, format::Separator::None}, Case{46, format::Separator::None},
                          Case{300, format::Separator::None}}) {
        EXPECT_EQ(SeparatorFromCode(c.code), c.separator) << c.code;
    }
}

TEST(StateValues, OptionsAndCheckBoxes) {
    EXPECT_EQ(OptionValue(true), -1);
    EXPECT_EQ(OptionValue(false), 0);
    EXPECT_EQ(CheckBoxValue(true), 1);
    EXPECT_EQ(CheckBoxValue(false), 0);
    for (int value : {-2, 0, 1, 2}) EXPECT_FALSE(IsOptionSelected(value)) << value;
    EXPECT_TRUE(IsOptionSelected(-1));
    for (int value : {-1, 1, 2, 44}) EXPECT_TRUE(IsCheckBoxChecked(value)) << value;
    EXPECT_FALSE(IsCheckBoxChecked(0));
}

}  // namespace
}  // namespace persist
