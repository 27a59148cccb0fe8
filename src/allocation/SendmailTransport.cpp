#include "allocation/SendmailTransport.h"

#include "allocation/MimeMessage.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUuid>

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

// sendmail reports with the exit statuses of <sysexits.h>. They map onto the results the desk
// knows from its Windows mail interface:
//   0                      success                       -> sent, no message
//   67 EX_NOUSER, 68 EX_NOHOST                            -> UnknownRecipient
//   69 EX_UNAVAILABLE, 77 EX_NOPERM, 78 EX_CONFIG         -> LoginFailure (the mail system
//                                                            refuses to take mail from us)
//   71 EX_OSERR                                           -> InsufficientMemory
//   any other non-zero status (64 usage, 65 data, 70 software, 73/74 I/O, 75 temporary, ...)
//                                                         -> Failure
// A sendmail that is missing or cannot be started, crashes, or does not finish in time is a
// Failure as well; an attachment that exists but cannot be read is AttachmentOpenFailure. A
// non-zero status is never taken for success, so no failed message passes as sent.
MailResult SendmailTransport::ResultOfExitStatus(int status)
{
    switch (status) {
    case 0:
        return MailResult::Success;
    case 67:
    case 68:
        return MailResult::UnknownRecipient;
    case 69:
    case 77:
    case 78:
        return MailResult::LoginFailure;
    case 71:
        return MailResult::InsufficientMemory;
    default:
        return MailResult::Failure;
    }
}

MailResult SendmailTransport::Deliver(const OutgoingMail& mail)
{
    QByteArray attachment;
    QString attachmentName;
    if (!mail.AttachmentPath.isEmpty()) {
        QFile file(mail.AttachmentPath);
        if (!file.open(QIODevice::ReadOnly))
            return MailResult::AttachmentOpenFailure;
        attachment = file.readAll();
        attachmentName = QFileInfo(mail.AttachmentPath).fileName();
    }
    const QByteArray boundary = "korvane-" + QUuid::createUuid().toByteArray(QUuid::Id128);
    const QByteArray message = BuildMimeMessage(mail, attachmentName, attachment, boundary);

    QProcess sendmail;
    sendmail.start(m_program, {QStringLiteral("-t"), QStringLiteral("-i")});
    if (!sendmail.waitForStarted())
        return MailResult::Failure;
    sendmail.write(message);
    sendmail.closeWriteChannel();
    if (!sendmail.waitForFinished(DeliveryTimeoutMs)) {
        sendmail.kill();
        sendmail.waitForFinished();
        return MailResult::Failure;
    }
    if (sendmail.exitStatus() != QProcess::NormalExit)
        return MailResult::Failure;
    return ResultOfExitStatus(sendmail.exitCode());
}
