#include "ui/MailAccountDialog.h"

#include "allocation/EmailDispatch.h"
#include "allocation/MailAddress.h"
#include "model/Prompter.h"
#include "ui/MailSessionRun.h"
#include "ui/WidgetNames.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace {
const MailSecurity SecurityChoices[] = {MailSecurity::StartTls, MailSecurity::Tls, MailSecurity::None};
} // namespace

MailAccountDialog::MailAccountDialog(Prompter& prompter, PasswordStore& passwords,
                                     PasswordQuestion askPassword, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_passwords(passwords), m_askPassword(std::move(askPassword))
{
    setObjectName(QStringLiteral("MailAccountDialog"));
    setWindowTitle(QStringLiteral("E-Mail-Versand"));
    setModal(true);

    m_senderName = Named(new QLineEdit, "edAbsendername");
    m_senderAddress = Named(new QLineEdit, "edAbsenderadresse");
    m_smtp = Named(new QRadioButton(QStringLiteral("eigener &SMTP-Server")), "rbSmtp");
    m_sendmail = Named(new QRadioButton(QStringLiteral("sendmail &dieses Rechners")), "rbSendmail");
    m_server = Named(new QLineEdit, "edServer");
    m_server->setPlaceholderText(QStringLiteral("z. B. smtp.example.org"));
    m_port = Named(new QSpinBox, "sePort");
    m_port->setRange(1, 65535);
    m_security = Named(new QComboBox, "cbSicherheit");
    m_security->addItems({QStringLiteral("STARTTLS (Port 587)"), QStringLiteral("TLS (Port 465)"),
                          QStringLiteral("keine (nur Server auf diesem Rechner)")});
    m_user = Named(new QLineEdit, "edBenutzer");
    m_password = Named(new QLineEdit, "edPasswort");
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setPlaceholderText(QStringLiteral("leer lassen: gespeichertes Passwort"));
    m_passwordNote =
        Named(new QLabel(QStringLiteral("Das Passwort liegt im Schlüsselbund des Systems, nie in "
                                        "einer Datei. Ohne Schlüsselbund fragt Korvane bei jedem Versand.")),
              "lbPasswortHinweis");
    m_passwordNote->setWordWrap(true);
    auto* test = Named(new QPushButton(QStringLiteral("&Testnachricht an mich")), "btTestnachricht");
    test->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("btOK"));
    buttons->addButton(QStringLiteral("A&bbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btAbbrechen"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Absendername:"), m_senderName);
    form->addRow(QStringLiteral("Absenderadresse:"), m_senderAddress);
    form->addRow(QStringLiteral("Versand über:"), m_smtp);
    form->addRow(QString(), m_sendmail);
    form->addRow(QStringLiteral("SMTP-Server:"), m_server);
    form->addRow(QStringLiteral("Port:"), m_port);
    form->addRow(QStringLiteral("Sicherheit:"), m_security);
    form->addRow(QStringLiteral("Benutzername:"), m_user);
    form->addRow(QStringLiteral("Passwort:"), m_password);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_passwordNote);
    layout->addWidget(test);
    layout->addWidget(buttons);

    connect(m_smtp, &QRadioButton::toggled, this, &MailAccountDialog::applyEnablingRule);
    connect(m_security, &QComboBox::currentIndexChanged, this, &MailAccountDialog::securityChosen);
    connect(test, &QPushButton::clicked, this, &MailAccountDialog::sendTestMessage);
    connect(buttons, &QDialogButtonBox::accepted, this, &MailAccountDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MailAccountDialog::reject);
}

void MailAccountDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    showAccount(ReadMailAccount(*OpenProgramSettings()));
}

void MailAccountDialog::showAccount(const MailAccount& account)
{
    m_senderName->setText(account.SenderName);
    m_senderAddress->setText(account.SenderAddress);
    (account.Route == MailRoute::Sendmail ? m_sendmail : m_smtp)->setChecked(true);
    m_server->setText(account.Server);
    m_shownSecurity = account.Security;
    m_security->setCurrentIndex(
        int(std::find(std::begin(SecurityChoices), std::end(SecurityChoices), account.Security) -
            std::begin(SecurityChoices)));
    m_port->setValue(account.Port);
    m_user->setText(account.User);
    m_password->clear();
    applyEnablingRule();
}

// A port that was the standard one of the old choice becomes the standard one of the new.
void MailAccountDialog::securityChosen(int index)
{
    const MailSecurity chosen = SecurityChoices[std::clamp(index, 0, 2)];
    if (m_port->value() == StandardPort(m_shownSecurity))
        m_port->setValue(StandardPort(chosen));
    m_shownSecurity = chosen;
}

void MailAccountDialog::applyEnablingRule()
{
    const bool smtp = m_smtp->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{m_server, m_port, m_security, m_user, m_password})
        control->setEnabled(smtp);
}

MailAccount MailAccountDialog::account() const
{
    MailAccount account;
    account.Route = m_sendmail->isChecked() ? MailRoute::Sendmail : MailRoute::Smtp;
    account.SenderName = m_senderName->text().trimmed();
    account.SenderAddress = m_senderAddress->text().trimmed();
    account.Server = m_server->text().trimmed();
    account.Port = m_port->value();
    account.Security = SecurityChoices[std::clamp(m_security->currentIndex(), 0, 2)];
    account.User = m_user->text().trimmed();
    return account;
}

std::optional<QString> MailAccountDialog::sessionPassword(const MailAccount& account)
{
    if (!m_password->text().isEmpty() && account.Route == MailRoute::Smtp && !account.User.isEmpty())
        return m_password->text();
    return PasswordForSession(account, m_passwords, m_askPassword);
}

void MailAccountDialog::sendTestMessage()
{
    const MailAccount shown = account();
    if (const QString problem = MailAccountProblem(shown); !problem.isEmpty()) {
        m_prompter.inform(QStringLiteral("Benutzer-Info"), problem);
        return;
    }
    const std::optional<QString> password = sessionPassword(shown);
    if (!password)
        return;
    const MailPlan plan = TestMailPlan({shown.SenderName, *WireMailAddress(shown.SenderAddress)});
    const MailReport report = RunMailSession(this, plan, shown, *password, m_prompter);
    const bool sent = report.TeamsReached == 1;
    m_prompter.inform(sent ? QStringLiteral("Info") : QStringLiteral("Fehler"),
                      sent
                          ? QStringLiteral("Die Testnachricht an %1 ist verschickt.").arg(shown.SenderAddress)
                          : MailSummary(report));
}

// The account goes to the settings and a typed password to the keychain; without a keychain the
// password is asked for at every sending session.
void MailAccountDialog::accept()
{
    const MailAccount shown = account();
    if (const QString problem = MailAccountProblem(shown); !problem.isEmpty()) {
        m_prompter.inform(QStringLiteral("Benutzer-Info"), problem);
        return;
    }
    WriteMailAccount(*OpenProgramSettings(), shown);
    QString error;
    if (!m_password->text().isEmpty() && shown.Route == MailRoute::Smtp && !shown.User.isEmpty() &&
        !m_passwords.write(PasswordKey(shown), m_password->text(), error))
        m_prompter.inform(
            QStringLiteral("Benutzer-Info"),
            QStringLiteral("Das Passwort lässt sich nicht im Schlüsselbund speichern (%1). Korvane "
                           "fragt bei jedem Versand danach.")
                .arg(error));
    QDialog::accept();
}
