// Damaged tournament files: every fault stops the reader at its line with a reason, and nothing
// is stored outside a table (the sanitizer build proves the latter).
#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "support/FullTournament.h"
#include "support/GTestQt.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

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
            if (!IsNumber(lines.at(index)))
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

TEST(TournamentFileFaults, EveryLimitOfTheTablesIsChecked)
{
    const QStringList valid = FileLines(WriteTournamentFile(*MakeFullTournament(false)));
    ASSERT_TRUE(Read(valid).ok);
    // Line numbers of the full tournament: pool list 17..21, rounds 22..34, groups from 35.
    struct Fault {
        int line;
        QString value;
    };
    const Fault faults[] = {
        {17, QStringLiteral("201")}, // pool names
        {22, QStringLiteral("0")},   // rounds
        {22, QStringLiteral("21")},  // rounds
        {23, QStringLiteral("101")}, // groups of round 1
        {23, QStringLiteral("-1")},  // groups of round 1
        {24, QStringLiteral("51")},  // fields
        {25, QStringLiteral("-5")},  // game length
        {9, QStringLiteral("-1")},   // default game length
        {35, QStringLiteral("23")},  // positions of group 1
    };
    for (const Fault& fault : faults)
        ExpectOutOfRange(valid, fault.line - 1, fault.value);
    // The groups of all rounds together stay within 100.
    QStringList tooManyGroups = valid;
    tooManyGroups[23 - 1] = QStringLiteral("99"); // with the two groups of round 3: 101
    EXPECT_EQ(Read(tooManyGroups).failedLine, 31);
}

TEST(TournamentFileFaults, IndicesOfReferralsResultsAndFieldPlanAreChecked)
{
    const QStringList valid = FileLines(WriteTournamentFile(*MakeFullTournament(false)));
    const int referrals = int(valid.indexOf(QStringLiteral("09:30   1:30"))) + 1; // index of the count
    ASSERT_EQ(valid.at(referrals), QStringLiteral("6"));
    const int results = referrals + 1 + 6 * 6;
    ASSERT_EQ(valid.at(results), QStringLiteral("3"));
    const int fieldPlan = results + 1 + 3 * 7;
    ASSERT_EQ(valid.at(fieldPlan), QStringLiteral("8"));

    const std::vector<std::pair<int, QString>> faults{
        {referrals, QStringLiteral("40402")},     {referrals + 1, QStringLiteral("201")},
        {referrals + 2, QStringLiteral("-1")},    {referrals + 3, QStringLiteral("101")},
        {referrals + 4, QStringLiteral("23")},    {referrals + 5, QStringLiteral("101")},
        {referrals + 6, QStringLiteral("23")},    {results, QStringLiteral("30001")},
        {results + 1, QStringLiteral("101")},     {results + 1, QStringLiteral("0")},
        {results + 2, QStringLiteral("463")},     {fieldPlan, QStringLiteral("502")},
        {fieldPlan + 1, QStringLiteral("10305")}, {fieldPlan + 2, QStringLiteral("81")},
        {fieldPlan + 3, QStringLiteral("8")},     {fieldPlan + 4, QStringLiteral("10")},
    };
    for (const auto& [index, value] : faults)
        ExpectOutOfRange(valid, index, value);
}

TEST(TournamentFileFaults, WhatWasReadBeforeTheFaultStays)
{
    QStringList lines = FileLines(WriteTournamentFile(*MakeFullTournament(false)));
    const int results = int(lines.indexOf(QStringLiteral("15:7  8:15  11:15  "))) - 3; // the count
    lines[results + 1 + 7] = QStringLiteral("keine Gruppe"); // the second result's group
    auto state = std::make_unique<TournamentState>();
    const TournamentFileReadResult result = ReadTournamentFile(*state, FileBytes(lines));
    ASSERT_FALSE(result.ok);
    EXPECT_EQ(ReadFailureLine(result),
              QStringLiteral("Zeile %1: \"keine Gruppe\" ist keine Zahl (Gruppe eines Ergebnisses).")
                  .arg(results + 9));
    EXPECT_EQ(state->TournamentName, QStringLiteral("Hallencup Größe & Süß"));
    EXPECT_EQ(state->TeamsInGroup[2], 22);
    EXPECT_EQ(state->ReferralTable[4][2].FromGroup, 2);
    // Only complete records count.
    EXPECT_EQ(state->ResultCount, 1);
    EXPECT_EQ(state->ResultTable[1].GoalsSecond, 37);
    EXPECT_EQ(state->FieldPlan.columnCount(), 0);
}
