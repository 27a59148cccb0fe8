#pragma once

#include "model/TournamentState.h"

#include <QString>

#include <memory>
#include <vector>

// Small tournaments for the result and standings tests. Team p of group g is named "T<g>.<p>"
// unless a test renames it; games are looked up in the real pairing table, so the tests do not
// depend on which side of a game is named first.
namespace results_test {

// groupsPerRound[r] lists the team counts of the groups of round r + 1; every round has one field
// and 10 minutes per game.
inline std::unique_ptr<TournamentState> MakeTournament(const std::vector<std::vector<int>>& groupsPerRound,
                                                       bool namePositions = true)
{
    auto state = std::make_unique<TournamentState>();
    state->Pairings = BuildPairingTable();
    state->RoundCount = int(groupsPerRound.size());
    int group = 0;
    for (std::size_t round = 0; round < groupsPerRound.size(); ++round) {
        state->GroupsInRound[round + 1] = int(groupsPerRound[round].size());
        state->FieldsInRound[round + 1] = 1;
        state->GameLengthInRound[round + 1] = 10;
        for (int teams : groupsPerRound[round]) {
            ++group;
            state->TeamsInGroup[group] = teams;
            state->NameTable[group][0] = QStringLiteral("Gruppe %1").arg(group);
            for (int position = 1; namePositions && position <= teams; ++position)
                state->NameTable[group][position] = QStringLiteral("T%1.%2").arg(group).arg(position);
        }
    }
    return state;
}

// The game between positions a and b of the group: the first-leg game, or the return-leg game.
int GameBetween(const TournamentState& state, int group, int a, int b, bool returnLeg = false);

// The record of a game between a and b with the scores given from a's side.
GameResult ResultFor(const TournamentState& state, int group, int a, int b, int goalsA, int goalsB,
                     bool returnLeg = false, int setsA = 0, int setsB = 0);
// Stores that record (the table stays in order).
void Enter(TournamentState& state, int group, int a, int b, int goalsA, int goalsB, bool returnLeg = false,
           int setsA = 0, int setsB = 0);

// Gives the schedule grid the rows of group g's table as the layout tags them: column c of the
// group's block holds "<g> tabellemannschaft <p>", columns c+1..c+4 "<g> tabelle <p>", rows
// firstRow + p - 1. The grid grows to fit.
void TagTableRows(TournamentState& state, int group, int firstRow);
// Tags a game's sets and goals cells ("<g> satz <k>", "<g> tore <k>") at (setsCol, row).
void TagGameCells(TournamentState& state, int group, int game, int setsCol, int row);

// Enters a score as a user does: the goals cell of the rendered grid selected through its tag,
// one press of the result dialog to normalise, one to store.
void EnterThroughDialog(TournamentState& state, int group, int game, const QString& goals);

} // namespace results_test
