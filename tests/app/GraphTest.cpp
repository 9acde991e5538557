// The histograms in the main window: a run's picture, checked pixel by
// pixel against counts made by trial division, with its explanation and its
// closing message; the graph geometry; the switch between the screens; the
// bin-overlap stop; and the renderer's messages.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>

#include "GraphTestSupport.h"
#include "WindowTestSupport.h"
#include "engine/HistogramState.h"
#include "stats/Colors.h"
#include "support/EkValue.h"
#include "support/Factoring.h"

using apptest::WindowFixture;

namespace {

// The columns of the NPF bar for the value v: 5 pixels wide around x(v), less its edges.
std::pair<int, int> NpfColumns(int v, const apptest::ExpectedGeometry& g) {
    const int centre = g.margin + 48 * v;
    return {centre - g.barWidth / 2 + 1, centre + g.barWidth / 2 - 1};
}

// The EK values and the histogram of n = start .. end with `numBins` bins.
apptest::ExpectedHistogram EkHistogram(int start, int end, int numBins) {
    std::vector<double> values;
    for (int n = start; n <= end; ++n) values.push_back(oracle::EkValue(n));
    const double width = 5.0 / numBins;
    const apptest::BinRule rule{-(numBins / 4 + 1) * width, width};
    const apptest::ExpectedGeometry g = apptest::GeometryOf(numBins, true);
    return apptest::HistogramOf(values, rule, [&](int bin) {
        return std::pair{g.margin + g.barWidth * bin, g.margin + g.barWidth * (bin + 1) - 1};
    });
}

}  // namespace

class GraphTest : public QObject {
    Q_OBJECT

private slots:
    void npfRunShowsItsPicture();
    void ekRunWithFortyBinsShowsItsPicture();
    void geometryFollowsTheOptionsAndTheBins();
    void screensSwitchAfterRuns();
    void ekRunStopsAtTheFirstBinOverlap();
    void rendererMessagesGoThroughTheWindow_data();
    void rendererMessagesGoThroughTheWindow();
};

void GraphTest::npfRunShowsItsPicture() {
    WindowFixture fixture;
    apptest::AtClosing seen;
    apptest::WatchClosing(fixture, seen);
    apptest::RunFromWindow(fixture, "DoNPFGraph", QStringLiteral("2"), QStringLiteral("2,000"));

    const auto& messages = fixture.Messages().messages;
    QCOMPARE(messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(messages[0].text), apptest::kClosingMessage);
    QCOMPARE(messages[0].title, std::string("Frequencies of integers with n prime factors"));
    // While the message waits, the explanation stands where the options were.
    const QString explanation = QStringLiteral(
        "This histogram is formed by counting \nthe integers (from the start number onwards) "
        "which have exactly 1, 2, 3 ... prime factors.  (Prime numbers and powers of prime "
        "numbers have exactly 1 prime factor.)");
    QVERIFY(seen.plotVisible);
    QVERIFY(seen.picGraphVisible);
    QVERIFY(!seen.frame1Visible);
    QCOMPARE(seen.plotText, explanation);
    QCOMPARE(seen.plotLabel, explanation);
    // Once it is confirmed: the options are back beside the picture.
    QVERIFY(fixture.Find<QWidget>("txbPlot")->isHidden());
    QVERIFY(fixture.Find<QWidget>("lblPlot")->isHidden());
    QVERIFY(fixture.Find<QWidget>("Frame1")->isVisible());
    QVERIFY(fixture.Find<QWidget>("picGraph")->isVisible());
    QVERIFY(fixture.Find<QWidget>("Text3")->isHidden());
    QCOMPARE(fixture.Find<QPushButton>("cmdSwitchDisplay")->text(),
             apptest::ShippedProgramText(29));
    QVERIFY(!fixture.Find<QPushButton>("CopyButton")->isEnabled());
    QVERIFY(!fixture.Find<QPushButton>("ClearOutputButton")->isEnabled());
    QVERIFY(fixture.Find<QRadioButton>("DoNPFGraph")->isChecked());
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentText(), QStringLiteral("120"));

    // The picture: 96 bins of 10/96, the bar of v at x = m + 48 v.
    const apptest::ExpectedGeometry g = apptest::GeometryOf(96, false);
    std::vector<double> values;
    for (int n = 2; n <= 2000; ++n) values.push_back(oracle::CountDistinctPrimes(n));
    const apptest::BinRule rule{0, 10.0 / 96};
    // Each value's bin holds only that value: the bar of the bin is the value's.
    const apptest::ExpectedHistogram expected = apptest::HistogramOf(values, rule, [&](int bin) {
        return NpfColumns(static_cast<int>(std::ceil(bin * rule.width)), g);
    });
    QCOMPARE(expected.counts.size(), size_t{4});  // 1 to 4 distinct primes below 2,310
    const QImage shown = apptest::ShownPicture(fixture.Window());
    QVERIFY(shown.width() >= apptest::kPictureWidth && shown.height() >= apptest::kPictureHeight);
    const QString axes = apptest::CheckAxes(shown, g.margin, g.x0);
    QVERIFY2(axes.isEmpty(), qPrintable(axes));
    const QString bars = apptest::CheckBars(shown, expected);
    QVERIFY2(bars.isEmpty(), qPrintable(bars));
    apptest::SaveScreenshot(fixture.Window(), QStringLiteral("npf-2-to-2000"));
}

