#include "widgets/message_box.h"

#include <QRegularExpression>
#include <cstdio>

namespace quillox::widgets {

void showMessageBox(QMessageBox::Icon icon, const QString& text, QWidget* parent) {
    QString line = text;
    line.replace(QRegularExpression("[\r\n]+"), " ");
    std::fprintf(stderr, "quillox: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    QMessageBox box(icon, "Quillox", text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace quillox::widgets
