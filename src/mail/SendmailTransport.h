#pragma once

#include "allocation/MailTransport.h"

// Mail through the sendmail interface that every Unix mail transfer agent provides: the message
// goes to "sendmail -t -i" on its standard input, which takes the recipients from the To and
// Bcc headers and removes the Bcc header before it sends.
class SendmailTransport : public MailTransport {
public:
    explicit SendmailTransport(QString program = SendmailProgram());

    MailDelivery Deliver(const MailMessage& mail) override;

    // $KORVANE_SENDMAIL when set, otherwise /usr/sbin/sendmail.
    static QString SendmailProgram();
    // What an exit status of sendmail means for the organiser (see the table in the source).
    static MailDelivery DeliveryOfExitStatus(int status);

private:
    QString m_program;
};
