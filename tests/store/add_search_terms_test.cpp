#include "store/tag_words.h"
#include "store/tdm_data.h"
#include "temp_home.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace quillox;

namespace {

using Terms = std::vector<std::pair<int, QString>>;

class AddSearchTerms : public ::testing::Test {
protected:
    void SetUp() override { data.DataModuleCreate(); }

    void appendTerms(const Terms& terms) {
        for (const auto& [id, term] : terms) {
            data.tSearchTerms.Append();
            data.tSearchTerms.FieldByName("ID").SetAsInteger(id);
            data.tSearchTerms.FieldByName("Term").SetAsString(term);
            data.tSearchTerms.Post();
        }
    }

    Terms terms() {
        Terms result;
        db::TDbTable& table = data.tSearchTerms;
        for (table.First(); !table.Eof(); table.Next()) {
            result.emplace_back(table.FieldByName("ID").AsInteger(),
                                table.FieldByName("Term").AsString());
        }
        return result;
    }

    void add(const QString& line) { store::addSearchTerms(data.tSearchTerms, line); }

    quillox::testing::TempHome home;
    store::TdmData data;
};

} // namespace

TEST_F(AddSearchTerms, AddsEachNewWordOnceWithTheFollowingIdentifiers) {
    add("tax TAX Tax");
    EXPECT_EQ(terms(), Terms({{1, "TAX"}}));
    add("  tax  Invoice 'water bill' tax");
    EXPECT_EQ(terms(), Terms({{1, "TAX"}, {2, "INVOICE"}, {3, "'WATER BILL'"}}));
    add("");
    add(" \r\n ");
    EXPECT_EQ(terms().size(), 3u);
}

TEST_F(AddSearchTerms, NumbersNewTermsAfterTheLargestIdentifier) {
    appendTerms({{1, "A"}, {9, "B"}, {2, "C"}, {3, "D"}, {4, "E"}, {5, "F"}});
    add("b new a newer");
    const Terms all = terms();
    EXPECT_EQ(Terms(all.end() - 2, all.end()), Terms({{10, "NEW"}, {11, "NEWER"}}));
}

TEST_F(AddSearchTerms, AWordLongerThanATermIsKeptCutAndAddedOnce) {
    // Two bytes a character: 100 bytes hold 50 of them.
    const QString word = QString(60, QChar(0x00E9));
    add(word + " tax");
    add("tax " + word);
    EXPECT_EQ(terms(), Terms({{1, QString(50, QChar(0x00E9))}, {2, "TAX"}}));
}

TEST_F(AddSearchTerms, ALongLineOfQuotedWordsIsLookedUpWholeAndAsTyped) {
    // More words than one look-up takes, apostrophes and double quotes among them.
    QStringList words;
    for (int i = 0; i < 250; ++i)
        words << QString("w%1").arg(i);
    // An open double quote runs to the end of the line, so that word comes last.
    words << "'it''s'"
          << "o\"neil";
    add(words.mid(0, 120).join(' '));
    add(words.join(' '));
    add(words.join(' '));
    const Terms all = terms();
    ASSERT_EQ(all.size(), 252u);
    EXPECT_EQ(all[120], Terms::value_type(121, "W120"));
    EXPECT_EQ(all[250].second, "'IT''S'");
    EXPECT_EQ(all[251].second, "O\"NEIL");
}
