#pragma once

#include <QString>

#include <memory>

class QSettings;

// The organiser's own mail account, from which the e-mail dialog sends. It belongs to this
// computer, not to a tournament: it lives in the program's settings, never in a tournament
// file, and its password only in the system's keychain.

enum class MailRoute {
    Smtp,     // submission to the organiser's mail server
    Sendmail, // the local "sendmail -t -i"
};

enum class MailSecurity {
    StartTls, // port 587: the connection turns encrypted before the login
    Tls,      // port 465: encrypted from the first byte
    None,     // only for a server on this computer
};

struct MailAccount {
    MailRoute Route = MailRoute::Smtp;
    QString SenderName;
    QString SenderAddress;
    QString Server;
    int Port = 587;
    MailSecurity Security = MailSecurity::StartTls;
    QString User; // empty: the server takes mail without a login

    bool operator==(const MailAccount&) const = default;
};

// 587 for STARTTLS, 465 for TLS, 25 without encryption.
int StandardPort(MailSecurity security);
// "localhost", or an address of this computer's loopback (127.x.x.x, ::1).
bool IsLocalServer(const QString& host);
// What keeps the account from sending, as the message the organiser sees; empty when it can send.
QString MailAccountProblem(const MailAccount& account);
// The name of the account's password in the keychain: "user@server".
QString PasswordKey(const MailAccount& account);

// The settings of the program on this computer (on Linux ~/.config/valdorn/korvane.conf).
std::unique_ptr<QSettings> OpenProgramSettings();
MailAccount ReadMailAccount(const QSettings& settings);
void WriteMailAccount(QSettings& settings, const MailAccount& account);
