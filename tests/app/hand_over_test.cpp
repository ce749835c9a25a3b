#include "hand_over_test.h"

#include "app/single_instance.h"
#include "platform/user_error.h"
#include "program_process.h"
#include "temp_home.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTest>
#include <QUrl>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/fsuid.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using quillox::app::SingleInstance;
using quillox::platform::UserError;
using quillox::testing::TempHome;

namespace {

constexpr uid_t nobody = 65534;

// Sets an environment variable, or unsets it, for as long as the object lives.
class EnvironmentChange {
public:
    EnvironmentChange(const char* name, const std::optional<QByteArray>& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name))
            saved_ = qgetenv(name);
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~EnvironmentChange() {
        if (saved_)
            qputenv(name_, *saved_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    std::optional<QByteArray> saved_;
};

// A home without a runtime folder, whose own temporary folder stands for /tmp: the socket
// folder is the fallback, "quillox-<uid>" in it.
struct HomeWithoutRuntimeFolder {
    TempHome home;
    EnvironmentChange temporary{"TMPDIR", (home.path() + "/tmp").toUtf8()};
    EnvironmentChange runtime{"XDG_RUNTIME_DIR", std::nullopt};

    HomeWithoutRuntimeFolder() { QDir().mkpath(home.path() + "/tmp"); }
    QString socketFolder() const {
        return home.path() + "/tmp/quillox-" + QString::number(::getuid());
    }
};

QString databaseFile(const TempHome& home) {
    QDir().mkpath(home.databaseFolder());
    return home.databaseFolder() + "main.abs";
}

// The sockets in the folder, by path.
QStringList socketsIn(const QString& folder) {
    QStringList sockets;
    for (const QString& name : QDir(folder).entryList(QDir::System | QDir::Hidden)) {
        struct stat status {};
        const QString path = folder + "/" + name;
        if (::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISSOCK(status.st_mode))
            sockets << path;
    }
    return sockets;
}

// A message thrown by the step; empty when it throws none.
QString thrownBy(const std::function<void()>& step) {
    try {
        step();
    } catch (const UserError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

// Runs the step in a child process whose effective user is another one, which is what the
// other end of a socket it connects or listens on sees; it still reaches this user's files.
// Returns the step's exit status. The step may only make system calls.
int asAnotherUser(const std::function<int()>& step) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setresuid(0, nobody, 0) != 0)
            ::_exit(100);
        ::setfsuid(0);
        ::_exit(step());
    }
    int status = 0;
    if (!QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 20000)) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

sockaddr_un addressOf(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

// The running copy in this process, with the files it was handed.
struct RunningCopy {
    explicit RunningCopy(const TempHome& home) : instance(databaseFile(home)) {}
    SingleInstance instance;
    QStringList handed;
};

void startListening(RunningCopy& running) {
    QCOMPARE(running.instance.acquire(), SingleInstance::Holder::ThisCopy);
    running.instance.listen(
        [&handed = running.handed](const QUrl& file) { handed << file.toLocalFile(); });
}

const QString notTextMessage = "quillox: The file \"%1\" cannot be filed: its name is not valid "
                               "text; rename it and file it again.";

} // namespace

void HandOverTest::theSocketLivesInTheUsersRuntimeFolder() {
    TempHome home;
    QProcess first;
    startProgram(first, home);
    QCOMPARE(socketsIn(home.path() + "/runtime").size(), 1);
    first.terminate();
    QVERIFY(first.waitForFinished(20000));
}

// A runtime folder that the system set up wrongly is not trusted: the fallback is used.
void HandOverTest::aRuntimeFolderOthersMayUseIsPassedOver() {
    HomeWithoutRuntimeFolder fallback;
    const QString open = fallback.home.path() + "/open";
    QVERIFY(QDir().mkpath(open));
    QVERIFY(::chmod(QFile::encodeName(open).constData(), 0777) == 0);
    EnvironmentChange runtime("XDG_RUNTIME_DIR", open.toUtf8());

    RunningCopy running(fallback.home);
    startListening(running);
    QVERIFY(socketsIn(open).isEmpty());
    QCOMPARE(socketsIn(fallback.socketFolder()).size(), 1);
    struct stat status {};
    QVERIFY(::lstat(QFile::encodeName(fallback.socketFolder()).constData(), &status) == 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0700));
}

