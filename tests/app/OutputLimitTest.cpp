// The output limit in every text mode, seen in the window: the scan checks the
// output's length before each number; once it is above 55,296 characters the
// run warns, keeps all but the last 256 characters and ends with "Buffer full.".
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "WindowTestSupport.h"

using apptest::WindowFixture;
using engine::ComputeMode;

Q_DECLARE_METATYPE(ComputeMode)

namespace {

constexpr qsizetype kOutputLimit = 55296;

const engine::Message kBufferFullMessage{"Cannot continue because the text buffer is full.",
                                         "Out of memory", engine::MessageIcon::Warning};

char SeparatorCharacter(const QString& option) {
    if (option == QLatin1String("SpaceSeparator")) return ' ';
    if (option == QLatin1String("ApostropheSeparator")) return '\'';
    if (option == QLatin1String("NoSeparator")) return 0;
    return ',';
}

// Sets up the window for `run` and clicks Compute; the run has ended on return.
void RunInWindow(WindowFixture& fixture, const apptest::RunSetup& run, const QString& separator) {
    apptest::Click(fixture.Find<QRadioButton>(separator.toLatin1().constData()));
    // The note check box is set where it can be used; it keeps its value in
    // the modes that disable it.
    apptest::Click(fixture.Find<QRadioButton>("DisplayAllNumbers"));
    if (run.showCount) apptest::Click(fixture.Find<QCheckBox>("ShowEKValue"));
    apptest::Click(fixture.Find<QRadioButton>(apptest::ModeOptionName(run.mode)));
    if (run.filter) apptest::SetFilter(fixture, *run.filter, QString::number(run.filter->b));
    fixture.Find<QLineEdit>("Text1")->setText(QString::number(run.start));
    fixture.Find<QLineEdit>("Text2")->setText(QString::number(run.end));
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
}

// The window is idle again after the run.
void VerifyIdle(WindowFixture& fixture) {
    QVERIFY(fixture.Find<QWidget>("StopButton")->isHidden());
    QVERIFY(fixture.Find<QWidget>("Frame4")->isVisible());
    for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
        QVERIFY2(fixture.Find<QWidget>(frame)->isEnabled(), frame);
    }
}

// What the text modes write before the scan's first number (3) when the
// output is not empty and the range starts at 1: the dividing line, the
// heading, and the lines of 1 and 2.
qsizetype WrittenBeforeTheScan(ComputeMode mode) {
    const qsizetype line = 52;
    switch (mode) {
        case ComputeMode::DisplayAllNumbers:
            return line + 4 + 13;  // " 1", " 2 is prime"
        case ComputeMode::DisplayPrimesOnly:
            return line + 9 + 4;  // "Primes:", " 2"
        case ComputeMode::DisplayPrimePairsOnly:
            return line + 14;  // "Prime pairs:"
        case ComputeMode::DisplayAllFactors:
            return line + 5 + 14;  // "# 1", "# 2 is prime"
        default:
            return line;
    }
}

// Puts `length` characters of earlier output into the output window (lines
// of 100 characters with their CR LF) and returns them.
QString PutEarlierOutput(WindowFixture& fixture, qsizetype length) {
    QString text;
    while (text.size() + 100 <= length)
        text += QString(98, QLatin1Char('x')) + QStringLiteral("\r\n");
    text += QString(length - text.size(), QLatin1Char('y'));
    fixture.Find<QPlainTextEdit>("Text3")->setPlainText(
        QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    return text;
}

}  // namespace

class OutputLimitTest : public QObject {
    Q_OBJECT

private slots:
    void fillingRunsEndWithBufferFull_data();
    void fillingRunsEndWithBufferFull();
    void limitIsCheckedBeforeTheNextNumber_data();
    void limitIsCheckedBeforeTheNextNumber();
    void histogramRunsMeetTheLimitToo_data();
    void histogramRunsMeetTheLimitToo();
};

void OutputLimitTest::fillingRunsEndWithBufferFull_data() {
    QTest::addColumn<ComputeMode>("mode");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("showCount");
    QTest::addColumn<QString>("filter");  // "op sign a b", or empty
    const struct {
        const char* name;
        ComputeMode mode;
        int start;
        int end;
        const char* separator;
        bool showCount;
        const char* filter;
    } rows[] = {
        {"factor all", ComputeMode::DisplayAllNumbers, 1, 1000000, "CommaSeparator", false, ""},
        {"factor all near the top, notes", ComputeMode::DisplayAllNumbers, 2000000000, 2147483646,
         "SpaceSeparator", true, ""},
        {"factor all, 7*N + 3", ComputeMode::DisplayAllNumbers, 1, 10000000, "ApostropheSeparator",
         false, "* + 7 3"},
        {"primes", ComputeMode::DisplayPrimesOnly, 1, 100000000, "ApostropheSeparator", false, ""},
        {"primes from a billion, notes", ComputeMode::DisplayPrimesOnly, 1000000000, 2000000000,
         "NoSeparator", true, ""},
        {"primes, 6*N +|- 1", ComputeMode::DisplayPrimesOnly, 1, 100000000, "CommaSeparator", false,
         "* +|- 6 1"},
        {"prime pairs", ComputeMode::DisplayPrimePairsOnly, 1, 100000000, "CommaSeparator", false,
         ""},
        {"prime pairs from a billion", ComputeMode::DisplayPrimePairsOnly, 1000000000, 2000000000,
         "SpaceSeparator", false, ""},
        {"all factors", ComputeMode::DisplayAllFactors, 1, 1000000, "CommaSeparator", true, ""},
        {"all factors from a billion", ComputeMode::DisplayAllFactors, 1000000000, 1100000000,
         "SpaceSeparator", false, ""},
        {"all factors, 10*N - 3", ComputeMode::DisplayAllFactors, 1, 1000000, "NoSeparator", false,
         "* - 10 3"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << row.mode << row.start << row.end << QString(row.separator)
                                << row.showCount << QString(row.filter);
    }
}

void OutputLimitTest::fillingRunsEndWithBufferFull() {
    QFETCH(ComputeMode, mode);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, separator);
    QFETCH(bool, showCount);
    QFETCH(QString, filter);
    apptest::RunSetup run{mode, start, end, SeparatorCharacter(separator), false, showCount, {}};
    if (!filter.isEmpty()) {
        const QStringList parts = filter.split(QLatin1Char(' '));
        run.filter = apptest::FilterSetup{parts[0].at(0).toLatin1(), parts[1], parts[2].toInt(),
                                          parts[3].toInt()};
    }
    WindowFixture fixture;
    QString progressAtTheMessage;
    fixture.Messages().onMessage = [&](const engine::Message&) {
        progressAtTheMessage = apptest::ShownText(fixture, "lblI");
    };
    RunInWindow(fixture, run, separator);

    const QString shown = apptest::OutputText(fixture.Window());
    const apptest::ExpectedOutput expected = apptest::ExpectedRunOutput(run, {}, {}, shown);
    QVERIFY(expected.bufferFull);
    // The message stands beside the number whose line filled the output.
    QCOMPARE(progressAtTheMessage, apptest::Grouped(expected.reached, run.separator));
    const QString difference = apptest::TextDifference(shown, expected.text);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(fixture.Messages().messages, std::vector<engine::Message>{kBufferFullMessage});
    VerifyIdle(fixture);
}

