#pragma once

#include <QStringList>
#include <ostream>

namespace quillox::care {

// The exit statuses of the care commands.
enum ExitStatus {
    Clean = 0,       // done, nothing to report
    Findings = 1,    // done, with findings the output lists
    CouldNotRun = 2, // refused or failed; the error output says why
};

// Whether the arguments name a care command (check, backup, restore, --help, --version) rather
// than a database file for the statement shell.
bool isCareCommand(const QStringList& arguments);

// Runs the care command that the arguments name, writing its report to out and an error that
// stops it to err. Returns its exit status.
int runCareCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace quillox::care
