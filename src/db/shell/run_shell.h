#pragma once

#include <QStringList>
#include <istream>
#include <ostream>

namespace quillox::db::shell {

// The whole shell: takes the arguments after the program name, runs the commands they give, or
// else the lines of in, and stops at the first error, which it writes to err alone on its
// line; a line of in holding a NUL character is such an error. Warnings go to err too. Returns
// the exit status: 0 on success, 1 after an error.
int runShell(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace quillox::db::shell
