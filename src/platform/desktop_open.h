#pragma once

#include <QString>

namespace quillox::platform {

// Opens a file with the application the desktop associates with it. Throws UserError when the
// file is missing or unreadable, or when no application takes it.
void openWithDesktop(const QString& path);

// Hands a web address to the user's browser; whether one takes it is not looked at.
void openWebPage(const QString& address);

} // namespace quillox::platform
