#include "app/CommandPanel.h"

#include <QGridLayout>
#include <QPushButton>

#include "app/WindowControls.h"

namespace app {

CommandPanel::CommandPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Frame4"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    auto button = [&](const char* name, const char* caption, int row, int column, int span,
                      void (CommandPanel::*clicked)()) {
        auto* made = MakeNamed<QPushButton>(this, name, QString::fromUtf8(caption));
        made->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        grid->addWidget(made, row, column, 1, span);
        connect(made, &QPushButton::clicked, this, clicked);
        return made;
    };
    m_compute = button("ComputeButton", "&Compute", 0, 0, 2, &CommandPanel::computeClicked);
    m_copy = button("CopyButton", "Copy results to clipboard", 1, 0, 2, &CommandPanel::copyClicked);
    m_clearOutput = button("ClearOutputButton", "Clear &output window", 2, 0, 2,
                           &CommandPanel::clearOutputClicked);
    button("cmdSaveState", "&Save state", 3, 0, 1, &CommandPanel::saveStateClicked);
    button("cmdRestoreState", "&Restore state", 3, 1, 1, &CommandPanel::restoreStateClicked);
    m_switchDisplay = button("cmdSwitchDisplay", "Show text screen", 4, 0, 2,
                             &CommandPanel::switchDisplayClicked);
    m_switchDisplay->setToolTip(
        QStringLiteral("Switch between the output text and the histogram of the last plot"));
    m_help = button("HelpButton", "&Help", 5, 0, 1, &CommandPanel::helpClicked);
    button("QuitButton", "&Quit", 5, 1, 1, &CommandPanel::quitClicked);
    m_compute->setFont(BoldFont());
}

}  // namespace app
