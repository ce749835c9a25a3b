#include "app/error_box.h"

#include "widgets/message_box.h"

namespace quillox::app {

QString withFullStop(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + '.';
    return message;
}

void showErrorBox(const QString& message) {
    widgets::showMessageBox(QMessageBox::Critical, withFullStop(message));
}

} // namespace quillox::app
