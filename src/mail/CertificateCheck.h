#pragma once

#include "allocation/MailCertificate.h"

#include <QByteArray>
#include <QList>

// The check of a mail server's certificate chain against the system's certificate authorities
// and the server's name, by GnuTLS (the library vmime's TLS runs on).
struct CertificateCheck {
    bool trustedBySystem = false;
    CertificateDetails details; // of the server's own certificate; Problem says why it is not trusted
};

// chain: the DER-encoded certificates as the server sent them, its own first.
CertificateCheck CheckServerCertificate(const QList<QByteArray>& chain, const QString& host, int port);
