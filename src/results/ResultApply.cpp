#include "results/ResultApply.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "results/ResultTable.h"
#include "results/RowTags.h"
#include "results/ScheduleGrid.h"
#include "results/ScoreSyntax.h"
#include "results/Standings.h"
#include "structure/Advancement.h"

namespace {
void PatchCell(TournamentState& state, GridCell cell, const QString& text, StoredGameResult& outcome)
{
    if (state.ScheduleGrid.setCell(cell.Col, cell.Row, text))
        outcome.PatchedCells.push_back(cell);
}

// The game's cells found through their row tags, so they show the result even when it was not
// entered from the schedule grid and the grid is not rendered anew.
void PatchGameCells(TournamentState& state, const GameResult& result, StoredGameResult& outcome)
{
    const GroupBlock block = LocateGroupBlock(state, result.Group);
    if (block.Group == 0)
        return;
    const int row = block.gameRow(result.Game);
    const GridCell sets{block.Column + 2, row};
    const GridCell goals{block.Column + 3, row};
    const TextGrid& grid = state.ScheduleGrid;
    if (state.Settings.WithSets &&
        grid.tag(sets.Col, sets.Row) == MakeRowTag(result.Group, TagKind::Satz, result.Game))
        PatchCell(state, sets, result.ScoreText, outcome);
    if (grid.tag(goals.Col, goals.Row) == MakeRowTag(result.Group, TagKind::Tore, result.Game))
        PatchCell(state, goals, GoalsCellText(result), outcome);
}
// "Ergebnis 3:1 Gruppe A", the name of the step for undo.
QString ResultStepLabel(const TournamentState& state, const GameResult& result)
{
    if (result.ScoreText == CancelledGameText)
        return QStringLiteral("Spiel fällt aus %1").arg(GroupLabel(state, result.Group));
    return QStringLiteral("Ergebnis %1:%2 %3")
        .arg(result.GoalsFirst)
        .arg(result.GoalsSecond)
        .arg(GroupLabel(state, result.Group));
}
} // namespace

StoredGameResult StoreGameResult(TournamentState& state, const GameResult& result, Prompter& prompter)
{
    StoredGameResult outcome;
    if (StoreResult(state, result) == StoreOutcome::TableFull) {
        prompter.inform(QStringLiteral("Benutzer-Info"),
                        QStringLiteral("zuviele Ergebnisse. Ergebnis kann nicht übernommen werden. "
                                       "Kontaktieren Sie Valdorn für eine größere Programmversion."));
    } else {
        outcome.Stored = true;
        MarkChanged(state, ResultStepLabel(state, result));
        state.GroupHasResults[std::size_t(result.Group)] = true;
        PatchGameCells(state, result, outcome);
    }
    RecomputeAfterResult(state, result.Group);
    return outcome;
}

void RecomputeAfterResult(TournamentState& state, int group)
{
    MarkChanged(state, QStringLiteral("Ergebnis %1").arg(GroupLabel(state, group)));
    ComputeStandings(state, group);
    if (state.AutoLoadPending || state.JustLoaded) {
        CheckGroupCompletion(state, group);
        return;
    }
    // Drawn once, after the placed teams went on: only their groups and this one change. A result
    // typed into the time plan leaves that plan current, but the schedule grid behind it takes the
    // new table too: the hall display and the phones read the tables from it.
    const bool timePlanCurrent = state.TimePlanCurrent;
    UpdateGroupCompletion(state, group);
    RenderAfterResult(state, group);
    state.TimePlanCurrent = timePlanCurrent;
}

GameResult ResultOfEntry(int group, int game, const ScoreEntry& entry)
{
    return {
        group, game, entry.ScoreText, entry.SetsFirst, entry.SetsSecond, entry.GoalsFirst, entry.GoalsSecond};
}
