#include "league/LeaguePlan.h"
#include "structure/PairingTable.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include <set>
#include <utility>

namespace {
const PairingTable& Pairings()
{
    static const PairingTable table = BuildPairingTable();
    return table;
}

QStringList Plan(int teamCount, const QStringList& listedNames = {})
{
    return BuildLeaguePlan(Pairings(), QStringLiteral("Stadtliga"), LeagueTeamNames(listedNames, teamCount),
                           League::DefaultResultColumn);
}

struct MatchDay {
    int number = 0;
    QList<std::pair<QString, QString>> games;
    QString bye;
};

// Reads the plan back into its match days; checks every game line's columns on the way.
QList<MatchDay> MatchDays(const QStringList& lines)
{
    QList<MatchDay> days;
    const QRegularExpression dayLine(QStringLiteral("^(\\d+)\\. Spieltag$"));
    for (const QString& line : lines) {
        if (const auto day = dayLine.match(line); day.hasMatch()) {
            days.append({day.captured(1).toInt(), {}, {}});
        } else if (line.startsWith(QStringLiteral("Spielfrei: "))) {
            days.last().bye = line.mid(11);
        } else if (line.endsWith(League::DefaultResultColumn)) {
            EXPECT_EQ(line.size(), 2 * League::NameWidth + 3 + League::DefaultResultColumn.size())
                << line.toStdString();
            EXPECT_EQ(line.mid(League::NameWidth, 3), QStringLiteral(" : ")) << line.toStdString();
            days.last().games.append({line.left(League::NameWidth).trimmed(),
                                      line.mid(League::NameWidth + 3, League::NameWidth).trimmed()});
        }
    }
    return days;
}

// Each half meets every pair once; the second half repeats the first with the sides exchanged.
void ExpectFullDoubleRoundRobin(const QList<MatchDay>& days, int teamCount)
{
    const qsizetype half = days.size() / 2;
    std::set<std::pair<QString, QString>> firstHalf;
    for (qsizetype d = 0; d < half; ++d) {
        ASSERT_EQ(days[d].games.size(), days[d + half].games.size());
        for (qsizetype g = 0; g < days[d].games.size(); ++g) {
            const auto& [home, away] = days[d].games[g];
            EXPECT_EQ(days[d + half].games[g], std::make_pair(away, home));
            firstHalf.insert(std::minmax(home, away));
        }
        EXPECT_EQ(days[d].bye, days[d + half].bye);
    }
    EXPECT_EQ(int(firstHalf.size()), teamCount * (teamCount - 1) / 2);
}
} // namespace

TEST(LeaguePlan, FourTeamsHaveATitleAndTheSecondHalfUnderItsOwnHeading)
{
    const QStringList lines = Plan(4);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines.mid(0, 5),
              (QStringList{QStringLiteral("Liga-Spielplan Stadtliga"), QStringLiteral(" "),
                           QStringLiteral(" "), QStringLiteral("1. Spieltag"), QStringLiteral(" ")}));
    const qsizetype returnLeg = lines.indexOf(QStringLiteral("Rückrunde"));
    ASSERT_GT(returnLeg, 0);
    EXPECT_EQ(lines[returnLeg - 1], QStringLiteral(" "));
    EXPECT_EQ(lines[returnLeg + 3], QStringLiteral("4. Spieltag"));
}

// An odd team count has one bye per match day, every team once per half; an even one none.
TEST(LeaguePlan, EveryTeamCountPlaysEachPairOncePerHalf)
{
    for (int n = League::MinTeams; n <= League::MaxTeams; ++n) {
        SCOPED_TRACE(n);
        const QList<MatchDay> days = MatchDays(Plan(n));
        ASSERT_EQ(days.size(), 2 * (n % 2 == 0 ? n - 1 : n));
        std::set<QString> byes;
        for (int d = 0; d < days.size(); ++d) {
            EXPECT_EQ(days[d].number, d + 1);
            EXPECT_EQ(days[d].games.size(), n / 2);
            EXPECT_EQ(days[d].bye.isEmpty(), n % 2 == 0);
            for (const auto& [home, away] : days[d].games)
                EXPECT_TRUE(home != days[d].bye && away != days[d].bye);
            if (!days[d].bye.isEmpty())
                byes.insert(days[d].bye);
        }
        EXPECT_EQ(int(byes.size()), n % 2 == 0 ? 0 : n);
        ExpectFullDoubleRoundRobin(days, n);
    }
}

TEST(LeaguePlan, NamesComeFromTheListWholeAndPlaceholdersFillTheRest)
{
    const QStringList names = LeagueTeamNames(
        {QStringLiteral("Abcdefghijklmnopqrst"), QStringLiteral("Blau-Weiß"), QStringLiteral("Rot")}, 6);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Abcdefghijklmnopqrst"), QStringLiteral("Blau-Weiß"),
                                  QStringLiteral("Rot"), QStringLiteral("n.n.4"), QStringLiteral("n.n.5"),
                                  QStringLiteral("n.n.6")}));

    // A full line: the name padded to the longest (20), " : ", the name padded to 20, the result
    // column; each pair stands once either way round, as the second half exchanges the sides.
    const QStringList lines = BuildLeaguePlan(Pairings(), QString(), names, QStringLiteral("|"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Rot                  : n.n.5               |")) &&
                lines.contains(QStringLiteral("n.n.5                : Rot                 |")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Abcdefghijklmnopqrst : Blau-Weiß           |")) &&
                lines.contains(QStringLiteral("Blau-Weiß            : Abcdefghijklmnopqrst|")));
}

TEST(LeaguePlan, TeamCountsOutsideTheLeagueSectionAreClamped)
{
    for (const auto& [count, clamped] :
         {std::pair{3, 4}, std::pair{4, 4}, std::pair{20, 20}, std::pair{21, 20}})
        EXPECT_EQ(ClampLeagueTeamCount(count), clamped) << count;
    // Without a league block only the title is written, never games of the group section.
    EXPECT_EQ(Plan(3).size(), 3);
}

TEST(LeaguePlan, ClipboardTakesTheSelectedLinesOrAllOfThem)
{
    const QStringList lines{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    EXPECT_EQ(LeaguePlanClipboardText(lines, {}), QStringLiteral("a\r\nb\r\nc\r\n"));
    EXPECT_EQ(LeaguePlanClipboardText(lines, {2, 0}), QStringLiteral("a\r\nc\r\n"));
}

TEST(LeagueCommand, PrintsThePlanOfTheDialog)
{
    QTemporaryDir dir;
    const QString nameFile = dir.filePath(QStringLiteral("namen.txt"));
    ASSERT_TRUE(WriteFileContents(nameFile, "Blau-Wei\xc3\x9f\r\nRot\r\n"));

    const CliRun run =
        RunCliCommand(QStringLiteral("league"),
                      {QStringLiteral("5"), QStringLiteral("--names"), nameFile, QStringLiteral("--title"),
                       QStringLiteral("Stadtliga"), QStringLiteral("--append"), QStringLiteral(" :")});
    EXPECT_EQ(run.exitCode, 0);
    const QStringList expected = BuildLeaguePlan(
        Pairings(), QStringLiteral("Stadtliga"),
        LeagueTeamNames({QStringLiteral("Blau-Weiß"), QStringLiteral("Rot")}, 5), QStringLiteral(" :"));
    EXPECT_EQ(QString::fromUtf8(run.out), expected.join(QLatin1Char('\n')) + u'\n');
    EXPECT_EQ(RunCliCommand(QStringLiteral("league"), {QStringLiteral("21")}).exitCode, 2);
}
