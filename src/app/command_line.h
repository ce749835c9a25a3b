#pragma once

#include <QByteArrayList>
#include <QString>

namespace quillox::app {

// What the program's command line asks for. --help and --version win wherever they stand, so
// that they answer before the toolkit starts and need no display. Any other argument that
// starts with '-' is an option the program does not know; the toolkit takes its own options
// (-platform, -style and the like) out of the arguments first, so only once the application
// object exists does an unknown option mean one. The arguments are read as the system gives
// them, bytes: a file's name need not be text.
struct CommandLine {
    enum class Request { Run, Help, Version, UnknownOption };
    Request request = Request::Run;
    QByteArray unknownOption;
    // The other arguments, in their order: files to file.
    QByteArrayList files;
};

CommandLine readCommandLine(const QByteArrayList& arguments);

// The short usage that --help prints, and after an unknown option, to standard error.
QString usageText();
// "Quillox" and the version, as --version prints it.
QString versionText();

} // namespace quillox::app
