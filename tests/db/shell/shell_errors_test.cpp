#include "shell_test.h"

#include "db/db_error.h"
#include "db/tdb_database.h"
#include "db/tdb_query.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <vector>

namespace quillox::db::shell {
namespace {

// Engine messages end with a number of the engine's choosing.
const QString native = " - Native error: \\d{5}";

struct FailingCommand {
    QString command;
    QString message; // a pattern for the whole line on standard error
};

class DbshellErrorTest : public DbshellTest {
protected:
    DbshellErrorTest() {
        const ShellRun seeded =
            run({".append Folders ID=1 Name=\"TAX FOLDER\" Parent=- Picture=3"});
        EXPECT_EQ(seeded.exitCode, 0) << seeded.err.toStdString();
    }

    void expectOnlyTheSeedFolder() const {
        EXPECT_EQ(run({"SELECT ID FROM Folders"}).out, "ID\n1\n");
    }
};

void expectFailure(const ShellRun& result, const QString& messagePattern) {
    EXPECT_EQ(result.exitCode, 1);
    const QRegularExpression line(QRegularExpression::anchoredPattern(messagePattern + "\n"));
    EXPECT_TRUE(line.match(result.err).hasMatch())
        << "stderr: " << result.err.toStdString() << "wanted: " << messagePattern.toStdString();
}

// What the engine itself says when it runs the statement.
QString engineMessage(const QString& storeFile, const QString& statement) {
    TDbDatabase database("quillox-db");
    database.SetDatabaseName("InProcess");
    database.SetDatabaseFileName(storeFile);
    TDbQuery query;
    query.SetDatabaseName("InProcess");
    query.SQL().Add(statement);
    try {
        query.Open();
    } catch (const DbError& error) {
        return QString::fromUtf8(error.what());
    }
    ADD_FAILURE() << "the engine accepts " << statement.toStdString();
    return {};
}

TEST_F(DbshellErrorTest, RejectedStatementPrintsTheEngineMessageUnchanged) {
    const QStringList statements = {
        "SELECT * FROM Documents WHERE Folder = 'O'NEIL';",
        "SELECT Name FROM Folders WHERE Parent = '-' OR",
        "SELECT FROM Folders",
        "SELECT Colour FROM Folders",
        "SELECT * FROM Nowhere",
        "DELETE FROM Folders",
    };
    for (const QString& statement : statements) {
        SCOPED_TRACE(statement.toStdString());
        const QString expected = engineMessage(storeFile, statement);
        const ShellRun result = run({statement});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, expected + "\n");
        EXPECT_EQ(result.out, "");
    }
    expectOnlyTheSeedFolder();
}

TEST_F(DbshellErrorTest, FailingCommandPrintsOnlyTheMessageAndStoresNothing) {
    const std::vector<FailingCommand> cases = {
        {".append Folders ID=1 Name=COPY Parent=- Picture=-1",
         "Primary Key constraint '_ID' violated\\. Duplicate found\\." + native},
        {".append Folders ID=2 Name=\"\" Parent=- Picture=-1", "Field 'Name' must have a value"},
        {".append Folders ID=2 Name=X Parent=-", "Field 'Picture' must have a value"},
        {".append Folders ID=2 Colour=red", "Folders: Field 'Colour' not found"},
        {".append Folders ID 2", "Argument 'ID' is not of the form Column=value"},
        {".append Folders ID=2 =X", "Argument '=X' is not of the form Column=value"},
        {".append Folders ID=2 Name=\"OPEN FOLDER",
         "The value of 'Name' has no closing double quote"},
        {".append Folders ID=2 Name=\"A\"B",
         "The value of 'Name' goes on after its closing double quote"},
        {".append Folders ID=2 Name=A\"B",
         "The value of 'Name' holds a double quote: write it between double quotes, the quote "
         "doubled"},
        {".append Nowhere ID=2", "Table 'Nowhere' does not exist" + native},
        {".append", "Usage: \\.append TABLE Column=value \\.\\.\\."},
        {".schema", "Usage: \\.schema TABLE"},
        {".tables Folders", "Usage: \\.tables"},
        {".drop Folders", "Unknown command '\\.drop'"},
    };
    for (const FailingCommand& failing : cases) {
        SCOPED_TRACE(failing.command.toStdString());
        const ShellRun result = run({failing.command});
        expectFailure(result, failing.message);
        EXPECT_EQ(result.out, "");
    }
    expectOnlyTheSeedFolder();
}

TEST_F(DbshellErrorTest, ProcessingStopsAtTheFirstError) {
    const QString append = ".append Folders ID=2 Name=LATER Parent=- Picture=-1";
    const ShellRun fromArguments = run({"SELECT Name FROM Folders", ".bogus", append});
    expectFailure(fromArguments, "Unknown command '\\.bogus'");
    EXPECT_EQ(fromArguments.out, "Name\nTAX FOLDER\n");

    const ShellRun fromInput = runQuilloxDb({storeFile}, (".bogus\n" + append + "\n").toUtf8());
    expectFailure(fromInput, "Unknown command '\\.bogus'");
    expectOnlyTheSeedFolder();
}

// A line read with a NUL character in it is refused whole, wherever the character stands; the
// lines before it have run.
TEST_F(DbshellErrorTest, InputLineWithANulCharacterIsRefused) {
    const QByteArray nul(1, '\0');
    const std::vector<QByteArray> lines = {
        ".append Folders ID=2 Parent=- Picture=-1 Name=N" + nul + "UL",
        ".append Folders ID=2 Parent=- Picture=-1 Name=\"N" + nul + "UL\"",
        ".append Folders ID=2 Parent=- Picture=-1 Name=NUL" + nul,
        "SELECT Name FROM Folders WHERE Name = 'N" + nul + "UL'",
        nul,
    };
    for (const QByteArray& line : lines) {
        SCOPED_TRACE(QByteArray(line).replace('\0', "\\0").toStdString());
        const ShellRun result =
            runQuilloxDb({storeFile}, "SELECT ID FROM Folders\n" + line + "\n.tables\n");
        expectFailure(result, "Line 2 of the input holds a NUL character");
        EXPECT_EQ(result.out, "ID\n1\n");
    }
    expectOnlyTheSeedFolder();
}

// A megabyte of input in a name, a value, a token or a command is quoted in part only. The
// commands come on standard input, since an argument that long is refused by the system.
TEST_F(DbshellErrorTest, HugeInputIsQuotedCutShort) {
    const QString huge(1'000'000, 'x');
    const QString cut = "x{100}…";
    const std::vector<FailingCommand> cases = {
        {"SELECT " + huge + " FROM Folders",
         "Field '" + cut + "' not found at line 1, column 8" + native},
        {"SELECT * FROM Folders WHERE ID = '" + huge + "'",
         "'" + cut + "' is not a valid integer value at line 1, column 34" + native},
        {"SELECT * FROM Folders WHERE " + huge + " " + huge,
         "Token '=' expected, but '" + cut + "' found at line 1, column 1000030" + native},
        {"SELECT * FROM " + huge, "Table '" + cut + "' does not exist" + native},
        {".append Folders " + huge + "=1", "Folders: Field '" + cut + "' not found"},
        {".append Folders " + huge, "Argument '" + cut + "' is not of the form Column=value"},
        {"." + huge, "Unknown command '\\.x{99}…'"},
    };
    for (const FailingCommand& failing : cases) {
        SCOPED_TRACE(failing.message.toStdString());
        const ShellRun result = runQuilloxDb({storeFile}, (failing.command + "\n").toUtf8());
        ASSERT_LT(result.err.size(), 300) << "a message of " << result.err.size() << " characters";
        expectFailure(result, failing.message);
    }
    expectOnlyTheSeedFolder();
}

TEST(DbshellFileErrorTest, MissingDatabaseFileIsNeverCreated) {
    QTemporaryDir dir;
    for (const QString& path : {dir.filePath("main.abs"), dir.filePath("none/main.abs")}) {
        for (const QByteArray& input : {QByteArray(), QByteArray(".tables\n")}) {
            SCOPED_TRACE(path.toStdString() + " with input " + input.toStdString());
            const ShellRun result = runQuilloxDb({path}, input);
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.err, "quillox-db: Database file '" + path + "' does not exist\n");
            EXPECT_FALSE(QFile::exists(path));
        }
    }
}

