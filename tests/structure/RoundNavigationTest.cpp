#include "structure/RoundNavigation.h"

#include "structure/GroupTestSupport.h"
#include "structure/MainWindowView.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace grouptest;

namespace {
const QString OneFieldMessage = QStringLiteral(
    "Sie wollen, daß jede Gruppe auf einem eigenen Platz spielt, haben aber weniger Spielplätze als Gruppen "
    "definiert. Daher wurde \"ein Platz pro Gruppe\" deaktiviert.");
} // namespace

TEST(RoundNavigation, StepsBetweenExistingRoundsAndEmptiesTheListOfTeams)
{
    auto state = MakeTournament({{4}, {4}});
    state->TeamList << QStringLiteral("Adler");

    ShowPreviousRound(*state);
    EXPECT_EQ(state->CurrentRound, 1);
    EXPECT_TRUE(state->TeamList.isEmpty());
    ShowPreviousRound(*state);
    EXPECT_EQ(state->CurrentRound, 1);

    state->Settings.PlanChanged = false;
    EXPECT_FALSE(ShowNextRound(*state));
    EXPECT_EQ(state->CurrentRound, 2);
    EXPECT_FALSE(state->NewRoundPending);
    EXPECT_TRUE(state->Settings.PlanChanged);
}

TEST(RoundNavigation, PreparesANewRoundPastTheLastOneButNeverPastRoundTwenty)
{
    auto state = MakeTournament({{4, 4}});
    state->GameLengthInRound[1] = 7;
    state->TeamsInGroup[3] = 9; // left over from an earlier group
    state->IsSaved = true;

    EXPECT_TRUE(ShowNextRound(*state));
    EXPECT_EQ(state->CurrentRound, 2);
    EXPECT_EQ(state->RoundCount, 1);
    EXPECT_EQ(state->TeamsInGroup[3], 0);
    EXPECT_EQ(state->GameLengthInRound[2], 7);
    EXPECT_TRUE(state->NewRoundPending);
    EXPECT_FALSE(state->IsSaved);

    state->RoundCount = Limits::MaxRounds;
    state->CurrentRound = Limits::MaxRounds;
    state->NewRoundPending = false;
    EXPECT_FALSE(ShowNextRound(*state));
    EXPECT_EQ(state->CurrentRound, Limits::MaxRounds);
}

TEST(RoundNavigation, KeepsTheFieldCountBetweenOneAndFifty)
{
    auto state = MakeTournament({{4}});
    ScriptedPrompter prompter;
    RemoveField(*state, prompter);
    EXPECT_EQ(state->FieldsInRound[1], 1);
    state->FieldsInRound[1] = 49;
    AddField(*state);
    AddField(*state);
    EXPECT_EQ(state->FieldsInRound[1], 50);
}

TEST(RoundNavigation, StoresTheGameLengthCanonicallyFallsBackToTenAndCutsToADay)
{
    auto state = MakeTournament({{4}});
    ScriptedPrompter prompter;

    EXPECT_EQ(SetGameLength(*state, QStringLiteral("012"), prompter), QStringLiteral("12"));
    EXPECT_EQ(state->GameLengthInRound[1], 12);
    EXPECT_EQ(state->DefaultGameLength, 12);
    EXPECT_TRUE(prompter.shown().empty());

    for (const QString& faulty : {QString(), QStringLiteral("99999999999"), QStringLiteral("-5")}) {
        prompter.clear();
        EXPECT_EQ(SetGameLength(*state, faulty, prompter), QStringLiteral("10"));
        EXPECT_EQ(prompter.shown().size(), 1u);
        EXPECT_EQ(state->GameLengthInRound[1], 10);
    }
    // The clock counts minutes of a day: a longer game is cut to a day.
    prompter.clear();
    EXPECT_EQ(SetGameLength(*state, QStringLiteral("2147483647"), prompter), QStringLiteral("1440"));
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(state->GameLengthInRound[1], 1440);
}

TEST(CheckOneFieldPerGroup, SwitchesTheFlagOffWhenTheRoundHasFewerFieldsThanGroups)
{
    auto state = MakeTournament({{4, 4, 4}});
    state->FieldsInRound[1] = 2;
    ScriptedPrompter prompter;

    EXPECT_FALSE(SetOneFieldPerGroup(*state, true, prompter));
    EXPECT_EQ(prompter.texts(), QStringList{OneFieldMessage});
    EXPECT_FALSE(state->OneFieldPerGroup[1]);

    // Raising the field count never ticks it again; with enough fields it stays.
    prompter.clear();
    AddField(*state);
    EXPECT_FALSE(state->OneFieldPerGroup[1]);
    EXPECT_TRUE(SetOneFieldPerGroup(*state, true, prompter));
    EXPECT_TRUE(prompter.shown().empty());

    // Lowering the field count below the group count switches it off again.
    RemoveField(*state, prompter);
    EXPECT_EQ(prompter.texts(), QStringList{OneFieldMessage});
    EXPECT_FALSE(state->OneFieldPerGroup[1]);
    EXPECT_FALSE(CheckOneFieldPerGroup(*state, 0, prompter));
}

TEST(MainWindowView, ShowsTotalsAndOneLinePerGroupOfTheCurrentRound)
{
    auto state = MakeTournament({{4, 5}, {3}});
    state->ReturnLeg[2] = true;
    state->NameTable[2][0] = QStringLiteral("Gruppe B");
    state->IsSaved = false;

    MainWindowView view = BuildMainWindowView(*state);
    EXPECT_EQ(view.games, QStringLiteral("29")); // 6 + 20 + 3
    EXPECT_EQ(view.groupLines, (QStringList{"1) 1 Gruppe 1 (4) einf", "2) 2 Gruppe B (5) rück"}));
    EXPECT_EQ(view.savedText, QStringLiteral("nicht gespeichert"));

    state->CurrentRound = 2;
    state->IsSaved = true;
    view = BuildMainWindowView(*state);
    EXPECT_EQ(view.groupLines, QStringList{"1) 3 Gruppe 3 (3) einf"});
    EXPECT_EQ(view.savedText, QStringLiteral("gespeichert"));
}

TEST(MainWindowView, ListsTheKnownTeamsOfTheSelectedGroupAndTurnsGreenWhenAllAreNamed)
{
    auto state = MakeTournament({{4}, {3}});
    state->CurrentRound = 2;
    state->NameTable[2][1] = QStringLiteral("Adler");
    state->NameTable[2][3] = QStringLiteral("Bären");

    SelectGroupInRound(*state, 0);
    EXPECT_EQ(state->SelectedGroupInRound, 1);
    EXPECT_EQ(state->TeamList, (QStringList{"Adler", "Bären"}));
    EXPECT_FALSE(TeamListComplete(*state));

    state->NameTable[2][2] = QStringLiteral("Crocodile");
    SelectGroupInRound(*state, 0);
    EXPECT_TRUE(TeamListComplete(*state));

    // A group without positions is never green.
    state->TeamsInGroup[2] = 0;
    SelectGroupInRound(*state, 0);
    EXPECT_FALSE(TeamListComplete(*state));
}
