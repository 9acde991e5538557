#include "app/GraphPicture.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace app {

GraphPicture::GraphPicture(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void GraphPicture::SetImage(const QImage* image) {
    m_image = image;
    update();
}

void GraphPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_image != nullptr) painter.drawImage(contentsRect().topLeft(), *m_image);
    painter.end();
    QFrame::paintEvent(event);
}

void GraphPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit rightButtonReleased();
        event->accept();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

}  // namespace app
