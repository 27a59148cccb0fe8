#include "ui/TotalsPanel.h"

#include "model/TournamentState.h"
#include "structure/MainWindowView.h"
#include "structure/TimeFrameEdits.h"
#include "ui/HelpTopics.h"
#include "ui/LeaveAction.h"
#include "ui/WidgetNames.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
QLineEdit* totalDisplay(const char* name, const QString& hint)
{
    auto* display = Named(new QLineEdit, name);
    display->setReadOnly(true);
    display->setFocusPolicy(Qt::NoFocus);
    display->setAlignment(Qt::AlignRight);
    display->setToolTip(hint);
    display->setMaximumWidth(display->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 14);
    return display;
}
} // namespace

TotalsPanel::TotalsPanel(TournamentState& state, Prompter& prompter, QWidget* parent)
    : QGroupBox(QStringLiteral("Alles"), parent), m_state(state), m_prompter(prompter)
{
    setObjectName(QStringLiteral("gbAlles"));
    SetHelpTopic(this, HelpTopic::Totals);

    m_rounds = totalDisplay("roundCountDisplay", QStringLiteral("Gesamtzahl Runden (wird berechnet)"));
    m_games = totalDisplay("gameCountDisplay", QStringLiteral("Gesamtzahl Spiele (wird berechnet)"));
    m_startTime = Named(new QLineEdit(QStringLiteral("00:00")), "startTimeEdit");
    m_startTime->setToolTip(QStringLiteral("Beginn des ersten Spiels (kann geändert werden)"));
    m_startTime->setAlignment(Qt::AlignRight);
    m_startTime->setMaximumWidth(m_rounds->maximumWidth());

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Runden"), m_rounds);
    layout->addRow(QStringLiteral("Spiele"), m_games);
    layout->addRow(QStringLiteral("Beginn"), m_startTime);

    connect(m_startTime, &QLineEdit::textEdited, this, [this] { m_state.Settings.PlanChanged = true; });
    OnLeave(m_startTime, [this] {
        m_startTime->setText(SetStartTime(m_state, m_startTime->text(), m_prompter));
        emit edited();
    });
}

void TotalsPanel::showView(const MainWindowView& view)
{
    m_rounds->setText(view.rounds);
    m_games->setText(view.games);
}

void TotalsPanel::showStartTime()
{
    if (!m_startTime->hasFocus())
        m_startTime->setText(m_state.TimeAnchorIsStart ? m_state.StartTime : m_state.EndTime);
}
