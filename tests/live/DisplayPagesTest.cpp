// The hall display's pages: what the round in play shows where, read from the rendered grids.
#include "live/DisplayPages.h"
#include "live/LiveFixture.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <utility>

using namespace live_test;

namespace {
const LiveTable& TableOn(const DisplayPage& page, std::size_t column, std::size_t block = 0)
{
    return std::get<LiveTable>(page.Columns.at(column).at(block));
}

std::vector<LiveGame> GamesOnPages(const DisplayModel& model)
{
    std::vector<LiveGame> games;
    for (const DisplayPage& page : model.Pages)
        for (const auto& column : page.Columns)
            for (const DisplayBlock& block : column)
                if (const auto* field = std::get_if<LiveField>(&block))
                    games.insert(games.end(), field->Games.begin(), field->Games.end());
    return games;
}

const LiveGame* FindGame(const DisplayModel& model, int group, int game)
{
    static std::vector<LiveGame> games;
    games = GamesOnPages(model);
    for (const LiveGame& candidate : games)
        if (candidate.Group == group && candidate.Game == game)
            return &candidate;
    return nullptr;
}
} // namespace

TEST(DisplayPages, TheSecondRoundInPlayShowsItsTablesThenItsGamesPerField)
{
    auto state = ThreeRoundsSecondInPlay();
    const auto output = RenderAndPlan(*state);
    const DisplayModel model = BuildDisplayModel(*state, output->TimePlan, {8, 2, 1, -1, -1});

    ASSERT_GE(model.Pages.size(), 2u);
    // Gruppe 3 takes 6 of the 8 lines; Gruppe 4 needs 5 more, so it opens the second column.
    const DisplayPage& tables = model.Pages[0];
    EXPECT_EQ(tables.Title, QStringLiteral("Tabellen – Runde 2"));
    ASSERT_EQ(tables.Columns.size(), 2u);
    EXPECT_EQ(tables.Columns[0].size(), 1u);
    EXPECT_EQ(TableOn(tables, 0).Title, QStringLiteral("Gruppe 3"));
    EXPECT_EQ(TableOn(tables, 1).Title, QStringLiteral("Gruppe 4"));
    // Two 1-goal wins and one 2-goal win: the two winners lead, as the standings wrote it.
    const LiveTableRow leader{QStringLiteral("1"),     QStringLiteral("T3.1"), QStringLiteral("1"), {},
                              QStringLiteral("2 : 0"), QStringLiteral("3")};
    EXPECT_EQ(TableOn(tables, 0).Rows.at(0), leader);
    EXPECT_EQ(TableOn(tables, 0).Rows.at(1).Team, QStringLiteral("T3.3"));
    // All level after a cycle of wins: the head-to-head games decide, marked "!".
    const auto& cycle = TableOn(tables, 1).Rows;
    ASSERT_EQ(cycle.size(), 3u);
    for (const LiveTableRow& row : cycle)
        EXPECT_TRUE(row.Place.endsWith(u'!')) << row.Place.toStdString();

    // Then the games of round 2 only, every one once, per field in clock order.
    for (std::size_t page = 1; page < model.Pages.size(); ++page) {
        EXPECT_EQ(model.Pages[page].Title, QStringLiteral("Spiele – Runde 2"));
        for (const auto& column : model.Pages[page].Columns)
            EXPECT_LE(std::accumulate(column.begin(), column.end(), int(column.size()) - 1,
                                      [](int lines, const DisplayBlock& block) {
                                          return lines + DisplayBlockLines(block);
                                      }),
                      8);
    }
    std::set<std::pair<int, int>> seen;
    for (const LiveGame& game : GamesOnPages(model)) {
        EXPECT_TRUE(game.Group == 3 || game.Group == 4) << game.Group;
        EXPECT_TRUE(seen.insert({game.Group, game.Game}).second);
        EXPECT_FALSE(game.Clock.isEmpty());
        EXPECT_FALSE(game.Referee.isEmpty());
    }
    EXPECT_EQ(seen.size(), 6u + 3u);
}

TEST(DisplayPages, AResultTypedIntoTheTimePlanShowsWithItsTableOnTheNextBuild)
{
    auto state = ThreeRoundsSecondInPlay();
    const auto output = RenderAndPlan(*state);
    const int game = results_test::GameBetween(*state, 3, 1, 3);
    ASSERT_EQ(FindGame(BuildDisplayModel(*state, output->TimePlan, {16, 2, 1, -1, -1}), 3, game)->Result,
              QString());

    state->TablesToGrid = false; // as a double-click into the time plan leaves it
    EnterThroughDialog(*state, 3, game, QStringLiteral("4:1"));

    EXPECT_TRUE(state->TimePlanCurrent);
    const DisplayModel model = BuildDisplayModel(*state, output->TimePlan, {16, 2, 1, -1, -1});
    const LiveGame* shown = FindGame(model, 3, game);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Result, QStringLiteral("4 : 1"));
    const LiveTable& table = std::get<LiveTable>(model.Pages[0].Columns[0][0]);
    EXPECT_EQ(table.Rows[0].Games, QStringLiteral("2"));
    EXPECT_EQ(table.Rows[0].Points, QStringLiteral("6"));
}

TEST(DisplayPages, AFieldShowsItsLatestResultsAndItsNextGames)
{
    auto state = ThreeRoundsSecondInPlay();
    const auto output = RenderAndPlan(*state);
    const DisplayModel model = BuildDisplayModel(*state, output->TimePlan, {30, 2, 1, 0, 1});
    int fields = 0;
    for (const DisplayPage& page : model.Pages)
        for (const auto& column : page.Columns)
            for (const DisplayBlock& block : column) {
                const auto* field = std::get_if<LiveField>(&block);
                if (!field)
                    continue;
                ++fields;
                // Nothing finished before the next game; it comes first and is marked, alone.
                ASSERT_EQ(field->Games.size(), 1u);
                EXPECT_FALSE(field->Games.front().finished());
                EXPECT_TRUE(field->Games.front().Next);
            }
    EXPECT_GE(fields, 1); // a field whose games are all played is left out
}

TEST(DisplayPages, ATableTallerThanAColumnGoesOnInTheNext)
{
    auto state = ThreeRoundsSecondInPlay();
    const auto output = RenderAndPlan(*state);
    const DisplayModel model = BuildDisplayModel(*state, output->TimePlan, {4, 2, 1, -1, -1});
    const DisplayPage& first = model.Pages.at(0);
    ASSERT_EQ(first.Columns.size(), 2u);
    EXPECT_EQ(TableOn(first, 0).Rows.size(), 2u);
    EXPECT_EQ(TableOn(first, 1).Title, QStringLiteral("Gruppe 3"));
    EXPECT_EQ(TableOn(first, 1).Rows.at(0).Place, QStringLiteral("3"));
}

TEST(DisplayPages, TheLastRoundStaysOnShowWhenEveryGameHasItsResult)
{
    auto state = results_test::MakeTournament({{2}, {2}});
    results_test::Enter(*state, 1, 1, 2, 1, 0);
    EXPECT_EQ(RoundInPlay(*state), 2);
    results_test::Enter(*state, 2, 1, 2, 0, 0);
    EXPECT_EQ(RoundInPlay(*state), 2);
    // Without a time plan the tables still show.
    RenderScheduleGrid(*state);
    const DisplayModel model = BuildDisplayModel(*state, TextGrid(), {});
    ASSERT_EQ(model.Pages.size(), 1u);
    EXPECT_EQ(TableOn(model.Pages[0], 0).Title, QStringLiteral("Gruppe 2"));
}
