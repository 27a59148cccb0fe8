#include "CliCommands.h"
#include "CliSupport.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "allocation/EmailDispatch.h"
#include "allocation/GameListPages.h"
#include "allocation/MailAccount.h"
#include "allocation/MailAddress.h"
#include "allocation/MailCertificate.h"
#include "allocation/MailSending.h"
#include "allocation/PasswordStore.h"
#include "mail/KeychainPasswordStore.h"
#include "mail/MailTransports.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "output/GameListFiles.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {
const QString Usage = QStringLiteral(
    "usage: korvane-cli mail FILE [--subject TEXT] [--body-file F] [--one|--per-team] [--attach "
    "FILE|--gamelists] "
    "[--to-marked] [--smtp HOST:PORT --security starttls|tls|none --user U --password-file F | --sendmail] "
    "[--from ADDR --from-name NAME] [--trust-certificate SHA256]");

struct MailOptions {
    QCommandLineOption subject{QStringLiteral("subject"),
                               QStringLiteral("Betreff (sonst „Info zum Korvane <Turnier>“)"),
                               QStringLiteral("TEXT")};
    QCommandLineOption bodyFile{QStringLiteral("body-file"),
                                QStringLiteral("Text der E-Mail aus einer UTF-8-Datei"), QStringLiteral("F")};
    QCommandLineOption one{
        QStringLiteral("one"),
        QStringLiteral("eine E-Mail an alle: an die eigene Adresse, die Mannschaften in Bcc (Standard)")};
    QCommandLineOption perTeam{QStringLiteral("per-team"),
                               QStringLiteral("jede Mannschaft eine eigene E-Mail")};
    QCommandLineOption attach{QStringLiteral("attach"),
                              QStringLiteral("dieselbe Datei an jede E-Mail hängen"), QStringLiteral("FILE")};
    QCommandLineOption gameLists{
        QStringLiteral("gamelists"),
        QStringLiteral("jeder Mannschaft ihre Spielliste der ersten Runde anhängen (mit --per-team)")};
    QCommandLineOption toMarked{
        QStringLiteral("to-marked"),
        QStringLiteral("nur die angehakten Mannschaften der Namensliste (sonst alle mit Adresse)")};
    QCommandLineOption smtp{QStringLiteral("smtp"), QStringLiteral("SMTP-Server und Port"),
                            QStringLiteral("HOST:PORT")};
    QCommandLineOption security{
        QStringLiteral("security"),
        QStringLiteral("starttls (Port 587), tls (Port 465) oder none (nur ein Server auf diesem Rechner)"),
        QStringLiteral("MODE")};
    QCommandLineOption user{QStringLiteral("user"), QStringLiteral("Benutzername am Server"),
                            QStringLiteral("U")};
    QCommandLineOption passwordFile{QStringLiteral("password-file"),
                                    QStringLiteral("Passwort aus dieser Datei (sonst aus dem Schlüsselbund)"),
                                    QStringLiteral("F")};
    QCommandLineOption sendmail{
        QStringLiteral("sendmail"),
        QStringLiteral("über das lokale „sendmail -t -i“ (oder $KORVANE_SENDMAIL) senden")};
    QCommandLineOption from{QStringLiteral("from"), QStringLiteral("Absenderadresse"),
                            QStringLiteral("ADDR")};
    QCommandLineOption fromName{QStringLiteral("from-name"), QStringLiteral("Absendername"),
                                QStringLiteral("NAME")};
    QCommandLineOption trustCertificate{
        QStringLiteral("trust-certificate"),
        QStringLiteral("dem Serverzertifikat mit diesem SHA-256-Fingerabdruck vertrauen"),
        QStringLiteral("SHA256")};

    QList<QCommandLineOption> all() const
    {
        return {subject,  bodyFile, one,          perTeam,  attach, gameLists, toMarked,        smtp,
                security, user,     passwordFile, sendmail, from,   fromName,  trustCertificate};
    }
};

