#include "model/TournamentFile.h"
#include "model/TournamentFileFormat.h"
#include "model/TournamentState.h"
#include "support/FullTournament.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <QDir>

#include <memory>

namespace {
std::unique_ptr<TournamentState> ReadBack(const QByteArray& bytes)
{
    auto state = std::make_unique<TournamentState>();
    const TournamentFileReadResult result = ReadTournamentFile(*state, bytes);
    EXPECT_TRUE(result.ok) << ReadFailureLine(result).toStdString();
    return state;
}

// The header of a small tournament: lines 1 to 16, settings as written by default.
QStringList HeaderLines()
{
    return {QStringLiteral("Turnier"),
            QStringLiteral("5.08"),
            QString(),
            QStringLiteral("Fußball"),
            QStringLiteral("1220x2211113120011211"),
            QStringLiteral("2"),
            QStringLiteral("2"),
            QStringLiteral("50"),
            QStringLiteral("10"),
            QStringLiteral("anfang"),
            QStringLiteral("00:00"),
            QStringLiteral("Urkunde.rtf"),
            QStringLiteral(","),
            QStringLiteral("Reserve"),
            QStringLiteral("Reserve"),
            QStringLiteral("Reserve")};
}

// Sections B to H of one round with one group of two teams, no breaks, referrals or results.
QStringList BodyLines()
{
    return {
        QStringLiteral("2"),     QStringLiteral("Adler"), QStringLiteral("Bären"),    QStringLiteral("1"),
        QStringLiteral("1"),     QStringLiteral("1"),     QStringLiteral("10"),       QStringLiteral("2"),
        QStringLiteral("2"),     QStringLiteral("einf"),  QStringLiteral("Gruppe 1"), QStringLiteral("Adler"),
        QStringLiteral("Bären"), QStringLiteral("0"),     QStringLiteral("0"),        QStringLiteral("0"),
        QStringLiteral("0"),     QStringLiteral("0"),     QStringLiteral("0")};
}
} // namespace

TEST(TournamentFile, SaveThenLoadReproducesEveryTableTheFileCarries)
{
    const auto original = MakeFullTournament();
    const QByteArray bytes = WriteTournamentFile(*original);
    // A name outside Windows-1252 makes the whole file UTF-8 behind a byte-order mark.
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const auto loaded = ReadBack(bytes);
    EXPECT_EQ(loaded->NamePool[3].Name, QStringLiteral("Kraków Łódź Ağrı"));
    EXPECT_TRUE(*loaded == *original); // every table
    EXPECT_EQ(WriteTournamentFile(*loaded), bytes);
}

