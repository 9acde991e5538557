#pragma once

#include <QFrame>

class QImage;

namespace app {

// picGraph: shows the histogram picture inside a sunken border, on the
// rectangle it shares with the output window. A right button released on it
// asks whether to save the picture.
class GraphPicture final : public QFrame {
    Q_OBJECT

public:
    explicit GraphPicture(QWidget* parent = nullptr);

    // The picture shown; it must outlive this widget. Null shows white.
    void SetImage(const QImage* image);

signals:
    void rightButtonReleased();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage* m_image = nullptr;
};

}  // namespace app
