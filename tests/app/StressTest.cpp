// Many runs through the window, each stopped at a random moment, in random
// modes, ranges, filters and separators: every run ends with the output it
// owes up to the number reached (its summary over that number) and gives the
// window back. And the window closed in the middle of runs: it closes at
// once, and the state file it leaves is whole and holds what the window held.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <map>
#include <memory>
#include <random>

#include "WindowTestSupport.h"
#include "persist/StateReader.h"

using apptest::WindowFixture;
using engine::ComputeMode;

namespace {

constexpr int kRuns = 300;
constexpr int kCloses = 12;
constexpr int kLargest = 2147483646;

struct SeparatorOption {
    const char* name;
    char character;
    int code;  // as the state file keeps it
};
constexpr std::array<SeparatorOption, 4> kSeparators = {{{"CommaSeparator", ',', 44},
                                                         {"SpaceSeparator", ' ', 32},
                                                         {"ApostropheSeparator", '\'', 39},
                                                         {"NoSeparator", 0, 0}}};

constexpr std::array<ComputeMode, 8> kModes = {
    ComputeMode::DisplayAllNumbers, ComputeMode::DisplayAllFactors,
    ComputeMode::DisplayPrimesOnly, ComputeMode::DisplayPrimePairsOnly,
    ComputeMode::CountPrimesOnly,   ComputeMode::DoNPFGraph,
    ComputeMode::DoEKGraph,         ComputeMode::DoPCGraph};

const engine::Message kBufferFullMessage{"Cannot continue because the text buffer is full.",
                                         "Out of memory", engine::MessageIcon::Warning};

class Random {
public:
    explicit Random(unsigned seed) : m_engine(seed) {}
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_engine);
    }
    bool Percent(int percent) { return Between(1, 100) <= percent; }
    template <typename T, size_t N>
    const T& Pick(const std::array<T, N>& items) {
        return items[static_cast<size_t>(Between(0, static_cast<int>(N) - 1))];
    }

private:
    std::mt19937 m_engine;
};

// One run as the test sets it up.
struct Plan {
    ComputeMode mode = ComputeMode::DisplayAllNumbers;
    size_t separator = 0;
    int start = 1;
    int end = 1;
    std::optional<apptest::FilterSetup> filter;
    std::optional<int> stopAfterMs;  // none: the run goes on to its own end
};

// A filter that the run's checks accept for `mode`: the "*" forms with a and
// b not both even, "/" and "^" forms only from a start of 1 or 2 (so that
// some numbers pass), "^" in the pairs mode only as 2^N + b.
apptest::FilterSetup RandomFilter(Random& random, ComputeMode mode, int start) {
    const std::array<QString, 3> signs = {QStringLiteral("+"), QStringLiteral("-"),
                                          QStringLiteral("+|-")};
    apptest::FilterSetup filter;
    filter.sign = random.Pick(signs);
    const int kind = random.Between(0, 9);
    if (kind < 7 || start > 2) {
        filter.op = '*';
        filter.a = random.Between(2, 40);
        filter.b = random.Between(0, 40);
        if (filter.a % 2 == 0 && filter.b % 2 == 0) ++filter.b;
    } else if (kind < 9) {
        filter.op = '^';
        filter.a = std::array<int, 4>{2, 3, 5, 10}[static_cast<size_t>(random.Between(0, 3))];
        filter.b = random.Between(0, 6);
        if (mode == ComputeMode::DisplayPrimePairsOnly) {
            filter.a = 2;
            filter.sign = QStringLiteral("+");
        }
    } else {
        filter.op = '/';
        filter.b = random.Between(0, 20);
        filter.a = random.Between(filter.b + 2, 1000000);
    }
    return filter;
}

