// Searches answered by the substring index of tag words give exactly the rows of a pass over
// the table: the same store without the index is the reference, statement by statement, before
// and after writes by the engine and by another program.

#include "child_process.h"
#include "db/sqlite_connection.h"
#include "db_fixtures.h"
#include "store_damage.h"

#include <QFile>
#include <random>

namespace quillox::db::testing {
namespace {

using quillox::testing::runWithSqlite;

// Words with wildcards of both LIKE and GLOB in them, short ones, and letters of two bytes.
const std::vector<std::string> vocabulary = {
    "TAX",    "TAXES",   "RETAX",    "BANK", "BANKS", "AB",   "A",   "ÄRZTE",
    "MÜLLER", "INVOICE", "IN_VOICE", "100%", "X*Y",   "[BR]", "Q?Z", "ÜLLÜ",
};

std::string generatedTags(std::mt19937& random) {
    std::string tags;
    const int count = std::uniform_int_distribution<int>(0, 5)(random);
    std::uniform_int_distribution<std::size_t> word(0, vocabulary.size() - 1);
    for (int i = 0; i < count; ++i)
        tags += (tags.empty() ? "" : " ") + vocabulary[word(random)];
    return tags;
}

// Documents as another program writes them, with SQLite itself: a tenth without tag words.
std::string documentRows(int firstId, int count, std::mt19937& random) {
    std::string sql = "BEGIN;";
    for (int id = firstId; id < firstId + count; ++id) {
        const std::string tags = random() % 10 == 0 ? "NULL" : "'" + generatedTags(random) + "'";
        const int day = static_cast<int>(random() % 28) + 1;
        const int month = static_cast<int>(random() % 12) + 1;
        char date[16];
        std::snprintf(date, sizeof date, "20%02d-%02d-%02d", 10 + id % 10, month, day);
        sql += "INSERT INTO Documents (ID, Document_Name, Tag_Words, Path, InputDate, Folder) "
               "VALUES (" +
               std::to_string(id) + ", 'd', " + tags + ", '/p', '" + date + "', 'F" +
               std::to_string(id % 7) + "');";
    }
    return sql + "COMMIT;";
}

// Removes the substring index with SQLite itself, leaving the rows as they are.
const char* dropSubstringIndex = "DROP TRIGGER \"Documents.Tag_Words.substrings.insert\";"
                                 "DROP TRIGGER \"Documents.Tag_Words.substrings.delete\";"
                                 "DROP TRIGGER \"Documents.Tag_Words.substrings.update\";"
                                 "DROP TABLE \"Documents.Tag_Words.substrings\";"
                                 "DROP TABLE \"Documents.Tag_Words.substrings.pending\";";

const char* const statements[] = {
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%TAX%'",
    // The search window's statement: any of two words, in a range of dates; and dates alone,
    // few and many.
    "SELECT * FROM Documents WHERE ((Tag_Words  LIKE '%BANK%')OR (Tag_Words  LIKE '%VOICE%'))AND "
    "InputDate>='2013-01-01' AND InputDate<='2013-06-30'",
    "SELECT * FROM Documents WHERE InputDate>='2013-01-01' AND InputDate<='2013-01-31'",
    "SELECT * FROM Documents WHERE InputDate>='2011-01-01' AND InputDate<='2019-06-30'",
    // Too short for trigrams, alone and beside a long word.
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%AB%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%A%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%RETAX%' OR Tag_Words LIKE '%AB%'",
    // Wildcards inside the word, and characters that are wildcards of GLOB.
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%T_XES%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%INV%CE%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%IN_VOI%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%100%%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%X*Y%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%[BR]%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%Q?Z%'",
    // Characters, not bytes, and case.
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%ÄRZ%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%_LLÜ%'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%tax%'",
    // Anchored patterns.
    "SELECT * FROM Documents WHERE Tag_Words LIKE 'TAX'",
    "SELECT * FROM Documents WHERE Tag_Words LIKE 'BANK%'",
    // NOT keeps rows without tag words out, as the pass does.
    "SELECT * FROM Documents WHERE NOT Tag_Words LIKE '%TAX%'",
    "SELECT * FROM Documents WHERE NOT (Tag_Words LIKE '%TAX%' OR Tag_Words LIKE '%BANK%')",
    "SELECT * FROM Documents WHERE Tag_Words LIKE '%MÜLLER%' OR Folder = 'F3'",
    "SELECT * FROM Documents WHERE Folder = 'F2' AND Tag_Words LIKE '%BANKS%'",
};

class SubstringSearchTest : public StoreTest {
protected:
    SubstringSearchTest() {
        runWithSqlite(storeFile(), documentRows(1, 3000, random_).c_str());
        // The opening indexes the rows that SQLite wrote behind the engine's back.
        dm_.DataModuleDestroy();
        dm_.DataModuleCreate();
        EXPECT_TRUE(QFile::copy(storeFile(), passFile()));
        runWithSqlite(passFile(), dropSubstringIndex);
        pass_.SetDatabaseName("Pass");
        pass_.SetDatabaseFileName(passFile());
        pass_.Open();
    }

