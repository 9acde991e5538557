#include "app/BusyState.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include <utility>

#include "app/GraphScreen.h"
#include "app/MainWindowControls.h"
#include "app/MessageService.h"
#include "app/OutputWindow.h"
#include "format/NumberText.h"

namespace app {

namespace {

constexpr int kProgressScale = 1000;

}  // namespace

BusyState::BusyState(const MainWindowControls& ui, OutputWindow& output, GraphScreen& screen,
                     MessageService& messages, std::function<void()> setInputFocus)
    : m_ui(ui),
      m_output(output),
      m_screen(screen),
      m_messages(messages),
      m_setInputFocus(std::move(setInputFocus)) {}

void BusyState::Enter(const engine::BusyInfo& run) {
    m_run = run;
    m_busy = true;
    // A histogram without a filter keeps the introduction: its picture tells the progress.
    if (!run.graphRun || run.filterActive) {
        m_ui.lblIntroduction->hide();
        m_ui.lblNowComputing->show();
        m_ui.lblNowComputing->raise();
        m_ui.lblI->clear();
        m_ui.lblI->show();
        m_ui.lblI->raise();
    }
    m_ui.progressBar->setRange(0, kProgressScale);
    m_ui.progressBar->setValue(0);
    m_ui.progressBar->show();
    m_ui.progressBar->raise();
    m_ui.stopButton->show();
    m_ui.stopButton->raise();
    m_ui.stopButton->setFocus();
    QWidget* window = m_ui.stopButton->window();
    window->repaint();

    m_ui.frame1->setEnabled(false);
    m_ui.frame2->setEnabled(false);
    m_ui.frame3->setEnabled(false);
    if (run.graphRun) m_ui.frame1->hide();
    m_ui.frame4->hide();
    window->repaint();
}

void BusyState::ShowProgress(int32_t n, format::Separator separator) {
    m_ui.lblI->setText(QString::fromStdString(format::FormatNumber(n, separator)));
    m_ui.lblI->raise();
    const int64_t span = int64_t{m_run.end} - m_run.start;
    if (span > 0) {
        m_ui.progressBar->setValue(
            static_cast<int>((int64_t{n} - m_run.start) * kProgressScale / span));
    }
}

void BusyState::Leave(const engine::Message* closing) {
    m_busy = false;
    m_ui.lblNowComputing->hide();
    m_ui.lblI->hide();
    m_ui.progressBar->hide();
    m_ui.stopButton->hide();
    if (closing != nullptr) m_messages.ShowMessage(*closing);

    m_ui.lblIntroduction->show();
    m_ui.lblIntroduction->raise();
    m_ui.lblPlot->hide();
    m_ui.txbPlot->hide();
    m_ui.frame1->show();
    m_ui.frame1->setEnabled(true);
    m_ui.frame2->setEnabled(true);
    m_ui.frame3->setEnabled(true);
    m_ui.frame4->show();
    // The captions and the output buttons follow the screen the run leaves shown.
    m_screen.ShowScreenControls();
    if (m_ui.copyButton->isEnabled()) m_output.MoveCaretToEnd();
    m_setInputFocus();
}

}  // namespace app
