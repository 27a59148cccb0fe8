#include "allocation/Penalty.h"

#include "AllocationTestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {
const QString DepthError =
    QStringLiteral("Die Rechentiefe \"fünfzig\" ist keine ganze Zahl. Die Platzverteilung wurde nicht "
                   "berechnet. Bitte in den "
                   "Einstellungen bei \"Rechentiefe Platzverteilung\" eine Zahl eingeben (Standard ist 50).");

// Every game of every planned round stands exactly once in the plan, and no team stands twice in
// one slot row.
void ExpectEveryGameOnce(const TournamentState& state, const TextGrid& plan, int firstRound, int lastRound)
{
    std::set<std::pair<int, int>> games;
    for (int row = 0; row < plan.rowCount(); ++row) {
        std::set<std::pair<int, int>> teamsInRow;
        for (int col = 2; col < plan.columnCount(); ++col) {
            const QStringList tag = plan.tag(col, row).split(QLatin1Char(' '));
            if (tag.size() != 3)
                continue;
            const int group = tag[0].toInt();
            if (tag[1] == QLatin1String("manschc")) {
                EXPECT_TRUE(games.insert({group, tag[2].toInt()}).second) << "game " << tag[2].toInt();
            }
            if (tag[1] == QLatin1String("manscha") || tag[1] == QLatin1String("manschb")) {
                EXPECT_TRUE(teamsInRow.insert({group, tag[2].toInt()}).second) << "row " << row;
            }
        }
    }
    std::size_t expected = 0;
    for (int group = FirstGroupOfRound(state, firstRound); group <= LastGroupOfRound(state, lastRound);
         ++group)
        expected += std::size_t(GroupGameCount(state, group));
    EXPECT_EQ(games.size(), expected);
}

int HeaderRow(const TextGrid& plan, int round)
{
    for (int row = 0; row < plan.rowCount(); ++row) {
        if (plan.cell(1, row) == QStringLiteral("Runde %1").arg(round))
            return row;
    }
    return -1;
}
} // namespace

TEST(Allocation, TheSameTournamentGivesTheSamePlanEveryTime)
{
    auto state =
        MakeTournament({{{5, 5, 5, 5, 5, 5, 5, 5}, 6}, {{6, 6}, 4, true}, {{4, 4, 3}, 3, false, true}});
    state->PauseList = {QStringLiteral("10:00   00:30"), QStringLiteral("12:00   1:00")};
    state->ResultCount = 1;
    state->ResultTable[1] = {2, 3, QStringLiteral("2:1"), 0, 0, 2, 1};
    const auto first = Allocate(*state);
    const TextGrid firstFieldPlan = state->FieldPlan;
    const auto second = Allocate(*state);
    EXPECT_TRUE(first->TimePlan == second->TimePlan);
    EXPECT_EQ(first->Messages.lines(), second->Messages.lines());
    EXPECT_EQ(first->RoundPenalty, second->RoundPenalty);
    EXPECT_TRUE(firstFieldPlan == state->FieldPlan);
    ExpectEveryGameOnce(*state, first->TimePlan, 1, 3);
    EXPECT_TRUE(state->TimePlanCurrent);
}

TEST(Allocation, TheLargestRoundIsPlannedCompletely)
{
    auto state = MakeTournament({{std::vector<int>(10, 20), 50, true}});
    state->Settings.SearchDepth = QStringLiteral("1");
    const auto output = Allocate(*state);
    ExpectEveryGameOnce(*state, output->TimePlan, 1, 1);
    EXPECT_GE(output->RoundPenalty[1], 0);
}

