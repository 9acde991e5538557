#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

namespace app {

class MessageService;

// The key handling of a number field (Text1, Text2, txbA, txbB): Enter runs
// its action instead of reaching the field; any other key that brings a
// character code passes only when IsNumberKeyAllowed accepts it and it would
// not make a field of kMaxEntryLength characters longer, else it beeps and is
// dropped. So a full field still takes the keys that move, select, copy,
// cut or delete, and a character or paste that replaces a selection at least
// as long. F1 released opens the help window. Installed on the field it filters.
class NumberKeyFilter : public QObject {
public:
    struct Actions {
        std::function<void()> enter;
        std::function<void()> help;
        std::function<void()> accepted;   // a key went through (may be empty)
        std::function<void()> focusLost;  // the focus moved to another control (may be empty)
    };

    NumberKeyFilter(QLineEdit& field, MessageService& messages, Actions actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool WouldLengthenFullField(char16_t code) const;

    QLineEdit& m_field;
    MessageService& m_messages;
    Actions m_actions;
};

// Enter or Return pressed on a focused push button presses it, as on the
// desktop the program comes from (Qt leaves Enter to a dialog's default button).
class EnterPressesButtons : public QObject {
public:
    // Watches every push button on `window` now.
    explicit EnterPressesButtons(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// F1 released on a button opens the help window.
class HelpKeyFilter : public QObject {
public:
    HelpKeyFilter(QWidget& control, std::function<void()> help);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_help;
};

}  // namespace app
