#pragma once

#include <QLabel>

namespace app {

// A label that acts as a web link: drawn like one, and clicked like a button.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& caption, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace app
