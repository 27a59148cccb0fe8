#include "allocation/MailAccount.h"

#include "allocation/MailAddress.h"

#include <QRegularExpression>
#include <QSettings>

namespace {
const QString Group = QStringLiteral("E-Mail-Versand");

QString SecurityName(MailSecurity security)
{
    switch (security) {
    case MailSecurity::StartTls:
        return QStringLiteral("starttls");
    case MailSecurity::Tls:
        return QStringLiteral("tls");
    case MailSecurity::None:
        return QStringLiteral("none");
    }
    return {};
}

MailSecurity SecurityNamed(const QString& name)
{
    if (name == u"tls")
        return MailSecurity::Tls;
    if (name == u"none")
        return MailSecurity::None;
    return MailSecurity::StartTls;
}
} // namespace

int StandardPort(MailSecurity security)
{
    switch (security) {
    case MailSecurity::StartTls:
        return 587;
    case MailSecurity::Tls:
        return 465;
    case MailSecurity::None:
        return 25;
    }
    return 587;
}

bool IsLocalServer(const QString& host)
{
    static const QRegularExpression loopback(
        QStringLiteral("^(localhost|127(\\.\\d{1,3}){3}|::1|\\[::1\\])$"),
        QRegularExpression::CaseInsensitiveOption);
    return loopback.match(host.trimmed()).hasMatch();
}

QString MailAccountProblem(const MailAccount& account)
{
    if (account.SenderName.trimmed().isEmpty() || account.SenderAddress.trimmed().isEmpty())
        return QStringLiteral("Bitte unter „E-Mail-Versand“ Absendername und Absenderadresse eintragen.");
    if (!WireMailAddress(account.SenderAddress.trimmed()))
        return QStringLiteral("Die Absenderadresse „%1“ ist keine gültige E-Mail-Adresse.")
            .arg(account.SenderAddress);
    if (account.Route == MailRoute::Sendmail)
        return {};
    if (account.Server.trimmed().isEmpty())
        return QStringLiteral("Bitte unter „E-Mail-Versand“ den SMTP-Server eintragen.");
    if (account.Port < 1 || account.Port > 65535)
        return QStringLiteral("Der Port %1 ist ungültig (1 bis 65535).").arg(account.Port);
    if (account.Security == MailSecurity::None && !IsLocalServer(account.Server.trimmed()))
        return QStringLiteral("Ohne Verschlüsselung sendet Korvane nur an einen Server auf diesem Rechner; "
                              "für %1 bitte STARTTLS oder TLS wählen.")
            .arg(account.Server);
    return {};
}

QString PasswordKey(const MailAccount& account)
{
    return account.User + u'@' + account.Server.trimmed();
}

std::unique_ptr<QSettings> OpenProgramSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("valdorn"), QStringLiteral("korvane"));
}

MailAccount ReadMailAccount(const QSettings& settings)
{
    const auto value = [&settings](const QString& key) { return settings.value(Group + u'/' + key); };
    MailAccount account;
    account.Route =
        value(QStringLiteral("Weg")).toString() == u"sendmail" ? MailRoute::Sendmail : MailRoute::Smtp;
    account.SenderName = value(QStringLiteral("Absendername")).toString();
    account.SenderAddress = value(QStringLiteral("Absenderadresse")).toString();
    account.Server = value(QStringLiteral("Server")).toString();
    account.Security = SecurityNamed(value(QStringLiteral("Sicherheit")).toString());
    account.Port = value(QStringLiteral("Port")).toInt();
    if (account.Port == 0)
        account.Port = StandardPort(account.Security);
    account.User = value(QStringLiteral("Benutzer")).toString();
    return account;
}

void WriteMailAccount(QSettings& settings, const MailAccount& account)
{
    settings.beginGroup(Group);
    settings.setValue(QStringLiteral("Weg"), account.Route == MailRoute::Sendmail ? QStringLiteral("sendmail")
                                                                                  : QStringLiteral("smtp"));
    settings.setValue(QStringLiteral("Absendername"), account.SenderName);
    settings.setValue(QStringLiteral("Absenderadresse"), account.SenderAddress);
    settings.setValue(QStringLiteral("Server"), account.Server);
    settings.setValue(QStringLiteral("Port"), account.Port);
    settings.setValue(QStringLiteral("Sicherheit"), SecurityName(account.Security));
    settings.setValue(QStringLiteral("Benutzer"), account.User);
    settings.endGroup();
}
