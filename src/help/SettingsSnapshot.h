#pragma once

#include <QString>

struct TournamentSettings;

// What the settings dialog remembers when it is activated, so that "A&bbrechen" can go back to it.
struct SettingsSnapshot {
    QString FieldsPerLine; // at most 5 characters, like its field
    QString SearchDepth;   // at most 5 characters, like its field
    // One character per choice: "1"/"0" for one group per line, formatted output, referees,
    // blank line between games, plus points, goal difference, plus goals; then the digit of the
    // head-to-head scope ("0" when none is chosen); then "1"/"0" for plus sets.
    QString Flags;
    // "Platzverteilung optimieren", kept beside the flags, whose order is fixed.
    bool OptimiseAllocation = false;

    bool operator==(const SettingsSnapshot&) const = default;
};

SettingsSnapshot TakeSettingsSnapshot(const TournamentSettings& settings);

// Sets back every setting the snapshot covers. "Spielplan stä&ndig aktualisieren" and the plan
// symmetry are not covered and keep their values.
void RestoreSettingsSnapshot(TournamentSettings& settings, const SettingsSnapshot& snapshot);

// The read-only field beside "Platzverteilung" never shows more than 4 fields per line.
QString CappedFieldsPerLine(const QString& text);
