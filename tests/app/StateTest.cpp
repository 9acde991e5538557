// The state file from the window: the buttons, the silent restore at
// start-up, the defaults after a failure, the output limit and the end.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "WindowTestSupport.h"
#include "persist/StateWriter.h"

using apptest::WindowFixture;

namespace {

persist::StateFileLocation LocationIn(const QString& dataFolder) {
    QDir().mkpath(dataFolder + QStringLiteral("/Primorator"));
    return {dataFolder + QStringLiteral("/Primorator/prmr.usr"), true, {}};
}

persist::SavedState SampleState() {
    persist::SavedState state;
    state.startNumber = QStringLiteral("5");
    state.endNumber = QStringLiteral("1'000");
    state.filterA = QStringLiteral("3");
    state.filterType = QStringLiteral("^ N   -");
    state.filterB = QStringLiteral("1");
    state.separatorCode = 39;
    state.modeOptions = {0, 0, -1, 0, 0, 0, 0, 0};
    state.showPalmenColor = 1;
    state.showEKValue = 0;
    state.binsIndex = 2;
    state.resetCaption = QStringLiteral("Restore");
    state.savedFilterA = QStringLiteral("7");
    state.savedFilterB = QStringLiteral("2");
    state.outputText = QStringLiteral(" 5 is prime\r\n\r\nsecond line\r\n");
    return state;
}

// The state file's text with only its first `items` lines.
QByteArray FirstItems(const persist::SavedState& state, int items) {
    const QByteArray text = persist::StateFileText(state);
    qsizetype end = 0;
    for (int i = 0; i < items; ++i) end = text.indexOf("\r\n", end) + 2;
    return text.left(end);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class StateTest : public QObject {
    Q_OBJECT

private slots:
    void startupRestoresTheSavedStateSilently();
    void saveAndRestoreButtonsRoundTrip();
    void restoredNoFilterCaptionHidesTheReset();
    void firstStartWithoutFileShowsTheDefaults();
    void failedRestoreKeepsItemsReadThenAppliesDefaults();
    void savingCutsALongOutputInTheWindowToo_data();
    void savingCutsALongOutputInTheWindowToo();
    void quitAndCloseSaveQuietly_data();
    void quitAndCloseSaveQuietly();
    void saveFailureIsReportedAlsoAtTheEnd();
    void restoredBinsListWithoutEntryDrawsWithTheDefault();
    void aFifoInPlaceOfTheFileIsKeptAsideUnread();
    void aFileThatCanBeNeitherReadNorKeptAsideIsNotSavedOver();
};

void StateTest::startupRestoresTheSavedStateSilently() {
    WindowFixture fixture([](const QString& data) {
        QVERIFY(persist::WriteStateFile(LocationIn(data), SampleState()).ok);
    });
    QVERIFY(fixture.Messages().messages.empty());
    QCOMPARE(apptest::ShownText(fixture, "Text1"), QStringLiteral("5"));
    QCOMPARE(apptest::ShownText(fixture, "Text2"), QStringLiteral("1'000"));
    QCOMPARE(apptest::ShownText(fixture, "txbA"), QStringLiteral("3"));
    QCOMPARE(apptest::ShownText(fixture, "txbB"), QStringLiteral("1"));
    QCOMPARE(apptest::ShownText(fixture, "lblFilterType"), QStringLiteral("^ N   -"));
    QVERIFY(fixture.Find<QRadioButton>("ApostropheSeparator")->isChecked());
    QVERIFY(fixture.Find<QRadioButton>("DisplayPrimesOnly")->isChecked());
    QVERIFY(fixture.Find<QCheckBox>("ShowPalmenColor")->isChecked());
    QVERIFY(!fixture.Find<QCheckBox>("ShowEKValue")->isChecked());
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentText(), QStringLiteral("60"));
    auto* text3 = fixture.Find<QPlainTextEdit>("Text3");
    QCOMPARE(text3->toPlainText(), QStringLiteral(" 5 is prime\n\nsecond line\n"));
    QCOMPARE(text3->textCursor().position(), static_cast<int>(text3->toPlainText().size()));
    // A filter is present: the reset button is shown with its start-up caption.
    auto* reset = fixture.Find<QPushButton>("cmdReset");
    QVERIFY(reset->isVisible());
    QCOMPARE(reset->text(), apptest::ShippedProgramText(27));
    QCOMPARE(apptest::ShownText(fixture, "lblStartP"), QStringLiteral("P"));
    apptest::SaveScreenshot(fixture.Window(), QStringLiteral("restored-state"));
    // The kept values come back with "Restore" once the filter is cleared.
    reset->setText(QStringLiteral("Restore"));
    apptest::Click(reset);
    QCOMPARE(apptest::ShownText(fixture, "txbA"), QStringLiteral("7"));
    QCOMPARE(apptest::ShownText(fixture, "txbB"), QStringLiteral("2"));
}

void StateTest::saveAndRestoreButtonsRoundTrip() {
    WindowFixture fixture;
    apptest::Click(fixture.Find<QRadioButton>("SpaceSeparator"));
    apptest::Click(fixture.Find<QRadioButton>("DisplayAllFactors"));
    apptest::Click(fixture.Find<QCheckBox>("ShowPalmenColor"));
    apptest::Click(fixture.Find<QPushButton>("cmdDiv"));
    QTest::keyClicks(fixture.Find<QLineEdit>("txbA"), QStringLiteral("12"));
    fixture.Find<QLineEdit>("Text2")->setText(QStringLiteral("1 000"));
    fixture.Find<QComboBox>("cboNumBins")->setCurrentIndex(7);
    fixture.Find<QPlainTextEdit>("Text3")->setPlainText(QStringLiteral("a\n\nb "));
    apptest::Click(fixture.Find<QPushButton>("cmdSaveState"));
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QCOMPARE(fixture.Messages().messages[0],
             (engine::Message{"State saved OK.", "Save state", engine::MessageIcon::Information}));

    // Everything back to the defaults, then restored.
    fixture.Find<QPushButton>("cmdReset")->setText(QStringLiteral("Clear"));
    apptest::Click(fixture.Find<QPushButton>("cmdReset"));
    apptest::Click(fixture.Find<QRadioButton>("CommaSeparator"));
    apptest::Click(fixture.Find<QRadioButton>("DoPCGraph"));
    apptest::Click(fixture.Find<QCheckBox>("ShowPalmenColor"));
    fixture.Find<QPlainTextEdit>("Text3")->clear();
    apptest::Click(fixture.Find<QPushButton>("cmdRestoreState"));
    QCOMPARE(fixture.Messages().messages.size(), size_t{2});
    QCOMPARE(fixture.Messages().messages[1], (engine::Message{"State restored OK.", "Restore state",
                                                              engine::MessageIcon::Information}));
    QCOMPARE(apptest::ShownText(fixture, "Text2"), QStringLiteral("1 000"));
    QCOMPARE(apptest::ShownText(fixture, "txbA"), QStringLiteral("12"));
    QCOMPARE(apptest::ShownText(fixture, "lblFilterType"), QStringLiteral("/ N   +"));
    QVERIFY(fixture.Find<QRadioButton>("SpaceSeparator")->isChecked());
    QVERIFY(fixture.Find<QRadioButton>("DisplayAllFactors")->isChecked());
    QVERIFY(!fixture.Find<QRadioButton>("DoPCGraph")->isChecked());
    QVERIFY(fixture.Find<QCheckBox>("ShowPalmenColor")->isChecked());
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentText(), QStringLiteral("240"));
    QCOMPARE(fixture.Find<QPushButton>("cmdReset")->text(), QStringLiteral("Clear"));
    QCOMPARE(fixture.Find<QPlainTextEdit>("Text3")->toPlainText(), QStringLiteral("a\n\nb "));
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("ComputeButton"));
}

