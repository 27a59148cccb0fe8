#include "structure/Groups.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"

bool ConfirmGroupChange(const TournamentState& state, int group, Prompter& prompter)
{
    if (group < 0 || group > Limits::MaxGroupFlags)
        return true;
    const QString caption = QStringLiteral("Info");
    if (state.GroupCompleted[group])
        return prompter.askYesNo(caption, QStringLiteral("Diese Gruppe wurde bereits abgeschlossen und die "
                                                         "Mannschaften übernommen ! Wollen Sie trotzdem "
                                                         "fortsetzen ? ")) == Prompter::Answer::Yes;
    if (state.GroupHasResults[group])
        return prompter.askYesNo(caption, QStringLiteral("Für dieser Gruppe wurden bereits Ergebnisse "
                                                         "eingegeben ! Wollen Sie trotzdem fortsetzen ? ")) ==
               Prompter::Answer::Yes;
    return true;
}