Plan RandomPlan(Random& random) {
    Plan plan;
    plan.mode = random.Pick(kModes);
    plan.separator = static_cast<size_t>(random.Between(0, 3));
    // Small, middling and large numbers alike.
    const std::array<std::pair<int, int>, 3> starts = {
        {{1, 100}, {1, 10000000}, {10000000, 2100000000}}};
    const auto [low, high] = random.Pick(starts);
    plan.start = random.Between(low, high);
    if (plan.mode == ComputeMode::DoNPFGraph) plan.start = std::max(plan.start, 2);
    if (plan.mode == ComputeMode::DoEKGraph && plan.start < 1000000) {
        plan.start = random.Between(1000000, 2100000000);
    }
    const bool filtered = random.Percent(30);
    if (filtered && random.Percent(40) && plan.mode != ComputeMode::DoEKGraph) {
        plan.start = plan.mode == ComputeMode::DoNPFGraph ? 2 : random.Between(1, 2);
    }
    if (filtered) plan.filter = RandomFilter(random, plan.mode, plan.start);
    // A count that runs to its end still leaves a range the test counts again quickly.
    const int span = plan.mode == ComputeMode::CountPrimesOnly ? random.Between(1000, 4000000)
                                                               : random.Between(100000, 500000000);
    const int largest =
        plan.filter && plan.filter->op != '^' && plan.filter->sign != QLatin1String("+")
            ? kLargest - plan.filter->b
            : kLargest;
    plan.end = static_cast<int>(std::min<long long>(int64_t{plan.start} + span, largest));
    plan.stopAfterMs = random.Between(0, 30);
    // Some text runs are never stopped, over a range short enough to finish
    // soon, so that filling the output is met however fast the machine is.
    if (!engine::IsGraphMode(plan.mode) && plan.mode != ComputeMode::CountPrimesOnly &&
        random.Percent(15)) {
        plan.stopAfterMs.reset();
        plan.end = static_cast<int>(
            std::min<long long>(int64_t{plan.start} + random.Between(100000, 2000000), largest));
    }
    return plan;
}

QString Describe(const Plan& plan, int run) {
    QString text = QStringLiteral("run %1: %2 %3..%4, %5")
                       .arg(run)
                       .arg(QLatin1String(apptest::ModeOptionName(plan.mode)))
                       .arg(plan.start)
                       .arg(plan.end)
                       .arg(QLatin1String(kSeparators[plan.separator].name));
    if (plan.filter) {
        text += QStringLiteral(", filter %1 %2 N %3 %4")
                    .arg(plan.filter->a)
                    .arg(QLatin1Char(plan.filter->op))
                    .arg(plan.filter->sign)
                    .arg(plan.filter->b);
    }
    return text + (plan.stopAfterMs ? QStringLiteral(", stop after %1 ms").arg(*plan.stopAfterMs)
                                    : QStringLiteral(", no stop"));
}

// Sets the window up for `plan` as a user would, except for the number fields,
// which are filled directly.
void SetUp(WindowFixture& fixture, Random& random, const Plan& plan) {
    apptest::Click(fixture.Find<QRadioButton>(kSeparators[plan.separator].name));
    apptest::Click(fixture.Find<QRadioButton>(apptest::ModeOptionName(plan.mode)));
    for (const char* box : {"ShowPalmenColor", "ShowEKValue"}) {
        auto* check = fixture.Find<QCheckBox>(box);
        if (check->isEnabled() && random.Percent(30)) apptest::Click(check);
    }
    if (plan.filter) {
        // A b of 0 typed, or left out.
        const bool typed = plan.filter->b != 0 || random.Percent(50);
        apptest::SetFilter(fixture, *plan.filter,
                           typed ? QString::number(plan.filter->b) : QString());
    } else {
        fixture.Find<QLineEdit>("txbA")->clear();
        fixture.Find<QLineEdit>("txbB")->clear();
    }
    fixture.Find<QLineEdit>("Text1")->setText(QString::number(plan.start));
    fixture.Find<QLineEdit>("Text2")->setText(QString::number(plan.end));
}

