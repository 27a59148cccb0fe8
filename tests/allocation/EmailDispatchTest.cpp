#include "allocation/EmailDispatch.h"
#include "allocation/MailAccount.h"
#include "allocation/MailAddress.h"
#include "allocation/MailCertificate.h"
#include "allocation/MailSending.h"
#include "allocation/PasswordStore.h"
#include "model/TournamentState.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

namespace {
const MailAddressee Organiser{QStringLiteral("Turnierleitung"), QStringLiteral("leitung@example.org")};

QList<EmailRow> FourRows()
{
    return {{QStringLiteral("Adler"), QStringLiteral("adler@example.org"), true},
            {QStringLiteral("Bären"), QStringLiteral("baeren@example.org"), false},
            {QStringLiteral("Cobras"), QStringLiteral("c1@example.org; c2@example.org,c3@bad"), true},
            {QStringLiteral("Dachse"), QStringLiteral("dachse@bücken.de"), true}};
}

EmailJob JobFor(EmailMode mode, const QString& workDir = {})
{
    EmailJob job;
    job.Mode = mode;
    job.Sender = Organiser;
    job.Subject = EmailSubject(QStringLiteral("Stadtpokal"));
    job.BodyLines = DefaultEmailBody();
    job.WorkDir = workDir;
    job.TournamentName = QStringLiteral("Stadtpokal");
    return job;
}

QStringList Addresses(const QList<MailAddressee>& addressees)
{
    QStringList addresses;
    for (const MailAddressee& addressee : addressees)
        addresses.append(addressee.Address);
    return addresses;
}

// Answers every message with the next outcome of its script (Sent when the script is empty).
class ScriptedTransport : public MailTransport {
public:
    explicit ScriptedTransport(std::deque<MailDelivery> outcomes = {}) : m_outcomes(std::move(outcomes)) {}
    MailDelivery Deliver(const MailMessage& mail) override
    {
        delivered.append(mail);
        if (onDeliver)
            onDeliver();
        if (m_outcomes.empty())
            return MailDelivery::Sent();
        const MailDelivery next = m_outcomes.front();
        m_outcomes.pop_front();
        return next;
    }
    QList<MailMessage> delivered;
    std::function<void()> onDeliver;

private:
    std::deque<MailDelivery> m_outcomes;
};

class FixedPasswordStore : public PasswordStore {
public:
    explicit FixedPasswordStore(Lookup lookup) : m_lookup(std::move(lookup)) {}
    Lookup read(const QString& key) override
    {
        readKeys.append(key);
        return m_lookup;
    }
    bool write(const QString&, const QString&, QString&) override { return false; }
    QStringList readKeys;

private:
    Lookup m_lookup;
};
} // namespace

TEST(MailAddresses, SplitAtCommasSemicolonsAndBlanksAndGoOutInTheirAsciiForm)
{
    EXPECT_EQ(SplitMailAddresses(QStringLiteral(" a@x.de;b@x.de ,, c@x.de\td@x.de; ")),
              QStringList({QStringLiteral("a@x.de"), QStringLiteral("b@x.de"), QStringLiteral("c@x.de"),
                           QStringLiteral("d@x.de")}));
    EXPECT_TRUE(SplitMailAddresses(QStringLiteral(" ; , ")).isEmpty());

    const struct {
        const char* address;
        const char* wire; // empty: not an address
    } cases[] = {
        {"fussball@tsv-überau.de", "fussball@xn--tsv-berau-t9a.de"},
        {"first.last+turnier@Sub.Example.ORG", "first.last+turnier@sub.example.org"},
        {"jugend.borussia-suederfeld.de", ""},
        {"jürgen@example.org", ""},
        {"a b@example.org", ""},
        {"a@localhost", ""},
        {"a@example.123", ""},
        {"a@-example.org", ""},
    };
    for (const auto& test : cases) {
        const std::optional<QString> wire = WireMailAddress(QString::fromUtf8(test.address));
        EXPECT_EQ(wire.value_or(QString()), QString::fromUtf8(test.wire)) << test.address;
    }
}

TEST(PlanEmails, OneToAllGoesToTheSenderWithEveryValidAddressInBccAndNamesTheInvalidOnes)
{
    const MailPlan plan = PlanEmails(FourRows(), JobFor(EmailMode::OneToAll));

    EXPECT_EQ(plan.TeamCount, 3);
    ASSERT_EQ(plan.Mails.size(), 1);
    const PlannedMail& mail = plan.Mails[0];
    EXPECT_EQ(mail.Teams,
              QStringList({QStringLiteral("Adler"), QStringLiteral("Cobras"), QStringLiteral("Dachse")}));
    EXPECT_EQ(mail.Message.From, Organiser);
    EXPECT_EQ(mail.Message.To, QList<MailAddressee>{Organiser});
    EXPECT_EQ(Addresses(mail.Message.Bcc),
              QStringList({QStringLiteral("adler@example.org"), QStringLiteral("c1@example.org"),
                           QStringLiteral("c2@example.org"), QStringLiteral("dachse@xn--bcken-kva.de")}));
    EXPECT_EQ(plan.Skipped,
              QList<MailSkip>({{QStringLiteral("Cobras"), QStringLiteral("Adresse ungültig (c3@bad)")}}));

    QList<EmailRow> none = FourRows();
    for (EmailRow& row : none)
        row.Checked = false;
    EXPECT_TRUE(PlanEmails(none, JobFor(EmailMode::OneToAll)).Mails.isEmpty());
}

