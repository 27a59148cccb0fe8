#include "results/Standings.h"

#include "model/TournamentState.h"
#include "results/GamePositions.h"
#include "results/HeadToHead.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {
constexpr int TableColumns = 5;

void addGame(GroupStandings& standings, const TournamentSettings& settings, const GameResult& result,
             GamePositions positions)
{
    TeamStats& first = standings.Stats[std::size_t(positions.first)];
    TeamStats& second = standings.Stats[std::size_t(positions.second)];
    first.GoalsFor += result.GoalsFirst;
    first.GoalsAgainst += result.GoalsSecond;
    second.GoalsFor += result.GoalsSecond;
    second.GoalsAgainst += result.GoalsFirst;
    const qint64 setsFirst = settings.WithSets ? result.SetsFirst : 0;
    const qint64 setsSecond = settings.WithSets ? result.SetsSecond : 0;
    first.SetsWon += setsFirst;
    first.SetsLost += setsSecond;
    second.SetsWon += setsSecond;
    second.SetsLost += setsFirst;
    switch (GameOutcome(settings, setsFirst, setsSecond, result.GoalsFirst, result.GoalsSecond)) {
    case Outcome::FirstBetter:
        ++first.Won;
        ++second.Lost;
        break;
    case Outcome::Level:
        ++first.Drawn;
        ++second.Drawn;
        break;
    case Outcome::SecondBetter:
        ++first.Lost;
        ++second.Won;
        break;
    }
}

// Totals of every team from the group's records (RecordsOfGroup).
void addGroupResults(const TournamentState& state, int group, const std::vector<int>& records,
                     GroupStandings& standings)
{
    const int games = GroupGameCount(state, group);
    for (const int index : records) {
        const GameResult& result = state.ResultTable[std::size_t(index)];
        standings.HasResults = true;
        if (result.Game < 1 || result.Game > games)
            continue;
        ++standings.CountedResults;
        GamePositions positions;
        if (!IsCancelledResult(result) && PositionsOfGame(state, group, result.Game, positions))
            addGame(standings, state.Settings, result, positions);
    }
}

// The exchange sort: a later team that ranks higher swaps places with the earlier one.
void sortByRankValues(GroupStandings& standings, const std::array<RankValues, Limits::NameSlots>& values)
{
    auto& ranked = standings.Ranked;
    for (int i = 1; i < standings.TeamCount; ++i) {
        for (int j = i + 1; j <= standings.TeamCount; ++j) {
            if (values[std::size_t(ranked[j])] > values[std::size_t(ranked[i])])
                std::swap(ranked[i], ranked[j]);
        }
    }
}

// One pass from the top over neighbours still level after the sort.
void applyHeadToHead(const TournamentState& state, int group, GroupStandings& standings,
                     const std::array<RankValues, Limits::NameSlots>& values)
{
    if (UsedResultCount(state) == 0)
        return;
    std::optional<HeadToHeadGames> games; // collected once the first pair needs them
    auto& ranked = standings.Ranked;
    for (int place = 1; place < standings.TeamCount; ++place) {
        const int a = ranked[std::size_t(place)];
        const int b = ranked[std::size_t(place) + 1];
        if (!DirectCompareApplies(values[std::size_t(a)], values[std::size_t(b)], state.Settings))
            continue;
        if (!games)
            games.emplace(state, group);
        const Outcome outcome = games->compare(a, b);
        if (outcome == Outcome::Level)
            continue;
        standings.DecidedByDirectCompare[std::size_t(a)] = true;
        standings.DecidedByDirectCompare[std::size_t(b)] = true;
        if (outcome == Outcome::SecondBetter)
            std::swap(ranked[std::size_t(place)], ranked[std::size_t(place) + 1]);
    }
}

// Column c of the group's block: the j-th group of a round starts at 5(j - 1) + 1.
int blockColumn(const TournamentState& state, int group)
{
    const int round = RoundOfGroup(state, group);
    return TableColumns * (group - FirstGroupOfRound(state, round)) + 1;
}

