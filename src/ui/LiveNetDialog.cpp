#include "ui/LiveNetDialog.h"

#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "net/LiveServer.h"
#include "net/QrCode.h"
#include "net/ServingAddresses.h"
#include "ui/FieldCodesPanel.h"
#include "ui/HelpTopics.h"
#include "ui/QrPicture.h"
#include "ui/WidgetNames.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int CodePixels = 320;
constexpr int StatusIntervalMs = 2000;

} // namespace

LiveNetDialog::LiveNetDialog(LiveServer& server, const TournamentState& state, Prompter& prompter,
                             std::function<void()> prepare, QWidget* parent)
    : QDialog(parent), m_server(server), m_state(state), m_prompter(prompter), m_prepare(std::move(prepare))
{
    setObjectName(QStringLiteral("LiveImNetz"));
    setWindowTitle(QStringLiteral("Live im Netz"));
    SetHelpTopic(this, HelpTopic::ScheduleCommands);

    m_addresses = Named(new QComboBox, "cbAdresse");
    m_port = Named(new QSpinBox, "sePort");
    m_port->setRange(0, 65535);
    m_port->setSpecialValueText(QStringLiteral("automatisch"));
    m_port->setValue(LiveServer::DefaultPort);
    m_port->setToolTip(QStringLiteral("Ist der Port belegt, wird der nächste freie genommen."));
    m_start = Named(new QPushButton(QStringLiteral("&Starten")), "btStarten");
    m_stop = Named(new QPushButton(QStringLiteral("Beenden")), "btBeenden");
    auto* close = Named(new QPushButton(QStringLiteral("&Schließen")), "btSchliessen");
    m_code = Named(new QLabel, "lbQrCode");
    m_code->setFixedSize(CodePixels, CodePixels);
    m_code->setAlignment(Qt::AlignCenter);
    m_title = Named(new QLabel, "lbTurnier");
    m_title->setTextFormat(Qt::PlainText);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setWordWrap(true);
    m_caption = Named(new QLabel, "lbAdresse");
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont large = m_caption->font();
    large.setPointSize(large.pointSize() + 4);
    large.setBold(true);
    m_caption->setFont(large);
    m_title->setFont(large);
    m_hint = Named(new QLabel, "lbHinweis");
    m_hint->setTextFormat(Qt::PlainText);
    m_hint->setWordWrap(true);
    m_hint->setMinimumWidth(340);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status = Named(new QLabel, "lbStatus");
    m_status->setTextFormat(Qt::PlainText);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Adresse:"), m_addresses);
    form->addRow(QStringLiteral("&Port:"), m_port);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    buttons->addStretch(1);
    auto* settings = new QVBoxLayout;
    settings->addLayout(form);
    settings->addLayout(buttons);
    settings->addWidget(m_hint, 1);
    auto* codeColumn = new QVBoxLayout;
    codeColumn->addWidget(m_title);
    codeColumn->addWidget(m_code, 0, Qt::AlignHCenter);
    codeColumn->addWidget(m_caption);
    auto* top = new QHBoxLayout;
    top->addLayout(codeColumn);
    top->addSpacing(12);
    top->addLayout(settings, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(close);
    m_fieldCodes = new FieldCodesPanel(m_server, m_state, m_prompter);
    m_fieldCodes->setVisible(m_server.refereeDesk() != nullptr);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_fieldCodes);
    layout->addLayout(bottom);

    m_statusTimer = new QTimer(this);
    m_statusTimer->setInterval(StatusIntervalMs);
    connect(m_statusTimer, &QTimer::timeout, this, &LiveNetDialog::showState);
    connect(m_start, &QPushButton::clicked, this, &LiveNetDialog::startServer);
    connect(m_stop, &QPushButton::clicked, this, &LiveNetDialog::stopServer);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    fillAddresses();
    showState();
}

void LiveNetDialog::fillAddresses()
{
    m_addresses->clear();
    int network = -1;
    for (const ServingAddress& address : ServingAddresses()) {
        m_addresses->addItem(address.label(), address.Address.toString());
        if (!address.Loopback && network < 0)
            network = m_addresses->count() - 1;
    }
    m_addresses->setCurrentIndex(std::max(network, 0));
}

void LiveNetDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_server.isRunning())
        fillAddresses();
    showState();
}

void LiveNetDialog::startServer()
{
    if (m_prepare)
        m_prepare();
    const QHostAddress address(m_addresses->currentData().toString());
    if (!m_server.start(address, quint16(m_port->value()), true)) {
        m_prompter.inform(QStringLiteral("Fehler"),
                          QStringLiteral("Live im Netz lässt sich nicht starten.\n") + m_server.error());
        return;
    }
    m_port->setValue(m_server.port());
    m_statusTimer->start();
    showState();
}

void LiveNetDialog::stopServer()
{
    m_server.stop();
    m_statusTimer->stop();
    showState();
}

QString LiveNetDialog::statusText() const
{
    if (!m_server.isRunning())
        return {};
    const int phones = m_server.phonesSeen();
    const QString wrong = m_server.wrongCodeText();
    const QString wrongCodes = wrong.isEmpty() ? QString() : QStringLiteral(" – ") + wrong;
    return QStringLiteral("Live im Netz: ") + m_server.url() + QStringLiteral(" – ") +
           (phones == 1 ? QStringLiteral("1 Handy") : QStringLiteral("%1 Handys").arg(phones)) +
           QStringLiteral(" in der letzten Minute") + wrongCodes;
}

void LiveNetDialog::showState()
{
    const bool running = m_server.isRunning();
    m_addresses->setEnabled(!running);
    m_port->setEnabled(!running);
    m_start->setEnabled(!running);
    m_stop->setEnabled(running);
    showCode();
    const bool loopbackOnly = m_addresses->count() <= 1;
    if (running && m_server.address().isLoopback())
        m_hint->setText(QStringLiteral("Nur auf diesem Rechner zu sehen, zum Ausprobieren: im Browser die "
                                       "Adresse unter dem Code öffnen."));
    else if (running)
        m_hint->setText(
            QStringLiteral("Handys im selben Netz (WLAN der Halle oder der Hotspot dieses Rechners) "
                           "scannen den Code. Neue Ergebnisse erscheinen dort nach wenigen "
                           "Sekunden von selbst; Internet ist nicht nötig."));
    else if (loopbackOnly)
        m_hint->setText(
            QStringLiteral("Dieser Rechner ist mit keinem Netz verbunden. Für die Handys ein WLAN "
                           "verbinden oder einen Hotspot einschalten; ohne Netz geht es nur zum "
                           "Ausprobieren auf diesem Rechner."));
    else
        m_hint->setText(
            QStringLiteral("Die Adresse des Netzes wählen, in dem die Handys sind, dann starten."));
    m_fieldCodes->showState();
    const QString status = statusText();
    m_status->setText(status.isEmpty() ? QStringLiteral("Nicht gestartet.") : status);
    emit statusChanged(status);
}

void LiveNetDialog::showCode()
{
    const QString url = m_server.url();
    m_title->setText(m_state.TournamentName);
    m_caption->setText(url);
    if (url == m_codeUrl && !url.isEmpty())
        return;
    m_codeUrl = url;
    if (url.isEmpty()) {
        m_code->setPixmap({});
        m_code->setText(QStringLiteral("(noch nicht gestartet)"));
    } else {
        m_code->setPixmap(QrPicture(EncodeQr(url.toUtf8()), CodePixels));
    }
}
