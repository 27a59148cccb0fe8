#include "structure/GroupDialogs.h"

#include "model/Prompter.h"
#include "model/TextUtil.h"
#include "model/TournamentState.h"
#include "results/ResultTable.h"
#include "results/ScheduleGrid.h"
#include "structure/GroupResize.h"
#include "structure/Groups.h"
#include "structure/RoundNavigation.h"

#include <algorithm>

namespace {
const QString UserInfo = QStringLiteral("Benutzer-Info");

std::optional<int> ReadInteger(const QString& text)
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    return isNumber ? std::optional<int>(value) : std::nullopt;
}

// A group has at most 22 name slots; a negative size makes no group.
int ClampTeamCount(int teams, Prompter& prompter)
{
    if (teams > Limits::MaxPositions) {
        prompter.inform(UserInfo,
                        QStringLiteral("Die Zahl der Mannschaften pro Gruppe darf %1 nicht übersteigen. "
                                       "Der Wert wurde geändert.")
                            .arg(Limits::MaxPositions));
        return Limits::MaxPositions;
    }
    return std::max(teams, 0);
}

int ClampGroupCount(const TournamentState& state, int groups, Prompter& prompter)
{
    if (groups < 1) {
        prompter.inform(UserInfo, QStringLiteral("Die Anzahl der erzeugten Gruppen wurde auf 1 geändert"));
        groups = 1;
    }
    const int free = std::max(Limits::MaxGroups - TotalGroups(state), 0);
    if (groups > free) {
        prompter.inform(UserInfo,
                        QStringLiteral("Es können nicht mehr als %1 Gruppen erzeugt werden. Die "
                                       "Gesamtzahl der Gruppen ist auf %2 begrenzt. Die Anzahl wurde "
                                       "automatisch geändert.")
                            .arg(free)
                            .arg(Limits::MaxGroups));
        groups = free;
    }
    return groups;
}

// Positions fed by the group show its new name in their placeholders until it completes.
void RefreshPlaceholdersOf(TournamentState& state, int source)
{
    if (state.GroupCompleted[std::size_t(source)])
        return;
    const int lastGroup = std::min(TotalGroups(state), Limits::MaxGroups);
    for (int group = 1; group <= lastGroup; ++group) {
        const int positions = std::min(state.TeamsInGroup[std::size_t(group)], Limits::MaxPositions);
        for (int slot = 1; slot <= positions; ++slot) {
            const Referral& referral = state.ReferralTable[std::size_t(group)][std::size_t(slot)];
            if (referral.FromGroup == source)
                state.NameTable[std::size_t(group)][std::size_t(slot)] =
                    CutText(QStringLiteral("%1. %2")
                                .arg(referral.FromPlace)
                                .arg(state.NameTable[std::size_t(source)][0]),
                            Limits::StoredTextLength);
        }
    }
}

bool IsExistingGroup(const TournamentState& state, int group)
{
    return IsGroupIndex(group) && group <= TotalGroups(state);
}
} // namespace

void OpenGroupDialog(TournamentState& state)
{
    state.Settings.PlanChanged = true;
}

std::optional<bool> GroupCountMarkerVisible(const QString& groupCountText)
{
    const std::optional<int> groups = ReadInteger(groupCountText);
    if (!groups)
        return std::nullopt;
    return *groups >= 2;
}

