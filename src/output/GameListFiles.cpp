#include "output/GameListFiles.h"

#include "allocation/GameListPages.h"
#include "allocation/GameListTable.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "output/FileReplace.h"
#include "output/RtfWriter.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int PageHeadLines = 7; // three blanks, tournament, round, team, one blank
const QString TeamPrefix = QStringLiteral("Mannschaft: ");

constexpr int FileNamePartLength = 40;
const QString FailureText = QStringLiteral("Speichern oder Druckausgabe nicht möglich");

struct SavedFiles {
    int written = 0;
    int failed = 0;
};

// Saves the page when it may replace the file; a failure is shown and the caller goes on.
void SavePage(const QString& path, const QStringList& lines, Prompter& prompter, SavedFiles& saved)
{
    if (!MayReplaceFile(path, prompter))
        return;
    const QString error = ReplaceFileContent(path, WriteRtf(GameListDocument(lines)));
    if (!error.isEmpty()) {
        prompter.inform(QStringLiteral("Fehler"), FailureText + QStringLiteral("\n") +
                                                      QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                                      error);
        ++saved.failed;
        return;
    }
    ++saved.written;
}

QString EndText(const SavedFiles& saved)
{
    if (saved.written == 0)
        return QStringLiteral("Spiellisten nicht gespeichert");
    if (saved.failed == 0)
        return QStringLiteral("Spiellisten im Ordner SPIELLISTEN gespeichert");
    return QStringLiteral(
               "Spiellisten nur zum Teil gespeichert: %1 von %2 Dateien ließen sich nicht schreiben.")
        .arg(saved.failed)
        .arg(saved.written + saved.failed);
}
} // namespace

RtfDocument GameListDocument(const QStringList& lines)
{
    RtfCharFormat format;
    format.fontFamily = QStringLiteral("MS Sans Serif");
    format.pointSize = 8;
    RtfDocument document;
    for (const QString& line : lines) {
        RtfParagraph paragraph;
        paragraph.Append(line, format);
        document.paragraphs.append(paragraph);
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
                        const QString& workDir, Prompter& prompter)
{
    const QString folder = QDir(workDir).filePath(QStringLiteral("Spiellisten"));
    SavedFiles saved;
    const QStringList pages = GameListPages(state, lists, round);
    if (!QDir().mkpath(folder)) {
        prompter.inform(QStringLiteral("Fehler"),
                        FailureText + QStringLiteral("\n") + QDir::toNativeSeparators(folder));
        ++saved.failed;
    } else if (filePerTeam) {
        qsizetype start = 0;
        for (int team = 1; start + PageHeadLines <= pages.size(); ++team) {
            const qsizetype length = PageHeadLines + lists.count(team);
            const QStringList page = pages.mid(start, length);
            start += length;
            const QString teamName = page[5].mid(TeamPrefix.size());
            const QString path =
                QDir(folder).filePath(TeamGameListFileName(team, teamName, state.TournamentName, round));
            SavePage(path, page, prompter, saved);
        }
    } else if (!pages.isEmpty()) {
        SavePage(QDir(folder).filePath(AllGameListsFileName(state.TournamentName, round)), pages, prompter,
                 saved);
    }
    prompter.inform(QStringLiteral("Info"), EndText(saved));
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
