#include "results/HeadToHead.h"

#include "model/TournamentState.h"
#include "results/GamePositions.h"
#include "results/ResultTable.h"

#include <QHash>

#include <algorithm>

namespace {
// Whether a record's group counts for the head-to-head comparison of group g.
bool inCompareScope(const TournamentState& state, int group, int recordGroup)
{
    if (recordGroup < 1 || recordGroup > group)
        return false;
    switch (state.Settings.DirectCompareScope) {
    case CompareScope::SameRound:
        return recordGroup == group;
    case CompareScope::SameAndLastRound: {
        const int round = RoundOfGroup(state, group);
        const int recordRound = RoundOfGroup(state, recordGroup);
        return recordRound == round || recordRound == round - 1;
    }
    case CompareScope::WholeTournament:
    case CompareScope::None: // no scope chosen: nothing narrows the search
        return true;
    }
    return true;
}

struct Total {
    bool used = false;
    qint64 setsA = 0;
    qint64 setsB = 0;
    qint64 goalsA = 0;
    qint64 goalsB = 0;
};
} // namespace

HeadToHeadGames::HeadToHeadGames(const TournamentState& state, int group) : m_state(state), m_group(group)
{
    const auto& names = state.NameTable[std::size_t(group)];
    const int teams = std::clamp(state.TeamsInGroup[std::size_t(group)], 0, Limits::MaxPositions);
    QHash<QString, int> firstPositionOf;
    for (int position = 1; position <= teams; ++position) {
        const auto found = firstPositionOf.constFind(names[std::size_t(position)]);
        m_sameNameAs[std::size_t(position)] =
            found != firstPositionOf.cend() ? *found
                                            : *firstPositionOf.insert(names[std::size_t(position)], position);
    }

    // For every position of every group in scope: the team of g carrying its name, or 0.
    std::array<std::array<int, Limits::NameSlots>, Limits::MaxGroups + 1> teamOfGroupPosition{};
    for (int other = 1; other <= group; ++other) {
        if (!inCompareScope(state, group, other))
            continue;
        const int otherTeams = std::clamp(state.TeamsInGroup[std::size_t(other)], 0, Limits::MaxPositions);
        for (int position = 1; position <= otherTeams; ++position)
            teamOfGroupPosition[std::size_t(other)][std::size_t(position)] =
                firstPositionOf.value(state.NameTable[std::size_t(other)][std::size_t(position)], 0);
    }

    const int count = UsedResultCount(state);
    for (int index = 1; index <= count; ++index) {
        const GameResult& result = state.ResultTable[std::size_t(index)];
        GamePositions positions;
        if (result.Group < 1 || result.Group > group || IsCancelledResult(result) ||
            !PositionsOfGame(state, result.Group, result.Game, positions))
            continue;
        const auto& teamOf = teamOfGroupPosition[std::size_t(result.Group)];
        const int first = teamOf[std::size_t(positions.first)];
        const int second = teamOf[std::size_t(positions.second)];
        if (first == 0 || second == 0)
            continue;
        m_games.push_back({result.Group, first, second, result.SetsFirst, result.SetsSecond,
                           result.GoalsFirst, result.GoalsSecond});
    }
}

Outcome HeadToHeadGames::compare(int a, int b) const
{
    const int teamA = m_sameNameAs[std::size_t(a)];
    const int teamB = m_sameNameAs[std::size_t(b)];
    std::array<Total, Limits::MaxGroups + 1> totals{};
    for (const Game& game : m_games) {
        const bool aFirst = game.first == teamA && game.second == teamB;
        if (!aFirst && !(game.first == teamB && game.second == teamA))
            continue;
        Total& total = totals[std::size_t(game.group)];
        total.used = true;
        total.setsA += aFirst ? game.setsFirst : game.setsSecond;
        total.setsB += aFirst ? game.setsSecond : game.setsFirst;
        total.goalsA += aFirst ? game.goalsFirst : game.goalsSecond;
        total.goalsB += aFirst ? game.goalsSecond : game.goalsFirst;
    }
    for (int group = m_group; group >= 1; --group) {
        const Total& total = totals[std::size_t(group)];
        if (!total.used)
            continue;
        const Outcome outcome =
            GameOutcome(m_state.Settings, total.setsA, total.setsB, total.goalsA, total.goalsB);
        if (outcome != Outcome::Level)
            return outcome;
    }
    return Outcome::Level;
}
