#pragma once

#include <QMainWindow>

#include <memory>

class ChangeGroupDialog;
class FileChooser;
class GridView;
class NamePoolPanel;
class Prompter;
class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTabWidget;
class RenameDialog;
class ScheduleWindowOutput;
class TFormErgebniseingabe;
class TextGrid;
struct AllocationOutput;
struct CellAction;
struct TournamentState;

// "Spielpläne": the schedule with its tables and the time plan, each a grid over the core; the
// side panel with the view modes and the referral editor; the list "Fehlermeldungen".
class TForm2 : public QMainWindow {
    Q_OBJECT
public:
    TForm2(TournamentState& state, Prompter& prompter, ChangeGroupDialog& changeGroupDialog,
           QWidget* mainWindow, QWidget* parent = nullptr);
    ~TForm2() override;

    // Renders the schedule (after a load also the completion check of every group) and shows it.
    void renderAndShow();
    // After undo or redo: renders the schedule anew when it is on show, as after a load.
    void showRestoredTournament();
    // Takes the schedule grid as the core left it.
    void scheduleRendered();
    // "&Platzverteilung neu berechnen": plans every round and shows the time plan.
    void recalculateAllocation();
    // "Prü&fung Spielplan".
    void checkSchedule();
    // "&Hauptfenster".
    void backToMainWindow();

    // The label "Menühilfe" follows the box "Dire&kthilfe aktiv" of the main window.
    void setMenuHelpVisible(bool visible);

    const AllocationOutput& allocationOutput() const { return *m_output; }
    NamePoolPanel& namePool() { return *m_namePool; }
    bool referralMode() const;
    // Printing, exports, game lists, certificates and e-mail; built in ScheduleWindowOutput.cpp.
    void addOutputCommands(FileChooser& files);

signals:
    // The speed button "Einstellungen": the main window owns the settings dialog.
    void settingsRequested();

signals:
    // The schedule grid shows something new (a result taken, a render): the hall display follows.
    void scheduleChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildSidePanel();
    QWidget* buildReferralPanel();
    void connectGrid(GridView* view, TextGrid& grid);
    void clickCell(GridView* view, TextGrid& grid);
    void carryOut(const CellAction& action, GridView* view, TextGrid& grid);
    void enterResult(const struct ResultEntryRequest& request, GridView* view);
    void stepReferral(int group, int number, GridView* view, TextGrid& grid);
    void clearReferralPanel();
    void showMode();
    void tabChanged(int index);
    void runAllocation();
    void showMessages();
    void updateRefreshButton();
    void rememberPlacement();

    TournamentState& m_state;
    Prompter& m_prompter;
    ChangeGroupDialog& m_changeGroupDialog;
    QWidget* m_mainWindow;
    std::unique_ptr<AllocationOutput> m_output;
    int m_currentTab = 0;
    bool m_clickOpened = false;
    bool m_wasShown = false;

    QTabWidget* m_tabs = nullptr;
    GridView* m_scheduleView = nullptr;
    GridView* m_planView = nullptr;
    TFormErgebniseingabe* m_resultDialog = nullptr;
    QListWidget* m_messages = nullptr;
    QSplitter* m_splitter = nullptr;
    QPushButton* m_refreshButton = nullptr;
    QAction* m_menuHelpLabel = nullptr;
    QRadioButton* m_namesMode = nullptr;
    QRadioButton* m_largeMode = nullptr;
    QRadioButton* m_referralMode = nullptr;
    QCheckBox* m_deleteFaults = nullptr;
    QGroupBox* m_namesPanel = nullptr;
    NamePoolPanel* m_namePool = nullptr;
    RenameDialog* m_renameDialog = nullptr;
    QGroupBox* m_referralPanel = nullptr;
    QLineEdit* m_referralSelection = nullptr;
    QLineEdit* m_comesFrom = nullptr;
    QLineEdit* m_refersTo = nullptr;
    ScheduleWindowOutput* m_outputCommands = nullptr;
};
