// Times loadFolderTree on stores of 2,000 and 10,000 folders against filling the same tree
// control directly with the finished tree, and prints a summary. Flags of Google Benchmark
// pass through.

#include "folder_tree_cases.h"
#include "folder_tree_summary.h"
#include "report_errors.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const std::vector<int> sizes = {2000, 10000};

int run(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    QTemporaryDir folder(QDir::tempPath() + "/quillox-folder-bench-XXXXXX");
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder: %s\n",
                     qPrintable(folder.errorString()));
        return 1;
    }
    registerFolderTreeCases(folder.path(), sizes);

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printFolderTreeSummary(reporter.medians(), sizes);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return runReportingErrors("quillox_folder_tree_bench", run, argc, argv);
}
