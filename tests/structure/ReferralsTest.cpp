#include "structure/Referrals.h"

#include "structure/GroupTestSupport.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace grouptest;

namespace {
// Round 1: "Gruppe A" (1) and "Gruppe B" (2); round 2: group 3; round 3: group 4.
std::unique_ptr<TournamentState> ThreeRounds()
{
    auto state = MakeTournament({{4, 4}, {4}, {4}});
    state->NameTable[1][0] = QStringLiteral("Gruppe A");
    state->NameTable[2][0] = QStringLiteral("Gruppe B");
    state->ScheduleGrid.resize(8, 30);
    return state;
}

// Both double-clicks of one referral, on the given cell of the schedule grid.
std::optional<ReferralPanel> Refer(TournamentState& state, int group, int place, int target, int slot,
                                   Prompter& prompter)
{
    state.SelectedCol = 1;
    state.SelectedRow = 7;
    ActOnTeamLineForReferral(state, group, place, prompter);
    return ActOnTeamLineForReferral(state, target, slot, prompter);
}
} // namespace

TEST(Referrals, TheFirstDoubleClickSelectsThePlacement)
{
    auto state = ThreeRounds();
    Link(*state, 1, 4, 3, 2); // where position 2 of group 3 itself comes from
    ScriptedPrompter prompter;

    const std::optional<ReferralPanel> panel = ActOnTeamLineForReferral(*state, 3, 2, prompter);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->selection, QStringLiteral("2.Gruppe 3 (Gruppe 3)"));
    EXPECT_EQ(panel->comesFrom, QStringLiteral("4. Gruppe A (Gruppe 1)"));
    EXPECT_TRUE(state->ReferralPending);
    EXPECT_EQ(state->ReferralSourcePlace, 2);
}

TEST(Referrals, TheSecondDoubleClickLinksBothHalvesAndWritesThePlaceholder)
{
    auto state = ThreeRounds();
    ScriptedPrompter prompter;

    const std::optional<ReferralPanel> panel = Refer(*state, 1, 1, 3, 3, prompter);
    ASSERT_TRUE(panel);
    EXPECT_EQ(ReferralOf(*state, 1, 1), (Referral{0, 0, 3, 3}));
    EXPECT_EQ(ReferralOf(*state, 3, 3), (Referral{1, 1, 0, 0}));
    EXPECT_EQ(state->NameTable[3][3], QStringLiteral("1. Gruppe A"));
    EXPECT_EQ(state->ScheduleGrid.cell(1, 7), QStringLiteral("3) 1. Gruppe A"));
    EXPECT_EQ(panel->comesFrom, QStringLiteral("1. Gruppe A (Gruppe 1)"));
    EXPECT_FALSE(state->ReferralPending);
    EXPECT_EQ(RefersToText(*state, 1, 1), QStringLiteral("3. Gruppe 3 (Gruppe 3)"));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(Referrals, ANewReferralReplacesTheOldLinkAtEitherEnd)
{
    auto state = ThreeRounds();
    ScriptedPrompter prompter;

    // A second placement into the same position takes it over.
    Refer(*state, 1, 1, 3, 3, prompter);
    Refer(*state, 2, 1, 3, 3, prompter);
    EXPECT_EQ(ReferralOf(*state, 1, 1), Referral{});
    EXPECT_EQ(ReferralOf(*state, 2, 1), (Referral{0, 0, 3, 3}));
    EXPECT_EQ(ReferralOf(*state, 3, 3), (Referral{2, 1, 0, 0}));
    EXPECT_EQ(state->NameTable[3][3], QStringLiteral("1. Gruppe B"));

    // The same placement into another position leaves the first one empty.
    Refer(*state, 2, 1, 4, 1, prompter);
    EXPECT_EQ(ReferralOf(*state, 3, 3), Referral{});
    EXPECT_TRUE(state->NameTable[3][3].isEmpty());
    EXPECT_EQ(ReferralOf(*state, 2, 1), (Referral{0, 0, 4, 1}));
    EXPECT_EQ(state->NameTable[4][1], QStringLiteral("1. Gruppe B"));
}

TEST(Referrals, RefusesATargetThatIsNotInALaterRound)
{
    auto state = ThreeRounds();
    ScriptedPrompter prompter;
    Link(*state, 1, 1, 3, 1);

    const std::optional<ReferralPanel> panel = Refer(*state, 1, 1, 2, 1, prompter);
    ASSERT_TRUE(panel);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral(
                                    "Sie können eine Mannschaft nur in eine SPÄTERE Runde verweisen !")});
    EXPECT_FALSE(state->ReferralPending);
    EXPECT_FALSE(panel->patchesCell);
    EXPECT_EQ(ReferralOf(*state, 1, 1), (Referral{0, 0, 3, 1})); // nothing was undone
    EXPECT_EQ(ReferralOf(*state, 2, 1), Referral{});

    prompter.clear();
    Refer(*state, 3, 1, 1, 2, prompter); // backwards
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(ReferralOf(*state, 3, 1), (Referral{1, 1, 0, 0}));
}

TEST(Referrals, AsksBeforeAGroupWithResultsTakesPartAndStopsOnNo)
{
    auto state = ThreeRounds();
    StoreResult(*state, 3, 1, 1, 0);
    ScriptedPrompter prompter;
    ActOnTeamLineForReferral(*state, 1, 1, prompter);

    prompter.answer({Prompter::Answer::No});
    EXPECT_FALSE(ActOnTeamLineForReferral(*state, 3, 1, prompter));
    EXPECT_TRUE(state->ReferralPending);
    EXPECT_EQ(ReferralOf(*state, 3, 1), Referral{});

    prompter.answer({Prompter::Answer::Yes});
    ASSERT_TRUE(ActOnTeamLineForReferral(*state, 3, 1, prompter));
    EXPECT_EQ(ReferralOf(*state, 3, 1), (Referral{1, 1, 0, 0}));
}

TEST(Referrals, RemovingALinkFromEitherEndEmptiesBothHalvesTheTargetNameAndThePanelTexts)
{
    auto state = ThreeRounds();
    Link(*state, 1, 2, 3, 4);
    Link(*state, 2, 1, 3, 1);
    state->NameTable[3][2] = QStringLiteral("Adler");

    RemoveOutgoingReferral(*state, 1, 2);
    EXPECT_EQ(ReferralOf(*state, 1, 2), Referral{});
    EXPECT_EQ(ReferralOf(*state, 3, 4), Referral{});
    EXPECT_TRUE(state->NameTable[3][4].isEmpty());

    RemoveIncomingReferral(*state, 3, 1);
    EXPECT_EQ(ReferralOf(*state, 2, 1), Referral{});
    EXPECT_EQ(ReferralOf(*state, 3, 1), Referral{});
    EXPECT_TRUE(state->NameTable[3][1].isEmpty());
    EXPECT_TRUE(ComesFromText(*state, 0, 0).isEmpty()) << "outside the table";
    EXPECT_TRUE(RefersToText(*state, 500, -1).isEmpty());

    // A position without an incoming link keeps its name.
    RemoveIncomingReferral(*state, 3, 2);
    RemoveOutgoingReferral(*state, 3, 2);
    EXPECT_EQ(state->NameTable[3][2], QStringLiteral("Adler"));
}
