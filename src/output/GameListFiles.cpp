#include "output/GameListFiles.h"

#include "allocation/GameListPages.h"
#include "allocation/GameListTable.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "output/FileReplace.h"
#include "output/RtfWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr int PageHeadLines = 7; // three blanks, tournament, round, team, one blank
const QString TeamPrefix = QStringLiteral("Mannschaft: ");

// Saves the pages when they may replace the file; a failure is shown and the caller goes on.
void SavePages(const QString& path, const QList<QStringList>& pages, Prompter& prompter, bool& written)
{
    if (!MayReplaceFile(path, prompter))
        return;
    const QByteArray rtf = WriteRtf(GameListDocument(pages));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size() || !file.commit()) {
        prompter.inform(QStringLiteral("Fehler"),
                        QStringLiteral("Speichern oder Druckausgabe nicht möglich"));
        return;
    }
    written = true;
}
} // namespace

RtfDocument GameListDocument(const QList<QStringList>& pages)
{
    RtfCharFormat format;
    format.fontFamily = QStringLiteral("MS Sans Serif");
    format.pointSize = 8;
    RtfDocument document;
    document.page = RtfPage::A4(1134);
    for (const QStringList& lines : pages) {
        for (qsizetype line = 0; line < lines.size(); ++line) {
            RtfParagraph paragraph;
            paragraph.Append(lines[line], format);
            paragraph.pageBreakBefore = line == 0 && !document.paragraphs.isEmpty();
            paragraph.keepWithNext = line + 1 < lines.size(); // a team's list is never split
            document.paragraphs.append(paragraph);
        }
    }
    return document;
}

QString SafeFileNamePart(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("ohne Namen");
    QString safe;
    for (const QChar character : name) {
        const bool refused = character.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(character);
        safe += refused ? QLatin1Char('_') : character;
    }
    safe.replace(QStringLiteral(".."), QStringLiteral("__"));
    return safe;
}

QString TeamGameListFileName(const QString& teamName, const QString& tournamentName, int round)
{
    return SafeFileNamePart(teamName) + QLatin1Char(' ') + SafeFileNamePart(tournamentName) +
           QStringLiteral(" Rd%1 Spielliste.rtf").arg(round);
}

QString AllGameListsFileName(const QString& tournamentName, int round)
{
    return SafeFileNamePart(tournamentName) + QStringLiteral(" Rd%1 Spiellisten.rtf").arg(round);
}

bool WriteGameListFiles(const TournamentState& state, const GameListTable& lists, int round, bool filePerTeam,
                        const QString& workDir, Prompter& prompter, const QString& folderInMessage)
{
    const QString folder = QDir(workDir).filePath(QStringLiteral("Spiellisten"));
    bool written = false;
    const QStringList pages = GameListPages(state, lists, round);
    if (!QDir().mkpath(folder)) {
        prompter.inform(QStringLiteral("Fehler"),
                        QStringLiteral("Speichern oder Druckausgabe nicht möglich"));
    } else if (filePerTeam) {
        for (const QStringList& page : GameListPagesPerTeam(pages, lists)) {
            const QString teamName = page[5].mid(TeamPrefix.size());
            const QString path =
                QDir(folder).filePath(TeamGameListFileName(teamName, state.TournamentName, round));
            SavePages(path, {page}, prompter, written);
        }
    } else if (!pages.isEmpty()) {
        SavePages(QDir(folder).filePath(AllGameListsFileName(state.TournamentName, round)),
                  GameListPagesPerTeam(pages, lists), prompter, written);
    }
    prompter.inform(QStringLiteral("Info"),
                    written ? QStringLiteral("Spiellisten im Ordner %1 gespeichert").arg(folderInMessage)
                            : QStringLiteral("Spiellisten nicht gespeichert"));
    return written;
}

QList<QStringList> GameListPagesPerTeam(const QStringList& pages, const GameListTable& lists)
{
    QList<QStringList> perTeam;
    qsizetype start = 0;
    for (int team = 1; start + PageHeadLines <= pages.size(); ++team) {
        const qsizetype length = PageHeadLines + lists.count(team);
        perTeam.append(pages.mid(start, length));
        start += length;
    }
    return perTeam;
}
