#include "cli/CliHistogramView.h"

#include "stats/GraphLayout.h"

namespace cli {

CliHistogramView::CliHistogramView(int binsEntry, format::Separator separator,
                                   engine::MessageSink& messages, PictureDrawer* picture)
    : m_binsEntry(binsEntry),
      m_separator(separator),
      m_messages(messages),
      m_fit(stats::KernelLineFitter()),
      m_sheet(stats::kSurfaceWidth, stats::kSurfaceHeight),
      m_picture(picture) {}

void CliHistogramView::BeginGraph(const engine::HistogramState& state, const std::string&) {
    m_sheet.Clear();
    m_table.clear();
    if (m_picture) m_picture->BeginGraph(state.kind, m_binsEntry);
}

void CliHistogramView::Render(const engine::HistogramState& state, bool final) {
    // Nobody sees the renderings during a run: the final one is drawn.
    if (!final) return;
    m_final = state;
    if (m_picture) {
        m_picture->Render(state, final, m_binsEntry, m_separator);
    } else {
        stats::RenderHistogram(state, {final, m_binsEntry, m_separator}, m_sheet, m_messages,
                               m_fit);
    }
    // The stddev-zero message has been shown already; the table is then empty.
    if (state.valueStdDev == 0 && state.kind != engine::HistogramKind::PC) return;
    for (const std::string& line : stats::HistogramTable(state, m_binsEntry, m_separator, m_fit)) {
        m_table += line + "\n";
    }
}

std::string CliHistogramView::SaveImage(const std::string& fileName) const {
    if (!m_picture) return "no picture was drawn";
    return m_picture->Save(fileName);
}

}  // namespace cli
