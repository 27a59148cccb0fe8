// korvane-cli mail against a real SMTP server on loopback (STARTTLS, TLS, AUTH), with what
// arrived read by Python's email package as a mail program reads it.
#include "allocation/GameListPages.h"
#include "allocation/MailCertificate.h"
#include "mail/MailTestSupport.h"
#include "output/GameListFiles.h"
#include "support/CliProcess.h"
#include "support/GTestQt.h"
#include "support/LoadedTournament.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {
const QString Sender = QStringLiteral("turnierleitung@gw-lindenau.de");
const QString TournamentName = QStringLiteral("Pfingstturnier SV Grün-Weiß Lindenau");
const QString InvalidTeam = QStringLiteral("SC Borussia Süderfeld");
const QString InvalidAddress = QStringLiteral("jugend.borussia-suederfeld.de");

// The example's 18 teams with their addresses, one of them with an internationalised domain,
// one invalid, two teams with two or three addresses written with ";", "," and blanks.
class MailDeliveryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_MAIL_TOOLS();
        ASSERT_TRUE(m_dir.isValid());
        // The stored settings of the program stay out of the tests.
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
        auto state = LoadedTournament();
        ASSERT_EQ(state->NamePoolCount, 18);
        state->NamePool[2].Email = QStringLiteral("trainer@muehlbach.de;kasse@muehlbach.de");
        state->NamePool[3].Email = QStringLiteral("fussball@tsv-überau.de");
        state->NamePool[4].Email = QStringLiteral("info@kleinoed.de, jugend@kleinoed.de");
        ASSERT_EQ(state->NamePool[5].Name, InvalidTeam);
        state->NamePool[5].Email = InvalidAddress;
        m_roundOneTeams = RoundTeamNames(*state, 1);
        for (int entry = 1; entry <= 18; ++entry) {
            const NamePoolEntry& team = state->NamePool[std::size_t(entry)];
            m_teams.append(team.Name);
            if (entry != 5 && entry != 2 && entry != 4)
                m_expectedRecipients.append(team.Email == u"fussball@tsv-überau.de"
                                                ? QStringLiteral("fussball@xn--tsv-berau-t9a.de")
                                                : team.Email);
        }
        m_expectedRecipients << QStringLiteral("trainer@muehlbach.de") << QStringLiteral("kasse@muehlbach.de")
                             << QStringLiteral("info@kleinoed.de") << QStringLiteral("jugend@kleinoed.de");
        m_tournament = SavedTournamentFile(*state, m_dir.filePath(QStringLiteral("turnier.auf")));
        writeFile(QStringLiteral("passwort"), "geheim\n");
        writeFile(QStringLiteral("text.txt"), "Liebe Sportfreunde,\n\nanbei der Plan für Überau.\n");
    }

    void TearDown() override
    {
        if (m_oldConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_oldConfig);
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(WriteFileContents(path, bytes));
        return path;
    }

    // korvane-cli mail over the server's account, with the given further arguments.
    CliRun mail(const SmtpTestServer& server, const QStringList& arguments, const QString& security = {})
    {
        return RunCliCommand(
            QStringLiteral("mail"),
            QStringList{m_tournament, QStringLiteral("--smtp"), server.address(),
                        QStringLiteral("--security"),
                        security.isEmpty() ? QStringLiteral("starttls") : security, QStringLiteral("--user"),
                        QStringLiteral("trainer"), QStringLiteral("--from"), Sender,
                        QStringLiteral("--from-name"), QStringLiteral("Turnierleitung Grün-Weiß"),
                        QStringLiteral("--body-file"), m_dir.filePath(QStringLiteral("text.txt"))} +
                arguments);
    }

    QStringList passwordAndTrust(const SmtpTestServer& server) const
    {
        return {QStringLiteral("--password-file"), m_dir.filePath(QStringLiteral("passwort")),
                QStringLiteral("--trust-certificate"), server.fingerprint()};
    }

    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    QString m_tournament;
    QStringList m_teams;
    QStringList m_roundOneTeams;
    QStringList m_expectedRecipients; // every valid address of the 17 teams that get mail
};

