#include "output/Certificate.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "output/FileReplace.h"
#include "output/GameListFiles.h"
#include "output/RtfEdit.h"
#include "results/Standings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

QByteArray FillCertificate(const QByteArray& templateRtf, const QString& name)
{
    return ReplaceInRtf(templateRtf, QStringLiteral("#name"), name);
}

QString TemplateNotLoadedText(const QString& templatePath)
{
    return QStringLiteral("Die Datei ") + templatePath +
           QStringLiteral(" kann nicht eingeladen werden. Sie ist wahrscheinlich verschoben worden. "
                          "Machen Sie das Verschieben rückgängig oder wählen Sie mit NEUE VORLAGE "
                          "eine neue Urkunden-Vorlage");
}

std::optional<QByteArray> ReadCertificateTemplate(const QString& templatePath, Prompter& prompter)
{
    QFile file(templatePath);
    if (!templatePath.isEmpty() && file.open(QIODevice::ReadOnly))
        return file.readAll();
    prompter.inform(QStringLiteral("Fehler"), TemplateNotLoadedText(templatePath));
    return std::nullopt;
}

QString CertificateName(const QString& cellText)
{
    const qsizetype bracket = cellText.indexOf(QLatin1Char(')'));
    if (bracket < 0)
        return cellText;
    // A place decided by the direct comparison carries a "!" right after its bracket: not the name.
    const bool directCompare = cellText.mid(bracket + 1, 1) == QStringLiteral("!");
    return cellText.mid(bracket + (directCompare ? 2 : 1));
}

QString ResolveCertificateTemplate(const QString& templatePath, const QString& workDir)
{
    if (templatePath.isEmpty())
        return templatePath;
    const QFileInfo info(QDir(workDir).filePath(templatePath));
    if (info.exists())
        return info.filePath();
    const QStringList files = info.dir().entryList(QDir::Files);
    for (const QString& name : files)
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return info.dir().filePath(name);
    return info.filePath();
}

QList<PlacedTeam> PlacedTeams(const TournamentState& state, int group, int places)
{
    QList<PlacedTeam> teams;
    if (!IsGroupIndex(group))
        return teams;
    const GroupStandings standings = RankGroup(state, group);
    const int count = std::min({places, standings.TeamCount, Limits::NameSlots - 1});
    for (int place = 1; place <= count; ++place) {
        const int position = standings.Ranked[std::size_t(place)];
        if (position >= 1 && position < Limits::NameSlots)
            teams.append({place, state.NameTable[std::size_t(group)][std::size_t(position)]});
    }
    return teams;
}

QString CertificateFileName(const QString& groupName, int place, const QString& teamName)
{
    return QStringLiteral("Urkunde %1 Platz %2 %3.rtf")
        .arg(SafeFileNamePart(groupName))
        .arg(place)
        .arg(SafeFileNamePart(teamName.trimmed()));
}

QStringList WriteCertificateFiles(const QByteArray& templateRtf, const QList<PlacedTeam>& teams,
                                  const QString& groupName, const QString& folder, Prompter& prompter)
{
    QStringList written;
    if (!QDir().mkpath(folder)) {
        prompter.inform(QStringLiteral("Fehler"),
                        QStringLiteral("Speichern der Datei ") + folder + QStringLiteral(" nicht möglich"));
        return written;
    }
    for (const PlacedTeam& team : teams) {
        const QString path = QDir(folder).filePath(CertificateFileName(groupName, team.place, team.name));
        if (!MayReplaceFile(path, prompter))
            continue;
        const QByteArray rtf = FillCertificate(templateRtf, team.name);
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(rtf) == rtf.size() && file.commit())
            written << path;
        else
            prompter.inform(QStringLiteral("Fehler"),
                            QStringLiteral("Speichern der Datei ") + path + QStringLiteral(" nicht möglich"));
    }
    return written;
}
