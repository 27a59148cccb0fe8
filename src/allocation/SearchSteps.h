#pragma once

#include <functional>
#include <utility>

// Told how far an allocation run has come (`done` of `total` steps); answers false to stop it.
using AllocationProgress = std::function<bool(long long done, long long total)>;

// The steps of one run's searches, a thousand trials of the random search or ten thousand of the
// optimiser each, counted over the whole run. After every step it asks the run's progress
// callback whether to go on; once the answer was no, every further step is refused.
class SearchSteps {
public:
    SearchSteps(AllocationProgress progress, long long total)
        : m_progress(std::move(progress)), m_total(total)
    {
    }

    // One step done; false when the run is to stop.
    bool step() { return advanceTo(m_done + 1); }
    // The steps up to `done` are done, also those a search did not need.
    bool advanceTo(long long done)
    {
        m_done = done;
        if (!m_stopped && m_progress)
            m_stopped = !m_progress(m_done, m_total);
        return !m_stopped;
    }
    bool stopped() const { return m_stopped; }
    long long done() const { return m_done; }

private:
    AllocationProgress m_progress;
    long long m_total = 0;
    long long m_done = 0;
    bool m_stopped = false;
};
