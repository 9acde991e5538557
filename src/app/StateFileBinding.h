#pragma once

#include <QObject>

#include <optional>

#include "persist/SavedState.h"
#include "persist/StateFilePath.h"
#include "persist/StateMessages.h"
#include "persist/StateReader.h"

namespace app {

class FilterControls;
class MessageService;
class ModeOptions;
class ModesPanel;
class NumbersPanel;
class OutputWindow;
class SeparatorPanel;

// The window's side of the state file: which control each item comes from
// and goes to, and the messages around saving and restoring.
class StateFileBinding final : public QObject {
    Q_OBJECT

public:
    struct Parts {
        const NumbersPanel& numberFields;
        const ModesPanel& modeControls;
        ModeOptions& modes;
        SeparatorPanel& separators;
        FilterControls& filter;
        OutputWindow& output;
        MessageService& messages;
    };

    explicit StateFileBinding(Parts parts);

    // Fixed once at start-up.
    void SetLocation(persist::StateFileLocation location) { m_location = std::move(location); }

    // Writes the file; an output longer than the file keeps is shortened in
    // the window too. A failure is always reported; a success only when not quiet.
    void SaveState(bool quiet);
    // Reads the file and applies it item by item; a failure keeps the items
    // read and then asks for the defaults. Reports only once start-up is
    // complete, but for a file that could not be read: it is kept aside
    // (prmr.usr.bad) before anything can save over it, and that is reported
    // also during start-up, by ShowStartupWarning.
    void RestoreState(bool startupCompleted);
    // The warning of a start-up restore, if it left one; shown once.
    void ShowStartupWarning();

signals:
    // The file could not be read whole: the window's defaults apply, at once.
    void defaultsNeeded();

private:
    persist::SavedState Collect();
    void Apply(const persist::StateReadResult& read);

    Parts m_parts;
    persist::StateFileLocation m_location;
    std::optional<persist::StateMessage> m_startupWarning;
    // The file could be neither read nor kept aside: saving would lose it.
    bool m_keepFileUnreplaced = false;
};

}  // namespace app
