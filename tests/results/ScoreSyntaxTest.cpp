#include "results/ScoreSyntax.h"
#include "model/TournamentState.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

namespace {
ScoreEntry goals(const char* text)
{
    return ParseScoreEntry(QString(), QString::fromUtf8(text));
}

ScoreEntry sets(const char* text)
{
    return ParseScoreEntry(QString::fromUtf8(text), QString());
}
} // namespace

TEST(NumberScanner, SkipsNonDigitsAndStopsAfterOneRun)
{
    NumberScanner scanner(u"  -15:7x");
    EXPECT_EQ(scanner.next(), 15);
    EXPECT_TRUE(scanner.lastHadDigits());
    EXPECT_EQ(scanner.rest(), u":7x");
    EXPECT_EQ(scanner.next(), 7);
    EXPECT_FALSE(scanner.hasDigitsLeft());
    EXPECT_EQ(scanner.next(), 0); // an empty run reads as 0
    EXPECT_FALSE(scanner.lastHadDigits());
    EXPECT_TRUE(scanner.rest().isEmpty());
}

TEST(NumberScanner, OverlongRunsStopAtTheLargestScore)
{
    NumberScanner scanner(u"99999999999999999999 3");
    EXPECT_EQ(scanner.next(), MaxScoreNumber);
    EXPECT_EQ(scanner.next(), 3);
}

TEST(ScoreSyntax, AnyNonDigitSeparatesTheGoals)
{
    for (const char* text : {"3:1", "3-1", " 3 : 1", "3 1", "3:1:7", "Tore 3 zu 1"}) {
        const ScoreEntry entry = goals(text);
        EXPECT_EQ(entry.EntryAction, ScoreEntry::Action::Store) << text;
        EXPECT_EQ(entry.GoalsFirst, 3) << text;
        EXPECT_EQ(entry.GoalsSecond, 1) << text;
        EXPECT_EQ(entry.GoalsField, QStringLiteral("3 : 1")) << text;
        EXPECT_TRUE(entry.ScoreText.isEmpty()) << text;
        EXPECT_TRUE(entry.SetsField.isEmpty()) << text;
    }
    const ScoreEntry single = goals("5");
    EXPECT_EQ(single.GoalsField, QStringLiteral("5 : "));
    EXPECT_EQ(single.GoalsSecond, 0);
    EXPECT_EQ(goals("5 : ").GoalsField, QStringLiteral("5 : ")); // reads back alike
}

TEST(ScoreSyntax, ZeroDeletesButZeroToZeroIsAResult)
{
    for (const char* text : {"0", "-0", " 0", "", "  "}) {
        const ScoreEntry entry = goals(text);
        EXPECT_EQ(entry.EntryAction, ScoreEntry::Action::Delete) << text;
        EXPECT_EQ(entry.GoalsField, QString::fromUtf8(text)) << "a deletion leaves the field as typed";
    }
    for (const char* text : {"0:0", "0 0", "00", "0:"}) {
        const ScoreEntry entry = goals(text);
        EXPECT_EQ(entry.EntryAction, ScoreEntry::Action::Store) << text;
        EXPECT_EQ(entry.GoalsFirst, 0) << text;
        EXPECT_EQ(entry.GoalsSecond, 0) << text;
    }
    EXPECT_EQ(sets("0").EntryAction, ScoreEntry::Action::Delete);
    EXPECT_EQ(ParseScoreEntry(QStringLiteral("15:7"), QStringLiteral("0")).EntryAction,
              ScoreEntry::Action::Delete);
    EXPECT_EQ(sets("0:0").EntryAction, ScoreEntry::Action::Store);
}

TEST(ScoreSyntax, OnlyALowerCaseXAloneCancelsTheGame)
{
    const ScoreEntry cancelled = goals("x");
    EXPECT_EQ(cancelled.EntryAction, ScoreEntry::Action::Store);
    EXPECT_TRUE(cancelled.Cancelled);
    EXPECT_EQ(cancelled.ScoreText, QStringLiteral("x"));
    EXPECT_EQ(cancelled.GoalsField, QStringLiteral("x")); // stays "x" for the confirming press
    EXPECT_EQ(cancelled.GoalsFirst, 0);

    // whatever the sets field holds, also "0"; the counts are still read from the fields
    const ScoreEntry withSets = ParseScoreEntry(QStringLiteral("15:7 0"), QStringLiteral("x"));
    EXPECT_TRUE(withSets.Cancelled);
    EXPECT_EQ(withSets.ScoreText, QStringLiteral("x"));
    EXPECT_EQ(withSets.SetsFirst, 1);
    EXPECT_EQ(withSets.GoalsFirst, 15);
    EXPECT_EQ(ParseScoreEntry(QStringLiteral("0"), QStringLiteral("x")).EntryAction,
              ScoreEntry::Action::Store);

    EXPECT_TRUE(sets("x").Cancelled);
    EXPECT_FALSE(goals(" x").Cancelled);
}

