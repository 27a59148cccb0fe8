// What a referee types, read with the desk's syntax, and what the page says back in words.
#include "live/RefereeEntry.h"
#include "live/LiveFixture.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

using namespace live_test;

TEST(RefereeScore, TheDesksSyntaxWithTheEntriesThatMakeNoResultRefused)
{
    struct Case {
        QString typed;
        bool withSets;
        QString words; // empty: refused
    };
    const std::vector<Case> cases{
        {"3:1", false, "A gewinnt 3:1 gegen B"},
        {" 1 - 3 ", false, "B gewinnt 3:1 gegen A"},
        {"2 2", false, "A und B spielen 2:2 unentschieden"},
        {"X ", false, "Spiel fällt aus: A – B"},
        {"25:20 22:25 15:10", true, "A gewinnt 2:1 Sätze (25:20 22:25 15:10) gegen B"},
        {"x", true, "Spiel fällt aus: A – B"},
        {"", false, {}},
        {"drei zu eins", false, {}},
        {"0", false, {}},
        {"25:20 22", true, {}},
        {QString(MaxScoreTextLength + 1, u'1'), false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const auto read = ReadRefereeScore(c.typed, c.withSets);
        if (c.words.isEmpty()) {
            EXPECT_TRUE(std::holds_alternative<QString>(read));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<RefereeScore>(read)) << std::get<QString>(read).toStdString();
        const RefereeScore& score = std::get<RefereeScore>(read);
        EXPECT_EQ(ScoreInWords(QStringLiteral("A"), QStringLiteral("B"), score.Entry), c.words);
        EXPECT_EQ(ParseScoreEntry(score.Sets, score.Goals).ScoreText, score.Entry.ScoreText)
            << "the stored fields read as the desk reads them";
    }
}

TEST(RefereeScore, AFieldOffersItsCurrentGameAndTheNextOnesFromTheRoundInPlay)
{
    auto state = ThreeRoundsSecondInPlay();
    const auto output = RenderAndPlan(*state);
    for (int field = 1; field <= 2; ++field) {
        const std::vector<FieldGame> all = FieldGames(*state, output->TimePlan, field);
        const std::vector<FieldGame> current = CurrentFieldGames(*state, output->TimePlan, field, 2);
        ASSERT_FALSE(current.empty());
        EXPECT_EQ(current.front().Round, 2);
        EXPECT_FALSE(current.front().Game.finished());
        EXPECT_LE(current.size(), 3u);
        EXPECT_TRUE(
            FindFieldGame(*state, output->TimePlan, field, current[0].Game.Group, current[0].Game.Game));
        for (const FieldGame& game : all)
            EXPECT_FALSE(
                FindFieldGame(*state, output->TimePlan, 3 - field, game.Game.Group, game.Game.Game) &&
                game.Round == 2)
                << "a game is played on one field";
    }
}
