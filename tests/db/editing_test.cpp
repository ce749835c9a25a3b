// Appending and editing rows: values as stored, required columns, text widths and the unique
// ID.

#include "db_fixtures.h"

#include <QDateTime>
#include <optional>

namespace quillox::db::testing {
namespace {

using ::testing::ElementsAre;

class EditingTest : public EngineTest {
protected:
    EditingTest() {
        createItems();
        openItems(items_);
    }

    TDbTable items_{"tItems"};
};

TEST_F(EditingTest, ValuesReadBackAsWrittenAndAfterReopening) {
    items_.Append();
    items_.FieldByName("ID").SetAsInteger(-2147483647 - 1);
    items_.FieldByName("Name").SetAsString("Zoë");
    items_.FieldByName("Day").SetAsDateTime(QDateTime(QDate(2014, 3, 5), QTime(23, 59, 58)));
    items_.Post();
    addItem(items_, {2147483647, "max", "", "2014-03-06"});

    db_.Close();
    openItems(items_);
    EXPECT_EQ(items_.FieldByName("ID").AsInteger(), -2147483647 - 1);
    EXPECT_EQ(items_.FieldByName("Name").AsString(), "Zoë");
    EXPECT_TRUE(items_.FieldByName("Note").IsNull());
    EXPECT_EQ(items_.FieldByName("Note").AsString(), "");
    // The time of day is dropped: the row is found by its date alone.
    EXPECT_EQ(items_.FieldByName("Day").AsDateTime(), QDateTime(QDate(2014, 3, 5), QTime(0, 0)));
    EXPECT_THAT(select("SELECT * FROM Items WHERE Day = '2014-03-05'"), ElementsAre("-2147483648"));
    items_.Next();
    EXPECT_EQ(items_.FieldByName("ID").AsInteger(), 2147483647);
    EXPECT_EQ(items_.FieldByName("ID").AsString(), "2147483647");
}

TEST_F(EditingTest, FieldsCanBeWrittenOnlyWhileEditingOrInserting) {
    addItem(items_, {1, "one"});
    EXPECT_EQ(errorOf([&] { items_.FieldByName("Name").SetAsString("x"); }),
              "tItems: Dataset not in edit or insert mode");
    EXPECT_THAT(columnOf(items_, "Name"), ElementsAre("one"));
}

TEST_F(EditingTest, TextIsCutToTheColumnWidthInBytesAtACharacterBoundary) {
    struct Case {
        QString written; // into Name, 10 bytes wide
        QString stored;
    };
    const Case cases[] = {
        {"abcdefghijKLM", "abcdefghij"},
        {"abcdefghij", "abcdefghij"},
        {"abcdefghi\u00e9", "abcdefghi"},                           // é: two bytes, one too many
        {"abcdefgh\u00e9", "abcdefgh\u00e9"},                       // exactly ten bytes
        {"abcdefgh\u20ac", "abcdefgh"},                             // €: three bytes
        {"abcdefg\u20acx", "abcdefg\u20ac"},                        // € ends at byte ten
        {"\U0001F600\U0001F600\U0001F600", "\U0001F600\U0001F600"}, // four bytes each
    };
    int id = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written.toStdString());
        // The field tells beforehand whether it cuts the value, and how much it keeps.
        const bool cut = c.written != c.stored;
        EXPECT_EQ(items_.FieldByName("Name").CutLength(c.written),
                  cut ? std::optional<std::size_t>(c.stored.toUtf8().size()) : std::nullopt);
        addItem(items_, {++id, c.written});
        EXPECT_EQ(items_.FieldByName("Name").AsString(), c.stored);
    }
    db_.Close();
    openItems(items_);
    QStringList stored;
    for (const Case& c : cases)
        stored.append(c.stored);
    EXPECT_EQ(columnOf(items_, "Name"), stored);
}

// Whatever the value comes from, no column stores a NUL character inside a text.
TEST_F(EditingTest, TextHoldingANulCharacterIsRefused) {
    const QString withNul = QString("N") + QChar(u'\0') + "UL";
    items_.Append();
    items_.FieldByName("ID").SetAsInteger(1);
    items_.FieldByName("Name").SetAsString("kept");
    for (const char* column : {"Name", "Note", "ID", "Day"}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(errorOf([&] { items_.FieldByName(column).SetAsString(withNul); }),
                  "Field '" + std::string(column) + "' cannot hold a NUL character");
    }
    items_.Post();
    EXPECT_THAT(columnOf(items_, "Name"), ElementsAre("kept"));
    EXPECT_EQ(items_.FieldByName("ID").AsInteger(), 1);
    EXPECT_TRUE(items_.FieldByName("Note").IsNull());
    EXPECT_TRUE(items_.FieldByName("Day").IsNull());
}

