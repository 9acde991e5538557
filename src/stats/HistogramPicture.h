#pragma once

#include <QImage>
#include <QString>

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

private:
    engine::MessageSink& m_messages;
    LineFitter m_fit;
    QImage m_image;
    GraphLayout m_layout;
};

}  // namespace stats
