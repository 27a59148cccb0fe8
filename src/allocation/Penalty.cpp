#include "allocation/Penalty.h"

#include <climits>

namespace BackToBack {
void TeamAccumulator::addRun(int length)
{
    if (m_failed || length < 2)
        return;
    const std::int64_t sum =
        length > LongestScoredRun ? std::int64_t(INT_MAX) + 1 : m_penalty + RunScore(length);
    if (sum > INT_MAX) {
        m_penalty = OverflowPenalty;
        m_failed = true;
        return;
    }
    m_penalty = int(sum);
}

void TeamAccumulator::endTeam()
{
    m_failed = false;
}

int AddTeam(int penaltySoFar, std::int64_t teamScore, bool hasLongRun)
{
    // Every score is positive, so the sum overflows at some run exactly when it overflows at the end.
    if (hasLongRun || penaltySoFar + teamScore > INT_MAX)
        return OverflowPenalty;
    return int(penaltySoFar + teamScore);
}
} // namespace BackToBack