TEST(DbshellFileErrorTest, FileThatIsNoDatabaseIsRefusedAndLeftAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("notes.abs");
    const QByteArray content = "These are notes, not a database.\n";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const ShellRun result = runQuilloxDb({path, "-c", ".tables"});
    expectFailure(result,
                  "Cannot open file:'" + QRegularExpression::escape(path) + "' .*" + native);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), content);
}

// Runs SQL on a new file with SQLite itself, as another program would.
void makeWithSqlite(const QString& path, const char* sql) {
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &handle), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(handle, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(handle);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The shell opens a Quillox database only: it never makes one of an empty file, nor marks an
// empty or foreign database as one, whether the commands come as arguments or as input.
TEST(DbshellFileErrorTest, FilesWithoutAQuilloxDatabaseAreRefusedUnchanged) {
    QTemporaryDir dir;
    struct Case {
        const char* what;
        const char* sql; // what SQLite writes first; none leaves the file empty
        QString message;
    };
    const std::vector<Case> cases = {
        {"an empty file", nullptr, "The file '%1' is empty" + native},
        {"an empty database", "PRAGMA user_version = 7",
         "The file '%1' holds an empty database that Quillox did not make" + native},
        {"another program's database", "CREATE TABLE Notes (Text TEXT)",
         "The file '%1' is not a Quillox database" + native},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath(QString(c.what).replace(' ', '-') + ".txt");
        if (c.sql)
            makeWithSqlite(path, c.sql);
        else
            QFile(path).open(QIODevice::WriteOnly);
        const QByteArray before = contentsOf(path);
        const QString message = c.message.arg(QRegularExpression::escape(path));
        expectFailure(runQuilloxDb({path, "-c", ".tables"}), message);
        expectFailure(runQuilloxDb({path}, "CREATE TABLE Mine (ID INTEGER);\n.tables\n"), message);
        EXPECT_EQ(contentsOf(path), before);
    }
}

TEST(DbshellFileErrorTest, WrongArgumentsShowTheUsage) {
    const std::vector<QStringList> cases = {
        {}, {"main.abs", "-c"}, {"a.abs", "b.abs"}, {"-x", "a.abs"}};
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ShellRun result = runQuilloxDb(arguments);
        expectFailure(
            result,
            ".*\\(usage: quillox-db FILE \\[-c COMMAND\\]\\.\\.\\.; quillox-db --help for more\\)");
    }
}

} // namespace
} // namespace quillox::db::shell
