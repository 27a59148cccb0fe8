#pragma once

#include <QObject>
#include <QString>

#include <functional>

class IncomingResultsDock;
class LiveDisplayWindow;
class LiveNetDialog;
class LiveServer;
class Prompter;
class QLabel;
class QMenuBar;
class QToolBar;
class QTimer;
class QWidget;
class ResultInbox;
class TForm2;
struct TournamentState;

// The schedule window's commands beyond the desk: the menu "&Anzeige" with "&Hallenanzeige",
// "Plan veröffentlichen..." and "Live im Netz...", and a speed button for the display. The display
// and the live server follow every render of the schedule, so a confirmed result shows at once.
// While the live server runs, the fields' referees send results into the dock "Eingegangene
// Ergebnisse"; its list is copied beside the tournament file after every change.
class LiveCommands : public QObject {
    Q_OBJECT
public:
    // Asks for the folder of the published plan; empty when cancelled.
    using FolderChooser = std::function<QString(QWidget* parent, const QString& proposed)>;

    LiveCommands(TForm2& form, TournamentState& state, Prompter& prompter, QMenuBar* menuBar,
                 QToolBar* speedButtons);

    void showDisplay();
    // Asks for the folder, then writes the plan there; false when cancelled or not written.
    bool publishPlan();
    // "Live im Netz...": the window that starts and ends the live server.
    void showLiveNet();

    LiveDisplayWindow* display() const { return m_display; }
    LiveNetDialog* liveNet() const { return m_liveNet; }
    LiveServer* liveServer() const { return m_server; }
    ResultInbox* inbox() const { return m_inbox; }
    IncomingResultsDock* incomingResults() const { return m_incoming; }
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }

private:
    // The time plan the pages read; runs the allocation first when the tournament has none yet.
    void ensureTimePlan();
    // The inbox, its dock and the copy of its list (restored from an earlier run of the desk).
    void takeResults();
    void copyIncomingResults();
    // The list of the loaded tournament's file, when the server starts for another file.
    void followTournamentFile();

    TForm2& m_form;
    TournamentState& m_state;
    Prompter& m_prompter;
    LiveDisplayWindow* m_display = nullptr;
    LiveServer* m_server = nullptr;
    LiveNetDialog* m_liveNet = nullptr;
    ResultInbox* m_inbox = nullptr;
    IncomingResultsDock* m_incoming = nullptr;
    QTimer* m_catchUp = nullptr;    // automatic acceptance waits while a dialog is open
    QString m_copyPath;             // of the incoming results
    bool m_serverRunning = false;   // as the last status said
    QLabel* m_liveStatus = nullptr; // in the schedule window's status line while the server runs
    FolderChooser m_chooseFolder;
    QString m_folder; // the last folder published to
};
