#include "structure/ScoringOptions.h"

#include "model/TextUtil.h"
#include "model/TournamentState.h"

namespace {
void markEdited(TournamentState& state)
{
    state.IsSaved = false;
    state.Settings.PlanChanged = true;
}
} // namespace

void SetPointsSystem(TournamentState& state, int pointsForWin)
{
    state.Settings.PointsSystem = pointsForWin;
    markEdited(state);
}

void SetWithSets(TournamentState& state, bool withSets)
{
    state.Settings.WithSets = withSets;
    state.SetsWord = withSets ? QStringLiteral("Sätze") : QString();
    markEdited(state);
}

void SetSetPriority(TournamentState& state, bool on)
{
    state.Settings.SetPriority = on;
    markEdited(state);
}

void SetTournamentName(TournamentState& state, const QString& name)
{
    state.TournamentName = CutText(name, Limits::InputTextLength);
    markEdited(state);
}
