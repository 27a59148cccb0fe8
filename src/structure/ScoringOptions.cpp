#include "structure/ScoringOptions.h"

#include "model/TextUtil.h"
#include "model/TournamentState.h"

namespace {
void markEdited(TournamentState& state, const QString& label)
{
    MarkChanged(state, label);
    state.Settings.PlanChanged = true;
}
} // namespace

void SetPointsSystem(TournamentState& state, int pointsForWin)
{
    state.Settings.PointsSystem = pointsForWin;
    markEdited(state, QStringLiteral("%1-Punkte-System").arg(pointsForWin));
}

void SetWithSets(TournamentState& state, bool withSets)
{
    state.Settings.WithSets = withSets;
    state.SetsWord = withSets ? QStringLiteral("Sätze") : QString();
    markEdited(state, withSets ? QStringLiteral("mit Sätzen") : QStringLiteral("ohne Sätze"));
}

void SetSetPriority(TournamentState& state, bool on)
{
    state.Settings.SetPriority = on;
    markEdited(state, on ? QStringLiteral("Satzpriorität ein") : QStringLiteral("Satzpriorität aus"));
}

void SetTournamentName(TournamentState& state, const QString& name)
{
    state.TournamentName = CutText(name, Limits::InputTextLength);
    markEdited(state, QStringLiteral("Korvanename"));
    state.ChangeIsTyping = true;
}
