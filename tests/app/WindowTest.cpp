// The main window at start-up: its defaults, the rules of the option groups,
// the help keys and a program that cannot start.
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include "WindowTestSupport.h"
#include "app/Startup.h"
#include "util/ProgramTexts.h"

using apptest::WindowFixture;

namespace {

QString Caption(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return {};
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartShowsTheDefaults();
    void firstStartShowsTheIntroduction();
    void separatorOptionsRewriteFieldsAndIntroduction_data();
    void separatorOptionsRewriteFieldsAndIntroduction();
    void allFactorsModeRemembersTheEndNumber();
    void modeOptionsSetTheDisplayControls_data();
    void modeOptionsSetTheDisplayControls();
    void modeOptionFocusesAnEmptyStartField();
    void switchDisplayBeforeAnyGraphOnlyTells();
    void helpOpensFromF1AndTheHelpButton_data();
    void helpOpensFromF1AndTheHelpButton();
    void linkLabelsNameTheirAddresses();
    void programTextsThatCannotBeLoadedAreFatal_data();
    void programTextsThatCannotBeLoadedAreFatal();
};

void WindowTest::firstStartShowsTheDefaults() {
    WindowFixture fixture;
    QVERIFY(fixture.Started());
    app::frmMain& window = fixture.Window();
    QVERIFY(window.StartupCompleted());
    QCOMPARE(window.windowTitle(), QStringLiteral("Primorator 11.09"));
    QCOMPARE(window.size(), QSize(764, 579));
    // The start size is the least the window takes; it may grow beyond.
    QCOMPARE(window.minimumSize(), QSize(764, 579));
    QCOMPARE(window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QCOMPARE(fixture.Find<QLineEdit>("Text1")->text(), QStringLiteral("1"));
    QCOMPARE(fixture.Find<QLineEdit>("Text2")->text(), QStringLiteral("23"));
    QCOMPARE(fixture.Find<QLabel>("lblStartP")->text(), QString());
    QCOMPARE(fixture.Find<QLabel>("lblEndP")->text(), QStringLiteral("P"));
    QVERIFY(fixture.Find<QRadioButton>("CommaSeparator")->isChecked());
    QVERIFY(fixture.Find<QRadioButton>("DisplayAllNumbers")->isChecked());
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->currentText(), QStringLiteral("120"));
    QVERIFY(!fixture.Find<QComboBox>("cboNumBins")->isEnabled());
    QVERIFY(!fixture.Find<QCheckBox>("ShowPalmenColor")->isChecked());
    QVERIFY(!fixture.Find<QCheckBox>("ShowEKValue")->isChecked());
    QVERIFY(fixture.Find<QCheckBox>("ShowPalmenColor")->isEnabled());
    QVERIFY(fixture.Find<QCheckBox>("ShowEKValue")->isEnabled());
    QCOMPARE(fixture.Find<QPlainTextEdit>("Text3")->toPlainText(), QString());
    QCOMPARE(fixture.Find<QLabel>("lblFilterType")->text(), QStringLiteral("* N   +"));
    QVERIFY(fixture.Find<QPushButton>("cmdReset")->isHidden());
    QCOMPARE(window.focusWidget(), fixture.Find<QPushButton>("ComputeButton"));

    // The busy controls and the graph wait for their time.
    for (const char* hidden : {"StopButton", "lblNowComputing", "lblI", "progressBar", "picGraph",
                               "txbPlot", "lblPlot", "cmdVSSoftware"}) {
        QVERIFY2(fixture.Find<QWidget>(hidden)->isHidden(), hidden);
    }
    QVERIFY(fixture.Find<QPlainTextEdit>("Text3")->isVisible());
    QCOMPARE(fixture.Find<QPushButton>("cmdSwitchDisplay")->text(),
             apptest::ShippedProgramText(28));
    QVERIFY(fixture.Find<QPushButton>("CopyButton")->isEnabled());
    QVERIFY(fixture.Messages().messages.empty());
    QCOMPARE(fixture.Messages().beeps, 0);

    // Columns line up in the number fields and the output; the rest reads easily.
    for (const char* mono : {"Text1", "Text2", "Text3"}) {
        QVERIFY2(QFontInfo(fixture.Find<QWidget>(mono)->font()).fixedPitch(), mono);
    }
    QVERIFY(!QFontInfo(fixture.Find<QWidget>("Label2")->font()).fixedPitch());
    for (const char* bold : {"StopButton", "lblNowComputing", "lblI"}) {
        QVERIFY2(fixture.Find<QWidget>(bold)->font().bold(), bold);
    }
    apptest::SaveScreenshot(window, QStringLiteral("first-start"));
}

void WindowTest::firstStartShowsTheIntroduction() {
    WindowFixture fixture;
    const QString expected = QStringLiteral(
                                 "Primorator is for factoring positive integers <= "
                                 "2,147,483,646.  ") +
                             apptest::ShippedProgramText(31) +
                             QStringLiteral("  Click on \"Help\" for more information.");
    QVERIFY(!apptest::ShippedProgramText(31).isEmpty());
    QCOMPARE(fixture.Find<QLabel>("lblIntroduction")->text(), expected);
}

void WindowTest::separatorOptionsRewriteFieldsAndIntroduction_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("filterA");
    QTest::addColumn<QString>("figure");
    QTest::newRow("space") << "SpaceSeparator"
                           << "1 234 567"
                           << "12 345"
                           << "2 147 483 646";
    QTest::newRow("apostrophe") << "ApostropheSeparator"
                                << "1'234'567"
                                << "12'345"
                                << "2'147'483'646";
    QTest::newRow("none") << "NoSeparator"
                          << "1234567"
                          << "12345"
                          << "2147483646";
    QTest::newRow("comma") << "CommaSeparator"
                           << "1,234,567"
                           << "12,345"
                           << "2,147,483,646";
}

