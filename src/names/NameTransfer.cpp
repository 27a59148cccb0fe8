#include "names/NameTransfer.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "model/Windows1252.h"
#include "names/NamePool.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <utility>

namespace {
// The DOS code page's umlauts and sharp s, and the Windows code page's bytes for them.
constexpr std::pair<char, char> DosUmlauts[] = {
    {char(132), char(0xE4)}, {char(148), char(0xF6)}, {char(129), char(0xFC)}, {char(225), char(0xDF)},
    {char(142), char(0xC4)}, {char(153), char(0xD6)}, {char(154), char(0xDC)},
};

// The text of a file that is UTF-8: one with a byte-order mark, or one whose bytes beyond ASCII
// all form valid UTF-8 sequences (which Windows-1252 text with umlauts practically never does).
std::optional<QString> DecodeUtf8Text(const QByteArray& bytes)
{
    static const QByteArray ByteOrderMark("\xEF\xBB\xBF");
    if (bytes.startsWith(ByteOrderMark))
        return QString::fromUtf8(bytes.mid(ByteOrderMark.size()));
    const bool onlyAscii = std::all_of(bytes.begin(), bytes.end(), [](char byte) { return byte >= 0; });
    if (onlyAscii)
        return std::nullopt;
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QByteArray withWindowsUmlauts(QByteArray line)
{
    for (char& byte : line)
        for (const auto& [dos, windows] : DosUmlauts)
            if (byte == dos) {
                byte = windows;
                break;
            }
    return line;
}
} // namespace

QStringList NameImportLines(const QByteArray& bytes)
{
    const std::optional<QString> utf8 = DecodeUtf8Text(bytes);
    QStringList texts;
    if (utf8) {
        texts = utf8->split(u'\n');
    } else {
        for (const QByteArray& line : bytes.split('\n'))
            texts << DecodeWindows1252(withWindowsUmlauts(line));
    }
    // A line end at the end of the file closes the last line; it opens no new one.
    if (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    for (QString& text : texts) {
        if (text.endsWith(u'\r'))
            text.chop(1);
    }
    return texts;
}

ImportedName SplitImportLine(const QString& line)
{
    qsizetype separator = line.indexOf(u'\t');
    if (separator < 0)
        separator = line.indexOf(u',');
    if (separator < 0)
        return {line, QString()};
    return {line.left(separator), line.mid(separator + 1)};
}

int ImportNames(TournamentState& state, const QByteArray& bytes, bool sorted, Prompter& prompter)
{
    int added = 0;
    QStringList duplicates;
    QStringList cut;
    qsizetype notRead = 0;
    const QStringList lines = NameImportLines(bytes);
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const ImportedName imported = SplitImportLine(lines[index]);
        if (imported.Name.trimmed().isEmpty())
            continue; // a blank line names no team
        const AddPoolNameResult result = AddPoolNameSilently(state, imported.Name, imported.Email, sorted);
        if (result.Added) {
            ++added;
            if (result.Cut)
                cut << state.NameList[result.Item];
        } else if (result.Item != NoPoolIndex) {
            duplicates << imported.Name;
        } else {
            notRead = lines.size() - index; // the pool is full: the rest of the file stays out
            break;
        }
    }
    state.RememberedFileName.clear();
    prompter.inform(PoolText::ImportCaption, PoolText::ImportReport(added, duplicates, cut, int(notRead)));
    return added;
}

int ImportNamesFromFile(TournamentState& state, const QString& path, bool sorted, Prompter& prompter)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        state.RememberedFileName.clear();
        prompter.inform(QStringLiteral("Fehler"),
                        QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return 0;
    }
    return ImportNames(state, file.readAll(), sorted, prompter);
}

QString PoolText::ImportReport(int added, const QStringList& duplicates, const QStringList& cut, int notRead)
{
    QString report = Imported(added);
    const auto listed = [](const QStringList& names) {
        return QStringLiteral("\"") + names.join(QStringLiteral("\", \"")) + u'"';
    };
    if (!duplicates.isEmpty())
        report += QStringLiteral("\n\nSchon vorhanden und nicht eingeladen (%1): %2")
                      .arg(duplicates.size())
                      .arg(listed(duplicates));
    if (!cut.isEmpty())
        report += QStringLiteral("\n\nAuf 40 Zeichen gekürzt (%1): %2").arg(cut.size()).arg(listed(cut));
    if (notRead > 0)
        report += QStringLiteral("\n\n") + Full +
                  QStringLiteral(" %1 Zeilen wurden nicht mehr eingelesen.").arg(notRead);
    return report;
}

QString NamePoolExportText(const TournamentState& state)
{
    QString text;
    const int count = std::clamp(state.NamePoolCount, 0, Limits::MaxPoolEntries);
    for (int entry = 1; entry <= count; ++entry) {
        const NamePoolEntry& pool = state.NamePool[entry];
        if (!pool.Name.isEmpty())
            text += pool.Name + u'\t' + pool.Email + QStringLiteral("\r\n");
    }
    return text;
}
