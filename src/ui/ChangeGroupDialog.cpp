#include "ui/ChangeGroupDialog.h"

#include "model/Limits.h"
#include "structure/GroupDialogs.h"
#include "ui/HelpTopics.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* button(const QString& caption, const QString& hint, const char* name)
{
    auto* pushButton = named(new QPushButton(caption), name);
    pushButton->setToolTip(hint);
    pushButton->setAutoDefault(false);
    return pushButton;
}
} // namespace

ChangeGroupDialog::ChangeGroupDialog(TournamentState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter)
{
    setObjectName(QStringLiteral("ChangeGroupDialog"));
    setWindowTitle(QStringLiteral("Gruppe ändern"));
    setModal(true);
    SetHelpTopic(this, HelpTopic::ChangeGroup);

    m_groupNumber = named(new QLineEdit, "groupNumberDisplay");
    m_groupNumber->setReadOnly(true);
    m_groupNumber->setFocusPolicy(Qt::NoFocus);
    m_name = named(new QLineEdit, "groupNameEdit");
    m_name->setMaxLength(Limits::InputTextLength);
    m_teamCount = named(new QLineEdit, "teamCountEdit");
    m_withoutReturnLeg = named(new QRadioButton(QStringLiteral("&ohne Rückrunde")), "withoutReturnLegButton");
    m_withReturnLeg = named(new QRadioButton(QStringLiteral("&mit Rückrunde")), "withReturnLegButton");
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
    m_groupNumber->setMaximumWidth(numberWidth);
    m_teamCount->setMaximumWidth(numberWidth);

    auto* inputs = new QGridLayout;
    auto* nameLabel = new QLabel(QStringLiteral("Gruppenname:"));
    auto* teamsLabel = new QLabel(QStringLiteral("Anzahl Mannschaften:"));
    nameLabel->setBuddy(m_name);
    teamsLabel->setBuddy(m_teamCount);
    inputs->addWidget(new QLabel(QStringLiteral("Gruppe Nr ")), 0, 0);
    inputs->addWidget(m_groupNumber, 0, 1, Qt::AlignLeft);
    inputs->addWidget(nameLabel, 1, 0);
    inputs->addWidget(m_name, 1, 1);
    inputs->addWidget(teamsLabel, 2, 0);
    inputs->addWidget(m_teamCount, 2, 1, Qt::AlignLeft);
    inputs->addWidget(m_withoutReturnLeg, 3, 1);
    inputs->addWidget(m_withReturnLeg, 4, 1);
    inputs->setColumnStretch(1, 1);

    auto* change = button(QStringLiteral("ä&ndern"), QStringLiteral("Änderungen übernehmen"), "changeButton");
    change->setDefault(true);
    auto* cancel =
        button(QStringLiteral("&abbrechen"), QStringLiteral("Änderungen verwerfen"), "cancelButton");
    auto* deleteGroup = button(QStringLiteral("Gruppe &löschen"), QStringLiteral("diese Gruppe löschen"),
                               "deleteGroupButton");
    auto* clearResults =
        button(QStringLiteral("&Ergebnisse löschen"),
               QStringLiteral("alle eingegebenen Ergebnisse dieser Gruppe löschen"), "clearResultsButton");
    auto* buttons = new QGridLayout;
    buttons->addWidget(change, 0, 0);
    buttons->addWidget(cancel, 0, 1);
    buttons->addWidget(deleteGroup, 1, 0);
    buttons->addWidget(clearResults, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(change, &QPushButton::clicked, this, &ChangeGroupDialog::applyChange);
    connect(cancel, &QPushButton::clicked, this, &ChangeGroupDialog::reject);
    connect(deleteGroup, &QPushButton::clicked, this, &ChangeGroupDialog::deleteGroup);
    connect(clearResults, &QPushButton::clicked, this, &ChangeGroupDialog::clearResults);
}

void ChangeGroupDialog::showGroup(int group)
{
    const ChangeGroupInput input = ReadGroupForChange(m_state, group);
    m_group = input.group;
    m_groupNumber->setText(QString::number(input.group));
    m_name->setText(input.name);
    m_teamCount->setText(input.teamCountText);
    (input.returnLeg ? m_withReturnLeg : m_withoutReturnLeg)->setChecked(true);
}

void ChangeGroupDialog::openForGroup(int group)
{
    if (isVisible())
        return;
    showGroup(group);
    exec();
}

void ChangeGroupDialog::showEvent(QShowEvent* event)
{
    OpenGroupDialog(m_state);
    m_name->setFocus();
    QDialog::showEvent(event);
}

void ChangeGroupDialog::applyChange()
{
    ChangeGroupInput input;
    input.group = m_group;
    input.name = m_name->text();
    input.teamCountText = m_teamCount->text();
    input.returnLeg = m_withReturnLeg->isChecked();
    const ChangeGroupOutcome outcome = ApplyGroupChange(m_state, input, m_prompter);
    m_teamCount->setText(outcome.teamCountText);
    if (!outcome.closes)
        return;
    accept();
    emit scheduleChanged();
}

void ChangeGroupDialog::deleteGroup()
{
    DeleteGroupFromDialog(m_state, m_group, m_prompter);
    accept();
    emit scheduleChanged();
}

void ChangeGroupDialog::clearResults()
{
    if (!ClearResultsFromDialog(m_state, m_group, m_prompter))
        return;
    accept();
    emit scheduleChanged();
}
