// The messages vmime builds, handed to a sendmail stand-in and read back by Python's email
// package as a mail program reads them.
#include "mail/SendmailTransport.h"
#include "allocation/MailAccount.h"
#include "allocation/MailCertificate.h"
#include "allocation/MailTransport.h"
#include "mail/MailTestSupport.h"
#include "mail/MailTransports.h"
#include "mail/MimeMessage.h"
#include "support/GTestQt.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>

namespace {
// A sendmail stand-in: keeps its arguments and its standard input per call and exits with the
// status given for that call (0 when none is given).
class FakeSendmail {
public:
    explicit FakeSendmail(const QStringList& exitStatuses = {})
    {
        WriteFileContents(m_dir.filePath(QStringLiteral("codes")),
                          (exitStatuses.join(u'\n') + u'\n').toUtf8());
        WriteFileContents(m_dir.filePath(QStringLiteral("sendmail")),
                          QStringLiteral("#!/bin/sh\n"
                                         "dir='%1'\n"
                                         "n=$(ls \"$dir\" | grep -c '^mail-')\n"
                                         "printf '%s\\n' \"$@\" > \"$dir/args-$n\"\n"
                                         "cat > \"$dir/mail-$n\"\n"
                                         "code=$(sed -n \"$((n+1))p\" \"$dir/codes\")\n"
                                         "exit ${code:-0}\n")
                              .arg(m_dir.path())
                              .toUtf8());
        QFile(program()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString program() const { return m_dir.filePath(QStringLiteral("sendmail")); }
    QString mail(int call) const { return m_dir.filePath(QStringLiteral("mail-%1").arg(call)); }
    QByteArray arguments(int call) const
    {
        return FileContents(m_dir.filePath(QStringLiteral("args-%1").arg(call)));
    }

private:
    QTemporaryDir m_dir;
};
} // namespace

TEST(SendmailTransport, HandsOverACompleteMessageWithTheBccThatSendmailTakesAndRemoves)
{
    SKIP_WITHOUT_MAIL_TOOLS();
    QTemporaryDir work;
    const QString attachment = work.filePath(QStringLiteral("Spielplan Süd.rtf"));
    ASSERT_TRUE(WriteFileContents(attachment, QByteArray("{\\rtf1\\ansi Spielplan}\r\n\x00\xFF", 27)));
    MailMessage mail;
    mail.From = {QStringLiteral("Turnierleitung Süd, Verein"), QStringLiteral("leitung@example.org")};
    mail.To = {{QStringLiteral("TSV Überau"), QStringLiteral("fussball@xn--tsv-berau-t9a.de")}};
    mail.Bcc = {{QStringLiteral("Adler"), QStringLiteral("adler@example.org")}};
    mail.Subject = QStringLiteral("Info zum Korvane Süd\r\nBcc: alle@example.org");
    mail.Body = QStringLiteral("Liebe Sportfreunde,\r\rGruß\n");
    mail.AttachmentPath = attachment;
    FakeSendmail sendmail({QStringLiteral("0"), QStringLiteral("67"), QStringLiteral("69")});
    SendmailTransport transport(sendmail.program());

    EXPECT_EQ(transport.Deliver(mail).outcome, MailDelivery::Outcome::Sent);
    EXPECT_EQ(sendmail.arguments(0), "-t\n-i\n");
    const QByteArray forServer = BuildMimeMessage(mail, FileContents(attachment), BccHeader::Leave);
    const QString serverFile = work.filePath(QStringLiteral("server.eml"));
    ASSERT_TRUE(WriteFileContents(serverFile, forServer));
    const QJsonArray read = ReadMessagesWithPython({sendmail.mail(0), serverFile});

    ASSERT_EQ(read.size(), 2);
    for (const QJsonValue& value : read) {
        const QJsonObject message = value.toObject();
        EXPECT_EQ(message[u"strict"].toString(), QStringLiteral("ok"));
        EXPECT_TRUE(message[u"defects"].toArray().isEmpty());
        EXPECT_EQ(HeaderValue(message, "From"),
                  QStringLiteral("\"Turnierleitung Süd, Verein\" <leitung@example.org>"));
        EXPECT_EQ(HeaderValue(message, "To"), QStringLiteral("TSV Überau <fussball@xn--tsv-berau-t9a.de>"));
        // A line break in a text never starts a header of its own.
        EXPECT_EQ(HeaderValue(message, "Subject"),
                  QStringLiteral("Info zum Korvane Süd  Bcc: alle@example.org"));
        EXPECT_FALSE(HeaderValue(message, "Message-ID").isEmpty());
        EXPECT_EQ(message[u"text"].toString(), QStringLiteral("Liebe Sportfreunde,\r\n\r\nGruß\r\n"));
        ExpectAttachment(message[u"attachments"].toArray()[0].toObject(), QStringLiteral("Spielplan Süd.rtf"),
                         QStringLiteral("application/rtf"), attachment);
    }
    EXPECT_EQ(HeaderValue(read[0].toObject(), "Bcc"), QStringLiteral("Adler <adler@example.org>"));
    EXPECT_EQ(HeaderValue(read[1].toObject(), "Bcc"), QString());
    EXPECT_FALSE(forServer.contains("adler@"));

    // What the exit status of sendmail means: this message, or the whole session.
    EXPECT_EQ(transport.Deliver(mail).outcome, MailDelivery::Outcome::Failed);
    EXPECT_EQ(transport.Deliver(mail).outcome, MailDelivery::Outcome::SessionFailed);
    mail.AttachmentPath = work.filePath(QStringLiteral("weg.rtf"));
    EXPECT_TRUE(transport.Deliver(mail).reason.startsWith(QStringLiteral("Anhang ")));
    mail.AttachmentPath.clear();
    SendmailTransport missing(work.filePath(QStringLiteral("kein-sendmail")));
    EXPECT_EQ(missing.Deliver(mail).outcome, MailDelivery::Outcome::SessionFailed);
    qputenv("KORVANE_SENDMAIL", "/opt/mta/bin/sendmail");
    EXPECT_EQ(SendmailTransport::SendmailProgram(), QStringLiteral("/opt/mta/bin/sendmail"));
    qunsetenv("KORVANE_SENDMAIL");
    EXPECT_EQ(SendmailTransport::SendmailProgram(), QStringLiteral("/usr/sbin/sendmail"));

    // An account set to sendmail sends through it, whatever server it names.
    MailAccount account;
    account.Route = MailRoute::Sendmail;
    account.Server = QStringLiteral("smtp.example.org");
    RememberedCertificateTrust refuse({}, false);
    const std::atomic<bool> notCancelled{false};
    qputenv("KORVANE_SENDMAIL", sendmail.program().toLocal8Bit());
    EXPECT_EQ(MakeMailTransport(account, {}, refuse, notCancelled)->Deliver(mail).outcome,
              MailDelivery::Outcome::Sent);
    qunsetenv("KORVANE_SENDMAIL");
    EXPECT_EQ(sendmail.arguments(3), "-t\n-i\n");
}

TEST(AttachmentContentType, FollowsTheExtension)
{
    const struct {
        const char* file;
        const char* type;
    } cases[] = {
        {"Plan.PDF", "application/pdf"},
        {"turnier.auf", "application/x-korvane-tournament"},
        {"ohne", "application/octet-stream"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(AttachmentContentType(QString::fromUtf8(test.file)), QString::fromUtf8(test.type))
            << test.file;
}
