#include "db/db_error.h"
#include "store/delete_document.h"
#include "store/locate_row.h"
#include "store/move_document.h"
#include "store/tdm_data.h"
#include "temp_home.h"

#include <gtest/gtest.h>

using namespace quillox;

namespace {

class DocumentOperations : public ::testing::Test {
protected:
    void SetUp() override {
        data.DataModuleCreate();
        for (const char* folder : {"A", "B", "A"}) {
            const int id = static_cast<int>(folders().size()) + 1;
            documents.Append();
            documents.FieldByName("ID").SetAsInteger(id);
            documents.FieldByName("Document_Name").SetAsString("doc" + QString::number(id));
            documents.FieldByName("Path").SetAsString("/store/doc" + QString::number(id));
            documents.FieldByName("InputDate").SetAsDateTime(QDateTime::currentDateTime());
            documents.FieldByName("Folder").SetAsString(folder);
            documents.Post();
        }
    }

    // Each row's Folder, in table order.
    QStringList folders() {
        QStringList result;
        for (documents.First(); !documents.Eof(); documents.Next())
            result << documents.FieldByName("Folder").AsString();
        return result;
    }

    int currentId() { return documents.FieldByName("ID").AsInteger(); }

    void filterToFolder(const QString& folder) {
        documents.SetFilter("Folder = \"" + folder + "\"");
        documents.SetFiltered(true);
    }

    quillox::testing::TempHome home;
    store::TdmData data;
    db::TDbTable& documents = data.tDocuments;
};

} // namespace

TEST_F(DocumentOperations, MoveCurrentDocumentRefilesOnlyThatRow) {
    filterToFolder("A");
    ASSERT_TRUE(store::locateRow(documents, "ID", "3"));

    store::moveCurrentDocument(documents, "NEW");

    EXPECT_EQ(currentId(), 3);
    EXPECT_TRUE(documents.Filtered());
    documents.SetFiltered(false);
    EXPECT_EQ(folders(), QStringList({"A", "B", "NEW"}));
}

TEST_F(DocumentOperations, AMoveThatCannotBePostedKeepsTheFolder) {
    ASSERT_TRUE(store::locateRow(documents, "ID", "2"));
    EXPECT_THROW(store::moveCurrentDocument(documents, ""), db::DbError);
    EXPECT_EQ(documents.State(), db::TDataSetState::dsBrowse);
    EXPECT_EQ(currentId(), 2);
    EXPECT_EQ(folders(), QStringList({"A", "B", "A"}));
}

TEST_F(DocumentOperations, DeleteDocumentTakesTheRowOfTheIdAmongTheVisibleOnes) {
    filterToFolder("B");
    EXPECT_FALSE(store::deleteDocument(documents, 1)) << "hidden by the filter";
    EXPECT_TRUE(documents.Filtered());
    documents.SetFiltered(false);

    EXPECT_TRUE(store::deleteDocument(documents, 2));
    EXPECT_EQ(currentId(), 3) << "the following row is current";
    EXPECT_EQ(folders(), QStringList({"A", "A"}));
    EXPECT_FALSE(store::deleteDocument(documents, 2));
    EXPECT_TRUE(documents.Eof());
    EXPECT_EQ(folders(), QStringList({"A", "A"}));
}
