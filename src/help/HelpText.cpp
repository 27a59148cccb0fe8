#include "help/HelpText.h"

#include <algorithm>

namespace {
const QString MarkerPrefix = QStringLiteral("##");
} // namespace

qsizetype FindHelpTopic(const QString& text, int topic)
{
    return text.indexOf(MarkerPrefix + QString::number(topic));
}

QString HelpWordAt(const QString& line, qsizetype column)
{
    if (column < 0 || column >= line.size())
        return {};
    const qsizetype start = std::max<qsizetype>(line.lastIndexOf(QLatin1Char(' '), column), 0);
    qsizetype end = line.indexOf(QLatin1Char(' '), column + 1);
    if (end < 0)
        end = line.size();
    return line.mid(start, end - start);
}

std::optional<int> ReferencedHelpTopic(const QString& word)
{
    const qsizetype hash = word.indexOf(QLatin1Char('#'));
    const qsizetype start = hash < 0 ? 0 : hash + 1;
    qsizetype end = start;
    while (end < word.size() && word[end].isDigit() && word[end].unicode() < 0x80)
        ++end;
    if (end == start)
        return std::nullopt;
    bool isNumber = false;
    const int topic = word.mid(start, end - start).toInt(&isNumber);
    return isNumber ? std::optional<int>(topic) : std::nullopt;
}
