#include "model/TournamentFileLines.h"

#include "model/TextUtil.h"
#include "model/Windows1252.h"

namespace {
QStringList SplitLines(const QByteArray& bytes)
{
    static const QByteArray ByteOrderMark("\xEF\xBB\xBF");
    const QString text = bytes.startsWith(ByteOrderMark) ? QString::fromUtf8(bytes.mid(ByteOrderMark.size()))
                                                         : DecodeWindows1252(bytes);
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line opens no further line
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}
} // namespace

QString QuotedLine(const QString& text)
{
    constexpr int Shown = 20;
    return u'"' + VisibleText(text.left(Shown)) + (text.size() > Shown ? QStringLiteral("...") : QString()) +
           u'"';
}

TournamentFileLines::TournamentFileLines(const QByteArray& bytes) : m_lines(SplitLines(bytes)) {}

bool TournamentFileLines::onlyBlankLinesLeft() const
{
    return nextNonBlankLine() > m_lines.size();
}

int TournamentFileLines::nextNonBlankLine() const
{
    qsizetype index = m_next;
    while (index < m_lines.size() && m_lines.at(index).trimmed().isEmpty())
        ++index;
    return int(index) + 1;
}

QString TournamentFileLines::text()
{
    if (atEnd())
        failAt(lineNumber() + 1, QStringLiteral("Die Datei endet vor dieser Zeile."));
    return m_lines.at(m_next++);
}

QString TournamentFileLines::text(int limit, const QString& what)
{
    const QString line = text();
    if (line.size() <= limit)
        return line;
    notice(QStringLiteral("%1 ist länger als %2 Zeichen und wurde gekürzt (%3).")
               .arg(QuotedLine(line))
               .arg(limit)
               .arg(what));
    return line.left(limit);
}

int TournamentFileLines::number(int min, int max, const QString& what)
{
    const QString line = text();
    bool isNumber = false;
    const qlonglong value = line.trimmed().toLongLong(&isNumber, 10);
    if (!isNumber)
        fail(QuotedLine(line) + QStringLiteral(" ist keine Zahl (%1).").arg(what));
    if (value < min || value > max) {
        fail(QStringLiteral("%1 liegt außerhalb von %2 bis %3 (%4).")
                 .arg(QuotedLine(line))
                 .arg(min)
                 .arg(max)
                 .arg(what));
    }
    return int(value);
}

void TournamentFileLines::noticeAt(int line, const QString& text)
{
    m_notices.append(QStringLiteral("Zeile %1: %2").arg(line).arg(text));
}
