#include "child_process.h"
#include "db/content_fingerprints.h"
#include "db/sqlite_connection.h"
#include "platform/user_error.h"
#include "store/file_document.h"
#include "store/stored_file_name.h"
#include "store/tag_words.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "test_files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using quillox::store::fileDocument;
using quillox::store::FilingInput;
using quillox::testing::contentsOf;
using quillox::testing::entriesOf;
using quillox::testing::ordinaryUserId;
using quillox::testing::overwriteKeepingTime;
using quillox::testing::patternBytes;
using quillox::testing::reportFromChild;
using quillox::testing::reportWithoutRoot;
using quillox::testing::writeFile;

struct DocumentRow {
    int id = 0;
    QString name;
    QString tags;
    QString description;
    QString path;
    QDate date;
    QString folder;
};

class FileDocument : public ::testing::Test {
protected:
    void SetUp() override { data.DataModuleCreate(); }

    QString source(const QString& name, const QByteArray& bytes) {
        const QString path = home.path() + "/incoming/" + name;
        writeFile(path, bytes);
        return path;
    }

    static FilingInput inputFor(const QString& sourcePath) {
        return {sourcePath,
                "Invoice",
                "Garden centre, paid by card",
                "tax  Invoice 'water bill' tax",
                QDateTime(QDate(2013, 3, 4), QTime(10, 0)),
                "HOUSE"};
    }

    std::vector<DocumentRow> documents() {
        std::vector<DocumentRow> rows;
        auto& table = data.tDocuments;
        for (table.First(); !table.Eof(); table.Next()) {
            rows.push_back(
                {table.FieldByName("ID").AsInteger(), table.FieldByName("Document_Name").AsString(),
                 table.FieldByName("Tag_Words").AsString(),
                 table.FieldByName("Description").AsString(), table.FieldByName("Path").AsString(),
                 table.FieldByName("InputDate").AsDateTime().date(),
                 table.FieldByName("Folder").AsString()});
        }
        return rows;
    }

    QStringList terms() {
        QStringList words;
        auto& table = data.tSearchTerms;
        for (table.First(); !table.Eof(); table.Next())
            words << table.FieldByName("Term").AsString();
        return words;
    }

    void insertDocument(int id) {
        auto& table = data.tDocuments;
        table.Append();
        table.FieldByName("ID").SetAsInteger(id);
        table.FieldByName("Document_Name").SetAsString("Older");
        table.FieldByName("Path").SetAsString("/elsewhere/older.pdf");
        table.FieldByName("InputDate").SetAsDateTime(QDateTime::currentDateTime());
        table.FieldByName("Folder").SetAsString("HOUSE");
        table.Post();
    }

    // Files in a child process, which the filing may limit first, and tells how the filing
    // ended and what the store holds then.
    std::string fileInChild(const std::function<bool()>& file) {
        return reportFromChild([&] {
            std::string outcome;
            try {
                outcome = file() ? "filed" : "cancelled";
            } catch (const std::exception& error) {
                outcome = error.what();
            }
            return outcome + "\n" + std::to_string(documents().size()) + " rows, " +
                   std::to_string(terms().size()) + " terms, " +
                   std::to_string(entriesOf(home.storeFolder()).size()) + " files";
        });
    }

    QString storedName(const QString& name, const QDateTime& moment, const QString& extension,
                       int counter = 1) const {
        return quillox::store::storedFileName(home.storeFolder(), name, moment, "x" + extension,
                                              counter);
    }

    quillox::testing::TempHome home;
    quillox::store::TdmData data;
};