// The window is idle again: what the busy state took away is back, and the
// run's mode option is selected (a histogram's too, after its scan).
void VerifyIdle(WindowFixture& fixture, ComputeMode mode) {
    const bool graphRun = engine::IsGraphMode(mode);
    QVERIFY(fixture.Find<QRadioButton>(apptest::ModeOptionName(mode))->isChecked());
    for (const char* hidden : {"StopButton", "lblNowComputing", "lblI", "progressBar"}) {
        QVERIFY2(fixture.Find<QWidget>(hidden)->isHidden(), hidden);
    }
    for (const char* shown : {"lblIntroduction", "Frame1", "Frame4"}) {
        QVERIFY2(fixture.Find<QWidget>(shown)->isVisible(), shown);
    }
    for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
        QVERIFY2(fixture.Find<QWidget>(frame)->isEnabled(), frame);
    }
    QCOMPARE(fixture.Find<QPushButton>("CopyButton")->isEnabled(), !graphRun);
    QCOMPARE(fixture.Find<QPushButton>("ClearOutputButton")->isEnabled(), !graphRun);
    QCOMPARE(fixture.Find<QPushButton>("cmdSwitchDisplay")->text(),
             apptest::ShippedProgramText(graphRun ? 29 : 28));
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("ComputeButton"));
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QVERIFY(qobject_cast<QMessageBox*>(top) == nullptr || !top->isVisible());
    }
}

// Starts the run and presses Stop `afterMs` later (if given), at the first
// moment the running scan lets events in. The number reached, as shown then,
// or nothing when the run had ended before.
std::optional<int> RunAndStop(WindowFixture& fixture, std::optional<int> afterMs) {
    std::optional<int> reached;
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, [&] {
        auto* button = fixture.Find<QPushButton>("StopButton");
        if (button->isHidden()) return;
        QString shown = fixture.Find<QLabel>("lblI")->text();
        reached = shown.remove(QLatin1Char(','))
                      .remove(QLatin1Char(' '))
                      .remove(QLatin1Char('\''))
                      .toInt();
        apptest::Click(button);
    });
    if (afterMs) stop.start(*afterMs);
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
    return reached;
}

// A histogram writes no text; it ends with its closing message, after the
// notes that the drawing or the overlap rule may give. What ended it.
QString VerifyGraphRun(WindowFixture& fixture, const QString& before, bool stopped) {
    const std::vector<engine::Message>& messages = fixture.Messages().messages;
    [&] {
        QCOMPARE(apptest::OutputText(fixture.Window()), before);
        QVERIFY(!messages.empty());
        QCOMPARE(messages.back().text, std::string("Click OK to close the text box at left."));
        for (size_t i = 0; i + 1 < messages.size(); ++i) {
            const std::string& note = messages[i].text;
            QVERIFY2(note == "Bin overlap! Computation stopped." ||
                         note == "Standard deviation is zero." ||
                         note == "Only one number in range." || note == "No numbers in range.",
                     note.c_str());
        }
    }();
    return stopped ? QStringLiteral("graph stopped") : QStringLiteral("graph ended");
}

// A text run wrote what its mode, range, filter and notes give up to the
// number it reached, and its summary; or it filled the output. What ended it.
QString VerifyTextRun(WindowFixture& fixture, const Plan& plan, const QString& before,
                      std::optional<int> reached) {
    const QString after = apptest::OutputText(fixture.Window());
    const apptest::RunSetup setup{plan.mode,
                                  plan.start,
                                  plan.end,
                                  kSeparators[plan.separator].character,
                                  fixture.Find<QCheckBox>("ShowPalmenColor")->isChecked(),
                                  fixture.Find<QCheckBox>("ShowEKValue")->isChecked(),
                                  plan.filter};
    const apptest::ExpectedOutput expected =
        apptest::ExpectedRunOutput(setup, before, reached, after);
    [&] {
        QVERIFY(!expected.text.isEmpty());
        QString difference;
        if (expected.bufferFull && setup.showColor) {
            // The colours of the lines cut away are unknown, and with them the
            // exact cut: what is left must be what the run wrote.
            QVERIFY(after.endsWith(QLatin1String("\r\n\r\nBuffer full.\r\n")));
            const qsizetype kept = after.lastIndexOf(QLatin1String("\r\n"), after.size() - 19);
            difference = apptest::TextDifference(after.left(kept), expected.written.left(kept));
        } else {
            difference = apptest::TextDifference(after, expected.text);
        }
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(fixture.Messages().messages, expected.bufferFull
                                                  ? std::vector<engine::Message>{kBufferFullMessage}
                                                  : std::vector<engine::Message>{});
    }();
    return expected.bufferFull ? QStringLiteral("buffer full")
           : reached           ? QStringLiteral("stopped")
                               : QStringLiteral("ended");
}

