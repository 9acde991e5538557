#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

#include "persist/StateReader.h"
#include "persist/StateTestSupport.h"
#include "persist/StateValues.h"
#include "persist/StateWriter.h"

namespace persist {
namespace {

// The window's choices behind one saved state.
struct Choices {
    format::Separator separator;
    int mode;  // 0..7 in the order of items 7..14
    bool showPalmenColor;
    bool showEKValue;
    int binsIndex;
    const char* resetCaption;
};

SavedState StateFor(const Choices& choices, int variant) {
    SavedState state = test::SampleState();
    state.separatorCode = format::SeparatorCode(choices.separator);
    for (int i = 0; i < kModeOptionCount; ++i)
        state.modeOptions[i] = OptionValue(i == choices.mode);
    state.showPalmenColor = CheckBoxValue(choices.showPalmenColor);
    state.showEKValue = CheckBoxValue(choices.showEKValue);
    state.binsIndex = choices.binsIndex;
    state.resetCaption = choices.resetCaption;
    state.startNumber = QString("%1").arg(variant);
    state.savedFilterA = QString("%1").arg(variant * 7);
    state.savedFilterB = variant % 2 ? QString() : QString("1 000'000");
    state.filterType = variant % 3 ? "^ N   +|-" : "/ N   -";
    state.outputText = QStringLiteral(
                           "Primes in 1 .. 23:\r\n 2 is prime\r\n\r\n"
                           " äöü ß € 😀 %1\r\n")
                           .arg(variant);
    return state;
}

TEST(StateRoundTrip, EveryItemSurvivesSaveAndRestore) {
    constexpr std::array separators{format::Separator::Comma, format::Separator::Space,
                                    format::Separator::Apostrophe, format::Separator::None};
    constexpr std::array captions{"No filter", "Clear", "Restore"};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const StateFileLocation location{dir.filePath("prmr.usr"), true, {}};
    int variant = 0;
    for (format::Separator separator : separators) {
        for (int mode = 0; mode < kModeOptionCount; ++mode) {
            for (int boxes = 0; boxes < 4; ++boxes) {
                const Choices choices{separator,        mode,
                                      (boxes & 1) != 0, (boxes & 2) != 0,
                                      variant % 9 - 1,  captions[variant % 3]};
                const SavedState state = StateFor(choices, variant++);
                SCOPED_TRACE(variant);
                ASSERT_TRUE(WriteStateFile(location, state).ok);
                const StateReadResult result = ReadStateFile(location);
                ASSERT_TRUE(result.ok) << result.error.toStdString();
                EXPECT_EQ(result.itemsRead, 22);
                EXPECT_EQ(result.state, state);
                EXPECT_EQ(SeparatorFromCode(result.state.separatorCode), separator);
                for (int i = 0; i < kModeOptionCount; ++i) {
                    EXPECT_EQ(IsOptionSelected(result.state.modeOptions[i]), i == mode);
                }
                EXPECT_EQ(IsCheckBoxChecked(result.state.showPalmenColor), choices.showPalmenColor);
                EXPECT_EQ(IsCheckBoxChecked(result.state.showEKValue), choices.showEKValue);
            }
        }
    }
    EXPECT_EQ(variant, 4 * 8 * 4);
}

TEST(StateRoundTrip, DoubleQuotesInsideTextsSurvive) {
    SavedState state = test::SampleState();
    const std::array texts{QString("\""),         QString("\"\""),     QString("a\"b"),
                           QString("\"start"),    QString("end\""),    QString("\",\""),
                           QString("\r\n\"\r\n"), QString(" \" , \" ")};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        state.startNumber = text;
        state.filterType = text;
        state.resetCaption = text;
        state.savedFilterB = text;
        state.outputText = "before " + text + " after\r\n" + text;
        const StateReadResult result = ParseStateText(StateFileText(state));
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_EQ(result.state, state);
    }
}

TEST(StateRoundTrip, TruncatedOutputReadsBackAsShown) {
    SavedState state = test::SampleState();
    state.outputText = OutputTextToSave(QString(61441, 'x'));
    const StateReadResult result = ParseStateText(StateFileText(state));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.state.outputText,
              QString(61440, 'x') + "\r\n[Output truncated to 60 KB.]\r\n");
}

}  // namespace
}  // namespace persist
