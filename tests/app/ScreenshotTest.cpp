// The window as it looks: at the screen's scale (run at 1 and at 2 by CTest)
// the histogram is drawn at the screen's pixels, not enlarged; under a dark
// palette the graph stays a white sheet and the controls stay readable.
// With PRIMORATOR_SCREENSHOT_DIR set, the pictures are kept to be looked at.
#include <QApplication>
#include <QFrame>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "GraphTestSupport.h"
#include "WindowTestSupport.h"
#include "stats/HistogramPicture.h"

using apptest::WindowFixture;

namespace {

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Link, QColor(120, 170, 255));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(130, 130, 130));
    }
    return dark;
}

// The picture on screen in device pixels.
QImage ShownDevicePixels(QWidget& window) {
    auto* picture = window.findChild<QFrame*>(QStringLiteral("picGraph"));
    const qreal ratio = picture->devicePixelRatioF();
    const QRect inside = picture->contentsRect();
    const QImage grabbed = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage shown = grabbed.copy(QRect(inside.topLeft() * ratio, inside.size() * ratio));
    shown.setDevicePixelRatio(1);
    return shown;
}

}  // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void histogramIsDrawnAtTheScreensPixels();
    void darkPaletteKeepsAWhiteSheetAndReadableControls();
};

void ScreenshotTest::histogramIsDrawnAtTheScreensPixels() {
    WindowFixture fixture;
    const qreal ratio = fixture.Window().devicePixelRatioF();
    const QString scale = QString::number(ratio);
    apptest::SaveScreenshot(fixture.Window(), QStringLiteral("start-x") + scale);
    apptest::RunFromWindow(fixture, "DoEKGraph", QStringLiteral("1,000,000"),
                           QStringLiteral("1,010,000"));
    apptest::SaveScreenshot(fixture.Window(), QStringLiteral("ek-x") + scale);

    // The same data drawn afresh at the screen's scale, pixel for pixel.
    engine::HistogramState data = fixture.Window().HistogramData();
    apptest::RecordingMessages messages;
    stats::HistogramPicture fresh(messages, stats::KernelLineFitter());
    fresh.BeginGraph(data.kind, engine::kDefaultBinsEntry);
    fresh.Render(data, true, engine::kDefaultBinsEntry, format::Separator::Comma);
    const QImage expected = fresh.Scaled(ratio).convertToFormat(QImage::Format_RGB32);
    const QImage shown = ShownDevicePixels(fixture.Window()).copy(QRect(QPoint(), expected.size()));
    QCOMPARE(shown, expected);
    // The x axis is as many device pixels thick as the scale: drawn, not enlarged and smoothed.
    const int axisX = static_cast<int>(300 * ratio);
    int blueRows = 0;
    for (int y = 0; y < shown.height(); ++y)
        blueRows += shown.pixel(axisX, y) == apptest::kAxisBlue;
    QCOMPARE(blueRows, static_cast<int>(ratio));
}

void ScreenshotTest::darkPaletteKeepsAWhiteSheetAndReadableControls() {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    {
        WindowFixture fixture;
        apptest::RunFromWindow(fixture, "DoNPFGraph", QStringLiteral("2"), QStringLiteral("3,000"));
        apptest::SaveScreenshot(fixture.Window(), QStringLiteral("dark-npf"));
        const QImage window = fixture.Window().grab().toImage();
        const qreal ratio = fixture.Window().devicePixelRatioF();
        QCOMPARE(QColor(window.pixel(QPoint(3, 3) * ratio)).lightness(),
                 QColor(45, 45, 48).lightness());
        // The sheet is white where nothing is drawn, in its bottom right corner.
        const QImage sheet = ShownDevicePixels(fixture.Window());
        QCOMPARE(sheet.pixel(sheet.width() - 2, sheet.height() - 2), qRgb(255, 255, 255));
        // Captions stand out from their buttons.
        const QPalette shown = fixture.Find<QPushButton>("ComputeButton")->palette();
        QVERIFY(std::abs(shown.color(QPalette::ButtonText).lightness() -
                         shown.color(QPalette::Button).lightness()) > 120);
    }
    QApplication::setPalette(before);
}

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
