#include "allocation/EmailDispatch.h"

#include "model/Limits.h"
#include "model/Prompter.h"
#include "model/TextUtil.h"
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

QString GameListAttachmentPath(const QString& workDir, int team, const QString& teamName,
                               const QString& tournamentName)
{
    return QDir(QDir(workDir).filePath(QStringLiteral("Spiellisten")))
        .filePath(TeamGameListFileName(team, teamName, tournamentName, 1));
}

int GameListTeamOfRow(const QList<EmailRow>& rows, qsizetype row, const QStringList& roundOneTeams)
{
    const QString& name = rows[row].Name;
    qsizetype earlierRows = std::count_if(rows.begin(), rows.begin() + row,
                                          [&name](const EmailRow& other) { return other.Name == name; });
    for (qsizetype team = 0; team < roundOneTeams.size(); ++team) {
        if (CutText(roundOneTeams[team], Limits::PoolTextLength) == name && earlierRows-- == 0)
            return int(team) + 1;
    }
    return 0;
}

namespace {
OutgoingMail GameListMail(const QList<EmailRow>& rows, qsizetype row, const EmailJob& job,
                          const QString& body)
{
    OutgoingMail mail{QString(), job.Subject, body, rows[row].Email, QString()};
    const int team = GameListTeamOfRow(rows, row, job.RoundOneTeams);
    if (team == 0)
        mail.Problem = QStringLiteral("No team of round 1 is named \"") + VisibleText(rows[row].Name) +
                       QStringLiteral("\"!");
    else
        mail.AttachmentPath =
            GameListAttachmentPath(job.WorkDir, team, job.RoundOneTeams[team - 1], job.TournamentName);
    return mail;
}
} // namespace

QList<OutgoingMail> PlanEmails(const QList<EmailRow>& rows, const EmailJob& job)
{
    const QString body = EmailBody(job.BodyLines);
    QList<OutgoingMail> mails;
    if (job.Mode == EmailMode::OneToAll) {
        QString recipient;
        for (const EmailRow& row : rows)
            if (row.Checked)
                recipient += row.Email + job.Separator;
        mails.append({job.AttachmentPath, job.Subject, body, recipient, QString()});
        return mails;
    }
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (!rows[row].Checked)
            continue;
        if (job.Mode == EmailMode::SeparateGameList)
            mails.append(GameListMail(rows, row, job, body));
        else
            mails.append({job.AttachmentPath, job.Subject, body, rows[row].Email, QString()});
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
