// Queries: the statements the windows issue, the meaning of conditions, and the messages for
// statements the engine refuses.

#include "db_fixtures.h"

namespace quillox::db::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class QueryTest : public StoreTest {
protected:
    QueryTest() {
        addDocuments({
            {1, "d1", "TAX 2014", "2014-01-01", "TAX FOLDER"},
            {2, "d2", "BANK", "2014-06-30", "BANK FOLDER"},
            {3, "d3", "BANK TAX", "2014-07-01", "TAX FOLDER"},
            {4, "d4", "tax bank", "2014-03-15", "TAX FOLDER"},
            {5, "d5", "", "2014-03-15", "BANK FOLDER"},
            {6, "d6", "OLD BANK STATEMENT", "2013-12-31", "BANK FOLDER"},
            {7, "d7", "T AX BANKS", "2014-02-01", "TAX FOLDER"},
            {8, "d8", "RETAX", "2015-01-01", "HOME FOLDER"},
        });
    }
};

struct StatementCase {
    const char* statement;
    std::vector<const char*> names;
};

const StatementCase statementCases[] = {
    // The search window's statement: AND binds more tightly than OR, so the dates limit only
    // the second word.
    {"SELECT Document_Name, Description, Folder FROM Documents WHERE (Tag_Words  LIKE "
     "'%TAX%')OR (Tag_Words  LIKE '%BANK%')AND InputDate>='2014-01-01' AND "
     "InputDate<='2014-06-30'",
     {"d1", "d2", "d3", "d7", "d8"}},
    {"SELECT * FROM Documents WHERE ((Tag_Words LIKE '%TAX%') OR (Tag_Words LIKE '%BANK%')) AND "
     "InputDate>='2014-01-01' AND InputDate<='2014-06-30';",
     {"d1", "d2", "d7"}},
    {"SELECT * FROM Documents WHERE Folder = 'TAX FOLDER' OR Folder = 'HOME FOLDER' AND "
     "Tag_Words LIKE '%TAX%'",
     {"d1", "d3", "d4", "d7", "d8"}},
    {"SELECT * FROM Documents WHERE (Folder = 'TAX FOLDER' OR Folder = 'HOME FOLDER') AND "
     "Tag_Words LIKE '%TAX%'",
     {"d1", "d3", "d8"}},
    {"SELECT * FROM Documents WHERE NOT Folder = 'TAX FOLDER' AND Tag_Words LIKE '%BANK%'",
     {"d2", "d6"}},
    // The browse window's statement, with and without its ";", and in another hand.
    {"SELECT * FROM Documents WHERE Folder = 'TAX FOLDER';", {"d1", "d3", "d4", "d7"}},
    {"SELECT * FROM Documents WHERE Folder = 'TAX FOLDER'", {"d1", "d3", "d4", "d7"}},
    {"select *\n\tfrom Documents\r\n  where   Folder='TAX FOLDER'  ;  \n",
     {"d1", "d3", "d4", "d7"}},
    {"SELECT * FROM Documents", {"d1", "d2", "d3", "d4", "d5", "d6", "d7", "d8"}},
    // Date bounds are inclusive.
    {"SELECT * FROM Documents WHERE InputDate >= '2014-03-15' AND InputDate <= '2014-03-15'",
     {"d4", "d5"}},
    {"SELECT * FROM Documents WHERE InputDate <= '2014-01-01'", {"d1", "d6"}},
    {"SELECT * FROM Documents WHERE InputDate >= '2014-07-01'", {"d3", "d8"}},
    // A test on a column without a value is neither true nor false (d5 has no tag words).
    {"SELECT * FROM Documents WHERE NOT Tag_Words LIKE '%TAX%'", {"d2", "d4", "d6", "d7"}},
    {"SELECT * FROM Documents WHERE Tag_Words LIKE '%' OR Folder = 'BANK FOLDER'",
     {"d1", "d2", "d3", "d4", "d5", "d6", "d7", "d8"}},
    {"SELECT * FROM Documents WHERE Tag_Words LIKE '%' AND Folder = 'BANK FOLDER'", {"d2", "d6"}},
    {"SELECT * FROM Documents WHERE NOT (Tag_Words LIKE '%' AND Folder = 'BANK FOLDER')",
     {"d1", "d3", "d4", "d7", "d8"}},
    {"SELECT * FROM Documents WHERE ID >= 7 OR ID <= '1'", {"d1", "d7", "d8"}},
};

TEST_F(QueryTest, AStatementSelectsTheRowsItsConditionIsTrueForInTableOrder) {
    for (const StatementCase& c : statementCases) {
        SCOPED_TRACE(c.statement);
        EXPECT_THAT(select(c.statement), ElementsAreArray(c.names));
    }
}

