#include "allocation/EmailDispatch.h"

#include "allocation/MailAddress.h"
#include "model/Limits.h"
#include "model/TextUtil.h"
#include "model/TournamentState.h"
#include "output/GameListFiles.h"

#include <QDir>

#include <algorithm>

namespace {
// The row's addresses in the form a server takes; every address that is none is named.
QList<MailAddressee> RowAddressees(const EmailRow& row, QList<MailSkip>& skipped)
{
    QList<MailAddressee> addressees;
    const QStringList addresses = SplitMailAddresses(row.Email);
    if (addresses.isEmpty())
        skipped.append({row.Name, QStringLiteral("keine E-Mail-Adresse")});
    for (const QString& address : addresses) {
        if (const std::optional<QString> wire = WireMailAddress(address))
            addressees.append({row.Name, *wire});
        else
            skipped.append({row.Name, QStringLiteral("Adresse ungültig (%1)").arg(address)});
    }
    return addressees;
}

MailMessage MessageOf(const EmailJob& job, const QString& attachmentPath)
{
    MailMessage message;
    message.From = job.Sender;
    message.Subject = job.Subject;
    message.Body = EmailBody(job.BodyLines);
    message.AttachmentPath = attachmentPath;
    return message;
}
} // namespace

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

QString AllTeamsLabel()
{
    return QStringLiteral("alle Mannschaften");
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
        body += line + QStringLiteral("\r\n");
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

MailPlan PlanEmails(const QList<EmailRow>& rows, const EmailJob& job)
{
    MailPlan plan;
    PlannedMail toAll{AllTeamsLabel(), {}, MessageOf(job, job.AttachmentPath)};
    toAll.Message.To = {job.Sender};
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const EmailRow& row = rows[index];
        if (!row.Checked)
            continue;
        ++plan.TeamCount;
        const QList<MailAddressee> addressees = RowAddressees(row, plan.Skipped);
        if (addressees.isEmpty())
            continue;
        if (job.Mode == EmailMode::OneToAll) {
            toAll.Teams.append(row.Name);
            toAll.Message.Bcc += addressees;
            continue;
        }
        QString attachment = job.AttachmentPath;
        if (job.Mode == EmailMode::SeparateGameList) {
            const int team = GameListTeamOfRow(rows, index, job.RoundOneTeams);
            if (team == 0) {
                plan.Skipped.append({row.Name, QStringLiteral("keine Mannschaft der 1. Runde heißt so")});
                continue;
            }
            attachment =
                GameListAttachmentPath(job.WorkDir, team, job.RoundOneTeams[team - 1], job.TournamentName);
        }
        PlannedMail mail{row.Name, {row.Name}, MessageOf(job, attachment)};
        mail.Message.To = addressees;
        plan.Mails.append(mail);
    }
    if (!toAll.Teams.isEmpty())
        plan.Mails.append(toAll);
    return plan;
}

MailPlan TestMailPlan(const MailAddressee& sender)
{
    MailMessage message;
    message.From = sender;
    message.To = {sender};
    message.Subject = QStringLiteral("Testnachricht von Korvane");
    message.Body = EmailBody({QStringLiteral("Diese Nachricht hat Korvane über das eingerichtete Konto "
                                             "verschickt. Der E-Mail-Versand funktioniert.")});
    MailPlan plan;
    plan.Mails.append({sender.Address, {sender.Address}, message});
    plan.TeamCount = 1;
    return plan;
}
