#include "allocation/PasswordStore.h"

#include "allocation/MailAccount.h"

std::optional<QString> PasswordForSession(const MailAccount& account, PasswordStore& store,
                                          const PasswordQuestion& ask)
{
    if (account.Route == MailRoute::Sendmail || account.User.isEmpty())
        return QString();
    const PasswordStore::Lookup lookup = store.read(PasswordKey(account));
    if (lookup.status == PasswordStore::Status::Found)
        return lookup.password;
    QString text =
        QStringLiteral("Passwort für %1 am Server %2:").arg(account.User, account.Server.trimmed());
    if (lookup.status == PasswordStore::Status::Unavailable)
        text += QStringLiteral("\n(Kein Schlüsselbund verfügbar: das Passwort gilt nur für diesen Versand.)");
    return ask(text);
}
