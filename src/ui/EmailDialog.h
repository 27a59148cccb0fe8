#pragma once

#include "allocation/EmailDispatch.h"
#include "allocation/PasswordStore.h"

#include <QDialog>

#include <memory>

class FileChooser;
class GameListDialog;
class MailAccountDialog;
struct MailAccount;
class Prompter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
struct TournamentState;

// "Emails verschicken": the name pool as a list of teams with addresses, edited in place and
// ticked for sending; one message to all ticked teams (to the sender, the teams in Bcc) or one
// per team, with a common attachment or the team's own game list of round 1. The messages go out
// through the organiser's account ("E-Mail-Versand") on a worker thread; one summary at the end.
class EmailDialog : public QDialog {
    Q_OBJECT
public:
    EmailDialog(TournamentState& state, Prompter& prompter, FileChooser& files, GameListDialog& gameLists,
                QWidget* parent = nullptr);
    ~EmailDialog() override;

    // The schedule window's button: an empty attachment path, then the dialog, modal.
    void openFromScheduleWindow();

    // The rows as the list shows them.
    QList<EmailRow> rows() const;

    // Where the password of the account comes from: the system's keychain and a password
    // dialog unless a test says otherwise.
    void setPasswordSources(PasswordStore& passwords, PasswordQuestion askPassword);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildListPart();
    QWidget* buildMessagePart();
    void applyEnablingRule();
    void fillList();
    void addRow(const EmailRow& row);
    void addTypedRow();
    void removeSelectedRows();
    void chooseAttachment();
    void createGameLists();
    void editMailAccount();
    void send();
    void done(int result) override;
    EmailJob job(const MailAccount& account) const;
    void updateCounter();

    TournamentState& m_state;
    Prompter& m_prompter;
    FileChooser& m_files;
    GameListDialog& m_gameLists;
    std::unique_ptr<PasswordStore> m_keychain;
    PasswordStore* m_passwords = nullptr;
    PasswordQuestion m_askPassword;
    MailAccountDialog* m_accountDialog = nullptr;

    QTreeWidget* m_list = nullptr;
    QLabel* m_counter = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_subject = nullptr;
    QPlainTextEdit* m_body = nullptr;
    QPushButton* m_attachmentButton = nullptr;
    QLineEdit* m_attachment = nullptr;
    QLineEdit* m_separator = nullptr;
    QRadioButton* m_oneToAll = nullptr;
    QRadioButton* m_separate = nullptr;
    QRadioButton* m_sameAttachment = nullptr;
    QRadioButton* m_gameList = nullptr;
    QPushButton* m_createGameLists = nullptr;
};