void GraphTest::ekRunWithFortyBinsShowsItsPicture() {
    WindowFixture fixture;
    apptest::AtClosing seen;
    apptest::WatchClosing(fixture, seen);
    apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
    apptest::ChooseBins(fixture, Qt::Key_Home);
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentText(), QStringLiteral("40"));
    apptest::RunFromWindow(fixture, "DoEKGraph", QStringLiteral("1,000,000"),
                           QStringLiteral("1,002,000"));

    const auto& messages = fixture.Messages().messages;
    QCOMPARE(messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(messages[0].text), apptest::kClosingMessage);
    QCOMPARE(messages[0].title, std::string("EK values"));
    QVERIFY(seen.plotText.startsWith(QStringLiteral("This histogram is formed as follows:\n\n")));
    QVERIFY(seen.plotText.contains(QStringLiteral("These values are assigned to the 40 bins ")));
    QVERIFY(seen.plotText.contains(QStringLiteral("  The magenta graph is the Gaussian")));
    // The EK run keeps the user's bins.
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentText(), QStringLiteral("40"));
    QVERIFY(fixture.Find<QRadioButton>("DoEKGraph")->isChecked());

    const apptest::ExpectedGeometry g = apptest::GeometryOf(40, true);
    const apptest::ExpectedHistogram expected = EkHistogram(1000000, 1002000, 40);
    const QImage shown = apptest::ShownPicture(fixture.Window());
    const QString axes = apptest::CheckAxes(shown, g.margin, g.x0);
    QVERIFY2(axes.isEmpty(), qPrintable(axes));
    const QString bars = apptest::CheckBars(shown, expected);
    QVERIFY2(bars.isEmpty(), qPrintable(bars));
}

