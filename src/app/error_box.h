#pragma once

#include <QString>

namespace quillox::app {

// The message as the error box shows it: a full stop is added when the last character's code
// is above the full stop's.
QString withFullStop(const QString& message);

// The error box: caption "Quillox", a stop icon, the message and one OK button; the message
// goes to standard error too.
void showErrorBox(const QString& message);

} // namespace quillox::app
