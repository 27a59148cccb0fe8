#pragma once

#include <array>

// The topics the help window has shown, oldest first, and the position of the one on screen.
// Asking for a new topic writes it after the current position without clearing what follows,
// so "&vor" can still reach older entries beyond it.
class HelpHistory {
public:
    static constexpr int Capacity = 30;

    // Records `topic` after the current position; when full, the oldest entry is dropped.
    void push(int topic);
    // "&zurück" and "&vor": move one step when possible; false when the position stays.
    bool back();
    bool forward();
    void clear();

    int position() const { return m_position; }
    // The topic at `position` (1..30); 0 for an empty entry.
    int at(int position) const;
    int current() const { return at(m_position); }
    // The highest position ever reached: the maximum of the history scroll bar.
    int reached() const { return m_reached; }

private:
    std::array<int, Capacity + 1> m_topics{};
    int m_position = 0;
    int m_reached = 1;
};
