#pragma once

#include <QString>

#include <optional>

class QKeyEvent;

namespace app {

// The longest text a number field takes from the keyboard. Fields filled by
// the program (formatting, a restored state) may hold more.
inline constexpr int kMaxEntryLength = 14;

// Key codes of the keys a number field treats apart.
inline constexpr char16_t kEnterCode = 13;
inline constexpr char16_t kBackspaceCode = 8;
inline constexpr char16_t kPasteCode = 22;  // Ctrl+V

// True for the control codes Ctrl+A (1), Ctrl+C (3), Backspace (8), Ctrl+V
// (22) and Ctrl+X (24), and for the ten digits, the comma and the space. The
// apostrophe is a separator the parser accepts but the keyboard cannot type.
bool IsNumberKeyAllowed(char16_t code);

// How many characters a key IsNumberKeyAllowed accepts brings into a field:
// one for a typed character, the clipboard's text for Ctrl+V, none for the
// other control codes.
qsizetype InsertedLength(char16_t code, const QString& clipboardText);

// The character code a key press brings to a text field: Enter 13, Backspace
// 8, Escape 27, Ctrl+A .. Ctrl+Z 1 .. 26, else the typed character. Keys that
// produce no character (Delete, the arrows, Tab, the function keys) give
// nothing: they pass every number field unfiltered.
std::optional<char16_t> KeyPressCode(const QKeyEvent& event);

}  // namespace app
