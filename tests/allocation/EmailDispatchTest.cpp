#include "allocation/EmailDispatch.h"
#include "allocation/SendmailTransport.h"
#include "model/TournamentState.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A sendmail stand-in: records its arguments and its standard input per call and exits with
// the status given for that call (0 when none is given).
class FakeSendmail {
public:
    explicit FakeSendmail(const QStringList& exitStatuses = {})
    {
        EXPECT_TRUE(m_dir.isValid());
        QFile codes(path("codes"));
        EXPECT_TRUE(codes.open(QIODevice::WriteOnly));
        codes.write((exitStatuses.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        QFile script(program());
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\n"
                                    "dir='%1'\n"
                                    "n=$(ls \"$dir\" | grep -c '^mail-')\n"
                                    "printf '%s\\n' \"$@\" > \"$dir/args-$n\"\n"
                                    "cat > \"$dir/mail-$n\"\n"
                                    "code=$(sed -n \"$((n+1))p\" \"$dir/codes\")\n"
                                    "exit ${code:-0}\n")
                         .arg(m_dir.path())
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString program() const { return path("sendmail"); }
    int calls() const { return int(QDir(m_dir.path()).entryList({QStringLiteral("mail-*")}).size()); }
    QByteArray mail(int call) const { return read(QStringLiteral("mail-%1").arg(call)); }
    QByteArray arguments(int call) const { return read(QStringLiteral("args-%1").arg(call)); }

private:
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }
    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

// The decoded base64 parts of a message, in order: the text, then the attachment.
QList<QByteArray> DecodedParts(const QByteArray& mail)
{
    static const QRegularExpression part(
        QStringLiteral("Content-Transfer-Encoding: base64\\n(?:[^\\n]+\\n)*\\n([A-Za-z0-9+/=\\n]*)"));
    QList<QByteArray> parts;
    for (const QRegularExpressionMatch& match : part.globalMatch(QString::fromLatin1(mail)))
        parts << QByteArray::fromBase64(match.captured(1).toLatin1());
    return parts;
}

QList<EmailRow> ThreeTicked()
{
    return {{QStringLiteral("Adler"), QStringLiteral("adler@example.org"), true},
            {QStringLiteral("Bären"), QStringLiteral("baeren@example.org"), false},
            {QStringLiteral("Cobras"), QStringLiteral("cobras@example.org"), true},
            {QStringLiteral("Dachse"), QStringLiteral("dachse@example.org"), true}};
}

EmailJob JobFor(EmailMode mode, const QString& workDir)
{
    EmailJob job;
    job.Mode = mode;
    job.Subject = EmailSubject(QStringLiteral("Stadtpokal"));
    job.BodyLines = DefaultEmailBody();
    job.WorkDir = workDir;
    job.TournamentName = QStringLiteral("Stadtpokal");
    return job;
}
} // namespace

TEST(SendEmails, OneMessageToAllCarriesTheJoinedAddressesTheTextAndTheAttachment)
{
    QTemporaryDir work;
    const QString attachment = QDir(work.path()).filePath(QStringLiteral("Spielplan Jugend.csv"));
    QFile file(attachment);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Zeit,Platz 1\r\n10:00,A-B\r\n");
    file.close();
    FakeSendmail sendmail;
    SendmailTransport transport(sendmail.program());
    ScriptedPrompter prompter;
    EmailJob job = JobFor(EmailMode::OneToAll, work.path());
    job.AttachmentPath = attachment;

    EXPECT_EQ(SendEmails(PlanEmails(ThreeTicked(), job), transport, prompter), 1);

    EXPECT_TRUE(prompter.shown().empty());
    ASSERT_EQ(sendmail.calls(), 1);
    EXPECT_EQ(sendmail.arguments(0), "-t\n-i\n");
    const QByteArray mail = sendmail.mail(0);
    EXPECT_TRUE(mail.startsWith("To: adler@example.org,cobras@example.org,dachse@example.org,\n"
                                "Subject: Info zum Korvane Stadtpokal\nMIME-Version: 1.0\n"))
        << mail.toStdString();
    EXPECT_TRUE(mail.contains("filename=\"Spielplan Jugend.csv\""));
    const QList<QByteArray> parts = DecodedParts(mail);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(QString::fromUtf8(parts[0]),
              QStringLiteral("Liebe Sportfreunde,\n\nhiermit senden wir Euch die neuesten Informationen zu "
                             "unserem geplanten Korvane.\n\nMit sportlichem Gruß,\n\n\n"));
    EXPECT_EQ(parts[1], "Zeit,Platz 1\r\n10:00,A-B\r\n");
}

TEST(SendEmails, ShowsOneErrorBoxPerFailedMessageAndGoesOn)
{
    QTemporaryDir work;
    FakeSendmail sendmail({QStringLiteral("67"), QStringLiteral("0"), QStringLiteral("75")});
    SendmailTransport transport(sendmail.program());
    ScriptedPrompter prompter;
    const EmailJob job = JobFor(EmailMode::SeparateSameAttachment, work.path()); // empty path: no attachment

    EXPECT_EQ(SendEmails(PlanEmails(ThreeTicked(), job), transport, prompter), 1);

    ASSERT_EQ(sendmail.calls(), 3);
    EXPECT_TRUE(sendmail.mail(1).startsWith("To: cobras@example.org\n"));
    EXPECT_FALSE(sendmail.mail(1).contains("multipart"));
    EXPECT_EQ(
        prompter.texts(),
        QStringList({QStringLiteral("Die Datei konnte nicht per E-Mail versendet werden!\n\r\n\rMeldung:\n\r"
                                    "A recipient did not appear in the address list!"),
                     EmailErrorBoxText(QStringLiteral("One or more unspecified errors occurred!"))}));
}

TEST(SendEmails, ReportsMissingGameListsAndAMissingSendmailWithoutSending)
{
    QTemporaryDir work;
    FakeSendmail sendmail;
    SendmailTransport transport(sendmail.program());
    ScriptedPrompter prompter;
    EmailJob job = JobFor(EmailMode::SeparateGameList, work.path());
    job.RoundOneTeams = {QStringLiteral("Dachse"), QStringLiteral("Adler")};
    const QList<OutgoingMail> mails = PlanEmails(ThreeTicked(), job);

    EXPECT_EQ(SendEmails(mails, transport, prompter), 0);

    EXPECT_EQ(sendmail.calls(), 0);
    EXPECT_EQ(prompter.texts(),
              QStringList(
                  {EmailErrorBoxText(QStringLiteral("File \"") + work.path() +
                                     QStringLiteral("/Spiellisten/02 Adler Stadtpokal Rd1 Spielliste.rtf\" "
                                                    "not found!")),
                   EmailErrorBoxText(QStringLiteral("No team of round 1 is named \"Cobras\"!")),
                   EmailErrorBoxText(QStringLiteral("File \"") + work.path() +
                                     QStringLiteral("/Spiellisten/01 Dachse Stadtpokal Rd1 Spielliste.rtf\" "
                                                    "not found!"))}));

    SendmailTransport missing(QDir(work.path()).filePath(QStringLiteral("no-sendmail")));
    EXPECT_EQ(SendMail(missing, {QString(), QStringLiteral("s"), QString(), QStringLiteral("a@b")}),
              QStringLiteral("One or more unspecified errors occurred!"));
    qputenv("KORVANE_SENDMAIL", "/opt/mta/bin/sendmail");
    EXPECT_EQ(SendmailTransport::SendmailProgram(), QStringLiteral("/opt/mta/bin/sendmail"));
    qunsetenv("KORVANE_SENDMAIL");
    EXPECT_EQ(SendmailTransport::SendmailProgram(), QStringLiteral("/usr/sbin/sendmail"));
}

TEST(SendEmails, KeepsSubjectAndRecipientOnOneHeaderLine)
{
    FakeSendmail sendmail;
    SendmailTransport transport(sendmail.program());
    const OutgoingMail mail{QString(), QStringLiteral("Info zum Korvane Süd\r\nBcc: alle@example.org"),
                            QStringLiteral("Text\r"), QStringLiteral("a@example.org\nCc: b@example.org")};

    EXPECT_EQ(SendMail(transport, mail), QString());

    const QList<QByteArray> lines = sendmail.mail(0).split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "To: a@example.org Cc: b@example.org");
    EXPECT_TRUE(lines[1].startsWith("Subject: =?UTF-8?B?"));
    EXPECT_FALSE(sendmail.mail(0).contains("\nBcc:"));
    EXPECT_FALSE(sendmail.mail(0).contains("\nCc:"));
}

