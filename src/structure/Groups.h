#pragma once

#include <QString>

class Prompter;
struct TournamentState;

// Asks before a completed group or a group with results is changed; true when it may go on.
// `consequence`, when given, follows the question as a paragraph of its own. No is the default.
bool ConfirmGroupChange(const TournamentState& state, int group, Prompter& prompter,
                        const QString& consequence = {});

// Appends a group at the end of round r and moves every later group, with everything stored
// for it or pointing at it, one number up. Returns the new group's number, or 0 when the
// tournament already holds the most groups it can or r is no round.
int InsertGroup(TournamentState& state, int round, int teams, const QString& name, bool returnLeg);

// Removes group d with its results and referrals, moves every later group one number down and
// removes its round when it was the round's last group. The positions it fed lose their names.
// Leaves rendering the schedule to the caller.
void DeleteGroup(TournamentState& state, int group);
