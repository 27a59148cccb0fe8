#include "ui/Tform1.h"

#include "help/HelpTextRestore.h"
#include "model/DiagnosticLists.h"
#include "model/Prompter.h"
#include "model/RecentFiles.h"
#include "model/RecoveryCopy.h"
#include "model/ReferralDump.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "model/WorkingDir.h"
#include "structure/MainWindowView.h"
#include "structure/ScoringOptions.h"
#include "ui/AboutBox.h"
#include "ui/ChangeGroupDialog.h"
#include "ui/ContextHelpFilter.h"
#include "ui/FileChooser.h"
#include "ui/HelpTopics.h"
#include "ui/HelpWindow.h"
#include "ui/LeaguePlanDialog.h"
#include "ui/NamePoolPanel.h"
#include "ui/NewGroupDialog.h"
#include "ui/PausePanel.h"
#include "ui/RecoveryKeeper.h"
#include "ui/RoundPanel.h"
#include "ui/ScoringPanel.h"
#include "ui/SpeedButtonIcons.h"
#include "ui/TForm2.h"
#include "ui/TFormEigenschaften.h"
#include "ui/TotalsPanel.h"
#include "ui/TournamentAssistantDialog.h"
#include "ui/TournamentSaving.h"
#include "ui/UndoCommands.h"
#include "ui/WidgetNames.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const QString ProgramTitle = QStringLiteral("Korvane 5.08");

const QStringList NoteLines{
    QStringLiteral("Legen Sie für jede Runde "),
    QStringLiteral("-die Zahl der Spielplätze"),
    QStringLiteral("-die Spiellänge "),
    QStringLiteral("fest, dann erzeugen Sie "),
    QStringLiteral("mit NEUE GRUPPE für "),
    QStringLiteral("diese Runde die Spiel-"),
    QStringLiteral("gruppen."),
    QStringLiteral("Das Eintragen von Namen"),
    QStringLiteral("und der Verweis in die "),
    QStringLiteral("nächste Runde erfolgt im "),
    QStringLiteral("Spielplan."),
    QString(),
    QStringLiteral("Durch Rechtsclick auf"),
    QStringLiteral("Elemente des Pro-"),
    QStringLiteral("gramms erhalten Sie "),
    QStringLiteral("eine schnelle Direkthilfe."),
};

QAction* namedAction(const QString& caption, const char* name, QObject* owner)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    return action;
}

// The platform adds the application's display name to every caption when the caption is set;
// setting each caption again brings a new tournament name into the captions already shown.
void ShowInEveryCaption(const QString& tournamentName)
{
    if (QGuiApplication::applicationDisplayName() == tournamentName)
        return;
    QGuiApplication::setApplicationDisplayName(tournamentName);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QString caption = window->windowTitle();
        if (caption.isEmpty())
            continue;
        window->setWindowTitle(QString());
        window->setWindowTitle(caption);
    }
}
} // namespace

