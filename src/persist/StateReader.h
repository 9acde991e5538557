#pragma once

#include <QByteArray>
#include <QString>

#include "persist/SavedState.h"
#include "persist/StateFilePath.h"

namespace persist {

// A larger file is refused unread; the largest file the program writes is
// well under 1 MB.
inline constexpr qint64 kMaxStateFileBytes = 16 * 1024 * 1024;

struct StateReadResult {
    SavedState state;   // items 1..itemsRead as read; the others as SavedState{} has them
    int itemsRead = 0;  // the caller applies these items, in order, before anything else
    bool ok = false;    // all 22 items were read
    QString error;      // the failure's description; empty on success
    // Something other than a folder stands at the file's path, and failed to
    // be read: saving over it would lose it for good (see KeepUnreadableFile).
    bool unreadableFile = false;
};

// True when `item` (1..22, see persist::item) was read and is to be applied.
bool WasRead(const StateReadResult& result, int item);

// Reads the 22 items from a state file's bytes (UTF-8; a byte that isn't
// becomes U+FFFD). Reading stops at the first item that is missing or not of
// its kind; any bytes are taken. Line ends are CR LF, LF or a lone CR.
// - An integer item: blanks skipped, then the text up to a comma or line end,
//   trailing blanks ignored, which must be a whole number that fits in an int;
//   item 17 must moreover be -1 or an index of the bins list.
// - A string item: blanks skipped; from a double quote to the closing one, ""
//   standing for one double quote, line breaks kept, the rest of that line
//   skipped; without a quote, the text up to a comma or line end, trailing
//   blanks ignored.
// Whatever follows item 22 is ignored.
StateReadResult ParseStateText(const QByteArray& bytes);

// Reads the state file at `location` with ParseStateText. A missing file, a
// folder that isn't ready, a file that cannot be read or one larger than
// kMaxStateFileBytes is a failure with no item read. Only a regular file is
// opened: a FIFO or a device is a failure unread (opening it may never end).
StateReadResult ReadStateFile(const StateFileLocation& location);

// Where an unreadable state file is kept: its path with ".bad" appended.
QString KeptAsidePath(const StateFileLocation& location);

// Renames the state file to KeptAsidePath, replacing an older file of that
// name, so that the next save cannot overwrite it. The failure's description,
// or empty text when it was kept.
QString KeepUnreadableFile(const StateFileLocation& location);

}  // namespace persist
