// The number fields: the key filter, the 14-character rule, Enter, the
// checks against the largest number, the prime markers and the cleaning.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "WindowTestSupport.h"
#include "app/NumberKeys.h"
#include "support/Factoring.h"

using apptest::WindowFixture;

namespace {

// Moves the focus from `field` to `next` as the Tab key would.
void LeaveField(QLineEdit* field, QWidget* next) {
    field->setFocus(Qt::TabFocusReason);
    next->setFocus(Qt::TabFocusReason);
}

QString MessageText(WindowFixture& fixture, size_t index) {
    return QString::fromStdString(fixture.Messages().messages.at(index).text);
}

}  // namespace

class NumberFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void keyFilterAllowsDigitsCommaSpaceAndFiveControlCodes();
    void typedKeysPassOrBeep_data();
    void typedKeysPassOrBeep();
    void fullFieldRefusesOnlyKeysThatLengthenIt_data();
    void fullFieldRefusesOnlyKeysThatLengthenIt();
    void enterInTheStartFieldComputes();
    void enterInTheEndFieldChecksOnlyItselfAndComputes();
    void tooLargeNumbersAreRefused_data();
    void tooLargeNumbersAreRefused();
    void normalizingRewritesTheFields_data();
    void normalizingRewritesTheFields();
    void primeMarkersFollowTheField_data();
    void primeMarkersFollowTheField();
    void leavingAFieldStripsLeadingZeros();
    void clearButtonsEmptyTheirField();
};

void NumberFieldsTest::keyFilterAllowsDigitsCommaSpaceAndFiveControlCodes() {
    const QString allowed = QStringLiteral("1234567890, ");
    for (char16_t code = 0; code < 256; ++code) {
        const bool expected = code == 1 || code == 3 || code == 8 || code == 22 || code == 24 ||
                              allowed.contains(QChar(code));
        QVERIFY2(app::IsNumberKeyAllowed(code) == expected, qPrintable(QString::number(code)));
    }
}

void NumberFieldsTest::typedKeysPassOrBeep_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<char>("key");
    QTest::addColumn<bool>("passes");
    for (const char* field : {"Text1", "Text2", "txbA", "txbB"}) {
        for (char key : {'0', '7', ',', ' '}) {
            QTest::addRow("%s %c passes", field, key) << field << key << true;
        }
        for (char key : {'\'', 'a', 'Z', '-', '.', '+'}) {
            QTest::addRow("%s %c beeps", field, key) << field << key << false;
        }
    }
}

void NumberFieldsTest::typedKeysPassOrBeep() {
    QFETCH(QString, field);
    QFETCH(char, key);
    QFETCH(bool, passes);
    WindowFixture fixture;
    auto* edit = fixture.Find<QLineEdit>(field.toLatin1().constData());
    edit->setText(QStringLiteral("12"));
    edit->setCursorPosition(2);
    QTest::keyClick(edit, key);
    QCOMPARE(edit->text(), passes ? QStringLiteral("12") + QLatin1Char(key) : QStringLiteral("12"));
    QCOMPARE(fixture.Messages().beeps, passes ? 0 : 1);
    QVERIFY(fixture.Messages().messages.empty());
}

void NumberFieldsTest::fullFieldRefusesOnlyKeysThatLengthenIt_data() {
    QTest::addColumn<QString>("field");
    for (const char* field : {"Text1", "Text2", "txbA", "txbB"}) QTest::newRow(field) << field;
}

void NumberFieldsTest::fullFieldRefusesOnlyKeysThatLengthenIt() {
    QFETCH(QString, field);
    WindowFixture fixture;
    auto* edit = fixture.Find<QLineEdit>(field.toLatin1().constData());
    const QString full = QStringLiteral("12345678901234");
    const QString pasted = QStringLiteral("78");
    const QKeyCombination selectLeft = Qt::SHIFT | Qt::Key_Left;
    const QKeyCombination paste = Qt::CTRL | Qt::Key_V;
    // Keys pressed with the caret at the end of the 14 characters and "78" on
    // the clipboard: the field and the clipboard afterwards, and the beep.
    struct Case {
        QList<QKeySequence> keys;
        QString text;
        QString clipboard;
        bool beeps;
    };
    const Case cases[] = {
        {{Qt::Key_5}, full, pasted, true},
        {{Qt::Key_Comma}, full, pasted, true},
        {{Qt::Key_Space}, full, pasted, true},
        {{paste}, full, pasted, true},
        {{selectLeft, paste}, full, pasted, true},
        {{Qt::Key_Backspace}, QStringLiteral("1234567890123"), pasted, false},
        {{Qt::Key_Backspace, Qt::Key_9}, QStringLiteral("12345678901239"), pasted, false},
        {{Qt::Key_Home, Qt::Key_Right, Qt::Key_Delete},
         QStringLiteral("1345678901234"),
         pasted,
         false},
        {{Qt::Key_Left, Qt::Key_End, selectLeft, Qt::Key_9},
         QStringLiteral("12345678901239"),
         pasted,
         false},
        {{selectLeft, selectLeft, selectLeft, paste},
         QStringLiteral("1234567890178"),
         pasted,
         false},
        {{Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_C}, full, full, false},
        {{Qt::SHIFT | Qt::Key_Home, Qt::CTRL | Qt::Key_X}, QString(), full, false},
    };
    int beeps = 0;
    for (const Case& c : cases) {
        edit->setText(full);
        QGuiApplication::clipboard()->setText(pasted);
        for (const QKeySequence& key : c.keys) QTest::keySequence(edit, key);
        const QString keys = QKeySequence::listToString(c.keys);
        QVERIFY2(edit->text() == c.text, qPrintable(keys + QStringLiteral(": ") + edit->text()));
        QVERIFY2(QGuiApplication::clipboard()->text() == c.clipboard, qPrintable(keys));
        if (c.beeps) ++beeps;
        QVERIFY2(fixture.Messages().beeps == beeps, qPrintable(keys));
    }
}

