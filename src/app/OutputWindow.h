#pragma once

#include <QMetaObject>
#include <QString>

#include <array>

#include "engine/OutputText.h"

class QPlainTextEdit;

namespace app {

// The output window Text3 as the compute driver and the state file see it.
// The text box keeps one '\n' per line break; here every line break is CR LF
// and counts two characters, so that lengths, cuts and the saved text match
// the engine's own text exactly.
//
// Appended text is collected and handed to the text box in one piece at the
// next caret move, repaint, cut or read, which keeps a long run from
// re-laying out the box for every line.
class OutputWindow final : public engine::OutputText {
public:
    explicit OutputWindow(QPlainTextEdit& text3);
    ~OutputWindow() override;
    OutputWindow(const OutputWindow&) = delete;
    OutputWindow& operator=(const OutputWindow&) = delete;

    void Append(std::string_view text) override;
    size_t Length() const override;
    void KeepFirst(size_t count) override;
    // The caret to the end of the text, the last line in view.
    void MoveCaretToEnd();
    // The text box shows all appended text, and the window is repainted now.
    void Repaint();
    // While on, each append is shown at once (MoveCaretToEnd and Repaint).
    void ShowEachAppend(bool on) { m_showEachAppend = on; }

    // The whole text, line breaks as CR LF.
    QString Text();
    // Replaces the whole text (line breaks CR LF, LF or CR).
    void SetText(const QString& text);
    void Clear();
    // Hands the collected text to the text box.
    void Flush();

private:
    QPlainTextEdit& m_text3;
    QString m_pending;  // appended, not yet in the text box; line breaks CR LF
    // What the text box's signals report, so that the checks a run makes at
    // every progress point need not ask the text box: the caret or the view
    // may have left the end since MoveCaretToEnd last put them there; the
    // document's length is the cached one unless it changed.
    bool m_caretMayHaveMoved = true;
    bool m_showEachAppend = false;
    mutable bool m_documentChanged = true;
    mutable size_t m_documentLength = 0;
    std::array<QMetaObject::Connection, 4> m_watches;
};

// `text` with each CR LF, and each lone CR, written as '\n'.
QString ToTextBoxBreaks(QString text);

}  // namespace app