Tform1::Tform1(TournamentState& state, Prompter& prompter, FileChooser& files, const QString& programDir,
               const QStringList& commandLine, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_prompter(prompter), m_files(files), m_programDir(programDir),
      m_commandLine(commandLine)
{
    setObjectName(QStringLiteral("Tform1"));
    // The program ends only through this window (its frame, "&Beenden", "Ende"), never because
    // some message box happened to be the last window open.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_saving = new TournamentSaving(m_state, m_prompter, m_files, this);
    m_undo = new UndoCommands(m_state, this);
    connect(m_undo, &UndoCommands::restored, this, &Tform1::showRestoredTournament);
    connect(m_undo, &UndoCommands::savedStateChanged, this, &Tform1::showSavedState);
    connect(m_saving, &TournamentSaving::saved, this, [this](const QString& path) {
        m_undo->markSaved();
        m_recovery->discard();
        rememberRecentFile(path);
        showFileCaption(path);
        RefreshMainWindow();
    });
    m_newGroupDialog = new NewGroupDialog(m_state, m_prompter, this);
    m_changeGroupDialog = new ChangeGroupDialog(m_state, m_prompter, this);
    m_settingsDialog = new TFormEigenschaften(m_state, m_prompter, m_programDir, this);
    m_scheduleWindow = new TForm2(m_state, m_prompter, *m_changeGroupDialog, this, this);
    m_scheduleWindow->namePool().setFileChooser(m_files);
    m_scheduleWindow->addOutputCommands(m_files);
    m_leaguePlanDialog = new LeaguePlanDialog(m_state, this);
    m_helpWindow = new HelpWindow(m_state, m_prompter, this);
    m_settingsDialog->setHelpWindow(m_helpWindow);
    m_contextHelpFilter = new ContextHelpFilter(*m_helpWindow, this);
    qApp->installEventFilter(m_contextHelpFilter);

    buildMenus();
    buildSpeedButtons();
    setCentralWidget(buildCentralArea());
    RestoreWindowPlacement(*this, QStringLiteral("hauptfenster"), QSize(1100, 680));
    startUp();
    m_undo->reset();
    m_recovery = new RecoveryKeeper(m_state, RecoveryFolder(m_state.WorkDir), this);
    connect(m_recovery, &RecoveryKeeper::writeFailed, this, [this](const QString& reason) {
        showRecoveryNotice(QStringLiteral("Wiederherstellungskopie nicht geschrieben: ") + reason);
    });
    connect(m_recovery, &RecoveryKeeper::writeRecovered, this, [this] { showRecoveryNotice(QString()); });
}

Tform1::~Tform1()
{
    qApp->removeEventFilter(m_contextHelpFilter);
}

void Tform1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("menuDatei"));
    QAction* newAction = file->addAction(QStringLiteral("&Neu"));
    newAction->setObjectName(QStringLiteral("actionNew"));
    QAction* assistant = file->addAction(QStringLiteral("Turnier-&Assistent..."));
    assistant->setObjectName(QStringLiteral("actionAssistant"));
    QAction* load = file->addAction(QStringLiteral("Korvane &Laden..."));
    load->setObjectName(QStringLiteral("actionLoad"));
    load->setShortcut(QKeySequence::Open);
    QAction* quickSave = file->addAction(QStringLiteral("&Speichern"));
    quickSave->setObjectName(QStringLiteral("actionSaveToFile"));
    quickSave->setShortcut(QKeySequence::Save);
    // The results are entered in the schedule window: Ctrl+S saves from there too.
    m_scheduleWindow->addAction(quickSave);
    QAction* save = file->addAction(QStringLiteral("Korvane &Speichern..."));
    save->setObjectName(QStringLiteral("actionSave"));
    save->setShortcut(QKeySequence::SaveAs);
    m_recentMenu = file->addMenu(QStringLiteral("&Zuletzt geöffnet"));
    m_recentMenu->setObjectName(QStringLiteral("menuZuletzt"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &Tform1::fillRecentMenu);
    // Diagnostics of the developers: present, never shown.
    QAction* namesList = file->addAction(QStringLiteral("&Namen[]"));
    namesList->setObjectName(QStringLiteral("actionNamesDiagnostic"));
    namesList->setVisible(false);
    QAction* referralDump = file->addAction(QStringLiteral("Speichern &Feld"));
    referralDump->setObjectName(QStringLiteral("actionReferralDump"));
    referralDump->setVisible(false);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("&Beenden"));
    exit->setObjectName(QStringLiteral("actionExit"));

    m_undo->addToEditMenu(*this);
    m_undo->addToEditMenu(*m_scheduleWindow);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    view->setObjectName(QStringLiteral("menuAnsicht"));
    QAction* schedule = view->addAction(QStringLiteral("&Tabellen / Zeitplan"));
    schedule->setObjectName(QStringLiteral("actionSchedule"));

    QAction* settings = menuBar()->addAction(QStringLiteral("&Einstellungen..."));
    settings->setObjectName(QStringLiteral("actionSettings"));
    QAction* leaguePlan = menuBar()->addAction(QStringLiteral("Liga-&Plan..."));
    leaguePlan->setObjectName(QStringLiteral("actionLeaguePlan"));
    QAction* allocation = menuBar()->addAction(QStringLiteral("&Platzverteilung neu berechnen"));
    allocation->setObjectName(QStringLiteral("actionRecalculateAllocation"));

    QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("menuInfo"));
    QAction* about = info->addAction(QStringLiteral("&Info..."));
    about->setObjectName(QStringLiteral("actionAbout"));

    connect(newAction, &QAction::triggered, this, &Tform1::newTournament);
    connect(assistant, &QAction::triggered, this, &Tform1::showAssistant);
    connect(load, &QAction::triggered, this, &Tform1::loadTournament);
    connect(quickSave, &QAction::triggered, m_saving, &TournamentSaving::save);
    connect(save, &QAction::triggered, this, &Tform1::saveTournament);
    connect(referralDump, &QAction::triggered, this, &Tform1::saveReferralDump);
    connect(exit, &QAction::triggered, this, &Tform1::exitProgram);
    connect(schedule, &QAction::triggered, this, &Tform1::showSchedule);
    connect(allocation, &QAction::triggered, this, [this] { m_scheduleWindow->recalculateAllocation(); });
    connect(settings, &QAction::triggered, this, &Tform1::showSettings);
    connect(about, &QAction::triggered, this, &Tform1::showAbout);
    connect(leaguePlan, &QAction::triggered, this, &Tform1::showLeaguePlan);
}

