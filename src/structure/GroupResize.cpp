#include "structure/GroupResize.h"

#include "results/ResultTable.h"
#include "results/ScoreSyntax.h"

#include <QStringList>

#include <set>

namespace {
struct GameOfPair {
    int Game = 0;         // 0: the pair has no game in this leg
    bool Swapped = false; // the game names the second position first
};

// The game of positions (first, second) in the given leg of a group of `teams`.
GameOfPair FindGameOfPair(const PairingTable& pairings, int teams, bool returnLegGame, PairingEntry pair)
{
    const int firstLeg = PairingTable::FirstLegGameCount(teams);
    const int from = returnLegGame ? firstLeg + 1 : 1;
    for (int game = from; game < from + firstLeg; ++game) {
        const PairingEntry entry = pairings.PairingOf(teams, game);
        if (entry == pair)
            return {game, false};
        if (entry.first == pair.second && entry.second == pair.first)
            return {game, true};
    }
    return {};
}

// Sets "15:7  8:15  " become "7:15  15:8  "; "x" and goals-only results keep their text.
QString SwappedScoreText(const QString& scoreText)
{
    if (scoreText == CancelledGameText)
        return scoreText;
    QString swapped;
    NumberScanner scanner(scoreText);
    while (scanner.hasDigitsLeft()) {
        const int first = scanner.next();
        const int second = scanner.next();
        swapped += QString::number(second) + u':' + QString::number(first) + QStringLiteral("  ");
    }
    return swapped;
}

GameResult SwappedSides(GameResult result)
{
    std::swap(result.SetsFirst, result.SetsSecond);
    std::swap(result.GoalsFirst, result.GoalsSecond);
    result.ScoreText = SwappedScoreText(result.ScoreText);
    return result;
}

std::vector<GameResult> ResultsOf(const TournamentState& state, int group)
{
    std::vector<GameResult> results;
    for (int index = 1; index <= UsedResultCount(state); ++index)
        if (state.ResultTable[std::size_t(index)].Group == group)
            results.push_back(state.ResultTable[std::size_t(index)]);
    return results;
}
} // namespace

GroupResultMove PlanGroupResultMove(const TournamentState& state, int group, int teams, bool returnLeg)
{
    GroupResultMove move;
    if (!IsGroupIndex(group))
        return move;
    const int oldTeams = state.TeamsInGroup[std::size_t(group)];
    const int oldFirstLeg = PairingTable::FirstLegGameCount(oldTeams);
    for (const GameResult& result : ResultsOf(state, group)) {
        const PairingEntry pair = result.Game <= GroupGameCount(state, group)
                                      ? state.Pairings.PairingOf(oldTeams, result.Game)
                                      : PairingEntry{};
        const bool returnLegGame = result.Game > oldFirstLeg;
        const bool pairStays =
            pair.first >= 1 && pair.second >= 1 && pair.first <= teams && pair.second <= teams;
        const GameOfPair target = pairStays && (returnLeg || !returnLegGame)
                                      ? FindGameOfPair(state.Pairings, teams, returnLegGame, pair)
                                      : GameOfPair{};
        if (target.Game == 0) {
            move.Removed.push_back(result);
            continue;
        }
        GameResult moved = target.Swapped ? SwappedSides(result) : result;
        moved.Game = target.Game;
        move.Kept.push_back(moved);
    }
    return move;
}

QString RemovedResultsNotice(const TournamentState& state, int group, int teams, const GroupResultMove& move)
{
    if (move.Removed.empty() || !IsGroupIndex(group))
        return {};
    const int oldTeams = state.TeamsInGroup[std::size_t(group)];
    std::set<int> goneTeams;
    bool returnLegGames = false;
    for (const GameResult& result : move.Removed) {
        const PairingEntry pair = state.Pairings.PairingOf(oldTeams, result.Game);
        for (const int position : {int(pair.first), int(pair.second)})
            if (position > teams)
                goneTeams.insert(position);
        returnLegGames |= pair.first >= 1 && pair.first <= teams && pair.second <= teams;
    }
    QStringList concerned;
    if (!goneTeams.empty()) {
        QStringList names;
        for (const int position : goneTeams)
            names << QStringLiteral("%1) %2")
                         .arg(position)
                         .arg(state.NameTable[std::size_t(group)][std::size_t(position)])
                         .trimmed();
        concerned << QStringLiteral("die Spiele von ") + names.join(QStringLiteral(", "));
    }
    if (returnLegGames)
        concerned << QStringLiteral("die Spiele der Rückrunde");
    const int count = int(move.Removed.size());
    const QString howMany =
        count == 1 ? QStringLiteral("wird 1 Ergebnis") : QStringLiteral("werden %1 Ergebnisse").arg(count);
    return QStringLiteral("Dabei %1 gelöscht: %2.").arg(howMany, concerned.join(QStringLiteral(" und ")));
}

void ApplyGroupResultMove(TournamentState& state, int group, const GroupResultMove& move)
{
    // The next standings decide whether the group is still complete; until then it counts as it did.
    const bool completed = state.GroupCompleted[std::size_t(group)];
    ClearGroupResults(state, group);
    for (const GameResult& result : move.Kept)
        StoreResult(state, result); // fits: the group held at least as many records before
    state.GroupHasResults[std::size_t(group)] = !move.Kept.empty();
    state.GroupCompleted[std::size_t(group)] = completed;
}
