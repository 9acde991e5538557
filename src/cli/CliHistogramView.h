#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/PictureDrawer.h"
#include "engine/HistogramView.h"
#include "engine/Message.h"
#include "format/Separator.h"
#include "stats/HistogramRenderer.h"
#include "stats/TextSheet.h"

namespace cli {

// The command-line tool's histogram: the final rendering of a run is drawn on
// a text sheet (or, with --image, on the picture the window would show), and
// its table and data kept for printing.
class CliHistogramView : public engine::HistogramView {
public:
    // `picture` (may be null) draws the picture of --image.
    CliHistogramView(int binsEntry, format::Separator separator, engine::MessageSink& messages,
                     PictureDrawer* picture);

    int SelectedBinsEntry() const override { return m_binsEntry; }
    void SelectBinsEntry(int index) override { m_binsEntry = index; }
    void BeginGraph(const engine::HistogramState& state, const std::string& explanation) override;
    void Render(const engine::HistogramState& state, bool final) override;
    void HideGraph() override {}

    // A final rendering came: the run drew its picture.
    bool Drawn() const { return m_final.has_value(); }
    // The data of the final rendering; only when Drawn().
    const engine::HistogramState& State() const { return *m_final; }
    // The text the final picture shows, one line each (empty before a final rendering).
    const std::string& Table() const { return m_table; }
    // Writes the final picture (BMP, or PNG by the name); an empty text on success.
    std::string SaveImage(const std::string& fileName) const;

private:
    int m_binsEntry;
    format::Separator m_separator;
    engine::MessageSink& m_messages;
    stats::LineFitter m_fit;
    stats::TextSheet m_sheet;
    PictureDrawer* m_picture;
    std::string m_table;
    std::optional<engine::HistogramState> m_final;
};

}  // namespace cli