void Tform1::buildSpeedButtons()
{
    QToolBar* bar = addToolBar(QStringLiteral("Schnellzugriff"));
    bar->setObjectName(QStringLiteral("speedButtons"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(24, 24));
    bar->setContextMenuPolicy(Qt::PreventContextMenu);

    struct SpeedButton {
        const char* name;
        QString hint;
        SpeedButtonIcon icon;
        void (Tform1::*command)();
        int helpTopic;
    };
    const SpeedButton buttons[] = {
        {"sbLaden", QStringLiteral("Korvane laden"), SpeedButtonIcon::Load, &Tform1::loadTournament,
         HelpTopic::MainCommands},
        {"sbSpeichern", QStringLiteral("Korvane speichern"), SpeedButtonIcon::Save, &Tform1::saveTournament,
         HelpTopic::MainCommands},
        {"sbEinstellungen", QStringLiteral("Einstellungen"), SpeedButtonIcon::Settings, &Tform1::showSettings,
         HelpTopic::Settings},
        {"sbSpielplan", QStringLiteral("Spielplan und Tabelle"), SpeedButtonIcon::Schedule,
         &Tform1::showSchedule, HelpTopic::Schedule},
        {"sbEnde", QStringLiteral("Ende"), SpeedButtonIcon::Exit, &Tform1::exitProgram,
         HelpTopic::MainCommands},
    };
    for (const SpeedButton& button : buttons) {
        QAction* action = namedAction(button.hint, button.name, this);
        action->setIcon(MakeSpeedButtonIcon(button.icon));
        action->setToolTip(button.hint);
        connect(action, &QAction::triggered, this, button.command);
        bar->addAction(action);
        SetHelpTopic(bar->widgetForAction(action), button.helpTopic);
        if (button.icon == SpeedButtonIcon::Schedule)
            bar->addSeparator();
    }

    auto* menuHelp = Named(new QLabel(QStringLiteral("Menühilfe")), "lbMenuehilfe");
    menuHelp->setToolTip(QStringLiteral("Hilfe bei Rechtsclick"));
    menuHelp->setContentsMargins(12, 0, 6, 0);
    SetHelpTopic(menuHelp, HelpTopic::MainCommands);
    m_menuHelpLabel = bar->addWidget(menuHelp);
    m_menuHelpLabel->setVisible(false);
}

QWidget* Tform1::buildNameRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tournamentName = Named(new QLineEdit(m_state.TournamentName), "tournamentNameEdit");
    m_tournamentName->setMaxLength(Limits::InputTextLength);
    m_tournamentName->setToolTip(QStringLiteral("Korvanename (kann geändert werden)"));
    auto* nameLabel = new QLabel(QStringLiteral("Korvane:"));
    nameLabel->setBuddy(m_tournamentName);
    QFont nameFont = m_tournamentName->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.25);
    nameFont.setBold(true);
    m_tournamentName->setFont(nameFont);
    m_savedLabel = Named(new QLabel, "savedLabel");
    m_savedLabel->setMinimumWidth(
        m_savedLabel->fontMetrics().horizontalAdvance(QStringLiteral("nicht gespeichert")) + 8);
    m_savedLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(nameLabel);
    layout->addWidget(m_tournamentName, 1);
    layout->addSpacing(24);
    layout->addWidget(m_savedLabel);

    connect(m_tournamentName, &QLineEdit::textEdited, this, [this](const QString& name) {
        SetTournamentName(m_state, name);
        RefreshMainWindow();
    });
    return row;
}

