// Files each source into the store of the home that the environment names, as the program
// does, and writes "filed NAME" on standard output once each filing returned, NAME being the
// source's file name, which is also the document's name.
//
//   crash_filer <source>...

#include "store/file_document.h"
#include "store/tdm_data.h"

#include <QDateTime>
#include <QFileInfo>
#include <cstdio>
#include <exception>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    try {
        quillox::store::TdmData data;
        data.DataModuleCreate();
        for (int i = 1; i < argc; ++i) {
            const QString source = QString::fromLocal8Bit(argv[i]);
            const QString name = QFileInfo(source).fileName();
            quillox::store::fileDocument(data,
                                         {source, name, "", "CRASH " + name.toUpper(),
                                          QDateTime::currentDateTime(), "CRASH STATES"},
                                         {});
            const std::string line = "filed " + name.toStdString() + "\n";
            if (::write(STDOUT_FILENO, line.data(), line.size()) !=
                static_cast<ssize_t>(line.size()))
                return 3;
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