TEST(Allocation, ADepthThatIsNoNumberStopsTheRunBeforeAnythingChangesButOnlyWhenARoundIsSearched)
{
    auto state = MakeTournament({{{4, 4}, 3}});
    state->Settings.SearchDepth = QStringLiteral("fünfzig");
    state->FieldPlan.resize(3, 3);
    state->FieldPlan.setCell(1, 1, QStringLiteral("noch nicht"));
    const TextGrid fieldPlan = state->FieldPlan;
    AllocationOutput output;
    output.TimePlan.resize(2, 2);
    output.TimePlan.setCell(1, 1, QStringLiteral("alter Plan"));
    output.Messages.append(QStringLiteral("alte Meldung"));
    output.GameListRound = 1;
    ScriptedPrompter prompter;
    EXPECT_FALSE(RunAllocation(*state, output, prompter));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("Fehler"));
    EXPECT_EQ(prompter.shown()[0].text, DepthError);
    EXPECT_TRUE(state->FieldPlan == fieldPlan);
    EXPECT_EQ(output.TimePlan.cell(1, 1), QStringLiteral("alter Plan"));
    EXPECT_EQ(output.Messages.lines(), QStringList({QStringLiteral("alte Meldung")}));
    EXPECT_FALSE(state->TimePlanCurrent);

    // One field per group, and no more fields than groups: no round reaches the search.
    SetRounds(*state, {{{4, 4}, 3, false, true}, {{4, 4}, 2}});
    prompter.clear();
    EXPECT_TRUE(RunAllocation(*state, output, prompter));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(Allocation, ProgressCountsEveryStepOfTheRunAndCancellingChangesNothing)
{
    // Round 1 is searched (three fields, two groups), round 2 is not.
    auto state = MakeTournament({{{4, 4}, 3}, {{4}, 1}});
    state->Settings.SearchDepth = QStringLiteral("7");
    std::vector<long long> steps;
    AllocationOptions options;
    options.Progress = [&steps](long long done, long long total) {
        EXPECT_EQ(total, 1 + 7 + 1);
        steps.push_back(done);
        return true;
    };
    const auto planned = Allocate(*state, options);
    EXPECT_EQ(steps, (std::vector<long long>{1, 2, 3, 4, 5, 6, 7, 8, 9}));

    // Cancelled in the middle of the search: the previous plan stays, with a line that says so.
    const TextGrid fieldPlan = state->FieldPlan;
    state->TimePlanCurrent = false;
    AllocationOutput output = *planned;
    options.Progress = [](long long done, long long) { return done < 3; };
    ScriptedPrompter prompter;
    EXPECT_FALSE(RunAllocation(*state, output, prompter, options));
    EXPECT_TRUE(output.TimePlan == planned->TimePlan);
    EXPECT_EQ(
        output.Messages.lines(),
        QStringList{QStringLiteral("Die Berechnung der Platzverteilung wurde abgebrochen; der Zeitplan wurde "
                                   "nicht neu berechnet.")});
    EXPECT_TRUE(state->FieldPlan == fieldPlan);
    EXPECT_FALSE(state->TimePlanCurrent);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(Allocation, TheDepthGivenForOneRunReplacesTheSetting)
{
    auto state = MakeTournament({{{5, 5, 5}, 5}});
    state->Settings.SearchDepth = QStringLiteral("0");
    const int afterRepair = Allocate(*state)->RoundPenalty[1];
    state->Settings.SearchDepth = QStringLiteral("-3");
    EXPECT_EQ(Allocate(*state)->RoundPenalty[1], afterRepair);
    EXPECT_LT(Allocate(*state, {QStringLiteral(" 20 "), SearchMethod::Incremental, {}})->RoundPenalty[1],
              afterRepair);
}

struct OversizedRound {
    const char* name;
    RoundShape shape;
    QString message;
};

class OversizedRounds : public testing::TestWithParam<OversizedRound> {};

TEST_P(OversizedRounds, ARoundBeyondTheTablesIsLeftOutAndNamed)
{
    const OversizedRound& oversized = GetParam();
    auto state = MakeTournament({{{3}, 1}, oversized.shape, {{4}, 2}});
    const auto output = Allocate(*state);
    const QStringList& lines = output->Messages.lines();
    ASSERT_EQ(lines.size(), 5) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lines.at(0), QStringLiteral("Runde 1 Doppelspiele: 2"));
    EXPECT_EQ(lines.at(2), oversized.message);
    EXPECT_EQ(lines.at(3), QStringLiteral("Runde 3 Doppelspiele: 8"));
    EXPECT_EQ(output->RoundPenalty[2], -1);
    EXPECT_EQ(HeaderRow(output->TimePlan, 2), -1);
    // Round 3 follows round 1 directly: 4 + 3 + 2 x 3 + 4.
    EXPECT_EQ(HeaderRow(output->TimePlan, 3), 17);
    EXPECT_EQ(output->TimePlan.cell(1, 21), QStringLiteral("9:30"));
}