QWidget* Tform1::buildNoteBox()
{
    auto* box = Named(new QGroupBox(QStringLiteral("Hinweis")), "gbHinweis");
    auto* note = Named(new QLabel(NoteLines.join(QLatin1Char('\n'))), "lbHinweis");
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(note);
    m_assistantButton = Named(new QPushButton(QStringLiteral("Turnier-Assistent...")), "btnAssistant");
    m_assistantButton->setToolTip(
        QStringLiteral("Runden, Gruppen, Finalspiele und Verweise aus wenigen Angaben"));
    connect(m_assistantButton, &QPushButton::clicked, this, &Tform1::showAssistant);
    layout->addWidget(m_assistantButton);
    layout->addStretch();
    return box;
}

QWidget* Tform1::buildCentralArea()
{
    m_roundPanel = new RoundPanel(m_state, m_prompter, *m_newGroupDialog);
    m_totalsPanel = new TotalsPanel(m_state, m_prompter);
    m_pausePanel = new PausePanel(m_state, m_prompter);
    m_scoringPanel = new ScoringPanel(m_state);
    connect(m_roundPanel, &RoundPanel::edited, this, &Tform1::RefreshMainWindow);
    connect(m_totalsPanel, &TotalsPanel::edited, this, &Tform1::RefreshMainWindow);
    connect(m_pausePanel, &PausePanel::edited, this, &Tform1::RefreshMainWindow);
    connect(m_scoringPanel, &ScoringPanel::edited, this, &Tform1::RefreshMainWindow);
    connect(m_changeGroupDialog, &ChangeGroupDialog::scheduleChanged, this, &Tform1::RefreshMainWindow);
    connect(m_scoringPanel, &ScoringPanel::contextHelpSwitched, m_menuHelpLabel, &QAction::setVisible);
    connect(m_scoringPanel, &ScoringPanel::contextHelpSwitched, m_scheduleWindow,
            &TForm2::setMenuHelpVisible);
    connect(m_scheduleWindow, &TForm2::settingsRequested, this, &Tform1::showSettings);

    // Kept for the start-up values, never shown: the remaining length and the list of results.
    m_remainingLength = Named(new QLineEdit, "remainingLengthEdit");
    m_remainingLength->setVisible(false);
    m_storedResults = Named(new QListWidget, "storedResultList");
    m_storedResults->setVisible(false);

    auto* middle = new QVBoxLayout;
    middle->addWidget(m_totalsPanel);
    middle->addWidget(m_pausePanel, 1);
    middle->addWidget(m_scoringPanel);

    auto* columns = new QHBoxLayout;
    columns->addWidget(m_roundPanel, 5);
    columns->addLayout(middle, 3);
    columns->addWidget(buildNoteBox(), 0);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildNameRow());
    layout->addLayout(columns, 1);
    layout->addWidget(m_remainingLength);
    layout->addWidget(m_storedResults);
    return central;
}

