#include "db/shell/run_shell.h"

#include "db/shell/command_line.h"
#include "db/shell/shell_error.h"
#include "db/shell/shell_session.h"

#include <string>

namespace quillox::db::shell {

int runShell(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        const CommandLine commandLine = parseCommandLine(arguments);
        ShellSession session(commandLine.databaseFile, out, err);
        if (commandLine.readsStandardInput()) {
            std::string line;
            for (int number = 1; std::getline(in, line); ++number) {
                // A NUL would end the text early for some readers and not for others.
                if (line.find('\0') != std::string::npos)
                    throwShellError("Line " + QString::number(number) +
                                    " of the input holds a NUL character");
                session.run(QString::fromStdString(line));
            }
        } else {
            for (const QString& command : commandLine.commands)
                session.run(command);
        }
        if (!out.flush())
            throw ShellError("Cannot write the output");
    } catch (const std::exception& error) {
        out.flush();
        err << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace quillox::db::shell
