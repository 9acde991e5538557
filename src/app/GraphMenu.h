#pragma once

#include <QMenu>

namespace app {

// The graph's right-button menu: first the question whether to save the
// picture, as a right click has always asked it, then the ways to keep a
// picture or its data that the button row has no room for.
class GraphMenu final : public QMenu {
    Q_OBJECT

public:
    explicit GraphMenu(QWidget* parent);

signals:
    void saveChosen();
    void copyChosen();
    void tableChosen();
};

}  // namespace app
