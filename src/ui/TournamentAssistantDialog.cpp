#include "ui/TournamentAssistantDialog.h"

#include "model/Limits.h"
#include "model/Prompter.h"
#include "model/TournamentState.h"
#include "ui/FileChooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QSpinBox* NumberBox(const char* name, int minimum, int maximum, int value, const QString& suffix = {})
{
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

QString TeamLines(const QList<TeamEntry>& teams)
{
    QStringList lines;
    for (const TeamEntry& team : teams)
        lines.append(team.Email.isEmpty() ? team.Name : team.Name + QStringLiteral("; ") + team.Email);
    return lines.join(u'\n');
}

constexpr int GroupIndexRole = Qt::UserRole;
constexpr int RoundRole = Qt::UserRole + 1;
} // namespace

TournamentAssistantDialog::TournamentAssistantDialog(TournamentState& state, Prompter& prompter,
                                                     FileChooser& files, std::function<bool()> mayReplace,
                                                     QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter), m_files(files),
      m_mayReplace(std::move(mayReplace))
{
    setObjectName(QStringLiteral("TournamentAssistantDialog"));
    setWindowTitle(QStringLiteral("Turnier-Assistent"));

    m_proposalList = new QListWidget;
    m_proposalList->setObjectName(QStringLiteral("lbProposals"));
    m_proposalList->setToolTip(QStringLiteral("Turnierformen, die zu Mannschaften und Plätzen passen"));
    m_structure = new QTreeWidget;
    m_structure->setObjectName(QStringLiteral("tvStructure"));
    m_structure->setHeaderLabels(
        {QStringLiteral("Runde / Gruppe (Doppelclick = umbenennen)"), QStringLiteral("Mannschaften")});
    m_structure->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_structure->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);

    auto* proposalBox = new QGroupBox(QStringLiteral("Vorschläge"));
    auto* proposalLayout = new QVBoxLayout(proposalBox);
    proposalLayout->addWidget(m_proposalList, 1);
    proposalLayout->addWidget(m_structure, 2);

    m_apply = new QPushButton(QStringLiteral("Ü&bernehmen"));
    m_apply->setObjectName(QStringLiteral("btnApply"));
    m_apply->setToolTip(QStringLiteral("das gewählte Turnier mit seinen Mannschaften anlegen"));
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(m_apply, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);

    auto* left = new QVBoxLayout;
    left->addWidget(buildFrameBox());
    left->addWidget(buildTeamBox(), 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addWidget(proposalBox, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    resize(1000, 640);

    connect(m_proposalList, &QListWidget::currentRowChanged, this, &TournamentAssistantDialog::showChosen);
    connect(m_structure, &QTreeWidget::itemChanged, this, &TournamentAssistantDialog::renameFromTree);
    connect(m_apply, &QPushButton::clicked, this, &TournamentAssistantDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TournamentAssistantDialog::buildFrameBox()
{
    m_teams = NumberBox("spTeams", 2, 200, 16);
    m_fields = NumberBox("spFields", 1, 50, 2);
    m_gameLength = NumberBox("spGameLength", 1, 600, 10, QStringLiteral(" min"));
    m_breakLength = NumberBox("spBreakLength", 0, 120, 2, QStringLiteral(" min"));
    m_start = new QLineEdit(QStringLiteral("9:00"));
    m_start->setObjectName(QStringLiteral("edStart"));
    m_latestEnd = new QLineEdit;
    m_latestEnd->setObjectName(QStringLiteral("edLatestEnd"));
    m_latestEnd->setPlaceholderText(QStringLiteral("offen"));
    auto* propose = new QPushButton(QStringLiteral("&Vorschläge berechnen"));
    propose->setObjectName(QStringLiteral("btnPropose"));
    propose->setDefault(true);

    auto* box = new QGroupBox(QStringLiteral("Der Tag"));
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("Anzahl &Mannschaften:"), m_teams);
    form->addRow(QStringLiteral("Spiel&plätze:"), m_fields);
    form->addRow(QStringLiteral("Spiel&zeit:"), m_gameLength);
    form->addRow(QStringLiteral("Pause &zwischen Spielen:"), m_breakLength);
    form->addRow(QStringLiteral("&Beginn:"), m_start);
    form->addRow(QStringLiteral("spätestes &Ende:"), m_latestEnd);
    form->addRow(propose);
    connect(propose, &QPushButton::clicked, this, &TournamentAssistantDialog::propose);
    return box;
}

QWidget* TournamentAssistantDialog::buildTeamBox()
{
    m_teamText = new QPlainTextEdit;
    m_teamText->setObjectName(QStringLiteral("edTeams"));
    m_teamText->setToolTip(QStringLiteral("eine Mannschaft je Zeile, wahlweise \"; E-Mail\""));
    m_teamCount = new QLabel;
    m_teamCount->setObjectName(QStringLiteral("lbTeamCount"));
    auto* fromPool = new QPushButton(QStringLiteral("aus der &Namensliste"));
    fromPool->setObjectName(QStringLiteral("btnTeamsFromPool"));
    auto* fromFile = new QPushButton(QStringLiteral("aus &Datei..."));
    fromFile->setObjectName(QStringLiteral("btnTeamsFromFile"));
    m_order = new QComboBox;
    m_order->setObjectName(QStringLiteral("cbOrder"));
    m_order->addItems({QStringLiteral("der Reihe nach"),
                       QStringLiteral("gesetzt (Töpfe: die ersten je Gruppe einer)"),
                       QStringLiteral("ausgelost")});
    m_seed = NumberBox("spSeed", 0, 999999, int(QRandomGenerator::global()->bounded(1000000)));
    m_seed->setEnabled(false);
    m_seed->setToolTip(QStringLiteral("mit derselben Losnummer ergibt sich dieselbe Auslosung"));

    auto* box = new QGroupBox(QStringLiteral("Mannschaften"));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_teamText, 1);
    auto* sources = new QHBoxLayout;
    sources->addWidget(m_teamCount, 1);
    sources->addWidget(fromPool);
    sources->addWidget(fromFile);
    layout->addLayout(sources);
    auto* order = new QFormLayout;
    order->addRow(QStringLiteral("&Verteilung:"), m_order);
    order->addRow(QStringLiteral("&Losnummer:"), m_seed);
    layout->addLayout(order);

    connect(fromPool, &QPushButton::clicked, this, &TournamentAssistantDialog::fillTeamsFromPool);
    connect(fromFile, &QPushButton::clicked, this, &TournamentAssistantDialog::loadTeamsFromFile);
    connect(m_order, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_seed->setEnabled(index == int(NameOrder::Random)); });
    connect(m_teamText, &QPlainTextEdit::textChanged, this, [this] {
        m_teamCount->setText(
            QStringLiteral("%1 Namen").arg(TeamEntriesFromText(m_teamText->toPlainText()).size()));
    });
    return box;
}

