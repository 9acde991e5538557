#pragma once

class QPushButton;

namespace util {
class ProgramTexts;
}

namespace app {

class CommandPanel;
class MessageService;
class OutputArea;

// The shared screen of the output text and the graph picture, and the button
// cmdSwitchDisplay that switches between them. Only one of the two is visible.
class GraphScreen {
public:
    GraphScreen(OutputArea& area, const CommandPanel& commands, const util::ProgramTexts& texts,
                MessageService& messages);

    // Start-up: the text screen shown, no graph made yet.
    void Reset();
    // cmdSwitchDisplay: the other screen, or, before any graph was made,
    // only the message saying so.
    void SwitchDisplay();
    // After a run: the button names the other screen, and the output
    // buttons work only while the text is shown.
    void ShowScreenControls();
    // A histogram run begins: its picture is shown, and from now on a graph exists.
    void GraphBegun();
    // A text run begins: its output is shown.
    void ShowText() { ShowGraph(false); }

    bool GraphShown() const { return m_graphShown; }

private:
    void ShowGraph(bool shown);

    OutputArea& m_area;
    QPushButton* m_switch;
    QPushButton* m_copy;
    QPushButton* m_clearOutput;
    const util::ProgramTexts& m_texts;
    MessageService& m_messages;
    bool m_graphShown = false;
    bool m_noGraphYet = true;
};

}  // namespace app
