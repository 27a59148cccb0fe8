#include "structure/MainWindowView.h"

#include "model/TournamentState.h"

#include <algorithm>

namespace {
// The global number of the selected line of the group list; 0 when none is selected.
int SelectedGroupNumber(const TournamentState& state)
{
    if (!IsRoundIndex(state.CurrentRound) || state.SelectedGroupInRound < 1 ||
        state.SelectedGroupInRound > state.GroupsInRound[std::size_t(state.CurrentRound)])
        return 0;
    const int group = FirstGroupOfRound(state, state.CurrentRound) + state.SelectedGroupInRound - 1;
    return IsGroupIndex(group) ? group : 0;
}

QStringList GroupLines(const TournamentState& state)
{
    QStringList lines;
    if (!IsRoundIndex(state.CurrentRound))
        return lines;
    const int first = FirstGroupOfRound(state, state.CurrentRound);
    const int count = state.GroupsInRound[std::size_t(state.CurrentRound)];
    for (int line = 1; line <= count && IsGroupIndex(first + line - 1); ++line) {
        const int group = first + line - 1;
        const auto index = std::size_t(group);
        lines << QStringLiteral("%1) %2 %3 (%4) %5")
                     .arg(line)
                     .arg(group)
                     .arg(state.NameTable[index][0])
                     .arg(state.TeamsInGroup[index])
                     .arg(state.ReturnLeg[index] ? QStringLiteral("rück") : QStringLiteral("einf"));
    }
    return lines;
}
} // namespace

MainWindowView BuildMainWindowView(const TournamentState& state)
{
    const bool roundShown = state.CurrentRound >= 0 && state.CurrentRound <= Limits::MaxRounds;
    const auto round = std::size_t(roundShown ? state.CurrentRound : 0);
    MainWindowView view;
    view.rounds = QString::number(state.RoundCount);
    view.games = QString::number(TotalGameCount(state));
    view.gameLength = QString::number(state.GameLengthInRound[round]);
    view.round = QString::number(state.CurrentRound);
    view.fields = QString::number(state.FieldsInRound[round]);
    view.oneFieldPerGroup = state.OneFieldPerGroup[round];
    view.groupLines = GroupLines(state);
    view.savedText = SavedText(state);
    return view;
}

void SelectGroupInRound(TournamentState& state, int lineIndex)
{
    state.SelectedGroupInRound = lineIndex + 1;
    state.TeamList.clear();
    const int group = SelectedGroupNumber(state);
    if (group == 0)
        return;
    const auto index = std::size_t(group);
    const int positions = std::min(state.TeamsInGroup[index], Limits::MaxPositions);
    for (int slot = 1; slot <= positions; ++slot) {
        if (!state.NameTable[index][std::size_t(slot)].isEmpty())
            state.TeamList << state.NameTable[index][std::size_t(slot)];
    }
}

bool TeamListComplete(const TournamentState& state)
{
    const int group = SelectedGroupNumber(state);
    if (group == 0)
        return false;
    const int teams = state.TeamsInGroup[std::size_t(group)];
    return teams > 0 && teams == state.TeamList.size();
}

QString SavedText(const TournamentState& state)
{
    return state.IsSaved ? QStringLiteral("gespeichert") : QStringLiteral("nicht gespeichert");
}
