#include "allocation/MailCertificate.h"

#include "allocation/MailAccount.h"

#include <QSettings>

#include <utility>

namespace {
QString TrustKey(const QString& host, int port)
{
    return QStringLiteral("Zertifikate/") + host.trimmed().toLower() + u'_' + QString::number(port);
}
} // namespace

QString CertificateDetailsText(const CertificateDetails& details)
{
    return QStringLiteral("Server: %1:%2\nProblem: %3\nAusgestellt für: %4\nAusgestellt von: %5\n"
                          "Gültig von %6 bis %7\nSHA-256-Fingerabdruck: %8")
        .arg(details.Host)
        .arg(details.Port)
        .arg(details.Problem, details.Subject, details.Issuer, details.ValidFrom, details.ValidUntil,
             details.Sha256);
}

QString CertificateQuestion(const CertificateDetails& details)
{
    return QStringLiteral("Das Zertifikat des E-Mail-Servers ist nicht vertrauenswürdig:\n\n") +
           CertificateDetailsText(details) +
           QStringLiteral(
               "\n\nVertrauen Sie ihm nur, wenn Sie diesen Fingerabdruck vom Betreiber des Servers "
               "kennen. Diesem Zertifikat vertrauen und senden?");
}

QString NormalisedFingerprint(const QString& fingerprint)
{
    QString digits;
    for (const QChar character : fingerprint)
        if (character.isLetterOrNumber())
            digits += character.toLower();
    QString paired;
    for (qsizetype index = 0; index < digits.size(); index += 2)
        paired += (index > 0 ? QStringLiteral(":") : QString()) + digits.mid(index, 2);
    return paired;
}

QString TrustedFingerprint(const QSettings& settings, const QString& host, int port)
{
    return settings.value(TrustKey(host, port)).toString();
}

void RememberTrustedFingerprint(QSettings& settings, const QString& host, int port, const QString& sha256)
{
    settings.setValue(TrustKey(host, port), NormalisedFingerprint(sha256));
}

RememberedCertificateTrust::RememberedCertificateTrust(Question ask, bool rememberYes)
    : m_ask(std::move(ask)), m_rememberYes(rememberYes)
{
}

bool RememberedCertificateTrust::trust(const CertificateDetails& details)
{
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    if (!details.Sha256.isEmpty() &&
        TrustedFingerprint(*settings, details.Host, details.Port) == details.Sha256)
        return true;
    if (!m_ask || !m_ask(details))
        return false;
    if (m_rememberYes)
        RememberTrustedFingerprint(*settings, details.Host, details.Port, details.Sha256);
    return true;
}
