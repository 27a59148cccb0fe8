#include "ui/TFormErgebniseingabe.h"

#include "model/Limits.h"
#include "results/GridInteraction.h"
#include "ui/HelpTopics.h"
#include "ui/WidgetNames.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* readOnlyField(const char* name)
{
    auto* field = Named(new QLineEdit, name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}
} // namespace

TFormErgebniseingabe::TFormErgebniseingabe(TournamentState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompter(prompter)
{
    setObjectName(QStringLiteral("TFormErgebniseingabe"));
    setWindowTitle(QStringLiteral("Ergebniseingabe"));
    setModal(true);
    SetHelpTopic(this, HelpTopic::ResultEntry);

    m_group = readOnlyField("Edit1");
    m_game = readOnlyField("Edit2");
    m_match = readOnlyField("Edit3");
    m_sets = Named(new QLineEdit, "Edit4");
    m_sets->setMaxLength(Limits::InputTextLength);
    m_sets->setToolTip(QStringLiteral("zB 15:7  8:15  11:15;   0=ergebnis löschen"));
    m_goals = Named(new QLineEdit, "Edit5");
    m_goals->setMaxLength(Limits::InputTextLength);
    m_goals->setToolTip(QStringLiteral("0 = ergebnis löschen, x=Spiel fällt aus"));
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12;
    m_group->setMaximumWidth(numberWidth);
    m_game->setMaximumWidth(numberWidth);
    m_match->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);

    m_setsLabel = Named(new QLabel(QStringLiteral("Sätze")), "LabelSaetze");
    auto* goalsLabel = new QLabel(QStringLiteral("Tore"));
    m_setsLabel->setBuddy(m_sets);
    goalsLabel->setBuddy(m_goals);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Gruppe")), 0, 0);
    fields->addWidget(m_group, 0, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel(QStringLiteral("Spiel Nr")), 0, 2);
    fields->addWidget(m_game, 0, 3, Qt::AlignLeft);
    fields->addWidget(m_match, 1, 0, 1, 4);
    fields->addWidget(m_setsLabel, 2, 0);
    fields->addWidget(m_sets, 2, 1, 1, 3);
    fields->addWidget(goalsLabel, 3, 0);
    fields->addWidget(m_goals, 3, 1, 1, 3);

    m_accept = Named(new QPushButton(QStringLiteral("Ü&bernehmen")), "BtUebernehmen");
    auto* cancel = Named(new QPushButton(QStringLiteral("&abbrechen")), "BtAbbrechen");
    m_accept->setDefault(true);
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_accept);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    for (QLineEdit* field : {m_sets, m_goals}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, field] { setFieldColour(field, 0xFFFFFF); });
    }
    connect(m_accept, &QPushButton::clicked, this, &TFormErgebniseingabe::pressAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormErgebniseingabe::openFor(const ResultEntryRequest& request)
{
    m_outcome = {};
    m_pressed = false;
    m_group->setText(QString::number(request.Group));
    m_game->setText(QString::number(request.Game));
    m_match->setText(request.MatchText);
    m_sets->setText(request.Sets);
    m_goals->setText(request.Goals);

    const ResultEntrySetup setup = m_entry.activate(m_state);
    m_setsLabel->setText(setup.SetsLabel);
    m_sets->setVisible(setup.SetsFieldVisible);
    if (!setup.SetsFieldVisible)
        m_sets->clear();
    m_goals->setVisible(true);
    m_goals->setReadOnly(setup.GoalsReadOnly);
    setFieldColour(m_sets, 0xFFFFFF);
    setFieldColour(m_goals, 0xFFFFFF);
    m_accept->setDefault(true);
    QLineEdit* focusField = setup.FocusOnSets ? m_sets : m_goals;
    focusField->setFocus();
    focusField->selectAll();
    exec();
}

// Enter presses "Ü&bernehmen" at once: a second Enter right after the first must confirm, and
// the animated click of a default button would swallow it.
void TFormErgebniseingabe::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* focusButton = qobject_cast<QPushButton*>(focusWidget());
    if (enter && event->modifiers() == Qt::NoModifier && (!focusButton || focusButton == m_accept)) {
        event->accept();
        pressAccept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormErgebniseingabe::pressAccept()
{
    const ResultEntryOutcome outcome = m_entry.press(m_state, {m_sets->text(), m_goals->text()}, m_prompter);
    m_pressed = true;
    m_outcome.Fields = outcome.Fields;
    m_outcome.CloseDialog = outcome.CloseDialog;
    m_outcome.FieldColour = outcome.FieldColour;
    m_outcome.PatchedCells.insert(m_outcome.PatchedCells.end(), outcome.PatchedCells.begin(),
                                  outcome.PatchedCells.end());
    if (outcome.TimePlanCellText)
        m_outcome.TimePlanCellText = outcome.TimePlanCellText;
    m_sets->setText(outcome.Fields.Sets);
    m_goals->setText(outcome.Fields.Goals);
    setFieldColour(m_sets, outcome.FieldColour);
    setFieldColour(m_goals, outcome.FieldColour);
    if (outcome.CloseDialog)
        QDialog::accept();
}

void TFormErgebniseingabe::setFieldColour(QLineEdit* field, std::uint32_t rgb)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(rgb));
    field->setPalette(palette);
}

bool TFormErgebniseingabe::eventFilter(QObject* watched, QEvent* event)
{
    // Only the user leaves a field; a message box taking the focus for a moment does not.
    if (event->type() == QEvent::FocusOut && (watched == m_sets || watched == m_goals)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_entry.fieldLeft();
    }
    return QDialog::eventFilter(watched, event);
}
