#include "mail/MailTestSupport.h"

#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {
const QString Python = QStringLiteral("/usr/bin/python3");

QString ServerScript()
{
    return QStringLiteral(KORVANE_SOURCE_DIR "/tests/mail/smtp_test_server.py");
}

QJsonArray JsonLines(const QByteArray& text)
{
    QJsonArray lines;
    for (const QByteArray& line : text.split('\n'))
        if (!line.trimmed().isEmpty())
            lines.append(QJsonDocument::fromJson(line).object());
    return lines;
}
} // namespace

QString MissingMailTools()
{
    static const QString missing = [] {
        QProcess probe;
        probe.start(Python, {QStringLiteral("-c"), QStringLiteral("import aiosmtpd, cryptography")});
        if (probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
            probe.exitCode() == 0)
            return QString();
        return QStringLiteral("The mail tests need /usr/bin/python3 with aiosmtpd and cryptography "
                              "(Debian: python3-aiosmtpd python3-cryptography)");
    }();
    return missing;
}

SmtpTestServer::SmtpTestServer(const QString& security)
{
    m_server.start(Python, {ServerScript(), QStringLiteral("--dir"), m_dir.path(),
                            QStringLiteral("--security"), security});
    if (!m_server.waitForReadyRead(30000)) {
        ADD_FAILURE() << "the SMTP test server did not start: "
                      << m_server.readAllStandardError().toStdString();
        return;
    }
    const QStringList words = QString::fromLatin1(m_server.readLine()).split(u' ');
    if (words.size() == 4 && words[0] == u"PORT") {
        m_port = words[1].toInt();
        m_fingerprint = words[3].trimmed();
    }
}

SmtpTestServer::~SmtpTestServer()
{
    stopAndReadMessages();
}

QJsonArray SmtpTestServer::stopAndReadMessages()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.closeWriteChannel();
        if (!m_server.waitForFinished(30000))
            m_server.kill();
        m_server.waitForFinished();
    }
    return JsonLines(FileContents(m_dir.filePath(QStringLiteral("messages.jsonl"))));
}

QJsonArray ReadMessagesWithPython(const QStringList& files)
{
    QProcess parser;
    parser.start(Python, QStringList{ServerScript(), QStringLiteral("--parse")} + files);
    EXPECT_TRUE(parser.waitForFinished(60000));
    EXPECT_EQ(parser.exitCode(), 0) << parser.readAllStandardError().toStdString();
    return JsonLines(parser.readAllStandardOutput());
}

QString HeaderValue(const QJsonObject& message, const char* name)
{
    const QJsonArray values = message[u"headers"].toObject()[QLatin1String(name)].toArray();
    return values.isEmpty() ? QString() : values[0].toObject()[u"value"].toString();
}

void ExpectAttachment(const QJsonObject& attachment, const QString& name, const QString& type,
                      const QString& file)
{
    EXPECT_EQ(attachment[u"filename"].toString(), name);
    EXPECT_EQ(attachment[u"name"].toString(), name);
    EXPECT_EQ(attachment[u"content_type"].toString(), type);
    const QByteArray sha256 =
        QCryptographicHash::hash(FileContents(file), QCryptographicHash::Sha256).toHex();
    EXPECT_EQ(attachment[u"sha256"].toString(), QString::fromLatin1(sha256)) << name.toStdString();
}
