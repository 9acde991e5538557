#pragma once

#include <functional>
#include <optional>

#include "persist/SavedState.h"
#include "persist/StateFilePath.h"
#include "persist/StateMessages.h"
#include "persist/StateReader.h"

namespace app {

class FilterControls;
class MessageService;
class ModeOptions;
class OutputWindow;
class SeparatorOptions;
struct MainWindowControls;

// The window's side of the state file: which control each item comes from
// and goes to, and the messages around saving and restoring.
class StateFileBinding {
public:
    struct Parts {
        const MainWindowControls& ui;
        ModeOptions& modes;
        SeparatorOptions& separators;
        FilterControls& filter;
        OutputWindow& output;
        MessageService& messages;
        std::function<void()> applyDefaults;
        std::function<bool()> startupCompleted;
    };

    explicit StateFileBinding(Parts parts);

    // Fixed once at start-up.
    void SetLocation(persist::StateFileLocation location) { m_location = std::move(location); }

    // Writes the file; an output longer than the file keeps is shortened in
    // the window too. A failure is always reported; a success only when not quiet.
    void SaveState(bool quiet);
    // Reads the file and applies it item by item; a failure keeps the items
    // read and then applies the defaults. Reports only once start-up is
    // complete, but for a file that could not be read: it is kept aside
    // (prmr.usr.bad) before anything can save over it, and that is reported
    // also during start-up, by ShowStartupWarning.
    void RestoreState();
    // The warning of a start-up restore, if it left one; shown once.
    void ShowStartupWarning();

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
