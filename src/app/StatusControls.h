#pragma once

#include <QObject>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace app {

class LinkLabel;

// The window's single controls around its panels: the introduction, what a
// run shows while busy (the number reached, the share done, Stop), the
// explanation beside a histogram (txbPlot, lblPlot), the two links and the
// catalogue button. The window owns them through Qt's parent chain.
class StatusControls final : public QObject {
    Q_OBJECT

public:
    explicit StatusControls(QWidget& window);

    QLabel* Introduction() const { return m_introduction; }
    QLabel* NowComputing() const { return m_nowComputing; }
    QLabel* NumberReached() const { return m_numberReached; }  // lblI
    QProgressBar* Progress() const { return m_progress; }
    QPushButton* Stop() const { return m_stop; }
    QPlainTextEdit* PlotText() const { return m_plotText; }  // txbPlot
    QLabel* PlotLabel() const { return m_plotLabel; }        // lblPlot
    LinkLabel* Publisher() const { return m_publisher; }     // lblVeltraneSystems
    LinkLabel* Manual() const { return m_manual; }           // lblOnlineDocumentation
    QPushButton* Catalogue() const { return m_catalogue; }   // cmdVSSoftware

signals:
    void stopClicked();
    void manualClicked();
    void publisherClicked();

private:
    QLabel* m_introduction;
    QLabel* m_nowComputing;
    QLabel* m_numberReached;
    QProgressBar* m_progress;
    QPushButton* m_stop;
    QPlainTextEdit* m_plotText;
    QLabel* m_plotLabel;
    LinkLabel* m_publisher;
    LinkLabel* m_manual;
    QPushButton* m_catalogue;
};

}  // namespace app
