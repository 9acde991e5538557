#pragma once

#include <QObject>

#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace app {

class OutputWindow;

inline constexpr const char* kCopyWholeCaption = "Copy to clipboard";
inline constexpr const char* kCopySelectionCaption = "Copy selected text";

// The copy button and its caption: CopyButton copies the selection of Text3,
// or all of it, to the clipboard; a left mouse button pressed in Text3 sets
// the caption to what a copy would take at that moment.
class OutputClipboard : public QObject {
public:
    OutputClipboard(QPlainTextEdit& text3, OutputWindow& output, QPushButton& copyButton,
                    std::function<void()> setInputFocus);

    // The copy action: trims the spaces around the whole text and copies the
    // selection noted before the trim, else the whole text (line breaks CR LF).
    // An empty output window copies nothing and changes nothing else.
    void Copy();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit& m_text3;
    OutputWindow& m_output;
    QPushButton& m_copyButton;
    std::function<void()> m_setInputFocus;
};

// `text` without the space characters at its start and end; line breaks stay.
QString TrimSpaces(const QString& text);

}  // namespace app