TEST(TournamentFile, TextsThatFitAreWrittenAsWindows1252WithCrLfAndReadBackWithEitherLineEnd)
{
    const auto original = MakeFullTournament(false);
    const QByteArray bytes = WriteTournamentFile(*original);
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.startsWith("Hallencup Gr\xF6\xDF"
                                 "e & S\xFC\xDF\r\n5.08\r\n\r\nFu\xDF"
                                 "ball\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_TRUE(*ReadBack(bytes) == *original);

    QByteArray lfOnly = bytes; // the reader also takes files whose lines end in LF alone
    lfOnly.replace("\r\n", "\n");
    EXPECT_TRUE(*ReadBack(lfOnly) == *original);

    // A name that would begin like a byte-order mark makes the file UTF-8.
    auto state = MakeFullTournament(false);
    state->TournamentName = QStringLiteral("ï»¿Cup");
    const QByteArray marked = WriteTournamentFile(*state);
    EXPECT_TRUE(marked.startsWith("\xEF\xBB\xBF\xC3\xAF"));
    EXPECT_EQ(ReadBack(marked)->TournamentName, QStringLiteral("ï»¿Cup"));
}

TEST(TournamentFile, LineBreaksInsideTextsBecomeOneBlankEach)
{
    auto state = MakeFullTournament(false);
    state->TournamentName = QStringLiteral("Hallen\r\ncup");
    state->NameTable[1][0] = QStringLiteral("Gruppe\nA\rB");
    state->ResultTable[1].ScoreText = QStringLiteral("\r\n\r\n");
    const QByteArray bytes = WriteTournamentFile(*state);
    EXPECT_EQ(FileLines(bytes).size(), FileLines(WriteTournamentFile(*MakeFullTournament(false))).size());
    const auto loaded = ReadBack(bytes);
    EXPECT_EQ(loaded->TournamentName, QStringLiteral("Hallen cup"));
    EXPECT_EQ(loaded->NameTable[1][0], QStringLiteral("Gruppe A B"));
    EXPECT_EQ(loaded->ResultTable[1].ScoreText, QStringLiteral("  "));
    EXPECT_EQ(loaded->TeamsInGroup[2], 22);
}

TEST(TournamentFile, EmptyRoundsAndGroupsWriteOnlyTheirOwnLines)
{
    auto state = std::make_unique<TournamentState>();
    ResetTournament(*state);
    state->RoundCount = 2;
    state->GroupsInRound[2] = 1;
    state->FieldsInRound[2] = 1;
    state->NameTable[1][0] = QStringLiteral("leer");
    const QStringList lines = FileLines(WriteTournamentFile(*state));
    // Section B (count 0) is line 17; the rounds follow, then the one group block.
    const QStringList expected{QStringLiteral("0"),    QStringLiteral("2"), QStringLiteral("0"),
                               QStringLiteral("0"),    QStringLiteral("0"), QStringLiteral("2"),
                               QStringLiteral("1"),    QStringLiteral("1"), QStringLiteral("0"),
                               QStringLiteral("2"),    QStringLiteral("0"), QStringLiteral("einf"),
                               QStringLiteral("leer"), QStringLiteral("0")};
    EXPECT_EQ(lines.mid(16, expected.size()), expected);
    EXPECT_TRUE(*ReadBack(FileBytes(lines)) == *state);
}

TEST(TournamentFile, AFileWithoutNamePoolKeepsTheNamesOfTheListAndPoolTextsKeepFortyCharacters)
{
    QStringList lines = HeaderLines() + BodyLines();
    auto state = ReadBack(FileBytes(lines));
    EXPECT_EQ(state->NamePoolCount, 2);
    EXPECT_EQ(state->NameList, QStringList({QStringLiteral("Adler"), QStringLiteral("Bären")}));
    EXPECT_EQ(state->NamePool[2].Name, QStringLiteral("Bären"));
    EXPECT_TRUE(state->NamePool[2].Email.isEmpty());
    EXPECT_EQ(state->NamePool[2].Marker, QStringLiteral("0"));

    // With section I the pool and the list follow it instead, cut to forty characters.
    const QString longName(50, u'ö');
    lines[17] = longName;
    auto withPool = ReadBack(FileBytes(
        lines + QStringList{QStringLiteral("1"), longName, QString(45, u'e'), QStringLiteral("1")}));
    EXPECT_EQ(withPool->NamePoolCount, 1);
    EXPECT_EQ(withPool->NameList, QStringList{QString(40, u'ö')});
    EXPECT_TRUE(withPool->NamePool[2].Name.isEmpty());
    EXPECT_EQ(withPool->NamePool[1].Name, QString(40, u'ö'));
    EXPECT_EQ(withPool->NamePool[1].Email, QString(40, u'e'));
}

TEST(TournamentFile, HeaderLinesApplyAsTheyAreRead)
{
    QStringList lines = HeaderLines() + BodyLines();
    lines[5] = QStringLiteral("4"); // line 6
    lines[6] = QStringLiteral("4"); // line 7 repeats FieldsPerLine
    lines[9] = QStringLiteral("ende");
    lines[10] = QStringLiteral("17:45 und noch viel mehr Text dahinter");
    lines[11] = QStringLiteral("ab"); // too short for a template
    lines[12] = QStringLiteral("Reserve");
    auto state = std::make_unique<TournamentState>();
    state->WorkDir = QStringLiteral("/home/orga/valdorn/korvane");
    state->Settings.EmailSeparator = QStringLiteral(";");
    ASSERT_TRUE(ReadTournamentFile(*state, FileBytes(lines)).ok);
    EXPECT_EQ(state->Settings.FieldsPerLine, QStringLiteral("4"));
    EXPECT_FALSE(state->TimeAnchorIsStart);
    EXPECT_EQ(state->EndTime, QStringLiteral("17:45 und noch viel mehr Text "));
    EXPECT_EQ(state->StartTime, QStringLiteral("00:00"));
    EXPECT_EQ(state->Settings.CertificateTemplate,
              QDir(QStringLiteral("/home/orga/valdorn/korvane")).filePath(QStringLiteral("urkunde.rtf")));
    EXPECT_EQ(state->Settings.EmailSeparator, QStringLiteral(";"));

    lines[11] = QStringLiteral("Reserve");
    state->Settings.CertificateTemplate = QStringLiteral("eigene.rtf");
    ASSERT_TRUE(ReadTournamentFile(*state, FileBytes(lines)).ok);
    EXPECT_EQ(state->Settings.CertificateTemplate, QStringLiteral("eigene.rtf"));
}

TEST(TournamentFile, SettingsLineReadsEveryValueBackAndFallsBackOnOtherCharacters)
{
    auto state = MakeFullTournament(false);
    for (const CompareScope scope : {CompareScope::None, CompareScope::SameRound,
                                     CompareScope::SameAndLastRound, CompareScope::WholeTournament}) {
        for (const PlanSymmetryMode symmetry :
             {PlanSymmetryMode::None, PlanSymmetryMode::GroupSymmetric, PlanSymmetryMode::LeagueSymmetric}) {
            for (const GameListDestination target :
                 {GameListDestination::OneFile, GameListDestination::FilePerTeam,
                  GameListDestination::Print}) {
                state->Settings.DirectCompareScope = scope;
                state->Settings.PlanSymmetry = symmetry;
                state->Settings.GameListTarget = target;
                state->Settings.WithSets = !state->Settings.WithSets;
                state->SetsWord = state->Settings.WithSets ? QStringLiteral("Sätze") : QString();
                EXPECT_TRUE(*ReadBack(WriteTournamentFile(*state)) == *state);
            }
        }
    }

    QStringList lines = HeaderLines() + BodyLines();
    lines[4] = QStringLiteral("1"); // a short line: every later position matches no digit
    auto shortLine = ReadBack(FileBytes(lines));
    const TournamentSettings& settings = shortLine->Settings;
    EXPECT_TRUE(settings.RefereesEnabled);
    EXPECT_FALSE(settings.SetPriority);
    EXPECT_EQ(settings.GroupsPerLine, 2);
    EXPECT_EQ(settings.DirectCompareScope, CompareScope::None);
    EXPECT_EQ(settings.PointsSystem, 3);
    EXPECT_EQ(settings.PlanSymmetry, PlanSymmetryMode::LeagueSymmetric);
    EXPECT_EQ(settings.GameListTarget, GameListDestination::Print);
    EXPECT_TRUE(settings.PlanChanged);
    EXPECT_TRUE(shortLine->SetsWord.isEmpty());
}

TEST(TournamentFile, PoolWithoutNameListIsWrittenFromThePool)
{
    auto state = MakeFullTournament(false);
    state->NameList.clear();
    const auto loaded = ReadBack(WriteTournamentFile(*state));
    EXPECT_EQ(loaded->NameList, MakeFullTournament(false)->NameList);
}

TEST(TournamentFile, OptimisedAllocationIsA22ndSettingsCharacterWrittenOnlyWhenOn)
{
    auto state = MakeFullTournament(false);
    const QByteArray off = WriteTournamentFile(*state);
    EXPECT_EQ(FileLines(off).at(4).size(), 21);
    const auto loadedOff = ReadBack(off);
    EXPECT_FALSE(loadedOff->Settings.OptimiseAllocation);
    EXPECT_EQ(WriteTournamentFile(*loadedOff), off);

    state->Settings.OptimiseAllocation = true;
    const QByteArray on = WriteTournamentFile(*state);
    QStringList expected = FileLines(off);
    expected[4] += u'1';
    EXPECT_EQ(FileLines(on), expected);
    const auto loadedOn = ReadBack(on);
    EXPECT_TRUE(*loadedOn == *state);
    EXPECT_EQ(WriteTournamentFile(*loadedOn), on);

    expected[4].back() = u'0';
    EXPECT_FALSE(ReadBack(FileBytes(expected))->Settings.OptimiseAllocation);
}
