#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class Prompter;
struct TournamentState;

// The two entry fields of the result dialog.
struct ResultEntryFields {
    QString Sets;
    QString Goals;

    bool operator==(const ResultEntryFields&) const = default;
};

// How the dialog shows itself when it opens.
struct ResultEntrySetup {
    QString SetsLabel;             // "Sätze" with sets, else empty
    bool SetsFieldVisible = false; // the sets field is hidden without sets (and then emptied)
    bool GoalsReadOnly = false;    // with sets the goals come from the sets
    bool FocusOnSets = false;      // otherwise the goals field gets the focus
};

struct GridCell {
    int Col = 0;
    int Row = 0;

    bool operator==(const GridCell&) const = default;
};

// What one press of "Ü&bernehmen" gives back to the dialog.
struct ResultEntryOutcome {
    ResultEntryFields Fields; // the texts to show: normalised when a result was read
    bool CloseDialog = false;
    std::uint32_t FieldColour = 0; // background of both entry fields
    // Cells of the schedule grid already rewritten with the stored or deleted result.
    std::vector<GridCell> PatchedCells;
    // The text for the selected cell of the time plan, shown there while its tab is active.
    std::optional<QString> TimePlanCellText;
};

// The result dialog's logic: the first press normalises and shows the input, the second press
// (EntryConfirmArmed) stores it, recomputes the group's table and runs the completion check.
// The game is the one of the selection state (SelectedGroup, SelectedNumber); the cells patched
// afterwards are found through SelectedTagKind, SelectedCol and SelectedRow.
class ResultEntry {
public:
    static constexpr std::uint32_t ArmedColour = 0x00FF00; // lime: the next press confirms

    // Opening the dialog disarms it.
    ResultEntrySetup activate(const TournamentState& state);
    // Leaving an entry field disarms, so a click on the button straight after typing normalises first.
    void fieldLeft() { EntryConfirmArmed = false; }
    // One press of "Ü&bernehmen". Every press: the question while the group is completed (JA
    // empties the groups its places feed at once, ABBRECHEN skips to the end), then a deletion
    // ("0", or both fields empty) takes effect at once. Only the confirming press stores, says
    // "Spiel fällt aus" for "x", recomputes the group's table, re-renders and runs the completion
    // check, and closes. Every press ends armed with lime fields.
    ResultEntryOutcome press(TournamentState& state, const ResultEntryFields& fields, Prompter& prompter);

    bool EntryConfirmArmed = false;
};

// The question asked on every press while the game's group is completed.
QString CompletedGroupQuestion();
// Empties the results of every group that a placement of the group is referred to.
void ClearFedGroupResults(TournamentState& state, int group);