INSTANTIATE_TEST_SUITE_P(
    Allocation, OversizedRounds,
    testing::Values(
        OversizedRound{
            "GroupOf21",
            {{4, 21}, 3},
            QStringLiteral("Runde 2 wurde nicht eingeteilt: Gruppe 3 hat 21 Mannschaften, Spielpläne gibt "
                           "es nur für Gruppen mit 2 bis 20 Mannschaften.")},
        OversizedRound{
            "TooManyTeams",
            {std::vector<int>(11, 20), 12},
            QStringLiteral(
                "Runde 2 wurde nicht eingeteilt: sie hat 220 Mannschaften, höchstens 200 sind möglich.")},
        OversizedRound{
            "TooManyFields",
            {{4}, 60},
            QStringLiteral(
                "Runde 2 wurde nicht eingeteilt: sie hat 60 Spielplätze, höchstens 50 sind möglich.")},
        OversizedRound{
            "TooManySlots",
            {{20, 20, 20}, 1, true},
            QStringLiteral("Runde 2 wurde nicht eingeteilt: ihre Spiele brauchen mehr als 900 "
                           "Anspielzeiten. Bitte mehr Spielplätze vorsehen oder weniger Spiele in diese "
                           "Runde legen.")},
        OversizedRound{
            "OneFieldPerGroupOnTooFewFields",
            {{4, 4, 4}, 2, false, true},
            QStringLiteral("Runde 2 wurde nicht eingeteilt: jede Gruppe soll auf einem eigenen Platz "
                           "spielen, aber es gibt nur 2 Spielplätze für 3 Gruppen.")},
        OversizedRound{"NoField",
                       {{4}, 0},
                       QStringLiteral("Runde 2 wurde nicht eingeteilt: sie hat keinen Spielplatz.")}),
    [](const testing::TestParamInfo<OversizedRound>& info) { return std::string(info.param.name); });

TEST(Allocation, ARoundBeyondTheGroupTablesIsLeftOut)
{
    auto state = MakeTournament({{{3}, 1}, {{4}, 2}});
    state->RoundCount = 3;
    state->GroupsInRound[3] = 99; // groups 3..101
    state->FieldsInRound[3] = 2;
    const auto output = Allocate(*state);
    EXPECT_EQ(
        output->Messages.lines().last(),
        QStringLiteral("Runde 3 wurde nicht eingeteilt: ihre Gruppen reichen über die Gruppe 100 hinaus."));
    EXPECT_EQ(HeaderRow(output->TimePlan, 2), 17);
}

TEST(Allocation, ADamagedPairingBlockIsNotRead)
{
    auto state = MakeTournament({{{5}, 2}, {{4}, 2}});
    for (int game = 1; game <= 20; ++game)
        state->Pairings.setEntry(PairingTable::PairingBlockStart(5) + game, {});
    const auto output = Allocate(*state);
    EXPECT_EQ(
        output->Messages.lines().first(),
        QStringLiteral("Runde 1 wurde nicht eingeteilt: die Spielpaarungen für Gruppen mit 5 Mannschaften "
                       "fehlen in der Datei DATEN1.DAT."));
    EXPECT_EQ(HeaderRow(output->TimePlan, 2), 4);
}
