// Each stored change is in the file when its call returns, and a process killed in the middle
// of its writes leaves a whole database behind.

#include "db_fixtures.h"

#include <QRandomGenerator>
#include <csignal>
#include <numeric>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillox::db::testing {
namespace {

using ::testing::ElementsAre;

// The text of the first column of a query's rows, read through a connection of its own.
std::vector<std::string> readWithSqlite(const QString& path, const char* sql) {
    sqlite3* handle = nullptr;
    std::vector<std::string> rows;
    if (sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr) == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                const auto* text = sqlite3_column_text(statement, 0);
                rows.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
            }
        }
        sqlite3_finalize(statement);
    }
    if (rows.empty())
        rows.emplace_back(std::string("(failed: ") + sqlite3_errmsg(handle) + ")");
    sqlite3_close(handle);
    return rows;
}

class DurabilityTest : public EngineTest {
protected:
    DurabilityTest() { createItems(); }

    std::vector<std::string> namesInFile() {
        return readWithSqlite(databasePath(), "SELECT coalesce(group_concat(Name, ','), '') "
                                              "FROM (SELECT Name FROM Items ORDER BY rowid)");
    }
};

TEST_F(DurabilityTest, PostAndDeleteAreInTheFileWhenTheyReturn) {
    TDbTable items("tItems");
    openItems(items);
    addItems(items, {{1, "one"}, {2, "two"}});
    EXPECT_THAT(namesInFile(), ElementsAre("one,two"));

    items.First();
    items.Edit();
    items.FieldByName("Name").SetAsString("ONE");
    items.Post();
    EXPECT_THAT(namesInFile(), ElementsAre("ONE,two"));

    items.Delete();
    EXPECT_THAT(namesInFile(), ElementsAre("two"));
}

// The child appends rows with IDs from first on, and reports each ID once its Post has
// returned. It never returns to the test.
[[noreturn]] void appendUntilKilled(int first, int channel) {
    int status = 2;
    try {
        TDbTable items("tItems");
        items.SetDatabaseName("Test");
        items.SetTableName("Items");
        items.Open();
        for (int id = first;; ++id) {
            items.Append();
            items.FieldByName("ID").SetAsInteger(id);
            items.FieldByName("Name").SetAsString("r" + QString::number(id));
            items.FieldByName("Day").SetAsString("2014-01-01");
            items.Post();
            if (write(channel, &id, sizeof id) != static_cast<ssize_t>(sizeof id)) {
                status = 3;
                break;
            }
        }
    } catch (const std::exception& error) {
        const std::string text = error.what();
        [[maybe_unused]] const ssize_t ignored = write(STDERR_FILENO, text.data(), text.size());
    }
    _exit(status);
}

TEST_F(DurabilityTest, AKilledWriterLosesNoPostedRowAndLeavesAWholeFile) {
    // Nothing of the database may be open in the parent when the child starts.
    db_.Close();
    int next = 1;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        int channel[2];
        ASSERT_EQ(pipe(channel), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(channel[0]);
            appendUntilKilled(next, channel[1]);
        }
        close(channel[1]);

        // Wait for a number of posted rows, then kill the child at some moment of its next
        // writes.
        const int target = next + 30;
        int posted = 0;
        int reported = 0;
        while (posted < target && read(channel[0], &reported, sizeof reported) == sizeof reported)
            posted = reported;
        usleep(QRandomGenerator::global()->bounded(3000));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        close(channel[0]);
        ASSERT_EQ(posted, target) << "the writer stopped early";
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        // Every reported row is there, in order, whole; at most rows after it were added.
        TDbTable items("tItems");
        openItems(items);
        const std::vector<int> ids = idsOf(items);
        ASSERT_GE(static_cast<int>(ids.size()), posted);
        std::vector<int> expected(ids.size());
        std::iota(expected.begin(), expected.end(), 1);
        ASSERT_EQ(ids, expected);
        for (items.First(); !items.Eof(); items.Next()) {
            const int id = items.FieldByName("ID").AsInteger();
            ASSERT_EQ(items.FieldByName("Name").AsString(), "r" + QString::number(id));
            ASSERT_EQ(items.FieldByName("Day").AsString(), "2014-01-01");
        }
        next = static_cast<int>(ids.size()) + 1;
        db_.Close();
        EXPECT_THAT(readWithSqlite(databasePath(), "PRAGMA integrity_check"), ElementsAre("ok"));
    }
}

} // namespace
} // namespace quillox::db::testing
