#include "persist/StateMessages.h"

namespace persist {

QString SaveErrorText(const QString& description) {
    return kSaveErrorLead + QLatin1StringView("\r\n") + description;
}

QString RestoreErrorText(const QString& description) {
    return kRestoreErrorLead + QLatin1StringView("\r\n") + description;
}

std::optional<StateMessage> SaveOutcomeMessage(const SaveResult& result, bool quiet) {
    if (!result.ok) {
        return StateMessage{SaveErrorText(result.error), kSaveStateTitle,
                            StateMessageIcon::Warning};
    }
    if (quiet) return std::nullopt;
    return StateMessage{kStateSavedText, kSaveStateTitle, StateMessageIcon::Information};
}

std::optional<StateMessage> RestoreOutcomeMessage(const StateReadResult& result,
                                                  bool startupCompleted,
                                                  const QString& keptAsideNote) {
    if (!startupCompleted && keptAsideNote.isEmpty()) return std::nullopt;
    if (!result.ok) {
        QString description = result.error;
        if (!keptAsideNote.isEmpty()) description += QLatin1StringView("\r\n") + keptAsideNote;
        return StateMessage{RestoreErrorText(description), kRestoreStateTitle,
                            StateMessageIcon::Warning};
    }
    return StateMessage{kStateRestoredText, kRestoreStateTitle, StateMessageIcon::Information};
}

QString KeptAsideNote(const StateFileLocation& location, const QString& keepError) {
    if (keepError.isEmpty()) {
        return QStringLiteral("The file %1 was kept as %2, and the defaults were applied.")
            .arg(location.path, KeptAsidePath(location));
    }
    return QStringLiteral(
               "The file %1 could not be kept as %2 (%3); the state will not be "
               "saved over it.")
        .arg(location.path, KeptAsidePath(location), keepError);
}

QString NotReplacedText(const StateFileLocation& location) {
    return QStringLiteral("%1 could not be read, and it is not replaced.").arg(location.path);
}

}  // namespace persist
