#include "app/GraphView.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <utility>

#include "app/GraphPicture.h"
#include "app/GraphScreen.h"
#include "app/ModeOptions.h"
#include "app/OutputWindow.h"
#include "app/SeparatorPanel.h"
#include "app/StatusControls.h"
#include "stats/HistogramRenderer.h"

namespace app {

namespace {

constexpr int kRepaintIntervalMs = 1000 / GraphView::kRepaintsPerSecond;

}  // namespace

GraphView::GraphView(Parts parts)
    : m_parts(std::move(parts)), m_picture(m_parts.messages, stats::KernelLineFitter()) {
    m_parts.picGraph.SetPicture(&m_picture);
}

int GraphView::SelectedBinsEntry() const { return m_parts.modes.BinsEntry(); }

void GraphView::SelectBinsEntry(int index) { m_parts.modes.SelectBinsEntry(index); }

void GraphView::BeginGraph(const engine::HistogramState& state, const std::string& explanation) {
    m_lastKind = state.kind;
    m_picture.BeginGraph(state.kind, SelectedBinsEntry());
    m_parts.screen.GraphBegun();
    const QString text = ToTextBoxBreaks(QString::fromStdString(explanation));
    m_parts.status.PlotLabel()->setText(text);
    m_parts.status.PlotText()->setPlainText(text);
    m_parts.status.PlotText()->show();
    DeriveLayout();
    RepaintPicture();
}

void GraphView::Render(const engine::HistogramState& state, bool final) {
    // At most kRepaintsPerSecond drawings; but the rendering that found an
    // overlap is drawn, for the scan stops with a message over it.
    if (!final && !m_sinceRepaint.hasExpired(kRepaintIntervalMs) && !state.binOverlapFound) {
        return;
    }
    // Which renderings were drawn depends on the machine's speed, and a
    // rendering leaves some marks of the one before it: the final picture
    // starts from a clean frame, so it is always the same for the same data.
    if (final) m_picture.BeginGraph(state.kind, SelectedBinsEntry());
    m_picture.Render(state, final, SelectedBinsEntry(), m_parts.separators.Selected());
    RepaintPicture();
}

void GraphView::HideGraph() { m_parts.screen.ShowText(); }

void GraphView::RepaintPicture() {
    m_parts.picGraph.repaint();
    m_sinceRepaint.start();
}

void GraphView::DeriveLayout() {
    const int entry = SelectedBinsEntry();
    if (entry < 0 || entry >= static_cast<int>(engine::kBinsList.size())) return;
    const engine::HistogramKind kind = m_lastKind.value_or(engine::HistogramKind::EK);
    m_layout = stats::ComputeGraphLayout(kind, entry, m_picture.Image().height());
    const bool ekChosen = m_parts.modes.IsSelected(engine::ComputeMode::DoEKGraph);
    const bool graphShown = m_parts.screen.GraphShown();
    const bool ekOnScreen = graphShown && m_lastKind == engine::HistogramKind::EK;
    if (!(ekChosen && !graphShown) && !ekOnScreen) {
        m_layout.binsLeftOfZero = 0;
        m_layout.x0 = m_layout.margin;
    }
}

}  // namespace app
