#include "results/ScoreSyntax.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

TEST(NumberScanner, OverlongRunsStopAtTheLargestScore)
{
    NumberScanner scanner(u"99999999999999999999 3");
    EXPECT_EQ(scanner.next(), MaxScoreNumber);
    EXPECT_EQ(scanner.next(), 3);
}

// What the two fields of the result dialog make of a typed score. -1 and nullptr: not checked.
TEST(ScoreSyntax, TypedFieldsGiveTheActionCountsAndNormalisedTexts)
{
    using Action = ScoreEntry::Action;
    struct Case {
        const char* sets;
        const char* goals;
        Action action;
        int setsFirst = -1, setsSecond = -1, goalsFirst = -1, goalsSecond = -1;
        const char* goalsField = nullptr;
        const char* scoreText = nullptr;
        bool cancelled = false;
    };
    const Case cases[] = {
        // Any non-digit separates the goals; the sets fields stay empty.
        {"", "3:1", Action::Store, 0, 0, 3, 1, "3 : 1", ""},
        {"", "3:1:7", Action::Store, 0, 0, 3, 1, "3 : 1", ""},
        {"", "Tore 3 zu 1", Action::Store, 0, 0, 3, 1, "3 : 1", ""},
        {"", "5", Action::Store, 0, 0, 5, 0, "5 : "},
        // Zero deletes (the field stays as typed), but zero to zero is a result.
        {"", "0", Action::Delete, -1, -1, -1, -1, "0"},
        {"", "", Action::Delete, -1, -1, -1, -1, ""},
        {"0", "", Action::Delete},
        {"15:7", "0", Action::Delete},
        {"", "0:0", Action::Store, -1, -1, 0, 0},
        {"", "00", Action::Store, -1, -1, 0, 0},
        {"0:0", "", Action::Store},
        // Only a lower-case x alone cancels, whatever the sets field holds; the counts are still
        // read, and the goals field stays "x" for the confirming press.
        {"", "x", Action::Store, 0, 0, 0, 0, "x", "x", true},
        {"15:7 0", "x", Action::Store, 1, -1, 15, -1, "x", "x", true},
        {"0", "x", Action::Store, -1, -1, -1, -1, "x", "x", true},
        {"x", "", Action::Store, -1, -1, -1, -1, nullptr, "x", true},
        // Text without a digit is refused, not read as empty.
        {"", "abc", Action::Refuse},
        {"", "X", Action::Refuse},
        {"", " x", Action::Refuse},
        {" x", "", Action::Refuse},
        {"o", "3:1", Action::Refuse},
        // Sets are counted (a level set for neither team) and their points summed; when there
        // are any they decide the goals, while the goals field is still normalised.
        {"15:7, 8-15 11 15", "", Action::Store, 1, 2, 34, 37, nullptr, "15:7  8:15  11:15  "},
        {"15:15 15:7", "", Action::Store, 1, 0, 30, 22},
        {"15:7 8", "", Action::Store, 2, -1, -1, -1, nullptr, "15:7  8:0  "},
        {"15:7", "3:1", Action::Store, -1, -1, 15, 7, "3 : 1"},
        {"  ", "3:1", Action::Store, -1, -1, 3, -1, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("sets \"") + c.sets + "\", goals \"" + c.goals + "\"");
        const ScoreEntry entry = ParseScoreEntry(QString::fromUtf8(c.sets), QString::fromUtf8(c.goals));
        EXPECT_EQ(entry.EntryAction, c.action);
        if (c.goalsField) {
            EXPECT_EQ(entry.GoalsField, QString::fromUtf8(c.goalsField));
        }
        if (c.action != Action::Store)
            continue;
        EXPECT_EQ(entry.Cancelled, c.cancelled);
        const std::pair<qint64, int> counts[] = {{entry.SetsFirst, c.setsFirst},
                                                 {entry.SetsSecond, c.setsSecond},
                                                 {entry.GoalsFirst, c.goalsFirst},
                                                 {entry.GoalsSecond, c.goalsSecond}};
        for (const auto& [value, expected] : counts) {
            if (expected >= 0) {
                EXPECT_EQ(value, expected);
            }
        }
        if (c.scoreText) {
            EXPECT_EQ(entry.ScoreText, QString::fromUtf8(c.scoreText));
            if (!c.cancelled) {
                EXPECT_EQ(entry.SetsField, entry.ScoreText);
            }
        }
    }
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

TEST(ScoreSyntax, ManyHugeSetsDoNotOverflowAndATypedScoreKeepsItsFirstHundredCharacters)
{
    QString text;
    for (int set = 0; set < 3000; ++set)
        text += QStringLiteral("999999:1 ");
    const SetsReading sets = ReadSets(text);
    EXPECT_EQ(sets.GoalsFirst, std::numeric_limits<int>::max());
    EXPECT_EQ(sets.GoalsSecond, 3000);
    EXPECT_EQ(sets.SetsFirst, 3000);
    // Eleven sets of nine characters and the "9" that opens the twelfth.
    const ScoreEntry entry = ParseScoreEntry(text, QString());
    EXPECT_EQ(entry.SetsFirst, 12);
    EXPECT_EQ(entry.GoalsSecond, 11);
}
