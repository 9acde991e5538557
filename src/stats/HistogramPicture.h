#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

#include "engine/HistogramState.h"
#include "engine/Message.h"
#include "format/Separator.h"
#include "stats/GraphLayout.h"
#include "stats/HistogramRenderer.h"

namespace stats {

// The persistent picture of the histograms: what the window shows in
// picGraph and what a save writes out. The window's HistogramView passes
// each rendering of a run on to it.
class HistogramPicture {
public:
    HistogramPicture(engine::MessageSink& messages, LineFitter fit, int width = kSurfaceWidth,
                     int height = kSurfaceHeight);

    const QImage& Image() const { return m_image; }
    // The geometry of the last frame or rendering.
    const GraphLayout& Layout() const { return m_layout; }

    // Erases the picture to white.
    void Clear();
    // The start of a run: the picture cleared, with the axes of `kind`.
    void BeginGraph(engine::HistogramKind kind, int selectedBinsEntry);
    // Draws `state` anew (see RenderHistogram).
    void Render(const engine::HistogramState& state, bool final, int selectedBinsEntry,
                format::Separator separator);

    // See SaveGraphImage: an empty text on success, else the failure.
    QString Save(const QString& fileName) const;

    // Draws the picture anew on `device` at `scale` device pixels to a pixel
    // of the picture: the frame of the last BeginGraph and the last rendering
    // since, from the data it drew. The messages of a rendering are not shown
    // again. The same as Image() for a final rendering, at any scale.
    void Redraw(QPaintDevice& device, qreal scale) const;
    // The picture at `scale` (2 and 4 for printing), drawn anew.
    QImage Scaled(qreal scale) const;
    // Changes with every change of the picture, so that copies drawn anew
    // (the screen's at its scale) know when they are out of date.
    uint64_t Generation() const { return m_generation; }
    // The bins entry of the last rendering (of the last BeginGraph before any).
    int BinsEntry() const;

private:
    struct Frame {
        engine::HistogramKind kind;
        int selectedBinsEntry;
    };
    struct Rendering {
        const engine::HistogramState* state;
        RenderRequest request;
    };

    engine::MessageSink& m_messages;
    LineFitter m_fit;
    QImage m_image;
    GraphLayout m_layout;
    std::optional<Frame> m_frame;
    std::optional<Rendering> m_rendering;
    uint64_t m_generation = 0;
};

}  // namespace stats
