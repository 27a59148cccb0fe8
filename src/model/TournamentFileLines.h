#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <climits>

// The lines of a tournament file as the reader takes them: in order, each fault thrown as a
// TournamentFileFault naming its line, each value that had to be adapted noted with its line.

struct TournamentFileFault {
    int line;
    QString reason;
};

// The line as a message quotes it: at most 20 characters, control characters escaped.
QString QuotedLine(const QString& text);

class TournamentFileLines {
public:
    // Windows-1252, or UTF-8 behind a byte-order mark; CR LF or LF line ends.
    explicit TournamentFileLines(const QByteArray& bytes);

    bool atEnd() const { return m_next >= m_lines.size(); }
    // Only empty or blank lines are left (an editor may add some at the end).
    bool onlyBlankLinesLeft() const;
    // The 1-based number of the next line that is not blank; past the end when there is none.
    int nextNonBlankLine() const;
    // The 1-based number of the line handed out last.
    int lineNumber() const { return int(m_next); }

    QString text();
    // A text of at most `limit` characters; a longer one is cut, with a notice.
    QString text(int limit, const QString& what);
    void skip() { text(); }
    // A decimal integer within [min, max]; `what` names the value in the failure text.
    int number(int min, int max, const QString& what);
    int anyNumber(const QString& what) { return number(INT_MIN, INT_MAX, what); }

    [[noreturn]] void fail(const QString& reason) const { failAt(lineNumber(), reason); }
    [[noreturn]] static void failAt(int line, const QString& reason)
    {
        throw TournamentFileFault{line, reason};
    }
    // Notes that the value of the line just read was adapted: "Zeile <n>: <text>".
    void notice(const QString& text) { noticeAt(lineNumber(), text); }
    void noticeAt(int line, const QString& text);
    const QStringList& notices() const { return m_notices; }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
    QStringList m_notices;
};
