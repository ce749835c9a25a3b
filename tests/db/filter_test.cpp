// The row filter of tables: what a filter text shows, and how switching it on and off and
// changing its text move the cursor.

#include "db_fixtures.h"

namespace quillox::db::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class FilterTest : public StoreTest {
protected:
    FilterTest() {
        struct Folder {
            int id;
            const char* name;
            const char* parent;
        };
        const Folder folders[] = {
            {1, "TAX FOLDER", "-"},     {2, "BANK SUBFOLDER", "TAX FOLDER"},
            {3, "O'BRIEN FOLDER", "-"}, {4, "SAY \"HI\" SUBFOLDER", "tax folder"},
            {5, "HOME FOLDER", "-"},    {6, "2014 SUBFOLDER", "O'BRIEN FOLDER"},
        };
        for (const Folder& folder : folders) {
            folders_.Append();
            folders_.FieldByName("ID").SetAsInteger(folder.id);
            folders_.FieldByName("Name").SetAsString(folder.name);
            folders_.FieldByName("Parent").SetAsString(folder.parent);
            folders_.FieldByName("Picture").SetAsInteger(folder.id - 2);
            folders_.Post();
        }
    }

    // The system's only filter form.
    void showChildrenOf(const QString& parent) {
        folders_.SetFiltered(false);
        folders_.SetFilter("Parent = \"" + parent + "\"");
        folders_.SetFiltered(true);
    }

    TDbTable& folders_ = dm_.tFolders;
};

TEST_F(FilterTest, AFilterShowsExactlyTheRowsItIsTrueFor) {
    struct Case {
        const char* filter;
        std::vector<int> visible;
    };
    const Case cases[] = {
        {"Parent = \"-\"", {1, 3, 5}},
        {"Parent = '-'", {1, 3, 5}},
        {"Parent = \"TAX FOLDER\"", {2}}, // not 4, whose parent differs in case only
        {"Parent = \"tax folder\"", {4}},
        {"Parent = \"TAX\"", {}},
        {"Name = \"O'BRIEN FOLDER\"", {3}},
        {"Name = 'O''BRIEN FOLDER'", {3}},
        {"Name = \"SAY \"\"HI\"\" SUBFOLDER\"", {4}},
        {"Parent = \"O'BRIEN FOLDER\" OR Name = \"HOME FOLDER\"", {5, 6}},
        {"Parent = \"TAX FOLDER\" OR Parent = 'tax folder' OR Parent = \"-\"", {1, 2, 3, 4, 5}},
        {"Name = 'NONE' OR Name = \"O'BRIEN FOLDER\" OR Name = 'NONE'", {3}},
        {"Picture = '1' OR Picture = 3", {3, 5}},
        {"Parent = \"-\" AND Picture >= 1", {3, 5}},
        {"Picture <= '-1'", {1}},
        {"Name LIKE '%SUB%'", {2, 4, 6}},
        {"  \n", {1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        folders_.SetFiltered(false);
        folders_.SetFilter(c.filter);
        folders_.SetFiltered(true);
        EXPECT_THAT(idsOf(folders_), ElementsAreArray(c.visible));
    }
}

TEST_F(FilterTest, SwitchingAndChangingTheFilterMovesTheCursorAsTheBrowseWindowNeeds) {
    folders_.First();
    folders_.Next();
    folders_.Next();
    folders_.Next(); // on 4, which the filter hides
    showChildrenOf("-");
    EXPECT_EQ(currentId(folders_), 1);

    folders_.Next();
    EXPECT_EQ(currentId(folders_), 3);
    folders_.SetFiltered(false);
    EXPECT_EQ(currentId(folders_), 3);
    folders_.Next();
    EXPECT_EQ(currentId(folders_), 4);
    EXPECT_THAT(idsOf(folders_), ElementsAre(1, 2, 3, 4, 5, 6));

    // A new text while the filter is on applies at once.
    folders_.SetFiltered(true);
    folders_.Next();
    folders_.SetFilter("Parent = \"O'BRIEN FOLDER\"");
    EXPECT_EQ(currentId(folders_), 6);
    folders_.SetFilter("Parent = \"NONE\"");
    EXPECT_TRUE(folders_.Eof());
    EXPECT_FALSE(currentId(folders_).has_value());

    // The filter belongs to the component and outlives Close and Open.
    showChildrenOf("TAX FOLDER");
    folders_.Close();
    folders_.Open();
    EXPECT_TRUE(folders_.Filtered());
    EXPECT_EQ(currentId(folders_), 2);
    EXPECT_THAT(idsOf(folders_), ElementsAre(2));
}

TEST_F(FilterTest, RowsChangedWhileFilteredAppearOrVanishByTheFilter) {
    showChildrenOf("-");
    folders_.Append();
    folders_.FieldByName("ID").SetAsInteger(7);
    folders_.FieldByName("Name").SetAsString("NEW FOLDER");
    folders_.FieldByName("Parent").SetAsString("-");
    folders_.FieldByName("Picture").SetAsInteger(0);
    folders_.Post();
    EXPECT_THAT(idsOf(folders_), ElementsAre(1, 3, 5, 7));

    folders_.First();
    folders_.Edit();
    folders_.FieldByName("Parent").SetAsString("HOME FOLDER");
    folders_.Post();
    EXPECT_THAT(idsOf(folders_), ElementsAre(3, 5, 7));
}

TEST_F(FilterTest, AFilterThatDoesNotParseFailsWhenItIsApplied) {
    struct Case {
        const char* filter;
        const char* message;
    };
    const Case cases[] = {
        {"Parent = \"A\"B FOLDER\"",
         "Unterminated string at line 1, column 21 - Native error: 10001"},
        {"Parent = \"A\"B\"C\"",
         "Unexpected token 'B' found at line 1, column 13 - Native error: 10003"},
        {"\"Parent\" = '-'",
         "Boolean expression expected, but '\"Parent\"' found at line 1, column 1 - Native error: "
         "10004"},
        {"Parent \"-\"",
         "Token '=' expected, but '\"-\"' found at line 1, column 8 - Native error: 10002"},
        {"Parent = \"-\" AND",
         "Boolean expression expected, but '<end>' found at line 1, column 17 - Native error: "
         "10004"},
        {"Parnet = \"-\"", "Field 'Parnet' not found at line 1, column 1 - Native error: 10011"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        folders_.SetFiltered(false);
        folders_.SetFilter(c.filter);
        EXPECT_THAT(idsOf(folders_), ElementsAre(1, 2, 3, 4, 5, 6));
        EXPECT_EQ(errorOf([&] { folders_.SetFiltered(true); }), c.message);
        EXPECT_FALSE(folders_.Filtered());

        // A closed table meets the text when it opens, and stays closed.
        showChildrenOf("-");
        folders_.Close();
        folders_.SetFilter(c.filter);
        EXPECT_EQ(errorOf([&] { folders_.Open(); }), c.message);
        EXPECT_FALSE(folders_.Active());
        folders_.SetFiltered(false);
        folders_.Open();
    }
}

} // namespace
} // namespace quillox::db::testing
