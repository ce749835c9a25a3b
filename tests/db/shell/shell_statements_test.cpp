#include "shell_test.h"

namespace quillox::db::shell {
namespace {

// Five documents, appended through standard input; blank lines and a line ending in CR LF
// are part of what a script may hold.
const QByteArray documents =
    ".append Documents ID=1 Document_Name=\"Tax return\" Tag_Words=\"TAX RETURN\" "
    "Description=Federal Path=/s/1.pdf InputDate=2013-04-10 Folder=\"TAX FOLDER\"\n"
    "\n"
    ".append Documents ID=2 Document_Name=\"Bank statement\" Tag_Words=\"BANK STATEMENT\" "
    "Path=/s/2.pdf InputDate=2014-03-31 Folder=\"BANK FOLDER\"\r\n"
    "   \n"
    ".append Documents ID=3 Document_Name=\"Old letter\" Tag_Words=\"BANK LETTER\" "
    "Path=/s/3.pdf InputDate=2013-12-31 Folder=\"TAX FOLDER\"\n"
    ".append Documents ID=4 Document_Name=Receipt Tag_Words=RECEIPT "
    "Path=/s/4.pdf InputDate=2014-02-01 Folder=\"tax folder\"\n"
    ".append Documents ID=5 Document_Name=Fees Tag_Words=\"BANKFEES\" Description=\"June fees\" "
    "Path=/s/5.pdf InputDate=2014-06-30 Folder=\"BANK FOLDER\"\n";

const QString folderStatement = "SELECT * FROM Documents WHERE Folder = 'TAX FOLDER';";
const QString searchStatement =
    "SELECT Document_Name, Description, Folder FROM Documents WHERE (Tag_Words  LIKE '%TAX%')OR "
    "(Tag_Words  LIKE '%BANK%')AND InputDate>='2014-01-01' AND InputDate<='2014-06-30'";

TEST_F(DbshellTest, ApplicationStatementsSelectTheAppendedRows) {
    const ShellRun appended = runQuilloxDb({storeFile}, documents);
    ASSERT_EQ(appended.exitCode, 0) << appended.err.toStdString();
    EXPECT_EQ(appended.out, "");
    EXPECT_EQ(appended.err, "");

    const ShellRun selected = run({folderStatement, searchStatement});
    EXPECT_EQ(selected.exitCode, 0) << selected.err.toStdString();
    EXPECT_EQ(selected.err, "");
    EXPECT_EQ(selected.out, "ID\tDocument_Name\tTag_Words\tDescription\tPath\tInputDate\tFolder\n"
                            "1\tTax return\tTAX RETURN\tFederal\t/s/1.pdf\t2013-04-10\tTAX FOLDER\n"
                            "3\tOld letter\tBANK LETTER\t\t/s/3.pdf\t2013-12-31\tTAX FOLDER\n"
                            "Document_Name\tDescription\tFolder\n"
                            "Tax return\tFederal\tTAX FOLDER\n"
                            "Bank statement\t\tBANK FOLDER\n"
                            "Fees\tJune fees\tBANK FOLDER\n");
}

TEST_F(DbshellTest, StandardInputRunsStatementsAndCommandsRunInOrder) {
    const QString append = ".append SearchTerms ID=1 Term=TAX";
    const QString select = "SELECT Term FROM SearchTerms";

    const ShellRun fromInput =
        runQuilloxDb({storeFile}, (select + "\n" + append + "\n" + select).toUtf8());
    EXPECT_EQ(fromInput.exitCode, 0) << fromInput.err.toStdString();
    EXPECT_EQ(fromInput.out, "Term\nTerm\nTAX\n");

    const ShellRun fromArguments = run({".append SearchTerms ID=2 Term=BANK", select});
    EXPECT_EQ(fromArguments.exitCode, 0) << fromArguments.err.toStdString();
    EXPECT_EQ(fromArguments.out, "Term\nTAX\nBANK\n");
}

// A pattern of a megabyte, of letters that seldom repeat, against rows that hold pieces of it:
// each statement ends, within runQuilloxDb's watchdog, with its answer or a message, and
// selects no row, since no row holds the whole pattern.
TEST_F(DbshellTest, ALikeWithAPatternOfAMegabyteEnds) {
    QString pattern;
    std::uint32_t state = 20130304;
    while (pattern.size() < 1'000'000) {
        state = state * 1664525u + 1013904223u;
        pattern += QChar(u'A' + static_cast<char16_t>((state >> 16) % 26));
    }
    const ShellRun appended =
        run({".append Documents ID=1 Document_Name=A Tag_Words=" + pattern.left(300) +
                 " Path=/s/1.pdf InputDate=2013-04-10 Folder=F",
             ".append Documents ID=2 Document_Name=B Tag_Words=" + pattern.mid(500'000, 300) +
                 " Path=/s/2.pdf InputDate=2013-04-10 Folder=F"});
    ASSERT_EQ(appended.exitCode, 0) << appended.err.toStdString();
    for (const QString& like : {"'%" + pattern + "%'", "'" + pattern + "'", "'%" + pattern + "'"}) {
        SCOPED_TRACE(like.left(4).toStdString());
        const ShellRun result = runQuilloxDb(
            {storeFile}, ("SELECT ID FROM Documents WHERE Tag_Words LIKE " + like + "\n").toUtf8());
        EXPECT_TRUE(result.out == "ID\n" || (result.out.isEmpty() && !result.err.isEmpty()))
            << result.out.toStdString() << result.err.toStdString();
    }
}

} // namespace
} // namespace quillox::db::shell
