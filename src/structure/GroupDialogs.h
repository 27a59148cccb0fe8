#pragma once

#include <QString>

#include <optional>

class Prompter;
struct TournamentState;

// The new-group and change-group dialogs as core operations: the dialog reads its controls into
// the input struct, calls one operation, writes the canonical texts back into its fields and
// closes when told to. Every message goes through the Prompter.

// "neue Gruppe(n)": the inputs keep their last values between openings.
struct NewGroupInput {
    QString groupCountText = QStringLiteral("1"); // "Anzahl"
    QString name;                                 // "Gruppenname:"
    QString teamCountText = QStringLiteral("4");  // "Anzahl Mannschaften:"
    bool returnLeg = false;                       // "&mit Rückrunde"
};

struct NewGroupOutcome {
    QString groupCountText; // canonical texts to show in the fields
    QString teamCountText;
    int createdGroups = 0;
    bool closes = false;
};

// Opening either dialog counts as a change of the plan.
void OpenGroupDialog(TournamentState& state);

// Whether the "+n" marker beside the name shows for this "Anzahl" text; empty when the text is
// no number (the marker then stays as it is).
std::optional<bool> GroupCountMarkerVisible(const QString& groupCountText);

// "&hinzufügen": creates the groups in the current round, the first of a round prepared by ">".
NewGroupOutcome AddNewGroups(TournamentState& state, const NewGroupInput& input, Prompter& prompter);

// "&abbrechen": steps back from a round prepared by ">". The dialog closes.
void CancelNewGroups(TournamentState& state);

// "Gruppe ändern", filled from the group when its name header is double-clicked.
struct ChangeGroupInput {
    int group = 0; // "Gruppe Nr "
    QString name;
    QString teamCountText;
    bool returnLeg = false;
};

struct ChangeGroupOutcome {
    QString teamCountText; // canonical text to show in the field
    bool closes = false;
};

ChangeGroupInput ReadGroupForChange(const TournamentState& state, int group);

// "ä&ndern": stores name, size and return leg after ConfirmGroupChange and renders the schedule.
ChangeGroupOutcome ApplyGroupChange(TournamentState& state, const ChangeGroupInput& input,
                                    Prompter& prompter);

// "Gruppe &löschen": deletes the group after ConfirmGroupChange and renders the schedule.
// The dialog closes in any case.
void DeleteGroupFromDialog(TournamentState& state, int group, Prompter& prompter);

// "&Ergebnisse löschen": true (the dialog closes) when the results were deleted.
bool ClearResultsFromDialog(TournamentState& state, int group, Prompter& prompter);
