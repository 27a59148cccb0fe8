#include "ui/ScoringPanel.h"

#include "model/TournamentState.h"
#include "structure/ScoringOptions.h"
#include "ui/HelpTopics.h"
#include "ui/WidgetNames.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

ScoringPanel::ScoringPanel(TournamentState& state, QWidget* parent) : QGroupBox(parent), m_state(state)
{
    setObjectName(QStringLiteral("gbWertung"));
    SetHelpTopic(this, HelpTopic::Scoring);

    m_contextHelp = Named(new QCheckBox(QStringLiteral("Dire&kthilfe aktiv")), "contextHelpBox");
    m_contextHelp->setToolTip(QStringLiteral("Direkthilfe = Hilde mit Rechtsclick"));
    m_twoPoints = Named(new QRadioButton(QStringLiteral("&2-Punkte-System")), "twoPointsButton");
    m_threePoints = Named(new QRadioButton(QStringLiteral("&3-Punkte-System")), "threePointsButton");
    m_withSets = Named(new QCheckBox(QStringLiteral("&mit Sätzen")), "withSetsBox");
    m_setPriority = Named(new QCheckBox(QStringLiteral("Satz&priorität")), "setPriorityBox");
    m_setPriority->setToolTip(QStringLiteral("Wertung wie im  Volleyball"));
    // Kept with the tournament, but not offered to the user.
    m_structured = Named(new QCheckBox(QStringLiteral("strukturiert")), "structuredBox");
    m_structured->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_contextHelp);
    layout->addSpacing(4);
    layout->addWidget(m_twoPoints);
    layout->addWidget(m_threePoints);
    layout->addSpacing(4);
    layout->addWidget(m_withSets);
    auto* priorityRow = new QHBoxLayout;
    priorityRow->addSpacing(20);
    priorityRow->addWidget(m_setPriority);
    layout->addLayout(priorityRow);
    layout->addWidget(m_structured);

    connect(m_contextHelp, &QCheckBox::clicked, this, [this](bool on) {
        m_state.Settings.ContextHelpActive = on;
        emit contextHelpSwitched(on);
    });
    connect(m_twoPoints, &QRadioButton::clicked, this, [this] {
        SetPointsSystem(m_state, 2);
        emit edited();
    });
    connect(m_threePoints, &QRadioButton::clicked, this, [this] {
        SetPointsSystem(m_state, 3);
        emit edited();
    });
    connect(m_withSets, &QCheckBox::clicked, this, [this](bool on) {
        SetWithSets(m_state, on);
        emit edited();
    });
    connect(m_setPriority, &QCheckBox::clicked, this, [this](bool on) {
        SetSetPriority(m_state, on);
        emit edited();
    });
}

void ScoringPanel::showSettings()
{
    const TournamentSettings& settings = m_state.Settings;
    m_contextHelp->setChecked(settings.ContextHelpActive);
    m_twoPoints->setChecked(settings.PointsSystem == 2);
    m_threePoints->setChecked(settings.PointsSystem != 2);
    m_withSets->setChecked(settings.WithSets);
    m_setPriority->setChecked(settings.SetPriority);
    m_setPriority->setEnabled(settings.WithSets);
    m_structured->setChecked(settings.Structured);
}
