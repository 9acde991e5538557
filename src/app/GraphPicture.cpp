#include "app/GraphPicture.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "stats/HistogramPicture.h"

namespace app {

namespace {

constexpr qreal kScaleSteps = 4;

}  // namespace

GraphPicture::GraphPicture(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // A white sheet in any palette, as the picture is saved.
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void GraphPicture::SetPicture(const stats::HistogramPicture* picture) {
    m_picture = picture;
    m_redrawnFactor = 0;
    update();
}

qreal GraphPicture::ViewScale() const {
    if (m_picture == nullptr) return 1;
    const QSize picture = m_picture->Image().size();
    const QRect inside = contentsRect();
    const qreal fits = std::min(static_cast<qreal>(inside.width()) / picture.width(),
                                static_cast<qreal>(inside.height()) / picture.height());
    // In quarter steps: the border's few pixels around the picture leave it
    // at its own size, and a window being resized redraws it seldom.
    return std::max(1.0, std::floor(fits * kScaleSteps) / kScaleSteps);
}

void GraphPicture::paintEvent(QPaintEvent* event) {
    if (m_picture != nullptr) {
        QPainter painter(this);
        const qreal factor = ViewScale() * devicePixelRatioF();
        const QPoint corner = contentsRect().topLeft();
        if (factor == 1) {
            painter.drawImage(corner, m_picture->Image());
        } else {
            if (m_redrawnFactor != factor || m_redrawnGeneration != m_picture->Generation()) {
                m_redrawn = m_picture->Scaled(factor);
                m_redrawn.setDevicePixelRatio(devicePixelRatioF());
                m_redrawnFactor = factor;
                m_redrawnGeneration = m_picture->Generation();
            }
            painter.drawImage(corner, m_redrawn);
        }
    }
    QFrame::paintEvent(event);
}

void GraphPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit menuRequested(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

}  // namespace app
