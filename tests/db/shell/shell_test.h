#pragma once

#include "temp_home.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace quillox::db::shell {

// What one run of the quillox-db executable gave.
struct ShellRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the built quillox-db with these arguments and this standard input; fails the test when
// it crashes or hangs.
ShellRun runQuilloxDb(const QStringList& arguments, const QByteArray& input = {});

// A store as the application makes it (empty Documents, Folders and SearchTerms) in a
// temporary home.
class DbshellTest : public ::testing::Test {
protected:
    DbshellTest();

    // Runs the commands with -c, in order, on the store.
    ShellRun run(const QStringList& commands) const;

    testing::TempHome home;
    const QString storeFile;
};

} // namespace quillox::db::shell
