#include "mail/SmtpTransport.h"

#include "allocation/MailCertificate.h"
#include "mail/CertificateCheck.h"
#include "mail/MimeMessage.h"
#include "mail/VmimePlatform.h"

#include <vmime/vmime.hpp>

#include <chrono>
#include <optional>

namespace {
// A server that has not answered after this long is not going to.
constexpr std::chrono::seconds AnswerTimeout{30};

// Ends every wait for the server when it takes too long or the organiser cancels.
class CancellableTimeout : public vmime::net::timeoutHandler {
public:
    explicit CancellableTimeout(const std::atomic<bool>& cancelRequested) : m_cancelRequested(cancelRequested)
    {
    }
    bool isTimeOut() override
    {
        return m_cancelRequested || std::chrono::steady_clock::now() - m_start > AnswerTimeout;
    }
    void resetTimeOut() override { m_start = std::chrono::steady_clock::now(); }
    bool handleTimeOut() override { return false; }

private:
    const std::atomic<bool>& m_cancelRequested;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

class CancellableTimeouts : public vmime::net::timeoutHandlerFactory {
public:
    explicit CancellableTimeouts(const std::atomic<bool>& cancelRequested)
        : m_cancelRequested(cancelRequested)
    {
    }
    std::shared_ptr<vmime::net::timeoutHandler> create() override
    {
        return std::make_shared<CancellableTimeout>(m_cancelRequested);
    }

private:
    const std::atomic<bool>& m_cancelRequested;
};

// The system's certificate authorities first, then the organiser's own decision.
class ServerCertificateVerifier : public vmime::security::cert::certificateVerifier {
public:
    ServerCertificateVerifier(const MailAccount& account, CertificateTrust& trust)
        : m_host(account.Server.trimmed()), m_port(account.Port), m_trust(trust)
    {
    }

