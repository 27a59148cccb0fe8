#pragma once

#include "allocation/EmailDispatch.h"

#include <QDialog>

class FileChooser;
class GameListDialog;
class Prompter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
struct TournamentState;

// "Emails verschicken": the name pool as a list of teams with addresses, edited in place and
// ticked for sending; one message to all ticked teams or one per team, with a common attachment
// or the team's own game list of round 1.
class EmailDialog : public QDialog {
    Q_OBJECT
public:
    EmailDialog(TournamentState& state, Prompter& prompter, FileChooser& files, GameListDialog& gameLists,
                QWidget* parent = nullptr);

    // The schedule window's button: an empty attachment path, then the dialog, modal.
    void openFromScheduleWindow();

    // The rows as the list shows them.
    QList<EmailRow> rows() const;

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
    void send();
    void done(int result) override;
    EmailJob job() const;
    void updateCounter();

    TournamentState& m_state;
    Prompter& m_prompter;
    FileChooser& m_files;
    GameListDialog& m_gameLists;

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
