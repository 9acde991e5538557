#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace app {

// The help window `frmHelp`: a second top-level window beside the main
// window, holding the help text `txbHelp1` and the button `cmdClose`.
// It is created once and afterwards only hidden and shown again; closing it
// (Close, F1 on Close, the window's close box) hides it.
//
// Lengths follow the main window's twips at 15 twips per pixel. Positions
// and sizes are those of the client areas (QWidget::geometry) of both
// windows: the window manager adds its frame around each, so the offsets stay
// the same whatever the frame looks like.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // The addresses go into the help text, which is built at the first
    // ShowHelp and kept for the rest of the run.
    HelpWindow(QString manualAddress, QString palmenAddress, QWidget* parent = nullptr);

    // Shows the window, not modal. A minimised help window is only restored,
    // at its old place; otherwise it is placed relative to `mainWindow`'s
    // current position and size first.
    void ShowHelp(const QWidget& mainWindow);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceBeside(const QWidget& mainWindow);
    void ArrangeContents();
    void ApplyTexts();

    QString m_manualAddress;
    QString m_palmenAddress;
    QString m_helpText;   // empty until the first ShowHelp
    QString m_shownText;  // m_helpText as the text box gives it back
    QPlainTextEdit* m_txbHelp1;
    QPushButton* m_cmdClose;
};

// `window` moved, and shrunk if need be, into `screen`: the help window's
// offsets from the main window hold wherever the screen leaves room for them.
QRect KeptOnScreen(QRect window, const QRect& screen);

}  // namespace app
