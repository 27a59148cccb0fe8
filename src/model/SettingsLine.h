#pragma once

#include <QString>

struct TournamentSettings;

// Line 5 of the tournament file: one character per setting, 21 in all.
QString WriteSettingsLine(const TournamentSettings& settings);
// Sets every setting of the line; a character outside a setting's digits (or beyond the end of
// a short line) gives that setting its fallback.
void ApplySettingsLine(TournamentSettings& settings, const QString& line);