TEST(ScoreSyntax, TextWithoutADigitIsRefusedNotReadAsEmpty)
{
    for (const char* text : {"abc", "-", "X", " x", ":"}) {
        EXPECT_EQ(goals(text).EntryAction, ScoreEntry::Action::Refuse) << text;
        EXPECT_EQ(sets(text).EntryAction, ScoreEntry::Action::Refuse) << text;
    }
    EXPECT_EQ(ParseScoreEntry(QStringLiteral("o"), QStringLiteral("3:1")).EntryAction,
              ScoreEntry::Action::Refuse);
    EXPECT_EQ(goals("4;O").EntryAction, ScoreEntry::Action::Store); // a digit: "4 : "
}

TEST(ScoreSyntax, SetsAreCountedAndTheirPointsSummed)
{
    const ScoreEntry entry = sets("15:7, 8-15 11 15");
    EXPECT_EQ(entry.SetsFirst, 1);
    EXPECT_EQ(entry.SetsSecond, 2);
    EXPECT_EQ(entry.GoalsFirst, 34);
    EXPECT_EQ(entry.GoalsSecond, 37);
    EXPECT_EQ(entry.ScoreText, QStringLiteral("15:7  8:15  11:15  "));
    EXPECT_EQ(entry.SetsField, entry.ScoreText);

    const ScoreEntry level = sets("15:15 15:7");
    EXPECT_EQ(level.SetsFirst, 1) << "a set 15:15 counts for neither team";
    EXPECT_EQ(level.SetsSecond, 0);
    EXPECT_EQ(level.GoalsFirst, 30);
    EXPECT_EQ(level.GoalsSecond, 22);

    const ScoreEntry oddCount = sets("15:7 8");
    EXPECT_EQ(oddCount.ScoreText, QStringLiteral("15:7  8:0  "));
    EXPECT_EQ(oddCount.SetsFirst, 2);
}

TEST(ScoreSyntax, SetsDecideTheGoalsWhenThereAreAny)
{
    const ScoreEntry fromSets = ParseScoreEntry(QStringLiteral("15:7"), QStringLiteral("3:1"));
    EXPECT_EQ(fromSets.GoalsFirst, 15);
    EXPECT_EQ(fromSets.GoalsSecond, 7);
    EXPECT_EQ(fromSets.GoalsField, QStringLiteral("3 : 1")); // the field is still normalised

    const ScoreEntry fromGoals = ParseScoreEntry(QStringLiteral("  "), QStringLiteral("3:1"));
    EXPECT_EQ(fromGoals.GoalsFirst, 3);
    EXPECT_TRUE(fromGoals.ScoreText.isEmpty());
    EXPECT_TRUE(fromGoals.SetsField.isEmpty());
}

TEST(ScoreSyntax, NormalisedFieldsReadBackToTheSameResult)
{
    for (const auto& [setsText, goalsText] : {std::pair{"15:7 8:15 11", "3"}, {"", "7-2"}, {"21:19", "x"}}) {
        const ScoreEntry first = ParseScoreEntry(QString::fromUtf8(setsText), QString::fromUtf8(goalsText));
        const ScoreEntry again = ParseScoreEntry(first.SetsField, first.GoalsField);
        EXPECT_EQ(again.SetsField, first.SetsField) << setsText;
        EXPECT_EQ(again.GoalsField, first.GoalsField) << goalsText;
        EXPECT_EQ(again.ScoreText, first.ScoreText);
        EXPECT_EQ(again.GoalsFirst, first.GoalsFirst);
        EXPECT_EQ(again.SetsSecond, first.SetsSecond);
    }
}

TEST(ScoreSyntax, ManyHugeSetsDoNotOverflow)
{
    QString text;
    for (int set = 0; set < 3000; ++set)
        text += QStringLiteral("999999:1 ");
    const ScoreEntry entry = ParseScoreEntry(text, QString());
    EXPECT_EQ(entry.GoalsFirst, std::numeric_limits<int>::max());
    EXPECT_EQ(entry.GoalsSecond, 3000);
    EXPECT_EQ(entry.SetsFirst, 3000);
}

TEST(GoalsCellText, TwoLeadingBlanksOrTheCancelMark)
{
    EXPECT_EQ(GoalsCellText(GameResult{1, 1, QString(), 0, 0, 3, 1}), QStringLiteral("  3 : 1"));
    EXPECT_EQ(GoalsCellText(GameResult{1, 1, QStringLiteral("x"), 0, 0, 0, 0}), QStringLiteral("x"));
}
