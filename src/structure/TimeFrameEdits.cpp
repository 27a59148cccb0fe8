#include "structure/TimeFrameEdits.h"

#include "model/TextUtil.h"
#include "model/TournamentState.h"
#include "structure/TimeText.h"

namespace {
void markEdited(TournamentState& state, const QString& label)
{
    state.Settings.PlanChanged = true;
    MarkChanged(state, label);
}
} // namespace

QString SetStartTime(TournamentState& state, const QString& text, Prompter& prompter)
{
    state.TimeAnchorIsStart = true;
    const QString normalized = FormatTimeText(ParseTimeText(text, prompter));
    state.StartTime = CutText(normalized, Limits::TimeTextLength);
    MarkChanged(state, QStringLiteral("Beginn %1").arg(state.StartTime));
    return normalized;
}

QString NormalizeBreakInput(TournamentState& state, const QString& text, Prompter& prompter)
{
    MarkChanged(state, QStringLiteral("Pause"));
    return FormatTimeText(ParseTimeText(text, prompter));
}

void AddBreak(TournamentState& state, const QString& beginText, const QString& durationText,
              Prompter& prompter)
{
    AddPauseLine(state.PauseList, BuildPauseLine(beginText, durationText, prompter),
                 state.Settings.PausesSorted);
    markEdited(state, QStringLiteral("Pause hinzugefügt"));
}

void DeleteBreak(TournamentState& state, int index)
{
    if (index < 0 || index >= state.PauseList.size())
        return;
    markEdited(state, QStringLiteral("Pause %1 gelöscht").arg(state.PauseList.at(index).trimmed()));
    state.PauseList.removeAt(index);
}

int MoveBreak(TournamentState& state, int from, int to)
{
    const int last = int(state.PauseList.size()) - 1;
    if (from < 0 || from > last)
        return -1;
    if (to < 0 || to > last)
        to = last;
    state.PauseList.move(from, to);
    state.Settings.PausesSorted = false;
    markEdited(state, QStringLiteral("Pause verschoben"));
    return to;
}

void SetBreaksSorted(TournamentState& state, bool sorted)
{
    state.Settings.PausesSorted = sorted;
    if (sorted)
        state.PauseList.sort();
    MarkChanged(state, sorted ? QStringLiteral("Pausen sortiert") : QStringLiteral("Pausen unsortiert"));
}
