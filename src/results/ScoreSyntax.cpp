#include "results/ScoreSyntax.h"

#include "model/TournamentState.h"

#include <algorithm>
#include <limits>

namespace {
bool isDecimalDigit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

int saturatingAdd(int total, int value)
{
    const qint64 sum = qint64(total) + value;
    return int(std::min<qint64>(sum, std::numeric_limits<int>::max()));
}
} // namespace

QStringView SkipNonDigits(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && !isDecimalDigit(text[start]))
        ++start;
    return text.mid(start);
}

int NumberScanner::next()
{
    m_rest = SkipNonDigits(m_rest);
    int value = 0;
    qsizetype length = 0;
    while (length < m_rest.size() && isDecimalDigit(m_rest[length])) {
        value = std::min(MaxScoreNumber, value * 10 + (m_rest[length].unicode() - '0'));
        ++length;
    }
    m_rest = m_rest.mid(length);
    m_lastHadDigits = length > 0;
    return value;
}

bool NumberScanner::hasDigitsLeft() const
{
    return !SkipNonDigits(m_rest).isEmpty();
}

GoalsReading ReadGoals(QStringView field)
{
    GoalsReading reading;
    NumberScanner scanner(field);
    reading.GoalsFirst = scanner.next();
    if (!scanner.lastHadDigits())
        return reading;
    reading.GoalsSecond = scanner.next();
    reading.NormalisedText = QString::number(reading.GoalsFirst) + QStringLiteral(" : ");
    if (scanner.lastHadDigits())
        reading.NormalisedText += QString::number(reading.GoalsSecond);
    return reading;
}

SetsReading ReadSets(QStringView field)
{
    SetsReading reading;
    NumberScanner scanner(field);
    // Only while digits are left: the normalised text ends in blanks and must read back alike.
    while (scanner.hasDigitsLeft()) {
        const int first = scanner.next();
        const int second = scanner.next();
        reading.NormalisedText +=
            QString::number(first) + QLatin1Char(':') + QString::number(second) + QStringLiteral("  ");
        if (second < first)
            reading.SetsFirst = saturatingAdd(reading.SetsFirst, 1);
        else if (first < second)
            reading.SetsSecond = saturatingAdd(reading.SetsSecond, 1);
        reading.GoalsFirst = saturatingAdd(reading.GoalsFirst, first);
        reading.GoalsSecond = saturatingAdd(reading.GoalsSecond, second);
        reading.SetCount = saturatingAdd(reading.SetCount, 1);
    }
    return reading;
}

ScoreEntry ParseScoreEntry(const QString& setsField, const QString& goalsField)
{
    ScoreEntry entry;
    entry.Cancelled = goalsField == CancelledGameText || setsField == CancelledGameText;
    QStringView setsText = SkipNonDigits(setsField);
    const QStringView goalsText = SkipNonDigits(goalsField);
    // Text without a digit is no score: read as empty it would delete the result.
    const auto faulty = [](const QString& field, QStringView digits) {
        return digits.isEmpty() && !field.trimmed().isEmpty() && field != CancelledGameText;
    };
    if (faulty(setsField, setsText) || faulty(goalsField, goalsText)) {
        entry.EntryAction = ScoreEntry::Action::Refuse;
        entry.SetsField = setsField;
        entry.GoalsField = goalsField;
        return entry;
    }
    if (setsText.isEmpty() && goalsText.isEmpty())
        setsText = u"0";
    const QLatin1String deleteText("0");
    if ((setsText == deleteText || goalsText == deleteText) && !entry.Cancelled) {
        entry.EntryAction = ScoreEntry::Action::Delete;
        entry.SetsField = setsField;
        entry.GoalsField = goalsField;
        return entry;
    }

    const GoalsReading goals = ReadGoals(goalsField);
    const SetsReading sets = ReadSets(setsField);
    entry.GoalsField = entry.Cancelled ? CancelledGameText : goals.NormalisedText;
    entry.SetsField = sets.NormalisedText;
    entry.ScoreText = entry.Cancelled ? CancelledGameText : sets.NormalisedText;
    entry.SetsFirst = sets.SetsFirst;
    entry.SetsSecond = sets.SetsSecond;
    entry.GoalsFirst = sets.SetCount > 0 ? sets.GoalsFirst : goals.GoalsFirst;
    entry.GoalsSecond = sets.SetCount > 0 ? sets.GoalsSecond : goals.GoalsSecond;
    return entry;
}

QString GoalsCellText(const GameResult& result)
{
    if (result.ScoreText == CancelledGameText)
        return CancelledGameText;
    return QStringLiteral("  ") + QString::number(result.GoalsFirst) + QStringLiteral(" : ") +
           QString::number(result.GoalsSecond);
}
