#include "care/care_command.h"
#include "db/shell/run_shell.h"

#include <iostream>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (quillox::care::isCareCommand(arguments))
        return quillox::care::runCareCommand(arguments, std::cout, std::cerr);
    return quillox::db::shell::runShell(arguments, std::cin, std::cout, std::cerr);
}
