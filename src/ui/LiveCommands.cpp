#include "ui/LiveCommands.h"

#include "live/LiveData.h"
#include "live/PublishedPlan.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "net/LiveServer.h"
#include "net/ResultInbox.h"
#include "results/IncomingResultsCopy.h"
#include "ui/HelpTopics.h"
#include "ui/IncomingResultsDock.h"
#include "ui/LiveDisplayWindow.h"
#include "ui/LiveNetDialog.h"
#include "ui/TForm2.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {
constexpr int CatchUpMs = 2000;
constexpr int LoggedLineMs = 8000;

// A screen on its stand with two table lines.
QIcon DisplayIcon()
{
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(0x11, 0x11, 0x11), 2));
    painter.setBrush(Qt::white);
    painter.drawRect(2, 3, 20, 13);
    painter.drawLine(12, 17, 12, 20);
    painter.drawLine(7, 21, 17, 21);
    painter.setPen(QPen(QColor(0x0b, 0x3d, 0x91), 2));
    painter.drawLine(5, 7, 19, 7);
    painter.drawLine(5, 11, 16, 11);
    return QIcon(picture);
}

QString AskForFolder(QWidget* parent, const QString& proposed)
{
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Plan veröffentlichen"), proposed);
}
} // namespace

LiveCommands::LiveCommands(TForm2& form, TournamentState& state, Prompter& prompter, QMenuBar* menuBar,
                           QToolBar* speedButtons)
    : QObject(&form), m_form(form), m_state(state), m_prompter(prompter), m_chooseFolder(AskForFolder)
{
    QMenu* menu = menuBar->addMenu(QStringLiteral("&Anzeige"));
    menu->setObjectName(QStringLiteral("menuAnzeige"));
    QAction* display = menu->addAction(QStringLiteral("&Hallenanzeige"));
    display->setObjectName(QStringLiteral("actionHallenanzeige"));
    QAction* publish = menu->addAction(QStringLiteral("Plan veröffentlichen..."));
    publish->setObjectName(QStringLiteral("actionPlanVeroeffentlichen"));
    QAction* liveNet = menu->addAction(QStringLiteral("Live im Netz..."));
    liveNet->setObjectName(QStringLiteral("actionLiveImNetz"));
    QAction* button = speedButtons->addAction(DisplayIcon(), QStringLiteral("Hallenanzeige"));
    button->setObjectName(QStringLiteral("sbHallenanzeige"));
    SetHelpTopic(speedButtons->widgetForAction(button), HelpTopic::ScheduleCommands);
    connect(display, &QAction::triggered, this, &LiveCommands::showDisplay);
    connect(button, &QAction::triggered, this, &LiveCommands::showDisplay);
    connect(publish, &QAction::triggered, this, &LiveCommands::publishPlan);
    connect(liveNet, &QAction::triggered, this, &LiveCommands::showLiveNet);
}

void LiveCommands::ensureTimePlan()
{
    if (!HoldsTimePlan(m_state.FieldPlan))
        m_form.recalculateAllocation();
}

void LiveCommands::showDisplay()
{
    ensureTimePlan();
    if (!m_display) {
        m_display = new LiveDisplayWindow(m_state, m_state.FieldPlan, &m_form);
        connect(&m_form, &TForm2::scheduleChanged, m_display, &LiveDisplayWindow::refresh);
    }
    m_display->show();
    m_display->raise();
    m_display->activateWindow();
}

bool LiveCommands::publishPlan()
{
    const QString folder = m_chooseFolder(
        &m_form, m_folder.isEmpty() ? QDir(m_state.WorkDir).filePath(QStringLiteral("web")) : m_folder);
    if (folder.isEmpty())
        return false;
    ensureTimePlan();
    if (!PublishPlan(m_state, m_state.FieldPlan, folder, m_prompter))
        return false;
    m_folder = folder;
    m_prompter.inform(QStringLiteral("Info"),
                      QStringLiteral("Plan veröffentlicht: ") +
                          QDir::toNativeSeparators(QDir(folder).filePath(PublishedIndexName())));
    return true;
}

void LiveCommands::showLiveNet()
{
    if (!m_liveNet) {
        m_server = new LiveServer([this] { return LiveSource{&m_state, &m_state.FieldPlan}; }, this);
        connect(&m_form, &TForm2::scheduleChanged, m_server, &LiveServer::tournamentChanged);
        takeResults();
        m_liveNet = new LiveNetDialog(
            *m_server, m_state, m_prompter, [this] { ensureTimePlan(); }, &m_form);
        m_liveStatus = new QLabel;
        m_liveStatus->setObjectName(QStringLiteral("lbLiveImNetz"));
        m_liveStatus->setTextFormat(Qt::PlainText);
        m_form.statusBar()->addPermanentWidget(m_liveStatus, 1);
        m_form.statusBar()->hide();
        connect(m_liveNet, &LiveNetDialog::statusChanged, this, [this](const QString& text) {
            m_liveStatus->setText(text);
            m_form.statusBar()->setVisible(!text.isEmpty());
            // The list shows when the server starts; the organiser may close it after that.
            const bool running = !text.isEmpty();
            if (running && !m_serverRunning) {
                followTournamentFile();
                m_incoming->show();
            }
            m_serverRunning = running;
        });
        const auto showLine = [this](const QString& line) {
            m_form.statusBar()->showMessage(line, LoggedLineMs);
        };
        connect(m_server, &LiveServer::entryLogged, this, showLine);
        connect(m_inbox, &ResultInbox::logged, this, showLine);
    }
    m_liveNet->show();
    m_liveNet->raise();
    m_liveNet->activateWindow();
}

void LiveCommands::takeResults()
{
    m_inbox = new ResultInbox([this] { return &m_state; }, m_prompter, this);
    // A result stored by itself must not come between the desk and an open dialog.
    m_inbox->setMayStoreNow([] { return QApplication::activeModalWidget() == nullptr; });
    followTournamentFile();
    m_server->takeResults(*m_inbox);
    connect(m_inbox, &ResultInbox::changed, this, &LiveCommands::copyIncomingResults);
    connect(m_inbox, &ResultInbox::resultStored, &m_form, &TForm2::scheduleRendered);
    m_catchUp = new QTimer(this);
    m_catchUp->setInterval(CatchUpMs);
    connect(m_catchUp, &QTimer::timeout, m_inbox, [this] {
        if (m_inbox->automatic() && m_inbox->results().waitingCount() > 0)
            m_inbox->acceptWaitingWithoutConflict();
    });
    m_catchUp->start();
    m_incoming = new IncomingResultsDock(*m_inbox, m_state, &m_form);
    m_form.addDockWidget(Qt::RightDockWidgetArea, m_incoming);
    m_incoming->hide();
}

void LiveCommands::followTournamentFile()
{
    const QString path = IncomingResultsCopyPath(m_state.RememberedFileName, m_state.WorkDir);
    if (path == m_copyPath)
        return;
    // Another tournament: its own list, never the results sent for the one before.
    m_copyPath = path;
    const IncomingResults list = ReadIncomingResultsCopy(m_copyPath).value_or(IncomingResults{});
    if (!(list == m_inbox->results()))
        m_inbox->restore(list);
}

void LiveCommands::copyIncomingResults()
{
    if (!WriteIncomingResultsCopy(m_inbox->results(), m_copyPath))
        m_form.statusBar()->showMessage(
            QStringLiteral("Die Liste der eingegangenen Ergebnisse ließ sich nicht sichern: ") +
                QDir::toNativeSeparators(m_copyPath),
            LoggedLineMs);
}