int TournamentAssistantDialog::exec()
{
    fillTeamsFromPool();
    const int poolTeams = int(TeamEntriesFromPool(m_state).size());
    if (poolTeams >= 2)
        m_teams->setValue(poolTeams);
    propose();
    return QDialog::exec();
}

AssistantInput TournamentAssistantDialog::readInput() const
{
    return {m_teams->value(),       m_fields->value(),         m_gameLength->value(),
            m_breakLength->value(), m_start->text().trimmed(), m_latestEnd->text().trimmed()};
}

void TournamentAssistantDialog::propose()
{
    const AssistantInput input = readInput();
    const QString fault = AssistantInputFault(input);
    if (!fault.isEmpty()) {
        m_prompter.inform(QStringLiteral("Benutzer-Info"), fault);
        return;
    }
    setCursor(Qt::WaitCursor);
    m_proposals = ProposeStructures(input, m_state);
    unsetCursor();
    m_proposedFor = input;
    m_proposalList->clear();
    for (const StructureProposal& proposal : m_proposals)
        m_proposalList->addItem(proposal.Blueprint.Title + QStringLiteral("\n    ") +
                                ProposalFigures(proposal));
    if (!m_proposals.empty())
        m_proposalList->setCurrentRow(0);
    else
        showChosen();
}

