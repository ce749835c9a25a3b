// The grid reads its rows in pages as it shows them: whatever order the rows are visited in,
// each shows the dataset's row at that place in storage order.

#include "db/tdb_database.h"
#include "db/tdb_query.h"
#include "db/tdb_table.h"
#include "store_damage.h"
#include "widgets/dataset_grid.h"
#include "widgets/dataset_grid_model.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace quillox::widgets {
namespace {

constexpr int itemCount = 5000;

class DatasetGridTest : public ::testing::Test {
protected:
    DatasetGridTest() {
        database_.SetDatabaseName("Grid");
        database_.SetDatabaseFileName(dir_.path() + "/grid.abs");
        database_.CreateDatabase();
        db::TDbTable table;
        table.SetDatabaseName("Grid");
        table.SetTableName("Items");
        table.FieldDefs().Add("ID", db::ftInteger, 0, true);
        table.FieldDefs().Add("Name", db::ftString, 20, true);
        table.CreateTable();
        // IDs out of order, so that storage order and ID order differ.
        std::vector<int> ids(itemCount);
        std::iota(ids.begin(), ids.end(), 1);
        std::shuffle(ids.begin(), ids.end(), std::mt19937(7));
        std::string sql = "BEGIN;";
        for (const int id : ids)
            sql += "INSERT INTO Items VALUES (" + std::to_string(id) + ", 'item " +
                   std::to_string(id) + "');";
        quillox::testing::runWithSqlite(database_.DatabaseFileName(), (sql + "COMMIT;").c_str());

        query_.SetDatabaseName("Grid");
        query_.SQL().Add("SELECT Name, ID FROM Items WHERE ID >= 1001");
        query_.Open();
        for (query_.First(); !query_.Eof(); query_.Next())
            expected_.append(query_.FieldByName("Name").AsString());
    }

    QTemporaryDir dir_;
    db::TDbDatabase database_{"dbGrid"};
    db::TDbQuery query_;
    QStringList expected_;
};

TEST_F(DatasetGridTest, EveryRowShowsItsRowWhicheverWayTheGridIsScrolled) {
    ASSERT_EQ(expected_.size(), itemCount - 1000);
    const int last = static_cast<int>(expected_.size()) - 1;
    std::vector<int> randomJumps(300);
    std::mt19937 random(11);
    for (int& row : randomJumps)
        row = std::uniform_int_distribution<int>(0, last)(random);
    std::vector<int> forward(static_cast<std::size_t>(last) + 1);
    std::iota(forward.begin(), forward.end(), 0);
    std::vector<int> backward(forward.rbegin(), forward.rend());
    // Up from a jump to the middle, into rows before a page read by a jump.
    std::vector<int> upFromTheMiddle(forward.begin(), forward.begin() + last / 2);
    std::reverse(upFromTheMiddle.begin(), upFromTheMiddle.end());

    const std::pair<const char*, std::vector<int>> orders[] = {
        {"forward", forward},
        {"backward from the end", backward},
        {"random jumps", randomJumps},
        {"up from the middle", upFromTheMiddle},
    };
    for (const auto& [name, rows] : orders) {
        SCOPED_TRACE(name);
        DatasetGridModel model({"Name"}, {"Name", "Missing"});
        model.load(query_);
        ASSERT_EQ(model.rowCount(), expected_.size());
        for (const int row : rows) {
            ASSERT_EQ(model.text(row, "Name"), expected_[row]) << "row " << row;
            ASSERT_EQ(model.text(row, "Missing"), QString());
        }
    }
}

TEST_F(DatasetGridTest, AGridWhoseCountTakesTooLongGrowsAsItIsScrolledToItsEnd) {
    DatasetGridModel model({"Name"}, {"Name"});
    model.setCountBudget(std::chrono::milliseconds(0));
    model.load(query_);
    ASSERT_LT(model.rowCount(), expected_.size());
    ASSERT_GT(model.rowCount(), 0);
    while (model.canFetchMore({}))
        model.fetchMore({});
    ASSERT_EQ(model.rowCount(), expected_.size());
    for (int row = model.rowCount() - 1; row >= 0; --row)
        ASSERT_EQ(model.text(row, "Name"), expected_[row]) << "row " << row;
}

TEST_F(DatasetGridTest, TheCurrentRowGivesItsFieldsAndAClosedQueryShowsNoRows) {
    DatasetGrid grid({{"Name", "Name", 100}}, {"ID"});
    grid.load(query_);
    EXPECT_EQ(grid.currentText("Name"), expected_.front());
    grid.setCurrentIndex(grid.model()->index(grid.rowCount() - 1, 0));
    EXPECT_EQ(grid.currentText("Name"), expected_.back());
    EXPECT_EQ(grid.currentText("ID"), expected_.back().mid(5));

    // Rows of a result that is gone are not shown as if they were the new result's.
    const int row = grid.rowCount() / 2;
    query_.Close();
    EXPECT_EQ(grid.model()->data(grid.model()->index(row, 0), Qt::DisplayRole).toString(),
              QString());
    query_.SQL().Clear();
    query_.SQL().Add("SELECT Name, ID FROM Items WHERE ID <= 10");
    query_.Open();
    EXPECT_EQ(grid.model()->data(grid.model()->index(row, 0), Qt::DisplayRole).toString(),
              QString());
    grid.load(query_);
    EXPECT_EQ(grid.rowCount(), 10);
}

} // namespace
} // namespace quillox::widgets
