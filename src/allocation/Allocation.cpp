#include "allocation/Allocation.h"

#include "allocation/AllocationOutput.h"
#include "allocation/IncrementalPenalty.h"
#include "allocation/PlanOptimiser.h"
#include "allocation/Referees.h"
#include "allocation/ReferenceSearch.h"
#include "allocation/RoundCheck.h"
#include "allocation/RoundFill.h"
#include "allocation/RoundReport.h"
#include "allocation/RoundTeams.h"
#include "allocation/Search.h"
#include "allocation/SlotPresence.h"
#include "allocation/SlotTable.h"
#include "allocation/TimePlan.h"
#include "model/Prompter.h"
#include "model/TextUtil.h"
#include "model/TournamentState.h"

#include <algorithm>
#include <memory>

namespace {
int PlannedRounds(const TournamentState& state)
{
    return std::clamp(state.RoundCount, 0, Limits::MaxRounds);
}

// The random search runs on rounds with more fields than groups, unless every group has its own.
bool RoundIsSearched(const TournamentState& state, int round)
{
    return !state.OneFieldPerGroup[std::size_t(round)] &&
           state.FieldsInRound[std::size_t(round)] > state.GroupsInRound[std::size_t(round)];
}

// The optimising search runs on every round, bounded by the same depth.
bool SearchDepthNeeded(const TournamentState& state, bool optimise)
{
    for (int round = 1; round <= PlannedRounds(state); ++round) {
        if (optimise || RoundIsSearched(state, round))
            return true;
    }
    return false;
}

QString DepthErrorText(const QString& depth)
{
    return QStringLiteral("Die Rechentiefe \"") + VisibleText(depth) +
           QStringLiteral(
               "\" ist keine ganze Zahl. Die Platzverteilung wurde nicht berechnet. Bitte in den "
               "Einstellungen bei \"Rechentiefe Platzverteilung\" eine Zahl eingeben (Standard ist 50).");
}

// The working tables of one run, allocated once and reused for every round.
class RoundAllocator {
public:
    RoundAllocator(const TournamentState& state, SearchMethod method, int depth, bool optimise,
                   SearchSteps& steps)
        : m_state(state), m_method(method), m_depth(depth), m_optimise(optimise), m_steps(steps)
    {
    }

    // Fills and improves the round's table and gives every game a referee. Returns the round's
    // penalty, or nothing when the round does not fit the tables (the reason is in `problem`).
    std::optional<int> planRound(const RoundTeams& teams, QString& problem);
    void reportRound(MessageList& messages, const RoundTeams& teams) const;
    void packRound(const RoundTeams& teams);
    const SlotTable& table() const { return m_table; }

private:
    int improve(const RoundTeams& teams);
    int optimise(const RoundTeams& teams, int penalty);
    int penaltyOfTable(const RoundTeams& teams);
    int fieldCount(const RoundTeams& teams) const { return m_state.FieldsInRound[std::size_t(teams.Round)]; }

