#include "care/care_command.h"

#include "care/store_check.h"

#include <exception>

namespace quillox::care {

bool isCareCommand(const QStringList& arguments) {
    return !arguments.isEmpty() && (arguments[0] == "check");
}

int runCareCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QStringList rest = arguments.mid(1);
    try {
        return runCheck(rest, out);
    } catch (const std::exception& error) {
        out.flush();
        err << "quillox-db: " << error.what() << '\n';
        return CouldNotRun;
    }
}

} // namespace quillox::care
