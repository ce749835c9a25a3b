#include "app/command_line.h"

namespace quillox::app {

CommandLine readCommandLine(const QByteArrayList& arguments) {
    CommandLine line;
    for (const QByteArray& argument : arguments.mid(1)) {
        if (argument == "--help")
            return {CommandLine::Request::Help, {}, {}};
        if (argument == "--version")
            return {CommandLine::Request::Version, {}, {}};
        if (!argument.startsWith('-'))
            line.files << argument;
        else if (line.unknownOption.isEmpty())
            line.unknownOption = argument;
    }
    if (!line.unknownOption.isEmpty())
        line.request = CommandLine::Request::UnknownOption;
    return line;
}

QString usageText() {
    return "Usage: quillox [FILE]\n"
           "File documents and scans into folders, and find them again by tag words and date.\n"
           "\n"
           "  FILE       file FILE as a drop on the main window does; when Quillox already\n"
           "             runs, the running copy files it\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "\n"
           "See man quillox for the store's files and the scanner set-up.\n";
}

QString versionText() {
    return QStringLiteral("Quillox " QUILLOX_VERSION "\n");
}

} // namespace quillox::app
