#include "program_process.h"

#include "temp_home.h"

#include <QFile>
#include <QTest>
#include <csignal>

QProcessEnvironment programEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

void startProgram(QProcess& program, const quillox::testing::TempHome& home,
                  const QStringList& arguments) {
    program.setProcessEnvironment(programEnvironment());
    program.start(QUILLOX_PATH, arguments);
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.databaseFolder() + "main.abs.lock"), 20000);
    QTest::qWait(300);
}

QString firstMessage(QProcess& program) {
    QByteArray said;
    const bool spoke = QTest::qWaitFor(
        [&] {
            said += program.readAllStandardError();
            return said.contains("quillox: ");
        },
        20000);
    if (!spoke)
        return {};
    const qsizetype start = said.indexOf("quillox: ");
    return start < 0 ? QString() : QString::fromLocal8Bit(said.mid(start).split('\n').front());
}

void terminateDuringTheBox(QProcess& program) {
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
}
