#include "GraphTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include "WindowTestSupport.h"
#include "stats/HistogramPicture.h"
#include "stats/HistogramRenderer.h"

namespace apptest {

namespace {

int RoundHalfEven(double value) { return static_cast<int>(std::lrint(value)); }

}  // namespace

ExpectedGeometry GeometryOf(int numBins, bool binsLeftOfZero) {
    ExpectedGeometry geometry;
    geometry.numBins = numBins;
    geometry.barWidth = RoundHalfEven(480.0 / numBins);
    geometry.margin = RoundHalfEven(geometry.barWidth / 2.0);
    geometry.binsLeftOfZero = binsLeftOfZero ? numBins / 4 + 1 : 0;
    geometry.x0 = geometry.margin + geometry.barWidth * geometry.binsLeftOfZero;
    return geometry;
}

int BinRule::Index(double value) const {
    // The quotient in extended precision, as the bins are defined: 5 / (10/96) is just below 48.
    const long double quotient =
        static_cast<long double>(value - lower) / static_cast<long double>(width);
    return static_cast<int>(std::floor(quotient));
}

ExpectedHistogram HistogramOf(const std::vector<double>& values, const BinRule& rule,
                              const std::function<std::pair<int, int>(int bin)>& columns) {
    ExpectedHistogram expected;
    double sum = 0;
    double squares = 0;
    for (const double value : values) {
        ++expected.counts[rule.Index(value)];
        sum += value;
        squares += value * value;
    }
    const auto count = static_cast<double>(values.size());
    expected.mean = sum / count;
    expected.stdDev = std::sqrt(squares / count - expected.mean * expected.mean);
    int tallest = 0;
    int tallestBin = 0;
    for (const auto& [bin, binCount] : expected.counts) {
        if (binCount > tallest) {
            tallest = binCount;
            tallestBin = bin;
        }
    }
    const double centre = rule.lower + (tallestBin + 0.5) * rule.width;
    const double z = (centre - expected.mean) / expected.stdDev;
    const double gauss = std::exp(-z * z / 2);
    for (const auto& [bin, binCount] : expected.counts) {
        const int height = RoundHalfEven(
            RoundHalfEven(static_cast<double>(binCount) / tallest * kAxisHeight) * gauss);
        const auto [left, right] = columns(bin);
        expected.bars.push_back({left, right, height});
    }
    return expected;
}

QString CheckBars(const QImage& shown, const ExpectedHistogram& expected) {
    const auto green = [&](int x, int y) { return shown.pixel(x, y) == kBarGreen; };
    const int above = kBaseline - 1;
    std::vector<bool> inBar(kPictureWidth, false);
    const ExpectedBar* tallest = nullptr;
    for (const ExpectedBar& bar : expected.bars) {
        bool anyGreen = false;
        for (int x = bar.left; x <= bar.right; ++x) {
            inBar[static_cast<size_t>(x)] = true;
            anyGreen = anyGreen || green(x, above);
        }
        if (bar.height >= 3 && !anyGreen) {
            return QStringLiteral("no bar at columns %1..%2").arg(bar.left).arg(bar.right);
        }
        if (tallest == nullptr || bar.height > tallest->height) tallest = &bar;
    }
    for (int x = 0; x < kPictureWidth; ++x) {
        if (!inBar[static_cast<size_t>(x)] && green(x, above)) {
            return QStringLiteral("a bar at column %1, where no bin is filled").arg(x);
        }
    }
    bool topInside = false;
    for (int x = tallest->left; x <= tallest->right; ++x) {
        topInside = topInside || green(x, kBaseline - tallest->height + 2);
        if (green(x, kBaseline - tallest->height - 2)) {
            return QStringLiteral("the tallest bar is higher than %1").arg(tallest->height);
        }
    }
    if (!topInside) return QStringLiteral("the tallest bar is lower than %1").arg(tallest->height);
    return {};
}

QString CheckAxes(const QImage& shown, int margin, int x0) {
    for (int x = margin; x < kPictureWidth; ++x) {
        if (shown.pixel(x, kBaseline) != kAxisBlue) {
            return QStringLiteral("x axis not blue at %1").arg(x);
        }
    }
    for (int y = 7; y <= kBaseline; ++y) {
        if (shown.pixel(x0, y) != kAxisBlue) return QStringLiteral("y axis not blue at %1").arg(y);
    }
    return {};
}

void ChooseBins(WindowFixture& fixture, Qt::Key key) {
    auto* bins = fixture.Find<QComboBox>("cboNumBins");
    bins->setFocus();
    QTest::keyClick(bins, key);
}

void WatchClosing(WindowFixture& fixture, AtClosing& seen, const QString& screenshot) {
    fixture.Messages().onMessage = [&fixture, &seen, screenshot](const engine::Message& message) {
        if (QString::fromStdString(message.text) != kClosingMessage) return;
        seen.plotVisible = fixture.Find<QWidget>("txbPlot")->isVisible();
        seen.picGraphVisible = fixture.Find<QWidget>("picGraph")->isVisible();
        seen.frame1Visible = fixture.Find<QWidget>("Frame1")->isVisible();
        seen.plotText = fixture.Find<QPlainTextEdit>("txbPlot")->toPlainText();
        seen.plotLabel = fixture.Find<QLabel>("lblPlot")->text();
        if (!screenshot.isEmpty()) apptest::SaveScreenshot(fixture.Window(), screenshot);
    };
}

bool ChooseFromGraphMenu(WindowFixture& fixture, int entry) {
    QTest::mouseClick(fixture.Find<QWidget>("picGraph"), Qt::RightButton);
    auto* menu = fixture.Find<QMenu>("graphMenu");
    if (!menu->isVisible()) return false;
    QAction* chosen = menu->actions().at(entry);
    menu->hide();
    chosen->trigger();
    return true;
}

QString CompareWithFreshRendering(WindowFixture& fixture, int binsEntry) {
    engine::HistogramState data = fixture.Window().HistogramData();
    apptest::RecordingMessages messages;
    stats::HistogramPicture fresh(messages, stats::KernelLineFitter());
    fresh.BeginGraph(data.kind, binsEntry);
    fresh.Render(data, true, binsEntry, format::Separator::Comma);
    const QImage shown = apptest::ShownPicture(fixture.Window())
                             .copy(0, 0, apptest::kPictureWidth, apptest::kPictureHeight);
    const QImage expected = fresh.Image().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (shown.pixel(x, y) != expected.pixel(x, y)) {
                return QStringLiteral("differs at %1, %2").arg(x).arg(y);
            }
        }
    }
    return {};
}

}  // namespace apptest
