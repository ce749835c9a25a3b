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

} // namespace
} // namespace quillox::db::shell
