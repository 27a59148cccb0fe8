#pragma once

#include <QString>

#include <functional>

class QSettings;

// A server certificate that the system does not trust, as the organiser sees it.
struct CertificateDetails {
    QString Host;
    int Port = 0;
    QString Problem; // why the system does not trust it
    QString Subject;
    QString Issuer;
    QString ValidFrom;
    QString ValidUntil;
    QString Sha256; // fingerprint, lower-case hex digits in pairs separated by ":"
};

// The details as lines of a message.
QString CertificateDetailsText(const CertificateDetails& details);
// The question whether to trust the certificate anyway, with its details.
QString CertificateQuestion(const CertificateDetails& details);
// A fingerprint in any usual spelling (upper or lower case, with or without ":") in the form of
// CertificateDetails::Sha256.
QString NormalisedFingerprint(const QString& fingerprint);

// Decides about a certificate the system does not trust: sending over it goes on only when this
// says yes. It runs on the thread that sends.
class CertificateTrust {
public:
    virtual ~CertificateTrust() = default;
    virtual bool trust(const CertificateDetails& details) = 0;
};

// The certificates the organiser has trusted, one per server and port, kept in the program's
// settings.
QString TrustedFingerprint(const QSettings& settings, const QString& host, int port);
void RememberTrustedFingerprint(QSettings& settings, const QString& host, int port, const QString& sha256);

// Trusts a certificate whose fingerprint the settings remember for its server and port;
// otherwise asks the question (none: refuses) and, when `rememberYes`, remembers a yes.
class RememberedCertificateTrust : public CertificateTrust {
public:
    using Question = std::function<bool(const CertificateDetails&)>;
    RememberedCertificateTrust(Question ask, bool rememberYes);
    bool trust(const CertificateDetails& details) override;

private:
    Question m_ask;
    bool m_rememberYes;
};
