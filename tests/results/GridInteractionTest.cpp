#include "results/GridInteraction.h"
#include "results/ScheduleFixture.h"
#include "results/ScheduleGrid.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

// Rows of the fixture's group 1 (column 1..5): team entries 8..10, games 1..3 on rows 12..14,
// games 4..6 on rows 16..18, table head 20, table rows 22..24. Group 2 starts in column 6.
namespace {
using Cells = std::set<std::pair<int, int>>;

// A piece of a time plan: one game line of group 1 and one of group 2 with referees.
TextGrid timePlan()
{
    TextGrid plan(6, 3);
    const auto put = [&plan](int col, int row, const char* text, const char* tag) {
        plan.setCell(col, row, QString::fromUtf8(text));
        plan.setTag(col, row, QString::fromUtf8(tag));
    };
    plan.setCell(0, 1, QStringLiteral("1"));
    put(1, 1, "1) Adler", "1 manscha 1");
    put(2, 1, "3) Cobras", "1 manschb 3");
    put(3, 1, "", "1 manschc 5");
    put(4, 1, "Dachse", "2 schiri 1");
    plan.setCell(0, 2, QStringLiteral("1"));
    put(1, 2, "Dachse", "2 manscha 1");
    put(2, 2, "Elche", "2 manschb 2");
    put(3, 2, "  2 : 2", "2 manschc 1");
    put(4, 2, "Adler", "1 schiri 1");
    put(5, 2, "Einzeln", "2 manscha 2"); // no result cell beside it
    return plan;
}

void expectPainted(const TextGrid& grid, const Cells& silver, const Cells& grey = {})
{
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int col = 0; col < grid.columnCount(); ++col) {
            std::uint32_t expected = HighlightColour::Background;
            if (row == 0 || col == 0)
                expected = TextGrid::NoColour;
            else if (silver.count({col, row}))
                expected = HighlightColour::SameTeam;
            else if (grey.count({col, row}))
                expected = HighlightColour::Referee;
            EXPECT_EQ(grid.colour(col, row), expected) << col << "," << row;
        }
    }
}

class GridInteraction : public ::testing::Test {
protected:
    void SetUp() override { LayOutScheduleGrid(*state); }
    CellAction doubleClick(int col, int row, bool referralMode = false)
    {
        SelectCell(*state, col, row);
        return ActOnCell(*state, state->ScheduleGrid, referralMode);
    }
    std::unique_ptr<TournamentState> state = TwoRoundTournament();
};
} // namespace

TEST_F(GridInteraction, HighlightsEveryEntryAndGameOfTheSelectedTeam)
{
    HighlightTeam(*state, state->ScheduleGrid, 1, 8); // "1) Adler"
    // Adler plays games 2, 3, 5 and 6.
    expectPainted(state->ScheduleGrid,
                  {{1, 8}, {1, 13}, {2, 13}, {1, 14}, {2, 14}, {1, 17}, {2, 17}, {1, 18}, {2, 18}});
}

TEST_F(GridInteraction, HighlightsTheSameNameInOtherGroupsAndItsRefereeDuties)
{
    TextGrid plan = timePlan();
    state->NameTable[2][1] = QStringLiteral("Adler"); // the same team again in group 2
    HighlightTeam(*state, plan, 1, 1);
    expectPainted(plan, {{1, 1}, {1, 2}}, {{4, 2}, {4, 1}});
    // A tag written later counts at the next highlight, in the grid and in a copy of its own.
    TextGrid copy = plan;
    copy.setTag(5, 1, QStringLiteral("1 manschb 1"));
    plan.setTag(5, 1, QStringLiteral("1 schiri 1"));
    HighlightTeam(*state, state->ScheduleGrid, 1, 8);
    HighlightTeam(*state, copy, 1, 1);
    HighlightTeam(*state, plan, 1, 1);
    EXPECT_EQ(copy.colour(5, 1), HighlightColour::SameTeam);
    EXPECT_EQ(plan.colour(5, 1), HighlightColour::Referee);
}

TEST_F(GridInteraction, TeamLinesRenameOrReferDependingOnTheViewMode)
{
    EXPECT_EQ(std::get<RenameDialogRequest>(doubleClick(6, 9).Open),
              (RenameDialogRequest{QStringLiteral("Gruppe B"), 2, 2, QStringLiteral("Elche")}));

    state->ReferralPending = true;
    const CellAction refer = doubleClick(6, 9, true);
    EXPECT_EQ(std::get<ReferralStepRequest>(refer.Open), (ReferralStepRequest{2, 2}));
    EXPECT_FALSE(refer.ClearReferralPanel);
    EXPECT_TRUE(state->ReferralPending); // the referral step completes it
    EXPECT_EQ(std::get<ReferralStepRequest>(doubleClick(1, 23, true).Open), (ReferralStepRequest{1, 2}));

    // A table line outside referral mode opens nothing and drops the pending referral.
    const CellAction table = doubleClick(1, 23);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(table.Open));
    EXPECT_TRUE(table.ClearReferralPanel);
    EXPECT_FALSE(state->ReferralPending);
}