QStringList Strings(const QJsonValue& array)
{
    QStringList strings;
    for (const QJsonValue& value : array.toArray())
        strings.append(value.toString());
    return strings;
}

// Every header a mail program needs, once and without defects; nothing in Bcc; no defect at all.
void ExpectComplete(const QJsonObject& message)
{
    EXPECT_EQ(message[u"strict"].toString(), QStringLiteral("ok"));
    EXPECT_TRUE(message[u"defects"].toArray().isEmpty())
        << QJsonDocument(message[u"defects"].toArray()).toJson().toStdString();
    const QJsonObject headers = message[u"headers"].toObject();
    for (const char* name : {"From", "To", "Date", "Message-ID", "MIME-Version", "Subject"}) {
        const QJsonArray values = headers[QLatin1String(name)].toArray();
        ASSERT_EQ(values.size(), 1) << name;
        EXPECT_TRUE(values[0].toObject()[u"defects"].toArray().isEmpty()) << name;
    }
    EXPECT_TRUE(headers[u"Bcc"].toArray().isEmpty());
    EXPECT_TRUE(headers[u"Cc"].toArray().isEmpty());
    EXPECT_TRUE(message[u"date_ok"].toBool());
    EXPECT_TRUE(message[u"authenticated"].toBool());
    EXPECT_EQ(HeaderValue(message, "From"), QStringLiteral("Turnierleitung Grün-Weiß <") + Sender + u'>');
    EXPECT_EQ(HeaderValue(message, "Subject"), QStringLiteral("Info zum Korvane ") + TournamentName);
    EXPECT_TRUE(HeaderValue(message, "Message-ID").endsWith(QStringLiteral("@gw-lindenau.de>")));
    EXPECT_EQ(message[u"text"].toString().toStdString(),
              "Liebe Sportfreunde,\r\n\r\nanbei der Plan für Überau.\r\n");
}

QString Summary(const CliRun& run)
{
    return QString::fromUtf8(run.out).trimmed().section(u'\n', -1);
}
} // namespace

TEST_F(MailDeliveryTest, BothModesReachEveryValidAddressCompleteAndPrivate)
{
    SmtpTestServer server;
    ASSERT_TRUE(server.started());
    // A zero byte and bytes of no text encoding travel unchanged.
    static const char planBytes[] = "Zeit,Platz 1\r\n9:00,\"Überau, TSV\"\r\n\x00\xFF binary tail";
    const QString attachment =
        writeFile(QStringLiteral("Spielplan Süd.csv"), QByteArray(planBytes, sizeof planBytes - 1));

    const CliRun toAll = mail(server, passwordAndTrust(server) +
                                          QStringList{QStringLiteral("--one"), QStringLiteral("--attach"),
                                                      attachment, QStringLiteral("--to-marked")});
    const CliRun perTeam =
        mail(server, passwordAndTrust(server) +
                         QStringList{QStringLiteral("--per-team"), QStringLiteral("--gamelists")});
    const QJsonArray arrived = server.stopAndReadMessages();

    const QString expectedSummary = QStringLiteral("17 von 18 E-Mails verschickt; nicht verschickt: ") +
                                    InvalidTeam + QStringLiteral(" – Adresse ungültig (") + InvalidAddress +
                                    u')';
    for (const CliRun* run : {&toAll, &perTeam}) {
        EXPECT_EQ(run->exitCode, 1) << run->err.toStdString(); // one team got nothing
        EXPECT_EQ(Summary(*run), expectedSummary);
    }
    ASSERT_EQ(arrived.size(), 1 + 17);
    for (const QJsonValue& message : arrived)
        ExpectComplete(message.toObject());

    // One message to all: to the sender only, every team's address in the envelope alone.
    const QJsonObject first = arrived[0].toObject();
    EXPECT_EQ(Strings(first[u"to_addresses"]), QStringList{Sender});
    QStringList recipients = Strings(first[u"rcpt_tos"]);
    QStringList expected = QStringList{Sender} + m_expectedRecipients;
    recipients.sort();
    expected.sort();
    EXPECT_EQ(recipients, expected);
    const QJsonArray attachments = first[u"attachments"].toArray();
    ASSERT_EQ(attachments.size(), 1);
    ExpectAttachment(attachments[0].toObject(), QStringLiteral("Spielplan Süd.csv"),
                     QStringLiteral("text/csv"), attachment);

    // One message per team, each with the team's own game list (its bytes travel as tested above).
    QStringList delivered;
    for (qsizetype index = 1; index < arrived.size(); ++index) {
        const QJsonObject message = arrived[index].toObject();
        delivered += Strings(message[u"rcpt_tos"]);
        EXPECT_EQ(Strings(message[u"to_addresses"]), Strings(message[u"rcpt_tos"]));
        const QString team = m_teams[index < 5 ? index - 1 : index];
        const QString fileName =
            TeamGameListFileName(int(m_roundOneTeams.indexOf(team)) + 1, team, TournamentName, 1);
        EXPECT_EQ(message[u"attachments"].toArray()[0].toObject()[u"filename"].toString(), fileName);
    }
    delivered.sort();
    expected.removeOne(Sender);
    EXPECT_EQ(delivered, expected);
}

