#include "mail/CertificateCheck.h"

#include <QDateTime>

#include <gnutls/gnutls.h>
#include <gnutls/x509.h>

#include <utility>
#include <vector>

namespace {
struct TrustList {
    gnutls_x509_trust_list_t list = nullptr;
    TrustList()
    {
        gnutls_x509_trust_list_init(&list, 0);
        gnutls_x509_trust_list_add_system_trust(list, 0, 0);
    }
    ~TrustList() { gnutls_x509_trust_list_deinit(list, 1); }
    TrustList(const TrustList&) = delete;
    TrustList& operator=(const TrustList&) = delete;
};

struct Certificates {
    std::vector<gnutls_x509_crt_t> list;
    ~Certificates()
    {
        for (gnutls_x509_crt_t certificate : list)
            gnutls_x509_crt_deinit(certificate);
    }
};

bool Import(const QByteArray& der, Certificates& into)
{
    gnutls_x509_crt_t certificate = nullptr;
    if (gnutls_x509_crt_init(&certificate) < 0)
        return false;
    const gnutls_datum_t data{reinterpret_cast<unsigned char*>(const_cast<char*>(der.data())),
                              unsigned(der.size())};
    if (gnutls_x509_crt_import(certificate, &data, GNUTLS_X509_FMT_DER) < 0) {
        gnutls_x509_crt_deinit(certificate);
        return false;
    }
    into.list.push_back(certificate);
    return true;
}

QString DatumText(int (*get)(gnutls_x509_crt_t, gnutls_datum_t*, unsigned), gnutls_x509_crt_t certificate)
{
    gnutls_datum_t datum{nullptr, 0};
    if (get(certificate, &datum, 0) < 0)
        return {};
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(datum.data), qsizetype(datum.size));
    gnutls_free(datum.data);
    return text;
}

QString TimeText(time_t time)
{
    return QDateTime::fromSecsSinceEpoch(qint64(time))
        .toLocalTime()
        .toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

QString Sha256(gnutls_x509_crt_t certificate)
{
    unsigned char digest[32];
    size_t size = sizeof digest;
    if (gnutls_x509_crt_get_fingerprint(certificate, GNUTLS_DIG_SHA256, digest, &size) < 0)
        return {};
    return NormalisedFingerprint(
        QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(digest), qsizetype(size)).toHex()));
}

QString ProblemText(unsigned status)
{
    static const std::pair<unsigned, const char*> reasons[] = {
        {GNUTLS_CERT_SIGNER_NOT_FOUND,
         "von keiner bekannten Zertifizierungsstelle ausgestellt (etwa selbst signiert)"},
        {GNUTLS_CERT_SIGNER_NOT_CA, "von keiner Zertifizierungsstelle ausgestellt"},
        {GNUTLS_CERT_UNEXPECTED_OWNER, "für einen anderen Servernamen ausgestellt"},
        {GNUTLS_CERT_EXPIRED, "abgelaufen"},
        {GNUTLS_CERT_NOT_ACTIVATED, "noch nicht gültig"},
        {GNUTLS_CERT_REVOKED, "zurückgezogen"},
        {GNUTLS_CERT_INSECURE_ALGORITHM, "mit einem unsicheren Verfahren unterschrieben"},
        {GNUTLS_CERT_SIGNATURE_FAILURE, "Unterschrift ungültig"},
        {GNUTLS_CERT_PURPOSE_MISMATCH, "nicht für Server bestimmt"},
    };
    QStringList problems;
    for (const auto& [flag, text] : reasons)
        if (status & flag)
            problems.append(QString::fromUtf8(text));
    return problems.isEmpty() ? QStringLiteral("nicht vertrauenswürdig")
                              : problems.join(QStringLiteral(", "));
}
} // namespace

CertificateCheck CheckServerCertificate(const QList<QByteArray>& chain, const QString& host, int port)
{
    CertificateCheck check;
    check.details.Host = host;
    check.details.Port = port;
    Certificates certificates;
    for (const QByteArray& der : chain)
        if (!Import(der, certificates))
            break;
    if (certificates.list.empty() || certificates.list.size() != std::size_t(chain.size())) {
        check.details.Problem = QStringLiteral("Zertifikat nicht lesbar");
        return check;
    }
    gnutls_x509_crt_t own = certificates.list.front();
    check.details.Subject = DatumText(gnutls_x509_crt_get_dn3, own);
    check.details.Issuer = DatumText(gnutls_x509_crt_get_issuer_dn3, own);
    check.details.ValidFrom = TimeText(gnutls_x509_crt_get_activation_time(own));
    check.details.ValidUntil = TimeText(gnutls_x509_crt_get_expiration_time(own));
    check.details.Sha256 = Sha256(own);

    const TrustList trust;
    const QByteArray hostName = host.toUtf8();
    gnutls_typed_vdata_st purpose[2] = {
        {GNUTLS_DT_DNS_HOSTNAME, reinterpret_cast<unsigned char*>(const_cast<char*>(hostName.constData())),
         0},
        {GNUTLS_DT_KEY_PURPOSE_OID,
         reinterpret_cast<unsigned char*>(const_cast<char*>(GNUTLS_KP_TLS_WWW_SERVER)), 0}};
    unsigned status = 0;
    const int result = gnutls_x509_trust_list_verify_crt2(trust.list, certificates.list.data(),
                                                          unsigned(certificates.list.size()), purpose, 2, 0,
                                                          &status, nullptr);
    check.trustedBySystem = result == 0 && status == 0;
    if (!check.trustedBySystem)
        check.details.Problem = ProblemText(result == 0 ? status : unsigned(GNUTLS_CERT_INVALID));
    return check;
}
