#include "ui/RoundPanel.h"

#include "model/TournamentState.h"
#include "structure/MainWindowView.h"
#include "structure/RoundNavigation.h"
#include "ui/HelpTopics.h"
#include "ui/LeaveAction.h"
#include "ui/NewGroupDialog.h"
#include "ui/WidgetNames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
const QColor CompleteTeamListColour(0xb8, 0xf0, 0xb0);

QLineEdit* numberDisplay(const char* name, const QString& hint)
{
    auto* display = Named(new QLineEdit, name);
    display->setReadOnly(true);
    display->setFocusPolicy(Qt::NoFocus);
    display->setAlignment(Qt::AlignRight);
    display->setToolTip(hint);
    display->setMaximumWidth(display->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 14);
    return display;
}

QPushButton* stepButton(const QString& caption, const QString& hint, const char* name)
{
    auto* button = Named(new QPushButton(caption), name);
    button->setToolTip(hint);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("<<<")) + 16);
    button->setAutoDefault(false);
    return button;
}
} // namespace

RoundPanel::RoundPanel(TournamentState& state, Prompter& prompter, NewGroupDialog& newGroupDialog,
                       QWidget* parent)
    : QGroupBox(QStringLiteral("Diese Runde"), parent), m_state(state), m_prompter(prompter),
      m_newGroupDialog(newGroupDialog)
{
    setObjectName(QStringLiteral("gbDieseRunde"));
    SetHelpTopic(this, HelpTopic::ThisRound);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildNavigation());
    layout->addWidget(buildLists(), 1);
}

QWidget* RoundPanel::buildNavigation()
{
    auto* navigation = new QWidget;
    auto* grid = new QGridLayout(navigation);
    grid->setContentsMargins(0, 0, 0, 0);

    m_round = numberDisplay("roundDisplay", QStringLiteral("Runden-Nummer"));
    auto* previousRound =
        stepButton(QStringLiteral("<"), QStringLiteral("niedrigere Runde anzeigen"), "previousRoundButton");
    auto* nextRound = m_nextRound =
        stepButton(QStringLiteral(">"), QStringLiteral("höhere Runde anzeigen"), "nextRoundButton");
    grid->addWidget(new QLabel(QStringLiteral("Runde ")), 0, 0);
    grid->addWidget(m_round, 0, 1);
    grid->addWidget(previousRound, 0, 2);
    grid->addWidget(nextRound, 0, 3);

    m_fields = numberDisplay("fieldDisplay", QStringLiteral("Anzahl Plätze in dieser Runde"));
    auto* fewerFields = stepButton(
        QStringLiteral("<"), QStringLiteral("Anzahl Plätze in dieser Runde verringern"), "fewerFieldsButton");
    auto* moreFields = stepButton(
        QStringLiteral(">"), QStringLiteral("Anzahl Plätze in dieser Runde erhöhen"), "moreFieldsButton");
    grid->addWidget(new QLabel(QStringLiteral("Spielplätze")), 1, 0);
    grid->addWidget(m_fields, 1, 1);
    grid->addWidget(fewerFields, 1, 2);
    grid->addWidget(moreFields, 1, 3);

    m_gameLength = Named(new QLineEdit(QStringLiteral("10")), "gameLengthEdit");
    m_gameLength->setToolTip(QStringLiteral("Spiellänge incl. Pause in dieser Runde"));
    m_gameLength->setAlignment(Qt::AlignRight);
    m_gameLength->setMaximumWidth(m_round->maximumWidth());
    // Only digits can be typed; the length is checked when the field is left.
    m_gameLength->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_gameLength));
    auto* gameLengthLabel = new QLabel(QStringLiteral("Spiellänge"));
    gameLengthLabel->setBuddy(m_gameLength);
    grid->addWidget(gameLengthLabel, 2, 0);
    grid->addWidget(m_gameLength, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("min")), 2, 2, 1, 2);

    m_oneFieldPerGroup = Named(new QCheckBox(QStringLiteral("ein Platz pro Gruppe")), "oneFieldPerGroupBox");
    m_oneFieldPerGroup->setToolTip(QStringLiteral("jede Gruppe spielt auf einen eigenen Platz"));
    grid->addWidget(m_oneFieldPerGroup, 3, 0, 1, 4);

    auto* newGroup = Named(new QPushButton(QStringLiteral("neue Gruppe")), "newGroupButton");
    newGroup->setToolTip(QStringLiteral("erstellt eine neue Gruppe in dieser Runde"));
    newGroup->setAutoDefault(false);
    grid->addWidget(newGroup, 0, 5, 2, 1, Qt::AlignTop);
    grid->setColumnMinimumWidth(4, 16);
    grid->setColumnStretch(6, 1);

    connect(previousRound, &QPushButton::clicked, this, &RoundPanel::previousRound);
    connect(nextRound, &QPushButton::clicked, this, &RoundPanel::nextRound);
    connect(fewerFields, &QPushButton::clicked, this, [this] {
        RemoveField(m_state, m_prompter);
        emit edited();
    });
    connect(moreFields, &QPushButton::clicked, this, [this] {
        AddField(m_state);
        emit edited();
    });
    connect(m_gameLength, &QLineEdit::textEdited, this, [this] { m_state.Settings.PlanChanged = true; });
    OnLeave(m_gameLength, [this] {
        m_gameLength->setText(SetGameLength(m_state, m_gameLength->text(), m_prompter));
        emit edited();
    });
    connect(m_oneFieldPerGroup, &QCheckBox::clicked, this, [this](bool ticked) {
        m_oneFieldPerGroup->setChecked(SetOneFieldPerGroup(m_state, ticked, m_prompter));
        emit edited();
    });
    connect(newGroup, &QPushButton::clicked, this, &RoundPanel::newGroup);
    return navigation;
}

