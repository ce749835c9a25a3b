#include "db/db_error.h"
#include "folder_fixtures.h"
#include "platform/user_error.h"
#include "store/add_folder.h"
#include "store/set_folder_parent.h"
#include "store/tdm_data.h"
#include "temp_home.h"

#include <gtest/gtest.h>

using namespace quillox;

namespace {

class FolderOperations : public ::testing::Test {
protected:
    void SetUp() override { data.DataModuleCreate(); }

    void filterToTopLevel() {
        folders.SetFilter("Parent = \"-\"");
        folders.SetFiltered(true);
    }

    quillox::testing::TempHome home;
    store::TdmData data;
    db::TDbTable& folders = data.tFolders;
};

} // namespace

TEST_F(FolderOperations, AddFolderPostsARowWithTheNextIdentifier) {
    appendFolders(folders, {{"A", "-"}, {"B", "A"}});
    folders.First();
    folders.Edit();
    folders.FieldByName("ID").SetAsInteger(7);
    folders.Post();

    store::addFolder(folders, "C SUBFOLDER", "A", 4);

    EXPECT_EQ(folders.FieldByName("ID").AsInteger(), 8) << "the new row is current";
    EXPECT_EQ(folders.FieldByName("Picture").AsInteger(), 4);
    EXPECT_EQ(folderRows(folders),
              std::vector<FolderRow>({{"A", "-"}, {"B", "A"}, {"C SUBFOLDER", "A"}}));
}

TEST_F(FolderOperations, AddFolderRefusesANameARowHasWhateverTheFilter) {
    appendFolders(folders, {{"A", "-"}, {"TAX SUBFOLDER", "A"}});
    filterToTopLevel();
    try {
        store::addFolder(folders, "TAX SUBFOLDER", "-", 0);
        FAIL() << "added";
    } catch (const platform::UserError& error) {
        EXPECT_STREQ(error.what(),
                     "A folder named \"TAX SUBFOLDER\" already exists. Choose another name");
    }
    folders.SetFiltered(false);
    EXPECT_EQ(folderRows(folders), std::vector<FolderRow>({{"A", "-"}, {"TAX SUBFOLDER", "A"}}));
}

TEST_F(FolderOperations, AddFolderThatCannotBePostedLeavesTheTableUsable) {
    EXPECT_THROW(store::addFolder(folders, "A", "", 0), db::DbError);
    EXPECT_EQ(folders.State(), db::TDataSetState::dsBrowse);
    store::addFolder(folders, "B", "-", 0);
    EXPECT_EQ(folderRows(folders), std::vector<FolderRow>({{"B", "-"}}));
}

TEST_F(FolderOperations, SetFolderParentMovesEveryRowOfTheNameAndLeavesTheFilterOff) {
    appendFolders(folders, {{"A", "-"}, {"C", "-"}, {"B", "-"}, {"C", "A"}, {"CC", "-"}});
    filterToTopLevel();

    store::setFolderParent(folders, "C", "B");

    EXPECT_FALSE(folders.Filtered());
    EXPECT_TRUE(folders.Eof());
    EXPECT_EQ(
        folderRows(folders),
        std::vector<FolderRow>({{"A", "-"}, {"C", "B"}, {"B", "-"}, {"C", "B"}, {"CC", "-"}}));
    store::setFolderParent(folders, "NOWHERE", "B");
    store::setFolderParent(folders, "C", "-");
    EXPECT_EQ(
        folderRows(folders),
        std::vector<FolderRow>({{"A", "-"}, {"C", "-"}, {"B", "-"}, {"C", "-"}, {"CC", "-"}}));
}
