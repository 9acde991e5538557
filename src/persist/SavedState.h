#pragma once

#include <QString>

#include <array>

namespace persist {

// The state file holds 22 items, one per line, always all of them and in this
// order. The numbers are the ones the reader reports in its failures.
namespace item {
inline constexpr int kStartNumber = 1;      // Text1
inline constexpr int kEndNumber = 2;        // Text2
inline constexpr int kFilterA = 3;          // txbA
inline constexpr int kFilterType = 4;       // caption of lblFilterType
inline constexpr int kFilterB = 5;          // txbB
inline constexpr int kSeparator = 6;        // thousands separator code
inline constexpr int kFirstModeOption = 7;  // items 7..14, the eight mode options
inline constexpr int kShowPalmenColor = 15;
inline constexpr int kShowEKValue = 16;
inline constexpr int kBinsIndex = 17;      // selected entry of cboNumBins
inline constexpr int kResetCaption = 18;   // caption of cmdReset
inline constexpr int kSavedFilterA = 19;   // first value kept for "Restore"
inline constexpr int kSavedFilterB = 20;   // second value kept for "Restore"
inline constexpr int kSeparatorLine = 21;  // fixed text, read and ignored
inline constexpr int kOutputText = 22;     // Text3
}  // namespace item

// The mode options in the order of items 7..14: DisplayAllNumbers,
// DisplayAllFactors, DisplayPrimesOnly, DisplayPrimePairsOnly, CountPrimesOnly,
// DoNPFGraph, DoEKGraph, DoPCGraph.
inline constexpr int kModeOptionCount = 8;

// Entries of the bins list (40 ... 240); item 17 is one of their indexes or -1.
inline constexpr int kBinsEntryCount = 8;

// The 16 hyphens of item 21.
inline constexpr QLatin1StringView kSeparatorLineText{"----------------"};

// The window's text state, item for item as the state file keeps it: integers
// hold the file's codes (StateValues.h turns them into choices and back).
// Item 21 is not kept: it is written as kSeparatorLineText and ignored on reading.
struct SavedState {
    QString startNumber;
    QString endNumber;
    QString filterA;
    QString filterType;
    QString filterB;
    int separatorCode = 0;                            // 44, 32, 39 or 0
    std::array<int, kModeOptionCount> modeOptions{};  // -1 selected, 0 not
    int showPalmenColor = 0;                          // 1 checked, 0 not
    int showEKValue = 0;
    int binsIndex = -1;    // -1 when no entry is selected
    QString resetCaption;  // "No filter", "Clear" or "Restore"
    QString savedFilterA;
    QString savedFilterB;
    QString outputText;  // line breaks as CR LF

    bool operator==(const SavedState&) const = default;
};

}  // namespace persist
