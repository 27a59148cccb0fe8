#include "results/ResultEntry.h"
#include "results/ResultTable.h"
#include "results/ResultsTestSupport.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace results_test;

namespace {
constexpr int GameRow = 12;
constexpr int SetsCol = 3;
constexpr int GoalsCol = 4;

// Round 1: group 1 of 4 teams; round 2: groups 2, 3 and 4 of 2 teams. Places 1 and 2 of group 1
// are referred to groups 2 and 3; group 4 is not fed by group 1.
class ResultEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state = MakeTournament({{4}, {2, 2, 2}});
        state->ReferralTable[1][1] = {0, 0, 2, 1};
        state->ReferralTable[2][1] = {1, 1, 0, 0};
        state->ReferralTable[1][2] = {0, 0, 3, 1};
        state->ReferralTable[3][1] = {1, 2, 0, 0};
        state->AutoLoadPending = true; // keeps the hand-made grid: no re-render
        // the goals cell of the game between positions 1 and 2 is selected
        const int game = GameBetween(*state, 1, 1, 2);
        TagGameCells(*state, 1, game, SetsCol, GameRow);
        state->SelectedGroup = 1;
        state->SelectedNumber = game;
        state->SelectedTagKind = QStringLiteral("tore");
        state->SelectedCol = GoalsCol;
        state->SelectedRow = GameRow;
    }

    void useSets()
    {
        state->Settings.WithSets = true;
        state->SetsWord = QStringLiteral("Sätze");
    }

    ResultEntryOutcome press(const QString& sets, const QString& goals)
    {
        return entry.press(*state, {sets, goals}, prompter);
    }

    // The first press and the confirming press with what the first one showed.
    ResultEntryOutcome confirm(const QString& sets, const QString& goals)
    {
        entry.activate(*state);
        const ResultEntryOutcome first = press(sets, goals);
        EXPECT_FALSE(first.CloseDialog);
        return entry.press(*state, first.Fields, prompter);
    }

    void completeGroupOne()
    {
        for (int game = 1; game <= 6; ++game)
            StoreResult(*state, GameResult{1, game, QString(), 0, 0, game, 0});
        state->GroupCompleted[1] = true;
        state->GroupHasResults[1] = true;
    }

    const GameResult* stored() const
    {
        const int index = FindResult(*state, 1, state->SelectedNumber);
        return index == 0 ? nullptr : &state->ResultTable[index];
    }

    QString goalsCell() const { return state->ScheduleGrid.cell(GoalsCol, GameRow); }
    QString setsCell() const { return state->ScheduleGrid.cell(SetsCol, GameRow); }

    std::unique_ptr<TournamentState> state;
    ResultEntry entry;
    ScriptedPrompter prompter;
};
} // namespace

TEST_F(ResultEntryTest, TheFirstPressNormalisesTheSecondStores)
{
    entry.activate(*state);
    const ResultEntryOutcome first = press(QString(), QStringLiteral(" 3-1"));
    EXPECT_EQ(first.Fields.Goals, QStringLiteral("3 : 1"));
    EXPECT_FALSE(first.CloseDialog);
    EXPECT_EQ(state->ResultCount, 0);
    EXPECT_TRUE(state->IsSaved);

    const ResultEntryOutcome second = press(first.Fields.Sets, first.Fields.Goals);
    EXPECT_TRUE(second.CloseDialog);
    ASSERT_NE(stored(), nullptr);
    EXPECT_EQ(*stored(), (GameResult{1, state->SelectedNumber, QString(), 0, 0, 3, 1}));
    EXPECT_EQ(goalsCell(), QStringLiteral("  3 : 1"));
    EXPECT_EQ(second.TimePlanCellText, QStringLiteral("3 : 1"));
    EXPECT_FALSE(state->IsSaved);
    EXPECT_TRUE(state->GroupHasResults[1]);
    const int winner = state->Pairings.PairingOf(4, state->SelectedNumber).first;
    EXPECT_EQ(state->RankedPosition[1][1], winner) << "the group's table was computed";
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ResultEntryTest, LeavingAFieldMakesTheNextPressAFirstPressAgain)
{
    entry.activate(*state);
    press(QString(), QStringLiteral("2:2"));
    entry.fieldLeft();
    EXPECT_FALSE(press(QString(), QStringLiteral("2:2")).CloseDialog);
    EXPECT_EQ(state->ResultCount, 0);
    EXPECT_TRUE(press(QString(), QStringLiteral("2 : 2")).CloseDialog);
    EXPECT_EQ(state->ResultCount, 1);
}

