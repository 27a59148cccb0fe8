#include "ui/TForm2.h"

#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "results/GridInteraction.h"
#include "results/ScheduleGrid.h"
#include "structure/Referrals.h"
#include "structure/ScheduleCheck.h"
#include "ui/AllocationProgressDialog.h"
#include "ui/ChangeGroupDialog.h"
#include "ui/GridView.h"
#include "ui/HelpTopics.h"
#include "ui/LiveCommands.h"
#include "ui/NamePoolPanel.h"
#include "ui/RenameDialog.h"
#include "ui/SpeedButtonIcons.h"
#include "ui/TFormErgebniseingabe.h"
#include "ui/TextGridModel.h"
#include "ui/WidgetNames.h"
#include "ui/WindowPlacement.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTime>
#include <QToolBar>
#include <QVBoxLayout>

#include <utility>

namespace {
constexpr int TimePlanTab = 1;
const QString PlacementKey = QStringLiteral("spielplaene");
constexpr std::uint32_t PendingReferralColour = 0xFF0000;

QFont GridFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    return font;
}

void SetBase(QLineEdit* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

QLineEdit* panelField(const char* name)
{
    auto* field = Named(new QLineEdit, name);
    field->setReadOnly(true);
    return field;
}
} // namespace

TForm2::TForm2(TournamentState& state, Prompter& prompter, ChangeGroupDialog& changeGroupDialog,
               QWidget* mainWindow, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_state(state), m_prompter(prompter),
      m_changeGroupDialog(changeGroupDialog), m_mainWindow(mainWindow),
      m_output(std::make_unique<AllocationOutput>())
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Spielpläne"));
    SetHelpTopic(this, HelpTopic::ScheduleWindow);

    m_scheduleView = new GridView(m_state.ScheduleGrid, "StringGrid1");
    m_planView = new GridView(m_output->TimePlan, "StringGrid3");
    for (GridView* view : {m_scheduleView, m_planView}) {
        view->setFont(GridFont());
        SetHelpTopic(view, HelpTopic::Schedule);
    }
    m_tabs = Named(new QTabWidget, "PageControl1");
    m_tabs->addTab(m_scheduleView, QStringLiteral("Spielplan / Tabellen"));
    m_tabs->addTab(m_planView, QStringLiteral("Zeitplan / Platzverteilung"));
    m_resultDialog = new TFormErgebniseingabe(m_state, m_prompter, this);
    m_resultDialog->setClickableAreas({m_scheduleView, m_planView});
    m_renameDialog = new RenameDialog(m_state, m_prompter, this);

    m_messages = Named(new QListWidget, "MessageList");
    m_messages->setToolTip(QStringLiteral("Fehlermeldungen"));
    SetHelpTopic(m_messages, HelpTopic::Messages);
    m_refreshButton =
        Named(new QPushButton(QStringLiteral("Spielplan aktualisieren")), "BtSpielplanAktualisieren");

    auto* top = new QWidget;
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(m_tabs, 1);
    topLayout->addSpacing(10);
    topLayout->addWidget(buildSidePanel());
    auto* bottom = new QWidget;
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    bottomLayout->addWidget(m_messages, 1);
    bottomLayout->addWidget(m_refreshButton, 0, Qt::AlignTop);
    // The organiser decides how much room the messages take from the grid.
    m_splitter = Named(new QSplitter(Qt::Vertical), "SplitterFehlermeldungen");
    m_splitter->addWidget(top);
    m_splitter->addWidget(bottom);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setSizes({600, 110});
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_splitter);
    setCentralWidget(central);
    buildMenus();

    connectGrid(m_scheduleView, m_state.ScheduleGrid);
    connectGrid(m_planView, m_output->TimePlan);
    connect(m_tabs, &QTabWidget::currentChanged, this, &TForm2::tabChanged);
    connect(m_refreshButton, &QPushButton::clicked, this, [this] {
        RenderScheduleGrid(m_state);
        scheduleRendered();
    });
    connect(&m_changeGroupDialog, &ChangeGroupDialog::scheduleChanged, this, &TForm2::scheduleRendered);
    m_namePool->acceptDropsOn(m_scheduleView);
    connect(m_namePool, &NamePoolPanel::scheduleChanged, this, &TForm2::scheduleRendered);
    showMode();
    updateRefreshButton();
    RestoreWindowPlacement(*this, PlacementKey, QSize(1100, 720));
    m_splitter->restoreState(RememberedWindowState(PlacementKey));
}

TForm2::~TForm2()
{
    rememberPlacement();
}

void TForm2::rememberPlacement()
{
    if (!m_wasShown)
        return;
    SaveWindowPlacement(*this, PlacementKey);
    RememberWindowState(PlacementKey, m_splitter->saveState());
}

