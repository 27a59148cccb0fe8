#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class PairingTable;
struct TournamentState;

// The league plan: every team meets every other once per half, organised in match days; the
// second half ("Rückrunde") repeats the match days with home and away exchanged.
namespace League {
inline constexpr int MinTeams = 4;
inline constexpr int MaxTeams = 20;
inline constexpr int NameWidth = 15; // names are padded to at least this many characters
inline const QString DefaultResultColumn = QStringLiteral(" __ : __");
} // namespace League

// A team count the league section of the pairing table has a block for: 4..20.
int ClampLeagueTeamCount(int teamCount);

// The names of the n teams: the i-th entry of `listedNames` whole, or "n.n." + i for every i
// beyond the list.
QStringList LeagueTeamNames(const QStringList& listedNames, int teamCount);

// The names of the name pool in the order of its list.
QStringList NamePoolNames(const TournamentState& state);

// The plan lines for names.size() teams (4..20; any other count gives only the title lines). Every
// name is padded to the longest name, at least 15 characters, so the result columns line up.
QStringList BuildLeaguePlan(const PairingTable& pairings, const QString& tournamentName,
                            const QStringList& names, const QString& resultColumn);

// What "auf's &Clipboard" copies: the selected lines (in plan order), or all lines when none is
// selected, each ended by CR LF.
QString LeaguePlanClipboardText(const QStringList& lines, const QList<int>& selectedRows);
