#include "app/StatusControls.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextDocument>

#include "app/LinkLabel.h"
#include "app/WindowControls.h"

namespace app {

namespace {

// The introduction's text begins in line with the text of the output window.
constexpr int kIntroductionIndent = 4;
// The explanation beside a histogram is read as prose, a little larger than the captions.
constexpr int kPlotTextPixels = 12;

}  // namespace

StatusControls::StatusControls(QWidget& window) : QObject(&window) {
    m_introduction = MakeNamed<QLabel>(&window, "lblIntroduction");
    m_introduction->setWordWrap(true);
    m_introduction->setTextFormat(Qt::PlainText);
    m_introduction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_introduction->setContentsMargins(kIntroductionIndent, 0, 0, 0);

    const QFont bold = BoldFont();
    m_nowComputing =
        MakeNamed<QLabel>(&window, "lblNowComputing", QStringLiteral("Now computing ..."));
    m_numberReached = MakeNamed<QLabel>(&window, "lblI", QStringLiteral("2,000,000,000"));
    for (QLabel* label : {m_nowComputing, m_numberReached}) {
        label->setFont(bold);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->hide();
    }
    m_progress = MakeNamed<QProgressBar>(&window, "progressBar");
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_stop = MakeNamed<QPushButton>(&window, "StopButton", QStringLiteral("&Stop"));
    m_stop->setFont(bold);
    m_stop->setToolTip(QStringLiteral("Stop the computation (Esc)"));
    m_stop->hide();
    connect(m_stop, &QPushButton::clicked, this, &StatusControls::stopClicked);

    m_plotText = MakeNamed<QPlainTextEdit>(&window, "txbPlot");
    QFont plotFont = ProportionalFont();
    plotFont.setPixelSize(kPlotTextPixels);
    m_plotText->setFont(plotFont);
    m_plotText->document()->setDocumentMargin(6);
    m_plotText->setReadOnly(true);
    m_plotText->hide();
    m_plotLabel = MakeNamed<QLabel>(&window, "lblPlot");
    m_plotLabel->hide();

    m_publisher =
        MakeNamed<LinkLabel>(&window, "lblVeltraneSystems", QStringLiteral("Primorator project"));
    m_manual = MakeNamed<LinkLabel>(&window, "lblOnlineDocumentation",
                                    QStringLiteral("Online user manual"));
    m_manual->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_publisher, &LinkLabel::clicked, this, &StatusControls::publisherClicked);
    connect(m_manual, &LinkLabel::clicked, this, &StatusControls::manualClicked);
    m_catalogue = MakeNamed<QPushButton>(&window, "cmdVSSoftware",
                                         QStringLiteral("Primorator project software"));
    m_catalogue->hide();
}

}  // namespace app