void Tform1::startUp()
{
    PrepareWorkDir(m_state, m_programDir, m_prompter);
    StartUpTournament(m_state, m_programDir, m_prompter);
    setWindowTitle(ProgramTitle);
    m_helpWindow->clearHistory();
    m_remainingLength->setText(QStringLiteral("40"));
    RefreshMainWindow();
}

void Tform1::RefreshMainWindow()
{
    const MainWindowView view = BuildMainWindowView(m_state);
    m_totalsPanel->showView(view);
    m_roundPanel->showView(view);
    showSavedState();

    // A load sets these controls directly; showing them is no edit.
    m_totalsPanel->showStartTime();
    m_pausePanel->showBreaks();
    m_scoringPanel->showSettings();
    if (m_tournamentName->text() != m_state.TournamentName)
        m_tournamentName->setText(m_state.TournamentName);
    ShowInEveryCaption(m_state.TournamentName);
    m_assistantButton->setVisible(TotalGroups(m_state) == 0);
}

void Tform1::showSavedState()
{
    m_savedLabel->setText(SavedText(m_state));
    m_savedLabel->setStyleSheet(m_state.IsSaved ? QStringLiteral("color: #1b6e20;")
                                                : QStringLiteral("color: #b71c1c; font-weight: bold;"));
}

// Undo or redo: every window shows the tournament as it is now, as after a load.
void Tform1::showRestoredTournament()
{
    RefreshMainWindow();
    m_scheduleWindow->showRestoredTournament();
}

bool Tform1::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        handleActivation();
    return handled;
}

void Tform1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    RefreshMainWindow();
    // Some window managers do not activate a new window; the start file is loaded all the same.
    QTimer::singleShot(0, this, [this] {
        if (m_state.AutoLoadPending)
            handleActivation();
    });
}

void Tform1::hideEvent(QHideEvent* event)
{
    SaveWindowPlacement(*this, QStringLiteral("hauptfenster"));
    QMainWindow::hideEvent(event);
}

void Tform1::handleActivation()
{
    // A message box of the start-file load activates the window again when it closes.
    if (m_activating)
        return;
    m_activating = true;
    m_state.FieldPlan.setCell(1, 1, QStringLiteral("noch nicht"));
    m_state.FieldPlan.setCell(2, 1, QStringLiteral("berechnet"));
    if (m_state.AutoLoadPending) {
        const QString startFile = StartFilePath(m_commandLine);
        if (LoadTournament(m_state, startFile, m_prompter))
            showFileCaption(startFile);
        offerRecoveryCopies();
        m_undo->reset();
    }
    m_state.AutoLoadPending = false;
    RefreshMainWindow();
    m_storedResults->clear();
    m_storedResults->addItems(StoredResultLines(m_state));
    if (m_state.HelpTextPending &&
        !m_helpWindow->loadHelpText(QDir(m_state.WorkDir).filePath(HelpTextFileName)))
        m_prompter.inform(QStringLiteral("Info"),
                          QStringLiteral("Handbuch Direkthilfe kann nicht geladen werden"));
    m_state.HelpTextPending = false;
    m_activating = false;
}

void Tform1::offerRecoveryCopies()
{
    RecoveryOffer offer = OfferRecoveryCopies(m_state, RecoveryFolder(m_state.WorkDir), m_prompter);
    if (!offer.restored)
        return;
    m_recovery->adopt(offer);
    if (m_state.RememberedFileName.isEmpty())
        setWindowTitle(ProgramTitle);
    else
        showFileCaption(m_state.RememberedFileName);
}

// A failing recovery copy is told in the status line of both windows, never in a message box.
void Tform1::showRecoveryNotice(const QString& notice)
{
    for (QMainWindow* window :
         {static_cast<QMainWindow*>(this), static_cast<QMainWindow*>(m_scheduleWindow)}) {
        if (notice.isEmpty()) {
            window->statusBar()->clearMessage();
            continue;
        }
        window->statusBar()->show();
        window->statusBar()->showMessage(notice);
    }
}

void Tform1::showFileCaption(const QString& path)
{
    setWindowTitle(ShowFileCaption(path));
}