TEST(PlanEmails, SeparateMessagesCarryTheCommonAttachmentOrTheTeamsOwnGameList)
{
    QList<EmailRow> rows = FourRows();
    rows[3].Email.clear();
    EmailJob same = JobFor(EmailMode::SeparateSameAttachment, QStringLiteral("/work"));
    same.AttachmentPath = QStringLiteral("/work/plan.pdf");

    const MailPlan common = PlanEmails(rows, same);
    EmailJob gameListJob = JobFor(EmailMode::SeparateGameList, QStringLiteral("/work"));
    gameListJob.RoundOneTeams = {QStringLiteral("Dachse"), QStringLiteral("Adler")};
    const MailPlan gameLists = PlanEmails(rows, gameListJob);

    ASSERT_EQ(common.Mails.size(), 2);
    EXPECT_EQ(common.Mails[1].Label, QStringLiteral("Cobras"));
    EXPECT_EQ(common.Mails[1].Message.To,
              QList<MailAddressee>({{QStringLiteral("Cobras"), QStringLiteral("c1@example.org")},
                                    {QStringLiteral("Cobras"), QStringLiteral("c2@example.org")}}));
    EXPECT_TRUE(common.Mails[1].Message.Bcc.isEmpty());
    EXPECT_EQ(common.Mails[1].Message.AttachmentPath, QStringLiteral("/work/plan.pdf"));
    EXPECT_EQ(common.Skipped.last(),
              (MailSkip{QStringLiteral("Dachse"), QStringLiteral("keine E-Mail-Adresse")}));
    // The game list is found by the team's number in round 1; a name no team of round 1 has gets none.
    ASSERT_EQ(gameLists.Mails.size(), 1);
    EXPECT_EQ(gameLists.Mails[0].Message.AttachmentPath,
              QStringLiteral("/work/Spiellisten/02 Adler Stadtpokal Rd1 Spielliste.rtf"));
    EXPECT_TRUE(gameLists.Skipped.contains(
        MailSkip{QStringLiteral("Cobras"), QStringLiteral("keine Mannschaft der 1. Runde heißt so")}));
}

TEST(SendPlannedMails, GoesOnAfterAFailedMessageStopsAfterAFailedSessionAndSummarisesOnce)
{
    QTemporaryDir work;
    QList<EmailRow> rows = FourRows();
    rows[1].Checked = true;
    rows.append({QStringLiteral("Elche"), QStringLiteral("elche@example.org"), true});
    EmailJob job = JobFor(EmailMode::SeparateSameAttachment, work.path());
    const MailPlan plan = PlanEmails(rows, job);
    ASSERT_EQ(plan.Mails.size(), 5);
    const std::atomic<bool> notCancelled = false;
    ScriptedTransport transport({MailDelivery::Sent(),
                                 MailDelivery::Failed(QStringLiteral("Empfänger abgelehnt")),
                                 MailDelivery::SessionFailed(QStringLiteral("Server weg\nEinzelheiten"))});
    QStringList lines;

    const MailReport report = SendPlannedMails(
        plan, transport, notCancelled, [&lines](const PlannedMail& mail, const MailDelivery& delivery) {
            lines.append(MailOutcomeLine(mail, delivery));
        });

    EXPECT_EQ(transport.delivered.size(), 3); // nothing is tried after the session failed
    EXPECT_EQ(lines, QStringList({QStringLiteral("verschickt: Adler (adler@example.org)"),
                                  QStringLiteral("nicht verschickt: Bären – Empfänger abgelehnt"),
                                  QStringLiteral("nicht verschickt: Cobras – Server weg\nEinzelheiten"),
                                  QStringLiteral("nicht verschickt: Dachse – Server weg"),
                                  QStringLiteral("nicht verschickt: Elche – Server weg")}));
    EXPECT_EQ(MailSummary(report),
              QStringLiteral("1 von 5 E-Mails verschickt; nicht verschickt: Cobras – Adresse "
                             "ungültig (c3@bad); Bären – Empfänger abgelehnt; Cobras, Dachse, "
                             "Elche – Server weg\nEinzelheiten"));

    // A missing attachment fails its own message before the transport sees it; a cancel stops the rest.
    job.AttachmentPath = QDir(work.path()).filePath(QStringLiteral("fehlt.pdf"));
    std::atomic<bool> cancelled = false;
    ScriptedTransport none;
    const MailReport missing = SendPlannedMails(PlanEmails(rows, job), none, cancelled);
    EXPECT_TRUE(none.delivered.isEmpty());
    EXPECT_EQ(missing.NotSent.last().Reason, QStringLiteral("Anhang nicht gefunden: ") + job.AttachmentPath);
    EXPECT_TRUE(MailSummary(missing).contains(QStringLiteral("alle Mannschaften – Anhang nicht gefunden")));
    job.AttachmentPath.clear();
    ScriptedTransport cancelling;
    cancelling.onDeliver = [&cancelled] { cancelled = true; };
    EXPECT_EQ(
        MailSummary(SendPlannedMails(PlanEmails(rows, job), cancelling, cancelled)),
        QStringLiteral("1 von 5 E-Mails verschickt; abgebrochen, 4 nicht mehr versucht; nicht verschickt: "
                       "Cobras – Adresse ungültig (c3@bad)"));
}