TEST_F(ResultEntryTest, ADeletionWaitsForTheConfirmingPress)
{
    Enter(*state, 1, 1, 2, 4, 0);
    Enter(*state, 1, 3, 4, 1, 0);
    state->ScheduleGrid.setCell(GoalsCol, GameRow, QStringLiteral("  4 : 0"));
    state->GroupHasResults[1] = true;
    const auto before = std::make_unique<TournamentState>(*state);
    for (const QString& deleting : {QStringLiteral("0"), QString()}) {
        entry.activate(*state);
        const ResultEntryOutcome first = press(QString(), deleting);
        EXPECT_FALSE(first.CloseDialog);
        EXPECT_EQ(first.Fields.Goals, deleting);
        EXPECT_TRUE(*state == *before) << "the first press changes nothing";
    }
    const ResultEntryOutcome second = press(QString(), QStringLiteral("0"));
    EXPECT_TRUE(second.CloseDialog);
    EXPECT_EQ(stored(), nullptr);
    EXPECT_EQ(state->ResultCount, 1);
    EXPECT_TRUE(goalsCell().isEmpty());
    EXPECT_EQ(second.TimePlanCellText, QString());
    EXPECT_TRUE(state->GroupHasResults[1]) << "the other game of the group is still stored";
}

TEST_F(ResultEntryTest, TextWithoutADigitIsRefusedAndChangesNothing)
{
    useSets();
    Enter(*state, 1, 1, 2, 4, 0);
    const auto before = std::make_unique<TournamentState>(*state);
    // which texts are refused is the parser's part; here one in each field
    const ResultEntryFields faulty[] = {{QString(), QStringLiteral("abc")},
                                        {QStringLiteral(" : "), QStringLiteral("  4 : 0")}};
    for (const ResultEntryFields& fields : faulty) {
        for (const bool armed : {false, true}) {
            prompter.clear();
            entry.EntryConfirmArmed = armed;
            const ResultEntryOutcome outcome = press(fields.Sets, fields.Goals);
            EXPECT_FALSE(outcome.CloseDialog);
            EXPECT_EQ(outcome.Fields, fields);
            EXPECT_FALSE(entry.EntryConfirmArmed);
            EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Fehlerhafte Eingabe")});
            EXPECT_TRUE(*state == *before);
        }
    }
    // "x" in the sets field cancels the game as "x" in the goals field does, said on the
    // confirming press.
    prompter.clear();
    confirm(QStringLiteral("x"), QString());
    ASSERT_NE(stored(), nullptr);
    EXPECT_EQ(stored()->ScoreText, QStringLiteral("x"));
    EXPECT_EQ(goalsCell(), QStringLiteral("x"));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Spiel fällt aus")});
}

TEST_F(ResultEntryTest, SetsAreStoredWithTheirTotalsAndShownInBothCells)
{
    useSets();
    EXPECT_TRUE(entry.activate(*state).GoalsReadOnly);
    const ResultEntryOutcome first = press(QStringLiteral("15:7 8-15 11 15"), QString());
    const ResultEntryOutcome second = press(first.Fields.Sets, first.Fields.Goals);
    ASSERT_NE(stored(), nullptr);
    EXPECT_EQ(*stored(),
              (GameResult{1, state->SelectedNumber, QStringLiteral("15:7  8:15  11:15  "), 1, 2, 34, 37}));
    EXPECT_EQ(setsCell(), QStringLiteral("15:7  8:15  11:15  "));
    EXPECT_EQ(goalsCell(), QStringLiteral("  34 : 37"));
    EXPECT_EQ(second.TimePlanCellText, QStringLiteral("15:7  8:15  11:15  "));
}

TEST_F(ResultEntryTest, AHiddenSetsFieldCountsAsEmpty)
{
    EXPECT_FALSE(entry.activate(*state).GoalsReadOnly);
    confirm(QStringLiteral("15:7"), QStringLiteral("2:1"));
    ASSERT_NE(stored(), nullptr);
    EXPECT_EQ(*stored(), (GameResult{1, state->SelectedNumber, QString(), 0, 0, 2, 1}));
    confirm(QStringLiteral("15:7"), QString());
    EXPECT_EQ(stored(), nullptr) << "only the hidden sets field held something: a deletion";
}

