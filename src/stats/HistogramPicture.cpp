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

namespace {

// A rendering drawn again says nothing again.
class Silence final : public engine::MessageSink {
public:
    void ShowMessage(const engine::Message&) override {}
};

}  // namespace

void HistogramPicture::Clear() {
    m_image.fill(QColor(kBackground));
    m_frame.reset();
    m_rendering.reset();
    ++m_generation;
}

void HistogramPicture::BeginGraph(engine::HistogramKind kind, int selectedBinsEntry) {
    m_layout =
        ComputeGraphLayout(kind, RenderedBinsEntry(kind, selectedBinsEntry), m_image.height());
    ImageSurface surface(m_image);
    surface.Clear();
    DrawAxes(surface, m_layout);
    m_frame = Frame{kind, selectedBinsEntry};
    m_rendering.reset();
    ++m_generation;
}

void HistogramPicture::Render(const engine::HistogramState& state, bool final,
                              int selectedBinsEntry, format::Separator separator) {
    m_layout = ComputeGraphLayout(state.kind, RenderedBinsEntry(state.kind, selectedBinsEntry),
                                  m_image.height());
    const RenderRequest request{final, selectedBinsEntry, separator};
    ImageSurface surface(m_image);
    RenderHistogram(state, request, surface, m_messages, m_fit);
    m_rendering = Rendering{&state, request};
    ++m_generation;
}

void HistogramPicture::Redraw(QPaintDevice& device, qreal scale) const {
    ImageSurface surface(device, m_image.size(), scale);
    surface.Clear();
    if (m_frame) {
        const int entry = RenderedBinsEntry(m_frame->kind, m_frame->selectedBinsEntry);
        DrawAxes(surface, ComputeGraphLayout(m_frame->kind, entry, m_image.height()));
    }
    if (m_rendering) {
        Silence silence;
        RenderHistogram(*m_rendering->state, m_rendering->request, surface, silence, m_fit);
    }
}

QImage HistogramPicture::Scaled(qreal scale) const {
    QImage image((QSizeF(m_image.size()) * scale).toSize(), QImage::Format_RGB32);
    Redraw(image, scale);
    return image;
}

int HistogramPicture::BinsEntry() const {
    if (m_rendering) return m_rendering->request.selectedBinsEntry;
    return m_frame ? m_frame->selectedBinsEntry : engine::kDefaultBinsEntry;
}

QString HistogramPicture::Save(const QString& fileName) const {
    return SaveGraphImage(m_image, fileName);
}

}  // namespace stats
