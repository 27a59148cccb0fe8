#include "structure/GroupDialogs.h"

#include "structure/GroupTestSupport.h"
#include "structure/RoundNavigation.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace grouptest;

namespace {
const QString NotANumber = QStringLiteral(
    "Die Mannschaftszahl oder die Anzahl der Gruppen ist nicht korrekt ! Hier darf nur eine Zahl stehen !");

NewGroupInput Request(const QString& groups, const QString& name, const QString& teams,
                      bool returnLeg = false)
{
    return {groups, name, teams, returnLeg};
}

QString FreePlacesMessage(int free)
{
    return QStringLiteral(
               "Es können nicht mehr als %1 Gruppen erzeugt werden. Die Gesamtzahl der Gruppen ist "
               "auf 100 begrenzt. Die Anzahl wurde automatisch geändert.")
        .arg(free);
}
} // namespace

TEST(NewGroupDialog, NumbersTheNamesOfSeveralGroupsAndKeepsASingleName)
{
    auto state = MakeTournament({{4}});
    ScriptedPrompter prompter;

    const NewGroupOutcome several = AddNewGroups(*state, Request("3", "Gr", "5", true), prompter);
    EXPECT_TRUE(several.closes);
    EXPECT_EQ(several.createdGroups, 3);
    EXPECT_EQ(state->NameTable[2][0], QStringLiteral("Gr1"));
    EXPECT_EQ(state->NameTable[4][0], QStringLiteral("Gr3"));
    EXPECT_EQ(state->TeamsInGroup[4], 5);
    EXPECT_TRUE(state->ReturnLeg[4]);

    AddNewGroups(*state, Request("1", "Gr", "4"), prompter);
    EXPECT_EQ(state->NameTable[5][0], QStringLiteral("Gr"));
    EXPECT_EQ(state->GroupsInRound[1], 5);
}

TEST(NewGroupDialog, RewritesCountsCanonicallyAndClampsThem)
{
    auto state = MakeTournament({{4}});
    ScriptedPrompter prompter;

    NewGroupOutcome outcome = AddNewGroups(*state, Request(" 002", "A", "010"), prompter);
    EXPECT_EQ(outcome.groupCountText, QStringLiteral("2"));
    EXPECT_EQ(outcome.teamCountText, QStringLiteral("10"));

    outcome = AddNewGroups(*state, Request("0", "B", "25"), prompter);
    EXPECT_EQ(outcome.teamCountText, QStringLiteral("22"));
    EXPECT_EQ(outcome.groupCountText, QStringLiteral("1"));
    EXPECT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(state->TeamsInGroup[4], 22);
}

TEST(NewGroupDialog, KeepsTheDialogOpenForCountsThatAreNoNumbers)
{
    auto state = MakeTournament({{4}});
    const auto before = std::make_unique<TournamentState>(*state);
    ScriptedPrompter prompter;

    for (const auto& request : {Request("zwei", "A", "4"), Request("2", "A", ""), Request("1", "A", "4.5")}) {
        const NewGroupOutcome outcome = AddNewGroups(*state, request, prompter);
        EXPECT_FALSE(outcome.closes);
        EXPECT_EQ(outcome.createdGroups, 0);
        EXPECT_EQ(outcome.groupCountText, request.groupCountText);
    }
    EXPECT_EQ(prompter.texts(), (QStringList{NotANumber, NotANumber, NotANumber}));
    EXPECT_TRUE(*state == *before);
}

TEST(NewGroupDialog, NeverCreatesMoreThanAHundredGroups)
{
    auto state = MakeTournament({{4}});
    state->GroupsInRound[1] = 98;
    ScriptedPrompter prompter;

    NewGroupOutcome outcome = AddNewGroups(*state, Request("5", "X", "4"), prompter);
    EXPECT_EQ(prompter.texts(), QStringList{FreePlacesMessage(2)});
    EXPECT_EQ(outcome.createdGroups, 2);
    EXPECT_EQ(TotalGroups(*state), 100);

    // With every place taken the dialog closes like "&abbrechen" and steps back from the new round.
    prompter.clear();
    ASSERT_TRUE(ShowNextRound(*state));
    outcome = AddNewGroups(*state, Request("1", "Y", "4"), prompter);
    EXPECT_EQ(prompter.texts(), QStringList{FreePlacesMessage(0)});
    EXPECT_TRUE(outcome.closes);
    EXPECT_EQ(TotalGroups(*state), 100);
    EXPECT_EQ(state->CurrentRound, 1);
    EXPECT_FALSE(state->NewRoundPending);
}