void TForm2::buildMenus()
{
    QAction* check = menuBar()->addAction(QStringLiteral("Prü&fung Spielplan"));
    check->setObjectName(QStringLiteral("actionCheckSchedule"));
    QAction* mainWindow = menuBar()->addAction(QStringLiteral("&Hauptfenster"));
    mainWindow->setObjectName(QStringLiteral("actionMainWindow"));
    connect(check, &QAction::triggered, this, &TForm2::checkSchedule);
    connect(mainWindow, &QAction::triggered, this, &TForm2::backToMainWindow);

    QToolBar* bar = addToolBar(QStringLiteral("Schnellzugriff"));
    bar->setObjectName(QStringLiteral("speedButtons"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back =
        bar->addAction(MakeSpeedButtonIcon(SpeedButtonIcon::Schedule), QStringLiteral("Hauptfenster"));
    back->setObjectName(QStringLiteral("sbHauptfenster"));
    SetHelpTopic(bar->widgetForAction(back), HelpTopic::ThisRound);
    QAction* checkButton = bar->addAction(MakeSpeedButtonIcon(SpeedButtonIcon::Check),
                                          QStringLiteral("Überprüfung des Spielplans"));
    checkButton->setObjectName(QStringLiteral("sbPruefung"));
    SetHelpTopic(bar->widgetForAction(checkButton), HelpTopic::ScheduleCommands);
    QAction* settings =
        bar->addAction(MakeSpeedButtonIcon(SpeedButtonIcon::Settings), QStringLiteral("Einstellungen"));
    settings->setObjectName(QStringLiteral("sbEinstellungen"));
    SetHelpTopic(bar->widgetForAction(settings), HelpTopic::Settings);
    connect(back, &QAction::triggered, this, &TForm2::backToMainWindow);
    connect(checkButton, &QAction::triggered, this, &TForm2::checkSchedule);
    connect(settings, &QAction::triggered, this, &TForm2::settingsRequested);
    new LiveCommands(*this, m_state, m_prompter, menuBar(), bar);

    auto* menuHelp = Named(new QLabel(QStringLiteral("Menühilfe")), "lbMenuehilfeSpielplaene");
    menuHelp->setToolTip(QStringLiteral("Hilfe bei Rechtsclick"));
    menuHelp->setContentsMargins(12, 0, 6, 0);
    SetHelpTopic(menuHelp, HelpTopic::ScheduleCommands);
    m_menuHelpLabel = bar->addWidget(menuHelp);
    m_menuHelpLabel->setVisible(false);
}

void TForm2::setMenuHelpVisible(bool visible)
{
    m_menuHelpLabel->setVisible(visible);
}

QWidget* TForm2::buildSidePanel()
{
    auto* panel = Named(new QWidget, "PanelSeite");
    SetHelpTopic(panel, HelpTopic::SidePanel);
    m_namesMode = Named(new QRadioButton(QStringLiteral("&Namen")), "RBNamen");
    m_namesMode->setToolTip(QStringLiteral("zum Eingeben von Mannschaftsnamen"));
    m_largeMode = Named(new QRadioButton(QStringLiteral("&großer Spielplan")), "RBGrosserSpielplan");
    m_largeMode->setToolTip(QStringLiteral("Normalansicht"));
    m_referralMode = Named(new QRadioButton(QStringLiteral("&Verweise")), "RBVerweise");
    m_referralMode->setToolTip(QStringLiteral("festlegen, wer die nächste Runde erreicht"));
    m_largeMode->setChecked(true);
    m_deleteFaults = Named(new QCheckBox(QStringLiteral("&Fehler löschen")), "CBFehlerLoeschen");
    m_deleteFaults->setToolTip(QStringLiteral("Bei Überprüfung des Spielplans Fehler automatisch löschen"));

    m_namesPanel = Named(new QGroupBox(QStringLiteral("Namen")), "PanelNamen");
    m_namesPanel->setMinimumWidth(220);
    // Hidden until its mode is chosen, so that the window's first size does not count it.
    m_namesPanel->setVisible(false);
    m_namePool = new NamePoolPanel(m_state, m_prompter);
    (new QVBoxLayout(m_namesPanel))->addWidget(m_namePool);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_namesMode);
    layout->addWidget(m_largeMode);
    layout->addWidget(m_referralMode);
    layout->addWidget(m_deleteFaults);
    layout->addWidget(m_namesPanel, 1);
    layout->addWidget(buildReferralPanel());
    layout->addStretch(1);
    for (QRadioButton* mode : {m_namesMode, m_largeMode, m_referralMode})
        connect(mode, &QRadioButton::toggled, this, &TForm2::showMode);
    return panel;
}

QWidget* TForm2::buildReferralPanel()
{
    m_referralPanel = Named(new QGroupBox(QStringLiteral("Verweise")), "PanelVerweise");
    m_referralPanel->setToolTip(QStringLiteral("erst die Mannschaft der vorherigen Runde doppelclicken, dann "
                                               "die Position in der nachfolgenden Runde"));
    m_referralPanel->setMinimumWidth(220);
    m_referralPanel->setVisible(false);
    m_referralSelection = panelField("EDverweise");
    m_comesFrom = panelField("EDkommtVon");
    m_refersTo = panelField("EDverweistAuf");
    auto* layout = new QVBoxLayout(m_referralPanel);
    layout->addWidget(m_referralSelection);
    layout->addWidget(new QLabel(QStringLiteral("kommt von:")));
    layout->addWidget(m_comesFrom);
    layout->addWidget(new QLabel(QStringLiteral("verweist auf:")));
    layout->addWidget(m_refersTo);
    // The double-click on a table place and then on a position, as a button.
    auto* setReferral = Named(new QPushButton(QStringLiteral("Verweis &setzen")), "BTVerweisSetzen");
    setReferral->setToolTip(
        QStringLiteral("1. Tabellenplatz anklicken, Verweis setzen; 2. Position der folgenden "
                       "Runde anklicken, Verweis setzen"));
    layout->addWidget(setReferral);
    connect(setReferral, &QPushButton::clicked, this, [this] {
        const CellAction action = ActOnCell(m_state, m_state.ScheduleGrid, true);
        if (std::holds_alternative<ReferralStepRequest>(action.Open)) {
            carryOut(action, m_scheduleView, m_state.ScheduleGrid);
            return;
        }
        clearReferralPanel();
        m_prompter.inform(QStringLiteral("Benutzer-Info"), ReferralButtonHint);
    });
    return m_referralPanel;
}

bool TForm2::referralMode() const
{
    return m_referralMode->isChecked();
}

void TForm2::showMode()
{
    m_namesPanel->setVisible(m_namesMode->isChecked());
    m_referralPanel->setVisible(m_referralMode->isChecked());
}

void TForm2::connectGrid(GridView* view, TextGrid& grid)
{
    connect(view, &GridView::cellPressed, this, [this](int col, int row) { SelectCell(m_state, col, row); });
    connect(view, &GridView::cellHovered, this, [this, view, &grid](int col, int row) {
        if (ShowsHandCursor(m_state, grid, col, row))
            view->viewport()->setCursor(Qt::PointingHandCursor);
        else
            view->viewport()->unsetCursor();
    });
    connect(view, &GridView::cellClicked, this, [this, view, &grid] { clickCell(view, grid); });
    connect(view, &GridView::cellDoubleClicked, this, [this, view, &grid] {
        // The click that began this double-click already opened the cell's dialog.
        if (std::exchange(m_clickOpened, false))
            return;
        carryOut(ActOnCell(m_state, grid, referralMode()), view, grid);
    });
    connect(view, &GridView::scrolled, this, [this, view, &grid] {
        if (!grid.contains(m_state.SelectedCol, m_state.SelectedRow))
            return;
        HighlightTeam(m_state, grid, m_state.SelectedCol, m_state.SelectedRow);
        view->showChanges();
    });
}

void TForm2::clickCell(GridView* view, TextGrid& grid)
{
    const CellAction action = CellClick(m_state, grid, referralMode());
    m_clickOpened = !std::holds_alternative<std::monostate>(action.Open);
    m_comesFrom->setText(ComesFromText(m_state, m_state.SelectedGroup, m_state.SelectedNumber));
    m_refersTo->setText(RefersToText(m_state, m_state.SelectedGroup, m_state.SelectedNumber));
    view->showChanges();
    carryOut(action, view, grid);
}

void TForm2::carryOut(const CellAction& action, GridView* view, TextGrid& grid)
{
    // While a result is being entered, a click into the grid only chooses another game.
    if (m_resultDialog->isOpen()) {
        if (const auto* request = std::get_if<ResultEntryRequest>(&action.Open))
            m_resultDialog->switchTo(*request);
        else
            m_resultDialog->takeFocus();
        return;
    }
    if (const auto* request = std::get_if<GroupDialogRequest>(&action.Open))
        m_changeGroupDialog.openForGroup(request->Group);
    else if (const auto* request = std::get_if<RenameDialogRequest>(&action.Open)) {
        if (m_renameDialog->openFor(*request))
            scheduleRendered();
    } else if (const auto* request = std::get_if<ResultEntryRequest>(&action.Open))
        enterResult(*request, view);
    else if (const auto* request = std::get_if<ReferralStepRequest>(&action.Open))
        stepReferral(request->Group, request->Number, view, grid);
    if (action.ClearReferralPanel)
        clearReferralPanel();
}

void TForm2::enterResult(const ResultEntryRequest& request, GridView* view)
{
    m_resultDialog->openFor(request);
    if (!m_resultDialog->storedSomething())
        return;
    const ResultEntryOutcome& outcome = m_resultDialog->lastOutcome();
    if (outcome.TimePlanCellText && view == m_planView && m_tabs->currentIndex() == TimePlanTab) {
        m_output->TimePlan.setCell(m_state.SelectedCol, m_state.SelectedRow, *outcome.TimePlanCellText);
        m_planView->showChanges();
    }
    // The core has patched the cells or rendered the whole grid anew.
    scheduleRendered();
}

void TForm2::stepReferral(int group, int number, GridView* view, TextGrid& grid)
{
    const std::optional<ReferralPanel> panel = ActOnTeamLineForReferral(m_state, group, number, m_prompter);
    if (!panel)
        return;
    m_referralSelection->setText(panel->selection);
    SetBase(m_referralSelection, panel->selectionHighlighted ? QColor::fromRgb(PendingReferralColour)
                                                             : palette().color(QPalette::Base));
    m_comesFrom->setText(panel->comesFrom);
    m_refersTo->setText(panel->refersTo);
    if (panel->patchesCell) {
        grid.setCell(m_state.SelectedCol, m_state.SelectedRow, panel->cellText);
        view->showChanges();
    }
}

void TForm2::clearReferralPanel()
{
    m_referralSelection->clear();
    m_comesFrom->clear();
    m_refersTo->clear();
    SetBase(m_referralSelection, palette().color(QPalette::Base));
}

void TForm2::renderAndShow()
{
    const bool justLoaded = m_state.JustLoaded;
    // A fresh file starts on its plan; the time plan of the one before is no longer true.
    if (justLoaded)
        m_tabs->setCurrentIndex(0);
    // After a load with the teams the completion checks carried forward.
    RenderLoadedScheduleGrid(m_state);
    scheduleRendered();
    show();
    raise();
    activateWindow();
}

void TForm2::showRestoredTournament()
{
    CancelReferralSelection(m_state);
    clearReferralPanel();
    if (!isVisible())
        return;
    // Drawn once, with the teams the completion checks carry forward.
    RenderLoadedScheduleGrid(m_state);
    scheduleRendered();
    m_planView->reload();
}

void TForm2::scheduleRendered()
{
    m_scheduleView->showChanges();
    m_namePool->showPool();
    updateRefreshButton();
    emit scheduleChanged();
}

void TForm2::tabChanged(int index)
{
    const int left = m_currentTab;
    m_currentTab = index;
    if (index == TimePlanTab)
        runAllocation();
    else if (left == TimePlanTab) {
        RenderScheduleGrid(m_state);
        scheduleRendered();
    }
}

void TForm2::recalculateAllocation()
{
    if (m_tabs->currentIndex() == TimePlanTab)
        runAllocation();
    else
        m_tabs->setCurrentIndex(TimePlanTab); // entering the tab runs the allocation
    show();
    raise();
}

void TForm2::runAllocation()
{
    AllocationProgressDialog progress(this);
    AllocationOptions options;
    options.Progress = progress.callback();
    RunAllocation(m_state, *m_output, m_prompter, options);
    m_planView->reload();
    showMessages();
    emit scheduleChanged(); // a new time plan: the display and the live pages follow
}

void TForm2::checkSchedule()
{
    const QStringList lines =
        CheckSchedule(m_state, m_deleteFaults->isChecked(), LongTimeText(QTime::currentTime()));
    m_output->Messages.clear();
    for (const QString& line : lines)
        m_output->Messages.append(line);
    showMessages();
    if (m_deleteFaults->isChecked())
        scheduleRendered();
}

void TForm2::showMessages()
{
    m_messages->clear();
    m_messages->addItems(m_output->Messages.lines());
}

void TForm2::backToMainWindow()
{
    m_state.TimePlanCurrent = false;
    if (m_mainWindow) {
        m_mainWindow->show();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
    hide();
}

void TForm2::updateRefreshButton()
{
    m_refreshButton->setVisible(!m_state.Settings.KeepPlanUpdated);
}

void TForm2::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_wasShown = true;
    updateRefreshButton();
}

void TForm2::hideEvent(QHideEvent* event)
{
    rememberPlacement();
    QMainWindow::hideEvent(event);
}

// Closing the schedule while the main window is hidden would leave no window and end the
// program without asking about unsaved work; it leads back to the main window instead.
void TForm2::closeEvent(QCloseEvent* event)
{
    if (m_mainWindow && !m_mainWindow->isVisible())
        backToMainWindow();
    QMainWindow::closeEvent(event);
}