void GraphTest::geometryFollowsTheOptionsAndTheBins() {
    WindowFixture fixture;
    const auto check = [&](const apptest::ExpectedGeometry& expected) {
        const stats::GraphLayout& layout = fixture.Window().GraphGeometry();
        return layout.numBins == expected.numBins && layout.barWidth == expected.barWidth &&
               layout.margin == expected.margin &&
               layout.binsLeftOfZero == expected.binsLeftOfZero && layout.x0 == expected.x0;
    };
    // Before any run the EK scale, without bins left of zero while EK is not chosen.
    QVERIFY(check(apptest::GeometryOf(120, false)));
    apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
    QVERIFY(check(apptest::GeometryOf(120, true)));
    apptest::ChooseBins(fixture, Qt::Key_Home);
    QVERIFY(check(apptest::GeometryOf(40, true)));
    apptest::ChooseBins(fixture, Qt::Key_End);
    QVERIFY(check(apptest::GeometryOf(240, true)));
    apptest::Click(fixture.Find<QRadioButton>("DoPCGraph"));
    QVERIFY(check(apptest::GeometryOf(240, false)));

    // After an NPF run its 10-unit scale, with the bins entry the run gives
    // back (it ran with 96); no bins left of zero.
    apptest::RunFromWindow(fixture, "DoNPFGraph", QStringLiteral("2"), QStringLiteral("1,000"));
    QVERIFY(check(apptest::GeometryOf(240, false)));
    QCOMPARE(fixture.Window().GraphGeometry().unit, 48);
    // An EK run on screen keeps its bins left of zero.
    apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
    apptest::RunFromWindow(fixture, "DoEKGraph", QStringLiteral("1,000,000"),
                           QStringLiteral("1,001,000"));
    QVERIFY(check(apptest::GeometryOf(240, true)));
    QCOMPARE(fixture.Window().GraphGeometry().unit, 96);
}

void GraphTest::screensSwitchAfterRuns() {
    WindowFixture fixture;
    auto* switchButton = fixture.Find<QPushButton>("cmdSwitchDisplay");
    auto* copy = fixture.Find<QPushButton>("CopyButton");
    auto* clear = fixture.Find<QPushButton>("ClearOutputButton");
    const auto graphShown = [&] {
        return fixture.Find<QWidget>("picGraph")->isVisible() &&
               fixture.Find<QWidget>("Text3")->isHidden();
    };
    apptest::RunFromWindow(fixture, "DoNPFGraph", QStringLiteral("2"), QStringLiteral("500"));
    QVERIFY(graphShown());
    for (int round = 0; round < 2; ++round) {
        apptest::Click(switchButton);
        QVERIFY(!graphShown());
        QVERIFY(fixture.Find<QWidget>("Text3")->isVisible());
        QCOMPARE(switchButton->text(), apptest::ShippedProgramText(28));
        QVERIFY(copy->isEnabled());
        QVERIFY(clear->isEnabled());
        apptest::Click(switchButton);
        QVERIFY(graphShown());
        QCOMPARE(switchButton->text(), apptest::ShippedProgramText(29));
        QVERIFY(!copy->isEnabled());
        QVERIFY(!clear->isEnabled());
    }
    // A text run shows its text; the picture stays to be switched to, without a message.
    apptest::RunFromWindow(fixture, "DisplayAllNumbers", QStringLiteral("1"), QStringLiteral("5"));
    QVERIFY(!graphShown());
    QCOMPARE(switchButton->text(), apptest::ShippedProgramText(28));
    QVERIFY(copy->isEnabled());
    QVERIFY(clear->isEnabled());
    const QStringList lines = apptest::OutputLines(fixture.Window());
    QVERIFY(lines.size() > 5);
    for (int n = 1; n <= 5; ++n) QCOMPARE(lines[n - 1], apptest::FactorLine(n));
    const size_t messages = fixture.Messages().messages.size();
    apptest::Click(switchButton);
    QVERIFY(graphShown());
    QCOMPARE(fixture.Messages().messages.size(), messages);
}

