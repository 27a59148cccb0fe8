#include "mail/SendmailTransport.h"

#include "mail/MimeMessage.h"

#include <QProcess>

#include <utility>

namespace {
// A mail transfer agent that has not taken the message after this long is not going to.
constexpr int DeliveryTimeoutMs = 120'000;
} // namespace

SendmailTransport::SendmailTransport(QString program) : m_program(std::move(program)) {}

QString SendmailTransport::SendmailProgram()
{
    const QString configured = qEnvironmentVariable("KORVANE_SENDMAIL");
    return configured.isEmpty() ? QStringLiteral("/usr/sbin/sendmail") : configured;
}

// sendmail reports with the exit statuses of <sysexits.h>:
//   0                                 sent
//   67 EX_NOUSER, 68 EX_NOHOST        this message: a recipient is unknown
//   75 EX_TEMPFAIL                    this message: try again later
//   69 EX_UNAVAILABLE, 77 EX_NOPERM,  the session: the mail system takes no mail from us
//   78 EX_CONFIG
//   any other non-zero status        this message: an error with its number
// A non-zero status is never taken for success, so no failed message passes as sent.
MailDelivery SendmailTransport::DeliveryOfExitStatus(int status)
{
    switch (status) {
    case 0:
        return MailDelivery::Sent();
    case 67:
    case 68:
        return MailDelivery::Failed(QStringLiteral("Das Mailprogramm kennt einen Empfänger nicht."));
    case 75:
        return MailDelivery::Failed(
            QStringLiteral("Das Mailprogramm kann die E-Mail im Moment nicht annehmen."));
    case 69:
    case 77:
    case 78:
        return MailDelivery::SessionFailed(
            QStringLiteral("Das Mailprogramm nimmt keine E-Mails an (Fehler %1).").arg(status));
    default:
        return MailDelivery::Failed(QStringLiteral("Das Mailprogramm meldet Fehler %1.").arg(status));
    }
}

MailDelivery SendmailTransport::Deliver(const MailMessage& mail)
{
    const AttachmentRead attachment = ReadAttachment(mail);
    if (!attachment.error.isEmpty())
        return MailDelivery::Failed(attachment.error);
    const QByteArray message = BuildMimeMessage(mail, attachment.bytes, BccHeader::Write);

    QProcess sendmail;
    sendmail.start(m_program, {QStringLiteral("-t"), QStringLiteral("-i")});
    if (!sendmail.waitForStarted())
        return MailDelivery::SessionFailed(
            QStringLiteral("Das Mailprogramm %1 lässt sich nicht starten.").arg(m_program));
    sendmail.write(message);
    sendmail.closeWriteChannel();
    if (!sendmail.waitForFinished(DeliveryTimeoutMs)) {
        sendmail.kill();
        sendmail.waitForFinished();
        return MailDelivery::SessionFailed(
            QStringLiteral("Das Mailprogramm %1 antwortet nicht.").arg(m_program));
    }
    if (sendmail.exitStatus() != QProcess::NormalExit)
        return MailDelivery::Failed(QStringLiteral("Das Mailprogramm %1 ist abgestürzt.").arg(m_program));
    return DeliveryOfExitStatus(sendmail.exitCode());
}
