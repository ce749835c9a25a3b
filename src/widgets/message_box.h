#pragma once

#include <QMessageBox>
#include <QString>

namespace quillox::widgets {

// Shows the program's message box: caption "Quillox", the icon, the text and one OK button,
// modal over the parent, or centred on the screen without one. The text also goes to standard
// error as one line, "quillox: " and the text with its line breaks as spaces, so that a user
// who started the program from a terminal, or reads the desktop's journal, sees it without a
// screen.
void showMessageBox(QMessageBox::Icon icon, const QString& text, QWidget* parent = nullptr);

// Asks the question in the program's message box, with Yes and No, No the default, and says
// whether the user answered Yes; the question goes to standard error as a message does.
bool askYesNo(const QString& question, QWidget* parent = nullptr);

} // namespace quillox::widgets
