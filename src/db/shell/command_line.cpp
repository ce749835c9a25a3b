#include "db/shell/command_line.h"

#include "db/shell/shell_error.h"

namespace quillox::db::shell {
namespace {

[[noreturn]] void failUsage(const QString& problem) {
    throwShellError(problem +
                    " (usage: quillox-db FILE [-c COMMAND]...; quillox-db --help for more)");
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine commandLine;
    bool haveFile = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "-c") {
            if (++i == arguments.size())
                failUsage("Option -c needs a command");
            commandLine.commands.append(arguments[i]);
        } else if (argument.startsWith('-')) {
            failUsage("Unknown option '" + excerpt(argument) + "'");
        } else if (haveFile) {
            failUsage("Only one database file can be given");
        } else {
            commandLine.databaseFile = argument;
            haveFile = true;
        }
    }
    if (!haveFile)
        failUsage("No database file given");
    return commandLine;
}

} // namespace quillox::db::shell
