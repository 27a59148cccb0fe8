#include "allocation/GameListPages.h"

#include "allocation/GameListTable.h"
#include "allocation/RoundTeams.h"
#include "model/TournamentState.h"

#include <algorithm>

namespace {
QString TeamName(const TournamentState& state, const RoundTeams& teams, int team)
{
    const int group = teams.groupOf(team);
    const int position = teams.positionOf(team);
    if (!IsGroupIndex(group) || position < 0 || position >= Limits::NameSlots)
        return {};
    return state.NameTable[std::size_t(group)][std::size_t(position)];
}
} // namespace

QStringList GameListPages(const TournamentState& state, const GameListTable& lists, int round)
{
    QStringList lines;
    const RoundTeams teams = MakeRoundTeams(state, round);
    const int teamCount = std::min(teams.TeamCount, AllocationLimits::MaxRoundTeams);
    const QString blank = QStringLiteral(" ");
    for (int team = 1; team <= teamCount; ++team) {
        lines << blank << blank << blank << QStringLiteral("Korvane: ") + state.TournamentName
              << QStringLiteral("Runde: %1").arg(round)
              << QStringLiteral("Mannschaft: ") + TeamName(state, teams, team) << blank;
        for (int index = 1; index <= lists.count(team); ++index) {
            const GameListEntry& entry = lists.entry(team, index);
            const QString who = entry.Opponent >= 1
                                    ? QStringLiteral("Gegner: ") + TeamName(state, teams, entry.Opponent)
                                    : QStringLiteral("Schiedsrichter");
            lines << entry.Time + QStringLiteral("  Platz:") + QString::number(entry.Field) +
                         QStringLiteral("  ") + who;
        }
    }
    return lines;
}

QStringList RoundTeamNames(const TournamentState& state, int round)
{
    const RoundTeams teams = MakeRoundTeams(state, round);
    QStringList names;
    for (int team = 1; team <= std::min(teams.TeamCount, AllocationLimits::MaxRoundTeams); ++team)
        names << TeamName(state, teams, team);
    return names;
}
