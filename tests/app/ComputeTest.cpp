// Compute from the window: result lines, refusals, the busy state seen from
// a progress point, Stop, and closing the window in the middle of a run.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "WindowTestSupport.h"
#include "persist/StateReader.h"
#include "support/PrimeSieve.h"

using apptest::WindowFixture;

namespace {

void SetRange(WindowFixture& fixture, const QString& start, const QString& end) {
    fixture.Find<QLineEdit>("Text1")->setText(start);
    fixture.Find<QLineEdit>("Text2")->setText(end);
}

// What the busy window shows at a progress point.
struct BusyView {
    bool frame1Enabled = true;
    bool frame2Enabled = true;
    bool frame3Enabled = true;
    bool frame4Visible = true;
    bool stopVisible = false;
    bool stopHasFocus = false;
    bool nowComputingVisible = false;
    bool introductionVisible = true;
    bool progressVisible = false;
    int progress = -1;
    QString reached;
};

BusyView LookAtBusyWindow(WindowFixture& fixture) {
    BusyView view;
    view.frame1Enabled = fixture.Find<QWidget>("Frame1")->isEnabled();
    view.frame2Enabled = fixture.Find<QWidget>("Frame2")->isEnabled();
    view.frame3Enabled = fixture.Find<QWidget>("Frame3")->isEnabled();
    view.frame4Visible = fixture.Find<QWidget>("Frame4")->isVisible();
    view.stopVisible = fixture.Find<QWidget>("StopButton")->isVisible();
    view.stopHasFocus = fixture.Window().focusWidget() == fixture.Find<QWidget>("StopButton");
    view.nowComputingVisible = fixture.Find<QWidget>("lblNowComputing")->isVisible();
    view.introductionVisible = fixture.Find<QWidget>("lblIntroduction")->isVisible();
    view.progressVisible = fixture.Find<QWidget>("progressBar")->isVisible();
    view.progress = fixture.Find<QProgressBar>("progressBar")->value();
    view.reached = fixture.Find<QLabel>("lblI")->text();
    return view;
}

}  // namespace

class ComputeTest : public QObject {
    Q_OBJECT

private slots:
    void factoringWritesEveryLineAndTheSummary();
    void secondRunStartsWithADividingLine();
    void refusedRunsLeaveTheOutputAlone_data();
    void refusedRunsLeaveTheOutputAlone();
    void fullOutputStopsTheRunAndCutsTheText();
    void stopEndsTheRunAtTheNumberReached();
    void histogramRunHidesTheOptionsAndKeepsTheIntroduction();
    void closingWhileBusyEndsTheProgramAtOnce();
};

void ComputeTest::factoringWritesEveryLineAndTheSummary() {
    WindowFixture fixture;
    SetRange(fixture, QStringLiteral("1"), QStringLiteral("30"));
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
    QStringList expected;
    for (int n = 1; n <= 30; ++n) expected << apptest::FactorLine(n);
    expected << QStringLiteral(" %1 primes found in range 1 through 30.")
                    .arg(oracle::CountPrimes(1, 30));
    QCOMPARE(apptest::OutputLines(fixture.Window()), expected);
    QVERIFY(fixture.Messages().messages.empty());

    // Idle again: the busy controls are gone, the caret at the end, the focus back.
    for (const char* hidden : {"StopButton", "lblNowComputing", "lblI", "progressBar"}) {
        QVERIFY2(fixture.Find<QWidget>(hidden)->isHidden(), hidden);
    }
    QVERIFY(fixture.Find<QWidget>("lblIntroduction")->isVisible());
    QVERIFY(fixture.Find<QWidget>("Frame4")->isVisible());
    for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
        QVERIFY2(fixture.Find<QWidget>(frame)->isEnabled(), frame);
    }
    auto* text3 = fixture.Find<QPlainTextEdit>("Text3");
    QCOMPARE(text3->textCursor().position(), static_cast<int>(text3->toPlainText().size()));
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("ComputeButton"));
    QCOMPARE(fixture.Find<QPushButton>("cmdSwitchDisplay")->text(),
             apptest::ShippedProgramText(28));
    QVERIFY(fixture.Find<QPushButton>("CopyButton")->isEnabled());
    apptest::SaveScreenshot(fixture.Window(), QStringLiteral("after-1-to-30"));
}

