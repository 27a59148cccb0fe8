#include "allocation/MailSending.h"

#include <QFileInfo>

namespace {
const QString Dash = QStringLiteral(" – ");

QString FirstLine(const QString& text)
{
    return text.section(u'\n', 0, 0);
}

MailDelivery DeliverOne(const PlannedMail& mail, MailTransport& transport)
{
    const QString& attachment = mail.Message.AttachmentPath;
    if (!attachment.isEmpty() && !QFileInfo(attachment).isFile())
        return MailDelivery::Failed(QStringLiteral("Anhang nicht gefunden: ") + attachment);
    return transport.Deliver(mail.Message);
}

void AddNotSent(MailReport& report, const PlannedMail& mail, const QString& reason)
{
    for (const QString& team : mail.Teams)
        report.NotSent.append({team, reason});
}
} // namespace

MailReport SendPlannedMails(const MailPlan& plan, MailTransport& transport,
                            const std::atomic<bool>& cancelRequested,
                            const std::function<void(const PlannedMail&, const MailDelivery&)>& afterEach)
{
    MailReport report;
    report.TeamCount = plan.TeamCount;
    report.NotSent = plan.Skipped;
    QString sessionFailure;
    for (const PlannedMail& mail : plan.Mails) {
        report.TeamsPlanned += int(mail.Teams.size());
        if (cancelRequested) {
            ++report.CancelledMails;
            continue;
        }
        const MailDelivery delivery =
            sessionFailure.isEmpty() ? DeliverOne(mail, transport) : MailDelivery::Failed(sessionFailure);
        if (delivery.outcome == MailDelivery::Outcome::Sent)
            report.TeamsReached += int(mail.Teams.size());
        else if (cancelRequested)
            ++report.CancelledMails; // the transport gave up because it was cancelled
        else
            AddNotSent(report, mail, delivery.reason);
        if (delivery.outcome == MailDelivery::Outcome::SessionFailed)
            sessionFailure = FirstLine(delivery.reason); // the details once, with the message that met them
        if (afterEach)
            afterEach(mail, delivery);
    }
    return report;
}

QString MailSummary(const MailReport& report)
{
    QString summary =
        QStringLiteral("%1 von %2 E-Mails verschickt").arg(report.TeamsReached).arg(report.TeamCount);
    if (report.CancelledMails > 0)
        summary += QStringLiteral("; abgebrochen, %1 nicht mehr versucht").arg(report.CancelledMails);
    // One entry per reason (its first line), in the order they came, with the fullest text met.
    QStringList keys;
    QStringList reasons;
    QList<QStringList> teams;
    for (const MailSkip& skip : report.NotSent) {
        qsizetype index = keys.indexOf(FirstLine(skip.Reason));
        if (index < 0) {
            keys.append(FirstLine(skip.Reason));
            reasons.append(skip.Reason);
            teams.append(QStringList());
            index = keys.size() - 1;
        }
        if (skip.Reason.size() > reasons[index].size())
            reasons[index] = skip.Reason;
        if (!teams[index].contains(skip.Team))
            teams[index].append(skip.Team);
    }
    QStringList entries;
    for (qsizetype index = 0; index < keys.size(); ++index) {
        const bool everyTeam = report.TeamsPlanned > 1 && teams[index].size() == report.TeamsPlanned;
        entries.append((everyTeam ? AllTeamsLabel() : teams[index].join(QStringLiteral(", "))) + Dash +
                       reasons[index]);
    }
    if (!entries.isEmpty())
        summary += QStringLiteral("; nicht verschickt: ") + entries.join(QStringLiteral("; "));
    return summary;
}

QString MailOutcomeLine(const PlannedMail& mail, const MailDelivery& delivery)
{
    if (delivery.outcome != MailDelivery::Outcome::Sent)
        return QStringLiteral("nicht verschickt: ") + mail.Label + Dash + delivery.reason;
    QStringList addresses;
    for (const MailAddressee& addressee : mail.Message.To + mail.Message.Bcc)
        addresses.append(addressee.Address);
    return QStringLiteral("verschickt: %1 (%2)").arg(mail.Label, addresses.join(QStringLiteral(", ")));
}

QString MailSkipLine(const MailSkip& skip)
{
    return QStringLiteral("nicht verschickt: ") + skip.Team + Dash + skip.Reason;
}
