#pragma once

#include "allocation/SearchSteps.h"

#include <QString>

#include <functional>
#include <optional>

class Prompter;
struct AllocationOutput;
struct TournamentState;

// How the search scores its trials. Both take the same decisions; FullRecomputation scans the
// fields for every membership test and recomputes the whole penalty after every exchange, and is
// kept to check and measure the incremental search.
enum class SearchMethod { Incremental, FullRecomputation };

struct AllocationOptions {
    // Replaces the tournament's "Rechentiefe" for this run.
    std::optional<QString> SearchDepth;
    SearchMethod Method = SearchMethod::Incremental;
    // Called right after the round output.GameListRound has been written, with that round.
    std::function<void(int round)> WriteGameLists;
    // Replaces the tournament's "Platzverteilung optimieren" for this run.
    std::optional<bool> Optimise = std::nullopt;
    // Told after every step of the searches; answering false cancels the run.
    AllocationProgress Progress = {};
};

// The search depth as the integer its text holds; empty when the text is not an integer.
std::optional<int> ParseSearchDepth(const QString& text);

// Plans every round from scratch: fills the slot table, improves it, gives every game a referee,
// writes the time plan, the round reports and (for output.GameListRound) the game lists, and
// copies the time plan into state.FieldPlan. The same tournament always gives the same plan.
// A round that does not fit the tables is left out with a line in output.Messages. When the
// search depth is needed but is not an integer, the run tells so through the prompter and
// stops before anything is changed; it then returns false. A run cancelled through
// options.Progress returns false too: the tournament and the time plan stay as they were and the
// message list says that the plan was not computed.
bool RunAllocation(TournamentState& state, AllocationOutput& output, Prompter& prompter,
                   const AllocationOptions& options = {});
