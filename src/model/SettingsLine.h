#pragma once

#include <QString>

struct TournamentSettings;

// Line 5 of the tournament file: one character per setting, 21 in all, and a 22nd "1" only when
// "Platzverteilung optimieren" is on, so that files without it stay as they were.
QString WriteSettingsLine(const TournamentSettings& settings);
// Sets every setting of the line; a character outside a setting's digits (or beyond the end of
// a short line) gives that setting its fallback.
void ApplySettingsLine(TournamentSettings& settings, const QString& line);
