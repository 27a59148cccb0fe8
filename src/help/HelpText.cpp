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

namespace {
// Removes text[from, from + count) from the paragraph's runs, spans included.
void RemoveText(RtfParagraph& paragraph, qsizetype from, qsizetype count)
{
    qsizetype runStart = 0;
    for (RtfRun& run : paragraph.runs) {
        const qsizetype runEnd = runStart + run.text.size();
        const qsizetype start = std::max(from, runStart);
        const qsizetype end = std::min(from + count, runEnd);
        if (start < end) {
            const bool spanned = run.spans.size() == run.text.size();
            run.text.remove(start - runStart, end - start);
            if (spanned)
                run.spans.remove(start - runStart, end - start);
        }
        runStart = runEnd;
    }
    paragraph.runs.removeIf([](const RtfRun& run) { return run.text.isEmpty(); });
}
} // namespace

QList<HelpMarker> TakeOutHelpMarkers(RtfDocument& document)
{
    QList<HelpMarker> markers;
    qsizetype paragraphStart = 0;
    for (RtfParagraph& paragraph : document.paragraphs) {
        QString text = paragraph.Text();
        for (qsizetype at = text.indexOf(MarkerPrefix); at >= 0; at = text.indexOf(MarkerPrefix, at)) {
            qsizetype end = at + MarkerPrefix.size();
            while (end < text.size() && text[end].isDigit() && text[end].unicode() < 0x80)
                ++end;
            if (end == at + MarkerPrefix.size()) {
                at = end;
                continue;
            }
            markers.append(
                {text.mid(at + MarkerPrefix.size(), end - at - MarkerPrefix.size()), paragraphStart + at});
            if (end < text.size() && text[end] == QLatin1Char(' '))
                ++end;
            RemoveText(paragraph, at, end - at);
            text.remove(at, end - at);
        }
        paragraphStart += text.size() + 1;
    }
    return markers;
}

qsizetype FindHelpMarker(const QList<HelpMarker>& markers, int topic)
{
    const QString digits = QString::number(topic);
    for (const HelpMarker& marker : markers) {
        if (marker.digits.startsWith(digits))
            return marker.position;
    }
    return -1;
}
