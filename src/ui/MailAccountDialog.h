#pragma once

#include "allocation/MailAccount.h"
#include "allocation/PasswordStore.h"

#include <QDialog>

class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// "E-Mail-Versand": the organiser's own mail account on this computer. The account goes into
// the program's settings, the password into the system's keychain; "Testnachricht an mich" sends
// one message to the sender's own address with what the dialog shows.
class MailAccountDialog : public QDialog {
    Q_OBJECT
public:
    MailAccountDialog(Prompter& prompter, PasswordStore& passwords, PasswordQuestion askPassword,
                      QWidget* parent = nullptr);

    // The account as the controls show it.
    MailAccount account() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showAccount(const MailAccount& account);
    void securityChosen(int index);
    void applyEnablingRule();
    void sendTestMessage();
    void accept() override;
    // The password typed, else the keychain's, else asked; none when the question is cancelled.
    std::optional<QString> sessionPassword(const MailAccount& account);

    Prompter& m_prompter;
    PasswordStore& m_passwords;
    PasswordQuestion m_askPassword;
    MailSecurity m_shownSecurity = MailSecurity::StartTls;

    QLineEdit* m_senderName = nullptr;
    QLineEdit* m_senderAddress = nullptr;
    QRadioButton* m_smtp = nullptr;
    QRadioButton* m_sendmail = nullptr;
    QLineEdit* m_server = nullptr;
    QSpinBox* m_port = nullptr;
    QComboBox* m_security = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QLabel* m_passwordNote = nullptr;
};