void GraphTest::ekRunStopsAtTheFirstBinOverlap() {
    // The oracle: the first rendering (every 500 numbers) at which two
    // adjacent bins of the 240 are filled.
    constexpr int kStart = 1000000;
    const double width = 5.0 / 240;
    const apptest::BinRule rule{-61 * width, width};
    std::array<int, 242> counts{};
    int expectedStop = 0;
    for (int n = kStart; expectedStop == 0 && n <= 1100000; ++n) {
        ++counts[static_cast<size_t>(rule.Index(oracle::EkValue(n)))];
        if ((n - kStart + 1) % 500 != 0) continue;
        for (size_t i = 0; i < 240; ++i) {
            if (counts[i] > 0 && counts[i + 1] > 0) expectedStop = n;
        }
    }
    QVERIFY(expectedStop != 0);

    WindowFixture fixture;
    apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
    apptest::ChooseBins(fixture, Qt::Key_End);
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentText(), QStringLiteral("240"));
    // The message stands over the picture of the rendering that found the
    // overlap, drawn however soon after the last one it came.
    bool barsShownAtTheMessage = false;
    fixture.Messages().onMessage = [&](const engine::Message& message) {
        if (message.text != "Bin overlap! Computation stopped.") return;
        const QImage picture = apptest::ShownPicture(fixture.Window());
        for (int y = 0; y < picture.height() && !barsShownAtTheMessage; ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixel(x, y) == stats::kBarGreen) barsShownAtTheMessage = true;
            }
        }
    };
    apptest::RunFromWindow(fixture, "DoEKGraph", QStringLiteral("1,000,000"),
                           QStringLiteral("1,100,000"));
    QVERIFY(barsShownAtTheMessage);
    const auto& messages = fixture.Messages().messages;
    QCOMPARE(messages.size(), size_t{2});
    QCOMPARE(messages[0].text, std::string("Bin overlap! Computation stopped."));
    QCOMPARE(messages[0].title, std::string("Primorator"));
    QCOMPARE(QString::fromStdString(messages[1].text), apptest::kClosingMessage);
    QCOMPARE(fixture.Window().HistogramData().lastNumber, expectedStop);
    QVERIFY(fixture.Find<QWidget>("picGraph")->isVisible());
}

void GraphTest::rendererMessagesGoThroughTheWindow_data() {
    QTest::addColumn<QString>("filterOperator");  // the button's name; empty: no filter
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    // 3^N + 5 is 6, 8, 14, 32 ...
    QTest::newRow("no numbers") << "cmdExp"
                                << "3"
                                << "5"
                                << "15"
                                << "31"
                                << "No numbers in range.";
    // 7N + 3: only 3 lies in 2 .. 9.
    QTest::newRow("one number") << "cmdMult"
                                << "7"
                                << "3"
                                << "2"
                                << "9"
                                << "Only one number in range.";
    // 2 and 3 both have one prime factor.
    QTest::newRow("equal values") << ""
                                  << ""
                                  << ""
                                  << "2"
                                  << "3"
                                  << "Standard deviation is zero.";
}

void GraphTest::rendererMessagesGoThroughTheWindow() {
    QFETCH(QString, filterOperator);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    WindowFixture fixture;
    if (!filterOperator.isEmpty()) {
        apptest::Click(fixture.Find<QPushButton>(filterOperator.toLatin1().constData()));
        fixture.Find<QLineEdit>("txbA")->setText(a);
        fixture.Find<QLineEdit>("txbB")->setText(b);
    }
    apptest::RunFromWindow(fixture, "DoNPFGraph", start, end);
    const auto& messages = fixture.Messages().messages;
    QCOMPARE(messages.size(), size_t{2});
    QCOMPARE(QString::fromStdString(messages[0].text), message);
    QCOMPARE(messages[0].title, std::string("Primorator"));
    QCOMPARE(QString::fromStdString(messages[1].text), apptest::kClosingMessage);
    // Nothing is drawn: the picture shows the empty frame, no bar.
    const QImage shown = apptest::ShownPicture(fixture.Window());
    for (int x = 0; x < apptest::kPictureWidth; ++x) {
        QVERIFY(shown.pixel(x, apptest::kBaseline - 1) != apptest::kBarGreen);
    }
    const QString axes = apptest::CheckAxes(shown, 2, 2);
    QVERIFY2(axes.isEmpty(), qPrintable(axes));
}

QTEST_MAIN(GraphTest)
#include "GraphTest.moc"
