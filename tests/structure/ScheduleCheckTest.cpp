#include "structure/ScheduleCheck.h"

#include "structure/GroupTestSupport.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

using namespace grouptest;

namespace {
const QString Clock = QStringLiteral("14:03:07");
const QString NoErrors = QStringLiteral("14:03:07 Uhr: keine Fehler gefunden");
} // namespace

TEST(CheckSchedule, GroupsOfEarlierRoundsWithoutReferralsGetANoticeOnly)
{
    auto state = MakeTournament({{4, 4}, {4}});
    EXPECT_EQ(CheckSchedule(*state, false, Clock),
              (QStringList{"aus Gruppe 1 (Gruppe 1) erreicht niemand die nächste Runde",
                           "aus Gruppe 2 (Gruppe 2) erreicht niemand die nächste Runde", NoErrors}));
}

TEST(CheckSchedule, ReportsAPlacementWithoutReferralBeforeAReferredOne)
{
    auto state = MakeTournament({{4}, {4}});
    state->NameTable[1][0] = QStringLiteral("Gruppe A");
    Link(*state, 1, 1, 2, 1);
    Link(*state, 1, 3, 2, 2);
    EXPECT_EQ(
        CheckSchedule(*state, false, Clock),
        QStringList{
            "2.Gruppe A (Gruppe 1) hat keinen Verweis, aber schlechter platzierte Mannschaft(en) schon !"});

    auto firstMissing = MakeTournament({{4}, {4}});
    Link(*firstMissing, 1, 2, 2, 1);
    Link(*firstMissing, 1, 3, 2, 2);
    EXPECT_EQ(
        CheckSchedule(*firstMissing, true, Clock),
        QStringList{
            "1.Gruppe 1 (Gruppe 1) hat keinen Verweis, aber schlechter platzierte Mannschaft(en) schon !"});
    EXPECT_EQ(ReferralOf(*firstMissing, 1, 2).ToGroup, 2); // the order step deletes nothing
}

TEST(CheckSchedule, AReferralThatSkipsARoundIsReportedAndDeletedOnRequest)
{
    auto state = MakeTournament({{4}, {4}, {4}});
    Link(*state, 1, 1, 2, 1);
    Link(*state, 1, 2, 3, 4);
    Link(*state, 2, 1, 3, 1);
    const auto kept = std::make_unique<TournamentState>(*state);
    const QString line = QStringLiteral(
        "2.Gruppe 1 (Gruppe 1) wird nicht in die folgende Runde verwiesen ! (Zielgruppe 3 Gruppe 3)");

    EXPECT_EQ(CheckSchedule(*kept, false, Clock), QStringList{line});
    EXPECT_EQ(ReferralOf(*kept, 1, 2).ToGroup, 3);

    state->IsSaved = true;
    EXPECT_EQ(CheckSchedule(*state, true, Clock), QStringList{line + " (gelöscht)"});
    EXPECT_EQ(ReferralOf(*state, 1, 2), Referral{});
    EXPECT_EQ(ReferralOf(*state, 3, 4), Referral{});
    EXPECT_TRUE(state->NameTable[3][4].isEmpty());
    EXPECT_EQ(ReferralOf(*state, 1, 1).ToGroup, 2);
    EXPECT_FALSE(state->IsSaved);

    // Once deleted, the next check finds nothing.
    EXPECT_EQ(CheckSchedule(*state, true, Clock), QStringList{NoErrors});
}

TEST(CheckSchedule, AReferralIntoAPositionTheGroupNoLongerHasIsReported)
{
    auto state = MakeTournament({{4}, {5}});
    Link(*state, 1, 1, 2, 5);
    state->TeamsInGroup[2] = 4;
    const QString line = QStringLiteral("1.Gruppe 1 (Gruppe 1) wird auf einen nicht vorhandenen Platz "
                                        "(5.Gruppe 2 (Gruppe 2)) verwiesen ");
    EXPECT_EQ(CheckSchedule(*state, false, Clock), QStringList{line});

    EXPECT_EQ(
        CheckSchedule(*state, true, Clock),
        (QStringList{line + " (gelöscht)", "aus Gruppe 1 (Gruppe 1) erreicht niemand die nächste Runde"}));
    EXPECT_EQ(ReferralOf(*state, 1, 1), Referral{});
    EXPECT_TRUE(state->NameTable[2][5].isEmpty());
}

TEST(CheckSchedule, AReferralPastTheLastGroupIsReportedByBothStepsAndDeletedByTheFirst)
{
    auto state = MakeTournament({{4}, {4}});
    state->ReferralTable[1][1].ToGroup = 150; // as a damaged file may hold it
    state->ReferralTable[1][1].ToSlot = 30;
    const QString roundLine = QStringLiteral(
        "1.Gruppe 1 (Gruppe 1) wird nicht in die folgende Runde verwiesen ! (Zielgruppe 150 )");
    const QString targetLine = QStringLiteral("1.Gruppe 1 (Gruppe 1) wird auf einen nicht vorhandenen Platz "
                                              "(30. (Gruppe 150)) verwiesen ");

    auto kept = std::make_unique<TournamentState>(*state);
    EXPECT_EQ(CheckSchedule(*kept, false, Clock), (QStringList{roundLine, targetLine}));

    EXPECT_EQ(CheckSchedule(*state, true, Clock),
              (QStringList{roundLine + " (gelöscht)",
                           "aus Gruppe 1 (Gruppe 1) erreicht niemand die nächste Runde"}));
    EXPECT_EQ(ReferralOf(*state, 1, 1), Referral{});
    EXPECT_EQ(ReferralOf(*state, 150, 30), Referral{});
}

TEST(CheckSchedule, AReferralIntoTheGroupNameSlotIsNoPosition)
{
    auto state = MakeTournament({{4}, {4}});
    Link(*state, 1, 1, 2, 0);
    state->NameTable[2][0] = QStringLiteral("Finale");
    EXPECT_EQ(
        CheckSchedule(*state, true, Clock),
        (QStringList{"1.Gruppe 1 (Gruppe 1) wird auf einen nicht vorhandenen Platz (0.Finale (Gruppe 2)) "
                     "verwiesen  (gelöscht)",
                     "aus Gruppe 1 (Gruppe 1) erreicht niemand die nächste Runde"}));
    EXPECT_EQ(state->NameTable[2][0], QStringLiteral("Finale")); // deleting it keeps the group's name
}

TEST(LongTimeText, UsesTheLocaleLongTimeFormatWithoutTheTimeZone)
{
    const QTime time(9, 5, 7);
    EXPECT_EQ(LongTimeText(time, QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("09:05:07"));
    EXPECT_EQ(LongTimeText(time, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("9:05:07 AM"));
}