void OutputLimitTest::limitIsCheckedBeforeTheNextNumber_data() {
    QTest::addColumn<ComputeMode>("mode");
    QTest::addColumn<int>("over");  // characters above the limit when the scan starts
    for (ComputeMode mode : {ComputeMode::DisplayAllNumbers, ComputeMode::DisplayPrimesOnly,
                             ComputeMode::DisplayPrimePairsOnly, ComputeMode::CountPrimesOnly,
                             ComputeMode::DisplayAllFactors}) {
        for (int over : {0, 1}) {
            QTest::addRow("%s, %d over", apptest::ModeOptionName(mode), over) << mode << over;
        }
    }
}

void OutputLimitTest::limitIsCheckedBeforeTheNextNumber() {
    QFETCH(ComputeMode, mode);
    QFETCH(int, over);
    WindowFixture fixture;
    // Earlier output that, with what the run writes before its scan, comes to
    // exactly the limit or one character more.
    const QString before =
        PutEarlierOutput(fixture, kOutputLimit + over - WrittenBeforeTheScan(mode));
    const apptest::RunSetup run{mode, 1, 30, ',', false, false, {}};
    RunInWindow(fixture, run, QStringLiteral("CommaSeparator"));

    const QString shown = apptest::OutputText(fixture.Window());
    const QString buffered = QStringLiteral("\r\n\r\nBuffer full.\r\n");
    if (over == 1) {
        // Stopped at the first scanned number: only the cut and the note follow.
        QVERIFY(shown.endsWith(buffered));
        QCOMPARE(shown.size(), kOutputLimit + 1 - 256 + buffered.size());
    } else if (mode == ComputeMode::CountPrimesOnly) {
        // At the limit and nothing written: the count runs to its end.
        QVERIFY(shown.endsWith(QStringLiteral("\r\n 10 primes found in range 1 through 30.\r\n")));
    } else {
        // The scan's first line went in; the check before the next number stopped the run.
        QVERIFY(shown.endsWith(buffered));
        QVERIFY(shown.size() > kOutputLimit - 256 + buffered.size());
    }
    const apptest::ExpectedOutput expected = apptest::ExpectedRunOutput(run, before, {}, shown);
    const QString difference = apptest::TextDifference(shown, expected.text);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(fixture.Messages().messages.size(), size_t{expected.bufferFull ? 1u : 0u});
    VerifyIdle(fixture);
}

void OutputLimitTest::histogramRunsMeetTheLimitToo_data() {
    QTest::addColumn<ComputeMode>("mode");
    QTest::addColumn<int>("start");
    QTest::newRow("NPF") << ComputeMode::DoNPFGraph << 2;
    QTest::newRow("EK") << ComputeMode::DoEKGraph << 1000000;
    QTest::newRow("Palmen colors") << ComputeMode::DoPCGraph << 1;
}

void OutputLimitTest::histogramRunsMeetTheLimitToo() {
    QFETCH(ComputeMode, mode);
    QFETCH(int, start);
    WindowFixture fixture;
    // One character above the limit: a histogram writes no heading, so its
    // first scanned number finds the output full.
    const QString before = PutEarlierOutput(fixture, kOutputLimit + 1);
    apptest::RunFromWindow(fixture, apptest::ModeOptionName(mode), QString::number(start),
                           QString::number(start + 100000));

    const QString difference = apptest::TextDifference(
        apptest::OutputText(fixture.Window()),
        before.left(kOutputLimit + 1 - 256) + QStringLiteral("\r\n\r\nBuffer full.\r\n"));
    const std::vector<engine::Message>& messages = fixture.Messages().messages;
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(messages.size() >= 2);
    QCOMPARE(messages.front(), kBufferFullMessage);
    // The run still ends as a histogram run: its closing message, its option again.
    QCOMPARE(messages.back().text, std::string("Click OK to close the text box at left."));
    QVERIFY(fixture.Find<QRadioButton>(apptest::ModeOptionName(mode))->isChecked());
    VerifyIdle(fixture);
}

QTEST_MAIN(OutputLimitTest)
#include "OutputLimitTest.moc"
