#include "store/leftover_copies.h"
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

} // namespace
