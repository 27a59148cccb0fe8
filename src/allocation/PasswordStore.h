#pragma once

#include <QString>

#include <functional>
#include <optional>

struct MailAccount;

// Where the password of the mail account is kept: the system's keychain in the program, a
// stand-in in the tests. Never a file of the program.
class PasswordStore {
public:
    enum class Status {
        Found,
        Missing,     // the keychain works but holds no password for the key
        Unavailable, // no keychain service runs: the program asks for each sending session
    };
    struct Lookup {
        Status status = Status::Unavailable;
        QString password;
        QString error; // the keychain's own text when it is unavailable
    };

    virtual ~PasswordStore() = default;
    virtual Lookup read(const QString& key) = 0;
    // Stores the password under the key (an empty password removes it); false with the
    // keychain's text in `error` when that failed.
    virtual bool write(const QString& key, const QString& password, QString& error) = 0;
};

// Asks the organiser for the password with the given text; none when the question is cancelled.
using PasswordQuestion = std::function<std::optional<QString>(const QString& text)>;

// The password for one sending session: none needed without a user (or over sendmail), the
// keychain's when it holds one, else the organiser's answer. Where no keychain runs, every
// session asks. None when the organiser cancels the question.
std::optional<QString> PasswordForSession(const MailAccount& account, PasswordStore& store,
                                          const PasswordQuestion& ask);
