#include "output/GameListFiles.h"

#include "allocation/GameListPages.h"
#include "allocation/GameListTable.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "output/FileReplace.h"
#include "output/RtfWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr int PageHeadLines = 7; // three blanks, tournament, round, team, one blank
const QString TeamPrefix = QStringLiteral("Mannschaft: ");

constexpr int FileNamePartLength = 40;
const QString FailureText = QStringLiteral("Speichern oder Druckausgabe nicht möglich");

struct SavedFiles {
    int written = 0;
    int failed = 0;
};

// Saves the pages when they may replace the file; a failure is shown and the caller goes on.
void SavePages(const QString& path, const QList<QStringList>& pages, Prompter& prompter, SavedFiles& saved)
{
    if (!MayReplaceFile(path, prompter))
        return;
    const QString error = ReplaceFileContent(path, WriteRtf(GameListDocument(pages)));
    if (!error.isEmpty()) {
        prompter.inform(QStringLiteral("Fehler"), FailureText + QStringLiteral("\n") +
                                                      QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                                      error);
        ++saved.failed;
        return;
    }
    ++saved.written;
}

QString EndText(const SavedFiles& saved, const QString& folderInMessage)
{
    if (saved.written == 0)
        return QStringLiteral("Spiellisten nicht gespeichert");
    if (saved.failed == 0)
        return QStringLiteral("Spiellisten im Ordner %1 gespeichert").arg(folderInMessage);
    return QStringLiteral(
               "Spiellisten nur zum Teil gespeichert: %1 von %2 Dateien ließen sich nicht schreiben.")
        .arg(saved.failed)
        .arg(saved.written + saved.failed);
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
    for (const QChar character : name.left(FileNamePartLength)) {
        const bool refused =
            character.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(character);
        safe += refused ? QLatin1Char('_') : character;
    }
    safe.replace(QStringLiteral(".."), QStringLiteral("__"));
    return safe;
}

QString TeamGameListFileName(int team, const QString& teamName, const QString& tournamentName, int round)
{
    return QStringLiteral("%1 ").arg(team, 2, 10, QLatin1Char('0')) + SafeFileNamePart(teamName) +
           QLatin1Char(' ') + SafeFileNamePart(tournamentName) +
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
    SavedFiles saved;
    const QStringList pages = GameListPages(state, lists, round);
    if (!QDir().mkpath(folder)) {
        prompter.inform(QStringLiteral("Fehler"),
                        FailureText + QStringLiteral("\n") + QDir::toNativeSeparators(folder));
        ++saved.failed;
    } else if (filePerTeam) {
        int team = 0;
        for (const QStringList& page : GameListPagesPerTeam(pages, lists)) {
            ++team;
            const QString teamName = page[5].mid(TeamPrefix.size());
            const QString path =
                QDir(folder).filePath(TeamGameListFileName(team, teamName, state.TournamentName, round));
            SavePages(path, {page}, prompter, saved);
        }
    } else if (!pages.isEmpty()) {
        SavePages(QDir(folder).filePath(AllGameListsFileName(state.TournamentName, round)),
                  GameListPagesPerTeam(pages, lists), prompter, saved);
    }
    prompter.inform(QStringLiteral("Info"), EndText(saved, folderInMessage));
    return saved.written > 0 && saved.failed == 0;
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