void ComputeTest::secondRunStartsWithADividingLine() {
    WindowFixture fixture;
    SetRange(fixture, QStringLiteral("12"), QString());
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
    SetRange(fixture, QStringLiteral("13"), QString());
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
    QCOMPARE(apptest::OutputLines(fixture.Window()),
             (QStringList{apptest::FactorLine(12), QString(50, QLatin1Char('-')),
                          apptest::FactorLine(13)}));
}

void ComputeTest::refusedRunsLeaveTheOutputAlone_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("nothing") << ""
                             << ""
                             << "DisplayAllNumbers"
                             << "Nothing to do!"
                             << "Text1";
    QTest::newRow("no start") << ""
                              << "5"
                              << "DisplayAllNumbers"
                              << "Start number invalid."
                              << "Text1";
    QTest::newRow("NPF from 1") << "1"
                                << "100"
                                << "DoNPFGraph"
                                << "Start number must be at least 2."
                                << "ComputeButton";
    QTest::newRow("EK below a million") << "5"
                                        << "100"
                                        << "DoEKGraph"
                                        << "Start number must be at least 1,000,000"
                                        << "ComputeButton";
    QTest::newRow("EK single number") << "2,000,000"
                                      << "2,000,000"
                                      << "DoEKGraph"
                                      << "End number must be greater than start number."
                                      << "ComputeButton";
}

void ComputeTest::refusedRunsLeaveTheOutputAlone() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, option);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    WindowFixture fixture;
    auto* text3 = fixture.Find<QPlainTextEdit>("Text3");
    text3->setPlainText(QStringLiteral("earlier results"));
    apptest::Click(fixture.Find<QRadioButton>(option.toLatin1().constData()));
    SetRange(fixture, start, end);
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
    QCOMPARE(text3->toPlainText(), QStringLiteral("earlier results"));
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    const engine::Message& refusal = fixture.Messages().messages[0];
    QCOMPARE(QString::fromStdString(refusal.text), message);
    QCOMPARE(refusal.title, std::string("Primorator"));
    QVERIFY(refusal.icon == engine::MessageIcon::None);
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>(focus.toLatin1().constData()));
    QVERIFY(fixture.Find<QWidget>("StopButton")->isHidden());
}

void ComputeTest::fullOutputStopsTheRunAndCutsTheText() {
    WindowFixture fixture;
    // 55,297 characters, counting each line break as two: one above the limit.
    QString earlier;
    while (earlier.size() < 55297 - 60)
        earlier += QString(58, QLatin1Char('x')) + QStringLiteral("\r\n");
    earlier += QString(55297 - earlier.size(), QLatin1Char('y'));
    QCOMPARE(earlier.size(), 55297);
    auto* text3 = fixture.Find<QPlainTextEdit>("Text3");
    text3->setPlainText(QString(earlier).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    SetRange(fixture, QStringLiteral("1"), QStringLiteral("30"));
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));

    // The headings and the numbers 1 and 2 come before the first check, at 3.
    const QString written =
        earlier + QString(50, QLatin1Char('-')) + QStringLiteral("\r\n 1\r\n 2 is prime\r\n");
    QVERIFY(written.at(written.size() - 257) != QLatin1Char('\r'));
    const QString expected =
        written.left(written.size() - 256) + QStringLiteral("\r\n\r\nBuffer full.\r\n");
    QCOMPARE(text3->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")), expected);
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QCOMPARE(fixture.Messages().messages[0],
             (engine::Message{"Cannot continue because the text buffer is full.", "Out of memory",
                              engine::MessageIcon::Warning}));
    QVERIFY(fixture.Find<QWidget>("StopButton")->isHidden());
}

