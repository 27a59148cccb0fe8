#include "live/RefereeEntry.h"

#include "model/TournamentState.h"

namespace {
QString GroupTitle(const TournamentState& state, int group)
{
    const QString name = IsGroupIndex(group) ? state.NameTable[group][0].trimmed() : QString();
    return name.isEmpty() ? QStringLiteral("Gruppe %1").arg(group) : name;
}

int NumberCount(const QString& text)
{
    NumberScanner scanner(text);
    int count = 0;
    while (scanner.hasDigitsLeft()) {
        scanner.next();
        ++count;
    }
    return count;
}

QString Score(int first, int second)
{
    return QStringLiteral("%1:%2").arg(first).arg(second);
}
} // namespace

std::vector<FieldGame> FieldGames(const TournamentState& state, const TextGrid& timePlan, int field)
{
    std::vector<FieldGame> games;
    if (field < 1)
        return games;
    for (int round = 1; round <= state.RoundCount && IsRoundIndex(round); ++round) {
        const std::vector<LiveField> fields = RoundFields(state, timePlan, round);
        if (std::size_t(field) > fields.size())
            continue;
        for (const LiveGame& game : fields[std::size_t(field - 1)].Games)
            games.push_back({round, GroupTitle(state, game.Group), game});
    }
    return games;
}

std::vector<std::vector<FieldGame>> EveryFieldsGames(const TournamentState& state, const TextGrid& timePlan)
{
    std::vector<std::vector<FieldGame>> fields;
    for (int round = 1; round <= state.RoundCount && IsRoundIndex(round); ++round) {
        const std::vector<LiveField> roundFields = RoundFields(state, timePlan, round);
        if (fields.size() < roundFields.size())
            fields.resize(roundFields.size());
        for (std::size_t field = 0; field < roundFields.size(); ++field)
            for (const LiveGame& game : roundFields[field].Games)
                fields[field].push_back({round, GroupTitle(state, game.Group), game});
    }
    return fields;
}

std::vector<FieldGame> CurrentOfFieldGames(const std::vector<FieldGame>& games, int roundInPlay,
                                           int following)
{
    std::vector<FieldGame> current;
    for (const FieldGame& game : games) {
        if (current.empty() && (game.Round < roundInPlay || game.Game.finished()))
            continue;
        current.push_back(game);
        if (int(current.size()) > following)
            break;
    }
    return current;
}

std::vector<FieldGame> CurrentFieldGames(const TournamentState& state, const TextGrid& timePlan, int field,
                                         int following)
{
    return CurrentOfFieldGames(FieldGames(state, timePlan, field), RoundInPlay(state), following);
}

std::optional<FieldGame> FindAmongFieldGames(const std::vector<FieldGame>& games, int group, int game)
{
    for (const FieldGame& candidate : games)
        if (candidate.Game.Group == group && candidate.Game.Game == game)
            return candidate;
    return std::nullopt;
}

std::optional<FieldGame> FindFieldGame(const TournamentState& state, const TextGrid& timePlan, int field,
                                       int group, int game)
{
    return FindAmongFieldGames(FieldGames(state, timePlan, field), group, game);
}

std::variant<RefereeScore, QString> ReadRefereeScore(const QString& typed, bool withSets)
{
    const QString example = withSets ? QStringLiteral("zB 25:20 22:25 15:10") : QStringLiteral("zB 3:1");
    if (typed.size() > MaxScoreTextLength)
        return QStringLiteral("Die Eingabe ist zu lang.");
    RefereeScore score;
    // A cancelled game is marked in the goals field, also with sets.
    if (typed.trimmed().compare(CancelledGameText, Qt::CaseInsensitive) == 0)
        score.Goals = CancelledGameText;
    else if (withSets)
        score.Sets = typed;
    else
        score.Goals = typed;
    score.Entry = ParseScoreEntry(score.Sets, score.Goals);
    if (score.Goals == CancelledGameText)
        return score;
    const int numbers = NumberCount(typed);
    if (numbers == 0)
        return QStringLiteral("Fehlerhafte Eingabe: bitte das Ergebnis eingeben, ") + example + u'.';
    if (score.Entry.EntryAction == ScoreEntry::Action::Delete)
        return QStringLiteral("Ein Ergebnis löschen kann nur der Turniertisch.");
    if (!withSets && numbers == 1)
        return QStringLiteral("Bitte die Tore beider Mannschaften eingeben, ") + example + u'.';
    if (withSets && numbers % 2 == 1)
        return QStringLiteral("Beim letzten Satz fehlt eine Zahl, ") + example + u'.';
    return score;
}

QString ScoreInWords(const QString& teamA, const QString& teamB, const ScoreEntry& entry)
{
    if (entry.Cancelled)
        return QStringLiteral("Spiel fällt aus: ") + teamA + QStringLiteral(" – ") + teamB;
    const bool sets = !entry.ScoreText.isEmpty();
    const int first = sets ? entry.SetsFirst : entry.GoalsFirst;
    const int second = sets ? entry.SetsSecond : entry.GoalsSecond;
    const QString detail =
        sets ? QStringLiteral(" Sätze (") + entry.ScoreText.simplified() + u')' : QString();
    if (first == second)
        return teamA + QStringLiteral(" und ") + teamB + QStringLiteral(" spielen ") + Score(first, second) +
               detail + QStringLiteral(" unentschieden");
    const bool firstWins = first > second;
    return (firstWins ? teamA : teamB) + QStringLiteral(" gewinnt ") +
           Score(std::max(first, second), std::min(first, second)) + detail + QStringLiteral(" gegen ") +
           (firstWins ? teamB : teamA);
}

QString ResultText(const GameResult& result)
{
    if (result.ScoreText == CancelledGameText)
        return CancelledGameText;
    if (!result.ScoreText.isEmpty())
        return result.ScoreText.simplified();
    return GoalsCellText(result).trimmed();
}
