#include "structure/PairingTable.h"

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

// The circle method: one team stays, the others turn by one place per match day. An odd group
// gets a dummy team whose games are the byes and are left out.
std::vector<Game> firstLeg(int teams)
{
    const int circleTeams = teams % 2 == 0 ? teams : teams + 1;
    const int fixed = circleTeams - 1;
    const int turning = circleTeams - 1;
    std::vector<Game> games;
    for (int day = 0; day < circleTeams - 1; ++day) {
        std::vector<std::pair<int, int>> pairs{{fixed, day}};
        for (int i = 1; i < circleTeams / 2; ++i)
            pairs.emplace_back((day + i) % turning, (day - i + turning) % turning);
        for (auto [a, b] : pairs) {
            if (a >= teams || b >= teams)
                continue; // the bye of an odd group
            const Game game = orient(a, b, teams);
            games.push_back({game.first + 1, game.second + 1});
        }
    }
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
