#include "structure/PairingTable.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QTemporaryDir>

#include <set>
#include <utility>

namespace {
const QString PairingFile = DataFile(QStringLiteral("Daten1.dat"));

PairingTable loadInstalledTable()
{
    PairingTable table;
    ScriptedPrompter prompter;
    EXPECT_TRUE(table.LoadPairingTable(PairingFile, prompter));
    EXPECT_TRUE(prompter.shown().empty());
    return table;
}

using Pair = std::pair<int, int>;

Pair unordered(PairingEntry entry)
{
    return std::minmax(int(entry.first), int(entry.second));
}

// Checks that entries start+1 .. start+count hold every unordered pair of 1..n exactly once.
void expectEveryPairOnce(const PairingTable& table, int n, int start, int count, const char* what)
{
    std::set<Pair> seen;
    for (int k = 1; k <= count; ++k) {
        const PairingEntry entry = table.entry(start + k);
        ASSERT_TRUE(entry.first >= 1 && entry.first <= n && entry.second >= 1 && entry.second <= n &&
                    entry.first != entry.second)
            << what << " n=" << n << " k=" << k;
        EXPECT_TRUE(seen.insert(unordered(entry)).second) << what << " n=" << n << " k=" << k;
    }
    EXPECT_EQ(int(seen.size()), n * (n - 1) / 2) << what << " n=" << n;
}

// Checks that every run of `perDay` games from start+1 on has no position twice.
void expectMatchDays(const PairingTable& table, int n, int start, int count, int perDay, const char* what)
{
    for (int day = 0; day * perDay < count; ++day) {
        std::set<int> playing;
        for (int k = day * perDay + 1; k <= (day + 1) * perDay && k <= count; ++k) {
            const PairingEntry entry = table.entry(start + k);
            EXPECT_TRUE(playing.insert(entry.first).second) << what << " n=" << n << " day " << day;
            EXPECT_TRUE(playing.insert(entry.second).second) << what << " n=" << n << " day " << day;
        }
    }
}
} // namespace

TEST(PairingData, DeliveredFileIsPinnedAndIsTheGeneratorsOutput)
{
    // Tournament files store results by game number, and the numbers come from this file: a
    // different file would attach every stored result of a group size to other pairings. Any
    // change of the file or of its generator has to be a deliberate change of this hash.
    const QByteArray delivered = FileContents(QStringLiteral(KORVANE_SOURCE_DIR "/data/Daten1.dat"));
    ASSERT_EQ(delivered.size(), PairingTable::RecordCount * PairingTable::RecordSize);
    EXPECT_EQ(QCryptographicHash::hash(delivered, QCryptographicHash::Sha256).toHex(),
              "75b5c9e49ae3bc45d2676f2fee87140f7f2874aa9db9c0b16d29757ac5ff35c0");
    EXPECT_EQ(BuildPairingTable().toRecords(), delivered);
    EXPECT_EQ(FileContents(PairingFile), delivered);
}

TEST(PairingData, EveryGroupBlockIsARoundRobinPlayedByMatchDays)
{
    const PairingTable table = loadInstalledTable();
    for (int n = 2; n <= 20; ++n) {
        const int start = PairingTable::PairingBlockStart(n);
        const int half = PairingTable::FirstLegGameCount(n);
        expectEveryPairOnce(table, n, start, half, "first leg");
        expectEveryPairOnce(table, n, start + half, half, "return leg");
        expectMatchDays(table, n, start, half, n / 2, "first leg");
        expectMatchDays(table, n, start + half, half, n / 2, "return leg");

        std::vector<int> firstNamed(std::size_t(n) + 1), secondNamed(std::size_t(n) + 1);
        for (int k = 1; k <= half; ++k) {
            const PairingEntry game = table.PairingOf(n, k);
            const PairingEntry back = table.PairingOf(n, half + k);
            EXPECT_EQ(back.first, game.second) << "return leg swaps the sides, n=" << n << " k=" << k;
            EXPECT_EQ(back.second, game.first) << "return leg swaps the sides, n=" << n << " k=" << k;
            ++firstNamed[game.first];
            ++secondNamed[game.second];
        }
        for (int team = 1; team <= n; ++team)
            EXPECT_LE(std::abs(firstNamed[std::size_t(team)] - secondNamed[std::size_t(team)]), 1)
                << "n=" << n << " team " << team;
    }
    EXPECT_EQ(PairingTable::PairingBlockStart(20) + 2 * PairingTable::FirstLegGameCount(20), 2660);
}

TEST(PairingData, EveryLeagueBlockHasFullMatchDays)
{
    const PairingTable table = loadInstalledTable();
    int expectedStart = 2660;
    for (int m = 4; m <= 20; m += 2) {
        const int start = PairingTable::LeagueBlockStart(m);
        EXPECT_EQ(start, expectedStart) << m;
        EXPECT_EQ(PairingTable::LeagueBlockStart(m - 1), m == 4 ? 0 : start)
            << "odd count uses the next block";
        const int games = m * (m - 1) / 2;
        expectEveryPairOnce(table, m, start, games, "league");
        expectMatchDays(table, m, start, games, m / 2, "league");
        expectedStart += games;
    }
    EXPECT_EQ(expectedStart, PairingTable::EntryCount);
}

TEST(PairingData, LookupsAtTheEdgesOfTheTable)
{
    EXPECT_EQ(PairingTable::PairingBlockStart(4), 8);
    EXPECT_EQ(PairingTable::PairingBlockStart(21), 0);
    EXPECT_EQ(PairingTable::FirstLegGameCount(21), 0);
    EXPECT_EQ(PairingTable::FirstLegGameCount(1), 0);
    EXPECT_EQ(PairingTable::LeagueBlockStart(21), 0);

    const PairingTable table = loadInstalledTable();
    EXPECT_EQ(table.PairingOf(4, 7), table.entry(15));
    EXPECT_EQ(table.PairingOf(20, 380), table.entry(2660));
    EXPECT_EQ(table.entry(0), PairingEntry{});
    EXPECT_EQ(table.entry(3375), PairingEntry{});
}

TEST(PairingData, FaultyFilesGiveOneMessageAndKeepWhatWasRead)
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    PairingTable missing;
    EXPECT_FALSE(missing.LoadPairingTable(dir.filePath(QStringLiteral("Daten1.dat")), prompter));
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("die Datei DATEN1.DAT fehlt oder ist fehlerhaft")});

    const QByteArray good = BuildPairingTable().toRecords();
    PairingTable truncated;
    EXPECT_EQ(truncated.readRecords(good.left(30)), 5);
    EXPECT_EQ(truncated.entry(5), BuildPairingTable().entry(5));
    EXPECT_EQ(truncated.entry(6), PairingEntry{});

    QByteArray broken = good;
    broken[6 * 10 + 1] = 'x'; // the first record of entry 11
    PairingTable invalid;
    EXPECT_EQ(invalid.readRecords(broken), 10);
    EXPECT_EQ(invalid.entry(11), PairingEntry{});
}
