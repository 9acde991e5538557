#include "app/GraphScreen.h"

#include <QPushButton>

#include "app/CommandPanel.h"
#include "app/MessageService.h"
#include "app/OutputArea.h"
#include "util/ProgramTexts.h"

namespace app {

namespace {

// Program texts: the switch's caption on the text screen and on the graph
// screen, and the message before any graph was made.
constexpr int16_t kShowGraphCaption = 28;
constexpr int16_t kShowTextCaption = 29;
constexpr int16_t kNoGraphYetText = 30;

}  // namespace

GraphScreen::GraphScreen(OutputArea& area, const CommandPanel& commands,
                         const util::ProgramTexts& texts, MessageService& messages)
    : m_area(area),
      m_switch(commands.SwitchDisplay()),
      m_copy(commands.Copy()),
      m_clearOutput(commands.ClearOutput()),
      m_texts(texts),
      m_messages(messages) {}

void GraphScreen::Reset() {
    ShowGraph(false);
    m_switch->setText(QString::fromStdString(m_texts.ProgramText(kShowGraphCaption)));
    m_noGraphYet = true;
}

void GraphScreen::SwitchDisplay() {
    if (m_graphShown) {
        ShowGraph(false);
    } else if (m_noGraphYet) {
        m_messages.ShowMessage({m_texts.ProgramText(kNoGraphYetText)});
        return;
    } else {
        ShowGraph(true);
    }
    ShowScreenControls();
}

void GraphScreen::ShowScreenControls() {
    m_switch->setText(QString::fromStdString(
        m_texts.ProgramText(m_graphShown ? kShowTextCaption : kShowGraphCaption)));
    m_copy->setEnabled(!m_graphShown);
    m_clearOutput->setEnabled(!m_graphShown);
}

void GraphScreen::GraphBegun() {
    m_noGraphYet = false;
    ShowGraph(true);
}

void GraphScreen::ShowGraph(bool shown) {
    m_graphShown = shown;
    m_area.ShowGraph(shown);
}

}  // namespace app