NewGroupOutcome AddNewGroups(TournamentState& state, const NewGroupInput& input, Prompter& prompter)
{
    NewGroupOutcome outcome{input.groupCountText, input.teamCountText};
    const std::optional<int> groupsRead = ReadInteger(input.groupCountText);
    const std::optional<int> teamsRead = ReadInteger(input.teamCountText);
    if (!groupsRead || !teamsRead) {
        prompter.inform(UserInfo,
                        QStringLiteral("Die Mannschaftszahl oder die Anzahl der Gruppen ist nicht korrekt ! "
                                       "Hier darf nur eine Zahl stehen !"));
        return outcome;
    }
    const int teams = ClampTeamCount(*teamsRead, prompter);
    const int groups = ClampGroupCount(state, *groupsRead, prompter);
    outcome.teamCountText = QString::number(teams);
    outcome.groupCountText = QString::number(groups);
    outcome.closes = true;
    if (groups == 0) { // no free place: nothing is created, the dialog closes as "&abbrechen" does
        CancelNewGroups(state);
        return outcome;
    }

    if (state.CurrentRound < 1) { // every group was deleted: the groups start round 1 again
        state.CurrentRound = 1;
        PrepareNewRound(state);
    }
    if (state.CurrentRound > state.RoundCount)
        ++state.RoundCount;
    for (int k = 1; k <= groups; ++k) {
        const QString name = groups == 1 ? input.name : input.name + QString::number(k);
        if (InsertGroup(state, state.CurrentRound, teams, name, input.returnLeg) > 0)
            ++outcome.createdGroups;
    }
    state.NewRoundPending = false;
    CheckOneFieldPerGroup(state, state.CurrentRound, prompter);
    MarkChanged(state, QStringLiteral("neue Gruppe %1").arg(input.name));
    return outcome;
}

void CancelNewGroups(TournamentState& state)
{
    if (state.NewRoundPending)
        --state.CurrentRound;
    state.NewRoundPending = false;
}

ChangeGroupInput ReadGroupForChange(const TournamentState& state, int group)
{
    ChangeGroupInput input;
    input.group = group;
    if (!IsGroupIndex(group))
        return input;
    const auto index = std::size_t(group);
    return {group, state.NameTable[index][0], QString::number(state.TeamsInGroup[index]),
            state.ReturnLeg[index]};
}

ChangeGroupOutcome ApplyGroupChange(TournamentState& state, const ChangeGroupInput& input, Prompter& prompter)
{
    ChangeGroupOutcome outcome{input.teamCountText};
    const std::optional<int> teamsRead = ReadInteger(input.teamCountText);
    if (!teamsRead) {
        prompter.inform(
            UserInfo,
            QStringLiteral("Die Mannschaftszahl ist nicht korrekt ! Hier darf nur eine Zahl stehen !"));
        return outcome;
    }
    const int teams = ClampTeamCount(*teamsRead, prompter);
    outcome.teamCountText = QString::number(teams);
    outcome.closes = true;
    if (IsExistingGroup(state, input.group)) {
        const GroupResultMove move = PlanGroupResultMove(state, input.group, teams, input.returnLeg);
        if (ConfirmGroupChange(state, input.group, prompter,
                               RemovedResultsNotice(state, input.group, teams, move))) {
            const auto group = std::size_t(input.group);
            if (teams != state.TeamsInGroup[group] || input.returnLeg != state.ReturnLeg[group])
                ApplyGroupResultMove(state, input.group, move);
            state.NameTable[group][0] = CutText(input.name, Limits::InputTextLength);
            state.TeamsInGroup[group] = teams;
            state.ReturnLeg[group] = input.returnLeg;
            RefreshPlaceholdersOf(state, input.group);
            MarkChanged(state, QStringLiteral("%1 geändert").arg(state.NameTable[group][0]));
        }
    }
    RenderScheduleGrid(state);
    return outcome;
}

void DeleteGroupFromDialog(TournamentState& state, int group, Prompter& prompter)
{
    if (!IsExistingGroup(state, group) || !ConfirmGroupChange(state, group, prompter))
        return;
    DeleteGroup(state, group); // marks the change itself
    RenderScheduleGrid(state);
}

bool ClearResultsFromDialog(TournamentState& state, int group, Prompter& prompter)
{
    if (!IsExistingGroup(state, group) || !ConfirmGroupChange(state, group, prompter))
        return false;
    MarkChanged(state, QStringLiteral("Ergebnisse %1 gelöscht").arg(state.NameTable[std::size_t(group)][0]));
    ClearGroupResults(state, group);
    RenderScheduleGrid(state);
    return true;
}
