#include "ui/NewGroupDialog.h"

#include "model/Limits.h"
#include "structure/GroupDialogs.h"
#include "structure/RoundNavigation.h"
#include "ui/HelpTopics.h"

#include <QFont>
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
} // namespace

NewGroupDialog::NewGroupDialog(TournamentState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter)
{
    setObjectName(QStringLiteral("NewGroupDialog"));
    setWindowTitle(QStringLiteral("neue Gruppe"));
    setModal(true);
    SetHelpTopic(this, HelpTopic::NewGroup);

    auto* title = named(new QLabel(QStringLiteral("neue Gruppe(n)")), "titleLabel");
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);

    m_roundNotice = named(new QLabel, "roundNotice");
    m_roundNotice->setWordWrap(true);

    const NewGroupInput defaults;
    m_groupCount = named(new QLineEdit(defaults.groupCountText), "groupCountEdit");
    m_name = named(new QLineEdit(defaults.name), "groupNameEdit");
    m_name->setMaxLength(Limits::InputTextLength);
    m_name->setToolTip(
        QStringLiteral("bei mehreren Gruppen werden diese mit gleichem Namen durchnummeriert"));
    m_countMarker = named(new QLabel(QStringLiteral("+n")), "groupCountMarker");
    m_countMarker->setVisible(false);
    m_teamCount = named(new QLineEdit(defaults.teamCountText), "teamCountEdit");
    m_withoutReturnLeg = named(new QRadioButton(QStringLiteral("&ohne Rückrunde")), "withoutReturnLegButton");
    m_withReturnLeg = named(new QRadioButton(QStringLiteral("&mit Rückrunde")), "withReturnLegButton");
    (defaults.returnLeg ? m_withReturnLeg : m_withoutReturnLeg)->setChecked(true);
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
    m_groupCount->setMaximumWidth(numberWidth);
    m_teamCount->setMaximumWidth(numberWidth);

    auto* inputs = new QGridLayout;
    auto* countLabel = new QLabel(QStringLiteral("Anzahl"));
    auto* nameLabel = new QLabel(QStringLiteral("Gruppenname:"));
    auto* teamsLabel = new QLabel(QStringLiteral("Anzahl Mannschaften:"));
    countLabel->setBuddy(m_groupCount);
    nameLabel->setBuddy(m_name);
    teamsLabel->setBuddy(m_teamCount);
    inputs->addWidget(countLabel, 0, 0);
    inputs->addWidget(m_groupCount, 0, 1, Qt::AlignLeft);
    inputs->addWidget(nameLabel, 1, 0);
    inputs->addWidget(m_name, 1, 1);
    inputs->addWidget(m_countMarker, 1, 2);
    inputs->addWidget(teamsLabel, 2, 0);
    inputs->addWidget(m_teamCount, 2, 1, Qt::AlignLeft);
    inputs->addWidget(m_withoutReturnLeg, 3, 1);
    inputs->addWidget(m_withReturnLeg, 4, 1);
    inputs->setColumnStretch(1, 1);
    inputs->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance(QStringLiteral("+n")) + 4);

    auto* add = named(new QPushButton(QStringLiteral("&hinzufügen")), "addButton");
    add->setToolTip(QStringLiteral("Gruppen erzeugen"));
    add->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("&abbrechen")), "cancelButton");
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_roundNotice);
    layout->addSpacing(6);
    layout->addLayout(inputs);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    connect(m_groupCount, &QLineEdit::textChanged, this, &NewGroupDialog::updateCountMarker);
    connect(add, &QPushButton::clicked, this, &NewGroupDialog::addGroups);
    connect(cancel, &QPushButton::clicked, this, &NewGroupDialog::reject);
}

void NewGroupDialog::showEvent(QShowEvent* event)
{
    OpenGroupDialog(m_state);
    m_roundNotice->setText(NewGroupRoundNotice(m_state));
    m_groupCount->setFocus();
    m_groupCount->selectAll();
    QDialog::showEvent(event);
}

void NewGroupDialog::updateCountMarker()
{
    if (const std::optional<bool> visible = GroupCountMarkerVisible(m_groupCount->text()))
        m_countMarker->setVisible(*visible);
}

void NewGroupDialog::addGroups()
{
    NewGroupInput input;
    input.groupCountText = m_groupCount->text();
    input.name = m_name->text();
    input.teamCountText = m_teamCount->text();
    input.returnLeg = m_withReturnLeg->isChecked();
    const NewGroupOutcome outcome = AddNewGroups(m_state, input, m_prompter);
    m_groupCount->setText(outcome.groupCountText);
    m_teamCount->setText(outcome.teamCountText);
    if (outcome.closes)
        QDialog::accept();
}

void NewGroupDialog::reject()
{
    CancelNewGroups(m_state);
    QDialog::reject();
}