void NumberFieldsTest::enterInTheStartFieldComputes() {
    WindowFixture fixture;
    auto* start = fixture.Find<QLineEdit>("Text1");
    start->clear();
    fixture.Find<QLineEdit>("Text2")->clear();
    QTest::keyClicks(start, QStringLiteral("1,234 567"));
    QCOMPARE(start->text(), QStringLiteral("1,234 567"));
    QTest::keyClick(start, Qt::Key_Return);
    QCOMPARE(start->text(), QStringLiteral("1,234,567"));
    QCOMPARE(apptest::OutputLines(fixture.Window()), QStringList{apptest::FactorLine(1234567)});
    QVERIFY(fixture.Messages().messages.empty());
}

void NumberFieldsTest::enterInTheEndFieldChecksOnlyItselfAndComputes() {
    WindowFixture fixture;
    // A start field that is too large is not checked by Enter in the end field;
    // the computation then refuses it when it cleans the fields.
    fixture.Find<QLineEdit>("Text1")->clear();
    auto* end = fixture.Find<QLineEdit>("Text2");
    end->setText(QStringLiteral("5"));
    QTest::keyClick(end, Qt::Key_Enter);
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    QCOMPARE(MessageText(fixture, 0), QStringLiteral("Start number invalid."));
    QVERIFY(apptest::OutputLines(fixture.Window()).isEmpty());
}

void NumberFieldsTest::tooLargeNumbersAreRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("warning");
    QTest::newRow("start") << "Text1"
                           << "Start number too large.";
    QTest::newRow("end") << "Text2"
                         << "End number too large.";
}

void NumberFieldsTest::tooLargeNumbersAreRefused() {
    QFETCH(QString, field);
    QFETCH(QString, warning);
    WindowFixture fixture;
    auto* edit = fixture.Find<QLineEdit>(field.toLatin1().constData());
    auto* other = fixture.Find<QLineEdit>(field == QLatin1String("Text1") ? "Text2" : "Text1");
    other->setText(QStringLiteral("3"));
    for (const char* accepted : {"2147483646", "2,147,483,646", "999999999"}) {
        edit->setText(QLatin1String(accepted));
        LeaveField(edit, other);
    }
    QVERIFY(fixture.Messages().messages.empty());

    edit->setText(QStringLiteral("2147483647"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(fixture.Messages().messages.size(), size_t{1});
    const engine::Message& message = fixture.Messages().messages[0];
    QCOMPARE(QString::fromStdString(message.text), warning);
    QCOMPARE(message.title, std::string("Error"));
    QVERIFY(message.icon == engine::MessageIcon::Warning);
    QCOMPARE(fixture.Messages().beeps, 1);
    QVERIFY(apptest::OutputLines(fixture.Window()).isEmpty());
    QCOMPARE(edit->text(), QStringLiteral("2147483647"));

    // Again on leaving the field; eleven digits are too large whatever they are.
    LeaveField(edit, other);
    QCOMPARE(fixture.Messages().messages.size(), size_t{2});
    edit->setText(QStringLiteral("00000000001"));
    LeaveField(edit, other);
    QCOMPARE(edit->text(), QStringLiteral("1"));
    edit->setText(QStringLiteral("10000000000"));
    LeaveField(edit, other);
    QCOMPARE(fixture.Messages().messages.size(), size_t{3});
    QCOMPARE(MessageText(fixture, 2), warning);
    QCOMPARE(fixture.Messages().beeps, 3);
}

void NumberFieldsTest::normalizingRewritesTheFields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("expected");
    QTest::newRow("comma") << "1234567"
                           << "CommaSeparator"
                           << "1,234,567";
    QTest::newRow("zeros and blank") << "0012 345"
                                     << "CommaSeparator"
                                     << "12,345";
    QTest::newRow("none") << "1,234,567"
                          << "NoSeparator"
                          << "1234567";
    QTest::newRow("apostrophe") << "1234567"
                                << "ApostropheSeparator"
                                << "1'234'567";
    QTest::newRow("space") << "1234567"
                           << "SpaceSeparator"
                           << "1 234 567";
    QTest::newRow("only zeros") << "0000"
                                << "CommaSeparator"
                                << "";
    QTest::newRow("only separators") << " , "
                                     << "CommaSeparator"
                                     << "";
}

void NumberFieldsTest::normalizingRewritesTheFields() {
    QFETCH(QString, text);
    QFETCH(QString, option);
    QFETCH(QString, expected);
    WindowFixture fixture;
    for (const char* field : {"Text1", "Text2", "txbA", "txbB"}) {
        fixture.Find<QLineEdit>(field)->setText(text);
    }
    apptest::Click(fixture.Find<QRadioButton>(option.toLatin1().constData()));
    for (const char* field : {"Text1", "Text2", "txbA", "txbB"}) {
        QCOMPARE(fixture.Find<QLineEdit>(field)->text(), expected);
    }
    QVERIFY(fixture.Messages().messages.empty());
}

void NumberFieldsTest::primeMarkersFollowTheField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("number");
    for (int number : {1, 2, 7, 8, 97, 561, 65537, 1000003, 2147483629, 2147483646}) {
        QTest::addRow("start %d", number) << "Text1"
                                          << "lblStartP" << number;
        QTest::addRow("end %d", number) << "Text2"
                                        << "lblEndP" << number;
    }
}

