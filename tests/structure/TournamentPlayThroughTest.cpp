// Plays a small tournament through the structure operations: two groups of four are created,
// their first two places are referred into a final group, results are stored group by group and
// the placed teams arrive in the final.
#include "model/TournamentState.h"
#include "results/Standings.h"
#include "structure/Advancement.h"
#include "structure/GroupDialogs.h"
#include "structure/Referrals.h"
#include "structure/RoundNavigation.h"
#include "structure/ScheduleCheck.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {
class TournamentPlayThrough : public ::testing::Test {
protected:
    void SetUp() override
    {
        state->Pairings = BuildPairingTable();
        ResetTournament(*state);
        state->FieldsInRound[1] = 2;
        state->GameLengthInRound[1] = 10;
    }

    // Every game of the group is won 2:0 by the stronger team; `strength` lists the positions
    // from the strongest down, which is then also the order of places.
    void PlayGroup(int group, const std::array<int, 4>& strength, int lastGame = 6)
    {
        const auto rank = [&](int position) {
            return int(std::find(strength.begin(), strength.end(), position) - strength.begin());
        };
        for (int game = 1; game <= lastGame; ++game) {
            const PairingEntry pairing = state->Pairings.PairingOf(4, game);
            const bool firstWins = rank(pairing.first) < rank(pairing.second);
            GameResult& result = state->ResultTable[std::size_t(++state->ResultCount)];
            result = {group,
                      game,
                      firstWins ? QStringLiteral("2:0") : QStringLiteral("0:2"),
                      0,
                      0,
                      firstWins ? 2 : 0,
                      firstWins ? 0 : 2};
            state->GroupHasResults[std::size_t(group)] = true;
        }
    }

    // What result entry does after storing: rank the group, then check its completion.
    void FinishEntry(int group, const std::array<int, 4>& strength)
    {
        ComputeStandings(*state, group);
        for (int place = 1; place <= 4; ++place)
            state->RankedPosition[std::size_t(group)][std::size_t(place)] = strength[std::size_t(place - 1)];
        CheckGroupCompletion(*state, group);
    }

    void Refer(int group, int place, int target, int slot)
    {
        ASSERT_TRUE(ActOnTeamLineForReferral(*state, group, place, prompter));
        ASSERT_TRUE(ActOnTeamLineForReferral(*state, target, slot, prompter));
    }

    std::unique_ptr<TournamentState> state = std::make_unique<TournamentState>();
    ScriptedPrompter prompter;
};
} // namespace

TEST_F(TournamentPlayThrough, PlacedTeamsArriveInTheFinalAndStayWhenAResultIsRemoved)
{
    NewGroupInput firstRound{QStringLiteral("2"), QStringLiteral("Gruppe "), QStringLiteral("4"), false};
    ASSERT_EQ(AddNewGroups(*state, firstRound, prompter).createdGroups, 2);
    ASSERT_TRUE(ShowNextRound(*state));
    NewGroupInput final{QStringLiteral("1"), QStringLiteral("Finale"), QStringLiteral("4"), false};
    ASSERT_EQ(AddNewGroups(*state, final, prompter).createdGroups, 1);
    ASSERT_EQ(state->RoundCount, 2);
    const QStringList teams{"Adler", "Bären", "Cobras", "Dachse", "Elche", "Füchse", "Geier", "Hirsche"};
    for (int index = 0; index < teams.size(); ++index)
        state->NameTable[std::size_t(1 + index / 4)][std::size_t(1 + index % 4)] = teams.at(index);

    Refer(1, 1, 3, 1);
    Refer(2, 2, 3, 2);
    Refer(2, 1, 3, 3);
    Refer(1, 2, 3, 4);
    EXPECT_EQ(state->NameTable[3][1], QStringLiteral("1. Gruppe 1"));
    EXPECT_EQ(state->NameTable[3][2], QStringLiteral("2. Gruppe 2"));
    EXPECT_EQ(CheckSchedule(*state, false, QStringLiteral("10:00:00")),
              QStringList{QStringLiteral("10:00:00 Uhr: keine Fehler gefunden")});

    const std::array<int, 4> firstGroupPlaces{3, 1, 4, 2};
    PlayGroup(1, firstGroupPlaces, 5);
    FinishEntry(1, firstGroupPlaces);
    EXPECT_FALSE(state->GroupCompleted[1]);
    EXPECT_EQ(state->NameTable[3][1], QStringLiteral("1. Gruppe 1"));

    state->ResultCount = 0; // store the whole group again, now with its last game
    PlayGroup(1, firstGroupPlaces);
    FinishEntry(1, firstGroupPlaces);
    EXPECT_TRUE(state->GroupCompleted[1]);
    EXPECT_EQ(state->NameTable[3][1], QStringLiteral("Cobras"));
    EXPECT_EQ(state->NameTable[3][4], QStringLiteral("Adler"));
    EXPECT_EQ(state->NameTable[3][2], QStringLiteral("2. Gruppe 2"));

    const std::array<int, 4> secondGroupPlaces{2, 4, 1, 3};
    PlayGroup(2, secondGroupPlaces);
    FinishEntry(2, secondGroupPlaces);
    EXPECT_TRUE(state->GroupCompleted[2]);
    EXPECT_EQ(state->NameTable[3][2], QStringLiteral("Hirsche"));
    EXPECT_EQ(state->NameTable[3][3], QStringLiteral("Füchse"));

    // Removing the last result of group 1 reopens it; the final keeps the names carried so far.
    state->ResultTable[6] = state->ResultTable[7];
    for (int index = 7; index < state->ResultCount; ++index)
        state->ResultTable[std::size_t(index)] = state->ResultTable[std::size_t(index + 1)];
    state->ResultTable[std::size_t(state->ResultCount--)] = GameResult{};
    FinishEntry(1, firstGroupPlaces);
    EXPECT_FALSE(state->GroupCompleted[1]);
    EXPECT_TRUE(state->GroupCompleted[2]);
    EXPECT_EQ(state->NameTable[3][1], QStringLiteral("Cobras"));
    EXPECT_EQ(state->NameTable[3][4], QStringLiteral("Adler"));
    EXPECT_TRUE(prompter.shown().empty());
}
