// The cursor of tables and queries: traversal order, Eof, and which row is current after
// each change.

#include "db_fixtures.h"

namespace quillox::db::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class CursorTest : public EngineTest {
protected:
    CursorTest() {
        createItems();
        openItems(items_);
    }

    TDbTable items_{"tItems"};
};

TEST_F(CursorTest, RowsAreReadInTheOrderTheyWereAppendedNotByID) {
    addItems(items_, {{5, "five"}, {2, "two"}, {9, "nine"}});
    EXPECT_THAT(idsOf(items_), ElementsAre(5, 2, 9));

    // The order is the file's, not the component's memory of it.
    db_.Close();
    openItems(items_);
    EXPECT_THAT(idsOf(items_), ElementsAre(5, 2, 9));
    EXPECT_THAT(select("SELECT * FROM Items"), ElementsAre("5", "2", "9"));
}

TEST_F(CursorTest, NextOnTheLastRowSetsEofAndLeavesTheRowReadable) {
    addItems(items_, {{1, "one"}, {2, "two"}});
    items_.First();
    EXPECT_FALSE(items_.Eof());
    items_.Next();
    EXPECT_FALSE(items_.Eof());
    for (int i = 0; i < 2; ++i) {
        items_.Next();
        EXPECT_TRUE(items_.Eof());
        EXPECT_EQ(items_.FieldByName("ID").AsInteger(), 2);
        EXPECT_EQ(items_.FieldByName("Name").AsString(), "two");
    }
}

TEST_F(CursorTest, AnEmptyTableIsAtEofAndEveryColumnReadsAsNothing) {
    items_.First();
    EXPECT_TRUE(items_.Eof());
    items_.Next();
    EXPECT_TRUE(items_.Eof());
    EXPECT_EQ(items_.FieldByName("Name").AsString(), "");
    EXPECT_EQ(items_.FieldByName("ID").AsInteger(), 0);
    EXPECT_FALSE(items_.FieldByName("Day").AsDateTime().isValid());
    EXPECT_EQ(errorOf([&] { items_.Edit(); }),
              "tItems: Cannot perform this operation on an empty dataset");
}

TEST_F(CursorTest, WalksPastManyRowsInOrder) {
    // Enough rows that a walk reads several batches.
    std::vector<int> ids;
    for (int id = 900; id > 0; id -= 3) {
        addItem(items_, {id, "n"});
        ids.push_back(id);
    }
    EXPECT_THAT(idsOf(items_), ElementsAreArray(ids));
}

TEST_F(CursorTest, AppendedRowBecomesCurrentAfterTheOthers) {
    addItems(items_, {{1, "one"}, {2, "two"}});
    items_.First();
    addItem(items_, {3, "three"});
    EXPECT_FALSE(items_.Eof());
    EXPECT_EQ(currentId(items_), 3);
    items_.Next();
    EXPECT_TRUE(items_.Eof());
    EXPECT_THAT(idsOf(items_), ElementsAre(1, 2, 3));
}

TEST_F(CursorTest, EditedRowKeepsItsPlaceAndStaysCurrent) {
    addItems(items_, {{1, "one"}, {2, "two"}, {3, "three"}});
    moveTo(items_, 2);
    items_.Edit();
    items_.FieldByName("ID").SetAsInteger(20);
    items_.FieldByName("Name").SetAsString("twenty");
    items_.Post();
    EXPECT_EQ(currentId(items_), 20);
    items_.Next();
    EXPECT_EQ(currentId(items_), 3);
    EXPECT_THAT(idsOf(items_), ElementsAre(1, 20, 3));
}

struct DeleteCase {
    const char* what;
    const char* filter; // empty: unfiltered
    int deleted;
    std::vector<int> remaining;
    std::optional<int> current;
};

// Rows 1 to 5; the odd ones are named "odd".
const DeleteCase deleteCases[] = {
    {"middle of three", "ID <= 3", 2, {1, 3}, 3},
    {"first row", "", 1, {2, 3, 4, 5}, 2},
    {"last row", "", 5, {1, 2, 3, 4}, 4},
    {"middle visible row skips a hidden one", "Name = 'odd'", 3, {1, 5}, 5},
    {"last visible row goes back over a hidden one", "Name = 'odd'", 5, {1, 3}, 3},
    {"only visible row", "ID = 4", 4, {}, std::nullopt},
};

TEST_F(CursorTest, DeleteMakesTheNextVisibleRowCurrentElseThePreviousOne) {
    for (const DeleteCase& c : deleteCases) {
        SCOPED_TRACE(c.what);
        items_.SetFiltered(false);
        items_.First();
        while (!items_.Eof())
            items_.Delete();
        addItems(items_, {{1, "odd"}, {2, "even"}, {3, "odd"}, {4, "even"}, {5, "odd"}});
        items_.SetFilter(c.filter);
        items_.SetFiltered(true);
        moveTo(items_, c.deleted);

        items_.Delete();

        EXPECT_EQ(items_.State(), TDataSetState::dsBrowse);
        EXPECT_EQ(currentId(items_), c.current);
        EXPECT_EQ(items_.Eof(), !c.current.has_value());
        EXPECT_THAT(idsOf(items_), ElementsAreArray(c.remaining));
    }
}

