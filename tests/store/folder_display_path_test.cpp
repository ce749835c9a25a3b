#include "folder_fixtures.h"
#include "store/folder_tree.h"
#include "store/tdm_data.h"
#include "temp_home.h"

#include <gtest/gtest.h>

using namespace quillox;

namespace {

class FolderDisplayPath : public ::testing::Test {
protected:
    void SetUp() override { data.DataModuleCreate(); }

    QString pathOf(const QString& name) { return store::folderDisplayPath(data.tFolders, name); }

    quillox::testing::TempHome home;
    store::TdmData data;
};

} // namespace

TEST_F(FolderDisplayPath, NamesTheAncestorsFromTheTopDownWhateverTheFilter) {
    appendFolders(data.tFolders, {{"C", "B"}, {"A", "-"}, {"B", "A"}, {"D", "C"}, {"E", "A"}});
    data.tFolders.SetFilter("Parent = \"-\"");
    data.tFolders.SetFiltered(true);

    EXPECT_EQ(pathOf("C"), "A - B - C");
    EXPECT_FALSE(data.tFolders.Filtered());
    EXPECT_EQ(data.tFolders.FieldByName("Name").AsString(), "A") << "left on the top ancestor";
    EXPECT_EQ(pathOf("A"), "A");
    EXPECT_EQ(pathOf("D"), "A - B - C - D");
    EXPECT_EQ(pathOf("NOWHERE"), "NOWHERE");
}

TEST_F(FolderDisplayPath, FirstRowOfANameDecidesItsParent) {
    appendFolders(data.tFolders, {{"A", "-"}, {"X", "A"}, {"X", "-"}, {"Y", "X"}});
    EXPECT_EQ(pathOf("Y"), "A - X - Y");
}

TEST_F(FolderDisplayPath, EndsOnADamagedTable) {
    appendFolders(data.tFolders, {{"P", "Q"}, {"Q", "R"}, {"R", "P"}, {"S", "S"}, {"M", "GONE"}});
    EXPECT_EQ(pathOf("P"), "R - Q - P");
    EXPECT_EQ(pathOf("S"), "S");
    // A parent that no row holds stands for itself.
    EXPECT_EQ(pathOf("M"), "GONE - M");
}
