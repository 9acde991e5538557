#include "cli/CliHost.h"

#include <unistd.h>

#include <string>

namespace cli {

namespace {

volatile std::sig_atomic_t g_interrupts = 0;

extern "C" void OnInterrupt(int) {
    g_interrupts = g_interrupts + 1;
    if (g_interrupts >= 2) _exit(130);
}

}  // namespace

void StreamMessages::ShowMessage(const engine::Message& message) {
    std::string text = message.text;
    // One line per message: line breaks inside it become blanks.
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') text[i] = ' ';
    }
    std::fprintf(m_stream, "%s%s\n", kMessagePrefix, text.c_str());
    std::fflush(m_stream);
    ++m_count;
}

CliHost::CliHost(const CliOptions& options, engine::OutputText& output, std::FILE* messages)
    : m_options(options), m_output(output), m_messages(messages) {
    m_fields.start = options.startText;
    m_fields.end = options.endText;
    if (options.filter) {
        m_fields.filterA = options.filter->aText;
        m_fields.filterB = options.filter->bText;
    }
}

bool CliHost::Interrupted() { return g_interrupts > 0; }

void CliHost::InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

bool CliHost::NormalizeNumberFields() {
    engine::NormalizeOutcome outcome = engine::NormalizeNumberFields(m_fields, m_options.separator);
    if (outcome.startTooLarge) {
        m_messages.ShowMessage(
            {engine::kStartTooLarge, engine::kTooLargeTitle, engine::MessageIcon::Warning});
    }
    if (outcome.endTooLarge) {
        m_messages.ShowMessage(
            {engine::kEndTooLarge, engine::kTooLargeTitle, engine::MessageIcon::Warning});
    }
    return outcome.Ok();
}

engine::RunOutcome CliHost::Run(const numlib::NumKernel& kernel) {
    if (!NormalizeNumberFields()) return engine::RunOutcome::Refused;
    return engine::RunCompute(ReadRequest(), *this, kernel).outcome;
}

engine::ComputeRequest CliHost::ReadRequest() const {
    engine::ComputeRequest request;
    request.startText = m_fields.start;
    request.endText = m_fields.end;
    request.mode = m_options.mode;
    request.showFactorCount = m_options.showCount;
    request.showPalmenColor = m_options.showColor;
    request.separator = m_options.separator;
    request.countPairs = m_options.countPairs;
    request.bare = m_options.bare;
    // The window's limit counts CR LF as it stands; the text is turned into
    // the tool's line ends when it is written. A streamed run writes them at once.
    request.lineEnd = m_options.limit || m_options.crlf ? "\r\n" : "\n";
    request.filterAText = m_fields.filterA;
    request.filterBText = m_fields.filterB;
    if (m_options.filter) request.filterForm = m_options.filter->form;
    request.binSettingIndex = m_options.binsEntry;
    return request;
}

void CliHost::EnterBusyState(const engine::BusyInfo& run) {
    if (isatty(fileno(stderr)) != 0) {
        m_progress =
            std::make_unique<ProgressLine>(stderr, run.start, run.end, m_options.separator);
    }
}

// The histogram's closing message asks to close the window's text box: the
// tool has none, so it is not shown.
void CliHost::LeaveBusyState(const engine::BusyInfo&, const engine::Message*) {
    if (m_progress) m_progress->Erase();
    m_progress.reset();
}

void CliHost::StartClock() {
    m_clockRunning = true;
    m_clockStart = Clock::now();
}

void CliHost::ShowProgress(int32_t n) {
    if (m_progress) m_progress->Update(n);
}

void CliHost::ProcessEvents() {
    if (g_interrupts > 0 || m_output.WriteFailed()) m_flags.stopRequested = true;
    // A run's first progress points come every 20 numbers, some millions a
    // second: the clock is read at every 64th, which finds its tick all the
    // same within microseconds. It ticks after 20 ms, not the window's three
    // seconds: until then the points cost more than the numbers between
    // them.
    if (m_clockRunning && (++m_eventCalls & 63) == 0) {
        // The rate is taken over the time that has passed, which a coarse
        // clock and the reading at every 64th point make longer than 20 ms.
        const auto passed =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_clockStart);
        if (passed >= std::chrono::milliseconds(kClockIntervalMs)) {
            engine::OnClockTick(m_flags, static_cast<int>(passed.count()));
            m_clockStart = Clock::now();
        }
    }
}

}  // namespace cli
