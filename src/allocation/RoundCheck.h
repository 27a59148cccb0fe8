#pragma once

#include <QString>

#include <optional>

struct RoundTeams;
struct TournamentState;

// Why a round cannot be planned within the tables of the allocation: group numbers past the
// group tables, a group size without games in the pairing table, more than 200 teams, more than
// 50 fields, one field per group on too few fields, games but no field, or pairings that the
// data file does not hold. Empty when the round can be filled. The text names the round and the
// reason for the list "Fehlermeldungen".
std::optional<QString> RoundProblem(const TournamentState& state, const RoundTeams& teams);

// The line for a round whose games would need more slots than the table holds.
QString TooManySlotsMessage(int round);