void HandOverTest::aSocketFolderThatIsNotTheUsersOwnIsRefused_data() {
    QTest::addColumn<QString>("planted");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a link to a folder of the user's") << "link"
                                                      << "it is a link";
    QTest::newRow("a folder others may use") << "open"
                                             << "other users may use it";
    QTest::newRow("a file") << "file"
                            << "it is not a folder";
    QTest::newRow("another user's folder") << "another user's"
                                           << "it belongs to another user";
}

// Another user who makes the fallback folder first would receive the requests: the running
// copy does not listen there, and a second copy hands nothing over.
void HandOverTest::aSocketFolderThatIsNotTheUsersOwnIsRefused() {
    QFETCH(QString, planted);
    QFETCH(QString, reason);
    if (planted == "another user's" && ::getuid() != 0)
        QSKIP("Only the superuser can give a folder to another user");
    HomeWithoutRuntimeFolder fallback;
    const QByteArray folder = QFile::encodeName(fallback.socketFolder());
    if (planted == "link") {
        const QString own = fallback.home.path() + "/own";
        QVERIFY(::mkdir(QFile::encodeName(own).constData(), 0700) == 0);
        QVERIFY(::symlink(QFile::encodeName(own).constData(), folder.constData()) == 0);
    } else if (planted == "file") {
        QFile file(fallback.socketFolder());
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(::mkdir(folder.constData(), 0700) == 0);
        QVERIFY(::chmod(folder.constData(), planted == "open" ? 0777 : 0700) == 0);
        if (planted == "another user's")
            QVERIFY(::chown(folder.constData(), nobody, nobody) == 0);
    }

    RunningCopy running(fallback.home);
    QCOMPARE(running.instance.acquire(), SingleInstance::Holder::ThisCopy);
    const QString notListening = thrownBy([&] { running.instance.listen([](const QUrl&) {}); });
    QVERIFY2(notListening.startsWith("Quillox cannot take files from its other copies") &&
                 notListening.contains(fallback.socketFolder()) && notListening.contains(reason),
             qPrintable(notListening));

    SingleInstance second(databaseFile(fallback.home));
    const QString notHanded =
        thrownBy([&] { second.activateRunningCopy(fallback.home.path() + "/one.pdf"); });
    QVERIFY2(notHanded.contains("nothing can be handed to it") &&
                 notHanded.contains(fallback.socketFolder()) && notHanded.contains(reason),
             qPrintable(notHanded));
}

// The running copy says on standard error why it takes no files and runs on; a second copy
// says it cannot hand its file over and ends with a failure.
void HandOverTest::aCopyThatCannotListenSaysSoAndTheSecondCopyFails() {
    HomeWithoutRuntimeFolder fallback;
    QVERIFY(::mkdir(QFile::encodeName(fallback.socketFolder()).constData(), 0777) == 0);
    QVERIFY(::chmod(QFile::encodeName(fallback.socketFolder()).constData(), 0777) == 0);
    QProcess first;
    startProgram(first, fallback.home);
    const QString notListening = firstMessage(first);
    QVERIFY2(notListening.contains("cannot take files from its other copies") &&
                 notListening.contains(fallback.socketFolder()),
             qPrintable(notListening));
    QCOMPARE(first.state(), QProcess::Running);

    QProcess second;
    second.setProcessEnvironment(programEnvironment());
    second.start(QUILLOX_PATH, {fallback.home.path() + "/one.pdf"});
    const QString notHanded = firstMessage(second);
    QVERIFY2(notHanded.contains("nothing can be handed to it"), qPrintable(notHanded));
    terminateDuringTheBox(second);
    QCOMPARE(second.exitCode(), 1);

    first.terminate();
    QVERIFY(first.waitForFinished(20000));
}

