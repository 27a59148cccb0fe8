#include "help/HelpHistory.h"

#include <algorithm>

void HelpHistory::push(int topic)
{
    if (m_position >= Capacity)
        std::copy(m_topics.begin() + 2, m_topics.end(), m_topics.begin() + 1);
    else
        ++m_position;
    m_topics[std::size_t(m_position)] = topic;
    m_reached = std::max(m_reached, m_position);
}

bool HelpHistory::back()
{
    if (m_position <= 1)
        return false;
    --m_position;
    return true;
}

bool HelpHistory::forward()
{
    if (m_position >= Capacity || at(m_position + 1) <= 0)
        return false;
    ++m_position;
    return true;
}

void HelpHistory::clear()
{
    *this = HelpHistory();
}

int HelpHistory::at(int position) const
{
    return position >= 1 && position <= Capacity ? m_topics[std::size_t(position)] : 0;
}
