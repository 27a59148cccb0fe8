#include "structure/Advancement.h"

#include "model/TournamentState.h"

// Placeholder until referrals and advancement are built.
void CheckGroupCompletion(TournamentState& state, int group)
{
    (void)state;
    (void)group;
}