// A process of another user that reaches the socket gets no answer, and its request is not
// carried out.
void HandOverTest::anotherUsersRequestIsNotTaken() {
    if (::getuid() != 0)
        QSKIP("Only the superuser can act as another user");
    TempHome home;
    RunningCopy running(home);
    startListening(running);
    const QStringList sockets = socketsIn(home.path() + "/runtime");
    QCOMPARE(sockets.size(), 1);
    const sockaddr_un address = addressOf(QFile::encodeName(sockets.front()));

    const int status = asAnotherUser([&address] {
        const int connection = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            return 2;
        const timeval wait{20, 0};
        ::setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        const char request[] = "open file:///tmp/one.pdf\n";
        if (::write(connection, request, sizeof request - 1) < 0)
            return 0;
        char answer[8];
        if (::read(connection, answer, sizeof answer) <= 0)
            return 0;
        const char goAhead[] = "go\n";
        return ::write(connection, goAhead, sizeof goAhead - 1) < 0 ? 3 : 1;
    });
    QCOMPARE(status, 0);
    QTest::qWait(300);
    QCOMPARE(running.handed, QStringList());
}

void HandOverTest::aSocketNotOfThisUserIsNotTalkedTo_data() {
    QTest::addColumn<bool>("ownedByAnotherUser");
    QTest::addColumn<QString>("reason");
    QTest::newRow("answered by another user") << false << "is answered by another user";
    QTest::newRow("owned by another user") << true << "is not a socket of yours";
}

// Whoever listens under the running copy's name but is not this user gets no request: the
// second copy checks the socket's owner before it connects, and the listener's user after.
void HandOverTest::aSocketNotOfThisUserIsNotTalkedTo() {
    QFETCH(bool, ownedByAnotherUser);
    QFETCH(QString, reason);
    if (::getuid() != 0)
        QSKIP("Only the superuser can act as another user");
    TempHome home;
    // The running copy's socket shows its name, and goes again.
    QString path;
    {
        RunningCopy running(home);
        startListening(running);
        path = socketsIn(home.path() + "/runtime").value(0);
    }
    QVERIFY(!path.isEmpty());
    QFile::remove(path);
    const QByteArray native = QFile::encodeName(path);
    const sockaddr_un address = addressOf(native);
    int ready[2];
    QVERIFY(::pipe(ready) == 0);

    // The impostor tells by its exit status whether anything was written to it.
    const pid_t impostor = ::fork();
    if (impostor == 0) {
        if (!ownedByAnotherUser && ::setresuid(0, nobody, 0) != 0)
            ::_exit(100);
        ::setfsuid(0);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener, 4) != 0)
            ::_exit(101);
        if (ownedByAnotherUser && ::lchown(native.constData(), nobody, nobody) != 0)
            ::_exit(102);
        ::write(ready[1], "r", 1);
        const int connection = ::accept(listener, nullptr, nullptr);
        char request[64];
        ::_exit(::read(connection, request, sizeof request) > 0 ? 1 : 0);
    }
    char byte = 0;
    QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
    ::close(ready[0]);
    ::close(ready[1]);

    SingleInstance second(databaseFile(home));
    const QString notHanded = thrownBy([&] { second.activateRunningCopy(home.path() + "/a.pdf"); });
    // A connection of our own, which says nothing, ends the impostor's wait if nothing came.
    QLocalSocket nothing;
    nothing.connectToServer(path);
    nothing.waitForConnected(5000);
    nothing.abort();
    int status = 0;
    QCOMPARE(::waitpid(impostor, &status, 0), impostor);
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY2(notHanded.contains("nothing can be handed to it") && notHanded.contains(reason),
             qPrintable(notHanded));
}

