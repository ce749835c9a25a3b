#include "widgets/message_box.h"

#include <QRegularExpression>
#include <cstdio>

namespace quillox::widgets {

namespace {

void writeToStandardError(const QString& text) {
    QString line = text;
    line.replace(QRegularExpression("[\r\n]+"), " ");
    std::fprintf(stderr, "quillox: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

void showMessageBox(QMessageBox::Icon icon, const QString& text, QWidget* parent) {
    writeToStandardError(text);
    QMessageBox box(icon, "Quillox", text, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(const QString& question, QWidget* parent) {
    writeToStandardError(question);
    QMessageBox box(QMessageBox::Question, "Quillox", question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace quillox::widgets