TEST_F(GridInteraction, OpensResultEntryWithTheGameAndItsCells)
{
    state->Settings.WithSets = true;
    LayOutScheduleGrid(*state);
    state->TablesToGrid = true;
    const CellAction goals = doubleClick(4, 12);
    EXPECT_EQ(std::get<ResultEntryRequest>(goals.Open),
              (ResultEntryRequest{1, 1, QStringLiteral("2) _______________: 3) Cobras"),
                                  QStringLiteral("15:7  15:3  "), QStringLiteral("  3 : 1")}));
    EXPECT_FALSE(state->TablesToGrid);
    EXPECT_TRUE(goals.ClearReferralPanel);
    EXPECT_EQ(std::get<ResultEntryRequest>(doubleClick(3, 16).Open),
              (ResultEntryRequest{1, 4, QStringLiteral(": 3) Cobras2_______________"), QStringLiteral("x"),
                                  QStringLiteral("x")}));
}

TEST_F(GridInteraction, TimePlanCellsOpenTheGameOfTheirLine)
{
    TextGrid plan = timePlan();
    const ResultEntryRequest expected{1, 5, QStringLiteral("1) Adler3) Cobras"), QString(), QString()};
    for (int col : {1, 2, 3}) {
        SelectCell(*state, col, 1);
        EXPECT_EQ(std::get<ResultEntryRequest>(ActOnCell(*state, plan, false).Open), expected) << col;
        // Storing reads the game from the selection, so a team cell points it at the game.
        EXPECT_EQ(state->SelectedGroup, 1);
        EXPECT_EQ(state->SelectedNumber, 5);
    }
    SelectCell(*state, 5, 2); // a team cell without a result cell beside it
    state->TablesToGrid = true;
    const CellAction lone = ActOnCell(*state, plan, false);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(lone.Open));
    EXPECT_TRUE(state->TablesToGrid);
}

// Either head line opens the group dialog; game lines and untagged cells open nothing. Both drop
// a pending referral.
TEST_F(GridInteraction, HeadLinesOpenTheGroupDialogAndEveryOtherCellOnlyDropsAPendingReferral)
{
    for (const auto& [col, row] : {std::pair{1, 5}, {1, 6}, {1, 12}, {2, 18}, {1, 7}, {1, 20}, {40, 40}}) {
        state->ReferralPending = true;
        state->ReferralSourceGroup = 2;
        const CellAction action = doubleClick(col, row, true);
        if (row == 5 || row == 6) {
            EXPECT_EQ(std::get<GroupDialogRequest>(action.Open),
                      (GroupDialogRequest{1, QStringLiteral("Gruppe A"), 3, true}));
        } else {
            EXPECT_TRUE(std::holds_alternative<std::monostate>(action.Open)) << col << "," << row;
        }
        EXPECT_TRUE(action.ClearReferralPanel);
        EXPECT_FALSE(state->ReferralPending);
        EXPECT_EQ(state->ReferralSourceGroup, 0);
    }
}

TEST_F(GridInteraction, ASingleClickOpensGoalsAlwaysAndSetsOnlyWhilePlayingInSets)
{
    SelectCell(*state, 1, 12);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(CellClick(*state, state->ScheduleGrid, false).Open));
    EXPECT_EQ(state->ScheduleGrid.colour(2, 2), TextGrid::NoColour); // a game line does not highlight

    SelectCell(*state, 3, 12);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(CellClick(*state, state->ScheduleGrid, false).Open));
    EXPECT_EQ(state->ScheduleGrid.colour(2, 2), HighlightColour::Background);

    SelectCell(*state, 4, 12);
    EXPECT_TRUE(
        std::holds_alternative<ResultEntryRequest>(CellClick(*state, state->ScheduleGrid, false).Open));

    state->Settings.WithSets = true;
    SelectCell(*state, 3, 12);
    EXPECT_TRUE(
        std::holds_alternative<ResultEntryRequest>(CellClick(*state, state->ScheduleGrid, false).Open));

    SelectCell(*state, 1, 5); // the group dialog needs a double-click
    const CellAction head = CellClick(*state, state->ScheduleGrid, false);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(head.Open));
    EXPECT_FALSE(head.ClearReferralPanel);
}

TEST_F(GridInteraction, ShowsTheHandOverCellsThatOpenSomething)
{
    const TextGrid& grid = state->ScheduleGrid;
    EXPECT_TRUE(ShowsHandCursor(*state, grid, 1, 8));
    EXPECT_FALSE(ShowsHandCursor(*state, grid, 3, 12));
    EXPECT_FALSE(ShowsHandCursor(*state, grid, -1, 0));
    state->Settings.WithSets = true;
    EXPECT_TRUE(ShowsHandCursor(*state, grid, 3, 12));
    EXPECT_TRUE(ShowsHandCursor(*state, timePlan(), 3, 1));
}