TEST_F(QueryTest, LikeMatchesWholeValuesCharacterByCharacterWithCase) {
    const char* const terms[] = {"WORD",   "WORDY",    "SWORD",  "A WORD B", "word", "WO RD",
                                 "\u00e9", "a\u00e9b", "\u20ac", "ab",       "abc",  "abcd",
                                 "a*c",    "a?c",      "[x]",    "x"};
    int id = 0;
    for (const char* term : terms) {
        dm_.tSearchTerms.Append();
        dm_.tSearchTerms.FieldByName("ID").SetAsInteger(++id);
        dm_.tSearchTerms.FieldByName("Term").SetAsString(term);
        dm_.tSearchTerms.Post();
    }
    const StatementCase cases[] = {
        {"%WORD%", {"WORD", "WORDY", "SWORD", "A WORD B"}},
        {"WORD", {"WORD"}},
        {"WORD%", {"WORD", "WORDY"}},
        {"%WORD", {"WORD", "SWORD"}},
        {"_", {"\u00e9", "\u20ac", "x"}},
        {"__", {"ab"}},
        {"a_b", {"a\u00e9b"}},
        {"ab_", {"abc"}},
        {"a_c", {"abc", "a*c", "a?c"}},
        {"a*c", {"a*c"}},
        {"a?c", {"a?c"}},
        {"[x]", {"[x]"}},
        {"%", {terms, terms + std::size(terms)}},
    };
    for (const StatementCase& c : cases) {
        SCOPED_TRACE(c.statement);
        EXPECT_THAT(
            select(QString("SELECT * FROM SearchTerms WHERE Term LIKE '%1'").arg(c.statement),
                   "Term"),
            ElementsAreArray(c.names));
    }
}

TEST_F(QueryTest, ResultColumnsAreTheTablesOrTheListedOnesInOrder) {
    select("SELECT * FROM Documents");
    QStringList names;
    for (int i = 0; i < dm_.qQuery.FieldCount(); ++i)
        names.append(dm_.qQuery.Fields(i).FieldName());
    EXPECT_THAT(names, ElementsAre("ID", "Document_Name", "Tag_Words", "Description", "Path",
                                   "InputDate", "Folder"));

    // Alike rows are all kept.
    EXPECT_THAT(select("SELECT Folder, ID FROM Documents WHERE Folder = 'BANK FOLDER'", "Folder"),
                ElementsAre("BANK FOLDER", "BANK FOLDER", "BANK FOLDER"));
    ASSERT_EQ(dm_.qQuery.FieldCount(), 2);
    EXPECT_EQ(dm_.qQuery.Fields(0).FieldName(), "Folder");
    EXPECT_EQ(dm_.qQuery.Fields(1).FieldName(), "ID");
    EXPECT_EQ(errorOf([&] { dm_.qQuery.FieldByName("Document_Name"); }),
              "qQuery: Field 'Document_Name' not found");
}

TEST_F(QueryTest, ARefusedStatementLeavesTheQueryClosedWithTheEnginesMessage) {
    struct Case {
        const char* statement;
        const char* message;
    };
    const Case cases[] = {
        {"SELECT * FROM Documents WHERE Folder = 'JOHN'S FOLDER';",
         "Unterminated string at line 1, column 54 - Native error: 10001"},
        {"SELECT *\nFROM Documents\nWHERE Folder = 'X",
         "Unterminated string at line 3, column 16 - Native error: 10001"},
        {"SELECT *\r\nFROM Documents\r\rWHERE Folder = 'X",
         "Unterminated string at line 4, column 16 - Native error: 10001"},
        // Columns count characters, not bytes.
        {"SELECT * FROM Documents WHERE Tag_Words = '\u00c9T\u00c9' AND Folder = 'X",
         "Unterminated string at line 1, column 62 - Native error: 10001"},
        {"SELECT * FROM Documents WHERE Folder = 'A'B'C FOLDER';",
         "Unexpected token 'B' found at line 1, column 43 - Native error: 10003"},
        {"SELECT * FROM Documents; SELECT * FROM Folders",
         "Unexpected token 'SELECT' found at line 1, column 26 - Native error: 10003"},
        {"SELECT * Documents",
         "Token 'FROM' expected, but 'Documents' found at line 1, column 10 - Native error: 10002"},
        {"SELECT * FROM Documents WHERE Folder 'X'",
         "Token '=' expected, but ''X'' found at line 1, column 38 - Native error: 10002"},
        {"SELECT * FROM Documents WHERE Folder > 'X'",
         "Token '=' expected, but '>' found at line 1, column 38 - Native error: 10002"},
        {"SELECT * FROM Documents WHERE (Folder = 'X'",
         "Token ')' expected, but '<end>' found at line 1, column 44 - Native error: 10002"},
        {"SELECT * FROM Documents WHERE AND Folder = 'X'",
         "Boolean expression expected, but 'AND' found at line 1, column 31 - Native error: 10004"},
        {"SELECT * FROM Documents WHERE InputDate >= '2014-13-01'",
         "'2014-13-01' is not a valid date at line 1, column 44 - Native error: 10012"},
        {"SELECT Nope FROM Documents",
         "Field 'Nope' not found at line 1, column 8 - Native error: 10011"},
        {"SELECT * FROM Nope", "Table 'Nope' does not exist - Native error: 10010"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        EXPECT_EQ(errorOf([&] { select(c.statement); }), c.message);
        EXPECT_FALSE(dm_.qQuery.Active());
        EXPECT_TRUE(dm_.qQuery.Eof());
        EXPECT_EQ(errorOf([&] { dm_.qQuery.FieldByName("ID"); }), "qQuery: Field 'ID' not found");
    }
}

TEST_F(QueryTest, AMessageKeepsItsPlaceWhenTheTextHoldsANulCharacter) {
    const QString statement = QString("SELECT * FROM Documents WHERE Folder = 'X' ") + QChar(0);
    EXPECT_EQ(errorOf([&] { select(statement); }),
              "Unexpected token '\uFFFD' found at line 1, column 44 - Native error: 10003");
}

} // namespace
} // namespace quillox::db::testing