    QString storeFile() const { return dm_.dbMain.DatabaseFileName(); }
    QString passFile() const { return home_.path() + "/pass.abs"; }

    static std::vector<int> idsFrom(const QString& alias, const char* statement) {
        TDbQuery query;
        query.SetDatabaseName(alias);
        query.SQL().Add(QString::fromUtf8(statement));
        query.Open();
        return idsOf(query);
    }

    // The rows as a grid reads them: counted, then page after page.
    static std::vector<int> idsByPages(const QString& alias, const char* statement) {
        TDbQuery query;
        query.SetDatabaseName(alias);
        query.SQL().Add(QString::fromUtf8(statement));
        query.Open();
        const std::int64_t count = query.RecordCount();
        std::vector<int> ids;
        std::optional<std::int64_t> last;
        for (RowBlock page; !(page = query.RowsAfter(last, 100)).rowids.empty();) {
            last = page.rowids.back();
            const std::size_t width = page.values.size() / page.rowids.size();
            for (std::size_t row = 0; row < page.rowids.size(); ++row)
                ids.push_back(static_cast<int>(std::get<std::int64_t>(page.values[row * width])));
        }
        EXPECT_EQ(count, static_cast<std::int64_t>(ids.size()));
        return ids;
    }

    // Every statement, on the store and on the reference, walked and read as a grid reads; a search
    // that finds nothing in both would prove nothing, so most must find rows.
    void expectSameRowsAsThePass() {
        int nonEmpty = 0;
        for (const char* statement : statements) {
            SCOPED_TRACE(statement);
            const std::vector<int> expected = idsFrom("Pass", statement);
            EXPECT_EQ(idsFrom("Main", statement), expected);
            EXPECT_EQ(idsByPages("Main", statement), expected);
            nonEmpty += expected.empty() ? 0 : 1;
        }
        EXPECT_GE(nonEmpty, 18);
    }

    // The same change through an engine table of each file.
    template <typename Change> void changeBoth(const Change& change) {
        TDbTable pass;
        pass.SetDatabaseName("Pass");
        pass.SetTableName("Documents");
        pass.Open();
        change(dm_.tDocuments);
        change(pass);
    }