// The stored account with what the command line says instead; none after a message.
std::optional<MailAccount> AccountOf(const QCommandLineParser& parser, const MailOptions& options)
{
    MailAccount account = ReadMailAccount(*OpenProgramSettings());
    if (parser.isSet(options.sendmail))
        account.Route = MailRoute::Sendmail;
    if (parser.isSet(options.security)) {
        const QString security = parser.value(options.security);
        if (security != u"starttls" && security != u"tls" && security != u"none")
            return std::nullopt;
        account.Security = security == u"tls"    ? MailSecurity::Tls
                           : security == u"none" ? MailSecurity::None
                                                 : MailSecurity::StartTls;
        account.Port = StandardPort(account.Security);
    }
    if (parser.isSet(options.smtp)) {
        const QString server = parser.value(options.smtp);
        const qsizetype colon = server.lastIndexOf(u':');
        bool portOk = true;
        account.Route = MailRoute::Smtp;
        account.Server = colon < 0 ? server : server.left(colon);
        if (colon >= 0)
            account.Port = server.mid(colon + 1).toInt(&portOk);
        if (!portOk)
            return std::nullopt;
    }
    if (parser.isSet(options.user))
        account.User = parser.value(options.user);
    if (parser.isSet(options.from))
        account.SenderAddress = parser.value(options.from);
    if (parser.isSet(options.fromName))
        account.SenderName = parser.value(options.fromName);
    return account;
}

// The password of the account: from the file, else from the keychain; none after a message.
std::optional<QString> PasswordOf(const MailAccount& account, const QCommandLineParser& parser,
                                  const MailOptions& options)
{
    if (account.Route == MailRoute::Smtp && !account.User.isEmpty() && parser.isSet(options.passwordFile)) {
        QFile file(parser.value(options.passwordFile));
        if (!file.open(QIODevice::ReadOnly)) {
            cli::PrintError(QStringLiteral("mail: %1: %2").arg(file.fileName(), file.errorString()));
            return std::nullopt;
        }
        return QString::fromUtf8(file.readLine()).remove(u'\r').remove(u'\n');
    }
    KeychainPasswordStore keychain;
    return PasswordForSession(account, keychain, [](const QString& question) -> std::optional<QString> {
        cli::PrintError(
            QStringLiteral("mail: kein Passwort im Schlüsselbund. %1 Bitte --password-file angeben.")
                .arg(question.section(u'\n', 0, 0)));
        return std::nullopt;
    });
}

QList<EmailRow> RowsOf(const TournamentState& state, bool toMarked)
{
    QList<EmailRow> rows;
    for (EmailRow row : ReadEmailRows(state)) {
        if (!toMarked)
            row.Checked = !row.Email.trimmed().isEmpty();
        rows.append(row);
    }
    return rows;
}