QWidget* RoundPanel::buildLists()
{
    auto* lists = new QWidget;
    auto* grid = new QGridLayout(lists);
    grid->setContentsMargins(0, 0, 0, 0);

    m_groups = Named(new QListWidget, "groupList");
    m_groups->setToolTip(QStringLiteral("löschen Sie Gruppen im Spielplan"));
    m_teams = Named(new QListWidget, "teamList");
    m_teams->setToolTip(QStringLiteral("Doppelclick = löschen; Eingabe der Namen im SPIELPLAN"));
    m_teams->setAutoFillBackground(true);
    m_teams->setSelectionMode(QAbstractItemView::NoSelection);

    grid->addWidget(new QLabel(QStringLiteral("Nr AbsNr Name (Teiln) Rück")), 0, 0);
    grid->addWidget(m_groups, 1, 0);
    grid->addWidget(m_teams, 1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    connect(m_groups, &QListWidget::itemClicked, this, [this] { selectGroup(m_groups->currentRow()); });
    return lists;
}

void RoundPanel::showView(const MainWindowView& view)
{
    m_gameLength->setText(view.gameLength);
    m_round->setText(view.round);
    m_nextRound->setToolTip(NextRoundHint(m_state));
    m_fields->setText(view.fields);
    m_oneFieldPerGroup->setChecked(view.oneFieldPerGroup); // clicked() only follows the user
    const int selected = m_groups->currentRow();
    m_groups->clear();
    m_groups->addItems(view.groupLines);
    if (selected >= 0 && selected < m_groups->count())
        m_groups->setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
    showTeamList();
}

void RoundPanel::showTeamList()
{
    m_teams->clear();
    m_teams->addItems(m_state.TeamList);
    QPalette palette = m_teams->palette();
    palette.setColor(QPalette::Base, TeamListComplete(m_state) ? CompleteTeamListColour
                                                               : this->palette().color(QPalette::Base));
    m_teams->setPalette(palette);
}

void RoundPanel::previousRound()
{
    ShowPreviousRound(m_state);
    m_groups->setCurrentRow(-1);
    emit edited();
}

void RoundPanel::nextRound()
{
    if (ShowNextRound(m_state))
        m_newGroupDialog.exec();
    m_groups->setCurrentRow(-1);
    m_state.Settings.PlanChanged = true;
    emit edited();
}

void RoundPanel::newGroup()
{
    m_newGroupDialog.exec();
    CheckOneFieldPerGroup(m_state, m_state.CurrentRound, m_prompter);
    emit edited();
}

void RoundPanel::selectGroup(int row)
{
    SelectGroupInRound(m_state, row);
    showTeamList();
}
