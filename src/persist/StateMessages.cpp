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
                                                  bool startupCompleted) {
    if (!startupCompleted) return std::nullopt;
    if (!result.ok) {
        return StateMessage{RestoreErrorText(result.error), kRestoreStateTitle,
                            StateMessageIcon::Warning};
    }
    return StateMessage{kStateRestoredText, kRestoreStateTitle, StateMessageIcon::Information};
}

}  // namespace persist
