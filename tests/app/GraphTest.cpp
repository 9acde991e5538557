// The histograms in the main window: a run's picture, checked pixel by
// pixel against counts made by trial division, with its explanation and its
// closing message; the graph geometry; the switch between the screens; the
// bin-overlap stop; the renderer's messages; and the final picture of a long
// run against a fresh rendering of its data.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <random>

#include "GraphOracle.h"
#include "WindowTestSupport.h"
#include "engine/HistogramState.h"
#include "stats/HistogramPicture.h"
#include "stats/HistogramRenderer.h"

using apptest::WindowFixture;

namespace {

const QString kClosing = QStringLiteral("Click OK to close the text box at left.");

// The columns of the NPF bar for the value v: 5 pixels wide around x(v), less its edges.
std::pair<int, int> NpfColumns(int v, const apptest::ExpectedGeometry& g) {
    const int centre = g.margin + 48 * v;
    return {centre - g.barWidth / 2 + 1, centre + g.barWidth / 2 - 1};
}

// The bins list entry (0 = 40 ... 7 = 240) chosen with the keyboard, as a user would.
void ChooseBins(WindowFixture& fixture, Qt::Key key) {
    auto* bins = fixture.Find<QComboBox>("cboNumBins");
    bins->setFocus();
    QTest::keyClick(bins, key);
}

// The EK values and the histogram of n = start .. end with `numBins` bins.
apptest::ExpectedHistogram EkHistogram(int start, int end, int numBins) {
    std::vector<double> values;
    for (int n = start; n <= end; ++n) values.push_back(apptest::EkValueOf(n));
    const double width = 5.0 / numBins;
    const apptest::BinRule rule{-(numBins / 4 + 1) * width, width};
    const apptest::ExpectedGeometry g = apptest::GeometryOf(numBins, true);
    return apptest::HistogramOf(values, rule, [&](int bin) {
        return std::pair{g.margin + g.barWidth * bin, g.margin + g.barWidth * (bin + 1) - 1};
    });
}

// Records the window as the closing message finds it, before it is confirmed.
struct AtClosing {
    bool plotVisible = false;
    bool picGraphVisible = false;
    bool frame1Visible = true;
    QString plotText;
    QString plotLabel;
};

void WatchClosing(WindowFixture& fixture, AtClosing& seen, const QString& screenshot = {}) {
    fixture.Messages().onMessage = [&fixture, &seen, screenshot](const engine::Message& message) {
        if (QString::fromStdString(message.text) != kClosing) return;
        seen.plotVisible = fixture.Find<QWidget>("txbPlot")->isVisible();
        seen.picGraphVisible = fixture.Find<QWidget>("picGraph")->isVisible();
        seen.frame1Visible = fixture.Find<QWidget>("Frame1")->isVisible();
        seen.plotText = fixture.Find<QPlainTextEdit>("txbPlot")->toPlainText();
        seen.plotLabel = fixture.Find<QLabel>("lblPlot")->text();
        if (!screenshot.isEmpty()) apptest::SaveScreenshot(fixture.Window(), screenshot);
    };
}

// The final picture a run left on screen is the picture its data gives when
// drawn once on a cleared picture.
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
    void finalPictureIsTheRenderingOfTheData_data();
    void finalPictureIsTheRenderingOfTheData();
    void skippedRenderingsChangeTheDataAsRenderingsDo();
    void screenshotsOfLongRuns();
};

void GraphTest::npfRunShowsItsPicture() {
    WindowFixture fixture;
    AtClosing seen;
    WatchClosing(fixture, seen);
    apptest::RunFromWindow(fixture, "DoNPFGraph", QStringLiteral("2"), QStringLiteral("2,000"));

    const auto& messages = fixture.Messages().messages;
    QCOMPARE(messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(messages[0].text), kClosing);
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
    for (int n = 2; n <= 2000; ++n) values.push_back(apptest::DistinctPrimeFactors(n));
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
    AtClosing seen;
    WatchClosing(fixture, seen);
    apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
    ChooseBins(fixture, Qt::Key_Home);
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentText(), QStringLiteral("40"));
    apptest::RunFromWindow(fixture, "DoEKGraph", QStringLiteral("1,000,000"),
                           QStringLiteral("1,002,000"));

    const auto& messages = fixture.Messages().messages;
    QCOMPARE(messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(messages[0].text), kClosing);
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
    ChooseBins(fixture, Qt::Key_Home);
    QVERIFY(check(apptest::GeometryOf(40, true)));
    ChooseBins(fixture, Qt::Key_End);
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
        ++counts[static_cast<size_t>(rule.Index(apptest::EkValueOf(n)))];
        if ((n - kStart + 1) % 500 != 0) continue;
        for (size_t i = 0; i < 240; ++i) {
            if (counts[i] > 0 && counts[i + 1] > 0) expectedStop = n;
        }
    }
    QVERIFY(expectedStop != 0);

    WindowFixture fixture;
    apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
    ChooseBins(fixture, Qt::Key_End);
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentText(), QStringLiteral("240"));
    apptest::RunFromWindow(fixture, "DoEKGraph", QStringLiteral("1,000,000"),
                           QStringLiteral("1,100,000"));
    const auto& messages = fixture.Messages().messages;
    QCOMPARE(messages.size(), size_t{2});
    QCOMPARE(messages[0].text, std::string("Bin overlap! Computation stopped."));
    QCOMPARE(messages[0].title, std::string("Primorator"));
    QCOMPARE(QString::fromStdString(messages[1].text), kClosing);
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
    QCOMPARE(QString::fromStdString(messages[1].text), kClosing);
    // Nothing is drawn: the picture shows the empty frame, no bar.
    const QImage shown = apptest::ShownPicture(fixture.Window());
    for (int x = 0; x < apptest::kPictureWidth; ++x) {
        QVERIFY(shown.pixel(x, apptest::kBaseline - 1) != apptest::kBarGreen);
    }
    const QString axes = apptest::CheckAxes(shown, 2, 2);
    QVERIFY2(axes.isEmpty(), qPrintable(axes));
}

