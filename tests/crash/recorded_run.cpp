#include "recorded_run.h"

#include "test_files.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillox::testing {

RecordedRun runRecorded(const QString& program, const QStringList& arguments, const QString& root) {
    const QTemporaryDir logFolder;
    const QString log = logFolder.filePath("record");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", FS_RECORDER_PATH);
    environment.insert("QUILLOX_RECORD_ROOT", root);
    environment.insert("QUILLOX_RECORD_LOG", log);
    // Under AddressSanitizer the recorder comes before the sanitizer's own library, which the
    // sanitizer otherwise refuses.
    const QString sanitizer = environment.value("ASAN_OPTIONS");
    environment.insert("ASAN_OPTIONS",
                       (sanitizer.isEmpty() ? "" : sanitizer + ":") + "verify_asan_link_order=0");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted(30000)) << "cannot start " << program.toStdString();
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString() << " did not finish";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << program.toStdString() << " crashed";
    return {process.exitCode(), contentsOf(log), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace quillox::testing