void NumberFieldsTest::primeMarkersFollowTheField() {
    QFETCH(QString, field);
    QFETCH(QString, marker);
    QFETCH(int, number);
    WindowFixture fixture;
    auto* edit = fixture.Find<QLineEdit>(field.toLatin1().constData());
    auto* label = fixture.Find<QLabel>(marker.toLatin1().constData());
    const QString expected = oracle::IsPrime(number) ? QStringLiteral("P") : QString();
    edit->setText(apptest::Grouped(number, ','));
    LeaveField(edit, fixture.Find<QWidget>("ComputeButton"));
    QCOMPARE(label->text(), expected);
    // A number too large keeps the marker as it was.
    edit->setText(QStringLiteral("2147483647"));
    LeaveField(edit, fixture.Find<QWidget>("ComputeButton"));
    QCOMPARE(label->text(), expected);
    // Cleaning the fields sets it too.
    edit->setText(QString::number(number));
    apptest::Click(fixture.Find<QRadioButton>("NoSeparator"));
    QCOMPARE(edit->text(), QString::number(number));
    QCOMPARE(label->text(), expected);
    edit->clear();
    LeaveField(edit, fixture.Find<QWidget>("ComputeButton"));
    QCOMPARE(label->text(), QString());
}

void NumberFieldsTest::leavingAFieldStripsLeadingZeros() {
    WindowFixture fixture;
    auto* start = fixture.Find<QLineEdit>("Text1");
    auto* end = fixture.Find<QLineEdit>("Text2");
    start->setText(QStringLiteral("0012"));
    end->setText(QStringLiteral("007"));
    LeaveField(start, fixture.Find<QWidget>("ComputeButton"));
    // Both fields, whichever was left; the marker of the one left.
    QCOMPARE(start->text(), QStringLiteral("12"));
    QCOMPARE(end->text(), QStringLiteral("7"));
    QCOMPARE(fixture.Find<QLabel>("lblStartP")->text(), QString());
    start->setText(QStringLiteral("0"));
    LeaveField(start, fixture.Find<QWidget>("ComputeButton"));
    QCOMPARE(start->text(), QString());
}

void NumberFieldsTest::clearButtonsEmptyTheirField() {
    WindowFixture fixture;
    auto* start = fixture.Find<QLineEdit>("Text1");
    auto* end = fixture.Find<QLineEdit>("Text2");
    start->setText(QStringLiteral("7"));
    LeaveField(start, end);
    QCOMPARE(fixture.Find<QLabel>("lblStartP")->text(), QStringLiteral("P"));
    apptest::Click(fixture.Find<QPushButton>("ClearStartNumberButton_1"));
    QCOMPARE(end->text(), QString());
    QCOMPARE(fixture.Find<QLabel>("lblEndP")->text(), QString());
    QCOMPARE(start->text(), QStringLiteral("7"));
    QCOMPARE(fixture.Window().focusWidget(), end);
    apptest::Click(fixture.Find<QPushButton>("ClearStartNumberButton_0"));
    QCOMPARE(start->text(), QString());
    QCOMPARE(fixture.Find<QLabel>("lblStartP")->text(), QString());
    QCOMPARE(fixture.Window().focusWidget(), start);
}

QTEST_MAIN(NumberFieldsTest)
#include "NumberFieldsTest.moc"
