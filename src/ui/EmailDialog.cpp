#include "ui/EmailDialog.h"

#include "allocation/GameListPages.h"
#include "allocation/MailAddress.h"
#include "mail/KeychainPasswordStore.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "ui/FileChooser.h"
#include "ui/GameListDialog.h"
#include "ui/HelpTopics.h"
#include "ui/MailAccountDialog.h"
#include "ui/MailSessionRun.h"
#include "ui/WidgetNames.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
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
    : QDialog(parent), m_state(state), m_prompter(prompter), m_files(files), m_gameLists(gameLists),
      m_keychain(std::make_unique<KeychainPasswordStore>()), m_passwords(m_keychain.get())
{
    m_askPassword = [this](const QString& text) -> std::optional<QString> {
        bool ok = false;
        const QString password = QInputDialog::getText(this, QStringLiteral("E-Mail-Versand"), text,
                                                       QLineEdit::Password, QString(), &ok);
        return ok ? std::optional<QString>(password) : std::nullopt;
    };
    setObjectName(QStringLiteral("EmailDialog"));
    setWindowTitle(QStringLiteral("Emails verschicken"));
    setModal(true);
    SetHelpTopic(this, HelpTopic::Email);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildListPart());
    layout->addWidget(buildMessagePart(), 1);
}

EmailDialog::~EmailDialog() = default;

void EmailDialog::setPasswordSources(PasswordStore& passwords, PasswordQuestion askPassword)
{
    m_passwords = &passwords;
    m_askPassword = std::move(askPassword);
    delete m_accountDialog;
    m_accountDialog = nullptr;
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
    connect(m_list, &QTreeWidget::itemChanged, this,
            [this] { MarkChanged(m_state, QStringLiteral("E-Mail-Liste geändert")); });
    connect(m_list, &QTreeWidget::itemClicked, this,
            [this] { MarkChanged(m_state, QStringLiteral("E-Mail-Liste geändert")); });
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
    m_separator->setToolTip(QStringLiteral("Mehrere Adressen einer Mannschaft trennen Komma, Semikolon oder "
                                           "Leerzeichen, gleich welches Zeichen hier steht."));
    m_oneToAll = Named(new QRadioButton(QStringLiteral("eine E-Mail an alle (Adressen CC:)")), "RBanAlle");
    m_oneToAll->setToolTip(
        QStringLiteral("Eine E-Mail an die eigene Adresse, alle Mannschaften als Blindkopie "
                       "(Bcc): kein Verein sieht die Adressen der anderen."));
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
    auto* account = Button(QStringLiteral("E-Mail-&Versand..."), "btVersand");
    account->setToolTip(QStringLiteral("Absender, SMTP-Server und Anmeldung für den Versand"));
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
    layout->addWidget(account, 6, 0);
    layout->addWidget(send, 7, 0, 1, 2);
    layout->addWidget(close, 7, 2);

    for (QRadioButton* mode : {m_oneToAll, m_separate, m_sameAttachment, m_gameList})
        connect(mode, &QRadioButton::toggled, this, &EmailDialog::applyEnablingRule);
    connect(m_attachmentButton, &QPushButton::clicked, this, &EmailDialog::chooseAttachment);
    connect(m_createGameLists, &QPushButton::clicked, this, &EmailDialog::createGameLists);
    connect(send, &QPushButton::clicked, this, &EmailDialog::send);
    connect(account, &QPushButton::clicked, this, &EmailDialog::editMailAccount);
    connect(close, &QPushButton::clicked, this, &EmailDialog::reject);
    connect(m_separator, &QLineEdit::textEdited, this, [this](const QString& separator) {
        m_state.Settings.EmailSeparator = separator;
        MarkChanged(m_state, QStringLiteral("E-Mail-Trennzeichen"));
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
    MarkChanged(m_state, QStringLiteral("E-Mail-Liste geändert"));
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
    MarkChanged(m_state, QStringLiteral("E-Mail-Liste geändert"));
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

void EmailDialog::editMailAccount()
{
    if (!m_accountDialog)
        m_accountDialog = new MailAccountDialog(m_prompter, *m_passwords, m_askPassword, this);
    m_accountDialog->exec();
}

EmailJob EmailDialog::job(const MailAccount& account) const
{
    EmailJob job;
    job.Mode = m_oneToAll->isChecked()   ? EmailMode::OneToAll
               : m_gameList->isChecked() ? EmailMode::SeparateGameList
                                         : EmailMode::SeparateSameAttachment;
    job.Sender = {account.SenderName, WireMailAddress(account.SenderAddress).value_or(account.SenderAddress)};
    job.Subject = m_subject->text();
    job.BodyLines = m_body->toPlainText().split(QLatin1Char('\n'));
    job.AttachmentPath = m_attachment->text();
    job.WorkDir = m_state.WorkDir;
    job.TournamentName = m_state.TournamentName;
    job.RoundOneTeams = RoundTeamNames(m_state, 1);
    return job;
}

// The account must be complete first; then the plan names what cannot go out, the password is
// fetched once for the session, and one summary ends it.
void EmailDialog::send()
{
    const MailAccount account = ReadMailAccount(*OpenProgramSettings());
    if (const QString problem = MailAccountProblem(account); !problem.isEmpty()) {
        m_prompter.inform(QStringLiteral("Benutzer-Info"), problem);
        editMailAccount();
        return;
    }
    const MailPlan plan = PlanEmails(rows(), job(account));
    if (plan.TeamCount == 0) {
        m_prompter.inform(QStringLiteral("Benutzer-Info"),
                          QStringLiteral("Keine Mannschaft angehakt: bitte die Mannschaften anhaken, die die "
                                         "E-Mail bekommen sollen."));
        return;
    }
    const std::optional<QString> password = PasswordForSession(account, *m_passwords, m_askPassword);
    if (!password)
        return;
    const MailReport report = RunMailSession(this, plan, account, *password, m_prompter);
    const bool allSent = report.NotSent.isEmpty() && report.CancelledMails == 0;
    m_prompter.inform(allSent ? QStringLiteral("Info") : QStringLiteral("Benutzer-Info"),
                      MailSummary(report));
}

void EmailDialog::done(int result)
{
    WriteEmailRows(m_state, rows());
    QDialog::done(result);
}
