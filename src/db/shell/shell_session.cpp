#include "db/shell/shell_session.h"

#include "db/shell/append_arguments.h"
#include "db/shell/shell_commands.h"
#include "db/shell/shell_error.h"

#include <algorithm>

namespace quillox::db::shell {
namespace {

bool isSingleWord(const QString& text) {
    return !text.isEmpty() &&
           std::none_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

} // namespace

ShellSession::ShellSession(const QString& databaseFile, std::ostream& out, std::ostream& err)
    : out_(out), err_(err) {
    database_.SetDatabaseName("Shell");
    database_.SetDatabaseFileName(databaseFile);
    database_.Open();
}

void ShellSession::run(const QString& command) {
    const QString trimmed = command.trimmed();
    if (trimmed.isEmpty())
        return;
    if (trimmed.startsWith('.'))
        runDotCommand(trimmed);
    else
        // Given as typed, so that the engine's line and column numbers match the input.
        printQuery(database_, command, out_);
}

void ShellSession::runDotCommand(const QString& command) {
    qsizetype end = 0;
    while (end < command.size() && !command[end].isSpace())
        ++end;
    const QString name = command.left(end);
    const QString rest = command.sliced(end).trimmed();
    if (name == ".tables") {
        if (!rest.isEmpty())
            throwShellError("Usage: .tables");
        printTables(database_, out_);
    } else if (name == ".schema") {
        if (!isSingleWord(rest))
            throwShellError("Usage: .schema TABLE");
        printSchema(database_, rest, out_);
    } else if (name == ".reindex") {
        if (!rest.isEmpty())
            throwShellError("Usage: .reindex");
        database_.RebuildIndexes();
    } else if (name == ".append") {
        appendRow(database_, parseAppendArguments(rest), err_);
    } else {
        throwShellError("Unknown command '" + excerpt(name) + "'");
    }
}

} // namespace quillox::db::shell
