#include "structure/PairingTable.h"

#include <utility>
#include <vector>

namespace {
struct Game {
    int first;
    int second;
};

// Who is named first between two of n teams (0-based): for an odd n, a team is first against
// the (n-1)/2 teams that follow it around the circle, which gives every team the same number
// of first-named games. For an even n, the last team is added to that odd circle and is first
// against the teams of the lower half, so everyone is balanced within one game.
Game orient(int a, int b, int n)
{
    if (n % 2 == 0) {
        const int last = n - 1;
        if (a == last || b == last) {
            const int other = a == last ? b : a;
            return other < last / 2 ? Game{last, other} : Game{other, last};
        }
        n = n - 1;
    }
    const int distance = ((b - a) % n + n) % n;
    return distance <= (n - 1) / 2 ? Game{a, b} : Game{b, a};
}

using MatchDay = std::vector<Game>;

// The circle method: one team stays, the others turn by one place per match day. An odd group
// gets a dummy team whose games are the byes and are left out.
std::vector<MatchDay> circleMatchDays(int teams)
{
    const int circleTeams = teams % 2 == 0 ? teams : teams + 1;
    const int fixed = circleTeams - 1;
    const int turning = circleTeams - 1;
    std::vector<MatchDay> days;
    for (int day = 0; day < circleTeams - 1; ++day) {
        std::vector<std::pair<int, int>> pairs{{fixed, day}};
        for (int i = 1; i < circleTeams / 2; ++i)
            pairs.emplace_back((day + i) % turning, (day - i + turning) % turning);
        MatchDay games;
        for (auto [a, b] : pairs) {
            if (a >= teams || b >= teams)
                continue; // the bye of an odd group
            const Game game = orient(a, b, teams);
            games.push_back({game.first + 1, game.second + 1});
        }
        days.push_back(games);
    }
    return days;
}

int sharedTeams(const Game& one, const Game& other)
{
    return (one.first == other.first || one.first == other.second ? 1 : 0) +
           (one.second == other.first || one.second == other.second ? 1 : 0);
}

// Searches an order of the match days, and the first and last game of each, in which the last
// game of a day and the first game of the next day have no team in common, also from the last
// day back to the first (where the return leg starts again) as far as possible. A group played game by game
// on one field then has no team playing twice in a row. Inside a day every team plays once anyway. The circle
// order itself is tried first, so it stays wherever it already has this property.
class MatchDayOrderSearch {
public:
    explicit MatchDayOrderSearch(std::vector<MatchDay> days) : m_days(std::move(days)), m_used(m_days.size())
    {
    }

    // The days in the order found, each with its first and last game in place; empty when there
    // is none (groups of up to four teams, where every order gives the same back-to-back games).
    std::vector<MatchDay> find()
    {
        if (m_days.size() < 2 || m_days.front().size() < 2)
            return {};
        // Five teams cannot close the circle: there the return leg starts with one team of the
        // last game of the first leg.
        for (m_wrapShared = 0; m_wrapShared <= 2; ++m_wrapShared) {
            m_used.assign(m_days.size(), false);
            m_used[0] = true;
            m_steps = 0;
            for (std::size_t first = 0; first < m_days[0].size(); ++first) {
                for (std::size_t last = m_days[0].size(); last-- > 0;) {
                    if (first == last)
                        continue;
                    m_chosen = {{0, first, last}};
                    if (extend())
                        return arranged();
                }
            }
        }
        return {};
    }

private:
    struct Choice {
        std::size_t day;
        std::size_t first;
        std::size_t last;
    };

    const Game& gameOf(std::size_t day, std::size_t index) const { return m_days[day][index]; }

    bool extend()
    {
        if (++m_steps > StepLimit)
            return false;
        const Choice& previous = m_chosen.back();
        const Game& before = gameOf(previous.day, previous.last);
        const bool lastDay = m_chosen.size() + 1 == m_days.size();
        const Game& opening = gameOf(m_chosen.front().day, m_chosen.front().first);
        for (std::size_t day = 1; day < m_days.size(); ++day) {
            if (m_used[day])
                continue;
            for (std::size_t first = 0; first < m_days[day].size(); ++first) {
                if (sharedTeams(before, gameOf(day, first)) > 0)
                    continue;
                for (std::size_t last = m_days[day].size(); last-- > 0;) {
                    if (last == first || (lastDay && sharedTeams(gameOf(day, last), opening) > m_wrapShared))
                        continue;
                    m_used[day] = true;
                    m_chosen.push_back({day, first, last});
                    if (lastDay || extend())
                        return true;
                    m_chosen.pop_back();
                    m_used[day] = false;
                }
            }
        }
        return false;
    }

    std::vector<MatchDay> arranged() const
    {
        std::vector<MatchDay> ordered;
        for (const Choice& choice : m_chosen) {
            const MatchDay& day = m_days[choice.day];
            MatchDay games{day[choice.first]};
            for (std::size_t k = 0; k < day.size(); ++k) {
                if (k != choice.first && k != choice.last)
                    games.push_back(day[k]);
            }
            games.push_back(day[choice.last]);
            ordered.push_back(games);
        }
        return ordered;
    }

    static constexpr long StepLimit = 1000000;
    std::vector<MatchDay> m_days;
    std::vector<bool> m_used;
    std::vector<Choice> m_chosen;
    long m_steps = 0;
    int m_wrapShared = 0; // teams the last game may share with the first
};

// The first leg match day by match day, in the order found by the search where there is one.
std::vector<Game> firstLeg(int teams)
{
    std::vector<MatchDay> days = circleMatchDays(teams);
    if (std::vector<MatchDay> ordered = MatchDayOrderSearch(days).find(); !ordered.empty())
        days = std::move(ordered);
    std::vector<Game> games;
    for (const MatchDay& day : days)
        games.insert(games.end(), day.begin(), day.end());
    return games;
}

PairingEntry toEntry(const Game& game)
{
    return {std::uint8_t(game.first), std::uint8_t(game.second)};
}
} // namespace

PairingTable BuildPairingTable()
{
    PairingTable table;
    for (int teams = 2; teams <= 20; ++teams) {
        const int start = PairingTable::PairingBlockStart(teams);
        const std::vector<Game> games = firstLeg(teams);
        const int half = int(games.size());
        for (int k = 1; k <= half; ++k) {
            const Game& game = games[std::size_t(k - 1)];
            table.setEntry(start + k, toEntry(game));
            table.setEntry(start + half + k, toEntry({game.second, game.first}));
        }
    }
    for (int teams = 4; teams <= 20; teams += 2) {
        const int start = PairingTable::LeagueBlockStart(teams);
        const std::vector<Game> games = firstLeg(teams);
        for (int k = 1; k <= int(games.size()); ++k)
            table.setEntry(start + k, toEntry(games[std::size_t(k - 1)]));
    }
    return table;
}
