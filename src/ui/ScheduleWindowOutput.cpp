#include "ui/ScheduleWindowOutput.h"

#include "allocation/AllocationOutput.h"
#include "model/TextGrid.h"
#include "model/TournamentState.h"
#include "output/GridExport.h"
#include "ui/EmailDialog.h"
#include "ui/GameListDialog.h"
#include "ui/GridPrinting.h"
#include "ui/GridView.h"
#include "ui/HelpTopics.h"
#include "ui/SaveAsking.h"
#include "ui/TForm2.h"
#include "ui/TFormHTMLCode.h"
#include "ui/TFormUrkunde.h"
#include "ui/TextGridModel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QEvent>
#include <QFontDialog>
#include <QHeaderView>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

#include <utility>

namespace {
constexpr int TimePlanTab = 1;

std::optional<QFont> FontFromDialog(const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}
} // namespace

void TForm2::addOutputCommands(FileChooser& files)
{
    m_outputCommands =
        new ScheduleWindowOutput(*this, m_state, m_prompter, files, *m_tabs,
                                 {m_scheduleView, m_state.ScheduleGrid}, {m_planView, m_output->TimePlan});
}

ScheduleWindowOutput::ScheduleWindowOutput(QMainWindow& window, TournamentState& state, Prompter& prompter,
                                           FileChooser& files, QTabWidget& tabs, Tab schedule, Tab timePlan)
    : QObject(&window), m_window(window), m_state(state), m_prompter(prompter), m_files(files), m_tabs(tabs),
      m_schedule(schedule), m_timePlan(timePlan), m_rememberedFont(schedule.view->font()),
      m_chooseFont(FontFromDialog)
{
    setObjectName(QStringLiteral("ScheduleWindowOutput"));
    buildMenus();
    buildSpeedButtons();
    window.installEventFilter(this);
}

void ScheduleWindowOutput::setFontChooser(std::function<std::optional<QFont>(const QFont&)> chooseFont)
{
    m_chooseFont = std::move(chooseFont);
}

void ScheduleWindowOutput::buildMenus()
{
    QMenu* edit = m_window.menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    edit->setObjectName(QStringLiteral("menuBearbeiten"));
    const auto add = [this, edit](const QString& caption, const char* name,
                                  void (ScheduleWindowOutput::*command)()) {
        QAction* action = edit->addAction(caption);
        action->setObjectName(QLatin1String(name));
        if (command)
            connect(action, &QAction::triggered, this, command);
        return action;
    };
    add(QStringLiteral("&alles kopieren"), "actionAllesKopieren", &ScheduleWindowOutput::CopyGridToClipboard);
    // Copying an empty selection leaves the clipboard as it is.
    add(QStringLiteral("&kopieren markiert geht nicht"), "actionKopierenMarkiert", nullptr);
    edit->addSeparator();
    add(QStringLiteral("&Schriftart..."), "actionSchriftart", &ScheduleWindowOutput::ChangeGridFont);
    add(QStringLiteral("&Drucken"), "actionDrucken", &ScheduleWindowOutput::PrintActiveGrid);
    add(QStringLiteral("&Urkunde..."), "actionUrkunde", &ScheduleWindowOutput::ShowCertificate);
}

void ScheduleWindowOutput::buildSpeedButtons()
{
    auto* bar = m_window.findChild<QToolBar*>(QStringLiteral("speedButtons"));
    if (!bar)
        bar = m_window.addToolBar(QStringLiteral("Schnellzugriff"));
    bar->addSeparator();
    const auto add = [this, bar](const QString& text, const QString& hint, const char* name, int helpTopic,
                                 void (ScheduleWindowOutput::*command)()) {
        QAction* action = bar->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setToolTip(hint);
        SetHelpTopic(bar->widgetForAction(action), helpTopic);
        connect(action, &QAction::triggered, this, command);
    };
    add(QStringLiteral("Drucken"), QStringLiteral("auf Standarddrucker Drucken"), "sbDrucken",
        HelpTopic::ScheduleCommands, &ScheduleWindowOutput::PrintActiveGrid);
    add(QStringLiteral("Kopieren"), QStringLiteral("alles kopieren"), "sbAllesKopieren",
        HelpTopic::ScheduleCommands, &ScheduleWindowOutput::CopyGridToClipboard);
    add(QStringLiteral("CSV/XLS"), QStringLiteral("als CSV- oder .XLS-Tabelle speichern"), "sbCSV",
        HelpTopic::CsvExport, &ScheduleWindowOutput::ExportGridText);
    add(QStringLiteral("HTML"), QStringLiteral("in HTML-Code exportieren"), "sbHTML", HelpTopic::HtmlExport,
        &ScheduleWindowOutput::ShowHtmlDialog);
    add(QStringLiteral("Spiellisten"), QStringLiteral("Spiellisten erzeugen"), "sbSpiellisten",
        HelpTopic::GameLists, &ScheduleWindowOutput::ShowGameLists);
    add(QStringLiteral("E-Mails"), QStringLiteral("E-Mails verschicken"), "sbEmails", HelpTopic::Email,
        &ScheduleWindowOutput::ShowEmails);
    add(QStringLiteral("Urkunde"), QStringLiteral("Urkunde (vorher Mannschaft anclicken)"), "sbUrkunde",
        HelpTopic::ScheduleCommands, &ScheduleWindowOutput::ShowCertificate);
}

