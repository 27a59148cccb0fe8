#pragma once

#include <QGroupBox>

#include <memory>

class FileChooser;
class LiveServer;
class Prompter;
class QComboBox;
class QLabel;
class QPushButton;
struct TournamentState;

// The part of "Live im Netz" for the referees: the chosen field's code, as digits and as a QR code
// that opens the field's entry page with it; "Code &erneuern" makes the old code worthless at
// once; "Codeblätter &drucken..." prints one sheet per field to hang up at the field.
class FieldCodesPanel : public QGroupBox {
    Q_OBJECT
public:
    FieldCodesPanel(LiveServer& server, const TournamentState& state, Prompter& prompter,
                    QWidget* parent = nullptr);
    ~FieldCodesPanel() override;

    // Follows the server: the fields' list after a start, nothing while it is stopped.
    void showState();
    void renewCode();
    // False when nothing was printed or saved.
    bool printSheets();
    // Where the sheets go without a printer is asked through `files` (the program's own dialog
    // otherwise); it must outlive the panel.
    void setFileChooser(FileChooser& files) { m_files = &files; }

private:
    int chosenField() const;
    void showCode();

    LiveServer& m_server;
    const TournamentState& m_state;
    Prompter& m_prompter;
    std::unique_ptr<FileChooser> m_ownFiles;
    FileChooser* m_files = nullptr;
    QComboBox* m_field = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_code = nullptr;
    QPushButton* m_renew = nullptr;
    QPushButton* m_print = nullptr;
};
