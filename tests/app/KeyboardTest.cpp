// The keyboard as desktop users expect it: Enter presses the focused button
// (Compute has the focus at start-up), Escape stops a run.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "WindowTestSupport.h"
#include "support/PrimeSieve.h"

using apptest::WindowFixture;

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void escapeStopsARun();
};

void KeyboardTest::enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    // The first line of the output afterwards, or the message the press shows.
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("message");
    const QString noGraph = apptest::ShippedProgramText(30);
    QTest::newRow("Compute, Return") << "ComputeButton" << static_cast<int>(Qt::Key_Return)
                                     << apptest::FactorLine(1) << QString();
    QTest::newRow("Compute, keypad Enter") << "ComputeButton" << static_cast<int>(Qt::Key_Enter)
                                           << apptest::FactorLine(1) << QString();
    QTest::newRow("Clear output window")
        << "ClearOutputButton" << static_cast<int>(Qt::Key_Return) << QString() << QString();
    QTest::newRow("Show graphics screen") << "cmdSwitchDisplay" << static_cast<int>(Qt::Key_Return)
                                          << apptest::FactorLine(1) << noGraph;
}

void KeyboardTest::enterPressesTheFocusedButton() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, firstLine);
    QFETCH(QString, message);
    WindowFixture fixture;
    auto* pressed = fixture.Find<QPushButton>(button.toLatin1().constData());
    if (button != QLatin1String("ComputeButton")) {
        // Something in the output for Clear to clear.
        apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
        pressed->setFocus();
    }
    QCOMPARE(fixture.Window().focusWidget(), pressed);
    QTest::keyClick(pressed, static_cast<Qt::Key>(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    const QStringList lines = apptest::OutputLines(fixture.Window());
    QCOMPARE(lines.value(0), firstLine);
    const auto& shown = fixture.Messages().messages;
    QCOMPARE(shown.empty() ? QString() : QString::fromStdString(shown[0].text), message);
}

void KeyboardTest::escapeStopsARun() {
    WindowFixture fixture;
    apptest::Click(fixture.Find<QRadioButton>("CountPrimesOnly"));
    // The count goes in chunks of 2^29 numbers, with a progress point after each.
    fixture.Find<QLineEdit>("Text2")->setText(QStringLiteral("2,147,483,646"));
    QString reached;
    apptest::AtFirstProgressPoint(fixture.Window(), [&] {
        reached = fixture.Find<QLabel>("lblI")->text();
        // Wherever the focus is: the window's shortcut.
        QTest::keyClick(fixture.Window().focusWidget(), Qt::Key_Escape);
    });
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
    const qint64 last = QString(reached).remove(QLatin1Char(',')).toLongLong();
    QVERIFY2(last > 0 && last < 2147483646, qPrintable(reached));
    QCOMPARE(apptest::OutputLines(fixture.Window()),
             QStringList{QStringLiteral(" %1 primes found in range 1 through %2.")
                             .arg(apptest::Grouped(oracle::CountPrimes(1, last), ','), reached)});
    // Escape while idle does nothing.
    QTest::keyClick(fixture.Find<QPushButton>("ComputeButton"), Qt::Key_Escape);
    QCOMPARE(apptest::OutputLines(fixture.Window()).size(), 1);
}

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
