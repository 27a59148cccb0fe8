#pragma once

#include <QString>

// Fixed-capacity texts keep only their first characters up to their capacity.
inline QString CutText(const QString& text, int capacity)
{
    return text.size() > capacity ? text.left(capacity) : text;
}