TEST_F(CursorTest, ALoopThatDeletesAsItGoesVisitsEveryRowOnce) {
    addItems(items_, {{1, "a"}, {2, "b"}, {4, "c"}, {5, "d"}, {6, "e"}});
    items_.First();
    std::vector<int> seen;
    while (!items_.Eof()) {
        const int id = items_.FieldByName("ID").AsInteger();
        seen.push_back(id);
        if (id % 2 == 0)
            items_.Delete();
        else
            items_.Next();
    }
    // Deleting 6, the last row, makes 5 current again without Eof.
    EXPECT_THAT(seen, ElementsAre(1, 2, 4, 5, 6, 5));
    EXPECT_THAT(idsOf(items_), ElementsAre(1, 5));

    items_.First();
    while (!items_.Eof())
        items_.Delete();
    EXPECT_THAT(idsOf(items_), ElementsAre());
    EXPECT_FALSE(currentId(items_).has_value());
}

TEST_F(CursorTest, DeleteRightAfterEditRemovesTheRowAndDropsTheEdit) {
    addItems(items_, {{1, "one"}, {2, "two"}, {3, "three"}});
    moveTo(items_, 2);
    items_.Edit();
    items_.FieldByName("Name").SetAsString("changed");
    items_.Delete();
    EXPECT_EQ(items_.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(currentId(items_), 3);
    EXPECT_THAT(idsOf(items_), ElementsAre(1, 3));
    EXPECT_THAT(columnOf(items_, "Name"), ElementsAre("one", "three"));
}

TEST_F(CursorTest, EachComponentHasItsOwnCursorAndSeesTheOthersChanges) {
    addItems(items_, {{1, "one"}, {2, "two"}, {3, "three"}, {4, "four"}});
    TDbTable other("tOther");
    openItems(other);
    TDbQuery query("qItems");
    query.SetDatabaseName("Test");
    query.SQL().Add("SELECT * FROM Items");
    query.Open();

    moveTo(items_, 2);
    other.Next();
    other.Next();
    EXPECT_EQ(currentId(items_), 2);
    EXPECT_EQ(currentId(other), 3);
    EXPECT_EQ(currentId(query), 1);

    // A change through one component shows when another moves on to the changed rows.
    other.Delete();
    other.Edit();
    other.FieldByName("Name").SetAsString("FOUR");
    other.Post();
    items_.Next();
    EXPECT_EQ(currentId(items_), 4);
    EXPECT_EQ(items_.FieldByName("Name").AsString(), "FOUR");
}

TEST_F(CursorTest, EditThroughOneComponentStartsFromWhatAnotherPosted) {
    addItems(items_, {{1, "one", "x"}, {2, "two", "y"}});
    TDbTable other("tOther");
    openItems(other);
    moveTo(items_, 2);
    moveTo(other, 2);

    other.Edit();
    other.FieldByName("Name").SetAsString("TWO");
    other.Post();
    items_.Edit();
    items_.FieldByName("Note").SetAsString("z");
    items_.Post();

    EXPECT_THAT(columnOf(other, "Name"), ElementsAre("one", "TWO"));
    EXPECT_THAT(columnOf(other, "Note"), ElementsAre("x", "z"));
}

TEST_F(CursorTest, PostingAnEditOfARowThatAnotherComponentDeletedFails) {
    addItems(items_, {{1, "one"}, {2, "two"}});
    TDbTable other("tOther");
    openItems(other);
    moveTo(items_, 2);
    moveTo(other, 2);

    items_.Edit();
    items_.FieldByName("Name").SetAsString("TWO");
    other.Delete();
    EXPECT_EQ(errorOf([&] { items_.Post(); }), "tItems: The row being edited no longer exists");
    EXPECT_EQ(items_.State(), TDataSetState::dsEdit);
    EXPECT_THAT(columnOf(other, "Name"), ElementsAre("one"));
}

TEST_F(CursorTest, ClosingTheDatabaseClosesItsDatasetsAndTheyOpenItAgain) {
    addItems(items_, {{1, "one"}});
    TDbQuery query("qItems");
    query.SetDatabaseName("Test");
    query.SQL().Add("SELECT * FROM Items");
    query.Open();

    db_.Close();
    EXPECT_FALSE(db_.Connected());
    EXPECT_FALSE(items_.Active());
    EXPECT_FALSE(query.Active());
    EXPECT_TRUE(query.Eof());

    query.Open();
    EXPECT_TRUE(db_.Connected());
    EXPECT_THAT(idsOf(query), ElementsAre(1));
}

} // namespace
} // namespace quillox::db::testing
