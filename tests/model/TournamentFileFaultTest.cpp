// Damaged tournament files: every fault stops the reader at its line with a reason, and nothing
// is stored outside a table (the sanitizer build proves the latter).
#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "support/FullTournament.h"
#include "support/GTestQt.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
TournamentFileReadResult Read(const QStringList& lines)
{
    auto state = std::make_unique<TournamentState>();
    return ReadTournamentFile(*state, FileBytes(lines));
}

bool IsNumber(const QString& line)
{
    bool ok = false;
    line.toLongLong(&ok);
    return ok;
}

// Files of every kind of content: the example and a tournament filling every section.
std::vector<QStringList> SampleFiles()
{
    return {FileLines(FileContents(ExampleTournamentFile())),
            FileLines(WriteTournamentFile(*MakeFullTournament(false)))};
}

// Index of the first line after section H: the line count without section I.
int EndOfFieldPlan(const QStringList& lines)
{
    for (int poolCount = 200; poolCount >= 0; --poolCount) {
        const int start = int(lines.size()) - 1 - 3 * poolCount;
        if (start >= 0 && lines.at(start) == QString::number(poolCount))
            return start;
    }
    return -1;
}

// Replacing line index + 1 of a valid file by `value` stops the reader there: out of range.
void ExpectOutOfRange(const QStringList& valid, int index, const QString& value)
{
    SCOPED_TRACE(testing::Message() << "line " << index + 1 << " = " << value.toStdString());
    QStringList damaged = valid;
    damaged[index] = value;
    const TournamentFileReadResult result = Read(damaged);
    ASSERT_FALSE(result.ok);
    EXPECT_EQ(result.failedLine, index + 1);
    EXPECT_TRUE(result.reason.contains(QStringLiteral("außerhalb"))) << result.reason.toStdString();
}
} // namespace

TEST(TournamentFileFaults, TruncationAfterAnyLineIsReportedAtTheMissingLine)
{
    for (const QStringList& lines : SampleFiles()) {
        ASSERT_TRUE(Read(lines).ok);
        const int withoutPool = EndOfFieldPlan(lines);
        ASSERT_GT(withoutPool, 16);
        for (int kept = 0; kept < lines.size(); ++kept) {
            const TournamentFileReadResult result = Read(lines.mid(0, kept));
            if (kept == withoutPool) {
                EXPECT_TRUE(result.ok); // section I may be absent
                continue;
            }
            ASSERT_FALSE(result.ok) << kept;
            EXPECT_EQ(result.failedLine, kept + 1);
            EXPECT_EQ(result.reason, QStringLiteral("Die Datei endet vor dieser Zeile."));
        }
    }
}

TEST(TournamentFileFaults, NumberLinesReplacedByTextOrHugeValuesFailAtThatLineOrLater)
{
    for (const QStringList& lines : SampleFiles()) {
        int failures = 0;
        for (int index = 0; index < lines.size(); ++index) {
            // Lines 6 and 7 must agree: a change to either one fails at line 7.
            if (!IsNumber(lines.at(index)) || index == 5 || index == 6)
                continue;
            for (const QString& replacement : {QStringLiteral("abc"), QStringLiteral("99999999999"),
                                               QStringLiteral("2147483647"), QStringLiteral("-1")}) {
                QStringList damaged = lines;
                damaged[index] = replacement;
                const TournamentFileReadResult result = Read(damaged);
                if (result.ok)
                    continue; // a text line that happened to hold digits, or a value without limit
                ++failures;
                // Nothing before the damaged line changed, so nothing there can fail.
                EXPECT_GE(result.failedLine, index + 1) << replacement.toStdString();
                EXPECT_FALSE(result.reason.isEmpty());
                // No line anywhere may hold a number beyond 32 bits.
                if (replacement == QStringLiteral("abc") || replacement == QStringLiteral("99999999999")) {
                    EXPECT_EQ(result.failedLine, index + 1);
                }
                if (replacement == QStringLiteral("abc")) {
                    EXPECT_TRUE(result.reason.contains(QStringLiteral("keine Zahl")));
                }
            }
        }
        EXPECT_GT(failures, 100);
    }
}

TEST(TournamentFileFaults, EveryLimitOfTheTablesAndEveryIndexIntoThemIsChecked)
{
    const QStringList valid = FileLines(WriteTournamentFile(*MakeFullTournament(false)));
    ASSERT_TRUE(Read(valid).ok);
    const int referrals = int(valid.indexOf(QStringLiteral("09:30   1:30"))) + 1; // index of the count
    ASSERT_EQ(valid.at(referrals), QStringLiteral("6"));
    const int results = referrals + 1 + 6 * 6;
    ASSERT_EQ(valid.at(results), QStringLiteral("3"));
    const int fieldPlan = results + 1 + 3 * 7;
    ASSERT_EQ(valid.at(fieldPlan), QStringLiteral("8"));
    // Line indices of the full tournament: search depth 7, default game length 8, pool list
    // 16..20, rounds 21..33 (count, then groups, fields, game length of each), groups from 34.
    const std::vector<std::pair<int, QString>> faults{
        {7, QStringLiteral("100000")},
        {7, QStringLiteral("-10000")},
        {8, QStringLiteral("-1")},
        {16, QStringLiteral("201")},
        {21, QStringLiteral("0")},
        {21, QStringLiteral("21")},
        {22, QStringLiteral("101")},
        {22, QStringLiteral("-1")},
        {23, QStringLiteral("51")},
        {24, QStringLiteral("-5")},
        {34, QStringLiteral("23")},
        {referrals, QStringLiteral("40402")},
        {referrals + 1, QStringLiteral("201")},
        {referrals + 2, QStringLiteral("-1")},
        {referrals + 3, QStringLiteral("101")},
        {referrals + 4, QStringLiteral("23")},
        {referrals + 5, QStringLiteral("101")},
        {referrals + 6, QStringLiteral("23")},
        {results, QStringLiteral("30001")},
        {results + 1, QStringLiteral("101")},
        {results + 1, QStringLiteral("0")},
        {results + 2, QStringLiteral("463")},
        {fieldPlan, QStringLiteral("502")},
        {fieldPlan + 1, QStringLiteral("131073")},
        {fieldPlan + 2, QStringLiteral("81")},
        {fieldPlan + 3, QStringLiteral("8")},
        {fieldPlan + 4, QStringLiteral("10")},
    };
    for (const auto& [index, value] : faults)
        ExpectOutOfRange(valid, index, value);
    // The groups of all rounds together stay within 100.
    QStringList tooManyGroups = valid;
    tooManyGroups[22] = QStringLiteral("99"); // with the two groups of round 3: 101
    EXPECT_EQ(Read(tooManyGroups).failedLine, 31);
}

