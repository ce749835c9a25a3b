// The statements keep their exact form, with every value quoted so that it reads back as
// itself; what they find is checked through the windows on a real store.
#include "retrieval/operations/browse_statements.h"
#include "retrieval/operations/search_statements.h"

#include <gtest/gtest.h>

using namespace quillox::retrieval;

TEST(SearchStatements, DocumentsGroupTheWordsBeforeTheDateRange) {
    const QDate from(2014, 1, 1);
    const QDate to(2014, 6, 30);
    const struct {
        QStringList words;
        const char* statement;
    } cases[] = {
        {{},
         "SELECT Document_Name, Description, Folder FROM Documents WHERE "
         "InputDate>='2014-01-01' AND InputDate<='2014-06-30'"},
        {{"tax", "Bank"},
         "SELECT Document_Name, Description, Folder FROM Documents WHERE ((Tag_Words  LIKE "
         "'%TAX%')OR (Tag_Words  LIKE '%BANK%'))AND InputDate>='2014-01-01' AND "
         "InputDate<='2014-06-30'"},
        {{"o'neil"},
         "SELECT Document_Name, Description, Folder FROM Documents WHERE ((Tag_Words  LIKE "
         "'%O''NEIL%'))AND InputDate>='2014-01-01' AND InputDate<='2014-06-30'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(documentSearchStatement(c.words, from, to).toStdString(), c.statement);
}

TEST(SearchStatements, FoldersTestEachWord) {
    EXPECT_EQ(folderSearchStatement({"tax", "o'neil"}).toStdString(),
              "SELECT * FROM Folders WHERE (Name  LIKE '%TAX%')OR (Name  LIKE '%O''NEIL%');");
}

TEST(BrowseStatements, FolderNamesAreQuotedWithTheirQuotesDoubled) {
    EXPECT_EQ(subfolderFilter("-").toStdString(), "Parent = \"-\"");
    EXPECT_EQ(subfolderFilter("SAY \"HI\" FOLDER").toStdString(),
              "Parent = \"SAY \"\"HI\"\" FOLDER\"");
    EXPECT_EQ(folderDocumentsStatement("O'NEIL FOLDER").toStdString(),
              "SELECT * FROM Documents WHERE Folder = 'O''NEIL FOLDER';");
}
