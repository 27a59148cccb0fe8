#include "allocation/MailTransport.h"

#include <QFileInfo>

QString MailResultText(int result)
{
    switch (MailResult(result)) {
    case MailResult::Success:
        return {};
    case MailResult::UserAbort:
        return QStringLiteral("The user canceled one of the dialog boxes!");
    case MailResult::Failure:
        return QStringLiteral("One or more unspecified errors occurred!");
    case MailResult::LoginFailure:
        return QStringLiteral("There was no default logon, and the user failed to log on successfully when "
                              "the logon dialog box was displayed!");
    case MailResult::InsufficientMemory:
        return QStringLiteral("There was insufficient memory to proceed!");
    case MailResult::TooManyFiles:
        return QStringLiteral("There were too many file attachments!");
    case MailResult::TooManyRecipients:
        return QStringLiteral("There were too many recipients!");
    case MailResult::AttachmentNotFound:
        return QStringLiteral("The specified attachment was not found!");
    case MailResult::AttachmentOpenFailure:
        return QStringLiteral("The specified attachment could not be open!");
    case MailResult::UnknownRecipient:
        return QStringLiteral("A recipient did not appear in the address list!");
    case MailResult::BadRecipientType:
        return QStringLiteral("The type of a recipient was not MAPI_TO, MAPI_CC, or MAPI_BCC!");
    case MailResult::TextTooLarge:
        return QStringLiteral("The text in the message was too large to sent!");
    case MailResult::AmbiguousRecipient:
        return QStringLiteral("A recipient matched more than one of the recipient descriptor structures and "
                              "MAPI_DIALOG was not set!");
    }
    return {};
}

QString AttachmentNotFoundText(const QString& path)
{
    return QStringLiteral("File \"") + path + QStringLiteral("\" not found!");
}

QString SendMail(MailTransport& transport, const OutgoingMail& mail)
{
    if (!mail.Problem.isEmpty())
        return mail.Problem;
    if (!mail.AttachmentPath.isEmpty() && !QFileInfo(mail.AttachmentPath).isFile())
        return AttachmentNotFoundText(mail.AttachmentPath);
    return MailResultText(int(transport.Deliver(mail)));
}
