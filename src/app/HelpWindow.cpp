#include "app/HelpWindow.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>

#include "app/HelpText.h"
#include "app/Twips.h"

namespace app {

namespace {

// Offsets of the help window from the main window, in twips.
constexpr int kTopOffset = 1200;
constexpr int kLeftOffset = 4125;
constexpr int kWidthLess = 4250;
constexpr int kHeightLess = 1325;

// Contents, in twips from the help window's size.
constexpr int kTextWidthLess = 250;
constexpr int kTextHeightLess = 1150;
constexpr int kCloseTopLess = 925;
constexpr int kTextLeft = 120;
constexpr int kTextTop = 120;
constexpr int kCloseWidth = 1215;
constexpr int kCloseHeight = 375;

// A main window smaller than the offsets would leave the help window no
// room; it keeps at least this size then.
constexpr int kMinimumWidth = 4500;
constexpr int kMinimumHeight = 3000;

const QString kCaption = QStringLiteral("Primorator Help");
const QString kCloseCaption = QStringLiteral("Close");

}  // namespace

QRect KeptOnScreen(QRect window, const QRect& screen) {
    window.setSize(window.size().boundedTo(screen.size()));
    window.moveRight(std::min(window.right(), screen.right()));
    window.moveBottom(std::min(window.bottom(), screen.bottom()));
    window.moveLeft(std::max(window.left(), screen.left()));
    window.moveTop(std::max(window.top(), screen.top()));
    return window;
}

HelpWindow::HelpWindow(QString manualAddress, QString palmenAddress, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_manualAddress(std::move(manualAddress)),
      m_palmenAddress(std::move(palmenAddress)),
      m_txbHelp1(new QPlainTextEdit(this)),
      m_cmdClose(new QPushButton(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(kCaption);
    // The program ends with its main window; an open help window must not
    // keep it running.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_txbHelp1->setObjectName(QStringLiteral("txbHelp1"));
    m_txbHelp1->setReadOnly(true);
    m_txbHelp1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txbHelp1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txbHelp1->move(TwipsToPixels(kTextLeft), TwipsToPixels(kTextTop));

    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    m_cmdClose->setText(kCloseCaption);
    m_cmdClose->resize(TwipsToPixels(kCloseWidth), TwipsToPixels(kCloseHeight));
    m_cmdClose->installEventFilter(this);
    connect(m_cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}

void HelpWindow::ShowHelp(const QWidget& mainWindow) {
    if (isMinimized()) {
        showNormal();
        return;
    }
    if (m_helpText.isEmpty()) m_helpText = HelpText(m_manualAddress, m_palmenAddress);
    PlaceBeside(mainWindow);
    // Also here, not only on activation: a window manager may refuse to
    // activate a window that did not ask for it.
    ApplyTexts();
    show();
    raise();
    activateWindow();
}

void HelpWindow::PlaceBeside(const QWidget& mainWindow) {
    const QRect main = mainWindow.geometry();
    const int width = std::max(PixelsToTwips(main.width()) - kWidthLess, kMinimumWidth);
    const int height = std::max(PixelsToTwips(main.height()) - kHeightLess, kMinimumHeight);
    const QRect beside(main.x() + TwipsToPixels(kLeftOffset), main.y() + TwipsToPixels(kTopOffset),
                       TwipsToPixels(width), TwipsToPixels(height));
    setGeometry(KeptOnScreen(beside, mainWindow.screen()->availableGeometry()));
    ArrangeContents();
}

void HelpWindow::ArrangeContents() {
    const int width = PixelsToTwips(this->width());
    const int height = PixelsToTwips(this->height());
    m_txbHelp1->resize(std::max(TwipsToPixels(width - kTextWidthLess), 0),
                       std::max(TwipsToPixels(height - kTextHeightLess), 0));
    m_cmdClose->move(TwipsToPixels((width - PixelsToTwips(m_cmdClose->width())) / 2),
                     TwipsToPixels(height - kCloseTopLess));
}

void HelpWindow::ApplyTexts() {
    setWindowTitle(kCaption);
    m_cmdClose->setText(kCloseCaption);
    // Setting the same text again would scroll back to the top: the text is
    // put in only when the box holds something else, so the reader keeps the
    // place.
    if (!m_shownText.isEmpty() && m_txbHelp1->toPlainText() == m_shownText) return;
    m_txbHelp1->setPlainText(m_helpText);
    m_shownText = m_txbHelp1->toPlainText();
}

bool HelpWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) ApplyTexts();
    return QWidget::event(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_cmdClose && event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    // The same rule when the user resizes the window, so the Close button
    // stays centred below the text.
    ArrangeContents();
    QWidget::resizeEvent(event);
}

}  // namespace app
