#pragma once

#include "allocation/MailTransport.h"

#include <QList>
#include <QStringList>

class Prompter;
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
    OneToAll,               // "eine E-Mail an alle (Adressen CC:)"
    SeparateSameAttachment, // "jede Mannschaft seprarate E-Mail", "gleicher Anhang für alle (zB Spielplan)"
    SeparateGameList,       // "jede Mannschaft seprarate E-Mail", "individuelle Spielliste anhängen"
};

struct EmailJob {
    EmailMode Mode = EmailMode::OneToAll;
    QString Subject;
    QStringList BodyLines;
    QString AttachmentPath; // of the first two modes
    QString Separator = QStringLiteral(",");
    QString WorkDir;
    QString TournamentName;
    QStringList RoundOneTeams; // the names of round 1's teams, in round team order
};

// "Info zum Korvane " + the tournament name.
QString EmailSubject(const QString& tournamentName);
QStringList DefaultEmailBody();
// Every line followed by one carriage return.
QString EmailBody(const QStringList& lines);
// WorkDir/Spiellisten/<the round-1 game list of team t>, the file the game-list dialog writes.
QString GameListAttachmentPath(const QString& workDir, int team, const QString& teamName,
                               const QString& tournamentName);
// The team of round 1 whose game list row `row` gets: the k-th row of a name takes the k-th team
// of that name, and a pool name, which keeps 40 characters, stands for a longer team name that
// begins with it. 0 when no team of round 1 has the name.
int GameListTeamOfRow(const QList<EmailRow>& rows, qsizetype row, const QStringList& roundOneTeams);

// The messages of the job over the ticked rows, in list order: one message whose recipient is
// every address followed by the separator, or one message per ticked row. A row whose name no
// team of round 1 has gets no game list: its message carries that as its problem.
QList<OutgoingMail> PlanEmails(const QList<EmailRow>& rows, const EmailJob& job);

// The text of the error box for a message that did not go out.
QString EmailErrorBoxText(const QString& error);

// Sends the messages one after the other; each one that fails shows its error box and the next
// one follows. Returns the number of messages sent.
int SendEmails(const QList<OutgoingMail>& mails, MailTransport& transport, Prompter& prompter);
