#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "app/BusyState.h"
#include "app/FilterControls.h"
#include "app/GraphSaving.h"
#include "app/GraphScreen.h"
#include "app/ModeOptions.h"
#include "app/NumberEntry.h"
#include "app/OutputWindow.h"
#include "app/StateFileBinding.h"
#include "app/WindowHost.h"
#include "util/ProgramTexts.h"

namespace app {

class BoxMessageService;
class CommandPanel;
class GraphMenu;
class HelpWindow;
class MessageService;
class ModesPanel;
class NumbersPanel;
class OutputArea;
class OutputClipboard;
class SeparatorPanel;
class StatusControls;

// The window's client area at the start, from 11460 x 8685 twips: also its
// minimum with the program's own style and fonts.
inline constexpr int kWindowWidth = 764;
inline constexpr int kWindowHeight = 579;

// The main window: the whole program as the user sees it. It owns the state
// of the program, is built of panels that each own their controls, and wires
// their signals to the compute driver and to the helpers that hold the rules
// of each group of controls.
class frmMain : public QWidget {
    Q_OBJECT

public:
    // `messages` shows every message box and sounds the beep; null: message
    // boxes on this window.
    explicit frmMain(MessageService* messages = nullptr);
    ~frmMain() override;

    // The window's load: the program texts and the kernel, the controls and
    // their defaults, the window shown at its start size, the saved state
    // restored and the fields cleaned. False when the program cannot run
    // (the reason was shown).
    bool Start();

    // What ends the program once the state is saved (Quit, closing the
    // window). QCoreApplication::exit(0) unless set.
    void SetProgramEnd(std::function<void()> end) { m_programEnd = std::move(end); }

    bool StartupCompleted() const { return m_startupCompleted; }

    // The data of the current or last histogram run (it outlives the run),
    // and the graph geometry for the current settings.
    const engine::HistogramState& HistogramData() const { return m_host.HistogramData(); }
    const stats::GraphLayout& GraphGeometry() const { return m_host.Graph().Layout(); }

    // How the save dialogs are run (RunSaveDialog unless set).
    void SetSaveDialogRunner(SaveDialogRunner run) {
        m_graphSaving.SetDialogRunner(std::move(run));
    }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ArrangeRegions();
    void InitializeWindow();
    void ApplyDefaults();
    void ShowIntroduction();
    void SetInputFocus();
    void OpenHelp();
    void OpenLink(int16_t addressText);
    void EndProgram();

    void ConnectNumberFields();
    void ConnectOptions();
    void ConnectFilter();
    void ConnectCommands();

    QString Text(int16_t number) const;

    std::unique_ptr<BoxMessageService> m_ownMessages;
    MessageService& m_messages;
    // Set before the panels are built: they measure their captions in it.
    bool m_lookApplied;
    util::ProgramTexts m_texts;
    std::string m_programTextFile;
    // Built in the order the Tab key visits them.
    NumbersPanel* m_numberFields;
    SeparatorPanel* m_separators;
    ModesPanel* m_modeControls;
    CommandPanel* m_commands;
    OutputArea* m_outputArea;
    StatusControls* m_status;
    GraphMenu* m_graphMenu;
    OutputWindow m_output;
    NumberEntry m_numbers;
    ModeOptions m_modes;
    FilterControls m_filter;
    GraphScreen m_screen;
    BusyState m_busy;
    WindowHost m_host;
    GraphSaving m_graphSaving;
    StateFileBinding m_state;
    OutputClipboard* m_clipboard = nullptr;
    HelpWindow* m_help = nullptr;
    std::function<void()> m_programEnd;
    bool m_startupCompleted = false;
    bool m_ending = false;
};

}  // namespace app
