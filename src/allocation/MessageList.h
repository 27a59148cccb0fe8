#pragma once

#include <QString>
#include <QStringList>

// The schedule window's list "Fehlermeldungen": emptied by every allocation run, then written by
// the round reports and the schedule check, one line each.
class MessageList {
public:
    void append(const QString& line) { m_lines.append(line); }
    void clear() { m_lines.clear(); }
    const QStringList& lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }

    bool operator==(const MessageList&) const = default;

private:
    QStringList m_lines;
};
