#include "allocation/Referees.h"
#include "allocation/MessageList.h"
#include "allocation/RoundFill.h"
#include "allocation/RoundReport.h"
#include "allocation/RoundTeams.h"
#include "allocation/SlotTable.h"

#include "AllocationTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {
struct RefereedRound {
    SlotTable table;
    RefereeCounts counts{};
};

// Puts the games into slot 1 onward, one slot per inner list, and assigns the referees.
RefereedRound Referee(const TournamentState& state, const std::vector<std::vector<SlotEntry>>& games)
{
    RefereedRound round;
    round.table.setSlotCount(int(games.size()));
    for (std::size_t s = 0; s < games.size(); ++s) {
        for (std::size_t f = 0; f < games[s].size(); ++f)
            round.table.at(int(s) + 1, int(f) + 1) = games[s][f];
    }
    AssignReferees(round.table, MakeRoundTeams(state, 1), state.FieldsInRound[1], round.counts);
    return round;
}
} // namespace

TEST(Referees, AnIdleTeamOfTheOwnGroupThenOfOthersWithFewestDutiesElseAnExternalOne)
{
    struct Case {
        const char* what;
        RoundShape shape;
        std::vector<std::vector<SlotEntry>> games; // one slot per inner list
        std::vector<int> referees;                 // slot by slot, field by field
    };
    const Case cases[] = {
        {"two teams alone", {{2}, 1, true}, {{{1, 2, 0, 1}}, {{2, 1, 0, 2}}}, {0, 0}},
        {"the idle third team of a group of three",
         {{3}, 1},
         {{{1, 2, 0, 1}}, {{3, 1, 0, 2}}, {{2, 3, 0, 3}}},
         {3, 2, 1}},
        {"a final and a third-place game at the same time",
         {{2, 2}, 2},
         {{{1, 2, 0, 1}, {3, 4, 0, 1}}},
         {0, 0}},
        {"an idle team of the own group before a playing one of another",
         {{2, 4}, 2},
         {{{1, 2, 0, 1}, {3, 4, 0, 1}}},
         {5, 6}},
        {"no team referees two games of one slot", {{2, 3}, 2}, {{{1, 2, 0, 1}, {3, 4, 0, 1}}}, {5, 0}},
        // Group 1 (teams 1..4) plays; group 2 (teams 5..7) is idle and shares the duties: 7 has the
        // fewest, then the tie between 5 and 6 goes to the earlier in the rotation.
        {"fewest duties first",
         {{4, 3}, 2},
         {{{1, 2, 0, 1}, {3, 4, 0, 2}}, {{1, 3, 0, 3}, {2, 4, 0, 4}}},
         {5, 6, 7, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RefereedRound round = Referee(*MakeTournament({c.shape}), c.games);
        std::vector<int> referees;
        for (std::size_t slot = 1; slot <= c.games.size(); ++slot)
            for (std::size_t field = 1; field <= c.games[slot - 1].size(); ++field)
                referees.push_back(round.table.at(int(slot), int(field)).Referee);
        EXPECT_EQ(referees, c.referees);
    }

    // The time plan shows an external referee as such.
    const auto output = Allocate(*MakeTournament({{{2}, 1, true}}));
    EXPECT_EQ(output->TimePlan.cell(3, 9), QStringLiteral("EXTERN"));
    EXPECT_EQ(output->TimePlan.tag(3, 9), QStringLiteral("1 schiri 0"));
}

TEST(Referees, OverGeneratedRoundsARefereeIsIdleAndExternalOnlyWhenNobodyIs)
{
    std::mt19937 generator(14);
    auto state = MakeTournament({});
    for (int sample = 0; sample < 150; ++sample) {
        RoundShape shape;
        for (int groups = 1 + int(generator() % 4); groups > 0; --groups)
            shape.GroupSizes.push_back(2 + int(generator() % 5));
        shape.Fields = 1 + int(generator() % (shape.GroupSizes.size() + 2));
        shape.ReturnLeg = generator() % 4 == 0;
        SetRounds(*state, {shape});
        const RoundTeams teams = MakeRoundTeams(*state, 1);
        SlotTable table;
        ASSERT_TRUE(FillByMatchdayRotation(table, teams, state->Pairings, shape.Fields));
        RefereeCounts counts{};
        AssignReferees(table, teams, shape.Fields, counts);
        for (int slot = 1; slot <= table.slotCount(); ++slot) {
            std::vector<int> busy;
            for (int field = 1; field <= shape.Fields; ++field)
                busy.insert(busy.end(), {table.at(slot, field).TeamA, table.at(slot, field).TeamB});
            for (int field = 1; field <= shape.Fields; ++field) {
                const SlotEntry& game = table.at(slot, field);
                if (game.TeamA < 1)
                    continue;
                const auto isBusy = [&busy](int team) {
                    return std::count(busy.begin(), busy.end(), team) > 0;
                };
                if (game.Referee != 0) {
                    EXPECT_FALSE(isBusy(game.Referee)) << "sample " << sample << ", slot " << slot;
                }
                for (int team = 1; team <= teams.TeamCount && game.Referee == 0; ++team)
                    EXPECT_TRUE(isBusy(team)) << "sample " << sample << ": team " << team << " was free";
                busy.push_back(game.Referee);
            }
        }
    }
}

TEST(RoundReport, CountsBackToBackPairsAndListsDuties)
{
    SlotTable table;
    table.setSlotCount(2);
    table.at(1, 1) = {1, 2, 3, 1};
    table.at(2, 1) = {3, 4, 1, 2}; // nobody plays twice in a row
    table.at(2, 2) = {2, 5, 1, 3}; // team 2 plays in games 1 and 2
    RefereeCounts counts{};
    counts[1] = 2;
    counts[2] = 1;
    counts[3] = 2;
    counts[4] = 1;
    MessageList messages;
    ReportRound(messages, 2, table, 2, 4, counts, true);
    EXPECT_EQ(messages.lines(), QStringList({QStringLiteral("Runde 2 Doppelspiele: 1"),
                                             QStringLiteral("  Schiedsr.: 1-2  2-1  3-2  4-1  ")}));
    // Only the back-to-back line when referees are not shown.
    MessageList withoutReferees;
    ReportRound(withoutReferees, 2, table, 2, 4, counts, false);
    EXPECT_EQ(withoutReferees.lines(), QStringList({QStringLiteral("Runde 2 Doppelspiele: 1")}));
}

TEST(RoundReport, DutyLinesBreakPastOneHundredCharacters)
{
    SlotTable table;
    table.setSlotCount(1);
    RefereeCounts counts{};
    for (int team = 1; team <= 30; ++team)
        counts[std::size_t(team)] = team % 3;
    MessageList messages;
    ReportRound(messages, 1, table, 1, 30, counts, true);
    ASSERT_EQ(messages.lines().size(), 3);
    // 13 + 9 x 5 + 8 x 6 = 106 characters: the line that passes 100 is the last one.
    EXPECT_EQ(messages.lines().at(1).size(), 106);
    EXPECT_TRUE(messages.lines().at(1).endsWith(QStringLiteral("  16-1  17-2  ")));
    EXPECT_TRUE(messages.lines().at(2).startsWith(QStringLiteral("      18-0  19-1  ")));
    EXPECT_TRUE(messages.lines().at(2).endsWith(QStringLiteral("29-2  30-0  ")));
}

TEST(RoundReport, DutiesAreCountedPerRound)
{
    auto state = MakeTournament({{{3}, 1}, {{3}, 1}});
    const auto output = Allocate(*state);
    EXPECT_EQ(output->Messages.lines(), QStringList({QStringLiteral("Runde 1 Doppelspiele: 2"),
                                                     QStringLiteral("  Schiedsr.: 1-1  2-1  3-1  "),
                                                     QStringLiteral("Runde 2 Doppelspiele: 2"),
                                                     QStringLiteral("  Schiedsr.: 1-1  2-1  3-1  ")}));
}
