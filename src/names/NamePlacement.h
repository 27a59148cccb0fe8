#pragma once

#include <QString>

class Prompter;
struct TournamentState;

// Putting team names into the positions of the groups: a pool name dropped onto the schedule
// grid, and the rename dialog "Mannschaftsnamen ändern".

struct NameDropOutcome {
    bool Placed = false;   // the name went into a position
    bool Rendered = false; // the schedule grid was rebuilt; otherwise at most one cell changed
};

// A pool name dropped onto cell (col, row) of the schedule grid. The cell becomes the selected
// one; on a team entry of a group header, after ConfirmGroupChange, the position takes the name,
// loses its incoming referral and its cell shows the new entry. The plan is rendered again while
// it is kept up to date.
NameDropOutcome DropNameOnPosition(TournamentState& state, int col, int row, const QString& name,
                                   Prompter& prompter);

// "ä&ndern" of the rename dialog: after ConfirmGroupChange position p of group g takes the name,
// with `cutReferral` also losing its incoming referral, and the plan is rendered again.
// Returns false when the change was refused or (g, p) is no position.
bool RenamePosition(TournamentState& state, int group, int position, const QString& name, bool cutReferral,
                    Prompter& prompter);

// The hint under the rename dialog's input field.
struct PoolNameHint {
    QString Text;
    bool InPool = false; // shown green, otherwise red
};
PoolNameHint PoolNameHintFor(const TournamentState& state, const QString& name);

namespace PoolText {
// "Zuweisen" of the pool panel without a chosen name.
inline const QString AssignCaption = QStringLiteral("Benutzer-Info");
inline const QString AssignNeedsName = QStringLiteral(
    "Wählen Sie erst einen Namen in der Liste und dann mit einem Klick die Position im Spielplan.");
} // namespace PoolText
