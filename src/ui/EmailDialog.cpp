#include "ui/EmailDialog.h"

#include "allocation/GameListPages.h"
#include "allocation/SendmailTransport.h"
#include "model/TournamentState.h"
#include "ui/FileChooser.h"
#include "ui/GameListDialog.h"
#include "ui/HelpTopics.h"
#include "ui/WidgetNames.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int ColumnWidth = 160;
const QString NameDefault = QStringLiteral("Mannschaftsname");
const QString AddressDefault = QStringLiteral("E-Mail-Adresse");

QPushButton* Button(const QString& caption, const char* name)
{
    auto* button = Named(new QPushButton(caption), name);
    button->setAutoDefault(false);
    return button;
}
} // namespace

EmailDialog::EmailDialog(TournamentState& state, Prompter& prompter, FileChooser& files,
                         GameListDialog& gameLists, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter), m_files(files), m_gameLists(gameLists)
{
    setObjectName(QStringLiteral("EmailDialog"));
    setWindowTitle(QStringLiteral("Emails verschicken"));
    setModal(true);
    SetHelpTopic(this, HelpTopic::Email);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildListPart());
    layout->addWidget(buildMessagePart(), 1);
}

QWidget* EmailDialog::buildListPart()
{
    m_list = Named(new QTreeWidget, "ListView1");
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("Mannschaftsnamen"), QStringLiteral("E-Mail")});
    m_list->header()->resizeSection(0, ColumnWidth);
    m_list->header()->resizeSection(1, ColumnWidth);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumWidth(2 * ColumnWidth + 24);
    m_counter = Named(new QLabel, "LabelAnzahl");
    m_name = Named(new QLineEdit(NameDefault), "edName");
    m_address = Named(new QLineEdit(AddressDefault), "edEmail");
    auto* add = Button(QStringLiteral("hinzufüg."), "btHinzufuegen");
    auto* remove = Button(QStringLiteral("löschen"), "btLoeschen");

    auto* part = new QWidget;
    auto* layout = new QGridLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 0, 0, 1, 2);
    layout->addWidget(m_counter, 1, 0, 1, 2);
    layout->addWidget(m_name, 2, 0);
    layout->addWidget(m_address, 2, 1);
    layout->addWidget(add, 3, 0);
    layout->addWidget(remove, 3, 1);

    connect(add, &QPushButton::clicked, this, &EmailDialog::addTypedRow);
    connect(remove, &QPushButton::clicked, this, &EmailDialog::removeSelectedRows);
    connect(m_list, &QTreeWidget::itemChanged, this, [this] { m_state.IsSaved = false; });
    connect(m_list, &QTreeWidget::itemClicked, this, [this] { m_state.IsSaved = false; });
    return part;
}

QWidget* EmailDialog::buildMessagePart()
{
    m_subject = Named(new QLineEdit, "edBetreff");
    m_body = Named(new QPlainTextEdit(DefaultEmailBody().join(QLatin1Char('\n'))), "MemoText");
    m_attachmentButton = Button(QStringLiteral("Anhang:"), "btAnhang");
    m_attachment = Named(new QLineEdit, "edAnhang");
    m_attachment->setToolTip(QStringLiteral("Dateiname E-Mail-Anhang"));
    m_separator = Named(new QLineEdit(m_state.Settings.EmailSeparator), "edTrennzeichen");
    m_separator->setMaximumWidth(40);
    m_oneToAll = Named(new QRadioButton(QStringLiteral("eine E-Mail an alle (Adressen CC:)")), "RBanAlle");
    m_separate = Named(new QRadioButton(QStringLiteral("jede Mannschaft seprarate E-Mail")), "RBseparat");
    m_sameAttachment = Named(new QRadioButton(QStringLiteral("gleicher Anhang für alle (zB Spielplan)")),
                             "RBgleicherAnhang");
    m_gameList = Named(new QRadioButton(QStringLiteral("individuelle Spielliste anhängen")), "RBSpielliste");
    m_oneToAll->setChecked(true);
    m_sameAttachment->setChecked(true);
    // Two exclusive pairs inside one dialog need groups of their own.
    auto* modes = new QWidget;
    auto* modeLayout = new QVBoxLayout(modes);
    modeLayout->setContentsMargins(0, 0, 0, 0);
    modeLayout->addWidget(m_oneToAll);
    modeLayout->addWidget(m_separate);
    auto* attachments = new QWidget;
    auto* attachmentLayout = new QVBoxLayout(attachments);
    attachmentLayout->setContentsMargins(24, 0, 0, 0);
    attachmentLayout->addWidget(m_sameAttachment);
    attachmentLayout->addWidget(m_gameList);
    m_createGameLists = Button(QStringLiteral("Spiellisten erzeugen"), "btSpiellistenErzeugen");
    SetHelpTopic(m_createGameLists, HelpTopic::GameLists);
    auto* send = Button(QStringLiteral("E-Mail an selektierte Mannschaften senden"), "btSenden");
    auto* close = Button(QStringLiteral("&schliessen"), "btSchliessen");

    auto* part = new QWidget;
    auto* layout = new QGridLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Betreff-Zeile:")), 0, 0);
    layout->addWidget(m_subject, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("E-Mail-Text:")), 1, 0, Qt::AlignTop);
    layout->addWidget(m_body, 1, 1, 1, 2);
    layout->addWidget(m_attachmentButton, 2, 0);
    layout->addWidget(m_attachment, 2, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Trennzeichen:")), 3, 0);
    layout->addWidget(m_separator, 3, 1, Qt::AlignLeft);
    layout->addWidget(modes, 4, 0, 1, 3);
    layout->addWidget(attachments, 5, 0, 1, 2);
    layout->addWidget(m_createGameLists, 5, 2, Qt::AlignTop);
    layout->addWidget(send, 6, 0, 1, 2);
    layout->addWidget(close, 6, 2);

    for (QRadioButton* mode : {m_oneToAll, m_separate, m_sameAttachment, m_gameList})
        connect(mode, &QRadioButton::toggled, this, &EmailDialog::applyEnablingRule);
    connect(m_attachmentButton, &QPushButton::clicked, this, &EmailDialog::chooseAttachment);
    connect(m_createGameLists, &QPushButton::clicked, this, &EmailDialog::createGameLists);
    connect(send, &QPushButton::clicked, this, &EmailDialog::send);
    connect(close, &QPushButton::clicked, this, &EmailDialog::reject);
    connect(m_separator, &QLineEdit::textEdited, this, [this](const QString& separator) {
        m_state.Settings.EmailSeparator = separator;
        m_state.IsSaved = false;
    });
    return part;
}

