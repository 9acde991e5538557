// The output window: its text as the engine counts it, clearing, copying and
// the copy button's caption.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <string>

#include "WindowTestSupport.h"
#include "app/OutputWindow.h"

using apptest::WindowFixture;

namespace {

// Selects `length` characters of Text3 from `position`.
void Select(QPlainTextEdit* text3, int position, int length) {
    QTextCursor cursor = text3->textCursor();
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    text3->setTextCursor(cursor);
}

// The point of Text3's viewport on character `position`.
QPoint PointAt(QPlainTextEdit* text3, int position) {
    QTextCursor cursor(text3->document());
    cursor.setPosition(position);
    return text3->cursorRect(cursor).center() + QPoint(2, 0);
}

// A left (or other) button pressed inside Text3 at character `position`.
void PressAt(QPlainTextEdit* text3, int position, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(text3->viewport(), button, Qt::NoModifier, PointAt(text3, position));
}

}  // namespace

class OutputTest : public QObject {
    Q_OBJECT

private slots:
    void lengthCountsEachLineBreakAsTwo();
    void keepFirstCutsAsTheEngineCounts_data();
    void keepFirstCutsAsTheEngineCounts();
    void copyWithoutSelectionTakesTheTrimmedText();
    void copyWithSelectionTakesTheSelection();
    void copyOfAnEmptyWindowChangesNothing();
    void captionFollowsTheSelectionAtTheLeftButton();
    void clearOutputEmptiesAndMovesTheFocus();
    void caretReturnsToTheEndAfterTheUserMovesIt();
};

void OutputTest::lengthCountsEachLineBreakAsTwo() {
    QPlainTextEdit text3;
    app::OutputWindow output(text3);
    QCOMPARE(output.Length(), size_t{0});
    output.Append(" 1\r\n 2 is prime\r\n");
    QCOMPARE(output.Length(), size_t{17});
    output.MoveCaretToEnd();
    QCOMPARE(text3.toPlainText(), QStringLiteral(" 1\n 2 is prime\n"));
    QCOMPARE(output.Length(), size_t{17});
    output.Append("x");
    QCOMPARE(output.Length(), size_t{18});
    QCOMPARE(output.Text(), QStringLiteral(" 1\r\n 2 is prime\r\nx"));
    // What the user types counts the same way.
    text3.setPlainText(QStringLiteral("ab\n\ncd"));
    QCOMPARE(output.Length(), size_t{8});
    QCOMPARE(output.Text(), QStringLiteral("ab\r\n\r\ncd"));
}

void OutputTest::caretReturnsToTheEndAfterTheUserMovesIt() {
    QPlainTextEdit text3;
    text3.resize(300, 80);
    text3.show();
    app::OutputWindow output(text3);
    std::string lines;
    for (int i = 0; i < 200; ++i) lines += " line " + std::to_string(i) + "\r\n";
    output.Append(lines);
    output.MoveCaretToEnd();
    const int end = text3.document()->characterCount() - 1;
    QCOMPARE(text3.textCursor().position(), end);
    QVERIFY(text3.viewport()->rect().contains(text3.cursorRect().center()));
    // Nothing new: the caret stays.
    output.MoveCaretToEnd();
    QCOMPARE(text3.textCursor().position(), end);
    // The user clicks into the text: the next progress point puts the caret back.
    Select(&text3, 5, 0);
    output.MoveCaretToEnd();
    QCOMPARE(text3.textCursor().position(), end);
    // The user scrolls up: the last line comes back into view.
    text3.verticalScrollBar()->setValue(0);
    QVERIFY(!text3.viewport()->rect().contains(text3.cursorRect().center()));
    output.MoveCaretToEnd();
    QVERIFY(text3.viewport()->rect().contains(text3.cursorRect().center()));
    // The user types at the end: the length counts it at once.
    const size_t before = output.Length();
    text3.insertPlainText(QStringLiteral("ab\ncd"));
    QCOMPARE(output.Length(), before + 6);
    output.MoveCaretToEnd();
    QCOMPARE(text3.textCursor().position(), text3.document()->characterCount() - 1);
}

void OutputTest::keepFirstCutsAsTheEngineCounts_data() {
    QTest::addColumn<int>("count");
    const std::string text = "ab\r\ncd\r\n\r\nefg\r\n";
    for (int count = 0; count <= static_cast<int>(text.size()) + 1; ++count) {
        QTest::addRow("%d", count) << count;
    }
}

void OutputTest::keepFirstCutsAsTheEngineCounts() {
    QFETCH(int, count);
    const std::string text = "ab\r\ncd\r\n\r\nefg\r\n";
    QPlainTextEdit text3;
    app::OutputWindow output(text3);
    output.Append(text);
    output.KeepFirst(static_cast<size_t>(count));
    std::string expected = text.substr(0, static_cast<size_t>(count));
    // The text box holds no half line break: a cut between CR and LF takes the CR too.
    if (!expected.empty() && expected.back() == '\r') expected.pop_back();
    QCOMPARE(output.Text(), QString::fromStdString(expected));
    QCOMPARE(output.Length(), expected.size());
}

