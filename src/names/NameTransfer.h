#pragma once

#include <QByteArray>
#include <QString>

class Prompter;
struct TournamentState;

// Team names in and out of the pool as text: a file of one name per line, optionally followed
// by a tab or a comma and the team's e-mail address; and the pool as lines of name, tab, address.

// The lines of an import file (CR LF or LF): UTF-8 when the file starts with a byte-order mark
// or is valid UTF-8 beyond ASCII, otherwise Windows-1252 with the DOS umlauts turned into the
// Windows ones.
QStringList NameImportLines(const QByteArray& bytes);

struct ImportedName {
    QString Name;
    QString Email;
};
// Splits at the first tab, else at the first comma; without either the line is the name.
ImportedName SplitImportLine(const QString& line);

// Adds the name of every line that holds one and returns the number of names added. Names
// already in the pool are left out, and a full pool ends the import. Afterwards the next save
// proposes the tournament's own file name, and one message tells how many names were added and
// lists the names left out and those cut to 40 characters.
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
// The import's one message: the names added, then those left out as already present, those cut
// and the lines that found no room.
QString ImportReport(int added, const QStringList& duplicates, const QStringList& cut, int notRead);
} // namespace PoolText
