#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include "persist/SavedState.h"
#include "persist/StateFilePath.h"

namespace persist {

// The output window keeps at most this many characters in the state file.
inline constexpr qsizetype kSavedOutputLimit = 61440;
// Appended to an output text that was cut to kSavedOutputLimit.
inline constexpr QLatin1StringView kTruncationMarker{"\r\n[Output truncated to 60 KB.]\r\n"};

// The output text to save and to show from now on: `text` itself when it has
// at most kSavedOutputLimit characters (UTF-16 code units, a line break being
// CR LF), else its first kSavedOutputLimit characters followed by
// kTruncationMarker. Applying it to its own result changes nothing, so saving
// twice writes the same file.
QString OutputTextToSave(const QString& text);

// The bytes of the state file for `state`: the 22 items in order, each ended by
// CR LF, strings in double quotes with a double quote inside written twice,
// integers in decimal. UTF-8. The output text is written as given; the caller
// has applied OutputTextToSave to it.
QByteArray StateFileText(const SavedState& state);

struct SaveResult {
    bool ok = false;
    QString error;  // the failure's description; empty on success
};

// Replaces the state file at `location` with StateFileText(state). The file is
// written beside the old one and renamed over it, so a save that fails part way
// leaves the last good file as it was.
SaveResult WriteStateFile(const StateFileLocation& location, const SavedState& state);

}  // namespace persist
