#pragma once

#include <QFrame>
#include <QImage>

#include <cstdint>

namespace stats {
class HistogramPicture;
}

namespace app {

// picGraph: shows the histogram picture inside a sunken border, on the
// rectangle it shares with the output window, as large as the rectangle
// allows and drawn anew at the screen's pixel ratio, so that it is as sharp
// as the controls at any scale. At one device pixel to a pixel of the
// picture it shows the persistent picture itself. The right button released
// on it asks for its menu.
class GraphPicture final : public QFrame {
    Q_OBJECT

public:
    explicit GraphPicture(QWidget* parent = nullptr);

    // The picture shown; it must outlive this widget. Null shows white.
    void SetPicture(const stats::HistogramPicture* picture);
    // Pixels of the window to a pixel of the picture: 1, or in quarter steps
    // more when the rectangle is larger than the picture.
    qreal ViewScale() const;

signals:
    void menuRequested(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const stats::HistogramPicture* m_picture = nullptr;
    // The picture drawn anew for the screen, and what it was drawn for.
    QImage m_redrawn;
    uint64_t m_redrawnGeneration = 0;
    qreal m_redrawnFactor = 0;
};

}  // namespace app
