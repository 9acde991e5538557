#pragma once

#include <QWidget>

class QPushButton;

namespace app {

// Frame4, the row of command buttons. The buttons whose captions never
// change carry an Alt mnemonic; the others keep the captions their rules give.
class CommandPanel final : public QWidget {
    Q_OBJECT

public:
    explicit CommandPanel(QWidget* parent);

    QPushButton* Compute() const { return m_compute; }
    QPushButton* Copy() const { return m_copy; }
    QPushButton* ClearOutput() const { return m_clearOutput; }
    QPushButton* SwitchDisplay() const { return m_switchDisplay; }
    QPushButton* Help() const { return m_help; }

signals:
    void computeClicked();
    void helpClicked();
    void copyClicked();
    void clearOutputClicked();
    void saveStateClicked();
    void restoreStateClicked();
    void switchDisplayClicked();
    void quitClicked();

private:
    QPushButton* m_compute;
    QPushButton* m_copy;
    QPushButton* m_clearOutput;
    QPushButton* m_switchDisplay;
    QPushButton* m_help;
};

}  // namespace app