TEST_F(ResultEntryTest, AFullTableStoresNothingAndSaysSo)
{
    for (int index = 1; index <= Limits::MaxResults; ++index)
        state->ResultTable[index] = GameResult{4, index, QString(), 0, 0, 1, 0};
    state->ResultCount = Limits::MaxResults;

    const ResultEntryOutcome outcome = confirm(QString(), QStringLiteral("3:1"));
    EXPECT_TRUE(outcome.CloseDialog);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_TRUE(prompter.texts()[0].startsWith(QStringLiteral("zuviele Ergebnisse.")));
    EXPECT_EQ(stored(), nullptr);
    EXPECT_TRUE(goalsCell().isEmpty()) << "nothing stored, nothing shown";
    EXPECT_FALSE(outcome.TimePlanCellText.has_value());
}

TEST_F(ResultEntryTest, TheCompletedGroupQuestionComesOnceBeforeTheConfirmingPressChangesAnything)
{
    completeGroupOne();
    Enter(*state, 2, 1, 2, 1, 0);
    Enter(*state, 3, 1, 2, 1, 0);
    Enter(*state, 4, 1, 2, 1, 0);
    state->GroupHasResults[2] = state->GroupHasResults[3] = state->GroupHasResults[4] = true;
    const auto before = std::make_unique<TournamentState>(*state);
    struct Case {
        Prompter::Answer answer;
        QString goals;
        int goalsStored; // -1: the game keeps its result
        int fedGroupResults;
    };
    const Case cases[] = {{Prompter::Answer::Cancel, QStringLiteral("9:9"), -1, 1},
                          {Prompter::Answer::Cancel, QStringLiteral("0"), -1, 1},
                          {Prompter::Answer::No, QStringLiteral("9:9"), 9, 1},
                          {Prompter::Answer::Yes, QStringLiteral("8:8"), 8, 0}};
    for (const Case& answerCase : cases) {
        SCOPED_TRACE(answerCase.goals.toStdString());
        *state = *before;
        prompter.clear();
        prompter.answer({answerCase.answer});
        const ResultEntryOutcome outcome = confirm(QString(), answerCase.goals);
        EXPECT_TRUE(outcome.CloseDialog);
        ASSERT_EQ(prompter.shown().size(), 1u) << "asked once, on the confirming press";
        EXPECT_EQ(prompter.shown()[0].kind, ScriptedPrompter::Kind::YesNoCancel);
        EXPECT_EQ(prompter.shown()[0].defaultAnswer, Prompter::Answer::Cancel);
        if (answerCase.goalsStored < 0) {
            EXPECT_TRUE(*state == *before);
            continue;
        }
        EXPECT_EQ(stored()->GoalsFirst, answerCase.goalsStored);
        EXPECT_EQ(CountGroupResults(*state, 2), answerCase.fedGroupResults);
        EXPECT_EQ(CountGroupResults(*state, 3), answerCase.fedGroupResults);
        EXPECT_EQ(state->GroupHasResults[2], answerCase.fedGroupResults > 0);
        EXPECT_EQ(CountGroupResults(*state, 4), 1) << "not fed by the group";
        EXPECT_TRUE(state->GroupCompleted[1]);
    }
}

TEST_F(ResultEntryTest, ASelectionThatIsNoGameStoresNothing)
{
    for (const auto& [group, game] : {std::pair{0, 1}, {1, 0}, {1, 7}, {5, 1}, {101, 1}}) {
        state->SelectedGroup = group;
        state->SelectedNumber = game;
        entry.activate(*state);
        EXPECT_TRUE(press(QString(), QStringLiteral("1:0")).CloseDialog);
        EXPECT_EQ(state->ResultCount, 0);
    }
}

TEST_F(ResultEntryTest, ASelectionFromTheTimePlanPatchesNoScheduleCell)
{
    state->SelectedTagKind = QStringLiteral("manschc");
    const ResultEntryOutcome outcome = confirm(QString(), QStringLiteral("2:0"));
    EXPECT_TRUE(outcome.PatchedCells.empty());
    EXPECT_TRUE(goalsCell().isEmpty());
    EXPECT_EQ(outcome.TimePlanCellText, QStringLiteral("2 : 0"));
    EXPECT_NE(stored(), nullptr);
}
