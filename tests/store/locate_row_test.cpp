#include "folder_fixtures.h"
#include "store/locate_row.h"
#include "store/tdm_data.h"
#include "temp_home.h"

#include <gtest/gtest.h>

using namespace quillox;

namespace {

class LocateRow : public ::testing::Test {
protected:
    void SetUp() override {
        data.DataModuleCreate();
        appendFolders(data.tFolders, {{"A", "-"}, {"X", "A"}, {"B", "-"}, {"X", "B"}});
    }

    QString currentParent() { return data.tFolders.FieldByName("Parent").AsString(); }

    quillox::testing::TempHome home;
    store::TdmData data;
};

} // namespace

TEST_F(LocateRow, MakesTheFirstMatchingRowCurrentOrEndsWithoutOne) {
    struct Case {
        const char* field;
        QString value;
        bool found;
        QString parent; // of the row found
    };
    const Case cases[] = {
        {"Name", "X", true, "A"}, {"ID", "3", true, "-"},  {"Parent", "B", true, "B"},
        {"Name", "x", false, ""}, {"Name", "", false, ""}, {"ID", "03", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.value.toStdString());
        data.tFolders.First();
        EXPECT_EQ(store::locateRow(data.tFolders, c.field, c.value), c.found);
        EXPECT_EQ(data.tFolders.Eof(), !c.found);
        if (c.found) {
            EXPECT_EQ(currentParent(), c.parent);
        }
    }
}

TEST_F(LocateRow, LooksOnlyAmongTheRowsTheFilterLetsThroughAndKeepsIt) {
    data.tFolders.SetFilter("Parent = \"B\"");
    data.tFolders.SetFiltered(true);

    EXPECT_TRUE(store::locateRow(data.tFolders, "Name", "X"));
    EXPECT_EQ(currentParent(), "B") << "the first X lies outside the filter";
    EXPECT_FALSE(store::locateRow(data.tFolders, "Name", "A"));
    EXPECT_TRUE(data.tFolders.Eof());
    EXPECT_TRUE(data.tFolders.Filtered());
    EXPECT_EQ(data.tFolders.Filter(), "Parent = \"B\"");
}
