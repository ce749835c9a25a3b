#include "shell_test.h"

#include "store/tdm_data.h"

#include <QProcess>

namespace quillox::db::shell {
namespace {

QString createApplicationStore(const testing::TempHome& home) {
    store::TdmData data;
    data.DataModuleCreate();
    data.DataModuleDestroy();
    return home.databaseFolder() + "main.abs";
}

} // namespace

ShellRun runQuilloxDb(const QStringList& arguments, const QByteArray& input) {
    QProcess process;
    process.start(QUILLOX_DB_PATH, arguments);
    EXPECT_TRUE(process.waitForStarted(30000)) << "cannot start " << QUILLOX_DB_PATH;
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000)) << "quillox-db did not finish";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "quillox-db crashed";
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

DbshellTest::DbshellTest() : storeFile(createApplicationStore(home)) {}

ShellRun DbshellTest::run(const QStringList& commands) const {
    QStringList arguments{storeFile};
    for (const QString& command : commands)
        arguments << "-c" << command;
    return runQuilloxDb(arguments);
}

} // namespace quillox::db::shell
