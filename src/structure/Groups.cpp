#include "structure/Groups.h"

#include "model/Prompter.h"
#include "model/TextUtil.h"
#include "model/TournamentState.h"
#include "results/ResultTable.h"

#include <algorithm>

namespace {
using RoundIndex = std::size_t;

// Every group number stored in a referral that is at least `from` moves by `step`.
void ShiftReferralTargets(TournamentState& state, int from, int step)
{
    for (auto& row : state.ReferralTable) {
        for (Referral& referral : row) {
            if (referral.FromGroup >= from)
                referral.FromGroup += step;
            if (referral.ToGroup >= from)
                referral.ToGroup += step;
        }
    }
}

// Moves everything stored per group for groups first..last-1 one number up (last is overwritten).
void MoveGroupsUp(TournamentState& state, int first, int last)
{
    for (int group = last; group > first; --group) {
        const auto to = std::size_t(group);
        const auto from = std::size_t(group - 1);
        state.ReferralTable[to] = state.ReferralTable[from];
        state.NameTable[to] = state.NameTable[from];
        state.TeamsInGroup[to] = state.TeamsInGroup[from];
        state.ReturnLeg[to] = state.ReturnLeg[from];
        state.GroupCompleted[to] = state.GroupCompleted[from];
        state.GroupHasResults[to] = state.GroupHasResults[from];
        state.RankedPosition[to] = state.RankedPosition[from];
    }
}

// Moves everything but the referral rows stored per group for groups first+1..last one number
// down; `last` is emptied.
void MoveGroupsDown(TournamentState& state, int first, int last)
{
    for (int group = first; group < last; ++group) {
        const auto to = std::size_t(group);
        const auto from = std::size_t(group + 1);
        state.NameTable[to] = state.NameTable[from];
        state.TeamsInGroup[to] = state.TeamsInGroup[from];
        state.ReturnLeg[to] = state.ReturnLeg[from];
        state.GroupCompleted[to] = state.GroupCompleted[from];
        state.GroupHasResults[to] = state.GroupHasResults[from];
        state.RankedPosition[to] = state.RankedPosition[from];
    }
    const auto cleared = std::size_t(last);
    state.NameTable[cleared].fill(QString());
    state.TeamsInGroup[cleared] = 0;
    state.ReturnLeg[cleared] = false;
    state.GroupCompleted[cleared] = false;
    state.GroupHasResults[cleared] = false;
    state.RankedPosition[cleared].fill(0);
}

void ClearGroup(TournamentState& state, int group)
{
    const auto index = std::size_t(group);
    state.ReferralTable[index].fill(Referral{});
    state.NameTable[index].fill(QString());
    state.TeamsInGroup[index] = 0;
    state.ReturnLeg[index] = false;
    state.GroupCompleted[index] = false;
    state.GroupHasResults[index] = false;
    state.RankedPosition[index].fill(0);
}

// Undoes every link into or out of group d; the positions it fed lose their placeholders.
void UnlinkGroup(TournamentState& state, int deleted)
{
    for (int group = 0; group <= Limits::MaxReferralIndex; ++group) {
        for (int slot = 0; slot <= Limits::MaxReferralIndex; ++slot) {
            Referral& referral = state.ReferralTable[std::size_t(group)][std::size_t(slot)];
            if (referral.FromGroup == deleted) {
                referral.FromGroup = 0;
                referral.FromPlace = 0;
                if (IsGroupIndex(group) && slot >= 1 && slot < Limits::NameSlots)
                    state.NameTable[std::size_t(group)][std::size_t(slot)].clear();
            }
            if (referral.ToGroup == deleted) {
                referral.ToGroup = 0;
                referral.ToSlot = 0;
            }
        }
    }
}

void RemoveResultsOfGroup(TournamentState& state, int deleted)
{
    ClearGroupResults(state, deleted);
    for (int index = 1; index <= state.ResultCount; ++index) {
        GameResult& result = state.ResultTable[std::size_t(index)];
        if (result.Group > deleted)
            --result.Group;
    }
}

// Removes an empty round; the later rounds move down and the freed last round is emptied, so
// that a round prepared later in its place starts clean.
void RemoveRound(TournamentState& state, int removed)
{
    for (int round = removed; round < state.RoundCount; ++round) {
        const auto to = RoundIndex(round);
        const auto from = RoundIndex(round + 1);
        state.GroupsInRound[to] = state.GroupsInRound[from];
        state.GameLengthInRound[to] = state.GameLengthInRound[from];
        state.FieldsInRound[to] = state.FieldsInRound[from];
        state.OneFieldPerGroup[to] = state.OneFieldPerGroup[from];
    }
    const auto freed = RoundIndex(state.RoundCount);
    state.GroupsInRound[freed] = 0;
    state.GameLengthInRound[freed] = 0;
    state.FieldsInRound[freed] = 0;
    state.OneFieldPerGroup[freed] = false;
    --state.RoundCount;
    if (state.CurrentRound > state.RoundCount)
        state.CurrentRound = state.RoundCount;
}
} // namespace

