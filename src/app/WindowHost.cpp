#include "app/WindowHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <chrono>
#include <utility>

#include "app/BusyState.h"
#include "app/MessageService.h"
#include "app/ModeOptions.h"
#include "app/ModesPanel.h"
#include "app/NumberEntry.h"
#include "app/NumbersPanel.h"
#include "app/OutputWindow.h"
#include "app/SeparatorPanel.h"

namespace app {

namespace {

// A run's first progress points come every 20 numbers, far more often than
// the screen or a click can tell (until the clock sets the step for three a
// second): events run at a progress point at most this often, and the number
// reached is shown at those points, the only ones at which it can be seen.
constexpr std::chrono::milliseconds kYieldInterval(10);

}  // namespace

WindowHost::WindowHost(Parts parts)
    : m_parts(std::move(parts)),
      // The renderer's messages wait, like the run's, while the program ends.
      m_graph({m_parts.picGraph, m_parts.status, m_parts.modes, m_parts.separators, m_parts.screen,
               *this}) {
    m_clock.setObjectName(QStringLiteral("Clock"));
    m_clock.setInterval(engine::kClockIntervalMs);
    QObject::connect(&m_clock, &QTimer::timeout, [this] { engine::OnClockTick(m_flags); });
}

void WindowHost::Compute() {
    if (!m_parts.numbers.NormalizeNumberFields()) return;
    const engine::RunResult result = engine::RunCompute(ReadRequest(), *this);
    if (m_ending) return;
    if (result.filterBReadAsZero) m_parts.modeControls.FilterB()->setText(QStringLiteral("0"));
    if (result.mode != m_parts.modes.Mode()) m_parts.modes.Select(result.mode);
    switch (result.refused) {
        case engine::RefusalSubject::StartField:
            m_parts.numbers.FocusStartField();
            break;
        case engine::RefusalSubject::Range:
            m_parts.output.MoveCaretToEnd();
            emit focusWanted();
            break;
        case engine::RefusalSubject::Request:
            emit focusWanted();
            break;
        case engine::RefusalSubject::None:
            break;
    }
}

engine::ComputeRequest WindowHost::ReadRequest() const {
    const ModesPanel& modes = m_parts.modeControls;
    engine::ComputeRequest request;
    request.startText = m_parts.numberFields.Field(1)->text().toStdString();
    request.endText = m_parts.numberFields.Field(2)->text().toStdString();
    request.mode = m_parts.modes.Mode();
    request.showFactorCount = modes.ShowEKValue()->isChecked();
    request.showPalmenColor = modes.ShowPalmenColor()->isChecked();
    request.separator = m_parts.separators.Selected();
    request.filterAText = modes.FilterA()->text().toStdString();
    request.filterBText = modes.FilterB()->text().toStdString();
    request.filterForm = engine::ParseFilterCaption(modes.FilterType()->text().toStdString());
    request.binSettingIndex = modes.BinsList()->currentIndex();
    return request;
}

engine::OutputText& WindowHost::Output() { return m_parts.output; }

void WindowHost::EnterBusyState(const engine::BusyInfo& run) {
    m_yielded = false;
    m_run = run;
    // A graph run scans as "factor all numbers", and the options show it.
    if (run.graphRun) m_parts.modes.Select(engine::ComputeMode::DisplayAllNumbers);
    m_parts.output.ShowEachAppend(run.showEachLine);
    m_parts.busy.Enter(run);
}

void WindowHost::LeaveBusyState(const engine::BusyInfo& run, const engine::Message* closing) {
    m_run.reset();
    if (m_ending) return;
    m_parts.output.ShowEachAppend(false);
    if (run.graphRun) m_parts.modes.Select(run.graphMode);
    // The text box holds all the run wrote, also when no caret move follows
    // (a histogram's "Buffer full." or error note).
    m_parts.output.Flush();
    m_parts.busy.Leave(closing);
}

void WindowHost::ShowProgress(int32_t n) {
    if (m_ending) return;
    m_parts.output.MoveCaretToEnd();
    m_yieldDue = !m_yielded || util::CoarseClock::now() - m_lastYield >= kYieldInterval;
    if (m_yieldDue) m_parts.busy.ShowProgress(n, m_parts.separators.Selected());
}

void WindowHost::ProcessEvents() {
    if (m_ending || !m_yieldDue) return;
    QCoreApplication::processEvents();
    m_lastYield = util::CoarseClock::now();
    m_yielded = true;
}

void WindowHost::GiveBackGraphChoices() {
    if (!m_run || !m_run->graphRun) return;
    m_parts.modes.Select(m_run->graphMode);
    if (m_run->binsEntry >= 0) m_parts.modes.SelectBinsEntry(m_run->binsEntry);
}

void WindowHost::EndRun() {
    m_ending = true;
    m_flags.stopRequested = true;
    m_clock.stop();
}

void WindowHost::ShowMessage(const engine::Message& message) {
    if (m_ending) return;
    // The number reached and what the run wrote so far are on screen while
    // the message waits (the progress label is otherwise only set at yields).
    if (m_run) m_parts.busy.ShowProgress(m_flags.currentNumber, m_parts.separators.Selected());
    m_parts.output.Flush();
    m_parts.messages.ShowMessage(message);
}

}  // namespace app
