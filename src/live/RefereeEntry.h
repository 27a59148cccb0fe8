#pragma once

#include "live/LiveData.h"
#include "results/ScoreSyntax.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

class TextGrid;
struct GameResult;
struct TournamentState;

// What a field's referee sees and sends: the field's games from the time plan, the score read in
// the desk's syntax with the few entries refused that make no result, and the result in words.

struct FieldGame {
    int Round = 0;
    QString GroupTitle;
    LiveGame Game; // teams, clock and result as the pages show them
};

// Every game of field f in every round, in the order of the time plan.
std::vector<FieldGame> FieldGames(const TournamentState& state, const TextGrid& timePlan, int field);
// The same for every field at once (index field - 1), reading the time plan once per round.
std::vector<std::vector<FieldGame>> EveryFieldsGames(const TournamentState& state, const TextGrid& timePlan);
// Of one field's games, those the entry page offers (see CurrentFieldGames).
std::vector<FieldGame> CurrentOfFieldGames(const std::vector<FieldGame>& games, int roundInPlay,
                                           int following);
// The game of group `group` and number `game` among one field's games.
std::optional<FieldGame> FindAmongFieldGames(const std::vector<FieldGame>& games, int group, int game);
// Of those, the games the entry page offers: the first game without a result from the round in
// play on (the current one) and the `following` games after it.
std::vector<FieldGame> CurrentFieldGames(const TournamentState& state, const TextGrid& timePlan, int field,
                                         int following);

// The longest score text a referee may send.
inline constexpr int MaxScoreTextLength = 60;

// A score as the referee typed it: goals ("3:1"), with sets the sets ("25:20 22:25 15:10"), or
// "x" for a cancelled game. Read with the desk's syntax; refused with a German reason when it
// holds no digit, would delete a result ("0"), gives one team's goals only or leaves the last
// set half. The entry fields it makes are in Sets and Goals.
struct RefereeScore {
    QString Sets;
    QString Goals;
    ScoreEntry Entry;
};
std::variant<RefereeScore, QString> ReadRefereeScore(const QString& typed, bool withSets);

// "FC Straßberg 09 gewinnt 3:1 gegen TSV Lindau", "... spielen 2:2 unentschieden",
// "Spiel fällt aus"; with sets "... gewinnt 2:1 Sätze (25:20 22:25 15:10) gegen ...".
QString ScoreInWords(const QString& teamA, const QString& teamB, const ScoreEntry& entry);
// The result as the desk's cells show it: "3 : 1", the sets, or "x".
QString ResultText(const GameResult& result);

// The game the result is for; nullopt when it is no game of field f.
std::optional<FieldGame> FindFieldGame(const TournamentState& state, const TextGrid& timePlan, int field,
                                       int group, int game);
