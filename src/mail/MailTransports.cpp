#include "mail/MailTransports.h"

#include "mail/SendmailTransport.h"
#include "mail/SmtpTransport.h"

std::unique_ptr<MailTransport> MakeMailTransport(const MailAccount& account, const QString& password,
                                                 CertificateTrust& trust,
                                                 const std::atomic<bool>& cancelRequested)
{
    if (account.Route == MailRoute::Sendmail)
        return std::make_unique<SendmailTransport>();
    return std::make_unique<SmtpTransport>(account, password, trust, cancelRequested);
}
