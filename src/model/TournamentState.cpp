#include "model/TournamentState.h"

void ResetTournament(TournamentState& state)
{
    state.CurrentRound = 1;
    state.RoundCount = 1;
    state.NamePoolCount = 0;
    state.ResultCount = 0;
    state.ResultTable.fill(GameResult{});
    for (int round = 1; round <= Limits::MaxRounds; ++round) {
        state.GroupsInRound[round] = 0;
        state.FieldsInRound[round] = 0;
        state.GameLengthInRound[round] = 0;
        state.OneFieldPerGroup[round] = false;
    }
    for (int group = 0; group <= Limits::MaxGroups; ++group) {
        state.ReturnLeg[group] = false;
        state.TeamsInGroup[group] = 0;
        state.NameTable[group].fill(QString());
    }
    state.GroupCompleted.fill(false);
    state.GroupHasResults.fill(false);
    for (auto& row : state.ReferralTable)
        row.fill(Referral{});
    state.IsSaved = true;
    for (auto& entry : state.NamePool) {
        entry.Name.clear();
        entry.Email.clear();
    }
    state.PauseList.clear();
    state.TeamList.clear();
    if (!state.StartingUp) {
        state.ScheduleGrid.clear();
        state.FieldPlan.clear();
        state.NameList.clear();
    }
}

void MarkChanged(TournamentState& state, const QString& label)
{
    state.IsSaved = false;
    ++state.Revision;
    if (state.ChangeLabel.isEmpty()) {
        state.ChangeLabel = label;
        state.ChangeIsTyping = false;
    }
}

QString GroupLabel(const TournamentState& state, int group)
{
    const QString name = IsGroupIndex(group) ? state.NameTable[std::size_t(group)][0].trimmed() : QString();
    return name.isEmpty() ? QStringLiteral("Gruppe %1").arg(group) : name;
}

void SetUpDefaultTournament(TournamentState& state)
{
    state.RoundCount = 1;
    state.CurrentRound = 1;
    state.GroupsInRound[1] = 1;
    state.TeamsInGroup[1] = 4;
    state.NameTable[1][0] = QStringLiteral("Gruppe 1");
    state.FieldsInRound[1] = 1;
    state.GameLengthInRound[1] = 10;
}

int TotalGroups(const TournamentState& state)
{
    if (state.RoundCount < 1)
        return 0;
    return LastGroupOfRound(state, state.RoundCount);
}

int FirstGroupOfRound(const TournamentState& state, int round)
{
    return round <= 1 ? 1 : LastGroupOfRound(state, round - 1) + 1;
}

int LastGroupOfRound(const TournamentState& state, int round)
{
    int last = 0;
    for (int r = 1; r <= round && r <= Limits::MaxRounds; ++r)
        last += state.GroupsInRound[r];
    return last;
}

int RoundOfGroup(const TournamentState& state, int group)
{
    if (group < 1)
        return 0;
    for (int round = 1; round <= Limits::MaxRounds; ++round) {
        group -= state.GroupsInRound[round];
        if (group <= 0)
            return round;
    }
    return 0;
}

int GroupGameCount(const TournamentState& state, int group)
{
    if (!IsGroupIndex(group))
        return 0;
    const int teams = state.TeamsInGroup[group];
    const int firstLeg = teams < 2 ? 0 : teams * (teams - 1) / 2;
    return state.ReturnLeg[group] ? 2 * firstLeg : firstLeg;
}

int TotalGameCount(const TournamentState& state)
{
    int games = 0;
    for (int group = 1; group <= TotalGroups(state) && group <= Limits::MaxGroups; ++group)
        games += GroupGameCount(state, group);
    return games;
}