TEST(MailAccount, SaysWhatIsMissingAndLivesInTheProgramSettings)
{
    MailAccount account;
    account.SenderName = QStringLiteral("Turnierleitung");
    account.SenderAddress = QStringLiteral("leitung@example.org");
    account.Server = QStringLiteral("smtp.example.org");
    const struct {
        std::function<void(MailAccount&)> change;
        const char* problem;
    } cases[] = {
        {[](MailAccount&) {}, ""},
        {[](MailAccount& a) { a.SenderName.clear(); }, "Absendername und Absenderadresse"},
        {[](MailAccount& a) { a.SenderAddress = QStringLiteral("leitung"); }, "keine gültige E-Mail-Adresse"},
        {[](MailAccount& a) { a.Server = QStringLiteral(" "); }, "den SMTP-Server eintragen"},
        {[](MailAccount& a) { a.Security = MailSecurity::None; }, "Ohne Verschlüsselung"},
        {[](MailAccount& a) { a.Security = MailSecurity::None, a.Server = QStringLiteral("127.0.0.1"); }, ""},
        {[](MailAccount& a) { a.Route = MailRoute::Sendmail, a.Server.clear(); }, ""},
    };
    for (const auto& test : cases) {
        MailAccount changed = account;
        test.change(changed);
        const QString problem = MailAccountProblem(changed);
        EXPECT_EQ(problem.isEmpty(), *test.problem == 0) << test.problem;
        EXPECT_TRUE(problem.contains(QString::fromUtf8(test.problem))) << problem.toStdString();
    }

    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("korvane.conf")), QSettings::IniFormat);
    EXPECT_EQ(ReadMailAccount(settings).Port, 587);
    account.Security = MailSecurity::Tls;
    account.Port = 465;
    account.User = QStringLiteral("leitung");
    WriteMailAccount(settings, account);
    EXPECT_EQ(ReadMailAccount(settings), account);
    RememberTrustedFingerprint(settings, QStringLiteral("SMTP.example.org"), 465, QStringLiteral("AB CD:EF"));
    EXPECT_EQ(TrustedFingerprint(settings, QStringLiteral("smtp.example.org"), 465),
              QStringLiteral("ab:cd:ef"));
}

TEST(PasswordForSession, TakesTheKeychainsPasswordOrAsksWhenItHasNone)
{
    MailAccount account;
    account.User = QStringLiteral("leitung");
    account.Server = QStringLiteral("smtp.example.org");
    QStringList asked;
    const PasswordQuestion ask = [&asked](const QString& text) -> std::optional<QString> {
        asked.append(text);
        return QStringLiteral("getippt");
    };
    FixedPasswordStore found({PasswordStore::Status::Found, QStringLiteral("gespeichert"), QString()});
    FixedPasswordStore unavailable(
        {PasswordStore::Status::Unavailable, QString(), QStringLiteral("kein Dienst")});

    EXPECT_EQ(PasswordForSession(account, found, ask), QStringLiteral("gespeichert"));
    EXPECT_EQ(PasswordForSession(account, unavailable, ask), QStringLiteral("getippt"));
    EXPECT_EQ(asked, QStringList{QStringLiteral(
                         "Passwort für leitung am Server smtp.example.org:\n(Kein "
                         "Schlüsselbund verfügbar: das Passwort gilt nur für diesen Versand.)")});
    EXPECT_EQ(PasswordForSession(account, unavailable, [](const QString&) { return std::nullopt; }),
              std::nullopt);
    account.User.clear();
    EXPECT_EQ(PasswordForSession(account, unavailable, ask), QString());
}

TEST(EmailRows, GoBackIntoThePoolCutToFortyCharactersWithTheirMarkers)
{
    auto state = std::make_unique<TournamentState>();
    QList<EmailRow> rows = FourRows();
    rows[1].Email = QString(50, QLatin1Char('x'));
    WriteEmailRows(*state, rows);

    EXPECT_EQ(state->NamePoolCount, 4);
    EXPECT_EQ(state->NamePool[2].Email, QString(40, QLatin1Char('x')));
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
