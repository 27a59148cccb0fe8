#pragma once

#include "live/WebPage.h"

#include <optional>

class TextGrid;
struct TournamentState;

// The pages of the live plan, read from the same grids as the hall display and the published
// plan: the schedule grid (rendered, so its tables are filled) and the time plan. Nothing is
// changed, nothing is ranked here.

// "/": the rounds, the round in play first; the next game on every field; the teams.
WebPage LiveIndexPage(const TournamentState& state, const TextGrid& timePlan);
// "/runde/N": the round's group tables, its time plan per field, its games with their results.
std::optional<WebPage> LiveRoundPage(const TournamentState& state, const TextGrid& timePlan, int round);
// "/platz/F": the next games on field F, from the round in play on.
std::optional<WebPage> LiveFieldPage(const TournamentState& state, const TextGrid& timePlan, int field);
// "/mannschaft/NAME": the team's games with clock, field, referee and result, its place in each
// of its groups' tables, and the games it referees.
std::optional<WebPage> LiveTeamPage(const TournamentState& state, const TextGrid& timePlan,
                                    const QString& team);

// The largest field number of any round; "/platz/F" exists for 1..this.
int LiveFieldCount(const TournamentState& state);