void EmailDialog::openFromScheduleWindow()
{
    m_attachment->clear();
    exec();
}

// The list is rebuilt when the dialog opens, not on every activation: coming back from the
// game-list or file dialog keeps the rows edited so far.
void EmailDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    applyEnablingRule();
    m_subject->setText(EmailSubject(m_state.TournamentName));
    m_separator->setText(m_state.Settings.EmailSeparator);
    fillList();
}

void EmailDialog::applyEnablingRule()
{
    const bool separate = m_separate->isChecked();
    m_sameAttachment->setEnabled(separate);
    m_gameList->setEnabled(separate);
    m_createGameLists->setEnabled(separate);
    const bool attachmentUsed = !separate || m_sameAttachment->isChecked();
    m_attachmentButton->setEnabled(attachmentUsed);
    m_attachment->setEnabled(attachmentUsed);
}

void EmailDialog::fillList()
{
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const EmailRow& row : ReadEmailRows(m_state))
        addRow(row);
    updateCounter();
}

void EmailDialog::addRow(const EmailRow& row)
{
    auto* item = new QTreeWidgetItem(m_list, {row.Name, row.Email});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, row.Checked ? Qt::Checked : Qt::Unchecked);
}

QList<EmailRow> EmailDialog::rows() const
{
    QList<EmailRow> rows;
    for (int index = 0; index < m_list->topLevelItemCount(); ++index) {
        const QTreeWidgetItem* item = m_list->topLevelItem(index);
        rows.append({item->text(0), item->text(1), item->checkState(0) == Qt::Checked});
    }
    return rows;
}

void EmailDialog::updateCounter()
{
    m_counter->setText(QString::number(m_list->topLevelItemCount()));
}

void EmailDialog::addTypedRow()
{
    {
        const QSignalBlocker blocker(m_list);
        addRow({m_name->text(), m_address->text(), false});
    }
    m_name->clear();
    m_address->clear();
    m_state.IsSaved = false;
    updateCounter();
}

// From the last selected row up: the fields end up holding the topmost removed row for correction.
void EmailDialog::removeSelectedRows()
{
    for (int index = m_list->topLevelItemCount() - 1; index >= 0; --index) {
        QTreeWidgetItem* item = m_list->topLevelItem(index);
        if (!item->isSelected())
            continue;
        m_name->setText(item->text(0));
        m_address->setText(item->text(1));
        delete m_list->takeTopLevelItem(index);
    }
    m_state.IsSaved = false;
    updateCounter();
}

void EmailDialog::chooseAttachment()
{
    const QString path =
        m_files.chooseFileToOpen(this, {QStringLiteral("Anhang"), m_state.WorkDir, QString(),
                                        QStringLiteral("alle Dateien (*.*)|*.*"), QString()});
    if (path.isEmpty())
        return;
    m_attachment->setText(QFileInfo(path).absoluteFilePath());
    m_attachment->setToolTip(QFileInfo(path).fileName());
}

void EmailDialog::createGameLists()
{
    m_gameLists.execForEmail();
}

EmailJob EmailDialog::job() const
{
    EmailJob job;
    job.Mode = m_oneToAll->isChecked()   ? EmailMode::OneToAll
               : m_gameList->isChecked() ? EmailMode::SeparateGameList
                                         : EmailMode::SeparateSameAttachment;
    job.Subject = m_subject->text();
    job.BodyLines = m_body->toPlainText().split(QLatin1Char('\n'));
    job.AttachmentPath = m_attachment->text();
    job.Separator = m_separator->text();
    job.WorkDir = m_state.WorkDir;
    job.TournamentName = m_state.TournamentName;
    job.RoundOneTeams = RoundTeamNames(m_state, 1);
    return job;
}

void EmailDialog::send()
{
    SendmailTransport transport;
    SendEmails(PlanEmails(rows(), job()), transport, m_prompter);
}

void EmailDialog::done(int result)
{
    WriteEmailRows(m_state, rows());
    QDialog::done(result);
}
