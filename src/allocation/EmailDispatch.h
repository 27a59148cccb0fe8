#pragma once

#include "allocation/MailTransport.h"

#include <QList>
#include <QStringList>

struct TournamentState;

// The e-mail dialog's work: its list of teams is the name pool, its messages go out one by one.

// One row of the dialog's team list.
struct EmailRow {
    QString Name;
    QString Email;
    bool Checked = false;

    bool operator==(const EmailRow&) const = default;
};

// The pool entries 1..NamePoolCount; a row is ticked when its marker is "1".
QList<EmailRow> ReadEmailRows(const TournamentState& state);
// Replaces the pool by the rows: names and addresses cut to 40 characters, marker "1" or "0".
// Rows beyond the pool's 200 entries are left out.
void WriteEmailRows(TournamentState& state, const QList<EmailRow>& rows);

enum class EmailMode {
    OneToAll,               // "eine E-Mail an alle (Adressen CC:)": to the sender, the teams in Bcc
    SeparateSameAttachment, // "jede Mannschaft seprarate E-Mail", "gleicher Anhang für alle (zB Spielplan)"
    SeparateGameList,       // "jede Mannschaft seprarate E-Mail", "individuelle Spielliste anhängen"
};

struct EmailJob {
    EmailMode Mode = EmailMode::OneToAll;
    MailAddressee Sender; // the organiser; the address in the form a server takes
    QString Subject;
    QStringList BodyLines;
    QString AttachmentPath; // of the first two modes
    QString WorkDir;
    QString TournamentName;
    QStringList RoundOneTeams; // the names of round 1's teams, in round team order
};

// "Info zum Korvane " + the tournament name.
QString EmailSubject(const QString& tournamentName);
QStringList DefaultEmailBody();
// Every line followed by CR LF.
QString EmailBody(const QStringList& lines);
// WorkDir/Spiellisten/<the round-1 game list of team t>, the file the game-list dialog writes.
QString GameListAttachmentPath(const QString& workDir, int team, const QString& teamName,
                               const QString& tournamentName);
// The team of round 1 whose game list row `row` gets: the k-th row of a name takes the k-th team
// of that name, and a pool name, which keeps 40 characters, stands for a longer team name that
// begins with it. 0 when no team of round 1 has the name.
int GameListTeamOfRow(const QList<EmailRow>& rows, qsizetype row, const QStringList& roundOneTeams);

// "alle Mannschaften": how the one message to all teams is named in reports.
QString AllTeamsLabel();

// One message of a sending session and the teams it reaches.
struct PlannedMail {
    QString Label; // the team's name, or "alle Mannschaften"
    QStringList Teams;
    MailMessage Message;
};

// A team, or one of its addresses, that gets nothing, and why.
struct MailSkip {
    QString Team;
    QString Reason;

    bool operator==(const MailSkip&) const = default;
};

struct MailPlan {
    QList<PlannedMail> Mails;
    QList<MailSkip> Skipped; // found before anything is sent
    int TeamCount = 0;       // the ticked rows
};

// The messages of the job over the ticked rows, in list order. Every address of a row is
// checked: an invalid one is skipped (and named), the row's other addresses still get the
// message; a row without any valid address gets nothing. One message to all goes to the sender
// with every team in Bcc, so no club sees another club's address; otherwise one message per team.
// A row whose name no team of round 1 has gets no game list: it is skipped and named.
MailPlan PlanEmails(const QList<EmailRow>& rows, const EmailJob& job);

// "Testnachricht an mich": one short message from the sender to the sender.
MailPlan TestMailPlan(const MailAddressee& sender);
