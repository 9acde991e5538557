#include "stats/HistogramPicture.h"

#include <utility>

#include "stats/Colors.h"
#include "stats/GraphImageFile.h"
#include "stats/ImageSurface.h"

namespace stats {

HistogramPicture::HistogramPicture(engine::MessageSink& messages, LineFitter fit, int width,
                                   int height)
    : m_messages(messages), m_fit(std::move(fit)), m_image(width, height, QImage::Format_RGB32) {
    m_image.fill(QColor(kBackground));
}

void HistogramPicture::Clear() { m_image.fill(QColor(kBackground)); }

void HistogramPicture::BeginGraph(engine::HistogramKind kind, int selectedBinsEntry) {
    m_layout =
        ComputeGraphLayout(kind, RenderedBinsEntry(kind, selectedBinsEntry), m_image.height());
    ImageSurface surface(m_image);
    surface.Clear();
    DrawAxes(surface, m_layout);
}

void HistogramPicture::Render(const engine::HistogramState& state, bool final,
                              int selectedBinsEntry, format::Separator separator) {
    m_layout = ComputeGraphLayout(state.kind, RenderedBinsEntry(state.kind, selectedBinsEntry),
                                  m_image.height());
    ImageSurface surface(m_image);
    RenderHistogram(state, {final, selectedBinsEntry, separator}, surface, m_messages, m_fit);
}

QString HistogramPicture::Save(const QString& fileName) const {
    return SaveGraphImage(m_image, fileName);
}

}  // namespace stats
