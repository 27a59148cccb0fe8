#include "structure/RoundNavigation.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"

namespace {
std::size_t CurrentRoundIndex(const TournamentState& state)
{
    return std::size_t(state.CurrentRound);
}
} // namespace

void ShowPreviousRound(TournamentState& state)
{
    if (state.CurrentRound > 1)
        --state.CurrentRound;
    state.TeamList.clear();
}

void PrepareNewRound(TournamentState& state)
{
    if (!IsRoundIndex(state.CurrentRound))
        return;
    const std::size_t round = CurrentRoundIndex(state);
    state.GroupsInRound[round] = 0;
    const int nextGroup = TotalGroups(state) + 1;
    if (IsGroupIndex(nextGroup))
        state.TeamsInGroup[std::size_t(nextGroup)] = 0;
    state.FieldsInRound[round] = 1;
    state.GameLengthInRound[round] = state.GameLengthInRound[round - 1];
    MarkChanged(state, QStringLiteral("Runde %1 begonnen").arg(state.CurrentRound));
    state.NewRoundPending = true;
}

bool ShowNextRound(TournamentState& state)
{
    if (state.CurrentRound >= Limits::MaxRounds)
        return false;
    ++state.CurrentRound;
    bool opensNewGroupDialog = false;
    if (state.CurrentRound > state.RoundCount) {
        PrepareNewRound(state);
        opensNewGroupDialog = true;
    }
    state.TeamList.clear();
    state.Settings.PlanChanged = true;
    return opensNewGroupDialog;
}

void RemoveField(TournamentState& state, Prompter& prompter)
{
    if (!IsRoundIndex(state.CurrentRound))
        return;
    int& fields = state.FieldsInRound[CurrentRoundIndex(state)];
    if (fields > Limits::MinFields)
        --fields;
    MarkChanged(state, QStringLiteral("%1 Spielplätze in Runde %2").arg(fields).arg(state.CurrentRound));
    CheckOneFieldPerGroup(state, state.CurrentRound, prompter);
    state.Settings.PlanChanged = true;
}

void AddField(TournamentState& state)
{
    if (!IsRoundIndex(state.CurrentRound))
        return;
    int& fields = state.FieldsInRound[CurrentRoundIndex(state)];
    if (fields < Limits::MaxFields)
        ++fields;
    MarkChanged(state, QStringLiteral("%1 Spielplätze in Runde %2").arg(fields).arg(state.CurrentRound));
    state.Settings.PlanChanged = true;
}

QString SetGameLength(TournamentState& state, const QString& text, Prompter& prompter)
{
    bool isNumber = false;
    int minutes = text.trimmed().toInt(&isNumber);
    // Only digits can be typed, so a sign makes no plain number either.
    if (!isNumber || minutes < 0) {
        prompter.inform(
            QStringLiteral("Benutzer-Info"),
            QStringLiteral("als Spiellänge muß eine einfache Zahl eingegeben werden. Die Spielläge "
                           "wurde auf 10 gesetzt. "));
        minutes = 10;
    } else if (minutes > Limits::MinutesPerDay) {
        prompter.inform(
            QStringLiteral("Benutzer-Info"),
            QStringLiteral("Ein Spiel kann nicht länger als einen Tag dauern. Die Spiellänge wurde "
                           "auf %1 gesetzt.")
                .arg(Limits::MinutesPerDay));
        minutes = Limits::MinutesPerDay;
    }
    if (IsRoundIndex(state.CurrentRound))
        state.GameLengthInRound[CurrentRoundIndex(state)] = minutes;
    state.DefaultGameLength = minutes;
    MarkChanged(state, QStringLiteral("Spiellänge %1 min").arg(minutes));
    return QString::number(minutes);
}

bool SetOneFieldPerGroup(TournamentState& state, bool ticked, Prompter& prompter)
{
    if (!IsRoundIndex(state.CurrentRound))
        return false;
    state.OneFieldPerGroup[CurrentRoundIndex(state)] = ticked;
    MarkChanged(state,
                ticked ? QStringLiteral("ein Platz pro Gruppe") : QStringLiteral("Plätze frei verteilt"));
    state.Settings.PlanChanged = true;
    CheckOneFieldPerGroup(state, state.CurrentRound, prompter);
    return state.OneFieldPerGroup[CurrentRoundIndex(state)];
}

bool CheckOneFieldPerGroup(TournamentState& state, int round, Prompter& prompter)
{
    if (!IsRoundIndex(round))
        return false;
    const auto index = std::size_t(round);
    if (!state.OneFieldPerGroup[index] || state.FieldsInRound[index] >= state.GroupsInRound[index])
        return false;
    prompter.inform(
        QStringLiteral("Benutzer-Info"),
        QStringLiteral("Sie wollen, daß jede Gruppe auf einem eigenen Platz spielt, haben aber weniger "
                       "Spielplätze als Gruppen definiert. Daher wurde \"ein Platz pro Gruppe\" "
                       "deaktiviert."));
    state.OneFieldPerGroup[index] = false;
    return true;
}

QString NextRoundHint(const TournamentState& state)
{
    if (state.CurrentRound < state.RoundCount || state.CurrentRound >= Limits::MaxRounds)
        return QStringLiteral("höhere Runde anzeigen");
    return QStringLiteral("höhere Runde anzeigen: legt Runde %1 neu an").arg(state.CurrentRound + 1);
}

QString NewGroupRoundNotice(const TournamentState& state)
{
    if (!state.NewRoundPending)
        return QStringLiteral("Die Gruppen kommen in Runde %1.").arg(state.CurrentRound);
    return QStringLiteral("Runde %1 wird neu angelegt (mit %2 Spielplatz und %3 min Spiellänge); "
                          "\"abbrechen\" kehrt zu Runde %4 zurück.")
        .arg(state.CurrentRound)
        .arg(state.FieldsInRound[std::size_t(state.CurrentRound)])
        .arg(state.GameLengthInRound[std::size_t(state.CurrentRound)])
        .arg(state.CurrentRound - 1);
}