bool ConfirmGroupChange(const TournamentState& state, int group, Prompter& prompter,
                        const QString& consequence)
{
    if (group < 0 || group > Limits::MaxGroupFlags)
        return true;
    const QString addition = consequence.isEmpty() ? QString() : QStringLiteral("\n\n") + consequence;
    const QString caption = QStringLiteral("Info");
    if (state.GroupCompleted[group])
        return prompter.askYesNo(caption, QStringLiteral("Diese Gruppe wurde bereits abgeschlossen und die "
                                                         "Mannschaften übernommen ! Wollen Sie trotzdem "
                                                         "fortsetzen ? ") +
                                              addition) == Prompter::Answer::Yes;
    if (state.GroupHasResults[group])
        return prompter.askYesNo(caption, QStringLiteral("Für dieser Gruppe wurden bereits Ergebnisse "
                                                         "eingegeben ! Wollen Sie trotzdem fortsetzen ? ") +
                                              addition) == Prompter::Answer::Yes;
    return true;
}

int InsertGroup(TournamentState& state, int round, int teams, const QString& name, bool returnLeg)
{
    if (!IsRoundIndex(round) || TotalGroups(state) >= Limits::MaxGroups)
        return 0;
    ++state.GroupsInRound[RoundIndex(round)];
    const int inserted = FirstGroupOfRound(state, round) + state.GroupsInRound[RoundIndex(round)] - 1;

    ShiftReferralTargets(state, inserted, +1);
    MoveGroupsUp(state, inserted, Limits::MaxGroups);
    ClearGroup(state, inserted);
    for (int index = 1; index <= state.ResultCount; ++index) {
        GameResult& result = state.ResultTable[std::size_t(index)];
        if (result.Group >= inserted)
            ++result.Group;
    }

    const auto group = std::size_t(inserted);
    state.TeamsInGroup[group] = std::clamp(teams, 0, Limits::MaxPositions);
    state.NameTable[group][0] = CutText(name, Limits::InputTextLength);
    state.ReturnLeg[group] = returnLeg;
    return inserted;
}

void DeleteGroup(TournamentState& state, int deleted)
{
    if (deleted < 1 || deleted > std::min(TotalGroups(state), Limits::MaxGroups))
        return;
    MarkChanged(state, QStringLiteral("%1 gelöscht").arg(state.NameTable[std::size_t(deleted)][0]));
    state.CurrentRound = RoundOfGroup(state, deleted);

    UnlinkGroup(state, deleted);
    ShiftReferralTargets(state, deleted + 1, -1);
    // The referral table reaches past the last group; all its later rows move down.
    for (int group = deleted; group < Limits::MaxReferralIndex; ++group)
        state.ReferralTable[std::size_t(group)] = state.ReferralTable[std::size_t(group + 1)];
    state.ReferralTable[std::size_t(Limits::MaxReferralIndex)].fill(Referral{});
    RemoveResultsOfGroup(state, deleted);
    MoveGroupsDown(state, deleted, Limits::MaxGroups);

    const auto round = RoundIndex(state.CurrentRound);
    --state.GroupsInRound[round];
    if (state.GroupsInRound[round] == 0)
        RemoveRound(state, state.CurrentRound);
}
