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

namespace {
constexpr int PageHeadLines = 7; // three blanks, tournament, round, team, one blank
const QString TeamPrefix = QStringLiteral("Mannschaft: ");

// Saves the page when it may replace the file; a failure is shown and the caller goes on.
void SavePage(const QString& path, const QStringList& lines, Prompter& prompter, bool& written)
{
    if (!MayReplaceFile(path, prompter))
        return;
    const QByteArray rtf = WriteRtf(GameListDocument(lines));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(rtf) != rtf.size() ||
        !file.flush()) {
        prompter.inform(QStringLiteral("Fehler"),
                        QStringLiteral("Speichern oder Druckausgabe nicht möglich"));
        return;
    }
    written = true;
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
                        const QString& workDir, Prompter& prompter)
{
    const QString folder = QDir(workDir).filePath(QStringLiteral("Spiellisten"));
    bool written = false;
    const QStringList pages = GameListPages(state, lists, round);
    if (!QDir().mkpath(folder)) {
        prompter.inform(QStringLiteral("Fehler"),
                        QStringLiteral("Speichern oder Druckausgabe nicht möglich"));
    } else if (filePerTeam) {
        qsizetype start = 0;
        for (int team = 1; start + PageHeadLines <= pages.size(); ++team) {
            const qsizetype length = PageHeadLines + lists.count(team);
            const QStringList page = pages.mid(start, length);
            start += length;
            const QString teamName = page[5].mid(TeamPrefix.size());
            const QString path =
                QDir(folder).filePath(TeamGameListFileName(teamName, state.TournamentName, round));
            SavePage(path, page, prompter, written);
        }
    } else if (!pages.isEmpty()) {
        SavePage(QDir(folder).filePath(AllGameListsFileName(state.TournamentName, round)), pages, prompter,
                 written);
    }
    prompter.inform(QStringLiteral("Info"),
                    written ? QStringLiteral("Spiellisten im Ordner SPIELLISTEN gespeichert")
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
