#include "app/error_box.h"

#include <QMessageBox>

namespace quillox::app {

QString withFullStop(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + '.';
    return message;
}

void showErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, "Quillox", withFullStop(message), QMessageBox::Ok);
    box.exec();
}

} // namespace quillox::app
