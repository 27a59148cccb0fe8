#pragma once

#include "model/TournamentState.h"

#include <memory>

// Two rounds: "Gruppe A" (3 teams, return leg; position 2 named "B", one character) and
// "Gruppe B" (2 teams) in round 1, "Finale" (2 teams, position 2 unnamed) in round 2.
// Results: game 1 of group 1 3:1, game 4 cancelled, group 2 game 1 2:2, group 3 game 1 1:0,
// and a record of group 1 game 5 stored after the later groups, out of group order.
inline std::unique_ptr<TournamentState> TwoRoundTournament()
{
    auto state = std::make_unique<TournamentState>();
    state->Pairings = BuildPairingTable();
    state->TournamentName = QStringLiteral("Hallencup");
    state->RoundCount = 2;
    state->GroupsInRound[1] = 2;
    state->GroupsInRound[2] = 1;
    state->TeamsInGroup[1] = 3;
    state->ReturnLeg[1] = true;
    state->NameTable[1] = {QStringLiteral("Gruppe A"), QStringLiteral("Adler"), QStringLiteral("B"),
                           QStringLiteral("Cobras")};
    state->TeamsInGroup[2] = 2;
    state->NameTable[2] = {QStringLiteral("Gruppe B"), QStringLiteral("Dachse"), QStringLiteral("Elche")};
    state->TeamsInGroup[3] = 2;
    state->NameTable[3] = {QStringLiteral("Finale"), QStringLiteral("1. Gruppe A"), QString()};
    state->ResultTable[1] = {1, 1, QStringLiteral("15:7  15:3  "), 2, 0, 3, 1};
    state->ResultTable[2] = {1, 4, QStringLiteral("x"), 0, 0, 0, 0};
    state->ResultTable[3] = {2, 1, QString(), 0, 0, 2, 2};
    state->ResultTable[4] = {3, 1, QString(), 0, 0, 1, 0};
    state->ResultTable[5] = {1, 5, QString(), 0, 0, 4, 4};
    state->ResultCount = 5;
    return state;
}
