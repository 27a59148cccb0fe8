#include "model/ReferralDump.h"
#include "model/DiagnosticLists.h"
#include "model/TournamentState.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ReferralDump, ListsUsedEntriesRowByRowAndEndsWithTheSumOnACarriageReturnLine)
{
    auto state = std::make_unique<TournamentState>();
    EXPECT_EQ(ReferralDumpText(*state), QByteArray("0\r"));
    state->ReferralTable[1][2] = {0, 0, 3, 1};
    state->ReferralTable[1][1] = {0, 0, 3, 2};
    state->ReferralTable[3][1] = {1, 2, 0, 0};
    state->ReferralTable[200][200] = {-1, 0, 0, 0}; // any non-zero field makes an entry used
    // Row and column 0 lie outside the dump.
    state->ReferralTable[0][5] = {7, 7, 7, 7};
    state->ReferralTable[5][0] = {7, 7, 7, 7};
    EXPECT_EQ(ReferralDumpText(*state), QByteArray("0 0 3 2 \r\n"
                                                   "0 0 3 1 \r\n"
                                                   "1 2 0 0 \r\n"
                                                   "-1 0 0 0 \r\n"
                                                   "11\r"));
    // The sum of huge numbers does not overflow.
    state->ReferralTable[3][1] = {2147483647, 2147483647, 0, 0};
    EXPECT_TRUE(ReferralDumpText(*state).endsWith("\r\n4294967302\r"));
}

TEST(StoredResultLines, OneLinePerStoredResult)
{
    auto state = std::make_unique<TournamentState>();
    state->ResultCount = 2;
    state->ResultTable[1] = {1, 3, QStringLiteral("15:7  8:15  "), 1, 1, 23, 22};
    state->ResultTable[2] = {2, 1, QString(), 0, 0, 4, 0};
    state->ResultTable[3] = {2, 2, QStringLiteral("x"), 0, 0, 0, 0};

    EXPECT_EQ(StoredResultLines(*state),
              (QStringList{QStringLiteral("1/3  15:7  8:15   ## 23:22"), QStringLiteral("2/1   ## 4:0")}));
}
