#include "grid/base/zuzcheck.h"

#include <gtest/gtest.h>

TEST(CellChecker, BaseLeavesTextsAsTheyAre)
{
    ZEziZizuvoVovaZevaz checker(nullptr);
    EXPECT_FALSE(checker.GotoCell());
    EXPECT_FALSE(checker.AutoCorrect());
    EXPECT_FALSE(checker.AutoMarkError());
    EXPECT_FALSE(checker.UseCorrect());
    EXPECT_FALSE(checker.UseMarkError());
    checker.StartCheck();
    EXPECT_EQ(checker.MarkError(1, 2, QStringLiteral("teh")), "teh");
    EXPECT_EQ(checker.Correct(1, 2, QStringLiteral("teh")), "teh");
    checker.StopCheck();
}
