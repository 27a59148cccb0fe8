#pragma once

#include "model/TournamentState.h"

#include <QByteArray>
#include <QStringList>

#include <memory>

// A tournament that fills every section of the tournament file with values other than the
// defaults, consistent in the way a load leaves it (pool list and pool agree, SetsWord follows
// WithSets, result flags set). One team name lies outside Windows-1252 when `withForeignName`.
std::unique_ptr<TournamentState> MakeFullTournament(bool withForeignName = true);

// The lines of a tournament file, without their line ends.
QStringList FileLines(const QByteArray& bytes);
// Lines joined with CR LF, each line ended; Latin-1 is enough for the tests' own texts.
QByteArray FileBytes(const QStringList& lines);