// The window's text state as the state file should keep it.
persist::SavedState ShownState(WindowFixture& window) {
    persist::SavedState state;
    state.startNumber = window.Find<QLineEdit>("Text1")->text();
    state.endNumber = window.Find<QLineEdit>("Text2")->text();
    state.filterType = window.Find<QLabel>("lblFilterType")->text();
    state.showPalmenColor = window.Find<QCheckBox>("ShowPalmenColor")->isChecked() ? 1 : 0;
    state.showEKValue = window.Find<QCheckBox>("ShowEKValue")->isChecked() ? 1 : 0;
    state.binsIndex = window.Find<QComboBox>("cboNumBins")->currentIndex();
    state.resetCaption = window.Find<QPushButton>("cmdReset")->text();
    state.outputText = apptest::OutputText(window.Window());
    return state;
}

// The file holds what the window showed when it closed: the fields as the
// run cleaned them, with the chosen separator; the mode option and the bins
// entry the user chose (a histogram scans as "Factor all numbers in range",
// the NPF and Palmen colour kinds with 96 bins, and gives both back).
void VerifySavedState(const persist::SavedState& state, const persist::SavedState& shown,
                      const Plan& plan, bool keptFilter, int chosenBins) {
    const char separator = kSeparators[plan.separator].character;
    QCOMPARE(state.startNumber, apptest::Grouped(plan.start, separator));
    QCOMPARE(state.endNumber, apptest::Grouped(plan.end, separator));
    QCOMPARE(state.startNumber, shown.startNumber);
    QCOMPARE(state.endNumber, shown.endNumber);
    const std::optional<apptest::FilterSetup>& filter = plan.filter;
    QCOMPARE(state.filterA, filter ? apptest::Grouped(filter->a, separator) : QString());
    QCOMPARE(state.filterB, !filter          ? QString()
                            : filter->b == 0 ? QStringLiteral("0")
                                             : apptest::Grouped(filter->b, separator));
    QCOMPARE(state.filterType, filter ? QStringLiteral("* N   ") + filter->sign : shown.filterType);
    QCOMPARE(state.separatorCode, kSeparators[plan.separator].code);
    for (ComputeMode mode : kModes) {
        QCOMPARE(state.modeOptions[static_cast<size_t>(mode)], mode == plan.mode ? -1 : 0);
    }
    QCOMPARE(state.showPalmenColor, shown.showPalmenColor);
    QCOMPARE(state.showEKValue, shown.showEKValue);
    QCOMPARE(state.binsIndex, chosenBins);
    QCOMPARE(state.resetCaption, shown.resetCaption);
    QCOMPARE(state.savedFilterA, keptFilter ? QStringLiteral("7") : QString());
    QCOMPARE(state.savedFilterB, keptFilter ? QStringLiteral("2") : QString());
    QCOMPARE(state.outputText, shown.outputText);
    QVERIFY(state.outputText.startsWith(QStringLiteral("earlier\r\n\r\nresults\r\n")));
}

// A new window started on the file comes up with it.
void VerifyNextStart(const QString& file, const persist::SavedState& state, const Plan& plan) {
    WindowFixture next([&](const QString& data) {
        QVERIFY(QDir().mkpath(data + QStringLiteral("/Primorator")));
        QVERIFY(QFile::copy(file, data + QStringLiteral("/Primorator/prmr.usr")));
    });
    QVERIFY(next.Messages().messages.empty());
    QCOMPARE(next.Find<QLineEdit>("Text1")->text(), state.startNumber);
    QCOMPARE(next.Find<QLineEdit>("Text2")->text(), state.endNumber);
    QCOMPARE(next.Find<QLineEdit>("txbA")->text(), state.filterA);
    // The start-up cleans the fields: a "0" is emptied.
    QCOMPARE(next.Find<QLineEdit>("txbB")->text(),
             state.filterB == QLatin1String("0") ? QString() : state.filterB);
    QCOMPARE(next.Find<QLabel>("lblFilterType")->text(), state.filterType);
    QVERIFY(next.Find<QRadioButton>(kSeparators[plan.separator].name)->isChecked());
    for (ComputeMode mode : kModes) {
        QCOMPARE(next.Find<QRadioButton>(apptest::ModeOptionName(mode))->isChecked(),
                 state.modeOptions[static_cast<size_t>(mode)] == -1);
    }
    QCOMPARE(next.Find<QCheckBox>("ShowPalmenColor")->isChecked(), state.showPalmenColor == 1);
    QCOMPARE(next.Find<QCheckBox>("ShowEKValue")->isChecked(), state.showEKValue == 1);
    QCOMPARE(next.Find<QComboBox>("cboNumBins")->currentIndex(), state.binsIndex);
    QCOMPARE(apptest::OutputText(next.Window()), state.outputText);
}

}  // namespace

