#include "app/OutputArea.h"

#include <QGridLayout>
#include <QPlainTextEdit>

#include "app/GraphPicture.h"
#include "app/WindowControls.h"

namespace app {

OutputArea::OutputArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("OutputArea"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    m_picGraph = MakeNamed<GraphPicture>(this, "picGraph");
    m_text3 = MakeNamed<QPlainTextEdit>(this, "Text3");
    m_text3->setFont(MonospacedFont());
    m_text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Both share the one cell; the hidden one keeps its place.
    for (QWidget* screen : {static_cast<QWidget*>(m_picGraph), static_cast<QWidget*>(m_text3)}) {
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        policy.setRetainSizeWhenHidden(true);
        screen->setSizePolicy(policy);
        grid->addWidget(screen, 0, 0);
    }
    m_picGraph->hide();
}

void OutputArea::ShowGraph(bool shown) {
    m_picGraph->setVisible(shown);
    m_text3->setVisible(!shown);
}

}  // namespace app
