// Files documents into the store of the home that the environment names, one after another, as
// the program does, until it is killed: first the folder "FILED", then document N = 1, 2, ...
// from a source file of documentBytes(N) (see filed_documents.h), named "Document N" with the
// tag words "LOOPFILED" and "NUMBER<N>". Says "filed N" on standard output after each filing.
//
//   backup_filer <folder for the source files>

#include "filed_documents.h"
#include "store/add_folder.h"
#include "store/file_document.h"
#include "store/table_names.h"
#include "store/tdm_data.h"

#include <QDateTime>
#include <QFile>
#include <cstdio>
#include <exception>
#include <string>
#include <unistd.h>

namespace {

void tell(const std::string& line) {
    const std::string text = line + "\n";
    if (::write(STDOUT_FILENO, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        std::_Exit(3);
}

QString writeSource(const QString& folder, int number) {
    const QString path = folder + QString("/source-%1.pdf").arg(number);
    QFile file(path);
    const QByteArray bytes = quillox::testing::documentBytes(number);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
    return path;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: backup_filer <folder for the source files>\n");
        return 2;
    }
    try {
        const QString sources = QString::fromLocal8Bit(argv[1]);
        quillox::store::TdmData data;
        data.DataModuleCreate();
        quillox::store::addFolder(data.tFolders, quillox::testing::filedFolder,
                                  quillox::store::topLevelMarker, 0);
        for (int number = 1;; ++number) {
            const quillox::store::FilingInput input{writeSource(sources, number),
                                                    QString("Document %1").arg(number),
                                                    "",
                                                    QString("LOOPFILED NUMBER%1").arg(number),
                                                    QDateTime::currentDateTime(),
                                                    quillox::testing::filedFolder};
            quillox::store::fileDocument(data, input, {});
            tell("filed " + std::to_string(number));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