void TournamentAssistantDialog::showChosen()
{
    const int row = m_proposalList->currentRow();
    m_apply->setEnabled(row >= 0 && std::size_t(row) < m_proposals.size());
    m_filling = true;
    m_structure->clear();
    if (m_apply->isEnabled()) {
        m_chosen = m_proposals[std::size_t(row)].Blueprint;
        for (int round = 1; round <= m_chosen.RoundCount(); ++round) {
            auto* roundItem = new QTreeWidgetItem(m_structure, {m_chosen.RoundNames.at(round - 1)});
            roundItem->setData(0, RoundRole, round);
            roundItem->setFlags(roundItem->flags() | Qt::ItemIsEditable);
            for (int index = 0; index < m_chosen.Groups.size(); ++index) {
                const PlannedGroup& group = m_chosen.Groups.at(index);
                if (group.Round != round)
                    continue;
                auto* groupItem = new QTreeWidgetItem(roundItem, {group.Name, QString::number(group.Teams)});
                groupItem->setData(0, GroupIndexRole, index + 1);
                groupItem->setFlags(groupItem->flags() | Qt::ItemIsEditable);
            }
        }
        m_structure->expandToDepth(0);
    }
    m_filling = false;
}

void TournamentAssistantDialog::renameFromTree(QTreeWidgetItem* item, int column)
{
    if (m_filling || column != 0)
        return;
    const QString name = item->text(0).trimmed().left(Limits::InputTextLength);
    if (const int round = item->data(0, RoundRole).toInt(); round >= 1) {
        m_chosen.RenameRound(round, name);
        m_filling = true;
        for (int child = 0; child < item->childCount(); ++child) {
            const int group = item->child(child)->data(0, GroupIndexRole).toInt();
            item->child(child)->setText(0, m_chosen.Groups.at(group - 1).Name);
        }
        m_filling = false;
    } else if (const int group = item->data(0, GroupIndexRole).toInt(); group >= 1) {
        m_chosen.Groups[group - 1].Name = name;
    }
}

void TournamentAssistantDialog::fillTeamsFromPool()
{
    m_teamText->setPlainText(TeamLines(TeamEntriesFromPool(m_state)));
}

void TournamentAssistantDialog::loadTeamsFromFile()
{
    const QString path = m_files.chooseFileToOpen(
        this, {QStringLiteral("Mannschaften laden"), m_state.WorkDir, QString(),
               QStringLiteral("Textdateien (*.txt *.csv)|*.txt;*.csv|Alle Dateien (*.*)|*.*"), QString()});
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompter.inform(QStringLiteral("Benutzer-Info"),
                          QStringLiteral("Die Datei kann nicht gelesen werden: ") + file.errorString());
        return;
    }
    const QList<TeamEntry> teams = TeamEntriesFromBytes(file.readAll());
    m_teamText->setPlainText(TeamLines(teams));
    if (teams.size() >= 2 && teams.size() <= 200 && teams.size() != m_teams->value()) {
        m_teams->setValue(int(teams.size()));
        propose();
    }
}

void TournamentAssistantDialog::apply()
{
    if (!m_apply->isEnabled())
        return;
    const AssistantInput input = readInput();
    if (input.Teams != m_proposedFor.Teams || input.Fields != m_proposedFor.Fields ||
        input.GameLength != m_proposedFor.GameLength || input.BreakLength != m_proposedFor.BreakLength ||
        input.StartTime != m_proposedFor.StartTime || input.LatestEnd != m_proposedFor.LatestEnd) {
        // The list belongs to other numbers: show the fitting one first.
        propose();
        m_prompter.inform(QStringLiteral("Benutzer-Info"),
                          QStringLiteral("Die Vorschläge wurden für die geänderten Angaben neu berechnet. "
                                         "Wählen Sie einen aus und drücken Sie nochmals \"Übernehmen\"."));
        return;
    }
    if (!m_mayReplace())
        return;
    ApplyBlueprint(m_state, m_chosen, input, TeamEntriesFromText(m_teamText->toPlainText()),
                   NameOrder(m_order->currentIndex()), quint32(m_seed->value()), m_prompter);
    accept();
}