void StateTest::restoredNoFilterCaptionHidesTheReset() {
    WindowFixture fixture;
    auto* reset = fixture.Find<QPushButton>("cmdReset");
    apptest::Click(fixture.Find<QPushButton>("cmdSaveState"));
    QTest::keyClick(fixture.Find<QLineEdit>("txbA"), '5');
    QVERIFY(reset->isVisible());
    apptest::Click(fixture.Find<QPushButton>("cmdRestoreState"));
    QCOMPARE(reset->text(), QStringLiteral("No filter"));
    QVERIFY(reset->isHidden());
    QCOMPARE(apptest::ShownText(fixture, "txbA"), QString());
}

void StateTest::firstStartWithoutFileShowsTheDefaults() {
    WindowFixture fixture;
    QVERIFY(!QFile::exists(fixture.StateFilePath()));
    QVERIFY(fixture.Messages().messages.empty());
    apptest::VerifyDefaults(fixture);
}

void StateTest::failedRestoreKeepsItemsReadThenAppliesDefaults() {
    persist::SavedState state = SampleState();
    state.resetCaption = QStringLiteral("Restore");
    WindowFixture fixture(
        [&](const QString& data) { WriteFile(LocationIn(data).path, FirstItems(state, 21)); });
    // The start-up failure is reported after start-up, with the file kept
    // aside; what was read stays where the defaults do not reach.
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    fixture.Messages().messages.clear();
    apptest::VerifyDefaults(fixture);
    QCOMPARE(fixture.Find<QPushButton>("cmdReset")->text(), QStringLiteral("Restore"));
    apptest::Click(fixture.Find<QPushButton>("cmdReset"));
    QCOMPARE(apptest::ShownText(fixture, "txbA"), QStringLiteral("7"));

    // Once started, the failure is reported.
    WriteFile(fixture.StateFilePath(), FirstItems(state, 5));
    fixture.Find<QPlainTextEdit>("Text3")->setPlainText(QStringLiteral("gone"));
    apptest::Click(fixture.Find<QPushButton>("cmdRestoreState"));
    apptest::VerifyDefaults(fixture);
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    const engine::Message& message = fixture.Messages().messages[0];
    const QString path = fixture.StateFilePath();
    QCOMPARE(QString::fromStdString(message.text),
             QStringLiteral("Error when attempting to restore state:\r\nThe state file ends "
                            "before item 6.\r\nThe file %1 was kept as %2.bad, and the defaults "
                            "were applied.")
                 .arg(path, path));
    QCOMPARE(message.title, std::string("Restore state"));
    QVERIFY(message.icon == engine::MessageIcon::Warning);
}

