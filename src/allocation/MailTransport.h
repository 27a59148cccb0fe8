#pragma once

#include <QString>

// One message as the e-mail dialog hands it over: exactly one recipient entry (which may hold
// several separator-joined addresses), at most one attachment, no compose window.
struct OutgoingMail {
    QString AttachmentPath; // empty: no attachment
    QString Subject;
    QString Body; // lines each ended by a carriage return
    QString Recipient;
    // Set when the message cannot go out: the error text it is reported with instead.
    QString Problem = {};

    bool operator==(const OutgoingMail&) const = default;
};

// The results a mail transport reports, numbered as the mail interface of the Windows desk
// numbers them, so every transport shows the same English texts.
enum class MailResult {
    Success = 0,
    UserAbort = 1,
    Failure = 2,
    LoginFailure = 3,
    InsufficientMemory = 5,
    TooManyFiles = 9,
    TooManyRecipients = 10,
    AttachmentNotFound = 11,
    AttachmentOpenFailure = 12,
    UnknownRecipient = 14,
    BadRecipientType = 15,
    TextTooLarge = 18,
    AmbiguousRecipient = 21,
};

// The English text of a result; empty for a success and for a number outside the table.
QString MailResultText(int result);

// Hands one finished message to the system's mail transport.
class MailTransport {
public:
    virtual ~MailTransport() = default;
    virtual MailResult Deliver(const OutgoingMail& mail) = 0;
};

// "File "<path>" not found!": the text for an attachment that is not there.
QString AttachmentNotFoundText(const QString& path);

// Sends one message and returns its error text (empty when sent). A message with a problem and a
// named attachment that does not exist are reported before the transport is involved.
QString SendMail(MailTransport& transport, const OutgoingMail& mail);