namespace {
TournamentFileReadResult ReadFixture(TournamentState& state, const char* name)
{
    return ReadTournamentFile(state,
                              FileContents(FixtureFile(QStringLiteral("damaged/") + QLatin1String(name))));
}
} // namespace

TEST(TournamentFileFaults, DamagedFixturesFailAtTheirLineWithTheCause)
{
    struct Fixture {
        const char* file;
        int line;
        QString reason;
    };
    const Fixture fixtures[] = {
        {"rechentiefe-zu-gross.auf", 8,
         QStringLiteral("\"2147483647\" liegt außerhalb von -9999 bis 99999 (Rechentiefe).")},
        // Without the end check the pool with its address was dropped without a word.
        {"zeile-doppelt.auf", 37,
         QStringLiteral(
             "Hier sollte die Datei enden: eine Anzahl weiter oben passt nicht zu ihren Zeilen, oder "
             "es folgen fremde Zeilen.")},
        {"verweis-doppelt.auf", 38, QStringLiteral("Der Verweis 1/2 steht schon in Zeile 32.")},
        {"zeile6-ungleich-zeile7.auf", 7,
         QStringLiteral("\"3\" weicht von Zeile 6 ab (\"2\"); beide Zeilen nennen die Plätze pro Zeile.")},
        {"steuerzeichen.auf", 17,
         QStringLiteral("\"\\x1B]0;gehackt\\x07\\x1B[2J\" ist keine Zahl (Anzahl der Namen).")},
    };
    for (const Fixture& fixture : fixtures) {
        SCOPED_TRACE(fixture.file);
        auto state = std::make_unique<TournamentState>();
        const TournamentFileReadResult result = ReadFixture(*state, fixture.file);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.failedLine, fixture.line);
        EXPECT_EQ(result.reason, fixture.reason);
    }
}

TEST(TournamentFileFaults, DamagedFixturesThatLoadKeepToTheLimitsAndSaySo)
{
    struct Fixture {
        const char* file;
        QStringList notices;
        std::function<void(const TournamentState&)> check;
    };
    const Fixture fixtures[] = {
        {"spiellaenge-zu-lang.auf",
         {QStringLiteral(
              "Zeile 9: Spiellänge: 2147483647 Minuten sind länger als ein Tag; es gelten 1440 Minuten."),
          QStringLiteral(
              "Zeile 21: Spiellänge der Runde 1: 2147483647 Minuten sind länger als ein Tag; es gelten "
              "1440 Minuten.")},
         [](const TournamentState& state) {
             EXPECT_EQ(state.DefaultGameLength, 1440);
             EXPECT_EQ(state.GameLengthInRound[1], 1440);
         }},
        // 501 x 10304 cells would take 270 MB; one group of four needs 6 x 27.
        {"platzverteilung-riesig.auf",
         {QStringLiteral(
             "Zeile 34: Die Platzverteilung (501 x 10304) ist größer, als dieses Turnier sie braucht "
             "(6 x 27); Zellen außerhalb davon (1) wurden weggelassen. Die nächste Berechnung der "
             "Platzverteilung erstellt sie neu.")},
         [](const TournamentState& state) {
             EXPECT_EQ(state.FieldPlan.columnCount(), 6);
             EXPECT_EQ(state.FieldPlan.rowCount(), 27);
             EXPECT_EQ(state.FieldPlan.cell(1, 1), QStringLiteral("Hallencup"));
         }},
        {"name-zu-lang.auf",
         {QStringLiteral("Zeile 26: \"Adler Adler Adler Ad...\" ist länger als 200 Zeichen und wurde gekürzt "
                         "(Name).")},
         [](const TournamentState& state) { EXPECT_EQ(state.NameTable[1][1].size(), 200); }},
    };
    for (const Fixture& fixture : fixtures) {
        SCOPED_TRACE(fixture.file);
        auto state = std::make_unique<TournamentState>();
        const TournamentFileReadResult result = ReadFixture(*state, fixture.file);
        ASSERT_TRUE(result.ok) << result.reason.toStdString();
        EXPECT_EQ(result.notices, fixture.notices);
        fixture.check(*state);
        // What was adapted is saved within the limits: the next load has nothing to say.
        auto reread = std::make_unique<TournamentState>();
        EXPECT_TRUE(ReadTournamentFile(*reread, WriteTournamentFile(*state)).notices.isEmpty());
    }
}