TEST_F(EditingTest, PostWithoutARequiredValueFailsAndWritesNothing) {
    addItem(items_, {1, "one"});

    items_.Append();
    items_.FieldByName("ID").SetAsInteger(2);
    EXPECT_EQ(errorOf([&] { items_.Post(); }), "Field 'Name' must have a value");
    EXPECT_EQ(items_.State(), TDataSetState::dsInsert);
    // An empty text is no value.
    items_.FieldByName("Name").SetAsString("");
    EXPECT_EQ(errorOf([&] { items_.Post(); }), "Field 'Name' must have a value");
    items_.FieldByName("Name").SetAsString("two");
    items_.Post();
    EXPECT_THAT(columnOf(items_, "Name"), ElementsAre("one", "two"));

    moveTo(items_, 1);
    items_.Edit();
    items_.FieldByName("Name").Clear();
    EXPECT_EQ(errorOf([&] { items_.Post(); }), "Field 'Name' must have a value");
    EXPECT_EQ(items_.State(), TDataSetState::dsEdit);
    items_.Cancel();
    EXPECT_THAT(columnOf(items_, "Name"), ElementsAre("one", "two"));
}

TEST_F(EditingTest, ADuplicateIDIsRefusedAndTheRowStaysUnwritten) {
    const std::string duplicate =
        "Primary Key constraint '_ID' violated. Duplicate found. - Native error: 10020";
    addItems(items_, {{1, "one"}, {2, "two"}});

    items_.Append();
    items_.FieldByName("ID").SetAsInteger(1);
    items_.FieldByName("Name").SetAsString("again");
    EXPECT_EQ(errorOf([&] { items_.Post(); }), duplicate);
    EXPECT_EQ(items_.State(), TDataSetState::dsInsert);
    items_.FieldByName("ID").SetAsInteger(3);
    items_.Post();

    moveTo(items_, 2);
    items_.Edit();
    items_.FieldByName("ID").SetAsInteger(3);
    EXPECT_EQ(errorOf([&] { items_.Post(); }), duplicate);
    EXPECT_EQ(items_.State(), TDataSetState::dsEdit);
    items_.Cancel();

    EXPECT_THAT(idsOf(items_), ElementsAre(1, 2, 3));
    EXPECT_THAT(columnOf(items_, "Name"), ElementsAre("one", "two", "again"));
}

class DocumentsTest : public StoreTest {};

TEST_F(DocumentsTest, EveryRequiredColumnOfDocumentsIsChecked) {
    const char* const required[] = {"ID", "Document_Name", "Path", "InputDate", "Folder"};
    for (const char* column : required) {
        SCOPED_TRACE(column);
        TDbTable& table = dm_.tDocuments;
        table.Append();
        table.FieldByName("ID").SetAsInteger(1);
        table.FieldByName("Document_Name").SetAsString("Invoice");
        table.FieldByName("Path").SetAsString("/store/Invoice.pdf");
        table.FieldByName("InputDate").SetAsString("2014-02-01");
        table.FieldByName("Folder").SetAsString("TAX FOLDER");
        table.FieldByName(column).Clear();
        EXPECT_EQ(errorOf([&] { table.Post(); }),
                  "Field '" + std::string(column) + "' must have a value");
        table.Cancel();
    }
    EXPECT_THAT(idsOf(dm_.tDocuments), ElementsAre());
}

TEST_F(DocumentsTest, LongTextsKeepTheirFirstBytesUpToTheColumnWidth) {
    addDocuments({{1, QString(120, 'N'), "", "2014-02-01", "TAX FOLDER", QString(200, 'D')}});
    EXPECT_EQ(dm_.tDocuments.FieldByName("Document_Name").AsString(), QString(100, 'N'));
    EXPECT_EQ(dm_.tDocuments.FieldByName("Description").AsString(), QString(144, 'D'));
}

} // namespace
} // namespace quillox::db::testing
