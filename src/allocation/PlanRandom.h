#pragma once

#include <cstdint>

// The search's own generator, so that the same tournament always gives the same plan:
// seed := seed x 134775813 + 1 (mod 2^32), and Random(n) is the high half of seed x n.
class PlanRandom {
public:
    explicit PlanRandom(std::uint32_t seed = 1) : m_seed(seed) {}

    // A number in 0..n-1 for n >= 1.
    int Random(int n)
    {
        m_seed = m_seed * 134775813u + 1u;
        return int((std::uint64_t(m_seed) * std::uint32_t(n)) >> 32);
    }
    std::uint32_t seed() const { return m_seed; }

private:
    std::uint32_t m_seed;
};
