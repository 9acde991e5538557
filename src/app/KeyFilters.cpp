#include "app/KeyFilters.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

#include "app/MessageService.h"
#include "app/NumberKeys.h"

namespace app {

namespace {

bool IsHelpKeyRelease(const QEvent& event) {
    return event.type() == QEvent::KeyRelease &&
           static_cast<const QKeyEvent&>(event).key() == Qt::Key_F1;
}

}  // namespace

NumberKeyFilter::NumberKeyFilter(QLineEdit& field, MessageService& messages, Actions actions)
    : QObject(&field), m_field(field), m_messages(messages), m_actions(std::move(actions)) {
    field.installEventFilter(this);
}

bool NumberKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_field) return false;
    if (IsHelpKeyRelease(*event)) {
        m_actions.help();
        return true;
    }
    if (event->type() == QEvent::FocusOut && m_actions.focusLost) {
        // A message box or another window taking the focus is no move to another control.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            m_actions.focusLost();
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const std::optional<char16_t> code = KeyPressCode(*static_cast<QKeyEvent*>(event));
    if (!code) return false;
    if (*code == kEnterCode) {
        m_actions.enter();
        return true;
    }
    if (!IsNumberKeyAllowed(*code) || WouldLengthenFullField(*code)) {
        m_messages.Beep();
        return true;
    }
    if (m_actions.accepted) m_actions.accepted();
    return false;
}

bool NumberKeyFilter::WouldLengthenFullField(char16_t code) const {
    if (m_field.text().size() != kMaxEntryLength) return false;
    // The clipboard is read only for a paste.
    const QString pasted = code == kPasteCode ? QGuiApplication::clipboard()->text() : QString();
    return InsertedLength(code, pasted) > m_field.selectedText().size();
}

EnterPressesButtons::EnterPressesButtons(QWidget& window) : QObject(&window) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->installEventFilter(this);
}

bool EnterPressesButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if ((key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) || key.isAutoRepeat() ||
        (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    static_cast<QPushButton*>(watched)->click();
    return true;
}

HelpKeyFilter::HelpKeyFilter(QWidget& control, std::function<void()> help)
    : QObject(&control), m_help(std::move(help)) {
    control.installEventFilter(this);
}

bool HelpKeyFilter::eventFilter(QObject*, QEvent* event) {
    if (!IsHelpKeyRelease(*event)) return false;
    m_help();
    return true;
}

}  // namespace app