    std::mt19937 random_{20261211};
    TDbDatabase pass_{"dbPass"};
};

TEST_F(SubstringSearchTest, FindsWhatThePassFinds) {
    expectSameRowsAsThePass();
}

TEST_F(SubstringSearchTest, FindsWhatThePassFindsAfterTheEnginesWrites) {
    changeBoth([](TDbTable& table) {
        table.Append();
        table.FieldByName("ID").SetAsInteger(5001);
        table.FieldByName("Document_Name").SetAsString("new");
        table.FieldByName("Tag_Words").SetAsString("RETAX NEWWORD");
        table.FieldByName("Path").SetAsString("/p");
        table.FieldByName("InputDate").SetAsString("2013-02-02");
        table.FieldByName("Folder").SetAsString("F1");
        table.Post();
        // An edit that takes words away and one that takes all of them.
        table.First();
        table.Edit();
        table.FieldByName("Tag_Words").SetAsString("ÄRZTE");
        table.Post();
        table.Next();
        table.Edit();
        table.FieldByName("Tag_Words").SetAsString("");
        table.Post();
        for (int i = 0; i < 5; ++i)
            table.Delete();
    });
    expectSameRowsAsThePass();
    EXPECT_EQ(idsFrom("Main", "SELECT * FROM Documents WHERE Tag_Words LIKE '%NEWWORD%'"),
              std::vector<int>{5001});
}

TEST_F(SubstringSearchTest, FindsRowsThatAnotherProgramWroteBeforeAndAfterTheNextOpening) {
    std::mt19937 again = random_;
    runWithSqlite(storeFile(), documentRows(3001, 200, random_).c_str());
    runWithSqlite(passFile(), documentRows(3001, 200, again).c_str());
    runWithSqlite(storeFile(), "UPDATE Documents SET Tag_Words = 'BANKS' WHERE ID % 3 = 0;"
                               "DELETE FROM Documents WHERE ID % 11 = 0");
    runWithSqlite(passFile(), "UPDATE Documents SET Tag_Words = 'BANKS' WHERE ID % 3 = 0;"
                              "DELETE FROM Documents WHERE ID % 11 = 0");
    expectSameRowsAsThePass();

    dm_.DataModuleDestroy();
    dm_.DataModuleCreate();
    expectSameRowsAsThePass();
    EXPECT_EQ(runWithSqlite(storeFile(),
                            "SELECT count(*) FROM \"Documents.Tag_Words.substrings.pending\""),
              "0");
}

// An older Quillox writes rows as plain statements, with the schema untrusted: the index's
// triggers must work there, where a trigger that wrote the FTS5 table would be refused.
TEST_F(SubstringSearchTest, AProgramThatKnowsNothingOfTheIndexStillWritesRows) {
    {
        SqliteConnection older(storeFile().toStdString());
        older.execute("INSERT INTO Documents (ID, Document_Name, Tag_Words, Path, InputDate, "
                      "Folder) VALUES (9001, 'old', 'OLDERWORD', '/p', '2013-03-03', 'F1');"
                      "DELETE FROM Documents WHERE ID = 17");
    }
    EXPECT_EQ(runWithSqlite(storeFile(),
                            "SELECT count(*) FROM \"Documents.Tag_Words.substrings.pending\""),
              "2");
    const char* older = "SELECT * FROM Documents WHERE Tag_Words LIKE '%OLDERWORD%'";
    EXPECT_EQ(idsFrom("Main", older), std::vector<int>{9001});
    dm_.DataModuleDestroy();
    dm_.DataModuleCreate();
    EXPECT_EQ(idsFrom("Main", older), std::vector<int>{9001});
}

// A store of an earlier version, without the index, that the user may only read.
TEST_F(SubstringSearchTest, AWriteProtectedStoreWithoutTheIndexIsSearchedByThePass) {
    std::string expected;
    for (const char* statement : statements) {
        for (const int id : idsFrom("Pass", statement))
            expected += std::to_string(id) + " ";
        expected += "\n";
    }
    dm_.DataModuleDestroy();
    runWithSqlite(storeFile(), dropSubstringIndex);
    const QByteArray before = runWithSqlite(storeFile(), "PRAGMA schema_version");
    const auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(storeFile(), readable));
    ASSERT_TRUE(QFile::setPermissions(home_.path(), readable | QFileDevice::ExeOwner |
                                                        QFileDevice::ExeGroup |
                                                        QFileDevice::ExeOther));
    const auto report = quillox::testing::reportWithoutRoot([&] {
        store::TdmData data;
        data.DataModuleCreate();
        std::string found;
        for (const char* statement : statements) {
            for (const int id : idsFrom("Main", statement))
                found += std::to_string(id) + " ";
            found += "\n";
        }
        return found;
    });
    ASSERT_TRUE(QFile::setPermissions(
        home_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    if (!report)
        GTEST_SKIP() << "needs a user whom the file's rights bind";
    EXPECT_EQ(*report, expected);
    EXPECT_EQ(runWithSqlite(storeFile(), "PRAGMA schema_version"), before);
}

TEST_F(SubstringSearchTest, ReindexBuildsTheIndexAgainFromTheTable) {
    // Rows in the index that the table does not have, as a damaged index would hold.
    runWithSqlite(storeFile(), "INSERT INTO \"Documents.Tag_Words.substrings\" (rowid, Tag_Words) "
                               "VALUES (999999, 'TAX BANK')");
    dm_.dbMain.RebuildIndexes();
    dm_.DataModuleDestroy();
    dm_.DataModuleCreate();
    expectSameRowsAsThePass();
    EXPECT_EQ(
        runWithSqlite(storeFile(), "SELECT count(*) FROM \"Documents.Tag_Words.substrings\""),
        runWithSqlite(storeFile(), "SELECT count(*) FROM Documents WHERE Tag_Words IS NOT NULL"));
}

} // namespace
} // namespace quillox::db::testing