TEST(EmailRows, GoBackIntoThePoolCutToFortyCharactersWithTheirMarkers)
{
    auto state = std::make_unique<TournamentState>();
    QList<EmailRow> rows = ThreeTicked();
    rows[1].Email = QString(50, QLatin1Char('x'));
    WriteEmailRows(*state, rows);

    EXPECT_EQ(state->NamePoolCount, 4);
    EXPECT_EQ(state->NamePool[2].Email, QString(40, QLatin1Char('x')));
    EXPECT_EQ(state->NamePool[2].Marker, QStringLiteral("0"));
    EXPECT_EQ(state->NamePool[3].Marker, QStringLiteral("1"));
    rows[1].Email.truncate(40);
    EXPECT_EQ(ReadEmailRows(*state), rows);
}

TEST(EmailRows, FindTheGameListOfTheirOwnTeamWhenNamesRepeatOrWereCutForThePool)
{
    const QString longName = QStringLiteral("Sportfreunde Dachsbau-Oberwiesental 1919 e.V.");
    const QStringList teams{QStringLiteral("Adler"), QStringLiteral("Dup FC"), QStringLiteral("Dup FC"),
                            longName};
    const QList<EmailRow> rows{{QStringLiteral("Dup FC"), QStringLiteral("eins@example.org"), true},
                               {longName.left(40), QStringLiteral("lang@example.org"), true},
                               {QStringLiteral("Dup FC"), QStringLiteral("zwei@example.org"), true},
                               {QStringLiteral("Dup FC"), QStringLiteral("drei@example.org"), true}};
    EXPECT_EQ(GameListTeamOfRow(rows, 0, teams), 2);
    EXPECT_EQ(GameListTeamOfRow(rows, 1, teams), 4);
    EXPECT_EQ(GameListTeamOfRow(rows, 2, teams), 3);
    EXPECT_EQ(GameListTeamOfRow(rows, 3, teams), 0);
}
