// The filter controls: the operator and sign buttons, cmdReset and the keys
// of the two filter fields.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "WindowTestSupport.h"
#include "support/Factoring.h"

using apptest::WindowFixture;

namespace {

const char* OperatorButton(char op) {
    return op == '*' ? "cmdMult" : (op == '/' ? "cmdDiv" : "cmdExp");
}

const char* SignButton(const QString& sign) {
    if (sign == QLatin1String("+")) return "cmdPlus";
    return sign == QLatin1String("-") ? "cmdMinus" : "cmdPlusMinus";
}

// The line the scan writes for n with the filter's index note (comma separator).
QString FilteredLine(int n, int index) {
    const QString plain = apptest::FactorLine(n);
    const QString number = QLatin1Char(' ') + apptest::Grouped(n, ',');
    return number + QStringLiteral(" (N=%1)").arg(index) + plain.mid(number.size());
}

}  // namespace

class FilterTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsSetOneHalfOfTheForm_data();
    void buttonsSetOneHalfOfTheForm();
    void resetClearsAndRestoresTheFilter();
    void restoreBeforeAnyClearKeepsTheForm();
    void acceptedKeysOfferTheReset();
    void enterInAFilterFieldComputes();
    void enterWithOnlyTheSecondValueIsRefused();
};

void FilterTest::buttonsSetOneHalfOfTheForm_data() {
    QTest::addColumn<char>("op");
    QTest::addColumn<QString>("sign");
    for (char op : {'*', '/', '^'}) {
        for (const char* sign : {"+", "-", "+|-"}) {
            QTest::addRow("%c %s", op, sign) << op << QString::fromLatin1(sign);
        }
    }
}

void FilterTest::buttonsSetOneHalfOfTheForm() {
    QFETCH(char, op);
    QFETCH(QString, sign);
    WindowFixture fixture;
    auto* form = fixture.Find<QLabel>("lblFilterType");
    const QString expected = QLatin1Char(op) + QStringLiteral(" N   ") + sign;
    // Operator first: the sign button keeps it.
    apptest::Click(fixture.Find<QPushButton>(OperatorButton(op)));
    QCOMPARE(form->text(), QLatin1Char(op) + QStringLiteral(" N   +"));
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("txbA"));
    apptest::Click(fixture.Find<QPushButton>(SignButton(sign)));
    QCOMPARE(form->text(), expected);
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("txbB"));
    // Sign first, from the other corner of the table: the operator button keeps it.
    apptest::Click(fixture.Find<QPushButton>(OperatorButton(op == '^' ? '*' : '^')));
    apptest::Click(fixture.Find<QPushButton>(SignButton(sign)));
    apptest::Click(fixture.Find<QPushButton>(OperatorButton(op)));
    QCOMPARE(form->text(), expected);
    QVERIFY(fixture.Find<QPushButton>("cmdReset")->isHidden());
}

void FilterTest::resetClearsAndRestoresTheFilter() {
    WindowFixture fixture;
    auto* a = fixture.Find<QLineEdit>("txbA");
    auto* b = fixture.Find<QLineEdit>("txbB");
    auto* form = fixture.Find<QLabel>("lblFilterType");
    auto* reset = fixture.Find<QPushButton>("cmdReset");
    apptest::Click(fixture.Find<QPushButton>("cmdExp"));
    apptest::Click(fixture.Find<QPushButton>("cmdMinus"));
    QTest::keyClick(a, '2');
    QTest::keyClick(b, '1');
    QVERIFY(reset->isVisible());
    QCOMPARE(reset->text(), QStringLiteral("Clear"));
    for (int round = 0; round < 2; ++round) {
        apptest::Click(reset);
        QCOMPARE(a->text(), QString());
        QCOMPARE(b->text(), QString());
        QCOMPARE(form->text(), QStringLiteral("* N   +"));
        QCOMPARE(reset->text(), QStringLiteral("Restore"));
        QVERIFY(reset->isVisible());
        QCOMPARE(fixture.Window().focusWidget(), a);
        apptest::Click(reset);
        QCOMPARE(a->text(), QStringLiteral("2"));
        QCOMPARE(b->text(), QStringLiteral("1"));
        QCOMPARE(form->text(), QStringLiteral("^ N   -"));
        QCOMPARE(reset->text(), QStringLiteral("Clear"));
        QCOMPARE(fixture.Window().focusWidget(), a);
    }
    // The restored form is the one the buttons work from.
    apptest::Click(fixture.Find<QPushButton>("cmdDiv"));
    QCOMPARE(form->text(), QStringLiteral("/ N   -"));
}

void FilterTest::restoreBeforeAnyClearKeepsTheForm() {
    WindowFixture fixture;
    auto* reset = fixture.Find<QPushButton>("cmdReset");
    apptest::Click(fixture.Find<QPushButton>("cmdDiv"));
    fixture.Find<QLineEdit>("txbA")->setText(QStringLiteral("12"));
    reset->setText(QStringLiteral("Restore"));
    reset->show();
    apptest::Click(reset);
    QCOMPARE(fixture.Find<QLabel>("lblFilterType")->text(), QStringLiteral("/ N   +"));
    QCOMPARE(fixture.Find<QLineEdit>("txbA")->text(), QString());
    QCOMPARE(reset->text(), QStringLiteral("Clear"));
}

void FilterTest::acceptedKeysOfferTheReset() {
    WindowFixture fixture;
    auto* reset = fixture.Find<QPushButton>("cmdReset");
    auto* b = fixture.Find<QLineEdit>("txbB");
    QTest::keyClick(b, 'x');
    QTest::keyClick(b, '\'');
    QVERIFY(reset->isHidden());
    QCOMPARE(fixture.Messages().beeps, 2);
    QTest::keyClick(b, Qt::Key_Backspace);
    QVERIFY(reset->isVisible());
    QCOMPARE(reset->text(), QStringLiteral("Clear"));
    // Typing after a clear offers the clear again.
    apptest::Click(reset);
    QCOMPARE(reset->text(), QStringLiteral("Restore"));
    QTest::keyClick(b, '4');
    QCOMPARE(reset->text(), QStringLiteral("Clear"));
}

void FilterTest::enterInAFilterFieldComputes() {
    WindowFixture fixture;
    auto* a = fixture.Find<QLineEdit>("txbA");
    QTest::keyClick(a, '3');
    QTest::keyClick(a, Qt::Key_Return);
    QCOMPARE(a->text(), QStringLiteral("3"));
    QCOMPARE(fixture.Find<QLineEdit>("txbB")->text(), QStringLiteral("0"));
    QStringList expected{QStringLiteral("Filter: 3*N ")};
    int primes = 0;
    for (int n = 3; n <= 23; n += 3) {
        expected << FilteredLine(n, n / 3);
        primes += oracle::IsPrime(n) ? 1 : 0;
    }
    expected << QStringLiteral(" %1 prime found in (filtered) range 1 through 23.").arg(primes);
    QCOMPARE(apptest::OutputLines(fixture.Window()), expected);
    QVERIFY(fixture.Messages().messages.empty());
}

void FilterTest::enterWithOnlyTheSecondValueIsRefused() {
    WindowFixture fixture;
    auto* b = fixture.Find<QLineEdit>("txbB");
    b->setText(QStringLiteral("5"));
    QTest::keyClick(b, Qt::Key_Enter);
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QCOMPARE(QString::fromStdString(fixture.Messages().messages[0].text),
             QStringLiteral("First filter value invalid."));
    QVERIFY(apptest::OutputLines(fixture.Window()).isEmpty());
}

QTEST_MAIN(FilterTest)
#include "FilterTest.moc"
