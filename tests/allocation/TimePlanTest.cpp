#include "allocation/TimePlan.h"
#include "allocation/GameListPages.h"
#include "model/TournamentFile.h"

#include "AllocationTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

// Lets failures show game-list entries.
void PrintTo(const GameListEntry& entry, std::ostream* out)
{
    *out << '{' << entry.Time.toStdString() << ", " << entry.Field << ", " << entry.Opponent << '}';
}

namespace {
QString TeamCell(int position, int group)
{
    return QStringLiteral("%1) %2.%1").arg(position).arg(group);
}
} // namespace

TEST(TimePlan, SlotsFollowTheHeaderWithTwoRowsEachAndTheNextRoundOneGameLengthLater)
{
    auto state = MakeTournament({{{3}, 1}, {{3}, 1}});
    const auto output = Allocate(*state);
    const TextGrid& plan = output->TimePlan;
    EXPECT_EQ(plan.cell(1, 1), QStringLiteral("Korvane"));
    EXPECT_EQ(plan.cell(1, 4), QStringLiteral("Runde 1"));
    EXPECT_EQ(plan.cell(2, 4), QStringLiteral("Platz 1"));
    const QStringList clocks{QStringLiteral("9:00"), QStringLiteral("9:10"), QStringLiteral("9:20")};
    // Game k of a lone group on one field stands in slot k, in row 6 + 2k when no break intervenes.
    for (int slot = 1; slot <= 3; ++slot) {
        const int row = 6 + 2 * slot;
        EXPECT_EQ(plan.cell(1, row), clocks.at(slot - 1));
        EXPECT_EQ(plan.cell(0, row), QStringLiteral("1"));
        EXPECT_EQ(plan.cell(0, row + 1), QStringLiteral("1"));
        EXPECT_TRUE(plan.cell(1, row + 1).isEmpty());
        const PairingEntry pairing = state->Pairings.PairingOf(3, slot);
        EXPECT_EQ(plan.cell(2, row), TeamCell(pairing.first, 1));
        EXPECT_EQ(plan.cell(3, row), QStringLiteral(": ") + TeamCell(pairing.second, 1));
        EXPECT_EQ(plan.tag(2, row), QStringLiteral("1 manscha %1").arg(pairing.first));
        EXPECT_EQ(plan.tag(3, row), QStringLiteral("1 manschb %1").arg(pairing.second));
        EXPECT_EQ(plan.tag(4, row), QStringLiteral("1 manschc %1").arg(slot));
        // The referee line below shows the idle team (referee rules are tested with the referees).
        EXPECT_EQ(plan.cell(3, row + 1), QStringLiteral("1.%1").arg(6 - pairing.first - pairing.second));
    }
    EXPECT_TRUE(plan.cell(1, 14).isEmpty());
    EXPECT_EQ(plan.cell(1, 17), QStringLiteral("Runde 2"));
    EXPECT_EQ(plan.cell(1, 21), QStringLiteral("9:30"));
    EXPECT_EQ(plan.tag(2, 21).section(QLatin1Char(' '), 0, 1), QStringLiteral("2 manscha"));
    // Rows: 4 + 3 + 2 x 3 + 4 per round.
    EXPECT_EQ(plan.rowCount(), 30);
    EXPECT_EQ(plan.columnCount(), 5);
}

