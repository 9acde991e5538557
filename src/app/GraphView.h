#pragma once

#include <QElapsedTimer>

#include <optional>
#include <string>

#include "engine/HistogramView.h"
#include "engine/Message.h"
#include "stats/GraphLayout.h"
#include "stats/HistogramPicture.h"

namespace app {

class GraphPicture;
class GraphScreen;
class ModeOptions;
class SeparatorPanel;
class StatusControls;

// The window's histogram picture as a run sees it: each rendering is drawn
// into the persistent picture that picGraph shows, with the bins entry
// selected in the window and the separator chosen there, and the
// explanation of the run stands in txbPlot beside it.
//
// A run renders every few hundred numbers, far more often than anyone can
// watch. Between two repaints of picGraph (at most kRepaintsPerSecond a
// second) a rendering therefore only applies its effect on the data, the
// bin-overlap rule, which must be seen at every rendering since it stops the
// scan; the drawing waits for the next repaint or the final rendering, which
// draws the whole picture anew from the data.
class GraphView final : public engine::HistogramView {
public:
    static constexpr int kRepaintsPerSecond = 20;

    struct Parts {
        GraphPicture& picGraph;
        StatusControls& status;  // txbPlot and lblPlot
        ModeOptions& modes;
        const SeparatorPanel& separators;
        GraphScreen& screen;
        engine::MessageSink& messages;  // the renderer's "No numbers in range." and the like
    };

    explicit GraphView(Parts parts);

    int SelectedBinsEntry() const override;
    void SelectBinsEntry(int index) override;
    void BeginGraph(const engine::HistogramState& state, const std::string& explanation) override;
    void Render(const engine::HistogramState& state, bool final) override;
    void HideGraph() override;

    // The geometry for the current settings: the scale of the last run's
    // kind (the EK scale before any), the bins entry selected, and the bins
    // left of zero only while "Plot EK values" is chosen with the text shown
    // or an EK histogram is on screen. Kept as it is while no entry is selected.
    void DeriveLayout();
    const stats::GraphLayout& Layout() const { return m_layout; }

    const stats::HistogramPicture& Picture() const { return m_picture; }

private:
    void RepaintPicture();

    Parts m_parts;
    stats::HistogramPicture m_picture;
    stats::GraphLayout m_layout;
    std::optional<engine::HistogramKind> m_lastKind;
    QElapsedTimer m_sinceRepaint;
};

}  // namespace app
