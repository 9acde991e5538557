#include "app/NumberKeys.h"

#include <QKeyEvent>

namespace app {

namespace {

constexpr char16_t kCtrlA = 1;
constexpr char16_t kCtrlC = 3;
constexpr char16_t kCtrlX = 24;
constexpr char16_t kEscapeCode = 27;

}  // namespace

bool IsNumberKeyAllowed(char16_t code) {
    if (code == kCtrlA || code == kCtrlC || code == kBackspaceCode || code == kPasteCode ||
        code == kCtrlX) {
        return true;
    }
    return (code >= u'0' && code <= u'9') || code == u',' || code == u' ';
}

qsizetype InsertedLength(char16_t code, const QString& clipboardText) {
    if (code == kPasteCode) return clipboardText.size();
    return code < u' ' ? 0 : 1;
}

std::optional<char16_t> KeyPressCode(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnterCode;
        case Qt::Key_Backspace:
            return kBackspaceCode;
        case Qt::Key_Escape:
            return kEscapeCode;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::nullopt;  // moves the focus
        default:
            break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A &&
        key <= Qt::Key_Z) {
        return static_cast<char16_t>(key - Qt::Key_A + 1);
    }
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    const char16_t code = text.at(0).unicode();
    // Some keyboards give Delete and the like a control character as text.
    if (code < 0x20 || code == 0x7f) return std::nullopt;
    return code;
}

}  // namespace app
