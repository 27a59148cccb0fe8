#include "names/NameTransfer.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "model/Windows1252.h"
#include "names/NamePool.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <utility>

namespace {
// The DOS code page's umlauts and sharp s, and the Windows code page's bytes for them.
constexpr std::pair<char, char> DosUmlauts[] = {
    {char(132), char(0xE4)}, {char(148), char(0xF6)}, {char(129), char(0xFC)}, {char(225), char(0xDF)},
    {char(142), char(0xC4)}, {char(153), char(0xD6)}, {char(154), char(0xDC)},
};

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
    QList<QByteArray> lines = bytes.split('\n');
    // A line end at the end of the file closes the last line; it opens no new one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QStringList texts;
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        texts << DecodeWindows1252(withWindowsUmlauts(line));
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
    int count = 0;
    for (const QString& line : NameImportLines(bytes)) {
        // One notice for a full pool is enough; the rest of the file would only repeat it.
        if (state.NameList.size() >= Limits::MaxPoolEntries) {
            prompter.inform(PoolText::DuplicateCaption, PoolText::Full);
            break;
        }
        const ImportedName imported = SplitImportLine(line);
        AddPoolName(state, imported.Name, imported.Email, sorted, prompter);
        ++count;
    }
    state.RememberedFileName.clear();
    prompter.inform(PoolText::ImportCaption, PoolText::Imported(count));
    return count;
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
