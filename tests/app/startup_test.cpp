#include "startup_test.h"

#include "app/error_box.h"
#include "app/instances.h"
#include "app/quillox_application.h"
#include "app/single_instance.h"
#include "app/tf_about.h"
#include "app/tf_main.h"
#include "app/window_flow.h"
#include "app_run.h"
#include "filing/tf_new_dir.h"
#include "filing/tf_new_doc.h"
#include "platform/handler_guard.h"
#include "program_process.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_move_doc.h"
#include "retrieval/tf_search.h"
#include "scan/tf_scan.h"
#include "store/tdm_data.h"
#include "store_damage.h"
#include "temp_home.h"
#include "window_driving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QUrl>
#include <csignal>

using quillox::app::QuilloxApplication;
using quillox::testing::TempHome;

namespace {

QList<QWidget*> windows() {
    return {fMain, fNewDoc, fBrowse, fScan, fSearch, fNewDir, fAbout, fMoveDoc};
}

} // namespace

void StartupTest::createsTheInstancesAndShowsOnlyTheMainWindow() {
    TestHome home;
    AppRun run(home);
    QVERIFY(home.errors.isEmpty());
    QCOMPARE(QCoreApplication::applicationName(), QString("Quillox"));
    QVERIFY(dmData && dmData->tDocuments.Active() && dmData->qQuery3.Active());

    struct Design {
        QWidget* window;
        const char* caption;
        QSize size;
    };
    const Design designs[] = {
        {fMain, "Quillox - Start filing now!", {483, 210}},
        {fNewDoc, "Quillox - Import your documents here!", {344, 462}},
        {fBrowse, "Quillox - View your documents here!", {954, 552}},
        {fScan, "Scan Result", {635, 573}},
        {fSearch, "Quillox - Search your documents here!", {540, 490}},
        {fNewDir, "Quillox - Create your new folder!", {1009, 421}},
        {fAbout, "About", {886, 663}},
        {fMoveDoc, "Move", {371, 410}},
    };
    for (const Design& design : designs) {
        QVERIFY(design.window);
        QCOMPARE(design.window->windowTitle(), QString(design.caption));
        QCOMPARE(design.window->size(), design.size);
        QCOMPARE(design.window->isVisible(), design.window == fMain);
        QVERIFY(design.window->isWindow());
    }
    QVERIFY(fMain->acceptDrops());
}

void StartupTest::destroysTheInstancesInReverseOrder() {
    TestHome home;
    QStringList destroyed;
    {
        AppRun run(home);
        const QList<QObject*> instances = {fMain,   fNewDoc, dmData, fBrowse, fScan,
                                           fSearch, fNewDir, fAbout, fMoveDoc};
        for (QObject* instance : instances) {
            const QString name = instance->metaObject()->className();
            QObject::connect(instance, &QObject::destroyed,
                             [&destroyed, name] { destroyed << name.section("::", -1); });
        }
    }
    QCOMPARE(destroyed, QStringList({"TfMoveDoc", "TfAbout", "TfNewDir", "TfSearch", "TfScan",
                                     "TfBrowse", "TdmData", "TfNewDoc", "TfMain"}));
    QVERIFY(!fMain && !dmData && !fMoveDoc);
    QVERIFY(home.errors.isEmpty());
}

void StartupTest::aFailingCreationHandlerIsReportedAndStartUpGoesOn() {
    TestHome home;
    // A file where the data folder should be: the database cannot be created.
    QFile blocker(home.path() + "/data");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    AppRun run(home);
    QCOMPARE(home.errors.size(), 1);
    QVERIFY2(home.errors.front().startsWith("Cannot create file: '"),
             qPrintable(home.errors.front()));
    for (QWidget* window : windows())
        QVERIFY(window);
    QVERIFY(fMain->isVisible());
    QVERIFY(!dmData->tDocuments.Active());
}

void StartupTest::aStoreThatCannotBeOpenedIsReportedOnceAndAgainOnlyByWindowsThatNeedIt() {
    TestHome home;
    QVERIFY(QDir().mkpath(home.databaseFolder()));
    QFile store(home.databaseFolder() + "main.abs");
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write(QByteArray("random bytes, not a database ").repeated(300));
    store.close();

    AppRun run(home);
    QCOMPARE(home.errors.size(), 1);
    const QString message = home.errors.front();
    QVERIFY2(message.contains("file is not a database") &&
                 message.endsWith("the section \"When the store cannot be opened\" of Quillox's "
                                  "README"),
             qPrintable(message));

    // A file handed over, browsing and a scanned page are answered with that message alone,
    // and no window that needs the store shows; the main window stays, and with it the way out.
    quillox::platform::runHandler([&] { quillox::app::handOverFile(home.path() + "/bill.pdf"); });
    emit fMain->browseRequested();
    emit fMain->pageScanned(QImage(8, 8, QImage::Format_RGB32), home.path() + "/scan.bmp");
    QTest::qWait(200);
    QCOMPARE(home.errors, QStringList(4, message));
    for (QWidget* window : {static_cast<QWidget*>(fNewDoc), static_cast<QWidget*>(fBrowse),
                            static_cast<QWidget*>(fSearch), static_cast<QWidget*>(fMoveDoc)})
        QVERIFY(!window->isVisible());
    QVERIFY(fMain->isVisible());
}