// A team level with the one above (by the head-to-head requirements) and not decided by the
// head-to-head comparison shares that place.
TableRowPlace rowPlaceOf(const GroupStandings& standings,
                         const std::array<RankValues, Limits::NameSlots>& values,
                         const TournamentSettings& settings, int place)
{
    const int team = standings.Ranked[std::size_t(place)];
    TableRowPlace rowPlace{place, standings.DecidedByDirectCompare[std::size_t(team)], false};
    if (place > 1 && !rowPlace.DecidedByDirectCompare) {
        const int above = standings.Ranked[std::size_t(place) - 1];
        rowPlace.SharesPlace =
            DirectCompareApplies(values[std::size_t(team)], values[std::size_t(above)], settings);
    }
    return rowPlace;
}

void writeTableRows(TournamentState& state, int group, const GroupStandings& standings,
                    const std::array<RankValues, Limits::NameSlots>& values)
{
    TextGrid& grid = state.ScheduleGrid;
    const int col = blockColumn(state, group);
    for (int row = 0; row < grid.rowCount(); ++row) {
        const QString& tagText = grid.tag(col, row);
        if (!tagText.contains(TagKind::TabelleMannschaft))
            continue; // most cells of the column hold other kinds: no need to split them
        const RowTag tag = SplitRowTag(tagText);
        const int place = tag.Number;
        if (tag.Group != group || tag.Kind != TagKind::TabelleMannschaft || place < 1 ||
            place > standings.TeamCount)
            continue;
        const int team = standings.Ranked[std::size_t(place)];
        const auto texts = TableRowTexts(rowPlaceOf(standings, values, state.Settings, place),
                                         state.NameTable[std::size_t(group)][std::size_t(team)],
                                         standings.Stats[std::size_t(team)], state.Settings);
        grid.setCell(col, row, texts[0]);
        const QString valueTag = MakeRowTag(group, TagKind::Tabelle, place); // the tag of the value cells
        for (int offset = 1; offset < TableColumns; ++offset) {
            if (grid.tag(col + offset, row) == valueTag)
                grid.setCell(col + offset, row, texts[std::size_t(offset)]);
        }
    }
}

std::array<RankValues, Limits::NameSlots> rankValuesOf(const GroupStandings& standings,
                                                       const TournamentSettings& settings)
{
    std::array<RankValues, Limits::NameSlots> values{};
    for (int team = 1; team <= standings.TeamCount; ++team)
        values[std::size_t(team)] = RankValuesOf(standings.Stats[std::size_t(team)], settings);
    return values;
}

// RankGroup from the group's records (RecordsOfGroup).
GroupStandings rankGroupFrom(const TournamentState& state, int group, const std::vector<int>& records)
{
    GroupStandings standings;
    standings.TeamCount = std::clamp(state.TeamsInGroup[std::size_t(group)], 0, Limits::MaxPositions);
    addGroupResults(state, group, records, standings);
    for (int place = 1; place <= standings.TeamCount; ++place)
        standings.Ranked[std::size_t(place)] = place;
    const auto values = rankValuesOf(standings, state.Settings);
    sortByRankValues(standings, values);
    applyHeadToHead(state, group, standings, values);
    return standings;
}

// ComputeStandings from the group's records.
void computeStandingsFrom(TournamentState& state, int group, const std::vector<int>& records)
{
    const GroupStandings standings = rankGroupFrom(state, group, records);
    state.GroupCompleted[std::size_t(group)] = standings.CountedResults == GroupGameCount(state, group);
    state.GroupHasResults[std::size_t(group)] = standings.HasResults;
    for (int place = 1; place <= standings.TeamCount; ++place)
        state.RankedPosition[std::size_t(group)][std::size_t(place)] = standings.Ranked[std::size_t(place)];
    if (state.TablesToGrid && standings.TeamCount > 0)
        writeTableRows(state, group, standings, rankValuesOf(standings, state.Settings));
}
} // namespace