TEST_F(FileDocument, RecordsTheRowOnlyAfterAFaithfulCopy) {
    const QByteArray bytes = patternBytes(100'000);
    const QString path = source("march.PDF", bytes);
    qint64 reported = 0;
    const QDateTime before = QDateTime::currentDateTime();

    ASSERT_TRUE(fileDocument(data, inputFor(path), [&](qint64 copied, qint64) {
        reported = copied;
        return true;
    }));

    const QDateTime after = QDateTime::currentDateTime();
    const auto rows = documents();
    ASSERT_EQ(rows.size(), 1u);
    const DocumentRow& row = rows[0];
    EXPECT_EQ(row.id, 1);
    EXPECT_EQ(row.name, "Invoice");
    EXPECT_EQ(row.tags, "TAX  INVOICE 'WATER BILL' TAX");
    EXPECT_EQ(row.description, "Garden centre, paid by card");
    EXPECT_EQ(row.date, QDate(2013, 3, 4)) << "the picker's date, not the day of filing";
    EXPECT_EQ(row.folder, "HOUSE");
    EXPECT_TRUE(row.path == storedName("Invoice", before, ".PDF") ||
                row.path == storedName("Invoice", after, ".PDF"))
        << row.path.toStdString();
    EXPECT_EQ(contentsOf(row.path), bytes);
    EXPECT_EQ(contentsOf(path), bytes) << "the source stays where it was";
    EXPECT_EQ(entriesOf(home.storeFolder()), QStringList({QFileInfo(row.path).fileName()}));
    EXPECT_EQ(reported, bytes.size());
    EXPECT_EQ(terms(), QStringList({"TAX", "INVOICE", "'WATER BILL'"}));

    const auto fingerprints = quillox::db::readFingerprints(data.dbMain.Connection());
    ASSERT_EQ(fingerprints.size(), 1u);
    const auto& [name, fingerprint] = *fingerprints.begin();
    EXPECT_EQ(QString::fromStdString(name), QFileInfo(row.path).fileName());
    EXPECT_EQ(fingerprint.documentId, 1);
    EXPECT_EQ(fingerprint.size, bytes.size());
    EXPECT_EQ(fingerprint.modifiedNs,
              QFileInfo(row.path).lastModified().toMSecsSinceEpoch() * 1'000'000 +
                  fingerprint.modifiedNs % 1'000'000);
    EXPECT_EQ(QByteArray::fromStdString(fingerprint.sha256),
              QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// The source changes in place as soon as its last chunk is copied, keeping its size and time,
// so the copy cannot tell: the fingerprint must still be that of the bytes the copy holds, not
// of the source as it is afterwards.
TEST_F(FileDocument, TheFingerprintIsOfTheBytesTheCopyHoldsWhenTheSourceChangesAfterwards) {
    const QByteArray bytes = patternBytes(64 * 1024 * 1024);
    const QString path = source("large.pdf", bytes);
    ASSERT_TRUE(fileDocument(data, inputFor(path), [&](qint64 copied, qint64 total) {
        if (copied == total)
            overwriteKeepingTime(path, total - 4096, QByteArray(4096, '!'));
        return true;
    }));

    const QString copy = documents().back().path;
    EXPECT_EQ(contentsOf(copy), bytes);
    const auto fingerprints = quillox::db::readFingerprints(data.dbMain.Connection());
    ASSERT_EQ(fingerprints.size(), 1u);
    EXPECT_EQ(QByteArray::fromStdString(fingerprints.begin()->second.sha256),
              QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

TEST_F(FileDocument, TakesTheIdAfterTheLargestPresent) {
    for (const int id : {1, 2, 3, 4, 7})
        insertDocument(id);
    ASSERT_TRUE(fileDocument(data, inputFor(source("a.pdf", "bytes")), {}));
    EXPECT_EQ(documents().back().id, 8);
}

TEST_F(FileDocument, KeepsAwkwardNamesAndTagsAsTypedAndTheCopyInTheStore) {
    struct Case {
        QString name;
        QString tags;
        QString storedTags;
    };
    const Case cases[] = {
        {"O'Neil's invoice", "o'neil \"big\" bill", "O'NEIL \"BIG\" BILL"},
        {"Tom & Jerry \"Ltd\"", "a&b it's", "A&B IT'S"},
        {"..", "..", ".."},
        {"../../../outside", "../x", "../X"},
        {"Счёт Müller 東京", "straße café", "STRAßE CAFé"},
        {QString(300, 'x'), "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.left(40).toStdString());
        const QByteArray bytes = c.name.toUtf8() + "\ncontents";
        FilingInput input = inputFor(source("doc.pdf", bytes));
        input.documentName = c.name;
        input.tagWords = c.tags;
        ASSERT_TRUE(fileDocument(data, input, {}));

        const DocumentRow row = documents().back();
        EXPECT_EQ(row.name, c.name.left(100)) << "the engine keeps the first 100 bytes";
        EXPECT_EQ(row.tags, c.storedTags);
        EXPECT_EQ(QFileInfo(row.path).absolutePath() + "/", home.storeFolder());
        EXPECT_EQ(contentsOf(row.path), bytes);
    }
    EXPECT_EQ(entriesOf(home.storeFolder()).size(), std::size(cases));
    EXPECT_EQ(entriesOf(home.path() + "/Documents"), QStringList({"Quillox"}));
}

TEST_F(FileDocument, RefusesASourceThatCannotBeCopiedBeforeRecordingAnything) {
    const QString gone = source("gone.pdf", "bytes");
    ASSERT_TRUE(QFile::remove(gone));
    const QString folder = home.path() + "/incoming/Taxes";
    ASSERT_TRUE(QDir().mkpath(folder));
    struct Case {
        QString source;
        QString message;
    };
    const Case cases[] = {
        {gone, "The file \"" + gone + "\" could not be read: No such file or directory."},
        {folder, "\"" + folder + "\" is a folder, not a file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        try {
            fileDocument(data, inputFor(c.source), {});
            ADD_FAILURE() << "filed";
        } catch (const quillox::platform::UserError& error) {
            EXPECT_EQ(error.what(), c.message.toStdString());
        }
    }
    EXPECT_TRUE(documents().empty());
    EXPECT_TRUE(terms().empty());
    EXPECT_TRUE(entriesOf(home.storeFolder()).empty());
}

// Hands the home to the ordinary user, all but the store folder, which only root may write.
void lockStoreFolderFromOrdinaryUser(const QString& home, const QString& storeFolder) {
    QDirIterator entries(home, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    ASSERT_EQ(lchown(QFile::encodeName(home).constData(), ordinaryUserId, ordinaryUserId), 0);
    while (entries.hasNext()) {
        ASSERT_EQ(
            lchown(QFile::encodeName(entries.next()).constData(), ordinaryUserId, ordinaryUserId),
            0);
    }
    ASSERT_EQ(chown(QFile::encodeName(storeFolder).constData(), 0, 0), 0);
}

TEST_F(FileDocument, AStoreFolderThatCannotBeWrittenIsReportedAndNothingIsFiled) {
    const QString path = source("march.pdf", "bytes");
    ASSERT_TRUE(QDir().mkpath(home.storeFolder()));
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                          QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(home.storeFolder(), readOnly));
    if (geteuid() == 0)
        lockStoreFolderFromOrdinaryUser(home.path(), home.storeFolder());

    const auto report = reportWithoutRoot([&] {
        std::string message = "filed";
        try {
            fileDocument(data, inputFor(path), {});
        } catch (const std::exception& error) {
            message = error.what();
        }
        return message + "\n" + std::to_string(documents().size()) + " rows";
    });
    QFile::setPermissions(home.storeFolder(), readOnly | QFileDevice::WriteOwner);
    if (!report)
        GTEST_SKIP() << "cannot run as an ordinary user";

    const std::string expectedStart = "The file \"" + path.toStdString() +
                                      "\" could not be copied to \"" +
                                      (home.storeFolder() + "Invoice").toStdString();
    EXPECT_EQ(report->substr(0, expectedStart.size()), expectedStart) << *report;
    EXPECT_TRUE(report->ends_with(".pdf\": Permission denied.\n0 rows")) << *report;
    EXPECT_TRUE(entriesOf(home.storeFolder()).empty());
}

TEST_F(FileDocument, MakesTheStoreFolderAgainWhenItWasDeleted) {
    ASSERT_TRUE(fileDocument(data, inputFor(source("a.pdf", "first")), {}));
    ASSERT_TRUE(QDir(home.storeFolder()).removeRecursively());

    ASSERT_TRUE(fileDocument(data, inputFor(source("b.pdf", "second")), {}));
    EXPECT_EQ(contentsOf(documents().back().path), "second");
}

TEST_F(FileDocument, NeverReplacesAStoredCopyOfTheSameName) {
    // Whatever the minute of the filing, its first-choice name is taken.
    const QDateTime now = QDateTime::currentDateTime();
    const QStringList planted = {storedName("Invoice", now, ".pdf"),
                                 storedName("Invoice", now.addSecs(60), ".pdf")};
    for (const QString& path : planted)
        writeFile(path, "planted");

    ASSERT_TRUE(fileDocument(data, inputFor(source("a.pdf", "first")), {}));
    ASSERT_TRUE(fileDocument(data, inputFor(source("b.pdf", "second")), {}));

    const auto rows = documents();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[0].path.endsWith(" (2).pdf")) << rows[0].path.toStdString();
    EXPECT_NE(rows[0].path, rows[1].path);
    EXPECT_EQ(contentsOf(rows[0].path), "first");
    EXPECT_EQ(contentsOf(rows[1].path), "second");
    for (const QString& path : planted)
        EXPECT_EQ(contentsOf(path), "planted");
}

TEST_F(FileDocument, ACancelledCopyLeavesNoRowAndNoFile) {
    const QString path = source("a.pdf", patternBytes(1000));
    EXPECT_FALSE(fileDocument(data, inputFor(path), [](qint64, qint64) { return false; }));
    EXPECT_TRUE(documents().empty());
    EXPECT_TRUE(entriesOf(home.storeFolder()).empty());
}

TEST_F(FileDocument, AFilingThatDoesNotFinishLeavesNoRowNoFileAndNoWords) {
    constexpr qint64 chunk = 8 * 1024 * 1024;
    const QByteArray bytes = patternBytes(2 * chunk + 5);
    const QString path = source("a.pdf", bytes);
    const std::string copyFailure = "The file \"" + path.toStdString() + "\" could not be copied";
    struct Case {
        const char* what;
        std::function<bool()> file;
        std::string outcomeStart;
    };
    const Case cases[] = {
        {"cancelled",
         [&] { return fileDocument(data, inputFor(path), [](qint64, qint64) { return false; }); },
         "cancelled"},
        {"source cut short while copied",
         [&] {
             return fileDocument(data, inputFor(path), [&](qint64, qint64) {
                 QFile::resize(path, 10);
                 return true;
             });
         },
         "The file \"" + path.toStdString() + "\" changed while it was being copied"},
        // The file size limit makes the copy's second chunk fail as a full disk would.
        {"disk full",
         [&] {
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{chunk, chunk};
             return setrlimit(RLIMIT_FSIZE, &limit) == 0 && fileDocument(data, inputFor(path), {});
         },
         copyFailure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(path, bytes);
        const std::string report = fileInChild(c.file);
        EXPECT_TRUE(report.starts_with(c.outcomeStart)) << report;
        EXPECT_TRUE(report.ends_with("\n0 rows, 0 terms, 0 files")) << report;
    }
}

// A store folder on a small file system, full or read-only, as root can make one: the
// system's reason is told, and nothing of the filing stays.
TEST_F(FileDocument, AFullOrReadOnlyStoreFolderIsToldAndLeavesNothing) {
    const QString path = source("a.pdf", patternBytes(3 * 1024 * 1024));
    const struct {
        const char* what;
        unsigned long flags;
        const char* reason;
    } cases[] = {
        {"full", 0, "No space left on device"},
        {"read-only", MS_RDONLY, "Read-only file system"},
    };
    ASSERT_TRUE(QDir().mkpath(home.storeFolder()));
    const QByteArray folder = QFile::encodeName(home.storeFolder());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (::mount("tmpfs", folder.constData(), "tmpfs", c.flags, "size=1m") != 0)
            GTEST_SKIP() << "mounting a small file system needs root";
        try {
            fileDocument(data, inputFor(path), {});
            ADD_FAILURE() << "filed";
        } catch (const quillox::platform::UserError& error) {
            EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
        }
        EXPECT_TRUE(entriesOf(home.storeFolder()).empty());
        ::umount2(folder.constData(), MNT_DETACH);
        EXPECT_TRUE(documents().empty());
        EXPECT_TRUE(terms().empty());
    }
}

// The database folder made read-only by a mount, as root can: the start tells it once, and a
// filing is refused before anything is copied; a full disk names the folder and what to do.
TEST_F(FileDocument, ADatabaseThatCannotBeWrittenIsNamedAndRefusedBeforeTheCopy) {
    const QString path = source("a.pdf", patternBytes(64 * 1024));
    ASSERT_TRUE(QDir().mkpath(home.storeFolder()));
    data.DataModuleDestroy();
    const QByteArray folder = QFile::encodeName(home.databaseFolder());
    if (::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "mounting needs root";
    const bool readOnly = ::mount(nullptr, folder.constData(), nullptr,
                                  MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    std::string message = "filed";
    QString notice;
    if (readOnly) {
        data.DataModuleCreate();
        notice = data.ReadOnlyNotice();
        try {
            fileDocument(data, inputFor(path), {});
        } catch (const std::exception& error) {
            message = error.what();
        }
        data.DataModuleDestroy();
    }
    ::umount2(folder.constData(), MNT_DETACH);
    ASSERT_TRUE(readOnly);
    const std::string file = (home.databaseFolder() + "main.abs").toStdString();
    EXPECT_EQ(message, "The database file '" + file +
                           "' can only be read, so nothing can be changed in it. Check the "
                           "permissions of the file and of its folder - Native error: 20008");
    EXPECT_TRUE(notice.startsWith(QString::fromStdString(message).section(" - ", 0, 0)))
        << notice.toStdString();
    EXPECT_TRUE(notice.contains("shows and searches")) << notice.toStdString();
    EXPECT_TRUE(entriesOf(home.storeFolder()).empty());
    data.DataModuleCreate();
    EXPECT_TRUE(data.ReadOnlyNotice().isEmpty());
    EXPECT_TRUE(documents().empty());
}

TEST_F(FileDocument, AFullDiskUnderTheDatabaseIsNamedWithWhatToDo) {
    data.DataModuleDestroy();
    const QString databaseFolder = home.databaseFolder();
    const QByteArray folder = QFile::encodeName(databaseFolder);
    const QByteArray database = contentsOf(databaseFolder + "main.abs");
    if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    writeFile(databaseFolder + "main.abs", database);
    // What is left of the file system after the database is taken by a file of no use.
    QFile filler(databaseFolder + "filler");
    EXPECT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) > 0 && filler.flush()) {
    }
    filler.close();
    std::string message = "filed";
    try {
        data.DataModuleCreate();
        fileDocument(data, inputFor(source("a.pdf", "bytes")), {});
    } catch (const std::exception& error) {
        message = error.what();
    }
    data.DataModuleDestroy();
    ::umount2(folder.constData(), MNT_DETACH);
    EXPECT_TRUE(message.starts_with(
        "The disk that holds the folder '" + databaseFolder.chopped(1).toStdString() +
        "' is full, so the database file '" + (databaseFolder + "main.abs").toStdString() +
        "' could not be written. Free some space on that disk"))
        << message;
}

TEST_F(FileDocument, TheVocabularyTakesOnlyTheTagWordsTheRowKeeps) {
    // Eight bytes to a word with its space: the row's 500 bytes end inside the 63rd word.
    QStringList words;
    for (int i = 1; i <= 80; ++i)
        words << QString("word%1").arg(i, 3, 10, QChar('0'));
    FilingInput input = inputFor(source("a.pdf", "bytes"));
    input.tagWords = words.join(' ');

    ASSERT_TRUE(fileDocument(data, input, {}));
    const QString kept = documents().back().tags;
    EXPECT_EQ(kept.size(), 500);
    EXPECT_TRUE(kept.endsWith("WORD062 WORD")) << kept.right(20).toStdString();
    EXPECT_EQ(terms(), quillox::store::splitWords(kept));
}

TEST_F(FileDocument, AStoreFolderThatCannotBeMadeIsNamedWithTheSystemsReason) {
    const QString path = source("a.pdf", "bytes");
    // A file where the documents folder belongs refuses the store folder even to root, whom
    // permission bits would not stop.
    writeFile(home.path() + "/Documents", "not a folder");
    try {
        fileDocument(data, inputFor(path), {});
        ADD_FAILURE() << "filed";
    } catch (const quillox::platform::UserError& error) {
        EXPECT_EQ(error.what(), "The store folder \"" + home.path().toStdString() +
                                    "/Documents/Quillox\" could not be created: Not a directory.");
    }
    EXPECT_TRUE(documents().empty());
    EXPECT_TRUE(terms().empty());
}

TEST_F(FileDocument, ARowThatCannotBePostedLeavesNoCopy) {
    FilingInput input = inputFor(source("a.pdf", "bytes"));
    input.folder.clear();
    try {
        fileDocument(data, input, {});
        ADD_FAILURE() << "filed";
    } catch (const std::exception& error) {
        EXPECT_EQ(std::string(error.what()), "Field 'Folder' must have a value");
    }
    EXPECT_TRUE(documents().empty());
    EXPECT_TRUE(entriesOf(home.storeFolder()).empty());

    // The table is left usable for the next filing.
    ASSERT_TRUE(fileDocument(data, inputFor(input.sourcePath), {}));
    EXPECT_EQ(documents().size(), 1u);
}

// Another program's write transaction on the store's file, such as quillox-db's, held until
// release or the end of the object.
class OtherProgramsTransaction {
public:
    explicit OtherProgramsTransaction(const QString& file) {
        sqlite3_open_v2(QFile::encodeName(file).constData(), &handle_, SQLITE_OPEN_READWRITE,
                        nullptr);
        EXPECT_EQ(sqlite3_exec(handle_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    ~OtherProgramsTransaction() { sqlite3_close(handle_); }
    void release() { sqlite3_exec(handle_, "COMMIT", nullptr, nullptr, nullptr); }

private:
    sqlite3* handle_ = nullptr;
};

TEST_F(FileDocument, ABusyDatabaseIsWaitedForAWhileThenNamedAsBusy) {
    const QString path = source("a.pdf", "bytes");
    const QString database = home.databaseFolder() + "main.abs";
    {
        OtherProgramsTransaction other(database);
        std::jthread releasing([&] {
            std::this_thread::sleep_for(std::chrono::seconds(3));
            other.release();
        });
        EXPECT_TRUE(fileDocument(data, inputFor(path), {}));
    }
    EXPECT_EQ(documents().size(), 1u);

    OtherProgramsTransaction other(database);
    try {
        fileDocument(data, inputFor(path), {});
        ADD_FAILURE() << "filed";
    } catch (const std::exception& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The database \"" + database.toStdString() +
                      "\" is busy: another program is using it (for example quillox-db). Try "
                      "again when it has finished - Native error: 20005");
    }
    other.release();
    EXPECT_EQ(documents().size(), 1u);
    EXPECT_EQ(entriesOf(home.storeFolder()).size(), 1);
}

} // namespace