void OutputTest::copyWithoutSelectionTakesTheTrimmedText() {
    WindowFixture fixture;
    auto* text3 = fixture.Find<QPlainTextEdit>("Text3");
    text3->setPlainText(QStringLiteral("   12 = (2^2) * 3\n 13 is prime  \n  "));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    apptest::Click(fixture.Find<QPushButton>("CopyButton"));
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("12 = (2^2) * 3\r\n 13 is prime  \r\n"));
    QCOMPARE(text3->toPlainText(), QStringLiteral("12 = (2^2) * 3\n 13 is prime  \n"));
    QCOMPARE(fixture.Find<QPushButton>("CopyButton")->text(), QStringLiteral("Copy to clipboard"));
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("ComputeButton"));
}

void OutputTest::copyWithSelectionTakesTheSelection() {
    WindowFixture fixture;
    fixture.Find<QLineEdit>("Text1")->setText(QStringLiteral("1"));
    fixture.Find<QLineEdit>("Text2")->setText(QStringLiteral("4"));
    apptest::Click(fixture.Find<QPushButton>("ComputeButton"));
    auto* text3 = fixture.Find<QPlainTextEdit>("Text3");
    const QString whole = text3->toPlainText();
    const int line = static_cast<int>(whole.indexOf(QStringLiteral(" 2 is prime")));
    QVERIFY(line > 0);
    // A click inside the selection: the press sets the caption, the release
    // clears the selection; the copy keeps the caption's promise.
    Select(text3, line, 11);
    PressAt(text3, line + 3);
    QTest::mouseRelease(text3->viewport(), Qt::LeftButton, Qt::NoModifier,
                        PointAt(text3, line + 3));
    QVERIFY(!text3->textCursor().hasSelection());
    auto* copy = fixture.Find<QPushButton>("CopyButton");
    QCOMPARE(copy->text(), QStringLiteral("Copy selected text"));
    apptest::Click(copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" 2 is prime"));
    QCOMPARE(copy->text(), QStringLiteral("Copy to clipboard"));
    // The promise is kept once.
    apptest::Click(copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), whole.mid(1).replace('\n', "\r\n"));

    // The copy took the leading blank off the output.
    QCOMPARE(text3->toPlainText(), whole.mid(1));

    // Two lines with their break; a selection of blanks is still a selection.
    const int moved = line - 1;
    Select(text3, moved, 16);
    apptest::Click(copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" 2 is prime\r\n 3 i"));
    Select(text3, moved, 1);
    apptest::Click(copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" "));
    QCOMPARE(text3->toPlainText(), whole.mid(1));

    // A promised selection whose text has gone: the copy takes what is there.
    Select(text3, moved, 4);
    PressAt(text3, moved + 1);
    text3->setPlainText(QStringLiteral("new"));
    apptest::Click(copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("new"));
}

void OutputTest::copyOfAnEmptyWindowChangesNothing() {
    WindowFixture fixture;
    auto* text3 = fixture.Find<QPlainTextEdit>("Text3");
    auto* copy = fixture.Find<QPushButton>("CopyButton");
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    for (const QString& text : {QString(), QStringLiteral("    ")}) {
        text3->setPlainText(text);
        fixture.Find<QWidget>("Text1")->setFocus();
        apptest::Click(copy);
        QCOMPARE(text3->toPlainText(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QCOMPARE(copy->text(), QStringLiteral("Copy results to clipboard"));
    }
}

void OutputTest::captionFollowsTheSelectionAtTheLeftButton() {
    WindowFixture fixture;
    auto* text3 = fixture.Find<QPlainTextEdit>("Text3");
    auto* copy = fixture.Find<QPushButton>("CopyButton");
    text3->setPlainText(QStringLiteral(" 12 = (2^2) * 3\n 13 is prime\n"));
    PressAt(text3, 2);
    QCOMPARE(copy->text(), QStringLiteral("Copy to clipboard"));
    Select(text3, 1, 5);
    PressAt(text3, 3, Qt::RightButton);
    QCOMPARE(copy->text(), QStringLiteral("Copy to clipboard"));
    Select(text3, 1, 5);
    PressAt(text3, 3);
    QCOMPARE(copy->text(), QStringLiteral("Copy selected text"));
    // While the button cannot be used (the graph screen), the caption stays.
    copy->setEnabled(false);
    text3->setTextCursor(QTextCursor(text3->document()));
    PressAt(text3, 20);
    QCOMPARE(copy->text(), QStringLiteral("Copy selected text"));
}

void OutputTest::clearOutputEmptiesAndMovesTheFocus() {
    WindowFixture fixture;
    auto* text3 = fixture.Find<QPlainTextEdit>("Text3");
    text3->setPlainText(QStringLiteral(" 1\n"));
    apptest::Click(fixture.Find<QPushButton>("ClearOutputButton"));
    QCOMPARE(text3->toPlainText(), QString());
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("ComputeButton"));
    fixture.Find<QLineEdit>("Text2")->clear();
    apptest::Click(fixture.Find<QPushButton>("ClearOutputButton"));
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("Text2"));
    fixture.Find<QLineEdit>("Text1")->clear();
    apptest::Click(fixture.Find<QPushButton>("ClearOutputButton"));
    QCOMPARE(fixture.Window().focusWidget(), fixture.Find<QWidget>("Text1"));
}

QTEST_MAIN(OutputTest)
#include "OutputTest.moc"
