#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace app {

class GraphPicture;

// The output area: the output window Text3 and the graph picGraph on one
// rectangle, only one of them visible at a time. It takes the room a larger
// window gives.
class OutputArea final : public QWidget {
    Q_OBJECT

public:
    explicit OutputArea(QWidget* parent);

    QPlainTextEdit& Text() const { return *m_text3; }
    GraphPicture& Picture() const { return *m_picGraph; }

    // The graph, or the text.
    void ShowGraph(bool shown);

private:
    QPlainTextEdit* m_text3;
    GraphPicture* m_picGraph;
};

}  // namespace app