void StartupTest::anEmptyStoreFileBecomesAStoreOnlyOnYes_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("no") << "&No";
    QTest::newRow("yes") << "&Yes";
}

void StartupTest::anEmptyStoreFileBecomesAStoreOnlyOnYes() {
    QFETCH(QString, answer);
    TestHome home;
    const QString file = home.databaseFolder() + "main.abs";
    QVERIFY(QDir().mkpath(home.databaseFolder()));
    QFile store(file);
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.close();

    QString asked;
    answerBox(answer, &asked);
    AppRun run(home);
    QVERIFY2(asked.startsWith("Quillox|The file '" + file + "' is empty"), qPrintable(asked));
    QVERIFY2(asked.endsWith("Start a new, empty store in this file?|&No"), qPrintable(asked));
    if (answer == "&Yes") {
        QCOMPARE(home.errors, QStringList());
        QVERIFY(dmData->Available() && dmData->tDocuments.Active());
        QVERIFY(QFileInfo(file).size() > 0);
    } else {
        QCOMPARE(home.errors.size(), 1);
        QVERIFY2(home.errors.front().contains("No new store was started in it"),
                 qPrintable(home.errors.front()));
        QCOMPARE(QFileInfo(file).size(), 0);
    }
}

namespace {

class Throwing : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("Field 'Name' must have a value"); }
};

} // namespace

void StartupTest::anErrorInAnEventHandlerReachesTheErrorBox() {
    TestHome home;
    Throwing receiver;
    QEvent event(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&receiver, &event));
    QCOMPARE(home.errors, QStringList({"Field 'Name' must have a value"}));
}

void StartupTest::theErrorBoxAddsAFullStop_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Twain is not installed"
                            << "Twain is not installed.";
    QTest::newRow("digit") << "x - Native error: 10001"
                           << "x - Native error: 10001.";
    QTest::newRow("quote") << "Field 'Nope' not found"
                           << "Field 'Nope' not found.";
    QTest::newRow("full stop") << "Duplicate found."
                               << "Duplicate found.";
    QTest::newRow("exclamation") << "Done!"
                                 << "Done!";
    QTest::newRow("closing parenthesis") << "(see above)"
                                         << "(see above)";
    QTest::newRow("empty") << ""
                           << "";
}

void StartupTest::theErrorBoxAddsAFullStop() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(quillox::app::withFullStop(message), shown);
}

void StartupTest::aTerminationSignalEndsTheRunCleanly_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

void StartupTest::aTerminationSignalEndsTheRunCleanly() {
    QFETCH(int, signal);
    TempHome home;
    QProcess program;
    startProgram(program, home);
    ::kill(static_cast<pid_t>(program.processId()), signal);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!QFile::exists(home.databaseFolder() + "main.abs.lock"));
    QVERIFY(!QFile::exists(home.databaseFolder() + "main.abs-journal"));

    // The database opens again, with its tables.
    quillox::store::TdmData data;
    data.DataModuleCreate();
    QVERIFY(data.tFolders.Active());
}

void StartupTest::aSecondCopyHandsOverToTheFirst() {
    TempHome home;
    QProcess first;
    startProgram(first, home);

    QProcess second;
    second.setProcessEnvironment(programEnvironment());
    second.start(QUILLOX_PATH, {});
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    QVERIFY(first.waitForFinished(20000));
    QCOMPARE(first.exitCode(), 0);
}

void StartupTest::aFileNamedOnTheCommandLineGoesToTheRunningCopy() {
    TempHome home;
    // This process stands for the running copy.
    quillox::app::SingleInstance running(home.databaseFolder() + "main.abs");
    QVERIFY(QDir().mkpath(home.databaseFolder()));
    QCOMPARE(running.acquire(), quillox::app::SingleInstance::Holder::ThisCopy);
    QStringList handed;
    running.listen([&handed](const QUrl& file) { handed << file.toLocalFile(); });

    const QString folder = home.path() + "/scans\nof march";
    QVERIFY(QDir().mkpath(folder));
    QProcess second;
    second.setProcessEnvironment(programEnvironment());
    second.setWorkingDirectory(folder);
    second.start(QUILLOX_PATH, {"bill 100%.pdf", "other.pdf"});
    QVERIFY(QTest::qWaitFor([&] { return !handed.isEmpty(); }, 20000));
    QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(handed, QStringList({folder + "/bill 100%.pdf"}));
}

