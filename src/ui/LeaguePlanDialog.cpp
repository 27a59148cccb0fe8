#include "ui/LeaguePlanDialog.h"

#include "league/LeaguePlan.h"
#include "model/TournamentState.h"
#include "ui/HelpTopics.h"
#include "ui/WidgetNames.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

LeaguePlanDialog::LeaguePlanDialog(TournamentState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("LeaguePlanDialog"));
    setWindowTitle(QStringLiteral("Ligaplan"));
    setModal(true);
    SetHelpTopic(this, HelpTopic::LeaguePlan);

    auto* menuBar = new QMenuBar;
    QMenu* edit = menuBar->addMenu(QStringLiteral("&Bearbeiten"));
    edit->setObjectName(QStringLiteral("menuBearbeiten"));
    QAction* font = edit->addAction(QStringLiteral("&Schriftart..."));
    font->setObjectName(QStringLiteral("actionFont"));
    QAction* copy = edit->addAction(QStringLiteral("auf's &Clipboard"));
    copy->setObjectName(QStringLiteral("actionClipboard"));
    QAction* back = edit->addAction(QStringLiteral("&zurück"));
    back->setObjectName(QStringLiteral("actionBack"));

    m_teamCount = Named(new QLineEdit, "edAnzahl");
    m_teamCount->setReadOnly(true);
    m_teamCount->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    auto* plus = Named(new QPushButton(QStringLiteral("+")), "btPlus");
    auto* minus = Named(new QPushButton(QStringLiteral("-")), "btMinus");
    plus->setAutoDefault(false);
    minus->setAutoDefault(false);
    m_resultColumn = Named(new QLineEdit(League::DefaultResultColumn), "edAnfuegen");
    auto* show = Named(new QPushButton(QStringLiteral("&zeigen")), "btZeigen");
    m_plan = Named(new QListWidget, "lbLigaplan");
    m_plan->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QFont planFont(QStringLiteral("Courier New"));
    planFont.setStyleHint(QFont::Monospace);
    m_plan->setFont(planFont);
    m_plan->setMinimumSize(520, 360);

    auto* inputs = new QHBoxLayout;
    inputs->addWidget(new QLabel(QStringLiteral("Anzahl Mannschaften:")));
    inputs->addWidget(m_teamCount);
    inputs->addWidget(plus);
    inputs->addWidget(minus);
    inputs->addSpacing(16);
    inputs->addWidget(new QLabel(QStringLiteral("anfügen:")));
    inputs->addWidget(m_resultColumn);
    inputs->addWidget(show);
    inputs->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(inputs);
    layout->addWidget(m_plan, 1);

    connect(plus, &QPushButton::clicked, this, [this] { setTeamCount(teamCount() + 1); });
    connect(minus, &QPushButton::clicked, this, [this] { setTeamCount(teamCount() - 1); });
    connect(show, &QPushButton::clicked, this, &LeaguePlanDialog::showPlan);
    connect(font, &QAction::triggered, this, &LeaguePlanDialog::chooseFont);
    connect(copy, &QAction::triggered, this, &LeaguePlanDialog::copyPlan);
    connect(back, &QAction::triggered, this, &QDialog::accept);
}

int LeaguePlanDialog::teamCount() const
{
    return m_teamCount->text().toInt();
}

void LeaguePlanDialog::setTeamCount(int teamCount)
{
    m_teamCount->setText(QString::number(ClampLeagueTeamCount(teamCount)));
}

void LeaguePlanDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The playing fields of the current round may be 1..50; a league needs 4..20 teams.
    setTeamCount(m_state.FieldsInRound[std::size_t(m_state.CurrentRound)]);
}

void LeaguePlanDialog::showPlan()
{
    const QStringList names = LeagueTeamNames(NamePoolNames(m_state), teamCount());
    m_plan->clear();
    m_plan->addItems(
        BuildLeaguePlan(m_state.Pairings, m_state.TournamentName, names, m_resultColumn->text()));
}

void LeaguePlanDialog::copyPlan()
{
    QStringList lines;
    QList<int> selected;
    for (int row = 0; row < m_plan->count(); ++row) {
        lines << m_plan->item(row)->text();
        if (m_plan->item(row)->isSelected())
            selected << row;
    }
    QApplication::clipboard()->setText(LeaguePlanClipboardText(lines, selected));
}

void LeaguePlanDialog::chooseFont()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, m_plan->font(), this);
    if (chosen)
        m_plan->setFont(font);
}
