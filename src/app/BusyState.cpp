#include "app/BusyState.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "app/CommandPanel.h"
#include "app/GraphScreen.h"
#include "app/MessageService.h"
#include "app/OutputWindow.h"
#include "app/StatusControls.h"
#include "format/NumberText.h"

namespace app {

namespace {

constexpr int kProgressScale = 1000;

}  // namespace

BusyState::BusyState(Parts parts) : m_parts(parts) {}

void BusyState::Enter(const engine::BusyInfo& run) {
    m_run = run;
    m_busy = true;
    StatusControls& status = m_parts.status;
    // A histogram without a filter keeps the introduction: its picture tells the progress.
    if (!run.graphRun || run.filterActive) {
        status.Introduction()->hide();
        status.NowComputing()->show();
        status.NowComputing()->raise();
        status.NumberReached()->clear();
        status.NumberReached()->show();
        status.NumberReached()->raise();
    }
    status.Progress()->setRange(0, kProgressScale);
    status.Progress()->setValue(0);
    status.Progress()->show();
    status.Progress()->raise();
    status.Stop()->show();
    status.Stop()->raise();
    status.Stop()->setFocus();
    QWidget* window = status.Stop()->window();
    window->repaint();

    m_parts.modes.setEnabled(false);
    m_parts.separators.setEnabled(false);
    m_parts.numbers.setEnabled(false);
    if (run.graphRun) m_parts.modes.hide();
    m_parts.commands.hide();
    window->repaint();
}

void BusyState::ShowProgress(int32_t n, format::Separator separator) {
    QLabel* reached = m_parts.status.NumberReached();
    reached->setText(QString::fromStdString(format::FormatNumber(n, separator)));
    reached->raise();
    const int64_t span = int64_t{m_run.end} - m_run.start;
    if (span > 0) {
        m_parts.status.Progress()->setValue(
            static_cast<int>((int64_t{n} - m_run.start) * kProgressScale / span));
    }
}

void BusyState::Leave(const engine::Message* closing) {
    m_busy = false;
    StatusControls& status = m_parts.status;
    status.NowComputing()->hide();
    status.NumberReached()->hide();
    status.Progress()->hide();
    status.Stop()->hide();
    if (closing != nullptr) m_parts.messages.ShowMessage(*closing);

    status.Introduction()->show();
    status.Introduction()->raise();
    status.PlotLabel()->hide();
    status.PlotText()->hide();
    m_parts.modes.show();
    m_parts.modes.setEnabled(true);
    m_parts.separators.setEnabled(true);
    m_parts.numbers.setEnabled(true);
    m_parts.commands.show();
    // The captions and the output buttons follow the screen the run leaves shown.
    m_parts.screen.ShowScreenControls();
    if (m_parts.commands.Copy()->isEnabled()) m_parts.output.MoveCaretToEnd();
    emit focusWanted();
}

}  // namespace app
