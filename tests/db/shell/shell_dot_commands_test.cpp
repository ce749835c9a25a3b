#include "shell_test.h"

#include <vector>

namespace quillox::db::shell {
namespace {

TEST_F(DbshellTest, TablesAndSchemaDescribeTheStore) {
    const ShellRun described = run({".tables", ".schema Documents", " .schema   Folders "});
    EXPECT_EQ(described.exitCode, 0) << described.err.toStdString();
    EXPECT_EQ(described.out, "Documents\nFolders\nSearchTerms\n"
                             "Column\tType\tWidth\tRequired\n"
                             "ID\tINTEGER\t0\tyes\n"
                             "Document_Name\tSTRING\t100\tyes\n"
                             "Tag_Words\tSTRING\t500\tno\n"
                             "Description\tSTRING\t144\tno\n"
                             "Path\tSTRING\t500\tyes\n"
                             "InputDate\tDATE\t0\tyes\n"
                             "Folder\tSTRING\t100\tyes\n"
                             "Column\tType\tWidth\tRequired\n"
                             "ID\tINTEGER\t0\tyes\n"
                             "Name\tSTRING\t100\tyes\n"
                             "Parent\tSTRING\t100\tyes\n"
                             "Picture\tINTEGER\t0\tyes\n");
}

struct WrittenValue {
    QString written; // as it stands after "Name=" in .append
    QString printed; // the cell of the query's output
};

TEST_F(DbshellTest, AppendReadsQuotedValuesAndOutputEscapesThem) {
    const QString longName(120, 'x');
    const std::vector<WrittenValue> cases = {
        {"PLAIN", "PLAIN"},
        {"\"O'NEIL \"\"BIG\"\" FOLDER\"", "O'NEIL \"BIG\" FOLDER"},
        {"\"  blanks kept  \"", "  blanks kept  "},
        {"\"\"\"\"", "\""},
        {"Café-Zürich", "Café-Zürich"},
        {"C:\\docs\\tax", "C:\\\\docs\\\\tax"},
        {"\"tab\there\"", "tab\\there"},
        {"\"two\nlines\r\"", "two\\nlines\\r"},
        {longName, longName.left(100)},
    };
    QStringList commands;
    QString expected = "Name\n";
    int id = 0;
    for (const WrittenValue& value : cases) {
        commands << QString(".append Folders ID=%1 Parent=- Picture=-1 Name=%2")
                        .arg(++id)
                        .arg(value.written);
        expected += value.printed + "\n";
    }
    commands << "SELECT Name FROM Folders";

    const ShellRun appended = run(commands);
    EXPECT_EQ(appended.exitCode, 0) << appended.err.toStdString();
    EXPECT_EQ(appended.out, expected);
}

struct CutValue {
    QString command;
    QString warning; // the whole of standard error; empty when nothing is cut
};

// The row keeps what its columns hold, and the user hears about every value cut.
TEST_F(DbshellTest, AppendWarnsOfEveryValueItsColumnCuts) {
    const QString accents(51, u'é'); // 102 bytes
    const QString document = ".append Documents ID=%1 Path=/p InputDate=2014-03-08 Folder=F ";
    const std::vector<CutValue> cases = {
        {".append Folders ID=1 Parent=- Picture=-1 Name=" + QString(100, 'x'), ""},
        {".append Folders ID=2 Parent=- Picture=-1 Name=" + QString(120, 'x'),
         "quillox-db: warning: Folders: Field 'Name' keeps 100 of the 120 bytes of its value\n"},
        {".append folders ID=3 Picture=-1 name=" + accents + " Parent=x" + accents,
         "quillox-db: warning: folders: Field 'Name' keeps 100 of the 102 bytes of its value\n"
         "quillox-db: warning: folders: Field 'Parent' keeps 99 of the 103 bytes of its value\n"},
        {document.arg(1) + "Document_Name=N Description=" + QString(10'000, 'd') + " Tag_Words=\"" +
             QString(499, 't') + " é\"",
         "quillox-db: warning: Documents: Field 'Description' keeps 144 of the 10000 bytes of its "
         "value\n"
         "quillox-db: warning: Documents: Field 'Tag_Words' keeps 500 of the 502 bytes of its "
         "value\n"},
    };
    for (const CutValue& c : cases) {
        SCOPED_TRACE(c.warning.toStdString());
        const ShellRun appended = run({c.command});
        EXPECT_EQ(appended.exitCode, 0);
        EXPECT_EQ(appended.err, QString(c.warning).replace("\\n", "\n"));
        EXPECT_EQ(appended.out, "");
    }

    // A row that is not stored cuts nothing: its error alone is told.
    const ShellRun refused = run({".append Folders ID=4 Parent=- Name=" + QString(120, 'x')});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Field 'Picture' must have a value\n");
}

} // namespace
} // namespace quillox::db::shell