void ComputeTest::stopEndsTheRunAtTheNumberReached() {
    WindowFixture fixture;
    apptest::Click(fixture.Find<QRadioButton>("CountPrimesOnly"));
    SetRange(fixture, QStringLiteral("1"), QStringLiteral("100,000,000"));
    BusyView busy;
    apptest::AtFirstProgressPoint(fixture.Window(), [&] {
        busy = LookAtBusyWindow(fixture);
        apptest::SaveScreenshot(fixture.Window(), QStringLiteral("busy"));
        apptest::Click(fixture.Find<QPushButton>("StopButton"));
    });
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));

    QVERIFY(!busy.frame1Enabled);
    QVERIFY(!busy.frame2Enabled);
    QVERIFY(!busy.frame3Enabled);
    QVERIFY(!busy.frame4Visible);
    QVERIFY(busy.stopVisible);
    QVERIFY(busy.stopHasFocus);
    QVERIFY(busy.nowComputingVisible);
    QVERIFY(!busy.introductionVisible);
    QVERIFY(busy.progressVisible);
    QCOMPARE(fixture.Find<QLabel>("lblNowComputing")->text(), QStringLiteral("Now computing ..."));

    // A count goes in chunks that end at a progress point (a multiple of the
    // first step, 20,000); the run stops at the first one shown.
    const qint64 reached = QString(busy.reached).remove(QLatin1Char(',')).toLongLong();
    QVERIFY2(reached > 0 && reached % 20000 == 0, qPrintable(busy.reached));
    QVERIFY(reached <= (1 << 27) + 2);
    QCOMPARE(busy.progress, static_cast<int>((reached - 1) * 1000 / (100000000 - 1)));
    QCOMPARE(apptest::OutputLines(fixture.Window()),
             QStringList{
                 QStringLiteral(" %1 primes found in range 1 through %2.")
                     .arg(apptest::Grouped(oracle::CountPrimes(1, reached), ','), busy.reached)});
    QVERIFY(fixture.Find<QWidget>("StopButton")->isHidden());
    QVERIFY(fixture.Find<QWidget>("progressBar")->isHidden());
    QVERIFY(fixture.Find<QWidget>("Frame4")->isVisible());
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("ComputeButton"));
    QVERIFY(fixture.Messages().messages.empty());
}

void ComputeTest::histogramRunHidesTheOptionsAndKeepsTheIntroduction() {
    WindowFixture fixture;
    apptest::Click(fixture.Find<QRadioButton>("DoNPFGraph"));
    SetRange(fixture, QStringLiteral("2"), QStringLiteral("100,000"));
    bool optionsVisible = true;
    BusyView busy;
    apptest::AtFirstProgressPoint(fixture.Window(), [&] {
        optionsVisible = fixture.Find<QWidget>("Frame1")->isVisible();
        busy = LookAtBusyWindow(fixture);
        apptest::Click(fixture.Find<QPushButton>("StopButton"));
    });
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
    // Without a filter the picture tells the progress: no "Now computing ...".
    QVERIFY(!optionsVisible);
    QVERIFY(busy.introductionVisible);
    QVERIFY(!busy.nowComputingVisible);
    QVERIFY(busy.stopVisible);
    QVERIFY(!busy.frame4Visible);
    // The run closes with its message and gives the graph option back.
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(fixture.Messages().messages[0].text),
             QStringLiteral("Click OK to close the text box at left."));
    QVERIFY(fixture.Find<QRadioButton>("DoNPFGraph")->isChecked());
    QVERIFY(fixture.Find<QWidget>("Frame1")->isVisible());
    QVERIFY(fixture.Find<QWidget>("Frame1")->isEnabled());
    QVERIFY(apptest::OutputLines(fixture.Window()).isEmpty());
}

void ComputeTest::closingWhileBusyEndsTheProgramAtOnce() {
    WindowFixture fixture;
    SetRange(fixture, QStringLiteral("1"), QStringLiteral("100,000"));
    int endsSeenWhileClosing = -1;
    apptest::AtFirstProgressPoint(fixture.Window(), [&] {
        fixture.Window().close();
        endsSeenWhileClosing = fixture.ProgramEnds();
    });
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));

    QCOMPARE(endsSeenWhileClosing, 1);
    QCOMPARE(fixture.ProgramEnds(), 1);
    QVERIFY(fixture.Window().isHidden());
    QVERIFY(fixture.Messages().messages.empty());
    // Nothing ran after the close: the window was not brought back from its busy state.
    QVERIFY(!fixture.Find<QWidget>("StopButton")->isHidden());
    QVERIFY(fixture.Find<QWidget>("Frame4")->isHidden());

    // The state was saved as it stood: the lines up to the first progress point (20).
    persist::StateFileLocation location{fixture.StateFilePath(), true, {}};
    const persist::StateReadResult saved = persist::ReadStateFile(location);
    QVERIFY2(saved.ok, qPrintable(saved.error));
    QString lines;
    for (int n = 1; n <= 20; ++n) lines += apptest::FactorLine(n) + QStringLiteral("\r\n");
    QCOMPARE(saved.state.outputText, lines);
    QCOMPARE(saved.state.startNumber, QStringLiteral("1"));
    QCOMPARE(saved.state.endNumber, QStringLiteral("100,000"));
}

QTEST_MAIN(ComputeTest)
#include "ComputeTest.moc"
