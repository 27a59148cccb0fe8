#pragma once

#include <QList>
#include <QString>

// One person or team a message is addressed to; the address in the form a server takes (see
// WireMailAddress).
struct MailAddressee {
    QString Name;
    QString Address;

    bool operator==(const MailAddressee&) const = default;
};

// One finished message. Bcc recipients get the message without appearing in its headers.
struct MailMessage {
    MailAddressee From;
    QList<MailAddressee> To;
    QList<MailAddressee> Bcc;
    QString Subject;
    QString Body;           // lines ended by LF or CR LF
    QString AttachmentPath; // empty: no attachment

    bool operator==(const MailMessage&) const = default;
};

// What became of one message.
struct MailDelivery {
    enum class Outcome {
        Sent,
        Failed,        // this message did not go out; the next one may
        SessionFailed, // the server cannot be used (not reached, login or certificate refused):
                       // no further message is tried
    };
    Outcome outcome = Outcome::Sent;
    QString reason; // why it was not sent, in German for the organiser

    static MailDelivery Sent() { return {}; }
    static MailDelivery Failed(const QString& reason) { return {Outcome::Failed, reason}; }
    static MailDelivery SessionFailed(const QString& reason) { return {Outcome::SessionFailed, reason}; }
};

// Hands messages to a mail server or program. One transport serves one sending session: it may
// keep its connection from one message to the next. A transport is used by one thread at a time.
class MailTransport {
public:
    virtual ~MailTransport() = default;
    virtual MailDelivery Deliver(const MailMessage& mail) = 0;
};