// A second copy that gave up on a stopped running copy told the user so: the running copy,
// once it goes on, must not file what the second copy asked for all the same.
void HandOverTest::aRequestGivenUpOnIsNotCarriedOut() {
    TempHome home;
    // The running copy files one document already; a file handed to it is answered with a
    // message naming that file, which shows whether a hand-over was carried out.
    QProcess first;
    startProgram(first, home, {home.path() + "/first.pdf"});
    const auto firstId = static_cast<pid_t>(first.processId());
    ::kill(firstId, SIGSTOP);
    QProcess second;
    second.setProcessEnvironment(programEnvironment());
    second.start(QUILLOX_PATH, {home.path() + "/given up.pdf"});
    const QString message = firstMessage(second);
    ::kill(firstId, SIGCONT);
    QCOMPARE(message, QString("quillox: Quillox is already running with this store, and it does "
                              "not answer. Close it first."));
    terminateDuringTheBox(second);
    QCOMPARE(second.exitCode(), 1);

    // A hand-over that is carried out shows its message; the one given up on shows none.
    QProcess third;
    third.setProcessEnvironment(programEnvironment());
    third.start(QUILLOX_PATH, {home.path() + "/handed.pdf"});
    QVERIFY(third.waitForFinished(20000));
    QCOMPARE(third.exitCode(), 0);
    QByteArray said;
    QVERIFY(QTest::qWaitFor(
        [&] {
            said += first.readAllStandardError();
            return said.contains("handed.pdf");
        },
        20000));
    QTest::qWait(500);
    said += first.readAllStandardError();
    QVERIFY2(!said.contains("given up.pdf"), said.constData());

    first.terminate();
    QVERIFY(first.waitForFinished(20000));
}

void HandOverTest::aNameThatIsNotTextIsRefusedOnTheCommandLine_data() {
    QTest::addColumn<bool>("secondCopy");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("shown");
    const QString name = "\"$(printf '\\377\\376.pdf')\"";
    QTest::newRow("the first copy") << false << name << "\uFFFD\uFFFD.pdf";
    QTest::newRow("a second copy") << true << name << "\uFFFD\uFFFD.pdf";
    QTest::newRow("a second copy, as a URL") << true << "\"file://$PWD/%FF%FE.pdf\""
                                             << "/\uFFFD\uFFFD.pdf";
}

// The toolkit would turn the name into another one; the file is refused with the true reason,
// and a second copy hands nothing over and ends with a failure.
void HandOverTest::aNameThatIsNotTextIsRefusedOnTheCommandLine() {
    QFETCH(bool, secondCopy);
    QFETCH(QString, argument);
    QFETCH(QString, shown);
    TempHome home;
    RunningCopy running(home);
    if (secondCopy)
        startListening(running);
    QProcess program;
    program.setProcessEnvironment(programEnvironment());
    program.setWorkingDirectory(home.path());
    // Only a shell passes bytes that are not text as an argument.
    program.start("/bin/sh", {"-c", "exec \"$0\" " + argument, QUILLOX_PATH});
    const QString message = firstMessage(program);
    QCOMPARE(message,
             notTextMessage.arg(shown.startsWith('/') ? QDir(home.path()).canonicalPath() + shown
                                                      : shown));
    terminateDuringTheBox(program);
    if (secondCopy)
        QCOMPARE(program.exitCode(), 1);
    QTest::qWait(300);
    QCOMPARE(running.handed, QStringList());
}

// A request that reaches the running copy by another way is refused there the same.
void HandOverTest::aNameThatIsNotTextIsRefusedWhenHandedOver() {
    TempHome home;
    QProcess first;
    startProgram(first, home);
    const QStringList sockets = socketsIn(home.path() + "/runtime");
    QCOMPARE(sockets.size(), 1);
    QLocalSocket socket;
    socket.connectToServer(sockets.front());
    QVERIFY(socket.waitForConnected(5000));
    socket.write("open file:///tmp/%FF%FE.pdf\n");
    QVERIFY(QTest::qWaitFor([&] { return socket.canReadLine(); }, 20000));
    QCOMPARE(socket.readLine(), QByteArray("ok\n"));
    socket.write("go\n");
    QVERIFY(socket.waitForBytesWritten(5000));
    QCOMPARE(firstMessage(first), notTextMessage.arg("/tmp/\uFFFD\uFFFD.pdf"));
    terminateDuringTheBox(first);
}
