// Files one document into the store of the home that the environment names, as the program
// does, and tells the test on standard output how far it is: "start" before the filing,
// "chunk" after each chunk of the copy but the last, "copied" after the last, and "filed" once
// the filing returned. The test kills it somewhere on the way.
//
//   filing_child <source> <document name> <tag words>

#include "store/file_document.h"
#include "store/tdm_data.h"

#include <QDateTime>
#include <cstdio>
#include <exception>
#include <string_view>
#include <unistd.h>

namespace {

void tell(std::string_view line) {
    const std::string text = std::string(line) + "\n";
    if (::write(STDOUT_FILENO, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        std::_Exit(3);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: filing_child <source> <document name> <tag words>\n");
        return 2;
    }
    try {
        quillox::store::TdmData data;
        data.DataModuleCreate();
        const quillox::store::FilingInput input{
            QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), "",
            QString::fromLocal8Bit(argv[3]), QDateTime::currentDateTime(),    "KILLED FILINGS"};
        tell("start");
        quillox::store::fileDocument(data, input, [](qint64 copied, qint64 total) {
            tell(copied < total ? "chunk" : "copied");
            return true;
        });
        tell("filed");
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
