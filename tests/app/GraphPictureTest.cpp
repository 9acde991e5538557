// The final picture of a run in the window: what its data gives when drawn
// once on a cleared picture, although the window draws only the renderings
// it can show (a few a second); the data rule of the renderings it skips;
// and pictures of long runs for people to look at.
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include <random>

#include "GraphTestSupport.h"
#include "WindowTestSupport.h"
#include "engine/HistogramState.h"
#include "stats/HistogramPicture.h"
#include "stats/HistogramRenderer.h"

using apptest::WindowFixture;

class GraphPictureTest : public QObject {
    Q_OBJECT

private slots:
    void finalPictureIsTheRenderingOfTheData_data();
    void finalPictureIsTheRenderingOfTheData();
    void renderingLeavesTheDataAsItIs();
    void screenshotsOfLongRuns();
};

void GraphPictureTest::finalPictureIsTheRenderingOfTheData_data() {
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

void GraphPictureTest::finalPictureIsTheRenderingOfTheData() {
    QFETCH(QString, option);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, binsEntry);
    WindowFixture fixture;
    apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
    apptest::ChooseBins(fixture, Qt::Key_Home);
    apptest::RunFromWindow(fixture, option.toLatin1().constData(), start, end);
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QCOMPARE(fixture.Window().HistogramData().lastNumber, QString(end).remove(u',').toInt());
    const QString difference = apptest::CompareWithFreshRendering(fixture, binsEntry);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void GraphPictureTest::renderingLeavesTheDataAsItIs() {
    // EK bin tables with spikes one or two bins wide, some adjacent pairs
    // among them: drawing them changes nothing, and draws the same picture
    // each time.
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        engine::HistogramState state;
        state.kind = engine::HistogramKind::EK;
        state.valueMean = 0.3;
        state.valueStdDev = trial % 10 == 0 ? 0 : 0.6;
        state.binOverlapFound = trial % 3 == 0;
        const int entry = trial % 8;
        for (int bin = 0; bin < engine::kBinsList[static_cast<size_t>(entry)]; ++bin) {
            if (random() % 4 == 0) {
                state.binCounts[static_cast<size_t>(bin)][static_cast<size_t>(entry)] =
                    1 + static_cast<int32_t>(random() % 50);
            }
        }
        const engine::HistogramState before = state;
        apptest::RecordingMessages messages;
        stats::HistogramPicture picture(messages, stats::KernelLineFitter());
        picture.Render(state, false, entry, format::Separator::Comma);
        const QImage first = picture.Image().copy();
        picture.Render(state, false, entry, format::Separator::Comma);
        QCOMPARE(state.binOverlapFound, before.binOverlapFound);
        QVERIFY2(state.binCounts == before.binCounts, qPrintable(QString::number(trial)));
        QVERIFY2(picture.Image() == first, qPrintable(QString::number(trial)));
    }
}

void GraphPictureTest::screenshotsOfLongRuns() {
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
        apptest::AtClosing seen;
        apptest::WatchClosing(fixture, seen, QLatin1String(shot.name) + QStringLiteral("-closing"));
        apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
        apptest::ChooseBins(fixture, shot.bins);
        const int entry = fixture.Find<QComboBox>("cboNumBins")->currentIndex();
        apptest::RunFromWindow(fixture, shot.option, QLatin1String(shot.start),
                               QLatin1String(shot.end));
        apptest::SaveScreenshot(fixture.Window(), QLatin1String(shot.name));
        // The EK run with 240 bins stops at an overlap, whose merge a fresh rendering repeats.
        if (shot.bins == Qt::Key_End) continue;
        const QString difference = apptest::CompareWithFreshRendering(fixture, entry);
        QVERIFY2(difference.isEmpty(), qPrintable(QLatin1String(shot.name) + difference));
    }
}

QTEST_MAIN(GraphPictureTest)
#include "GraphPictureTest.moc"
