#include "structure/TimeFrameEdits.h"

#include "model/TextUtil.h"
#include "model/TournamentState.h"
#include "structure/TimeText.h"

namespace {
void markEdited(TournamentState& state)
{
    state.Settings.PlanChanged = true;
    state.IsSaved = false;
}
} // namespace

QString SetStartTime(TournamentState& state, const QString& text, Prompter& prompter)
{
    state.TimeAnchorIsStart = true;
    const QString normalized = FormatTimeText(ParseTimeText(text, prompter));
    state.StartTime = CutText(normalized, Limits::TimeTextLength);
    state.IsSaved = false;
    return normalized;
}

QString NormalizeBreakInput(TournamentState& state, const QString& text, Prompter& prompter)
{
    state.IsSaved = false;
    return FormatTimeText(ParseTimeText(text, prompter));
}

void AddBreak(TournamentState& state, const QString& beginText, const QString& durationText,
              Prompter& prompter)
{
    AddPauseLine(state.PauseList, BuildPauseLine(beginText, durationText, prompter),
                 state.Settings.PausesSorted);
    markEdited(state);
}

void DeleteBreak(TournamentState& state, int index)
{
    if (index < 0 || index >= state.PauseList.size())
        return;
    state.PauseList.removeAt(index);
    markEdited(state);
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
    markEdited(state);
    return to;
}

void SetBreaksSorted(TournamentState& state, bool sorted)
{
    state.Settings.PausesSorted = sorted;
    if (sorted)
        state.PauseList.sort();
    state.IsSaved = false;
}