    void verify(std::shared_ptr<vmime::security::cert::certificateChain> chain, const vmime::string&) override
    {
        QList<QByteArray> encoded;
        for (size_t index = 0; index < chain->getCount(); ++index) {
            const vmime::byteArray bytes = chain->getAt(index)->getEncoded();
            encoded.append(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
        }
        const CertificateCheck check = CheckServerCertificate(encoded, m_host, m_port);
        if (check.trustedBySystem || m_trust.trust(check.details))
            return;
        m_refused = check.details;
        throw vmime::security::cert::certificateNotTrustedException();
    }

    const std::optional<CertificateDetails>& refused() const { return m_refused; }

private:
    QString m_host;
    int m_port;
    CertificateTrust& m_trust;
    std::optional<CertificateDetails> m_refused;
};

vmime::mailbox Mailbox(const MailAddressee& addressee)
{
    return vmime::mailbox(vmime::emailAddress(addressee.Address.toStdString()));
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text).trimmed();
}
} // namespace

struct SmtpTransport::Connection {
    std::shared_ptr<vmime::net::session> session;
    std::shared_ptr<vmime::net::transport> transport;
    std::shared_ptr<ServerCertificateVerifier> verifier;
};

SmtpTransport::SmtpTransport(const MailAccount& account, const QString& password, CertificateTrust& trust,
                             const std::atomic<bool>& cancelRequested)
    : m_account(account), m_password(password), m_trust(trust), m_cancelRequested(cancelRequested)
{
    m_account.Server = m_account.Server.trimmed();
}

SmtpTransport::~SmtpTransport()
{
    if (!m_connection || !m_connection->transport->isConnected())
        return;
    try {
        m_connection->transport->disconnect();
    } catch (const vmime::exception&) {
        // the messages are out; a server that does not say goodbye changes nothing
    }
}

MailDelivery SmtpTransport::connect()
{
    UseVmimePlatform();
    const QString& host = m_account.Server;
    const QString server = QStringLiteral("%1:%2").arg(host).arg(m_account.Port);
    if (const QString problem = MailAccountProblem(m_account); !problem.isEmpty())
        return MailDelivery::SessionFailed(problem);

    auto connection = std::make_unique<Connection>();
    connection->session = vmime::net::session::create();
    const vmime::utility::url url(m_account.Security == MailSecurity::Tls ? "smtps" : "smtp",
                                  host.toStdString(), m_account.Port);
    connection->transport = connection->session->getTransport(url);
    vmime::net::transport& transport = *connection->transport;
    transport.setProperty("connection.tls", m_account.Security == MailSecurity::StartTls);
    transport.setProperty("connection.tls.required", m_account.Security != MailSecurity::None);
    transport.setProperty("options.need-authentication", !m_account.User.isEmpty());
    if (!m_account.User.isEmpty()) {
        transport.setProperty("auth.username", m_account.User.toStdString());
        transport.setProperty("auth.password", m_password.toStdString());
        transport.setProperty("options.sasl", true);
        transport.setProperty("options.sasl.fallback", false);
        transport.setAuthenticator(std::make_shared<vmime::security::sasl::defaultSASLAuthenticator>());
    }
    connection->verifier = std::make_shared<ServerCertificateVerifier>(m_account, m_trust);
    transport.setCertificateVerifier(connection->verifier);
    transport.setTimeoutHandlerFactory(std::make_shared<CancellableTimeouts>(m_cancelRequested));

    try {
        transport.connect();
    } catch (const vmime::security::cert::certificateException&) {
        const std::optional<CertificateDetails>& refused = connection->verifier->refused();
        return MailDelivery::SessionFailed(
            QStringLiteral("Das Zertifikat des Servers wurde nicht angenommen.") +
            (refused ? QStringLiteral("\n") + CertificateDetailsText(*refused) : QString()));
    } catch (const vmime::exceptions::authentication_error&) {
        return MailDelivery::SessionFailed(
            QStringLiteral("Der Server %1 hat die Anmeldung abgelehnt: Benutzername oder Passwort falsch.")
                .arg(server));
    } catch (const vmime::exceptions::operation_timed_out&) {
        return MailDelivery::SessionFailed(
            m_cancelRequested ? QStringLiteral("abgebrochen")
                              : QStringLiteral("Der Server %1 antwortet nicht.").arg(server));
    } catch (const vmime::exceptions::connection_error& error) {
        const bool unknownName = QString::fromUtf8(error.what()).contains(QStringLiteral("getaddrinfo"));
        return MailDelivery::SessionFailed(
            unknownName ? QStringLiteral("Der Servername %1 ist unbekannt.").arg(host)
                        : QStringLiteral("Der Server %1 ist nicht erreichbar.").arg(server));
    } catch (const vmime::exceptions::tls_exception& error) {
        return MailDelivery::SessionFailed(
            QStringLiteral(
                "Keine verschlüsselte Verbindung zum Server %1 möglich: passen Sicherheit und Port "
                "zusammen (STARTTLS: 587, TLS: 465)? (%2)")
                .arg(server, Text(error.what())));
    } catch (const vmime::exceptions::command_error& error) {
        return MailDelivery::SessionFailed(QStringLiteral("Der Server %1 lehnt ab: %2 %3")
                                               .arg(server, Text(error.command()), Text(error.response())));
    } catch (const vmime::exception& error) {
        return MailDelivery::SessionFailed(
            QStringLiteral("Verbindung zum Server %1 fehlgeschlagen: %2").arg(server, Text(error.what())));
    }
    m_connection = std::move(connection);
    return MailDelivery::Sent();
}

MailDelivery SmtpTransport::Deliver(const MailMessage& mail)
{
    const AttachmentRead attachment = ReadAttachment(mail);
    if (!attachment.error.isEmpty())
        return MailDelivery::Failed(attachment.error);
    if (!m_connection || !m_connection->transport->isConnected()) {
        m_connection.reset();
        if (const MailDelivery connected = connect(); connected.outcome != MailDelivery::Outcome::Sent)
            return connected;
    }
    const std::string text = BuildMimeMessage(mail, attachment.bytes, BccHeader::Leave).toStdString();
    vmime::mailboxList recipients;
    for (const MailAddressee& addressee : mail.To + mail.Bcc)
        recipients.appendMailbox(std::make_shared<vmime::mailbox>(Mailbox(addressee)));
    vmime::utility::inputStreamStringAdapter input(text);
    try {
        m_connection->transport->send(Mailbox(mail.From), recipients, input, text.size());
    } catch (const vmime::exceptions::command_error& error) {
        return MailDelivery::Failed(
            QStringLiteral("Der Server nimmt die E-Mail nicht an: %1").arg(Text(error.response())));
    } catch (const vmime::exceptions::operation_timed_out&) {
        return MailDelivery::SessionFailed(m_cancelRequested ? QStringLiteral("abgebrochen")
                                                             : QStringLiteral("Der Server antwortet nicht."));
    } catch (const vmime::exception& error) {
        return MailDelivery::SessionFailed(
            QStringLiteral("Die Verbindung zum Server ist abgebrochen: %1").arg(Text(error.what())));
    }
    return MailDelivery::Sent();
}