Outcome GameOutcome(const TournamentSettings& settings, qint64 setsFirst, qint64 setsSecond,
                    qint64 goalsFirst, qint64 goalsSecond)
{
    qint64 first = goalsFirst;
    qint64 second = goalsSecond;
    if (settings.WithSets) {
        if (settings.SetPriority && setsFirst == setsSecond)
            return Outcome::Level;
        first += setsFirst * 1000;
        second += setsSecond * 1000;
    }
    if (first > second)
        return Outcome::FirstBetter;
    return first < second ? Outcome::SecondBetter : Outcome::Level;
}

RankValues RankValuesOf(const TeamStats& stats, const TournamentSettings& settings)
{
    const bool threePoints = settings.PointsSystem == 3;
    RankValues values;
    values.Points = threePoints ? 3 * stats.Won + stats.Drawn : 2 * stats.Won - 2 * stats.Lost;
    values.SetDifference = settings.WithSets ? stats.SetsWon - stats.SetsLost : 0;
    values.GoalDifference = stats.GoalsFor - stats.GoalsAgainst;
    values.PlusPoints = (threePoints ? 3 : 2) * stats.Won + stats.Drawn;
    values.SetsWon = settings.WithSets ? stats.SetsWon : 0;
    values.GoalsFor = stats.GoalsFor;
    return values;
}

bool DirectCompareApplies(const RankValues& a, const RankValues& b, const TournamentSettings& settings)
{
    return a.Points == b.Points && a.SetDifference == b.SetDifference &&
           (!settings.DirectCompareNeedsPlusPoints || a.PlusPoints == b.PlusPoints) &&
           (!settings.DirectCompareNeedsGoalDiff || a.GoalDifference == b.GoalDifference) &&
           (!settings.DirectCompareNeedsPlusGoals || a.GoalsFor == b.GoalsFor) &&
           (!settings.DirectCompareNeedsPlusSets || a.SetsWon == b.SetsWon);
}

std::array<QString, 5> TableRowTexts(const TableRowPlace& place, const QString& teamName,
                                     const TeamStats& stats, const TournamentSettings& settings)
{
    const auto number = [](qint64 value) { return QString::number(value); };
    const QString separator = QStringLiteral(" : ");
    QString label = QStringLiteral("    ");
    if (!place.SharesPlace || place.Place <= 1)
        label = number(place.Place) + QLatin1Char(')') +
                (place.DecidedByDirectCompare ? QStringLiteral("!") : QString()) + QLatin1Char(' ');
    std::array<QString, 5> texts;
    texts[0] = label + teamName;
    texts[1] = QLatin1Char(' ') + number(stats.Won + stats.Drawn + stats.Lost) + QStringLiteral("     ") +
               number(stats.Won) + QStringLiteral("   ") + number(stats.Drawn) + QStringLiteral("   ") +
               number(stats.Lost);
    if (settings.WithSets)
        texts[2] = number(stats.SetsWon) + separator + number(stats.SetsLost);
    texts[3] = number(stats.GoalsFor) + separator + number(stats.GoalsAgainst);
    if (settings.PointsSystem == 3)
        texts[4] = number(3 * stats.Won + stats.Drawn);
    else
        texts[4] = number(2 * stats.Won + stats.Drawn) + separator + number(2 * stats.Lost + stats.Drawn);
    return texts;
}

GroupStandings RankGroup(const TournamentState& state, int group)
{
    return IsGroupIndex(group) ? rankGroupFrom(state, group, RecordsOfGroup(state, group)) : GroupStandings{};
}

void ComputeStandings(TournamentState& state, int group)
{
    if (IsGroupIndex(group))
        computeStandingsFrom(state, group, RecordsOfGroup(state, group));
}

void ComputeAllStandings(TournamentState& state)
{
    const int groups = std::min(TotalGroups(state), Limits::MaxGroups);
    const std::vector<std::vector<int>> records = RecordsOfEveryGroup(state, groups);
    for (int group = 1; group <= groups; ++group)
        computeStandingsFrom(state, group, records[std::size_t(group)]);
}
