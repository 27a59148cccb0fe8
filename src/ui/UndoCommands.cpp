#include "ui/UndoCommands.h"

#include "model/TournamentState.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {
const QString UndoCaption = QStringLiteral("&Rückgängig");
const QString RedoCaption = QStringLiteral("&Wiederherstellen");
const QString EditMenuName = QStringLiteral("menuBearbeiten");

// A step's name shows in a menu: its "&" is no accelerator.
QString WithStep(const QString& caption, const QString& label)
{
    if (label.isEmpty())
        return caption;
    return caption + QStringLiteral(": ") + QString(label).replace(u'&', QStringLiteral("&&"));
}
} // namespace

UndoCommands::UndoCommands(TournamentState& state, QObject* parent) : QObject(parent), m_state(state)
{
    m_undo = new QAction(UndoCaption, this);
    m_undo->setObjectName(QStringLiteral("actionUndo"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = new QAction(RedoCaption, this);
    m_redo->setObjectName(QStringLiteral("actionRedo"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_undo, &QAction::triggered, this, &UndoCommands::undo);
    connect(m_redo, &QAction::triggered, this, &UndoCommands::redo);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &UndoCommands::recordWhenIdle);
    reset();
}

void UndoCommands::addToEditMenu(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    auto* menu = bar->findChild<QMenu*>(EditMenuName);
    if (!menu) {
        menu = new QMenu(QStringLiteral("&Bearbeiten"), bar);
        menu->setObjectName(EditMenuName);
        const QList<QAction*> entries = bar->actions();
        bar->insertMenu(entries.size() > 1 ? entries.at(1) : nullptr, menu);
    }
    QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().constFirst();
    menu->insertAction(first, m_undo);
    menu->insertAction(first, m_redo);
    if (first)
        menu->insertSeparator(first);
}

void UndoCommands::reset()
{
    m_history.reset(m_state);
    updateActions();
}

void UndoCommands::markSaved()
{
    m_history.markSaved(m_state);
    updateActions();
}

void UndoCommands::recordPending()
{
    const bool wasSaved = m_state.IsSaved;
    const int steps = m_history.undoCount();
    const bool recorded = m_history.recordIfChanged(m_state);
    if (recorded || steps != m_history.undoCount())
        updateActions();
    if (wasSaved != m_state.IsSaved)
        emit savedStateChanged();
}

// A command that asks something in the middle is not finished yet: its step waits for the end.
void UndoCommands::recordWhenIdle()
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    recordPending();
}

void UndoCommands::undo()
{
    if (!m_history.undo(m_state))
        return;
    updateActions();
    emit restored();
}

void UndoCommands::redo()
{
    if (!m_history.redo(m_state))
        return;
    updateActions();
    emit restored();
}

void UndoCommands::updateActions()
{
    m_undo->setEnabled(m_history.canUndo());
    m_undo->setText(WithStep(UndoCaption, m_history.undoLabel()));
    m_redo->setEnabled(m_history.canRedo());
    m_redo->setText(WithStep(RedoCaption, m_history.redoLabel()));
}
