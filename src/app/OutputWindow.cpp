#include "app/OutputWindow.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace app {

namespace {

// Characters of the text box's document with each line break counted as two.
size_t DocumentLength(const QTextDocument& document) {
    // characterCount() includes the separator after the last block.
    return static_cast<size_t>(document.characterCount() - 1 + document.blockCount() - 1);
}

}  // namespace

OutputWindow::OutputWindow(QPlainTextEdit& text3) : m_text3(text3) {
    const auto viewMoved = [this] { m_caretMayHaveMoved = true; };
    const QScrollBar* scroll = m_text3.verticalScrollBar();
    m_watches = {
        QObject::connect(&m_text3, &QPlainTextEdit::cursorPositionChanged, viewMoved),
        QObject::connect(scroll, &QScrollBar::valueChanged, viewMoved),
        QObject::connect(scroll, &QScrollBar::rangeChanged, viewMoved),
        QObject::connect(m_text3.document(), &QTextDocument::contentsChanged,
                         [this] { m_documentChanged = true; }),
    };
}

OutputWindow::~OutputWindow() {
    for (const QMetaObject::Connection& watch : m_watches) QObject::disconnect(watch);
}

QString ToTextBoxBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void OutputWindow::Append(std::string_view text) {
    m_pending += QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (m_showEachAppend) {
        MoveCaretToEnd();
        Repaint();
    }
}

size_t OutputWindow::Length() const {
    if (m_documentChanged) {
        m_documentLength = DocumentLength(*m_text3.document());
        m_documentChanged = false;
    }
    return m_documentLength + static_cast<size_t>(m_pending.size());
}

void OutputWindow::Flush() {
    if (m_pending.isEmpty()) return;
    QTextCursor end(m_text3.document());
    end.movePosition(QTextCursor::End);
    end.insertText(ToTextBoxBreaks(m_pending));
    m_pending.clear();
}

void OutputWindow::KeepFirst(size_t count) {
    Flush();
    m_caretMayHaveMoved = true;
    QTextDocument& document = *m_text3.document();
    if (count >= DocumentLength(document)) return;
    // Find the block in which the first `count` characters end.
    size_t counted = 0;
    int position = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const size_t blockLength = static_cast<size_t>(block.length() - 1);
        if (count <= counted + blockLength) {
            position = block.position() + static_cast<int>(count - counted);
            break;
        }
        counted += blockLength + 2;
        if (count < counted) {
            // The cut falls between CR and LF: the line break goes with the cut.
            position = block.position() + static_cast<int>(blockLength);
            break;
        }
    }
    QTextCursor cut(&document);
    cut.setPosition(position);
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

void OutputWindow::MoveCaretToEnd() {
    // A run moves the caret at each progress point; with nothing new, the caret
    // where the last move left it and the last line in view, there is nothing to
    // move, and laying out the text box, or even asking it for its caret, would
    // cost more than the scan's work between two points.
    if (m_pending.isEmpty() && !m_caretMayHaveMoved) return;
    Flush();
    QTextCursor caret = m_text3.textCursor();
    caret.movePosition(QTextCursor::End);
    m_text3.setTextCursor(caret);
    m_text3.ensureCursorVisible();
    // Where the last line is in view, the caret stays put until something moves it.
    const QScrollBar& scroll = *m_text3.verticalScrollBar();
    m_caretMayHaveMoved = scroll.value() != scroll.maximum();
}

void OutputWindow::Repaint() {
    Flush();
    m_text3.window()->repaint();
}

QString OutputWindow::Text() {
    Flush();
    QString text = m_text3.toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void OutputWindow::SetText(const QString& text) {
    m_pending.clear();
    m_caretMayHaveMoved = true;
    m_text3.setPlainText(ToTextBoxBreaks(text));
}

void OutputWindow::Clear() {
    m_pending.clear();
    m_caretMayHaveMoved = true;
    m_text3.clear();
}

}  // namespace app
