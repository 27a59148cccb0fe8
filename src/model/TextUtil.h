#pragma once

#include <QString>

// Fixed-capacity texts keep only their first characters up to their capacity.
inline QString CutText(const QString& text, int capacity)
{
    return text.size() > capacity ? text.left(capacity) : text;
}

// The text as a message may quote it: every control character (an escape sequence would steer a
// terminal, a line break would split the message) is written as \xNN.
inline QString VisibleText(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            shown +=
                QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            shown += c;
    }
    return shown;
}
