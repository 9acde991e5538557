#include "app/OutputClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/OutputWindow.h"

namespace app {

QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

OutputClipboard::OutputClipboard(QPlainTextEdit& text3, OutputWindow& output,
                                 QPushButton& copyButton)
    : QObject(&text3), m_text3(text3), m_output(output), m_copyButton(copyButton) {
    // The press reaches the viewport; watching it there sees the selection
    // before the press changes it.
    text3.viewport()->installEventFilter(this);
}

void OutputClipboard::Copy() {
    const QTextCursor caret =
        m_promisedSelection.hasSelection() ? m_promisedSelection : m_text3.textCursor();
    const bool hadSelection = caret.hasSelection();
    // The selection's line breaks are paragraph separators; the clipboard gets CR LF.
    QString selection = caret.selectedText();
    selection.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));

    const QString text = m_output.Text();
    const QString trimmed = TrimSpaces(text);
    // Setting an unchanged text again would only lose the caret and the scroll position.
    if (trimmed.size() != text.size()) m_output.SetText(trimmed);
    if (trimmed.isEmpty()) return;

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(hadSelection ? selection : trimmed);
    m_promisedSelection = QTextCursor();
    m_copyButton.setText(QLatin1String(kCopyWholeCaption));
    emit copied();
}

bool OutputClipboard::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_copyButton.isEnabled()) {
        const QTextCursor caret = m_text3.textCursor();
        m_promisedSelection = caret.hasSelection() ? caret : QTextCursor();
        m_copyButton.setText(
            QLatin1String(caret.hasSelection() ? kCopySelectionCaption : kCopyWholeCaption));
    }
    return false;
}

}  // namespace app
