#include "app/command_line.h"
#include "app/quillox_application.h"

#include <cstdio>

int main(int argc, char** argv) {
    // Help and version answer before the application object exists: making it needs a display.
    QByteArrayList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << argv[index];
    switch (quillox::app::readCommandLine(arguments).request) {
    case quillox::app::CommandLine::Request::Help:
        std::fputs(quillox::app::usageText().toLocal8Bit().constData(), stdout);
        return 0;
    case quillox::app::CommandLine::Request::Version:
        std::fputs(quillox::app::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    default:
        break;
    }
    quillox::app::QuilloxApplication application(argc, argv);
    return application.Run();
}