void Tform1::newTournament()
{
    if (!m_saving->settleUnsavedWork())
        return;
    ResetTournament(m_state);
    m_undo->reset();
    m_recovery->discard();
    // The new tournament is no longer the file on disk: a save must name its file again.
    m_state.RememberedFileName.clear();
    setWindowTitle(ProgramTitle);
    RefreshMainWindow();
}

void Tform1::showAssistant()
{
    TournamentAssistantDialog dialog(
        m_state, m_prompter, m_files, [this] { return m_saving->settleUnsavedWork(); }, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_recovery->discard();
    m_state.RememberedFileName.clear();
    setWindowTitle(ProgramTitle);
    RefreshMainWindow();
    showSchedule();
}

void Tform1::loadTournament()
{
    if (!m_saving->settleUnsavedWork())
        return;
    GuardProtectedFileName(m_state, m_prompter);
    const QString path =
        m_files.chooseFileToOpen(this, {QStringLiteral("Korvane laden"), m_state.WorkDir,
                                        m_state.RememberedFileName, TournamentFileFilter, QString()});
    if (!path.isEmpty())
        openTournamentFile(path);
}

void Tform1::openTournamentFile(const QString& path)
{
    // A file that cannot be read wholly leaves the open tournament, its caption included.
    if (!LoadTournament(m_state, path, m_prompter))
        return;
    m_recovery->discard();
    rememberRecentFile(path);
    showFileCaption(path);
    RefreshMainWindow();
    // A fresh file is shown at once; its first render also completes every finished group.
    showSchedule();
    m_undo->reset();
}

void Tform1::rememberRecentFile(const QString& path)
{
    WriteRecentFiles(m_state.WorkDir, WithRecentFile(ReadRecentFiles(m_state.WorkDir), path));
}

// Built when it opens: a file that has gone since is shown greyed.
void Tform1::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = ReadRecentFiles(m_state.WorkDir);
    for (int i = 0; i < recent.size(); ++i) {
        const QString& path = recent.at(i);
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        QString shown =
            QStringLiteral("%1  (%2)")
                .arg(QFileInfo(path).fileName(), QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        const QString caption = number + u' ' + shown.replace(u'&', QStringLiteral("&&"));
        QAction* entry = m_recentMenu->addAction(caption);
        entry->setEnabled(QFileInfo::exists(path));
        connect(entry, &QAction::triggered, this, [this, path] {
            if (m_saving->settleUnsavedWork())
                openTournamentFile(path);
        });
    }
    if (recent.isEmpty())
        m_recentMenu->addAction(QStringLiteral("(leer)"))->setEnabled(false);
}

void Tform1::saveTournament()
{
    m_saving->saveWithDialog();
}

void Tform1::saveReferralDump()
{
    const QString path = m_files.chooseFileToSave(
        this, {QStringLiteral("Speichern"), m_state.WorkDir, ReferralDumpFileName, QString(), QString()});
    if (!path.isEmpty())
        WriteReferralDump(m_state, path, m_prompter);
}

void Tform1::exitProgram()
{
    close();
}

void Tform1::closeEvent(QCloseEvent* event)
{
    // Closing by the frame asks like "&Beenden": one click must not lose a day's results.
    if (!m_saving->settleUnsavedWork()) {
        event->ignore();
        return;
    }
    m_scheduleWindow->close();
    // A clean end: the work was saved or given up on purpose.
    m_recovery->discard();
    m_recovery->waitForWrites();
    event->accept();
    emit programEnds();
}

void Tform1::showSettings()
{
    if (m_settingsDialog->isVisible()) {
        m_settingsDialog->raise();
        m_settingsDialog->activateWindow();
        return;
    }
    m_settingsDialog->exec();
    RefreshMainWindow();
}

void Tform1::showSchedule()
{
    m_scheduleWindow->renderAndShow();
    hide();
}

void Tform1::showAbout()
{
    ShowAboutBox(this);
}

void Tform1::showLeaguePlan()
{
    m_leaguePlanDialog->exec();
}