class StressTest : public QObject {
    Q_OBJECT

private slots:
    void runsStoppedAtRandomEndAtTheNumberReached();
    void closingAGraphRunSavesTheGraphChoice_data();
    void closingAGraphRunSavesTheGraphChoice();
    void closingInTheMiddleOfARunKeepsTheState();
};

void StressTest::runsStoppedAtRandomEndAtTheNumberReached() {
    Random random(20240611u);
    WindowFixture fixture;
    std::map<QString, int> endings;
    for (int run = 0; run < kRuns; ++run) {
        const Plan plan = RandomPlan(random);
        const QString what = Describe(plan, run);
        // The output is cleared now and then, and always before it comes near
        // its limit (from the text screen: a histogram leaves the graph shown).
        if (random.Percent(50) || apptest::OutputText(fixture.Window()).size() > 40000) {
            auto* clear = fixture.Find<QPushButton>("ClearOutputButton");
            if (!clear->isEnabled()) apptest::Click(fixture.Find<QPushButton>("cmdSwitchDisplay"));
            apptest::Click(clear);
        }
        SetUp(fixture, random, plan);
        const QString before = apptest::OutputText(fixture.Window());
        fixture.Messages().messages.clear();
        const std::optional<int> reached = RunAndStop(fixture, plan.stopAfterMs);

        VerifyIdle(fixture, plan.mode);
        if (reached) QVERIFY2(*reached >= plan.start && *reached <= plan.end, qPrintable(what));

        const QString ending = engine::IsGraphMode(plan.mode)
                                   ? VerifyGraphRun(fixture, before, reached.has_value())
                                   : VerifyTextRun(fixture, plan, before, reached);
        if (QTest::currentTestFailed()) {
            qWarning("%s", qPrintable(what));
            return;
        }
        ++endings[ending];
    }
    for (const auto& [ending, count] : endings) qInfo("%s: %d", qPrintable(ending), count);
    // Every way a run ends was met many times.
    for (const char* ending : {"stopped", "ended", "buffer full", "graph stopped"}) {
        QVERIFY2(endings[QLatin1String(ending)] >= 10, ending);
    }
}

