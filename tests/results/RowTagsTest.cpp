#include "results/RowTags.h"
#include "model/TextGrid.h"
#include "model/TournamentState.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

#include <memory>

inline void PrintTo(const RowTag& tag, std::ostream* out)
{
    *out << '{' << tag.Kind.toStdString() << ", " << tag.Group << ", " << tag.Number << '}';
}

TEST(RowTags, OddTagsAreSplitCharacterByCharacter)
{
    // No number: the last character of the kind is dropped as if it were the blank.
    EXPECT_EQ(SplitRowTag(QStringLiteral("4 tore")), (RowTag{QStringLiteral("tor"), 4, 0}));
    // No group: the first character goes instead of the blank.
    EXPECT_EQ(SplitRowTag(QStringLiteral("satz 9")), (RowTag{QStringLiteral("atz"), 0, 9}));
    // Numbers too long for an int read as 0; a minus sign is no digit.
    EXPECT_EQ(SplitRowTag(QStringLiteral("99999999999 tore 3")), (RowTag{QStringLiteral("tore"), 0, 3}));
    EXPECT_EQ(SplitRowTag(QString()), RowTag{});
    EXPECT_EQ(SplitRowTag(QStringLiteral("7 8")), (RowTag{QString(), 7, 8}));
}

TEST(IsTaggedCell, NeedsAKeywordAnywhereInsideTheGrid)
{
    TextGrid grid(3, 2);
    grid.setTag(0, 0, QStringLiteral("xxtabellexx"));
    grid.setTag(1, 0, QStringLiteral("1 Tore 1")); // keywords are lower case
    grid.setTag(2, 0, QStringLiteral("1 schiri 4"));
    EXPECT_TRUE(IsTaggedCell(grid, 0, 0));
    EXPECT_FALSE(IsTaggedCell(grid, 1, 0));
    EXPECT_TRUE(IsTaggedCell(grid, 2, 0));
    EXPECT_FALSE(IsTaggedCell(grid, 1, 1));
    EXPECT_FALSE(IsTaggedCell(grid, -1, 0));
    EXPECT_FALSE(IsTaggedCell(grid, 0, 2));
}

TEST(ParseRowTag, FillsTheSelectionAndTakesTheRoundFromColumnZero)
{
    auto state = std::make_unique<TournamentState>();
    state->RoundCount = 3;
    TextGrid grid(4, 4);
    grid.setCell(0, 1, QStringLiteral("2"));
    grid.setTag(2, 1, QStringLiteral("5 tore 3"));
    grid.setCell(0, 2, QStringLiteral("____________________"));
    grid.setTag(2, 2, QStringLiteral("6 satz 1"));
    grid.setCell(0, 3, QStringLiteral("9"));
    grid.setTag(2, 3, QStringLiteral("7 spiel 4"));

    EXPECT_EQ(ParseRowTag(*state, grid, 2, 1), (RowTag{QStringLiteral("tore"), 5, 3}));
    EXPECT_EQ(state->CurrentRound, 2);
    EXPECT_EQ(state->SelectedGroup, 5);
    EXPECT_EQ(state->SelectedNumber, 3);

    // Column 0 without a round number, or a round the tournament no longer has: the round stays.
    ParseRowTag(*state, grid, 2, 2);
    EXPECT_EQ(state->SelectedGroup, 6);
    EXPECT_EQ(state->CurrentRound, 2);
    ParseRowTag(*state, grid, 2, 3);
    EXPECT_EQ(state->SelectedGroup, 7);
    EXPECT_EQ(state->CurrentRound, 2);

    // An untagged cell clears the selection's tag parts and leaves the round alone.
    grid.setCell(0, 1, QStringLiteral("1"));
    EXPECT_EQ(ParseRowTag(*state, grid, 1, 1), RowTag{});
    EXPECT_EQ(state->SelectedGroup, 0);
    EXPECT_EQ(state->CurrentRound, 2);
}