void WindowTest::separatorOptionsRewriteFieldsAndIntroduction() {
    QFETCH(QString, option);
    QFETCH(QString, field);
    QFETCH(QString, filterA);
    QFETCH(QString, figure);
    WindowFixture fixture;
    fixture.Find<QLineEdit>("Text1")->setText(QStringLiteral("1,234,567"));
    fixture.Find<QLineEdit>("txbA")->setText(QStringLiteral("0012345"));
    apptest::Click(fixture.Find<QRadioButton>(option.toLatin1().constData()));
    QCOMPARE(fixture.Find<QLineEdit>("Text1")->text(), field);
    QCOMPARE(fixture.Find<QLineEdit>("txbA")->text(), filterA);
    QVERIFY(fixture.Find<QLabel>("lblIntroduction")
                ->text()
                .startsWith(QStringLiteral("Primorator is for factoring positive integers <= ") +
                            figure + QStringLiteral(".  ")));
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("ComputeButton"));
}

void WindowTest::allFactorsModeRemembersTheEndNumber() {
    WindowFixture fixture;
    auto* end = fixture.Find<QLineEdit>("Text2");
    auto* marker = fixture.Find<QLabel>("lblEndP");
    apptest::Click(fixture.Find<QRadioButton>("DisplayAllFactors"));
    // Another end number while all factors are shown, its marker with it.
    apptest::Click(fixture.Find<QPushButton>("ClearStartNumberButton_1"));
    QCOMPARE(marker->text(), QString());
    QTest::keyClicks(end, QStringLiteral("50"));
    apptest::Click(fixture.Find<QRadioButton>("DisplayAllNumbers"));
    QCOMPARE(end->text(), QStringLiteral("23"));
    // The marker follows the number put back.
    QCOMPARE(marker->text(), QStringLiteral("P"));
    // Nothing is remembered any more: the next change keeps the field.
    end->setText(QStringLiteral("60"));
    apptest::Click(fixture.Find<QRadioButton>("CountPrimesOnly"));
    QCOMPARE(end->text(), QStringLiteral("60"));
}

void WindowTest::modeOptionsSetTheDisplayControls_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("palmenColor");
    QTest::addColumn<bool>("factorCount");
    QTest::addColumn<bool>("bins");
    QTest::newRow("all numbers") << "DisplayAllNumbers" << true << true << false;
    QTest::newRow("primes") << "DisplayPrimesOnly" << true << true << false;
    QTest::newRow("prime pairs") << "DisplayPrimePairsOnly" << true << false << false;
    QTest::newRow("count") << "CountPrimesOnly" << false << false << false;
    QTest::newRow("all factors") << "DisplayAllFactors" << true << false << false;
    QTest::newRow("NPF graph") << "DoNPFGraph" << false << false << false;
    QTest::newRow("EK graph") << "DoEKGraph" << false << false << true;
    QTest::newRow("Palmen graph") << "DoPCGraph" << false << false << false;
}

void WindowTest::modeOptionsSetTheDisplayControls() {
    QFETCH(QString, option);
    QFETCH(bool, palmenColor);
    QFETCH(bool, factorCount);
    QFETCH(bool, bins);
    WindowFixture fixture;
    // From a mode that disables everything, so that each rule must enable what it keeps.
    apptest::Click(fixture.Find<QRadioButton>("CountPrimesOnly"));
    apptest::Click(fixture.Find<QRadioButton>("DoEKGraph"));
    apptest::Click(fixture.Find<QRadioButton>(option.toLatin1().constData()));
    QCOMPARE(fixture.Find<QCheckBox>("ShowPalmenColor")->isEnabled(), palmenColor);
    QCOMPARE(fixture.Find<QCheckBox>("ShowEKValue")->isEnabled(), factorCount);
    QCOMPARE(fixture.Find<QComboBox>("cboNumBins")->isEnabled(), bins);
}

