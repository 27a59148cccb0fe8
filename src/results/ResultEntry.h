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
// (EntryConfirmArmed) stores or deletes it, recomputes the group's table and runs the completion
// check. Nothing changes before the confirming press. The game is the one of the selection state
// (SelectedGroup, SelectedNumber); the cells patched afterwards are found through
// SelectedTagKind, SelectedCol and SelectedRow.
class ResultEntry {
public:
    static constexpr std::uint32_t ArmedColour = 0x00FF00;   // lime: the next press confirms
    static constexpr std::uint32_t UnarmedColour = 0xFFFFFF; // the window colour

    // Opening the dialog disarms it.
    ResultEntrySetup activate(const TournamentState& state);
    // Leaving an entry field disarms, so a click on the button straight after typing normalises first.
    void fieldLeft() { EntryConfirmArmed = false; }
    // One press of "Ü&bernehmen". Input without a digit (other than "x") is refused with
    // "Fehlerhafte Eingabe" and disarms. Otherwise the first press normalises and arms (lime
    // fields). The confirming press closes the dialog; while the group is completed it first asks
    // the question (default and Escape ABBRECHEN: nothing changes; JA empties the groups its
    // places feed, then stores; NEIN stores and leaves them). Then it deletes ("0", or both
    // fields empty) or stores (saying "Spiel fällt aus" for "x"), recomputes the group's table,
    // re-renders and runs the completion check.
    ResultEntryOutcome press(TournamentState& state, const ResultEntryFields& fields, Prompter& prompter);

    bool EntryConfirmArmed = false;
};

// The question asked on the confirming press while the game's group is completed.
QString CompletedGroupQuestion();
// Empties the results of every group that a placement of the group is referred to.
void ClearFedGroupResults(TournamentState& state, int group);
