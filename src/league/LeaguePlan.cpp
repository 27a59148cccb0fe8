#include "league/LeaguePlan.h"

#include "model/TournamentState.h"
#include "structure/PairingTable.h"

#include <algorithm>

namespace {
const QString BlankLine = QStringLiteral(" ");

// One match day of the plan; `homeFirst` false exchanges the sides for the second half.
void AddMatchDay(QStringList& lines, const PairingTable& pairings, int& entry, int day,
                 const QStringList& names, const QString& resultColumn, bool homeFirst)
{
    qsizetype nameWidth = League::NameWidth;
    for (const QString& name : names)
        nameWidth = std::max(nameWidth, name.size());
    const int teamCount = int(names.size());
    const int gamesPerDay = (teamCount + 1) / 2;
    const auto isTeam = [teamCount](int position) { return position >= 1 && position <= teamCount; };

    lines << QString::number(day) + QStringLiteral(". Spieltag") << BlankLine;
    int bye = 0;
    for (int game = 0; game < gamesPerDay; ++game) {
        const PairingEntry pairing = pairings.entry(++entry);
        const int home = homeFirst ? pairing.first : pairing.second;
        const int away = homeFirst ? pairing.second : pairing.first;
        if (isTeam(home) && isTeam(away)) {
            const QString left = names[home - 1].leftJustified(nameWidth);
            lines << (left + QStringLiteral(" : ") + names[away - 1]).leftJustified(2 * nameWidth + 3) +
                         resultColumn;
        } else if (isTeam(home) || isTeam(away)) {
            // Position n+1 of an odd team count is the bye of this match day.
            bye = isTeam(home) ? home : away;
        }
    }
    if (bye > 0)
        lines << QStringLiteral("Spielfrei: ") + names[bye - 1];
    lines << BlankLine << BlankLine;
}
} // namespace

int ClampLeagueTeamCount(int teamCount)
{
    return std::clamp(teamCount, League::MinTeams, League::MaxTeams);
}

QStringList LeagueTeamNames(const QStringList& listedNames, int teamCount)
{
    QStringList names;
    for (int i = 1; i <= teamCount; ++i)
        names << (i <= listedNames.size() ? listedNames[i - 1] : QStringLiteral("n.n.") + QString::number(i));
    return names;
}

QStringList NamePoolNames(const TournamentState& state)
{
    QStringList names;
    for (int i = 1; i <= state.NamePoolCount; ++i)
        names << state.NamePool[i].Name;
    return names;
}

QStringList BuildLeaguePlan(const PairingTable& pairings, const QString& tournamentName,
                            const QStringList& names, const QString& resultColumn)
{
    QStringList lines{QStringLiteral("Liga-Spielplan ") + tournamentName, BlankLine, BlankLine};
    const int teamCount = int(names.size());
    const int blockStart = PairingTable::LeagueBlockStart(teamCount);
    if (blockStart == 0)
        return lines;
    const int daysPerHalf = teamCount % 2 == 0 ? teamCount - 1 : teamCount;

    int entry = blockStart;
    for (int day = 1; day <= daysPerHalf; ++day)
        AddMatchDay(lines, pairings, entry, day, names, resultColumn, true);

    lines << BlankLine << QStringLiteral("Rückrunde") << BlankLine << BlankLine;
    entry = blockStart;
    for (int day = daysPerHalf + 1; day <= 2 * daysPerHalf; ++day)
        AddMatchDay(lines, pairings, entry, day, names, resultColumn, false);
    return lines;
}

QString LeaguePlanClipboardText(const QStringList& lines, const QList<int>& selectedRows)
{
    QList<int> rows = selectedRows;
    if (rows.isEmpty()) {
        for (int row = 0; row < lines.size(); ++row)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    QString text;
    for (const int row : rows) {
        if (row >= 0 && row < lines.size())
            text += lines[row] + QStringLiteral("\r\n");
    }
    return text;
}
