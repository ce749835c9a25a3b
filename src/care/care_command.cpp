#include "care/care_command.h"

#include "care/store_backup.h"
#include "care/store_check.h"
#include "care/store_restore.h"

#include <exception>

namespace quillox::care {
namespace {

constexpr const char* help =
    "usage: quillox-db FILE [-c COMMAND]...\n"
    "       quillox-db check FILE [--full] [--repair] [--store DIR]\n"
    "       quillox-db backup FILE DEST [--store DIR]\n"
    "       quillox-db restore BACKUP [--replace]\n"
    "\n"
    "FILE is a Quillox database, usually ~/.local/share/Quillox/main.abs.\n"
    "  FILE [-c COMMAND]...  run statements and dot-commands (.tables, .schema TABLE,\n"
    "                        .append TABLE Column=value..., .reindex), else read them from\n"
    "                        standard input, one a line\n"
    "  check                 check the database, the stored copies and the folders; exit\n"
    "                        status 0 clean, 1 findings, 2 could not check. It reads only\n"
    "                        the copies whose size or time differ from those recorded at\n"
    "                        filing: quick, for everyday use\n"
    "  check --full          read every stored copy and compare it with its SHA-256 from\n"
    "                        filing, which also finds a copy changed under its old size and\n"
    "                        time (a failing disk, a tool that keeps times); now and then,\n"
    "                        and whenever you doubt the store. Takes as long as reading it\n"
    "  backup                copy the database and its stored copies into the folder DEST,\n"
    "                        with a manifest; Quillox may run meanwhile. It reads every\n"
    "                        copy, and lists any whose bytes differ from those filed\n"
    "  restore               put a backup in place of this user's store\n"
    "\n"
    "See man quillox-db.\n";

} // namespace

bool isCareCommand(const QStringList& arguments) {
    static const QStringList commands = {"check", "backup", "restore", "--help", "--version"};
    return !arguments.isEmpty() && commands.contains(arguments[0]);
}

int runCareCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QStringList rest = arguments.mid(1);
    try {
        if (arguments[0] == "--help") {
            out << help;
            return Clean;
        }
        if (arguments[0] == "--version") {
            out << "quillox-db " QUILLOX_VERSION "\n";
            return Clean;
        }
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
