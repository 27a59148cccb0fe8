#include "results/ScheduleGrid.h"

#include "model/TournamentState.h"
#include "results/Standings.h"

// Placeholder until the schedule grid is built.
void RenderScheduleGrid(TournamentState& state)
{
    state.TimePlanCurrent = false;
    state.TablesToGrid = true;
    ComputeAllStandings(state);
}
