#include "care/care_command.h"

#include "care/store_backup.h"
#include "care/store_check.h"
#include "care/store_restore.h"

#include <exception>

namespace quillox::care {

bool isCareCommand(const QStringList& arguments) {
    return !arguments.isEmpty() &&
           (arguments[0] == "check" || arguments[0] == "backup" || arguments[0] == "restore");
}

int runCareCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QStringList rest = arguments.mid(1);
    try {
        if (arguments[0] == "backup")
            return runBackup(rest, out);
        if (arguments[0] == "restore")
            return runRestore(rest, out);
        return runCheck(rest, out);
    } catch (const std::exception& error) {
        out.flush();
        err << "quillox-db: " << error.what() << '\n';
        return CouldNotRun;
    }
}

} // namespace quillox::care
