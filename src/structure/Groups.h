#pragma once

class Prompter;
struct TournamentState;

// Asks before a completed group or a group with results is changed; true when it may go on.
bool ConfirmGroupChange(const TournamentState& state, int group, Prompter& prompter);