// Handing a file over may show a box, whose own loop runs while the second copy ends and its
// connection goes: the running copy must not read from that connection afterwards.
void StartupTest::aHandOverThatWaitsOutlivesTheSecondCopysConnection() {
    TempHome home;
    quillox::app::SingleInstance running(home.databaseFolder() + "main.abs");
    QVERIFY(QDir().mkpath(home.databaseFolder()));
    QCOMPARE(running.acquire(), quillox::app::SingleInstance::Holder::ThisCopy);
    QStringList handed;
    running.listen([&handed](const QUrl& file) {
        handed << file.toLocalFile();
        QTest::qWait(300);
    });

    QProcess second;
    second.setProcessEnvironment(programEnvironment());
    second.start(QUILLOX_PATH, {home.path() + "/one.pdf"});
    QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
    QTest::qWait(500);
    QCOMPARE(handed, QStringList({home.path() + "/one.pdf"}));
}

// A lock that cannot be made is not a running copy: the message names the folder and the
// system's reason at once, without waiting for an answer.
void StartupTest::aLockThatCannotBeMadeIsNamedAsSuch() {
    TempHome home;
    const QString folder = QDir::cleanPath(home.databaseFolder());
    QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
    QFile inTheWay(folder);
    QVERIFY(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();

    QProcess program;
    program.setProcessEnvironment(programEnvironment());
    program.start(QUILLOX_PATH, {});
    const QString message = firstMessage(program);
    QVERIFY2(message.contains(folder) && message.contains("Not a directory"), qPrintable(message));
    QVERIFY2(!message.contains("already running"), qPrintable(message));
    terminateDuringTheBox(program);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(QFileInfo(folder).isFile());
}

// A running copy that is stopped takes the request into its socket but never answers it: the
// second copy says so instead of ending as if the file had been handed over.
void StartupTest::aRunningCopyThatDoesNotAnswerIsReported() {
    TempHome home;
    QProcess first;
    startProgram(first, home);
    const auto firstId = static_cast<pid_t>(first.processId());
    ::kill(firstId, SIGSTOP);

    QProcess second;
    second.setProcessEnvironment(programEnvironment());
    second.start(QUILLOX_PATH, {home.path() + "/one.pdf"});
    const QString message = firstMessage(second);
    ::kill(firstId, SIGCONT);
    QCOMPARE(message, QString("quillox: Quillox is already running with this store, and it does "
                              "not answer. Close it first."));
    terminateDuringTheBox(second);

    first.terminate();
    QVERIFY(first.waitForFinished(20000));
    QCOMPARE(first.exitCode(), 0);
}

void StartupTest::onlyTheCopyHoldingTheLockRemovesUnfinishedCopies() {
    TempHome home;
    const QString leftover = home.storeFolder() + ".quillox-copy-3f9a";
    const QString stored = home.storeFolder() + "Invoice.pdf";
    QVERIFY(QDir().mkpath(home.storeFolder()));
    for (const QString& path : {leftover, stored}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    {
        // While this process holds the lock, a copy being written is the running copy's.
        quillox::app::SingleInstance running(home.databaseFolder() + "main.abs");
        QVERIFY(QDir().mkpath(home.databaseFolder()));
        QCOMPARE(running.acquire(), quillox::app::SingleInstance::Holder::ThisCopy);
        running.listen([](const QUrl&) {});
        QProcess second;
        second.setProcessEnvironment(programEnvironment());
        second.start(QUILLOX_PATH, {});
        QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(QFile::exists(leftover));
    }

    QProcess program;
    startProgram(program, home);
    QVERIFY(!QFile::exists(leftover));
    QVERIFY(QFile::exists(stored));
    program.terminate();
    QVERIFY(program.waitForFinished(20000));
}

// A store damaged by a crash and left by a copy that died is checked before anything is written
// to it: the start-up says it is damaged.
void StartupTest::aDeadCopysStoreIsCheckedBeforeUse() {
    TempHome home;
    {
        quillox::store::TdmData data;
        data.DataModuleCreate();
        data.DataModuleDestroy();
    }
    const QString file = home.databaseFolder() + "main.abs";
    quillox::testing::loseTheIndexChangeOf(
        file, "INSERT INTO Documents (ID, Document_Name, Path, InputDate, Folder) VALUES (1, "
              "'bill', '/store/bill.pdf', '2014-01-01', 'TAX')");
    quillox::testing::leaveTheLockOfADeadCopy(file + ".lock");

    QProcess program;
    program.setProcessEnvironment(programEnvironment());
    program.start(QUILLOX_PATH, {});
    const QString message = firstMessage(program);
    QVERIFY2(message.contains("is damaged"), qPrintable(message));
    terminateDuringTheBox(program);
}

// A kill while a change began can leave a journal whose header is zeroed, which SQLite ignores
// and so never removes; the start-up that holds the lock does.
void StartupTest::aCleanStartRemovesAJournalThatWouldNotBePlayedBack() {
    TestHome home;
    {
        quillox::store::TdmData data;
        data.DataModuleCreate();
        data.DataModuleDestroy();
    }
    const QString journal = home.databaseFolder() + "main.abs-journal";
    QFile zeroed(journal);
    QVERIFY(zeroed.open(QIODevice::WriteOnly));
    zeroed.write(QByteArray(512, '\0'));
    zeroed.close();
    {
        AppRun run(home);
        QCOMPARE(home.errors, QStringList());
        QVERIFY(dmData->Available());
    }
    QVERIFY(!QFile::exists(journal));
}
