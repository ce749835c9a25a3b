// What the user reads when a scan stops: a sentence for every condition TWAIN defines.
#include "scan/twain/condition_text.h"
#include "scan/twain/twain_protocol.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace quillox::twain;

TEST(ConditionText, EveryDefinedConditionIsASentenceWithoutItsNumber) {
    QSet<QString> sentences;
    for (int condition = 1; condition <= 29; ++condition) {
        if (condition == 7 || condition == 8 || condition == TWCC_CAPUNSUPPORTED)
            continue; // 7 and 8 are not defined; CAPUNSUPPORTED reads as BADCAP does
        const QString text = conditionText(condition);
        EXPECT_FALSE(text.contains(QString::number(condition)))
            << condition << ": " << text.toStdString();
        EXPECT_FALSE(text.isEmpty()) << condition;
        sentences.insert(text);
    }
    EXPECT_EQ(sentences.size(), 26);
    EXPECT_EQ(conditionText(TWCC_SEQERROR), "the scanner was asked for something out of order");
}

TEST(ConditionText, UndefinedAndDriversOwnConditionsNameTheirNumber) {
    EXPECT_EQ(conditionText(7), "the scanner reported an unknown condition (7)");
    EXPECT_EQ(conditionText(0x8003), "the scanner reported a condition of its own (32771)");
}
