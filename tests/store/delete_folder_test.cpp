#include "folder_fixtures.h"
#include "store/misc_ops.h"
#include "store/tdm_data.h"
#include "temp_home.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace quillox;

namespace {

class DeleteFolder : public ::testing::Test {
protected:
    void SetUp() override { data.DataModuleCreate(); }

    // A document with a stored copy in the store folder.
    void fileDocument(const QString& name, const QString& folder) {
        const QString path = store::getStoreFolder() + name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("content");
        db::TDbTable& documents = data.tDocuments;
        const int id = store::nextId(documents);
        documents.Append();
        documents.FieldByName("ID").SetAsInteger(id);
        documents.FieldByName("Document_Name").SetAsString(name);
        documents.FieldByName("Path").SetAsString(path);
        documents.FieldByName("InputDate").SetAsDateTime(QDateTime::currentDateTime());
        documents.FieldByName("Folder").SetAsString(folder);
        documents.Post();
    }

    QStringList folderNames() {
        QStringList names;
        for (const FolderRow& row : folderRows(data.tFolders))
            names.append(row.name);
        return names;
    }

    QStringList documentNames() {
        QStringList names;
        db::TDbTable& documents = data.tDocuments;
        for (documents.First(); !documents.Eof(); documents.Next())
            names.append(documents.FieldByName("Document_Name").AsString());
        return names;
    }

    quillox::testing::TempHome home;
    store::TdmData data;
};

} // namespace

TEST_F(DeleteFolder, TakesTheWholeSubtreeWithItsDocumentsAndLeavesTheStoredFiles) {
    appendFolders(data.tFolders, {{"TOP", "-"},
                                  {"A", "TOP"},
                                  {"B", "A"},
                                  {"C", "B"},
                                  {"OTHER", "-"},
                                  {"D", "A"},
                                  {"C", "B"},
                                  {"E", "D"},
                                  {"O2", "OTHER"}});
    for (const char* folder : {"TOP", "A", "C", "E", "D", "OTHER", "C", "A"})
        fileDocument(QString(folder).toLower() + QString::number(documentNames().size()), folder);
    // The browse window has the folders filtered when it deletes.
    data.tFolders.SetFilter("Parent = \"TOP\"");
    data.tFolders.SetFiltered(true);

    data.deleteFolder("A");

    data.tFolders.SetFiltered(false);
    EXPECT_EQ(folderNames(), QStringList({"TOP", "OTHER", "O2"}));
    EXPECT_EQ(documentNames(), QStringList({"top0", "other5"}));
    EXPECT_EQ(QDir(home.storeFolder()).entryList(QDir::Files).size(), 8);
}

TEST_F(DeleteFolder, EndsOnParentsThatFormACycle) {
    appendFolders(data.tFolders, {{"P", "Q"}, {"KEEP", "-"}, {"Q", "R"}, {"R", "P"}, {"S", "Q"}});
    fileDocument("in-r", "R");
    fileDocument("in-keep", "KEEP");

    data.deleteFolder("P");

    EXPECT_EQ(folderNames(), QStringList({"KEEP"}));
    EXPECT_EQ(documentNames(), QStringList({"in-keep"}));
}

TEST_F(DeleteFolder, OfANameNoRowHoldsTakesOnlyItsDocuments) {
    appendFolders(data.tFolders, {{"A", "-"}});
    fileDocument("lost", "GONE");
    fileDocument("kept", "A");

    data.deleteFolder("GONE");

    EXPECT_EQ(folderNames(), QStringList({"A"}));
    EXPECT_EQ(documentNames(), QStringList({"kept"}));
}
