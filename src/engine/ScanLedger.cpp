#include "engine/ScanLedger.h"

namespace engine {

ScanLedger::ScanLedger(ComputeHost& host)
    : m_host(host),
      m_output(host.Output()),
      m_flags(host.Flags()),
      m_outputLength(m_output.Length()),
      m_limit(m_output.Limited() ? kOutputLimit : std::numeric_limits<size_t>::max()) {}

void ScanLedger::Write(std::string_view text) {
    m_output.Append(text);
    // An output that streams out has no limit to watch.
    if (m_limit == kOutputLimit) m_outputLength = m_output.Length();
}

bool ScanLedger::CutFullOutput() {
    if (!CheckOutputLimit(m_output, m_host.Messages())) return false;
    m_outputLength = m_output.Length();
    return true;
}

bool ScanLedger::ProgressPoint(int32_t n) {
    m_host.ShowProgress(n);
    m_host.ProcessEvents();
    if (m_flags.clockTicked) m_host.StopClock();
    // The window's user may have cleared or cut the text while events ran.
    if (m_limit == kOutputLimit) m_outputLength = m_output.Length();
    // n is a multiple of the step it was reached with. The clock may have
    // changed the step: then the next point is the new step's next multiple.
    const int64_t step = Step();
    m_nextProgress = step == m_reachedStep ? int64_t{n} + step : (int64_t{n} / step + 1) * step;
    m_reachedStep = step;
    if (!m_flags.stopRequested) return false;
    m_lastNumber = n;
    return true;
}

bool ScanLedger::ProgressBefore(int32_t next) {
    if (m_nextProgress >= next) return false;
    const auto point = static_cast<int32_t>((int64_t{next} - 1) / Step() * Step());
    Reach(point);
    return ProgressPoint(point);
}

void ScanLedger::StartProgress(int64_t from) {
    const int64_t step = Step();
    m_nextProgress = (from + step - 1) / step * step;
}

}  // namespace engine
