#pragma once

#include <QLatin1StringView>
#include <QString>

namespace persist {

// The state file's name inside its folder.
inline constexpr QLatin1StringView kStateFileName{"prmr.usr"};

// Where the state file lives, fixed once at start-up.
struct StateFileLocation {
    QString path;              // full path of the file
    bool folderReady = false;  // the folder exists (or was just created)
    QString error;             // why the folder is not ready; empty when it is
};

// `fileName` in the folder `folderName` beneath the user's application-data
// folder (QStandardPaths::GenericDataLocation, so $XDG_DATA_HOME or
// ~/.local/share). Creates the folder when missing. Never throws: a folder that
// cannot be created is reported in the result, and saving then reports it
// while restoring falls back to the defaults.
StateFileLocation StateFilePath(const QString& fileName, const QString& folderName);

}  // namespace persist