TEST_F(MailDeliveryTest, AWrongPasswordARefusedCertificateAndAnUnreachableServerSayWhy)
{
    SmtpTestServer server;
    ASSERT_TRUE(server.started());
    const QString wrongPassword = writeFile(QStringLiteral("falsch"), "falsch\n");
    int closedPort = 0;
    {
        SmtpTestServer stopped;
        closedPort = stopped.port();
    }
    struct Case {
        const char* what;
        QStringList arguments;
        QString reason;
    };
    const QString fingerprintLine =
        QStringLiteral("SHA-256-Fingerabdruck: ") + NormalisedFingerprint(server.fingerprint());
    const Case cases[] = {
        {"wrong password",
         {QStringLiteral("--password-file"), wrongPassword, QStringLiteral("--trust-certificate"),
          server.fingerprint()},
         QStringLiteral("Der Server %1 hat die Anmeldung abgelehnt: Benutzername oder Passwort falsch.")
             .arg(server.address())},
        {"certificate not trusted",
         {QStringLiteral("--password-file"), m_dir.filePath(QStringLiteral("passwort"))},
         QStringLiteral(
             "Das Zertifikat des Servers wurde nicht angenommen.\nServer: %1\nProblem: von keiner bekannten "
             "Zertifizierungsstelle ausgestellt (etwa selbst signiert)\nAusgestellt für: CN=localhost")
             .arg(server.address())},
        {"server not reachable",
         {QStringLiteral("--smtp"), QStringLiteral("localhost:%1").arg(closedPort),
          QStringLiteral("--password-file"), m_dir.filePath(QStringLiteral("passwort"))},
         QStringLiteral("Der Server localhost:%1 ist nicht erreichbar.").arg(closedPort)},
    };
    for (const Case& test : cases) {
        const CliRun run = mail(server, test.arguments);
        EXPECT_EQ(run.exitCode, 1) << test.what;
        const QString output = QString::fromUtf8(run.out);
        EXPECT_TRUE(output.contains(QStringLiteral("0 von 18 E-Mails verschickt; nicht verschickt: ")));
        EXPECT_TRUE(output.contains(QStringLiteral("alle Mannschaften – ") + test.reason))
            << test.what << "\n"
            << output.toStdString();
        if (&test == &cases[1]) {
            EXPECT_TRUE(output.contains(fingerprintLine)) << "the fingerprint to check with the operator";
        }
    }
    EXPECT_TRUE(server.stopAndReadMessages().isEmpty());
}

TEST_F(MailDeliveryTest, SendsOverTlsFromTheFirstByteAndWithoutEncryptionToThisComputer)
{
    for (const QString& security : {QStringLiteral("tls"), QStringLiteral("none")}) {
        SmtpTestServer server(security);
        ASSERT_TRUE(server.started());
        const CliRun run =
            mail(server, passwordAndTrust(server) + QStringList{QStringLiteral("--to-marked")}, security);
        EXPECT_EQ(Summary(run).section(u';', 0, 0), QStringLiteral("17 von 18 E-Mails verschickt"))
            << security.toStdString();
        const QJsonArray arrived = server.stopAndReadMessages();
        ASSERT_EQ(arrived.size(), 1);
        ExpectComplete(arrived[0].toObject());
    }
}
