#pragma once

#include <QString>

#include <optional>

class Prompter;
struct TournamentState;

// What the referral panel of the schedule window shows after a step.
struct ReferralPanel {
    QString selection;                 // the selection field (EDverweise)
    bool selectionHighlighted = false; // red while a referral waits for its target
    QString comesFrom;                 // "kommt von:"
    QString refersTo;                  // "verweist auf:"
    QString cellText;                  // new text of the double-clicked cell, when patchesCell
    bool patchesCell = false;
};

// "kommt von:" and "verweist auf:" for the team line (group, number); empty without a link.
QString ComesFromText(const TournamentState& state, int group, int number);
QString RefersToText(const TournamentState& state, int group, int number);

// A double-click on a team line (group g, line number n) in referral mode: after
// ConfirmGroupChange it starts a referral, or completes the pending one into (g, n). Empty when
// the user declined: nothing changed and the panel stays as it is.
std::optional<ReferralPanel> ActOnTeamLineForReferral(TournamentState& state, int group, int number,
                                                      Prompter& prompter);

// First double-click: placement n of group g waits for its target.
ReferralPanel StartReferral(TournamentState& state, int group, int number);

// Second double-click: links the pending placement to position n of group g, which must be in a
// later round; the earlier links of both ends are undone and (g, n) gets the placeholder name.
ReferralPanel CompleteReferral(TournamentState& state, int group, int number, Prompter& prompter);

// Any other double-click: drops a pending referral and empties the panel.
ReferralPanel CancelReferralSelection(TournamentState& state);

// Undo one link from its source placement (g, p) or from its target position (h, s). The target
// position loses its name. Nothing happens when that end has no link.
void RemoveOutgoingReferral(TournamentState& state, int group, int place);
void RemoveIncomingReferral(TournamentState& state, int group, int slot);

// What "Verweis setzen" says when the marked cell is no table place or position.
inline const QString ReferralButtonHint = QStringLiteral(
    "Markieren Sie mit einem Klick erst den Tabellenplatz der Mannschaft und drücken Sie "
    "\"Verweis setzen\", dann die Position in der folgenden Runde und nochmals \"Verweis setzen\".");