void GraphTest::finalPictureIsTheRenderingOfTheData_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("binsEntry");
    QTest::newRow("NPF") << "DoNPFGraph"
                         << "2"
                         << "400,000" << 4;
    QTest::newRow("Palmen colors") << "DoPCGraph"
                                   << "1"
                                   << "400,000" << 4;
    QTest::newRow("EK, 40 bins") << "DoEKGraph"
                                 << "1,000,000"
                                 << "1,400,000" << 0;
}

void GraphTest::finalPictureIsTheRenderingOfTheData() {
    QFETCH(QString, option);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, binsEntry);
    WindowFixture fixture;
    apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
    ChooseBins(fixture, Qt::Key_Home);
    apptest::RunFromWindow(fixture, option.toLatin1().constData(), start, end);
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QCOMPARE(fixture.Window().HistogramData().lastNumber, QString(end).remove(u',').toInt());
    const QString difference = CompareWithFreshRendering(fixture, binsEntry);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void GraphTest::skippedRenderingsChangeTheDataAsRenderingsDo() {
    // EK bin tables with spikes one or two bins wide, some adjacent pairs
    // among them; each drawn once and once only applied to the data.
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        engine::HistogramState drawn;
        drawn.kind = engine::HistogramKind::EK;
        drawn.valueMean = 0.3;
        drawn.valueStdDev = trial % 10 == 0 ? 0 : 0.6;
        drawn.binOverlapFound = trial % 3 == 0;
        const int entry = trial % 8;
        for (int bin = 0; bin < engine::kBinsList[static_cast<size_t>(entry)]; ++bin) {
            if (random() % 4 == 0) {
                drawn.binCounts[static_cast<size_t>(bin)][static_cast<size_t>(entry)] =
                    1 + static_cast<int32_t>(random() % 50);
            }
        }
        engine::HistogramState applied = drawn;
        apptest::RecordingMessages messages;
        stats::HistogramPicture picture(messages, stats::KernelLineFitter());
        picture.Render(drawn, false, entry, format::Separator::Comma);
        stats::ApplyRenderingToData(applied, entry);
        QCOMPARE(applied.binOverlapFound, drawn.binOverlapFound);
        QVERIFY2(applied.binCounts == drawn.binCounts, qPrintable(QString::number(trial)));
    }
}

void GraphTest::screenshotsOfLongRuns() {
    if (qEnvironmentVariableIsEmpty("PRIMORATOR_SCREENSHOT_DIR")) {
        QSKIP("pictures for people to look at: set PRIMORATOR_SCREENSHOT_DIR");
    }
    struct Shot {
        const char* name;
        const char* option;
        const char* start;
        const char* end;
        Qt::Key bins;  // Home: 40, End: 240
    };
    const Shot shots[] = {{"npf-2-to-1000000", "DoNPFGraph", "2", "1,000,000", Qt::Key_Home},
                          {"ek-40-bins", "DoEKGraph", "1,000,000", "2,000,000", Qt::Key_Home},
                          {"ek-240-bins", "DoEKGraph", "1,000,000", "2,000,000", Qt::Key_End},
                          {"palmen-colors", "DoPCGraph", "1", "1,000,000", Qt::Key_Home}};
    for (const Shot& shot : shots) {
        WindowFixture fixture;
        AtClosing seen;
        WatchClosing(fixture, seen, QLatin1String(shot.name) + QStringLiteral("-closing"));
        apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
        ChooseBins(fixture, shot.bins);
        const int entry = fixture.Find<QComboBox>("cboNumBins")->currentIndex();
        apptest::RunFromWindow(fixture, shot.option, QLatin1String(shot.start),
                               QLatin1String(shot.end));
        apptest::SaveScreenshot(fixture.Window(), QLatin1String(shot.name));
        // The EK run with 240 bins stops at an overlap, whose merge a fresh rendering repeats.
        if (shot.bins == Qt::Key_End) continue;
        const QString difference = CompareWithFreshRendering(fixture, entry);
        QVERIFY2(difference.isEmpty(), qPrintable(QLatin1String(shot.name) + difference));
    }
}

QTEST_MAIN(GraphTest)
#include "GraphTest.moc"
