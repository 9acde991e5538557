#pragma once

#include <QLatin1StringView>
#include <QString>

#include <optional>

#include "persist/StateReader.h"
#include "persist/StateWriter.h"

namespace persist {

// The texts of the messages around the state file; the window shows them.
inline constexpr QLatin1StringView kSaveStateTitle{"Save state"};
inline constexpr QLatin1StringView kRestoreStateTitle{"Restore state"};
inline constexpr QLatin1StringView kStateSavedText{"State saved OK."};
inline constexpr QLatin1StringView kStateRestoredText{"State restored OK."};
inline constexpr QLatin1StringView kSaveErrorLead{"Error when attempting to save state:"};
inline constexpr QLatin1StringView kRestoreErrorLead{"Error when attempting to restore state:"};

enum class StateMessageIcon { Information, Warning };

// One modal message box.
struct StateMessage {
    QString text;
    QString title;
    StateMessageIcon icon = StateMessageIcon::Information;

    bool operator==(const StateMessage&) const = default;
};

// kSaveErrorLead, CR LF and `description`.
QString SaveErrorText(const QString& description);
// kRestoreErrorLead, CR LF and `description`.
QString RestoreErrorText(const QString& description);

// What follows a save: a failure is always reported (also at program end);
// a success is confirmed unless the save was quiet.
std::optional<StateMessage> SaveOutcomeMessage(const SaveResult& result, bool quiet);

// What follows a restore: nothing while start-up runs, else its success or
// its failure. On failure the window has applied the items read and then its
// defaults. A failure with a note on the file that could not be read (see
// KeptAsideNote) is reported also during start-up: the window shows it once
// start-up is complete.
std::optional<StateMessage> RestoreOutcomeMessage(const StateReadResult& result,
                                                  bool startupCompleted,
                                                  const QString& keptAsideNote = {});

// The note on a state file that could not be read: where it was kept, or,
// when `keepError` tells why it could not be moved, that saving will not
// replace it.
QString KeptAsideNote(const StateFileLocation& location, const QString& keepError);

// Why a save does not replace a state file that could be neither read nor kept aside.
QString NotReplacedText(const StateFileLocation& location);

}  // namespace persist
