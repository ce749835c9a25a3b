#include "db/filing_intents.h"
#include "store/leftover_copies.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using quillox::testing::entriesOf;
using quillox::testing::writeFile;

TEST(LeftoverCopies, StartUpRemovesOnlyTheCopiesThatKilledFilingsLeft) {
    quillox::testing::TempHome home;
    const QString folder = home.storeFolder();
    enum class Kind { File, Folder, Link };
    struct Entry {
        QString name;
        Kind kind;
        bool leftover;
    };
    const Entry entries[] = {
        {".quillox-copy-3f9a0c17be2d4e58", Kind::File, true},
        {".quillox-copy-0", Kind::File, true},
        {"Invoice 2013-03-04 10.00.pdf", Kind::File, false},
        {".quillox-copy-", Kind::File, false},
        {".quillox-copy-3F9A", Kind::File, false},
        {".quillox-copy-xyz", Kind::File, false},
        {".quillox-copy-3f9a.pdf", Kind::File, false},
        {".quillox-copy-3f9a0c17be2d4e580", Kind::File, false},
        {"quillox-copy-3f9a", Kind::File, false},
        {".quillox-copy-ff", Kind::Folder, false},
        {".quillox-copy-ee", Kind::Link, false},
    };
    QStringList kept;
    for (const Entry& entry : entries) {
        const QString path = folder + entry.name;
        switch (entry.kind) {
        case Kind::File:
            writeFile(path, "bytes");
            break;
        case Kind::Folder:
            ASSERT_TRUE(QDir().mkpath(path));
            break;
        case Kind::Link:
            ASSERT_TRUE(QFile::link(folder + "Invoice 2013-03-04 10.00.pdf", path));
            break;
        }
        if (!entry.leftover)
            kept << entry.name;
    }
    kept.sort();

    quillox::store::removeLeftoverCopies();

    EXPECT_EQ(entriesOf(folder), kept);
    EXPECT_EQ(quillox::testing::contentsOf(folder + ".quillox-copy-ee"), "bytes");
}

TEST(LeftoverCopies, AMissingStoreFolderIsLeftToTheFirstFiling) {
    quillox::testing::TempHome home;
    quillox::store::removeLeftoverCopies();
    EXPECT_FALSE(QDir(home.storeFolder()).exists());
}

// Only a file that a filing recorded it would name, that no row names, is removed; every intent
// is settled.
TEST(LeftoverCopies, StartUpRemovesOnlyTheCopiesThatFilingsNamedWithoutARow) {
    quillox::testing::TempHome home;
    const QString folder = home.storeFolder();
    quillox::store::TdmData data;
    data.DataModuleCreate();
    auto& connection = data.dbMain.Connection();
    auto& documents = data.tDocuments;
    documents.Append();
    documents.FieldByName("ID").SetAsInteger(1);
    documents.FieldByName("Document_Name").SetAsString("Filed");
    documents.FieldByName("Path").SetAsString(folder + "Filed.pdf");
    documents.FieldByName("InputDate").SetAsDateTime(QDateTime::currentDateTime());
    documents.FieldByName("Folder").SetAsString("HOUSE");
    documents.Post();
    writeFile(home.path() + "/outside.pdf", "outside");
    const struct {
        const char* intent;
        const char* file; // made in the store folder, or nothing
    } cases[] = {
        {"Killed.pdf", "Killed.pdf"}, // named, no row: the killed filing's copy
        {"Filed.pdf", "Filed.pdf"},   // its row was committed
        {"Never named.pdf", nullptr}, // killed before the copy got its name
        {"../outside.pdf", nullptr},  // no name in the store folder
        {"", nullptr},                // another tool's row
        {"Linked.pdf", "Linked.pdf"}, // a link, not a filing's copy
    };
    for (const auto& c : cases) {
        quillox::db::recordFilingIntent(connection, c.intent);
        if (c.file && QString(c.file) == "Linked.pdf")
            ASSERT_TRUE(QFile::link(home.path() + "/outside.pdf", folder + c.file));
        else if (c.file)
            writeFile(folder + c.file, "bytes");
    }
    writeFile(folder + "Unrecorded.pdf", "bytes");

    quillox::store::removeCopiesOfInterruptedFilings(data);

    EXPECT_EQ(entriesOf(folder), QStringList({"Filed.pdf", "Linked.pdf", "Unrecorded.pdf"}));
    EXPECT_EQ(quillox::testing::contentsOf(home.path() + "/outside.pdf"), "outside");
    EXPECT_TRUE(quillox::db::readFilingIntents(connection).empty());
}

} // namespace
