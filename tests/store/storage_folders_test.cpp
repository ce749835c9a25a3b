#include "platform/user_error.h"
#include "store/misc_ops.h"
#include "temp_home.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace quillox;

TEST(StorageFolders, AreMadeOnDemandAndEndWithASeparator) {
    quillox::testing::TempHome home;
    EXPECT_EQ(store::getDatabaseFolder(), home.databaseFolder());
    EXPECT_EQ(store::getStoreFolder(), home.storeFolder());
    EXPECT_TRUE(QDir(home.databaseFolder()).exists());
    EXPECT_TRUE(QDir(home.storeFolder()).exists());

    // A folder deleted while the program runs is made again when next asked for.
    ASSERT_TRUE(QDir(home.storeFolder()).removeRecursively());
    EXPECT_EQ(store::getStoreFolder(), home.storeFolder());
    EXPECT_TRUE(QDir(home.storeFolder()).exists());
}

TEST(StorageFolders, TheStoreFollowsTheUsersDocumentsFolder) {
    quillox::testing::TempHome home;
    ASSERT_TRUE(QDir().mkpath(home.path() + "/config"));
    QFile dirs(home.path() + "/config/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Papiere\"\n");
    dirs.close();
    EXPECT_EQ(store::getStoreFolder(), home.path() + "/Papiere/Quillox/");
}

TEST(StorageFolders, AStoreFolderThatCannotBeMadeIsNamedWithTheSystemsReason) {
    quillox::testing::TempHome home;
    // A file where the documents folder belongs refuses the store folder even to root, whom
    // permission bits would not stop.
    QFile blocker(home.path() + "/Documents");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        store::getStoreFolder();
        ADD_FAILURE() << "made";
    } catch (const platform::UserError& error) {
        EXPECT_EQ(error.what(), "The store folder \"" + home.path().toStdString() +
                                    "/Documents/Quillox\" could not be created: Not a directory.");
    }
}
