#include "names/NamePlacement.h"

#include "model/TextGrid.h"
#include "model/TextUtil.h"
#include "model/TournamentState.h"
#include "results/GridInteraction.h"
#include "results/RowTags.h"
#include "results/ScheduleGrid.h"
#include "structure/Groups.h"
#include "structure/Referrals.h"

namespace {
bool isPosition(const TournamentState& state, int group, int position)
{
    return IsGroupIndex(group) && RoundOfGroup(state, group) != 0 && position >= 1 &&
           position < Limits::NameSlots;
}

// The position takes the name; whoever was referred into it is not any more.
void placeName(TournamentState& state, int group, int position, const QString& name, bool cutReferral)
{
    if (cutReferral)
        RemoveIncomingReferral(state, group, position);
    state.NameTable[group][position] = CutText(name, Limits::InputTextLength);
    MarkChanged(state, QStringLiteral("%1 auf Platz %2 %3")
                           .arg(state.NameTable[group][position])
                           .arg(position)
                           .arg(state.NameTable[group][0]));
}
} // namespace

NameDropOutcome DropNameOnPosition(TournamentState& state, int col, int row, const QString& name,
                                   Prompter& prompter)
{
    SelectCell(state, col, row);
    const RowTag tag = ParseRowTag(state, state.ScheduleGrid, col, row);
    NameDropOutcome outcome;
    // Only a team entry of a group header takes a name; nothing else is worth a question.
    if (tag.Kind == TagKind::KopfMannschaft && isPosition(state, tag.Group, tag.Number) &&
        ConfirmGroupChange(state, tag.Group, prompter)) {
        placeName(state, tag.Group, tag.Number, name, true);
        state.ScheduleGrid.setCell(col, row, QStringLiteral("%1) %2").arg(tag.Number).arg(name));
        outcome.Placed = true;
    }
    if (state.Settings.KeepPlanUpdated) {
        RenderScheduleGrid(state);
        outcome.Rendered = true;
    }
    return outcome;
}

bool RenamePosition(TournamentState& state, int group, int position, const QString& name, bool cutReferral,
                    Prompter& prompter)
{
    state.Settings.PlanChanged = true;
    if (!isPosition(state, group, position) || !ConfirmGroupChange(state, group, prompter))
        return false;
    placeName(state, group, position, name, cutReferral);
    RenderScheduleGrid(state);
    return true;
}

PoolNameHint PoolNameHintFor(const TournamentState& state, const QString& name)
{
    if (state.NameList.contains(name))
        return {QStringLiteral("Hinweis: Name in Namensliste vorhanden"), true};
    return {QStringLiteral("Hinweis: Name nicht in Namensliste"), false};
}
