#pragma once

#include <QByteArray>
#include <QString>

class Prompter;
struct TournamentState;

// Team names in and out of the pool as text: a file of one name per line, optionally followed
// by a tab or a comma and the team's e-mail address; and the pool as lines of name, tab, address.

// The lines of an import file (Windows-1252, CR LF or LF) with the DOS umlauts turned into
// the Windows ones.
QStringList NameImportLines(const QByteArray& bytes);

struct ImportedName {
    QString Name;
    QString Email;
};
// Splits at the first tab, else at the first comma; without either the line is the name.
ImportedName SplitImportLine(const QString& line);

// Adds every line of the file through AddPoolName and returns the number of lines read, also
// those refused as duplicates. Stops at a full pool. Afterwards the next save proposes the
// tournament's own file name, and the count message is shown.
int ImportNames(TournamentState& state, const QByteArray& bytes, bool sorted, Prompter& prompter);
// The same from a file; a file that cannot be read is reported and imports nothing.
int ImportNamesFromFile(TournamentState& state, const QString& path, bool sorted, Prompter& prompter);

// One line per pool entry with a name: name, tab, e-mail address, CR LF.
QString NamePoolExportText(const TournamentState& state);

namespace PoolText {
inline const QString ExportCaption = QStringLiteral("Info");
inline const QString Exported = QStringLiteral(
    "Die Mannschaftsnamen sind jetzt in den Windows-Zwischenspeicher (Clipboard) geladen. Wählen "
    "Sie in einem Textprogramm BEARBEITEN_EINFÜGEN.");
inline const QString ImportCaption = QStringLiteral("Benutzer-Info");
inline QString Imported(int count)
{
    return QStringLiteral("Es wurden %1 Namen eingeladen.").arg(count);
}
} // namespace PoolText
