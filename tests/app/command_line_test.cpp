#include "command_line_test.h"

#include "app/command_line.h"
#include "temp_home.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using quillox::app::CommandLine;
using Request = quillox::app::CommandLine::Request;

void CommandLineTest::readsWhatTheCommandLineAsksFor_data() {
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<int>("request");
    QTest::addColumn<QByteArray>("unknownOption");
    QTest::addColumn<QByteArrayList>("files");
    QTest::newRow("nothing") << QByteArrayList{} << int(Request::Run) << QByteArray()
                             << QByteArrayList{};
    QTest::newRow("files, in order")
        << QByteArrayList{"b.pdf", "file:///a.pdf"} << int(Request::Run) << QByteArray()
        << QByteArrayList{"b.pdf", "file:///a.pdf"};
    QTest::newRow("a name that is not text, as the system gives it")
        << QByteArrayList{"\xff\xfe.pdf"} << int(Request::Run) << QByteArray()
        << QByteArrayList{"\xff\xfe.pdf"};
    QTest::newRow("help after a file") << QByteArrayList{"a.pdf", "--help"} << int(Request::Help)
                                       << QByteArray() << QByteArrayList{};
    QTest::newRow("version") << QByteArrayList{"--version"} << int(Request::Version) << QByteArray()
                             << QByteArrayList{};
    QTest::newRow("help wins over an unknown option")
        << QByteArrayList{"--hlep", "--help"} << int(Request::Help) << QByteArray()
        << QByteArrayList{};
    QTest::newRow("the first unknown option")
        << QByteArrayList{"-x", "a.pdf", "--version=2"} << int(Request::UnknownOption)
        << QByteArray("-x") << QByteArrayList{"a.pdf"};
    QTest::newRow("a lone dash") << QByteArrayList{"-"} << int(Request::UnknownOption)
                                 << QByteArray("-") << QByteArrayList{};
}

void CommandLineTest::readsWhatTheCommandLineAsksFor() {
    QFETCH(QByteArrayList, arguments);
    QFETCH(int, request);
    QFETCH(QByteArray, unknownOption);
    QFETCH(QByteArrayList, files);
    const CommandLine line = quillox::app::readCommandLine(QByteArrayList{"quillox"} + arguments);
    QCOMPARE(int(line.request), request);
    QCOMPARE(line.unknownOption, unknownOption);
    QCOMPARE(line.files, files);
}

namespace {

// Runs the program to its end; its standard output and error are read into the two texts.
int runProgram(const QStringList& arguments, const QProcessEnvironment& environment,
               QByteArray& out, QByteArray& err) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QUILLOX_PATH, arguments);
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return -1;
    }
    out = program.readAllStandardOutput();
    err = program.readAllStandardError();
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

} // namespace

void CommandLineTest::helpAndVersionAnswerWithoutADisplay_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("help") << "--help"
                          << R"(^Usage: quillox \[FILE\]\n(.*\n)*.*man quillox.*\n$)";
    QTest::newRow("version") << "--version"
                             << R"(^Quillox \d+\.\d+\.\d+\n$)";
}

void CommandLineTest::helpAndVersionAnswerWithoutADisplay() {
    QFETCH(QString, option);
    QFETCH(QString, pattern);
    quillox::testing::TempHome home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    QByteArray out;
    QByteArray err;
    QCOMPARE(runProgram({option}, environment, out, err), 0);
    QVERIFY2(QRegularExpression(pattern).match(QString::fromLocal8Bit(out)).hasMatch(),
             out.constData());
    QCOMPARE(err, QByteArray());
}

void CommandLineTest::anUnknownOptionEndsTheRunWithTheUsage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("unknownOption");
    QTest::newRow("alone") << QStringList{"--hlep"} << "--hlep";
    // The toolkit's own options are not the program's to refuse.
    QTest::newRow("after the toolkit's options")
        << QStringList{"-style", "fusion", "-platform", "offscreen", "-z", "a.pdf"} << "-z";
}

void CommandLineTest::anUnknownOptionEndsTheRunWithTheUsage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, unknownOption);
    quillox::testing::TempHome home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QByteArray out;
    QByteArray err;
    QCOMPARE(runProgram(arguments, environment, out, err), 2);
    QCOMPARE(out, QByteArray());
    QCOMPARE(QString::fromLocal8Bit(err),
             "quillox: unknown option " + unknownOption + "\n\n" + quillox::app::usageText());
    // The run ended before it touched the store.
    QVERIFY(!QFile::exists(home.databaseFolder() + "main.abs"));
}
