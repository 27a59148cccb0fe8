#pragma once

#include <QMainWindow>
#include <QStringList>

class ChangeGroupDialog;
class ContextHelpFilter;
class FileChooser;
class HelpWindow;
class LeaguePlanDialog;
class NewGroupDialog;
class PausePanel;
class Prompter;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class RecoveryKeeper;
class RoundPanel;
class ScoringPanel;
class TForm2;
class TFormEigenschaften;
class TotalsPanel;
class TournamentSaving;
class UndoCommands;
struct TournamentState;

// The main window: the frame of the tournament (rounds, fields, timing, groups, points system),
// the file commands and the way to every other window. A thin shell: every edit is one core
// operation followed by RefreshMainWindow.
class Tform1 : public QMainWindow {
    Q_OBJECT
public:
    // `commandLine` is the program's whole command line; its first argument names the start file.
    // Creating the window runs the start-up: working directory, default files, default tournament.
    Tform1(TournamentState& state, Prompter& prompter, FileChooser& files, const QString& programDir,
           const QStringList& commandLine, QWidget* parent = nullptr);
    ~Tform1() override;

    // Shows the state in every display of the window.
    void RefreshMainWindow();
    // What every activation does; the first one loads the start file.
    void handleActivation();

    void newTournament();
    void loadTournament();
    void saveTournament();
    void exitProgram();
    void showSettings();
    void showSchedule();
    void showAbout();
    void showLeaguePlan();
    // "Turnier-&Assistent...": builds a whole tournament from a few numbers.
    void showAssistant();

    TournamentSaving& saving() { return *m_saving; }
    RecoveryKeeper& recovery() { return *m_recovery; }
    UndoCommands& undoCommands() { return *m_undo; }
    NewGroupDialog& newGroupDialog() { return *m_newGroupDialog; }
    ChangeGroupDialog& changeGroupDialog() { return *m_changeGroupDialog; }
    TFormEigenschaften& settingsDialog() { return *m_settingsDialog; }
    TForm2& scheduleWindow() { return *m_scheduleWindow; }
    LeaguePlanDialog& leaguePlanDialog() { return *m_leaguePlanDialog; }
    HelpWindow& helpWindow() { return *m_helpWindow; }

signals:
    // The window has closed for good: the program ends.
    void programEnds();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildSpeedButtons();
    QWidget* buildCentralArea();
    QWidget* buildNameRow();
    QWidget* buildNoteBox();
    void startUp();
    void showFileCaption(const QString& path);
    void saveReferralDump();
    void offerRecoveryCopies();
    // Loads `path` after the save question, as "Korvane &Laden..." and "Zuletzt geöffnet" do.
    void openTournamentFile(const QString& path);
    void rememberRecentFile(const QString& path);
    void fillRecentMenu();
    void showRecoveryNotice(const QString& notice);
    void showSavedState();
    void showRestoredTournament();

    TournamentState& m_state;
    Prompter& m_prompter;
    FileChooser& m_files;
    QString m_programDir;
    QStringList m_commandLine;
    bool m_activating = false;

    TournamentSaving* m_saving = nullptr;
    RecoveryKeeper* m_recovery = nullptr;
    UndoCommands* m_undo = nullptr;
    NewGroupDialog* m_newGroupDialog = nullptr;
    ChangeGroupDialog* m_changeGroupDialog = nullptr;
    TFormEigenschaften* m_settingsDialog = nullptr;
    LeaguePlanDialog* m_leaguePlanDialog = nullptr;
    TForm2* m_scheduleWindow = nullptr;
    HelpWindow* m_helpWindow = nullptr;
    ContextHelpFilter* m_contextHelpFilter = nullptr;

    RoundPanel* m_roundPanel = nullptr;
    TotalsPanel* m_totalsPanel = nullptr;
    PausePanel* m_pausePanel = nullptr;
    ScoringPanel* m_scoringPanel = nullptr;
    QLineEdit* m_tournamentName = nullptr;
    QLabel* m_savedLabel = nullptr;
    QLineEdit* m_remainingLength = nullptr;
    QListWidget* m_storedResults = nullptr;
    QAction* m_menuHelpLabel = nullptr;
    QMenu* m_recentMenu = nullptr;
    QPushButton* m_assistantButton = nullptr; // offered while the tournament has no group
};
