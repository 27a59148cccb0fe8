#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The real counterparts of the mail tests: an SMTP server on loopback (Python's aiosmtpd, see
// smtp_test_server.py) and Python's email package reading what arrived as a mail program would.

// Empty when Debian's python3 with aiosmtpd and cryptography is there; otherwise what is missing.
QString MissingMailTools();

#define SKIP_WITHOUT_MAIL_TOOLS()                                                                            \
    if (const QString missing = MissingMailTools(); !missing.isEmpty())                                      \
    GTEST_SKIP() << missing.toStdString()

class SmtpTestServer {
public:
    // "starttls", "tls" or "none"; the login is "trainer" / "geheim".
    explicit SmtpTestServer(const QString& security = QStringLiteral("starttls"));
    ~SmtpTestServer();
    SmtpTestServer(const SmtpTestServer&) = delete;
    SmtpTestServer& operator=(const SmtpTestServer&) = delete;

    bool started() const { return m_port > 0; }
    int port() const { return m_port; }
    QString address() const { return QStringLiteral("localhost:%1").arg(m_port); }
    QString fingerprint() const { return m_fingerprint; }
    // Stops the server and returns what every message that arrived looked like, in order.
    QJsonArray stopAndReadMessages();

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    int m_port = 0;
    QString m_fingerprint;
};

// What Python's email package finds in the message files, one object each (as the server
// reports arrived messages, without the envelope).
QJsonArray ReadMessagesWithPython(const QStringList& files);

// The first value of the header in a message read as above; empty when there is none.
QString HeaderValue(const QJsonObject& message, const char* name);

// An attachment read as above carries the file's name in both places, the type and its bytes.
void ExpectAttachment(const QJsonObject& attachment, const QString& name, const QString& type,
                      const QString& file);
