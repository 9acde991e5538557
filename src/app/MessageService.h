#pragma once

#include "engine/Message.h"

class QWidget;

namespace app {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Every modal message of the window and the system beep go through one
// service, so that the tests can put a recorder in its place that answers.
class MessageService : public engine::MessageSink {
public:
    // Shows the message and waits for the user's answer.
    virtual MessageAnswer Ask(const engine::Message& message, MessageButtons buttons) = 0;
    virtual void Beep() = 0;

    // A message with an OK button (the compute driver's and the window's notes).
    void ShowMessage(const engine::Message& message) final;
};

// The service of the running program: a QMessageBox modal to the main window,
// and QApplication::beep.
class BoxMessageService final : public MessageService {
public:
    explicit BoxMessageService(QWidget* parent) : m_parent(parent) {}

    MessageAnswer Ask(const engine::Message& message, MessageButtons buttons) override;
    void Beep() override;

private:
    QWidget* m_parent;
};

}  // namespace app