void StressTest::closingInTheMiddleOfARunKeepsTheState() {
    Random random(77u);
    int closes = 0;
    for (int round = 0; closes < kCloses && round < 4 * kCloses; ++round) {
        // A run long enough to be closed in its middle: a count over a long
        // range, filters of the dense form only.
        Plan plan = RandomPlan(random);
        if (plan.mode == ComputeMode::CountPrimesOnly) {
            plan.end = static_cast<int>(
                std::min<long long>(int64_t{plan.start} + 500000000, kLargest - 50));
        }
        if (plan.filter) plan.filter->op = '*';
        const QString what = Describe(plan, round);
        auto fixture = std::make_unique<WindowFixture>();
        // Earlier output, a bins choice, and sometimes a filter kept for "Restore".
        fixture->Find<QPlainTextEdit>("Text3")->setPlainText(
            QStringLiteral("earlier\n\nresults\n"));
        fixture->Find<QComboBox>("cboNumBins")->setCurrentIndex(random.Between(0, 7));
        const bool keptFilter = random.Percent(50);
        if (keptFilter) {
            QTest::keyClicks(fixture->Find<QLineEdit>("txbA"), QStringLiteral("7"));
            QTest::keyClicks(fixture->Find<QLineEdit>("txbB"), QStringLiteral("2"));
            apptest::Click(fixture->Find<QPushButton>("cmdReset"));
        }
        SetUp(*fixture, random, plan);

        persist::SavedState shown;
        bool closedAtOnce = false;
        QElapsedTimer sinceClose;
        QTimer close;
        close.setSingleShot(true);
        QObject::connect(&close, &QTimer::timeout, [&] {
            WindowFixture& window = *fixture;
            if (window.Find<QWidget>("StopButton")->isHidden()) return;
            shown = ShownState(window);
            sinceClose.start();
            window.Window().close();
            closedAtOnce = window.ProgramEnds() == 1 && window.Window().isHidden();
        });
        close.start(random.Between(0, 12));
        const int chosenBins = fixture->Find<QComboBox>("cboNumBins")->currentIndex();
        apptest::Click(fixture->Find<QPushButton>("ComputeButton"));
        if (!sinceClose.isValid()) continue;  // the run had ended first: nothing was closed
        ++closes;
        // The run ended at its next progress point, without a message and
        // without giving the window back.
        QVERIFY2(closedAtOnce && sinceClose.elapsed() < 1000, qPrintable(what));
        QVERIFY2(fixture->Messages().messages.empty(), qPrintable(what));
        QCOMPARE(fixture->ProgramEnds(), 1);
        QVERIFY2(!fixture->Find<QWidget>("StopButton")->isHidden(), qPrintable(what));

        const persist::StateReadResult saved =
            persist::ReadStateFile({fixture->StateFilePath(), true, {}});
        QVERIFY2(saved.ok, qPrintable(what + QLatin1Char(' ') + saved.error));
        VerifySavedState(saved.state, shown, plan, keptFilter, chosenBins);
        QTemporaryDir kept;
        QVERIFY(QFile::copy(fixture->StateFilePath(), kept.filePath(QStringLiteral("prmr.usr"))));
        fixture.reset();
        if (!QTest::currentTestFailed())
            VerifyNextStart(kept.filePath(QStringLiteral("prmr.usr")), saved.state, plan);
        if (QTest::currentTestFailed()) {
            qWarning("%s", qPrintable(what));
            return;
        }
    }
    QCOMPARE(closes, kCloses);
}

void StressTest::closingAGraphRunSavesTheGraphChoice_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("start");
    QTest::newRow("NPF") << static_cast<int>(ComputeMode::DoNPFGraph) << QStringLiteral("2");
    QTest::newRow("Palmen colours")
        << static_cast<int>(ComputeMode::DoPCGraph) << QStringLiteral("1");
    // From 10^9 on the EK values meet no bin overlap for a long while.
    QTest::newRow("EK") << static_cast<int>(ComputeMode::DoEKGraph) << QStringLiteral("1000000000");
}

// During a graph run the window shows "Factor all numbers in range" (and 96
// bins for NPF and Palmen colours); a close then saves the user's choices.
void StressTest::closingAGraphRunSavesTheGraphChoice() {
    QFETCH(int, mode);
    QFETCH(QString, start);
    const auto graphMode = static_cast<ComputeMode>(mode);
    WindowFixture fixture;
    apptest::Click(fixture.Find<QRadioButton>(apptest::ModeOptionName(graphMode)));
    fixture.Find<QComboBox>("cboNumBins")->setCurrentIndex(2);
    fixture.Find<QLineEdit>("Text1")->setText(start);
    fixture.Find<QLineEdit>("Text2")->setText(QStringLiteral("2000000000"));
    bool closedDuringRun = false;
    QTimer::singleShot(50, [&] {
        closedDuringRun = !fixture.Find<QWidget>("StopButton")->isHidden() &&
                          fixture.Find<QRadioButton>("DisplayAllNumbers")->isChecked();
        fixture.Window().close();
    });
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
    QVERIFY(closedDuringRun);
    const persist::StateReadResult saved =
        persist::ReadStateFile({fixture.StateFilePath(), true, {}});
    QVERIFY2(saved.ok, qPrintable(saved.error));
    for (ComputeMode option : kModes) {
        QCOMPARE(saved.state.modeOptions[static_cast<size_t>(option)],
                 option == graphMode ? -1 : 0);
    }
    QCOMPARE(saved.state.binsIndex, 2);
}

QTEST_MAIN(StressTest)
#include "StressTest.moc"