void WindowTest::modeOptionFocusesAnEmptyStartField() {
    WindowFixture fixture;
    fixture.Find<QLineEdit>("Text1")->clear();
    for (const char* option :
         {"DisplayPrimesOnly", "DisplayPrimePairsOnly", "CountPrimesOnly", "DisplayAllFactors",
          "DisplayAllNumbers", "DoNPFGraph", "DoEKGraph", "DoPCGraph"}) {
        fixture.Find<QPushButton>("ComputeButton")->setFocus();
        apptest::Click(fixture.Find<QRadioButton>(option));
        QVERIFY2(fixture.Window().focusWidget() == fixture.Find<QWidget>("Text1"), option);
    }
}

void WindowTest::switchDisplayBeforeAnyGraphOnlyTells() {
    WindowFixture fixture;
    apptest::Click(fixture.Find<QPushButton>("cmdSwitchDisplay"));
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(fixture.Messages().messages[0].text),
             apptest::ShippedProgramText(30));
    QCOMPARE(fixture.Messages().messages[0].title, std::string("Primorator"));
    QVERIFY(fixture.Find<QWidget>("Text3")->isVisible());
    QVERIFY(fixture.Find<QWidget>("picGraph")->isHidden());
    QCOMPARE(fixture.Find<QPushButton>("cmdSwitchDisplay")->text(),
             apptest::ShippedProgramText(28));
}

void WindowTest::helpOpensFromF1AndTheHelpButton_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("click");
    for (const char* control : {"Text1", "Text2", "txbA", "txbB", "ComputeButton", "HelpButton"}) {
        QTest::addRow("F1 in %s", control) << control << false;
    }
    QTest::newRow("Help clicked") << "HelpButton" << true;
}

void WindowTest::helpOpensFromF1AndTheHelpButton() {
    QFETCH(QString, control);
    QFETCH(bool, click);
    WindowFixture fixture;
    QVERIFY(fixture.Window().findChild<QWidget*>(QStringLiteral("frmHelp")) == nullptr);
    auto* widget = fixture.Find<QWidget>(control.toLatin1().constData());
    const QString before = Caption(widget);
    if (click) {
        apptest::Click(widget);
    } else {
        QTest::keyClick(widget, Qt::Key_F1);
    }
    auto* help = fixture.Window().findChild<QWidget*>(QStringLiteral("frmHelp"));
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QCOMPARE(Caption(widget), before);
    QVERIFY(fixture.Messages().messages.empty());
    QCOMPARE(fixture.Messages().beeps, 0);
}

void WindowTest::linkLabelsNameTheirAddresses() {
    WindowFixture fixture;
    QVERIFY(fixture.Find<QWidget>("lblOnlineDocumentation")
                ->toolTip()
                .startsWith(QStringLiteral("Click for the online user manual at ")));
    QVERIFY(fixture.Find<QWidget>("lblOnlineDocumentation")
                ->toolTip()
                .endsWith(apptest::ShippedProgramText(17)));
    // The publisher the tooltip names is the one the caption shows.
    auto* publisher = fixture.Find<QLabel>("lblVeltraneSystems");
    QCOMPARE(publisher->text(), QStringLiteral("Primorator project"));
    QVERIFY(publisher->toolTip().startsWith(
        QStringLiteral("Click for the Primorator project website at ")));
    QVERIFY(publisher->toolTip().endsWith(apptest::ShippedProgramText(315)));
}

void WindowTest::programTextsThatCannotBeLoadedAreFatal_data() {
    QTest::addColumn<bool>("writeFile");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << false << QByteArray()
                             << "Cannot open file containing program text.\r\n";
    QTest::newRow("empty") << true << QByteArray() << "File is empty.";
    QTest::newRow("only comments")
        << true << QByteArray("# nothing\n") << "No program text was read.";
    QTest::newRow("duplicate") << true << QByteArray("1\tOne\n1\tAgain\n")
                               << "Duplicate in program text at line 2.";
    QTest::newRow("no text") << true << QByteArray("1\tOne\n\n2\n") << "Missing string at line 3.";
}

void WindowTest::programTextsThatCannotBeLoadedAreFatal() {
    QFETCH(bool, writeFile);
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/prmr.dat");
    if (writeFile) {
        std::ofstream(path.toStdString(), std::ios::binary) << contents.toStdString();
    } else {
        message += path;
    }
    apptest::RecordingMessages messages;
    util::ProgramTexts texts;
    QVERIFY(
        !app::LoadProgramTextsOrReport(texts, folder.path().toStdString(), "prmr.dat", messages));
    QCOMPARE(messages.messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(messages.messages[0].text), message);
    QCOMPARE(messages.messages[0].title, std::string());
    QVERIFY(messages.messages[0].icon == engine::MessageIcon::Error);
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
