#pragma once

#include <QString>
#include <QStringList>

namespace quillox::db::shell {

// What the shell was started with: the database file, and the commands given with -c. Without
// any -c the commands come from standard input.
struct CommandLine {
    QString databaseFile;
    QStringList commands;
    bool readsStandardInput() const { return commands.isEmpty(); }
};

// Reads the arguments after the program name. Throws ShellError with the usage text.
CommandLine parseCommandLine(const QStringList& arguments);

} // namespace quillox::db::shell