QStringList BodyLines(const QCommandLineParser& parser, const MailOptions& options, bool& ok)
{
    ok = true;
    if (!parser.isSet(options.bodyFile))
        return DefaultEmailBody();
    QFile file(parser.value(options.bodyFile));
    if (!file.open(QIODevice::ReadOnly)) {
        cli::PrintError(QStringLiteral("mail: %1: %2").arg(file.fileName(), file.errorString()));
        ok = false;
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

// Keeps the notices of writing the game lists and shows them only when that failed: the
// folder they go to is a temporary one.
class GameListNotices : public Prompter {
public:
    Answer askYesNo(const QString&, const QString&, Answer) override { return Answer::Yes; }
    Answer askYesNoCancel(const QString&, const QString&, Answer) override { return Answer::Yes; }
    void inform(const QString&, const QString& text) override { m_notices.append(text); }
    void show() const
    {
        for (const QString& notice : m_notices)
            cli::PrintError(QStringLiteral("mail: ") + notice);
    }

private:
    QStringList m_notices;
};

// Writes the game lists of round 1, one file per team, into workDir as the dialog's
// "Spiellisten erzeugen" does.
bool WriteRoundOneGameLists(TournamentState& state, const QString& workDir)
{
    auto output = std::make_unique<AllocationOutput>();
    RequestGameLists(*output, 1);
    GameListNotices notices;
    const bool written = RunAllocation(state, *output, notices, {}) &&
                         WriteGameListFiles(state, output->GameLists, 1, true, workDir, notices);
    if (!written)
        notices.show();
    return written;
}
} // namespace

namespace cli {
int RunMail(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Verschickt E-Mails an die Mannschaften der Namensliste einer Turnierdatei, wie der Dialog "
        "„Emails verschicken“: über den eigenen SMTP-Server (oder die gespeicherten Einstellungen "
        "unter „E-Mail-Versand“). Eine Zeile je E-Mail und eine Zusammenfassung; Exit-Status 1, "
        "wenn eine E-Mail nicht verschickt wurde."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Turnierdatei (.auf)"));
    const MailOptions options;
    parser.addOptions(options.all());
    if (const std::optional<int> done = ParseArguments(parser, arguments))
        return *done;
    const bool perTeam = parser.isSet(options.perTeam);
    const bool gameLists = parser.isSet(options.gameLists);
    const std::optional<MailAccount> account = AccountOf(parser, options);
    if (parser.positionalArguments().size() != 1 || (perTeam && parser.isSet(options.one)) ||
        (gameLists && (!perTeam || parser.isSet(options.attach))) || !account) {
        PrintError(Usage);
        return 2;
    }
    if (const QString problem = MailAccountProblem(*account); !problem.isEmpty()) {
        PrintError(QStringLiteral("mail: ") + problem);
        return 2;
    }
    bool bodyOk = false;
    const QStringList body = BodyLines(parser, options, bodyOk);
    const std::optional<QString> password = PasswordOf(*account, parser, options);
    if (!bodyOk || !password)
        return 2;

    auto state = LoadTournamentWithPairings(parser.positionalArguments().at(0));
    if (!state)
        return 1;
    QTemporaryDir gameListDir;
    if (gameLists && (!gameListDir.isValid() || !WriteRoundOneGameLists(*state, gameListDir.path())))
        return 1;

    EmailJob job;
    job.Mode = !perTeam    ? EmailMode::OneToAll
               : gameLists ? EmailMode::SeparateGameList
                           : EmailMode::SeparateSameAttachment;
    job.Sender = {account->SenderName, *WireMailAddress(account->SenderAddress.trimmed())};
    job.Subject =
        parser.isSet(options.subject) ? parser.value(options.subject) : EmailSubject(state->TournamentName);
    job.BodyLines = body;
    if (parser.isSet(options.attach))
        job.AttachmentPath = QFileInfo(parser.value(options.attach)).absoluteFilePath();
    job.WorkDir = gameListDir.path();
    job.TournamentName = state->TournamentName;
    job.RoundOneTeams = RoundTeamNames(*state, 1);
    const MailPlan plan = PlanEmails(RowsOf(*state, parser.isSet(options.toMarked)), job);
    if (plan.TeamCount == 0) {
        PrintError(
            QStringLiteral("mail: keine Mannschaft der Namensliste hat eine E-Mail-Adresse%1")
                .arg(parser.isSet(options.toMarked) ? QStringLiteral(" und ist angehakt") : QString()));
        return 1;
    }

    QTextStream out(stdout);
    for (const MailSkip& skip : plan.Skipped)
        out << MailSkipLine(skip) << Qt::endl;
    const QString trusted = NormalisedFingerprint(parser.value(options.trustCertificate));
    RememberedCertificateTrust trust(
        [&trusted](const CertificateDetails& details) {
            return !trusted.isEmpty() && details.Sha256 == trusted;
        },
        false);
    const std::atomic<bool> neverCancelled = false;
    const std::unique_ptr<MailTransport> transport =
        MakeMailTransport(*account, *password, trust, neverCancelled);
    const MailReport report = SendPlannedMails(plan, *transport, neverCancelled,
                                               [&out](const PlannedMail& mail, const MailDelivery& delivery) {
                                                   out << MailOutcomeLine(mail, delivery) << Qt::endl;
                                               });
    out << MailSummary(report) << Qt::endl;
    return report.NotSent.isEmpty() && report.TeamsReached == report.TeamCount ? 0 : 1;
}
} // namespace cli