void StateTest::savingCutsALongOutputInTheWindowToo_data() {
    QTest::addColumn<int>("extra");
    QTest::addColumn<bool>("cut");
    QTest::newRow("61,440 characters") << 0 << false;
    QTest::newRow("61,441 characters") << 1 << true;
    QTest::newRow("61,500 characters") << 60 << true;
}

void StateTest::savingCutsALongOutputInTheWindowToo() {
    QFETCH(int, extra);
    QFETCH(bool, cut);
    WindowFixture fixture;
    // 614 lines of 100 characters with their CR LF, then 40 more: 61,440.
    QString text;
    for (int line = 0; line < 614; ++line)
        text += QString(98, QLatin1Char('x')) + QStringLiteral("\r\n");
    text += QString(40 + extra, QLatin1Char('y'));
    QCOMPARE(text.size(), 61440 + extra);
    fixture.Find<QPlainTextEdit>("Text3")->setPlainText(
        QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    apptest::Click(fixture.Find<QPushButton>("cmdSaveState"));
    const QString kept =
        cut ? text.left(61440) + QStringLiteral("\r\n[Output truncated to 60 KB.]\r\n") : text;
    QString shown = fixture.Find<QPlainTextEdit>("Text3")->toPlainText();
    QCOMPARE(shown.replace(QLatin1Char('\n'), QStringLiteral("\r\n")), kept);
    const persist::StateReadResult saved =
        persist::ReadStateFile({fixture.StateFilePath(), true, {}});
    QVERIFY(saved.ok);
    QCOMPARE(saved.state.outputText, kept);
    // Saving again writes the same file.
    QFile file(fixture.StateFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray first = file.readAll();
    file.close();
    apptest::Click(fixture.Find<QPushButton>("cmdSaveState"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), first);
}

void StateTest::quitAndCloseSaveQuietly_data() {
    QTest::addColumn<bool>("quitButton");
    QTest::newRow("Quit") << true;
    QTest::newRow("close box") << false;
}

void StateTest::quitAndCloseSaveQuietly() {
    QFETCH(bool, quitButton);
    WindowFixture fixture;
    fixture.Find<QLineEdit>("Text1")->setText(QStringLiteral("77"));
    if (quitButton) {
        apptest::Click(fixture.Find<QPushButton>("QuitButton"));
    } else {
        fixture.Window().close();
    }
    QCOMPARE(fixture.ProgramEnds(), 1);
    QVERIFY(fixture.Window().isHidden());
    QVERIFY(fixture.Messages().messages.empty());
    const persist::StateReadResult saved =
        persist::ReadStateFile({fixture.StateFilePath(), true, {}});
    QVERIFY(saved.ok);
    QCOMPARE(saved.state.startNumber, QStringLiteral("77"));
}

void StateTest::saveFailureIsReportedAlsoAtTheEnd() {
    WindowFixture fixture;
    // A folder where the file should be: the file cannot be written.
    QVERIFY(QDir().mkpath(fixture.StateFilePath()));
    apptest::Click(fixture.Find<QPushButton>("QuitButton"));
    QCOMPARE(fixture.ProgramEnds(), 1);
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    const engine::Message& message = fixture.Messages().messages[0];
    QVERIFY(QString::fromStdString(message.text)
                .startsWith(QStringLiteral("Error when attempting to save state:\r\n")));
    QCOMPARE(message.title, std::string("Save state"));
    QVERIFY(message.icon == engine::MessageIcon::Warning);
}

void StateTest::restoredBinsListWithoutEntryDrawsWithTheDefault() {
    persist::SavedState state = SampleState();
    state.filterA.clear();
    state.filterB.clear();
    state.modeOptions = {0, 0, 0, 0, 0, 0, -1, 0};  // the EK histogram
    state.binsIndex = -1;
    WindowFixture fixture(
        [&](const QString& data) { QVERIFY(persist::WriteStateFile(LocationIn(data), state).ok); });
    apptest::RunFromWindow(fixture, "DoEKGraph", QStringLiteral("1000000"),
                           QStringLiteral("1001000"));
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentText(), QStringLiteral("120"));
    QVERIFY(!fixture.Messages().messages.empty());
    QCOMPARE(fixture.Messages().messages.back().title, std::string("EK values"));
}

void StateTest::aFifoInPlaceOfTheFileIsKeptAsideUnread() {
    alarm(30);  // opening the FIFO would wait for a writer for ever
    WindowFixture fixture([](const QString& data) {
        QCOMPARE(mkfifo(QFile::encodeName(LocationIn(data).path).constData(), 0600), 0);
    });
    alarm(0);
    const QString path = fixture.StateFilePath();
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(fixture.Messages().messages[0].text),
             QStringLiteral("Error when attempting to restore state:\r\n%1 is not a regular "
                            "file.\r\nThe file %1 was kept as %1.bad, and the defaults were "
                            "applied.")
                 .arg(path));
    apptest::VerifyDefaults(fixture);
    QVERIFY(QFileInfo(path + QStringLiteral(".bad")).exists());
    apptest::Click(fixture.Find<QPushButton>("QuitButton"));
    QVERIFY(QFileInfo(path).isFile());
}

void StateTest::aFileThatCanBeNeitherReadNorKeptAsideIsNotSavedOver() {
    WindowFixture fixture([](const QString& data) {
        const QString path = LocationIn(data).path;
        WriteFile(path, "damaged");
        // A file cannot replace a folder.
        QVERIFY(QDir().mkpath(path + QStringLiteral(".bad")));
    });
    const QString path = fixture.StateFilePath();
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QVERIFY2(QString::fromStdString(fixture.Messages().messages[0].text)
                 .endsWith(QStringLiteral("\r\nThe file %1 could not be kept as %1.bad "
                                          "(Is a directory); the state will not be saved "
                                          "over it.")
                               .arg(path)),
             fixture.Messages().messages[0].text.c_str());
    apptest::Click(fixture.Find<QPushButton>("QuitButton"));
    QCOMPARE(fixture.ProgramEnds(), 1);
    QCOMPARE(fixture.Messages().messages.size(), size_t{2});
    QCOMPARE(QString::fromStdString(fixture.Messages().messages[1].text),
             QStringLiteral("Error when attempting to save state:\r\n%1 could not be read, and "
                            "it is not replaced.")
                 .arg(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("damaged"));
}

QTEST_MAIN(StateTest)
#include "StateTest.moc"
