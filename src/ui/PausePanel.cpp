#include "ui/PausePanel.h"

#include "model/TournamentState.h"
#include "structure/TimeFrameEdits.h"
#include "ui/HelpTopics.h"
#include "ui/LeaveAction.h"
#include "ui/PauseListWidget.h"
#include "ui/WidgetNames.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PausePanel::PausePanel(TournamentState& state, Prompter& prompter, QWidget* parent)
    : QGroupBox(QStringLiteral("Pausen"), parent), m_state(state), m_prompter(prompter)
{
    setObjectName(QStringLiteral("gbPausen"));
    SetHelpTopic(this, HelpTopic::Breaks);

    m_begin = timeInput("pauseBeginEdit", QStringLiteral("Pausenbeginn"));
    m_duration = timeInput("pauseDurationEdit", QStringLiteral("Pausendauer (min)"));
    m_add = Named(new QPushButton(QStringLiteral("hinzufüg.")), "addPauseButton");
    m_add->setToolTip(QStringLiteral("Pause hinzufügen"));
    auto* remove = Named(new QPushButton(QStringLiteral("löschen")), "deletePauseButton");
    remove->setToolTip(QStringLiteral("Pause löschen"));
    remove->setAutoDefault(false);
    m_list = Named(new PauseListWidget, "pauseList");
    // The lines line up their durations in column 9.
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_sorted = Named(new QCheckBox(QStringLiteral("s&ortiert")), "pausesSortedBox");
    m_sorted->setToolTip(QStringLiteral("deaktivieren für Korvanee über mehrere Tage"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Beginn")), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Dauer")), 0, 1);
    layout->addWidget(m_begin, 1, 0);
    layout->addWidget(m_duration, 1, 1);
    layout->addWidget(m_add, 1, 2);
    layout->addWidget(m_list, 2, 0, 1, 2);
    auto* side = new QVBoxLayout;
    side->addWidget(remove);
    side->addStretch();
    side->addWidget(m_sorted);
    layout->addLayout(side, 2, 2);
    layout->setRowStretch(2, 1);

    connect(m_add, &QPushButton::clicked, this, &PausePanel::addBreak);
    connect(remove, &QPushButton::clicked, this, &PausePanel::deleteBreak);
    connect(m_list, &PauseListWidget::lineMoved, this, &PausePanel::moveBreak);
    connect(m_sorted, &QCheckBox::clicked, this, [this](bool sorted) {
        SetBreaksSorted(m_state, sorted);
        emit edited();
    });
}

QLineEdit* PausePanel::timeInput(const char* name, const QString& hint)
{
    auto* input = Named(new QLineEdit(QStringLiteral("00:00")), name);
    input->setToolTip(hint);
    input->setAlignment(Qt::AlignRight);
    input->setMaximumWidth(input->fontMetrics().horizontalAdvance(QStringLiteral("000:000")) + 14);
    // Typing makes "hinzufüg." the button that Enter presses.
    connect(input, &QLineEdit::textEdited, this, [this] { m_add->setDefault(true); });
    connect(input, &QLineEdit::returnPressed, this, [this] {
        if (m_add->isDefault())
            addBreak();
    });
    OnLeave(input, [this, input] {
        input->setText(NormalizeBreakInput(m_state, input->text(), m_prompter));
        emit edited();
    });
    return input;
}

void PausePanel::showBreaks()
{
    const int selected = m_list->currentRow();
    m_list->clear();
    m_list->addItems(m_state.PauseList);
    if (selected < m_list->count())
        m_list->setCurrentRow(selected);
    m_sorted->setChecked(m_state.Settings.PausesSorted);
}

void PausePanel::addBreak()
{
    // The second click of a double-click on "hinzufüg." is no second break.
    const QString inputs = m_begin->text() + u'\n' + m_duration->text();
    if (m_sinceAdd.isValid() && !m_sinceAdd.hasExpired(QApplication::doubleClickInterval()) &&
        inputs == m_addedInputs)
        return;
    // A faulty input is reported here once; the field then holds its normal form.
    for (QLineEdit* input : {m_begin, m_duration})
        input->setText(NormalizeBreakInput(m_state, input->text(), m_prompter));
    m_addedInputs = m_begin->text() + u'\n' + m_duration->text();
    m_sinceAdd.start();
    AddBreak(m_state, m_begin->text(), m_duration->text(), m_prompter);
    m_begin->setFocus();
    emit edited();
}

void PausePanel::deleteBreak()
{
    DeleteBreak(m_state, m_list->currentRow());
    emit edited();
}

void PausePanel::moveBreak(int from, int to)
{
    const int moved = MoveBreak(m_state, from, to);
    emit edited();
    m_list->setCurrentRow(moved);
}
