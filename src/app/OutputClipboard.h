#pragma once

#include <QObject>
#include <QTextCursor>

class QPlainTextEdit;
class QPushButton;

namespace app {

class OutputWindow;

inline constexpr const char* kCopyWholeCaption = "Copy to clipboard";
inline constexpr const char* kCopySelectionCaption = "Copy selected text";

// The copy button and its caption: CopyButton copies the selection of Text3,
// or all of it, to the clipboard; a left mouse button pressed in Text3 sets
// the caption to what a copy would take at that moment, and the copy keeps
// that promise although the release of the button clears the selection.
class OutputClipboard final : public QObject {
    Q_OBJECT

public:
    OutputClipboard(QPlainTextEdit& text3, OutputWindow& output, QPushButton& copyButton);

    // The copy action: trims the spaces around the whole text and copies the
    // selection the caption promises, else the selection noted before the
    // trim, else the whole text (line breaks CR LF). An empty output window
    // copies nothing and changes nothing else.
    void Copy();

signals:
    // Something was copied: the focus goes where the user types next.
    void copied();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit& m_text3;
    OutputWindow& m_output;
    QPushButton& m_copyButton;
    // The selection at the press that made the caption "Copy selected text",
    // until the next press or copy. It follows edits of the text and is empty
    // once its text has gone.
    QTextCursor m_promisedSelection;
};

// `text` without the space characters at its start and end; line breaks stay.
QString TrimSpaces(const QString& text);

}  // namespace app
