#include "model/DiagnosticLists.h"

#include "model/TournamentState.h"

#include <algorithm>

namespace {
constexpr int ListedCompletionFlags = 20;

// The pool lines run as far as the first round's game length reaches: ten after start-up,
// none after "&Neu" has emptied the round.
int listedPoolEntries(const TournamentState& state)
{
    return std::clamp(state.GameLengthInRound[1], 0, Limits::MaxPoolEntries);
}
} // namespace

QStringList NamesDiagnosticLines(const TournamentState& state)
{
    QStringList lines;
    const int lastGroup = std::min(TotalGroups(state), Limits::MaxGroups);
    for (int group = 1; group <= lastGroup; ++group) {
        const int positions = std::clamp(state.TeamsInGroup[group], 0, Limits::MaxPositions);
        for (int position = 1; position <= positions; ++position)
            lines << QStringLiteral("%1.Gruppe %2: \"\"").arg(position).arg(group);
    }
    for (int entry = 1; entry <= listedPoolEntries(state); ++entry)
        lines << QStringLiteral("mn[%1,1]= ").arg(entry) + state.NamePool[entry].Name;
    for (int group = 1; group <= ListedCompletionFlags; ++group)
        lines << QStringLiteral("abgeschl[%1]=%2")
                     .arg(group)
                     .arg(state.GroupCompleted[group] ? QStringLiteral("true") : QStringLiteral("false"));
    return lines;
}

QStringList StoredResultLines(const TournamentState& state)
{
    QStringList lines;
    const int count = std::clamp(state.ResultCount, 0, Limits::MaxResults);
    for (int index = 1; index <= count; ++index) {
        const GameResult& result = state.ResultTable[index];
        lines << QString::number(result.Group) + QLatin1Char('/') + QString::number(result.Game) +
                     QStringLiteral("  ") + result.ScoreText + QStringLiteral(" ## ") +
                     QString::number(result.GoalsFirst) + QLatin1Char(':') +
                     QString::number(result.GoalsSecond);
    }
    return lines;
}