    const TournamentState& m_state;
    SearchMethod m_method;
    int m_depth;
    bool m_optimise;
    SearchSteps& m_steps;
    SlotTable m_table;
    PlanOptimiser m_optimiser;
    SlotPresence m_presence;
    RefereeCounts m_refereeCount{};
};

std::optional<int> RoundAllocator::planRound(const RoundTeams& teams, QString& problem)
{
    const int round = teams.Round;
    m_refereeCount.fill(0);
    m_table.clear();
    if (const std::optional<QString> reason = RoundProblem(m_state, teams)) {
        problem = *reason;
        return std::nullopt;
    }
    int penalty = 0;
    if (m_state.OneFieldPerGroup[std::size_t(round)]) {
        FillByGroup(m_table, teams, m_state.Pairings);
        penalty = penaltyOfTable(teams);
    } else {
        if (!FillByMatchdayRotation(m_table, teams, m_state.Pairings, fieldCount(teams))) {
            problem = TooManySlotsMessage(round);
            return std::nullopt;
        }
        penalty = RoundIsSearched(m_state, round) ? improve(teams) : penaltyOfTable(teams);
    }
    if (m_optimise)
        penalty = optimise(teams, penalty);
    AssignReferees(m_table, teams, fieldCount(teams), m_refereeCount);
    return penalty;
}

int RoundAllocator::improve(const RoundTeams& teams)
{
    const int slotCount = m_table.slotCount();
    const int fields = fieldCount(teams);
    if (m_method == SearchMethod::FullRecomputation) {
        ReferenceSearch::RepairBackToBack(m_table, slotCount, fields);
        return ReferenceSearch::RandomSearch(m_table, slotCount, fields, teams.TeamCount, m_depth);
    }
    m_presence.build(m_table, slotCount, fields);
    RepairBackToBack(m_table, m_presence, slotCount, fields);
    return RandomSearch(m_table, m_presence, slotCount, fields, teams.TeamCount, m_depth, &m_steps);
}

int RoundAllocator::optimise(const RoundTeams& teams, int penalty)
{
    const OptimisedRound round{m_table.slotCount(), fieldCount(teams), teams.TeamCount,
                               m_state.OneFieldPerGroup[std::size_t(teams.Round)], m_depth};
    return m_optimiser.improve(m_table, round, penalty, &m_steps);
}

int RoundAllocator::penaltyOfTable(const RoundTeams& teams)
{
    const int slotCount = m_table.slotCount();
    const int fields = fieldCount(teams);
    if (m_method == SearchMethod::FullRecomputation)
        return ReferenceSearch::BackToBackPenalty(m_table, slotCount, fields, teams.TeamCount);
    m_presence.build(m_table, slotCount, fields);
    return BackToBackPenalty(m_presence, slotCount, teams.TeamCount);
}

void RoundAllocator::reportRound(MessageList& messages, const RoundTeams& teams) const
{
    ReportRound(messages, teams.Round, m_table, fieldCount(teams), teams.TeamCount, m_refereeCount,
                m_state.Settings.RefereesEnabled);
}

void RoundAllocator::packRound(const RoundTeams& teams)
{
    if (!m_state.OneFieldPerGroup[std::size_t(teams.Round)])
        PackSlots(m_table, fieldCount(teams));
}

// The steps of a whole run: the searched rounds' depth, the optimiser's depth on every round, and
// one step per round for all the rest.
long long StepsOfRound(const TournamentState& state, int round, int depth, bool optimise)
{
    const long long searchDepth = std::max(0, depth);
    return 1 + (RoundIsSearched(state, round) ? searchDepth : 0) + (optimise ? searchDepth : 0);
}

const QString CancelledText = QStringLiteral(
    "Die Berechnung der Platzverteilung wurde abgebrochen; der Zeitplan wurde nicht neu berechnet.");

// The persisted field plan takes the time plan, on a grid at least as large as the schedule grid
// and never smaller than the time plan, so that no cell of the plan is lost.
void CopyIntoFieldPlan(TournamentState& state, const TextGrid& timePlan)
{
    const int columns = std::max(state.ScheduleGrid.columnCount(), timePlan.columnCount());
    const int rows = std::max(state.ScheduleGrid.rowCount(), timePlan.rowCount());
    state.FieldPlan = timePlan;
    state.FieldPlan.resize(columns, rows);
    state.FieldPlan.clearColours();
}
} // namespace

std::optional<int> ParseSearchDepth(const QString& text)
{
    bool ok = false;
    const int depth = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(depth) : std::nullopt;
}

bool RunAllocation(TournamentState& state, AllocationOutput& output, Prompter& prompter,
                   const AllocationOptions& options)
{
    const QString depthText = options.SearchDepth.value_or(state.Settings.SearchDepth);
    const bool optimise = options.Optimise.value_or(state.Settings.OptimiseAllocation);
    int depth = 0;
    if (SearchDepthNeeded(state, optimise)) {
        const std::optional<int> parsed = ParseSearchDepth(depthText);
        if (!parsed) {
            prompter.inform(QStringLiteral("Fehler"), DepthErrorText(depthText));
            return false;
        }
        depth = *parsed;
    }

    long long totalSteps = 0;
    for (int round = 1; round <= PlannedRounds(state); ++round)
        totalSteps += StepsOfRound(state, round, depth, optimise);
    SearchSteps steps(options.Progress, totalSteps);
    // Only a run that can be cancelled needs the plan it may have to give back.
    const TextGrid previousPlan = options.Progress ? output.TimePlan : TextGrid();

    output.Messages.clear();
    output.RoundPenalty.fill(-1);
    TimePlanWriter writer(state, output, prompter);
    writer.BeginTimePlan();
    auto allocator = std::make_unique<RoundAllocator>(state, options.Method, depth, optimise, steps);
    long long stepsDone = 0;
    for (int round = 1; round <= PlannedRounds(state); ++round) {
        const RoundTeams teams = MakeRoundTeams(state, round);
        QString problem;
        const std::optional<int> penalty = allocator->planRound(teams, problem);
        stepsDone += StepsOfRound(state, round, depth, optimise);
        if (!steps.advanceTo(stepsDone)) {
            output.TimePlan = previousPlan;
            output.Messages.clear();
            output.Messages.append(CancelledText);
            output.GameListRound = 0;
            return false;
        }
        if (!penalty) {
            output.Messages.append(problem);
            continue;
        }
        output.RoundPenalty[std::size_t(round)] = *penalty;
        allocator->reportRound(output.Messages, teams);
        allocator->packRound(teams);
        writer.WriteRoundTimePlan(round, allocator->table(), teams);
        if (round == output.GameListRound && options.WriteGameLists)
            options.WriteGameLists(round);
    }
    writer.finish();
    output.EndClock = writer.clock();
    CopyIntoFieldPlan(state, output.TimePlan);
    MarkChanged(state, QStringLiteral("Platzverteilung berechnet"));
    state.TimePlanCurrent = true;
    output.GameListRound = 0;
    return true;
}
