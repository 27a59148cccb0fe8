#pragma once

#include "results/IncomingResults.h"

#include <QString>

#include <optional>

// The copy of the incoming results beside the tournament file, written after every change so a
// crash of the desk loses none of the results the referees sent: "turnier.auf" keeps its list in
// "turnier.eingang.txt"; a tournament not saved yet keeps it in the working folder.
QString IncomingResultsCopyPath(const QString& tournamentFile, const QString& workDir);
// Written through a temporary file that replaces the old copy at once; false when that failed.
bool WriteIncomingResultsCopy(const IncomingResults& results, const QString& path);
// nullopt when there is no copy or it is no such list.
std::optional<IncomingResults> ReadIncomingResultsCopy(const QString& path);
