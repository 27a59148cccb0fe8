#pragma once

#include "allocation/MailAccount.h"
#include "allocation/MailTransport.h"

#include <atomic>
#include <memory>

class CertificateTrust;

// Submission to the organiser's mail server through vmime: STARTTLS or TLS (plain text only to
// a server on this computer), login by SASL (PLAIN, LOGIN, ...) when a user is set. The
// connection is opened with the first message and kept for the next ones. A certificate that the
// system does not trust is handed to `trust`; without its yes the connection is refused. Setting
// `cancelRequested` ends a wait for the server at once.
class SmtpTransport : public MailTransport {
public:
    SmtpTransport(const MailAccount& account, const QString& password, CertificateTrust& trust,
                  const std::atomic<bool>& cancelRequested);
    ~SmtpTransport() override;

    MailDelivery Deliver(const MailMessage& mail) override;

private:
    struct Connection;
    MailDelivery connect();

    MailAccount m_account;
    QString m_password;
    CertificateTrust& m_trust;
    const std::atomic<bool>& m_cancelRequested;
    std::unique_ptr<Connection> m_connection;
};
