#include "help/SettingsAcceptance.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"

SettingsAcceptance AcceptSettings(TournamentState& state, const QString& searchDepthText, Prompter& prompter)
{
    state.Settings.PlanChanged = true;
    bool isNumber = false;
    const int depth = searchDepthText.trimmed().toInt(&isNumber);
    if (!isNumber) {
        prompter.inform(QStringLiteral("Benutzer-Info"),
                        QStringLiteral("Wert bei Rechntiefe nicht erlaubt. Hier muss eine Zahl stehen. "
                                       "Änderung in Standardwert wurde durchgeführt."));
        state.Settings.SearchDepth = DefaultSearchDepth;
        return {DefaultSearchDepth, false, false};
    }
    state.Settings.SearchDepth = QString::number(depth);
    MarkChanged(state, QStringLiteral("Einstellungen"));
    return {state.Settings.SearchDepth, true, state.Settings.KeepPlanUpdated};
}
