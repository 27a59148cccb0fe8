// The assistant's structures for the usual numbers of teams and fields: each is created, passes
// the schedule check, has the games and end time it was offered with, and played through with
// the stronger team always winning, carries the right teams on and decides every place once.
#include "assistant/TournamentAssistant.h"
#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "results/Standings.h"
#include "structure/Advancement.h"
#include "structure/ScheduleCheck.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QHash>

#include <algorithm>
#include <map>
#include <memory>

namespace {
QList<TeamEntry> NumberedTeams(int count)
{
    QList<TeamEntry> teams;
    for (int index = 1; index <= count; ++index)
        teams.append({QStringLiteral("Team %1").arg(index), {}});
    return teams;
}

class PlayThrough {
public:
    PlayThrough(TournamentState& state, const QList<TeamEntry>& teams) : m_state(state)
    {
        for (int index = 0; index < teams.size(); ++index)
            m_strength.insert(teams.at(index).Name, index); // lower is stronger
    }

    // The names of the group's positions from the strongest down: its order of places.
    QStringList PlacesOf(int group) const
    {
        QStringList names;
        for (int slot = 1; slot <= m_state.TeamsInGroup[std::size_t(group)]; ++slot)
            names.append(m_state.NameTable[std::size_t(group)][std::size_t(slot)]);
        std::sort(names.begin(), names.end(), [this](const QString& a, const QString& b) {
            return m_strength.value(a) < m_strength.value(b);
        });
        return names;
    }

    // Every game won 2:0 by the stronger team, then what result entry does at the group's end.
    void PlayGroup(int group)
    {
        const int teams = m_state.TeamsInGroup[std::size_t(group)];
        for (int game = 1; game <= GroupGameCount(m_state, group); ++game) {
            const PairingEntry pairing = m_state.Pairings.PairingOf(teams, game);
            const QString& first = m_state.NameTable[std::size_t(group)][std::size_t(pairing.first)];
            const QString& second = m_state.NameTable[std::size_t(group)][std::size_t(pairing.second)];
            const int goals = m_strength.value(first) < m_strength.value(second) ? 2 : 0;
            m_state.ResultTable[std::size_t(++m_state.ResultCount)] = {
                group, game, QStringLiteral("%1:%2").arg(goals).arg(2 - goals), 0, 0, goals, 2 - goals};
        }
        m_state.GroupHasResults[std::size_t(group)] = true;
        ComputeStandings(m_state, group);
        CheckGroupCompletion(m_state, group);
    }

    bool Knows(const QString& name) const { return m_strength.contains(name); }

private:
    TournamentState& m_state;
    QHash<QString, int> m_strength;
};

// Teams, fields.
class AssistantStructures : public ::testing::TestWithParam<std::tuple<int, int>> {
protected:
    void SetUp() override { state->Pairings = BuildPairingTable(); }

    std::unique_ptr<TournamentState> state = std::make_unique<TournamentState>();
    std::unique_ptr<AllocationOutput> output = std::make_unique<AllocationOutput>();
    ScriptedPrompter prompter;
};
} // namespace

TEST_P(AssistantStructures, EveryOfferedStructureIsBuiltCheckedPlannedAndPlayedThrough)
{
    const auto [teamCount, fields] = GetParam();
    const AssistantInput input{teamCount, fields, 12, 3, QStringLiteral("9:00"), {}};
    const std::vector<StructureProposal> proposals = ProposeStructures(input, *state);
    ASSERT_GE(proposals.size(), 4U);
    const QList<TeamEntry> teams = NumberedTeams(input.Teams);
    for (const StructureProposal& proposal : proposals) {
        SCOPED_TRACE(proposal.Blueprint.Title.toStdString());
        ApplyBlueprint(*state, proposal.Blueprint, input, teams, NameOrder::Seeded, 0, prompter);
        EXPECT_EQ(TotalGameCount(*state), proposal.Games);
        EXPECT_EQ(state->RoundCount, proposal.Rounds);
        EXPECT_TRUE(ScheduleCheckPassed(CheckSchedule(*state, false, QStringLiteral("9:00:00"))));
        ASSERT_TRUE(RunAllocation(*state, *output, prompter));
        EXPECT_EQ(output->EndClock, proposal.EndTime);
        EXPECT_EQ(state->NamePoolCount, input.Teams);

        PlayThrough play(*state, teams);
        std::map<int, QString> decided;
        for (int group = 1; group <= TotalGroups(*state); ++group) {
            for (int slot = 1; slot <= state->TeamsInGroup[std::size_t(group)]; ++slot)
                ASSERT_TRUE(play.Knows(state->NameTable[std::size_t(group)][std::size_t(slot)]))
                    << "group " << group << " position " << slot << " has no team";
            play.PlayGroup(group);
            const QStringList places = play.PlacesOf(group);
            for (const PlannedReferral& referral : proposal.Blueprint.Referrals) {
                if (referral.FromGroup == group) {
                    EXPECT_EQ(state->NameTable[std::size_t(referral.ToGroup)][std::size_t(referral.ToSlot)],
                              places.at(referral.FromPlace - 1));
                }
            }
            for (const DecidedPlace& place : proposal.Blueprint.Places) {
                if (place.Group == group) {
                    EXPECT_TRUE(decided.emplace(place.OverallPlace, places.at(place.Place - 1)).second);
                }
            }
        }
        const int placesDecided = int(proposal.Blueprint.Places.size());
        ASSERT_EQ(int(decided.size()), placesDecided);
        EXPECT_EQ(decided.begin()->second, teams.first().Name); // the strongest wins every structure
        EXPECT_EQ(decided.rbegin()->first, placesDecided);
        QStringList winners;
        for (const auto& [place, name] : decided)
            winners.append(name);
        winners.removeDuplicates();
        EXPECT_EQ(int(winners.size()), placesDecided);
        // Only the final round of group winners and the knockout without placement games leave
        // the lower places open.
        const StructureKind kind = proposal.Blueprint.Kind;
        if (kind != StructureKind::GroupsThenFinal && kind != StructureKind::GroupsThenKnockout) {
            EXPECT_EQ(placesDecided, input.Teams);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TeamsAndFields, AssistantStructures,
                         ::testing::Combine(::testing::Values(8, 12, 16, 24, 32, 48),
                                            ::testing::Range(2, 7)));

// 240 games of 12 minutes on 2 fields take exactly one day: the clock shows the start again.
TEST(AssistantProposals, AnEndOnTheNextDayIsNotInTime)
{
    auto state = std::make_unique<TournamentState>();
    state->Pairings = BuildPairingTable();
    const AssistantInput input{16, 2, 10, 2, QStringLiteral("9:00"), QStringLiteral("18:00")};
    const std::vector<StructureProposal> proposals = ProposeStructures(input, *state);
    ASSERT_GE(proposals.size(), 2U);
    const StructureProposal& returnLeg = proposals[1];
    ASSERT_EQ(returnLeg.Blueprint.Kind, StructureKind::OneGroupReturnLeg);
    EXPECT_EQ(returnLeg.EndTime, QStringLiteral("9:00"));
    EXPECT_EQ(returnLeg.EndMinutes, 9 * 60 + 24 * 60);
    EXPECT_FALSE(returnLeg.EndsInTime);
    EXPECT_TRUE(ProposalFigures(returnLeg).contains(QStringLiteral("Ende 9:00 (+1 Tag)")));
    EXPECT_TRUE(proposals.back().EndsInTime);
}
