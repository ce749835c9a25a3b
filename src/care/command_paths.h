#pragma once

#include <QString>

namespace quillox::care {

// The store folder a care command works on: the one given with --store, else the one the
// program finds; absolute, plain, and without a final "/".
QString storeFolderFor(const QString& given);

// Throws UserError when the database file that a command is given does not exist or is a
// folder.
void requireDatabaseFile(const QString& databaseFile);

} // namespace quillox::care