TEST(NewGroupDialog, CreatesThePreparedRoundOrStepsBackWhenCancelled)
{
    auto state = MakeTournament({{4}});
    ScriptedPrompter prompter;

    ASSERT_TRUE(ShowNextRound(*state));
    CancelNewGroups(*state);
    EXPECT_EQ(state->CurrentRound, 1);
    EXPECT_EQ(state->RoundCount, 1);
    EXPECT_FALSE(state->NewRoundPending);

    ASSERT_TRUE(ShowNextRound(*state));
    AddNewGroups(*state, Request("2", "F", "4"), prompter);
    EXPECT_EQ(state->RoundCount, 2);
    EXPECT_EQ(state->CurrentRound, 2);
    EXPECT_EQ(state->GroupsInRound[2], 2);
    EXPECT_FALSE(state->NewRoundPending);

    // Cancelling outside a prepared round stays where it is.
    CancelNewGroups(*state);
    EXPECT_EQ(state->CurrentRound, 2);
}

TEST(NewGroupDialog, AfterTheLastGroupWasDeletedStartsRoundOneAgain)
{
    auto state = MakeTournament({{4}});
    ScriptedPrompter prompter;
    DeleteGroupFromDialog(*state, 1, prompter);
    ASSERT_EQ(state->RoundCount, 0);
    ASSERT_EQ(state->CurrentRound, 0);

    AddNewGroups(*state, Request("1", "Neu", "4"), prompter);
    EXPECT_EQ(state->RoundCount, 1);
    EXPECT_EQ(state->CurrentRound, 1);
    EXPECT_EQ(state->GroupsInRound[0], 0);
    EXPECT_EQ(state->GroupsInRound[1], 1);
    EXPECT_EQ(state->FieldsInRound[1], 1);
}

TEST(ChangeGroupDialog, StoresTheChangeAndRefreshesThePlaceholdersOfTheFedPositions)
{
    auto state = MakeTournament({{4, 4}, {4}});
    Link(*state, 1, 1, 3, 1);
    Link(*state, 1, 2, 3, 4);
    Link(*state, 2, 1, 3, 2);
    ScriptedPrompter prompter;

    ChangeGroupInput input = ReadGroupForChange(*state, 1);
    input.name = QStringLiteral("Gruppe A");
    input.teamCountText = QStringLiteral("05");
    input.returnLeg = true;
    const ChangeGroupOutcome outcome = ApplyGroupChange(*state, input, prompter);

    EXPECT_TRUE(outcome.closes);
    EXPECT_EQ(outcome.teamCountText, QStringLiteral("5"));
    EXPECT_EQ(state->NameTable[1][0], QStringLiteral("Gruppe A"));
    EXPECT_EQ(state->TeamsInGroup[1], 5);
    EXPECT_TRUE(state->ReturnLeg[1]);
    EXPECT_EQ(state->NameTable[3][1], QStringLiteral("1. Gruppe A"));
    EXPECT_EQ(state->NameTable[3][4], QStringLiteral("2. Gruppe A"));
    EXPECT_EQ(state->NameTable[3][2], QStringLiteral("1. Gruppe 2"));
}

TEST(ChangeGroupDialog, StaysOpenForATeamCountThatIsNoNumberAndClampsOneAboveTwentyTwo)
{
    auto state = MakeTournament({{4}});
    ScriptedPrompter prompter;
    ChangeGroupInput input = ReadGroupForChange(*state, 1);
    input.teamCountText = QStringLiteral("vier");
    EXPECT_FALSE(ApplyGroupChange(*state, input, prompter).closes);
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(state->TeamsInGroup[1], 4);

    input.teamCountText = QStringLiteral("30");
    const ChangeGroupOutcome clamped = ApplyGroupChange(*state, input, prompter);
    EXPECT_TRUE(clamped.closes);
    EXPECT_EQ(clamped.teamCountText, QStringLiteral("22"));
    EXPECT_EQ(state->TeamsInGroup[1], 22);
}

TEST(ChangeGroupDialog, LeavesACompletedGroupAloneOnNoAndKeepsItsCarriedNames)
{
    auto state = MakeTournament({{4}, {4}});
    Link(*state, 1, 1, 2, 1);
    for (int game = 1; game <= 6; ++game)
        StoreResult(*state, 1, game, 1, 0);
    state->NameTable[2][1] = QStringLiteral("Adler");
    state->GroupCompleted[1] = true;
    ScriptedPrompter prompter;

    ChangeGroupInput input = ReadGroupForChange(*state, 1);
    input.name = QStringLiteral("Neu");
    prompter.answer({Prompter::Answer::No});
    EXPECT_TRUE(ApplyGroupChange(*state, input, prompter).closes);
    EXPECT_EQ(state->NameTable[1][0], QStringLiteral("Gruppe 1"));

    prompter.answer({Prompter::Answer::Yes});
    ApplyGroupChange(*state, input, prompter);
    EXPECT_EQ(state->NameTable[1][0], QStringLiteral("Neu"));
    EXPECT_EQ(state->NameTable[2][1], QStringLiteral("Adler"));
}

