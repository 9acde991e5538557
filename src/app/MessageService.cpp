#include "app/MessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace app {

namespace {

QMessageBox::Icon BoxIcon(engine::MessageIcon icon) {
    switch (icon) {
        case engine::MessageIcon::Information:
            return QMessageBox::Information;
        case engine::MessageIcon::Warning:
            return QMessageBox::Warning;
        case engine::MessageIcon::Error:
            return QMessageBox::Critical;
        case engine::MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageService::ShowMessage(const engine::Message& message) {
    Ask(message, MessageButtons::Ok);
}

MessageAnswer BoxMessageService::Ask(const engine::Message& message, MessageButtons buttons) {
    // The program's texts end their lines in CR LF; the box wants one break.
    QString text = QString::fromStdString(message.text);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(BoxIcon(message.icon), QString::fromStdString(message.title), text,
                    QMessageBox::NoButton, m_parent);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void BoxMessageService::Beep() { QApplication::beep(); }

}  // namespace app
