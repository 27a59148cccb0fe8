#pragma once

struct GameResult;
struct TournamentState;

// The two positions that meet in a game of a group.
struct GamePositions {
    int first = 0;
    int second = 0;
};

// The positions of game k of a group; false when the game lies outside the group's pairing block
// (a stale record of a group that was made smaller, or a group size without pairings).
bool PositionsOfGame(const TournamentState& state, int group, int game, GamePositions& positions);

// A record of a cancelled game ("x"): it counts for completion and adds nothing.
bool IsCancelledResult(const GameResult& result);
