#include "results/ResultEntry.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "results/ResultApply.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "results/ScoreSyntax.h"

#include <algorithm>
#include <utility>

namespace {
const QString InfoCaption = QStringLiteral("Info");
const QString UserInfoCaption = QStringLiteral("Benutzer-Info");

bool withSetsField(const TournamentState& state)
{
    return state.SetsWord == QStringLiteral("Sätze");
}

bool isStorableGame(const TournamentState& state, int group, int game)
{
    return IsGroupIndex(group) && group <= TotalGroups(state) && game >= 1 &&
           game <= GroupGameCount(state, group);
}

// The sets and goals cells of the selected game in the schedule grid; false when the selection
// is not such a cell of this game (the dialog was opened from the time plan).
bool selectedGameCells(const TournamentState& state, GridCell& setsCell, GridCell& goalsCell)
{
    const QString& kind = state.SelectedTagKind;
    if (kind != TagKind::Satz && kind != TagKind::Tore)
        return false;
    const QString expectedTag = MakeRowTag(state.SelectedGroup, kind, state.SelectedNumber);
    if (state.ScheduleGrid.tag(state.SelectedCol, state.SelectedRow) != expectedTag)
        return false;
    const int setsCol = kind == TagKind::Satz ? state.SelectedCol : state.SelectedCol - 1;
    setsCell = {setsCol, state.SelectedRow};
    goalsCell = {setsCol + 1, state.SelectedRow};
    return true;
}

void patchCell(TournamentState& state, GridCell cell, const QString& text, ResultEntryOutcome& outcome)
{
    if (state.ScheduleGrid.setCell(cell.Col, cell.Row, text))
        outcome.PatchedCells.push_back(cell);
}

void patchDeletedGame(TournamentState& state, ResultEntryOutcome& outcome)
{
    GridCell setsCell;
    GridCell goalsCell;
    if (!selectedGameCells(state, setsCell, goalsCell))
        return;
    patchCell(state, setsCell, QString(), outcome);
    patchCell(state, goalsCell, QString(), outcome);
}

void patchStoredGame(TournamentState& state, const GameResult& result, ResultEntryOutcome& outcome)
{
    GridCell setsCell;
    GridCell goalsCell;
    if (!selectedGameCells(state, setsCell, goalsCell))
        return;
    if (state.Settings.WithSets)
        patchCell(state, setsCell, result.ScoreText, outcome);
    patchCell(state, goalsCell, GoalsCellText(result), outcome);
}

// Deletion takes effect on every press, the first one included.
void deleteSelectedResult(TournamentState& state, int group, int game, ResultEntryOutcome& outcome)
{
    state.GroupCompleted[std::size_t(group)] = false;
    if (DeleteResult(state, group, game)) {
        MarkChanged(state, QStringLiteral("Ergebnis gelöscht %1").arg(GroupLabel(state, group)));
        patchDeletedGame(state, outcome);
    }
    state.GroupHasResults[std::size_t(group)] = CountGroupResults(state, group) > 0;
}

QString timePlanText(const ResultEntryFields& fields)
{
    return fields.Sets.isEmpty() ? fields.Goals : fields.Sets;
}

// The confirming press: delete or store the entry, then recompute.
void applyEntry(TournamentState& state, const ScoreEntry& entry, Prompter& prompter,
                ResultEntryOutcome& outcome)
{
    const int group = state.SelectedGroup;
    const int game = state.SelectedNumber;
    if (entry.EntryAction == ScoreEntry::Action::Delete) {
        deleteSelectedResult(state, group, game, outcome);
        RecomputeAfterResult(state, group);
        outcome.TimePlanCellText = QString(); // a deleted result leaves its cell empty
        return;
    }
    if (entry.Cancelled)
        prompter.inform(InfoCaption, QStringLiteral("Spiel fällt aus"));
    const GameResult result = ResultOfEntry(group, game, entry);
    const StoredGameResult stored = StoreGameResult(state, result, prompter);
    if (!stored.Stored)
        return;
    patchStoredGame(state, result, outcome);
    for (const GridCell cell : stored.PatchedCells)
        if (std::find(outcome.PatchedCells.begin(), outcome.PatchedCells.end(), cell) ==
            outcome.PatchedCells.end())
            outcome.PatchedCells.push_back(cell);
    outcome.TimePlanCellText = timePlanText(outcome.Fields);
}
} // namespace

QString CompletedGroupQuestion()
{
    return QStringLiteral(
        "Vorsicht ! Die Gruppe ist abgeschlossen und die Mannschaften in die nächsten Runden "
        "übernommen. Wollen Sie die Ergebnisse der betreffenden Gruppen der nächsten Runde(n) "
        "löschen (JA), unverändert lassen (NEIN) oder die Aktion abbrechen (ABBRECHEN) ?");
}

void ClearFedGroupResults(TournamentState& state, int group)
{
    if (!IsGroupIndex(group))
        return;
    const int teams = std::min(state.TeamsInGroup[std::size_t(group)], Limits::MaxPositions);
    for (int place = 1; place <= teams; ++place) {
        const int target = state.ReferralTable[std::size_t(group)][std::size_t(place)].ToGroup;
        if (target <= group || !IsGroupIndex(target))
            continue;
        if (CountGroupResults(state, target) > 0)
            MarkChanged(state, QStringLiteral("Ergebnisse %1 gelöscht").arg(GroupLabel(state, target)));
        ClearGroupResults(state, target);
    }
}

ResultEntrySetup ResultEntry::activate(const TournamentState& state)
{
    EntryConfirmArmed = false;
    ResultEntrySetup setup;
    setup.SetsLabel = state.Settings.WithSets ? QStringLiteral("Sätze") : QString();
    setup.SetsFieldVisible = withSetsField(state);
    setup.FocusOnSets = setup.SetsFieldVisible;
    setup.GoalsReadOnly = state.Settings.WithSets;
    return setup;
}

ResultEntryOutcome ResultEntry::press(TournamentState& state, const ResultEntryFields& fields,
                                      Prompter& prompter)
{
    ResultEntryOutcome outcome;
    outcome.Fields = fields;
    const int group = state.SelectedGroup;
    if (!isStorableGame(state, group, state.SelectedNumber)) {
        outcome.CloseDialog = true; // no game of this tournament: nothing to store
        return outcome;
    }
    const QString setsField = withSetsField(state) ? fields.Sets : QString(); // a hidden field is emptied
    const ScoreEntry entry = ParseScoreEntry(setsField, fields.Goals);
    if (entry.EntryAction == ScoreEntry::Action::Refuse) {
        prompter.inform(UserInfoCaption, QStringLiteral("Fehlerhafte Eingabe"));
        EntryConfirmArmed = false;
        outcome.FieldColour = UnarmedColour;
        return outcome;
    }
    outcome.Fields = {entry.SetsField, entry.GoalsField};
    outcome.FieldColour = ArmedColour;
    if (!std::exchange(EntryConfirmArmed, true))
        return outcome; // the first press only normalises and shows

    outcome.CloseDialog = true;
    if (state.GroupCompleted[std::size_t(group)]) {
        const Prompter::Answer answer =
            prompter.askYesNoCancel(InfoCaption, CompletedGroupQuestion(), Prompter::Answer::Cancel);
        if (answer == Prompter::Answer::Cancel)
            return outcome;
        if (answer == Prompter::Answer::Yes)
            ClearFedGroupResults(state, group);
    }
    applyEntry(state, entry, prompter, outcome);
    return outcome;
}