const ScheduleWindowOutput::Tab& ScheduleWindowOutput::activeTab() const
{
    return m_tabs.currentIndex() == TimePlanTab ? m_timePlan : m_schedule;
}

GridAppearance ScheduleWindowOutput::activeAppearance() const
{
    const GridView* view = activeTab().view;
    const QFont font = view->font();
    GridAppearance appearance;
    appearance.fontName = font.family();
    appearance.fontSize = font.pointSize() > 0 ? font.pointSize() : appearance.fontSize;
    appearance.bold = font.bold();
    appearance.italic = font.italic();
    appearance.underline = font.underline();
    appearance.fontColour = view->palette().color(QPalette::Text).rgb() & 0xFFFFFF;
    appearance.defaultRowHeight = view->verticalHeader()->defaultSectionSize();
    appearance.gridLineWidth = view->showGrid() ? 1 : 0;
    return appearance;
}

void ScheduleWindowOutput::PrintActiveGrid()
{
    const bool timePlan = m_tabs.currentIndex() == TimePlanTab;
    const TextGrid& grid = activeTab().grid;
    const PrintHeading heading{m_state.TournamentName, m_tabs.tabText(m_tabs.currentIndex()),
                               QDateTime::currentDateTime()};
    PrintGridOnDefaultPrinter(grid, timePlan ? TimePlanPrintStructure(grid) : SchedulePrintStructure(grid),
                              heading, activeAppearance(), m_prompter, [this] {
                                  return ChoosePdfPath(m_files, &m_window, m_state.WorkDir,
                                                       QStringLiteral("Korvane.pdf"), m_prompter);
                              });
}

// Every column width and row height follows the font size; a cancel changes nothing.
void ScheduleWindowOutput::ChangeGridFont()
{
    GridView* view = activeTab().view;
    const QFont before = view->font();
    const std::optional<QFont> chosen = m_chooseFont(before);
    if (!chosen)
        return;
    std::vector<int> widths;
    for (int col = 0; col < view->model()->columnCount(); ++col)
        widths.push_back(view->columnWidth(col));
    const int rowHeight = view->verticalHeader()->defaultSectionSize();
    const double from = before.pointSizeF();
    const double to = chosen->pointSizeF();
    view->setFont(*chosen);
    for (int col = 0; col < int(widths.size()); ++col)
        view->setColumnWidth(col, ScaleCellSize(widths[std::size_t(col)], from, to));
    view->verticalHeader()->setDefaultSectionSize(ScaleCellSize(rowHeight, from, to));
}

void ScheduleWindowOutput::CopyGridToClipboard()
{
    QApplication::clipboard()->setText(GridClipboardText(activeTab().grid));
}

void ScheduleWindowOutput::ExportGridText()
{
    const QString path = ChooseFileToReplace(
        m_files, &m_window,
        {QStringLiteral("als CSV- oder .XLS-Tabelle speichern"), m_state.WorkDir, QString(),
         QStringLiteral("CSV-Dateien (*.csv)|*.csv|EXCEL-Datei (*.xls)|*.xls|alle Dateien (*.*)|*.*"),
         QStringLiteral("csv")},
        m_prompter);
    if (!path.isEmpty())
        SaveGridText(activeTab().grid, path, m_prompter);
}

void ScheduleWindowOutput::ShowHtmlDialog()
{
    if (!m_htmlDialog) {
        m_htmlDialog = new TFormHTMLCode(
            [this] {
                return TFormHTMLCode::Source{&activeTab().grid, activeAppearance()};
            },
            m_state.WorkDir, m_prompter, m_files, &m_window);
        connect(m_htmlDialog, &TFormHTMLCode::deactivated, this, &ScheduleWindowOutput::restoreScheduleFont);
    }
    m_htmlDialog->show();
    m_htmlDialog->raise();
    m_htmlDialog->activateWindow();
}

void ScheduleWindowOutput::restoreScheduleFont()
{
    if (m_schedule.view->font() == m_rememberedFont)
        return;
    m_schedule.view->setFont(m_rememberedFont); // the view lays its cells out anew for the font
}

void ScheduleWindowOutput::ShowGameLists()
{
    if (!m_gameListDialog)
        m_gameListDialog = new GameListDialog(m_state, m_prompter, m_files, &m_window);
    m_gameListDialog->exec();
}

void ScheduleWindowOutput::ShowEmails()
{
    if (!m_gameListDialog)
        m_gameListDialog = new GameListDialog(m_state, m_prompter, m_files, &m_window);
    if (!m_emailDialog)
        m_emailDialog = new EmailDialog(m_state, m_prompter, m_files, *m_gameListDialog, &m_window);
    m_emailDialog->openFromScheduleWindow();
}

void ScheduleWindowOutput::ShowCertificate()
{
    if (!m_certificate)
        m_certificate = new TFormUrkunde(m_state, m_prompter, m_files, &m_window);
    const TextGrid& grid = activeTab().grid;
    // A team's or group's cell is tagged with its group's number first.
    const int group =
        grid.tag(m_state.SelectedCol, m_state.SelectedRow).section(QLatin1Char(' '), 0, 0).toInt();
    m_certificate->ShowCertificate(grid.cell(m_state.SelectedCol, m_state.SelectedRow), group);
}

bool ScheduleWindowOutput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Show)
        m_rememberedFont = m_schedule.view->font();
    return QObject::eventFilter(watched, event);
}
