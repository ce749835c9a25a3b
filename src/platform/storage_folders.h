#pragma once

#include <QString>

namespace quillox::platform {

// The per-user application-data folder: $XDG_DATA_HOME, else ~/.local/share. Throws UserError
// when the system names none.
QString applicationDataFolder();

// The user's documents folder, as the XDG user directories name it (~/Documents by default).
// Throws UserError when the system names none.
QString documentsFolder();

// Makes a folder with any missing folder above it, each new one flushed into the folder above:
// 0, or the system's error number for the first folder that could not be made.
int makeFolders(const QString& path);

// Makes a folder with any missing folder above it. When it cannot, throws UserError: "The "
// role " folder", the path, and the system's reason.
void makeFolder(const QString& path, const QString& role);

} // namespace quillox::platform