namespace {
// Every game of the group gets the result "first position : second position", in goals and as
// a sets text, so a result shows whose game it was.
void EnterPositionResults(TournamentState& state, int group)
{
    for (int game = 1; game <= GroupGameCount(state, group); ++game) {
        const PairingEntry pair = state.Pairings.PairingOf(state.TeamsInGroup[std::size_t(group)], game);
        const QString score = QStringLiteral("%1:%2  ").arg(pair.first).arg(pair.second);
        state.ResultTable[std::size_t(++state.ResultCount)] = {
            group, game, score, pair.first, pair.second, pair.first, pair.second};
    }
    state.GroupHasResults[std::size_t(group)] = true;
}

// The results that still read as their game's positions, and whether all of them do.
int ResultsOfTheirPairs(const TournamentState& state, int group)
{
    int matching = 0;
    for (int index = 1; index <= state.ResultCount; ++index) {
        const GameResult& result = state.ResultTable[std::size_t(index)];
        const PairingEntry pair =
            state.Pairings.PairingOf(state.TeamsInGroup[std::size_t(group)], result.Game);
        const bool ofItsPair = result.GoalsFirst == pair.first && result.GoalsSecond == pair.second &&
                               result.SetsFirst == pair.first && result.SetsSecond == pair.second &&
                               result.ScoreText == QStringLiteral("%1:%2  ").arg(pair.first).arg(pair.second);
        EXPECT_TRUE(ofItsPair) << "game " << result.Game;
        matching += ofItsPair ? 1 : 0;
    }
    return matching;
}
} // namespace

TEST(ChangeGroupDialog, ResultsFollowTheirPairWhenTheTeamCountOrTheReturnLegChanges)
{
    const QString asked = QStringLiteral("Diese Gruppe wurde bereits abgeschlossen und die Mannschaften "
                                         "übernommen ! Wollen Sie trotzdem fortsetzen ? ");
    struct Case {
        int teams;
        bool returnLeg;
        const char* newTeams;
        bool newReturnLeg;
        int kept;
        QString notice;
    };
    const Case cases[] = {
        {5, false, "6", false, 10, QString()},
        {5, true, "6", true, 20, QString()},
        {5, false, "4", false, 6,
         QStringLiteral("\n\nDabei werden 4 Ergebnisse gelöscht: die Spiele von 5) Gruppe 1 5.")},
        {4, true, "4", false, 6,
         QStringLiteral("\n\nDabei werden 6 Ergebnisse gelöscht: die Spiele der Rückrunde.")},
        {4, false, "4", true, 6, QString()},
        {3, true, "2", false, 1,
         QStringLiteral(
             "\n\nDabei werden 5 Ergebnisse gelöscht: die Spiele von 3) Gruppe 1 3 und die Spiele der "
             "Rückrunde.")},
    };
    for (const Case& change : cases) {
        SCOPED_TRACE(change.newTeams);
        auto state = MakeTournament({{change.teams}});
        state->ReturnLeg[1] = change.returnLeg;
        NameTeams(*state, 1);
        EnterPositionResults(*state, 1);
        state->GroupCompleted[1] = true;
        const auto before = std::make_unique<TournamentState>(*state);
        ChangeGroupInput input = ReadGroupForChange(*state, 1);
        input.teamCountText = QString::fromUtf8(change.newTeams);
        input.returnLeg = change.newReturnLeg;
        ScriptedPrompter prompter;
        prompter.answer({Prompter::Answer::No, Prompter::Answer::Yes});
        ApplyGroupChange(*state, input, prompter);
        EXPECT_TRUE(state->ResultTable == before->ResultTable) << "No changes nothing";
        ApplyGroupChange(*state, input, prompter);
        ASSERT_EQ(prompter.texts(), (QStringList{asked + change.notice, asked + change.notice}));
        EXPECT_EQ(prompter.shown()[0].defaultAnswer, Prompter::Answer::No);
        EXPECT_EQ(state->ResultCount, change.kept);
        EXPECT_EQ(ResultsOfTheirPairs(*state, 1), change.kept);
    }
}

TEST(ChangeGroupDialog, DeletesAGroupOrClearsItsResultsOnlyAfterYes)
{
    auto state = MakeTournament({{4, 4}});
    StoreResult(*state, 1, 1, 2, 0);
    StoreResult(*state, 2, 1, 1, 0);
    ScriptedPrompter prompter;

    prompter.answer({Prompter::Answer::No, Prompter::Answer::No});
    DeleteGroupFromDialog(*state, 1, prompter);
    EXPECT_FALSE(ClearResultsFromDialog(*state, 1, prompter));
    EXPECT_EQ(TotalGroups(*state), 2);
    EXPECT_EQ(state->ResultCount, 2);

    prompter.answer({Prompter::Answer::Yes});
    EXPECT_TRUE(ClearResultsFromDialog(*state, 1, prompter));
    ASSERT_EQ(state->ResultCount, 1);
    EXPECT_EQ(state->ResultTable[1].Group, 2);
    EXPECT_FALSE(state->GroupHasResults[1]);

    StoreResult(*state, 2, 2, 1, 0);
    prompter.answer({Prompter::Answer::Yes});
    DeleteGroupFromDialog(*state, 2, prompter);
    EXPECT_EQ(TotalGroups(*state), 1);
    EXPECT_EQ(state->NameTable[1][0], QStringLiteral("Gruppe 1"));
    EXPECT_EQ(state->ResultCount, 0);
}
