#include "structure/TimeText.h"

#include "model/Limits.h"
#include "model/Prompter.h"

#include <algorithm>
#include <climits>

namespace {
constexpr int MinutesPerDay = 1440;
constexpr int PauseLineLength = 20;
constexpr int PauseStartWidth = 8;

// Only plain decimal digits count as a number: no sign, no blanks.
std::optional<int> digitsValue(const QString& text)
{
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
} // namespace

QString FormatTimeText(int minutes)
{
    // Whole days are dropped, but a full day itself stays 24:00.
    if (minutes > MinutesPerDay)
        minutes = (minutes - 1) % MinutesPerDay + 1;
    if (minutes < 0) {
        minutes %= MinutesPerDay;
        if (minutes < 0)
            minutes += MinutesPerDay;
    }
    return minutes < 10 ? QStringLiteral("0:0%1").arg(minutes)
           : minutes < 60
               ? QStringLiteral("00:%1").arg(minutes)
               : QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

std::optional<int> TryParseTimeText(const QString& input)
{
    const QString text = input.left(Limits::TimeTextLength).trimmed();
    qsizetype stop = 0;
    while (stop < text.size() - 1 && text[stop].isDigit())
        ++stop;
    if (stop >= text.size() - 1)
        return digitsValue(text);
    const std::optional<int> hours = digitsValue(text.left(stop));
    const std::optional<int> minutes = digitsValue(text.mid(stop + 1));
    if (!hours || !minutes || *hours > (INT_MAX - *minutes) / 60)
        return std::nullopt;
    return *hours * 60 + *minutes;
}

int ParseTimeText(const QString& text, Prompter& prompter)
{
    const std::optional<int> minutes = TryParseTimeText(text);
    if (!minutes) {
        prompter.inform(QStringLiteral("Benutzer-Info"), QStringLiteral("Fehlerhafte Eingabe"));
        return 0;
    }
    return *minutes;
}

QString BuildPauseLine(const QString& beginText, const QString& durationText, Prompter& prompter)
{
    QString line = FormatTimeText(ParseTimeText(beginText, prompter));
    line = line.leftJustified(PauseStartWidth, QLatin1Char(' '));
    line += FormatTimeText(ParseTimeText(durationText, prompter));
    line.truncate(PauseLineLength);
    // A one-digit hour gets its leading zero; one padding blank goes so the duration stays at 9.
    if (line.size() > 1 && line[1] == QLatin1Char(':')) {
        line.prepend(QLatin1Char('0'));
        line.remove(6, 1);
    }
    return line;
}

void AddPauseLine(QStringList& pauseList, const QString& line, bool sorted)
{
    if (!sorted) {
        pauseList.append(line);
        return;
    }
    const auto place = std::upper_bound(pauseList.begin(), pauseList.end(), line);
    pauseList.insert(place, line);
}
