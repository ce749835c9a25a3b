#include "store/misc_ops.h"
#include "store/tdm_data.h"
#include "temp_home.h"

#include <climits>
#include <gtest/gtest.h>

using namespace quillox;

namespace {

class NextId : public ::testing::Test {
protected:
    void SetUp() override { data.DataModuleCreate(); }

    void appendTerm(int id) {
        data.tSearchTerms.Append();
        data.tSearchTerms.FieldByName("ID").SetAsInteger(id);
        data.tSearchTerms.FieldByName("Term").SetAsString("WORD" + QString::number(id));
        data.tSearchTerms.Post();
    }

    quillox::testing::TempHome home;
    store::TdmData data;
};

} // namespace

TEST_F(NextId, IsOneMoreThanTheLargestIdWhateverTheOrder) {
    EXPECT_EQ(store::nextId(data.tSearchTerms), 1);
    for (int id : {3, 1, 7, 2})
        appendTerm(id);
    EXPECT_EQ(store::nextId(data.tSearchTerms), 8);
    EXPECT_TRUE(data.tSearchTerms.Eof()) << "the pass ends at the table's end";

    // The largest row gone, its identifier is given again.
    data.tSearchTerms.First();
    while (data.tSearchTerms.FieldByName("ID").AsInteger() != 7)
        data.tSearchTerms.Next();
    data.tSearchTerms.Delete();
    EXPECT_EQ(store::nextId(data.tSearchTerms), 4);
}

TEST_F(NextId, CountsRowsAFilterHides) {
    appendTerm(1);
    appendTerm(5);
    data.tSearchTerms.SetFilter("Term = 'WORD1'");
    data.tSearchTerms.SetFiltered(true);
    EXPECT_EQ(store::nextId(data.tSearchTerms), 6) << "a hidden row's ID is never given again";
}

TEST_F(NextId, RefusesWhenNoIdentifierIsLeft) {
    appendTerm(INT_MAX);
    EXPECT_THROW(store::nextId(data.tSearchTerms), std::runtime_error);
}
