#include "allocation/EmailDispatch.h"

#include "model/Limits.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "output/GameListFiles.h"

#include <QDir>

#include <algorithm>

QList<EmailRow> ReadEmailRows(const TournamentState& state)
{
    QList<EmailRow> rows;
    const int count = std::clamp(state.NamePoolCount, 0, Limits::MaxPoolEntries);
    for (int index = 1; index <= count; ++index) {
        const NamePoolEntry& entry = state.NamePool[std::size_t(index)];
        rows.append({entry.Name, entry.Email, entry.Marker == u"1"});
    }
    return rows;
}

void WriteEmailRows(TournamentState& state, const QList<EmailRow>& rows)
{
    const int count = int(std::min<qsizetype>(rows.size(), Limits::MaxPoolEntries));
    for (int index = 1; index <= count; ++index) {
        const EmailRow& row = rows[index - 1];
        state.NamePool[std::size_t(index)] = {row.Name.left(Limits::PoolTextLength),
                                              row.Email.left(Limits::PoolTextLength),
                                              row.Checked ? QStringLiteral("1") : QStringLiteral("0")};
    }
    state.NamePoolCount = count;
}

QString EmailSubject(const QString& tournamentName)
{
    return QStringLiteral("Info zum Korvane ") + tournamentName;
}

QStringList DefaultEmailBody()
{
    return {
        QStringLiteral("Liebe Sportfreunde,"),
        QString(),
        QStringLiteral("hiermit senden wir Euch die neuesten Informationen zu unserem geplanten Korvane."),
        QString(),
        QStringLiteral("Mit sportlichem Gruß,"),
        QString(),
        QString()};
}

QString EmailBody(const QStringList& lines)
{
    QString body;
    for (const QString& line : lines)
        body += line + QLatin1Char('\r');
    return body;
}

QString GameListAttachmentPath(const QString& workDir, const QString& teamName, const QString& tournamentName)
{
    return QDir(QDir(workDir).filePath(QStringLiteral("Spiellisten")))
        .filePath(TeamGameListFileName(teamName, tournamentName, 1));
}

QList<OutgoingMail> PlanEmails(const QList<EmailRow>& rows, const EmailJob& job)
{
    const QString body = EmailBody(job.BodyLines);
    QList<OutgoingMail> mails;
    if (job.Mode == EmailMode::OneToAll) {
        QString recipient;
        for (const EmailRow& row : rows)
            if (row.Checked)
                recipient += row.Email + job.Separator;
        mails.append({job.AttachmentPath, job.Subject, body, recipient});
        return mails;
    }
    for (const EmailRow& row : rows) {
        if (!row.Checked)
            continue;
        const QString path = job.Mode == EmailMode::SeparateGameList
                                 ? GameListAttachmentPath(job.WorkDir, row.Name, job.TournamentName)
                                 : job.AttachmentPath;
        mails.append({path, job.Subject, body, row.Email});
    }
    return mails;
}

QString EmailErrorBoxText(const QString& error)
{
    return QStringLiteral("Die Datei konnte nicht per E-Mail versendet werden!\n\r\n\rMeldung:\n\r") + error;
}

int SendEmails(const QList<OutgoingMail>& mails, MailTransport& transport, Prompter& prompter)
{
    int sent = 0;
    for (const OutgoingMail& mail : mails) {
        const QString error = SendMail(transport, mail);
        if (error.isEmpty())
            ++sent;
        else
            prompter.inform(QStringLiteral("Fehler"), EmailErrorBoxText(error));
    }
    return sent;
}
