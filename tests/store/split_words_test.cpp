#include "store/tag_words.h"

#include <gtest/gtest.h>

using namespace quillox;

TEST(SplitWords, FollowsTheSeparatorsAndTheQuotes) {
    struct Case {
        QString line;
        QStringList words;
    };
    const Case cases[] = {
        {"", {}},
        {"   ", {}},
        {"  tax   2014  ", {"TAX", "2014"}},
        {"tax\r\ninvoice\n\r2014\r", {"TAX", "INVOICE", "2014"}},
        {"tax,invoice;2014", {"TAX,INVOICE;2014"}},
        {"tax\tinvoice", {"TAX\tINVOICE"}},
        // An apostrophe opens a quote that runs to the end of the line.
        {"o'neil invoice", {"O'NEIL INVOICE"}},
        {"'a b'c d", {"'A B'C", "D"}},
        {"\"\" x", {"\"\"", "X"}},
        // The other quote character is ordinary inside a quote.
        {"\"it's here\" now", {"\"IT'S HERE\"", "NOW"}},
        {"'line\nbreak' x", {"'LINE\nBREAK'", "X"}},
        {"straße café", {"STRAßE", "CAFé"}},
    };
    for (const Case& expected : cases) {
        EXPECT_EQ(store::splitWords(store::upperCaseTagText(expected.line)), expected.words)
            << expected.line.toStdString();
    }
}

TEST(UpperCaseTagText, ChangesOnlyTheLettersAToZ) {
    EXPECT_EQ(store::upperCaseTagText("abc xyz ÿ ß é ı 09 @[`{"), "ABC XYZ ÿ ß é ı 09 @[`{");
}