TEST(TimePlan, BreaksComeBeforeTheNextSlotOnceBegunAndPassedOnesAreSkipped)
{
    struct Cell {
        int col, row;
        const char* text;
    };
    struct Case {
        const char* what;
        int teams;
        const char* start;
        QStringList breaks;
        std::vector<Cell> cells;
    };
    const Case cases[] = {
        {"a break that has begun",
         3,
         "9:00",
         {"09:15   00:30"},
         {{1, 8, "9:00"}, {1, 10, "9:10"}, {1, 13, "Pause"}, {1, 16, "9:45"}, {0, 17, "1"}}},
        {"the second break ends while the first one still runs",
         4,
         "9:00",
         {"09:05   00:10", "09:06   00:10"},
         {{1, 8, "9:00"}, {1, 11, "Pause"}, {1, 14, "9:15"}, {1, 16, "9:25"}}},
        {"a break before the start, then one the clock reaches",
         4,
         "14:00",
         {"11:30   1:00", "14:05   00:30"},
         {{1, 8, "14:00"}, {1, 11, "Pause"}, {1, 14, "14:35"}, {1, 16, "14:45"}}},
        {"a break that ended as the slot begins",
         3,
         "9:00",
         {"09:05   00:05"},
         {{1, 10, "9:10"}, {1, 12, "9:20"}}},
        {"a duration with a one-digit hour",
         3,
         "9:00",
         {"09:05   1:30"},
         {{1, 11, "Pause"}, {1, 14, "10:35"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto state = MakeTournament({{{c.teams}, 1}});
        state->StartTime = QString::fromLatin1(c.start);
        state->PauseList = c.breaks;
        const auto output = Allocate(*state);
        for (const Cell& cell : c.cells)
            EXPECT_EQ(output->TimePlan.cell(cell.col, cell.row), QString::fromLatin1(cell.text)) << cell.row;
    }
}

TEST(TimePlan, ResultsAreFoundByGroupAndGameAndHiddenRefereesKeepTheirTags)
{
    auto state = MakeTournament({{{3}, 1}});
    state->ResultCount = 2;
    state->ResultTable[1] = {1, 1, QStringLiteral("25:20 25:18"), 2, 0, 50, 38};
    state->ResultTable[2] = {1, 3, QStringLiteral("x"), 0, 0, 0, 0};
    auto output = Allocate(*state);
    EXPECT_EQ(output->TimePlan.cell(4, 8), QStringLiteral("50:38"));
    EXPECT_TRUE(output->TimePlan.cell(4, 10).isEmpty());
    EXPECT_EQ(output->TimePlan.cell(4, 12), QStringLiteral("x"));

    state->Settings.WithSets = true;
    state->Settings.RefereesEnabled = false;
    output = Allocate(*state);
    EXPECT_EQ(output->TimePlan.cell(4, 8), QStringLiteral("25:20 25:18"));
    EXPECT_EQ(output->TimePlan.cell(4, 12), QStringLiteral("x"));
    EXPECT_TRUE(output->TimePlan.cell(2, 9).isEmpty());
    EXPECT_TRUE(output->TimePlan.cell(3, 9).isEmpty());
    EXPECT_TRUE(output->TimePlan.tag(3, 9).startsWith(QStringLiteral("1 schiri ")));
    EXPECT_EQ(output->Messages.lines(), QStringList({QStringLiteral("Runde 1 Doppelspiele: 2")}));
}

TEST(TimePlan, FieldsARoundDoesNotUseStayEmpty)
{
    // Round 1: one group of four on three fields uses only two per slot; round 2 has one field.
    auto state = MakeTournament({{{4}, 3}, {{2}, 1}});
    const auto output = Allocate(*state);
    const TextGrid& plan = output->TimePlan;
    EXPECT_EQ(plan.columnCount(), 11);
    EXPECT_EQ(plan.cell(8, 4), QStringLiteral("Platz 3"));
    EXPECT_TRUE(plan.cell(8, 8).isEmpty() && plan.tag(8, 8).isEmpty());
    const int round2Header = 4 + 3 + 6 + 4;
    EXPECT_EQ(plan.cell(1, round2Header), QStringLiteral("Runde 2"));
    EXPECT_TRUE(plan.cell(5, round2Header).isEmpty());
    EXPECT_FALSE(plan.cell(2, round2Header + 4).isEmpty());
    for (int col = 5; col <= 10; ++col)
        EXPECT_TRUE(plan.cell(col, round2Header + 4).isEmpty());
}

TEST(TimePlan, TheRequestedRoundFillsTheGameListsAndTheirPagesListEveryTeamsGamesAndDuties)
{
    auto state = MakeTournament({{{4}, 1}, {{3}, 1}});
    AllocationOutput output;
    RequestGameLists(output, 2);
    int written = 0;
    AllocationOptions options;
    options.WriteGameLists = [&](int round) {
        written = round;
        EXPECT_GT(output.GameLists.count(1), 0); // collected before the round's lists are written
    };
    ScriptedPrompter prompter;
    ASSERT_TRUE(RunAllocation(*state, output, prompter, options));
    EXPECT_EQ(written, 2);
    EXPECT_EQ(output.GameListRound, 0);
    // Round 1 plays six slots from 9:00 on, round 2 follows one game length after the last.
    const QStringList clocks{QStringLiteral("10:00"), QStringLiteral("10:10"), QStringLiteral("10:20")};
    QStringList firstPage{QStringLiteral(" "),        QStringLiteral(" "),
                          QStringLiteral(" "),        QStringLiteral("Korvane: Korvane"),
                          QStringLiteral("Runde: 2"), QStringLiteral("Mannschaft: 2.1"),
                          QStringLiteral(" ")};
    for (int team = 1; team <= 3; ++team) {
        ASSERT_EQ(output.GameLists.count(team), 3) << "two games and one duty for team " << team;
        for (int slot = 1; slot <= 3; ++slot) {
            const PairingEntry pairing = state->Pairings.PairingOf(3, slot);
            const int opponent = pairing.first == team    ? pairing.second
                                 : pairing.second == team ? pairing.first
                                                          : 0;
            const GameListEntry expected{clocks.at(slot - 1), 1, opponent};
            EXPECT_EQ(output.GameLists.entry(team, slot), expected) << "team " << team << " slot " << slot;
            if (team == 1)
                firstPage << clocks.at(slot - 1) + QStringLiteral("  Platz:1  ") +
                                 (opponent >= 1 ? QStringLiteral("Gegner: 2.%1").arg(opponent)
                                                : QStringLiteral("Schiedsrichter"));
        }
    }
    EXPECT_EQ(output.GameLists.count(4), 0);
    const QStringList pages = GameListPages(*state, output.GameLists, 2);
    ASSERT_EQ(pages.size(), 3 * 10);
    EXPECT_EQ(pages.mid(0, 10), firstPage);
    EXPECT_EQ(pages.at(15), QStringLiteral("Mannschaft: 2.2"));

    state->Settings.RefereesEnabled = false;
    RequestGameLists(output, 2);
    ASSERT_TRUE(RunAllocation(*state, output, prompter));
    EXPECT_EQ(output.GameLists.count(1), 2);
}

TEST(TimePlan, TheFieldPlanKeepsTheWholeTimePlan)
{
    auto state = MakeTournament({{{4}, 3}});
    state->ScheduleGrid.resize(6, 40);
    state->FieldPlan.resize(2, 2);
    state->FieldPlan.setCell(1, 1, QStringLiteral("noch nicht"));
    const auto output = Allocate(*state);
    EXPECT_TRUE(state->TimePlanCurrent);
    EXPECT_EQ(state->FieldPlan.columnCount(), 11);
    EXPECT_EQ(state->FieldPlan.rowCount(), 40);
    for (int row = 0; row < output->TimePlan.rowCount(); ++row) {
        for (int col = 0; col < output->TimePlan.columnCount(); ++col) {
            EXPECT_EQ(state->FieldPlan.cell(col, row), output->TimePlan.cell(col, row));
            EXPECT_EQ(state->FieldPlan.tag(col, row), output->TimePlan.tag(col, row));
        }
    }
    EXPECT_EQ(state->FieldPlan.cell(1, 1), QStringLiteral("Korvane"));

    // Saved and loaded again, a plan with long rounds and breaks keeps every cell and its size.
    SetRounds(*state, {{{8}, 1, true}, {{5, 5}, 3}, {{4}, 2, false, true}});
    state->PauseList = {QStringLiteral("09:30   00:15"), QStringLiteral("12:00   1:00"),
                        QStringLiteral("13:30   00:05")};
    Allocate(*state);
    auto loaded = std::make_unique<TournamentState>();
    const TournamentFileReadResult read = ReadTournamentFile(*loaded, WriteTournamentFile(*state));
    EXPECT_TRUE(read.ok && read.notices.isEmpty()) << read.notices.join(u'|').toStdString();
    ASSERT_EQ(loaded->FieldPlan.columnCount(), state->FieldPlan.columnCount());
    ASSERT_EQ(loaded->FieldPlan.rowCount(), state->FieldPlan.rowCount());
    for (int row = 0; row < state->FieldPlan.rowCount(); ++row)
        for (int col = 0; col < state->FieldPlan.columnCount(); ++col)
            EXPECT_EQ(loaded->FieldPlan.cell(col, row), state->FieldPlan.cell(col, row));
}
