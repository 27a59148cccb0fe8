#include "ui/TFormErgebniseingabe.h"

#include "model/TournamentState.h"
#include "results/GridInteraction.h"
#include "ui/HelpTopics.h"
#include "ui/WidgetNames.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

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
    SetHelpTopic(this, HelpTopic::ResultEntry);

    m_group = readOnlyField("Edit1");
    m_gameNumber = readOnlyField("Edit2");
    m_match = readOnlyField("Edit3");
    m_sets = Named(new QLineEdit, "Edit4");
    m_sets->setToolTip(QStringLiteral("zB 15:7  8:15  11:15;   0=ergebnis löschen"));
    m_goals = Named(new QLineEdit, "Edit5");
    m_goals->setToolTip(QStringLiteral("0 = ergebnis löschen, x=Spiel fällt aus"));
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12;
    m_group->setMaximumWidth(numberWidth);
    m_gameNumber->setMaximumWidth(numberWidth);
    m_match->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);

    m_setsLabel = Named(new QLabel(QStringLiteral("Sätze")), "LabelSaetze");
    auto* goalsLabel = new QLabel(QStringLiteral("Tore"));
    m_setsLabel->setBuddy(m_sets);
    goalsLabel->setBuddy(m_goals);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Gruppe")), 0, 0);
    fields->addWidget(m_group, 0, 1, Qt::AlignLeft);
    fields->addWidget(new QLabel(QStringLiteral("Spiel Nr")), 0, 2);
    fields->addWidget(m_gameNumber, 0, 3, Qt::AlignLeft);
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
        connect(field, &QLineEdit::textEdited, this,
                [this, field] { setFieldColour(field, ResultEntry::UnarmedColour); });
    }
    connect(m_accept, &QPushButton::clicked, this, &TFormErgebniseingabe::pressAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormErgebniseingabe::openFor(const ResultEntryRequest& request)
{
    m_outcome = {};
    m_pressed = false;
    fill(request);
    show();
    takeFocus();
    // An event loop of its own instead of a modal one: the grids must still take a click.
    QEventLoop loop;
    m_loop = &loop;
    const QMetaObject::Connection closed = connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    qApp->installEventFilter(this);
    loop.exec(QEventLoop::DialogExec);
    qApp->removeEventFilter(this);
    disconnect(closed);
    m_loop = nullptr;
}

void TFormErgebniseingabe::switchTo(const ResultEntryRequest& request)
{
    fill(request);
    takeFocus();
}

void TFormErgebniseingabe::takeFocus()
{
    raise();
    activateWindow();
    QLineEdit* focusField = m_sets->isVisible() ? m_sets : m_goals;
    focusField->setFocus();
    focusField->selectAll();
}

void TFormErgebniseingabe::fill(const ResultEntryRequest& request)
{
    m_game = {m_state.SelectedGroup, m_state.SelectedNumber, m_state.SelectedTagKind, m_state.SelectedCol,
              m_state.SelectedRow};
    m_group->setText(QString::number(request.Group));
    m_gameNumber->setText(QString::number(request.Game));
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
    setFieldColour(m_sets, ResultEntry::UnarmedColour);
    setFieldColour(m_goals, ResultEntry::UnarmedColour);
    m_accept->setDefault(true);
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
    // Clicks into the grid while the dialog was open may have moved the selection elsewhere.
    m_state.SelectedGroup = m_game.Group;
    m_state.SelectedNumber = m_game.Number;
    m_state.SelectedTagKind = m_game.TagKind;
    m_state.SelectedCol = m_game.Col;
    m_state.SelectedRow = m_game.Row;
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
    if (isOpen() && blocksInput(watched, event)) {
        // An accepted shortcut override keeps the shortcut from firing; an ignored close keeps
        // the window open.
        event->setAccepted(event->type() != QEvent::Close);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TFormErgebniseingabe::blocksInput(QObject* watched, QEvent* event) const
{
    bool mouse = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        mouse = true;
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::Close:
        break;
    default:
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget == this || isAncestorOf(widget))
        return false;
    // A message box of the dialog, or a popup menu of its fields.
    for (QWidget* own : {QApplication::activeModalWidget(), QApplication::activePopupWidget()})
        if (own && (own == widget || own->isAncestorOf(widget)))
            return false;
    if (event->type() == QEvent::Close)
        return widget->isWindow();
    const bool inClickableArea =
        std::any_of(m_clickableAreas.begin(), m_clickableAreas.end(),
                    [widget](const QWidget* area) { return area == widget || area->isAncestorOf(widget); });
    return !(mouse && inClickableArea);
}
