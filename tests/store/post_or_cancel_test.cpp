#include "db/db_error.h"
#include "folder_fixtures.h"
#include "store/post_or_cancel.h"
#include "store/tdm_data.h"
#include "temp_home.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace quillox;

namespace {

class PostOrCancel : public ::testing::Test {
protected:
    void SetUp() override {
        data.DataModuleCreate();
        appendFolders(data.tFolders, {{"A", "-"}, {"B", "-"}});
    }

    void setRow(int id, const QString& name) {
        folders.FieldByName("ID").SetAsInteger(id);
        folders.FieldByName("Name").SetAsString(name);
        folders.FieldByName("Parent").SetAsString("-");
        folders.FieldByName("Picture").SetAsInteger(0);
    }

    quillox::testing::TempHome home;
    store::TdmData data;
    db::TDbTable& folders = data.tFolders;
};

} // namespace

TEST_F(PostOrCancel, PostsTheRowAndLeavesItCurrent) {
    folders.First();
    folders.Append();
    store::postOrCancel(folders, [&] { setRow(3, "C"); });
    EXPECT_EQ(folders.State(), db::TDataSetState::dsBrowse);
    EXPECT_EQ(folders.FieldByName("Name").AsString(), "C");
    EXPECT_EQ(folderRows(folders), std::vector<FolderRow>({{"A", "-"}, {"B", "-"}, {"C", "-"}}));
}

TEST_F(PostOrCancel, AFailedAppendStoresNothingAndLeavesTheTableUsable) {
    struct Case {
        const char* what;
        std::function<void()> setFields;
        std::string message;
    };
    const Case cases[] = {
        {"fields throw", [&] { throw std::runtime_error("no picture"); }, "no picture"},
        {"post refuses", [&] { setRow(3, ""); }, "Field 'Name' must have a value"},
        {"duplicate key", [&] { setRow(1, "C"); },
         "Primary Key constraint '_ID' violated. Duplicate found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folders.First();
        folders.Append();
        try {
            store::postOrCancel(folders, c.setFields);
            ADD_FAILURE() << "posted";
        } catch (const std::exception& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with(c.message)) << error.what();
        }
        EXPECT_EQ(folders.State(), db::TDataSetState::dsBrowse);
        EXPECT_EQ(folders.FieldByName("Name").AsString(), "A") << "back on the row it was on";
    }
    // Left half-made, the row would be posted again by the next move of the cursor.
    folders.Append();
    store::postOrCancel(folders, [&] { setRow(3, "C"); });
    EXPECT_EQ(folderRows(folders), std::vector<FolderRow>({{"A", "-"}, {"B", "-"}, {"C", "-"}}));
}

TEST_F(PostOrCancel, AFailedEditKeepsTheStoredRow) {
    folders.First();
    folders.Next();
    folders.Edit();
    EXPECT_THROW(store::postOrCancel(folders,
                                     [&] {
                                         folders.FieldByName("Parent").SetAsString("A");
                                         folders.FieldByName("Name").SetAsString("");
                                     }),
                 db::DbError);
    EXPECT_EQ(folders.State(), db::TDataSetState::dsBrowse);
    EXPECT_EQ(folders.FieldByName("Name").AsString(), "B");
    EXPECT_EQ(folderRows(folders), std::vector<FolderRow>({{"A", "-"}, {"B", "-"}}));
}
