#include "ui/QtPrompter.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

namespace {
// The symbol follows what the caption announces; questions always show the question mark.
QMessageBox::Icon noticeIcon(const QString& caption)
{
    if (caption == QLatin1String("Fehler"))
        return QMessageBox::Critical;
    if (caption == QLatin1String("Obacht !") || caption == QLatin1String("Warnung"))
        return QMessageBox::Warning;
    return QMessageBox::Information;
}

// A visible main window of the program, for the moments when no window is active (right after a
// file dialog closed, or while the window manager moves the focus).
QWidget* visibleMainWindow()
{
    QWidget* fallback = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || !widget->isWindow())
            continue;
        if (qobject_cast<QMainWindow*>(widget))
            return widget;
        if (!fallback)
            fallback = widget;
    }
    return fallback;
}

QWidget* boxParent(QWidget* parent)
{
    if (parent)
        return parent;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return visibleMainWindow();
}

struct ButtonText {
    QMessageBox::StandardButton button;
    QString text;
};

Prompter::Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
    case QMessageBox::Save:
        return Prompter::Answer::Yes;
    case QMessageBox::Cancel:
        return Prompter::Answer::Cancel;
    default:
        return Prompter::Answer::No;
    }
}

// Escape gives Cancel when the box has it, else No; Enter gives `defaultAnswer`.
Prompter::Answer ask(QWidget* parent, const QString& caption, const QString& text,
                     const std::initializer_list<ButtonText>& buttons, Prompter::Answer defaultAnswer)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, boxParent(parent));
    QPushButton* escape = nullptr;
    for (const ButtonText& button : buttons) {
        QPushButton* pushButton = box.addButton(button.button);
        pushButton->setText(button.text);
        const Prompter::Answer answer = answerOf(button.button);
        if (answer == defaultAnswer)
            box.setDefaultButton(pushButton);
        if (answer == Prompter::Answer::Cancel || (answer == Prompter::Answer::No && !escape))
            escape = pushButton;
    }
    box.setEscapeButton(escape);
    return answerOf(box.exec());
}
} // namespace

QtPrompter::QtPrompter(QWidget* parent) : m_parent(parent) {}

Prompter::Answer QtPrompter::askYesNo(const QString& caption, const QString& text, Answer defaultAnswer)
{
    return ask(m_parent, caption, text,
               {{QMessageBox::Yes, QStringLiteral("Ja")}, {QMessageBox::No, QStringLiteral("Nein")}},
               defaultAnswer);
}

Prompter::Answer QtPrompter::askYesNoCancel(const QString& caption, const QString& text, Answer defaultAnswer)
{
    return ask(m_parent, caption, text,
               {{QMessageBox::Yes, QStringLiteral("Ja")},
                {QMessageBox::No, QStringLiteral("Nein")},
                {QMessageBox::Cancel, QStringLiteral("Abbrechen")}},
               defaultAnswer);
}

Prompter::Answer QtPrompter::askSaveDiscardCancel(const QString& caption, const QString& text)
{
    return ask(m_parent, caption, text,
               {{QMessageBox::Save, QStringLiteral("&Speichern")},
                {QMessageBox::Discard, QStringLiteral("&Verwerfen")},
                {QMessageBox::Cancel, QStringLiteral("&Abbrechen")}},
               Answer::Cancel);
}

Prompter::Answer QtPrompter::askRestoreLaterDiscard(const QString& caption, const QString& text)
{
    return ask(m_parent, caption, text,
               {{QMessageBox::Yes, QStringLiteral("&Wiederherstellen")},
                {QMessageBox::Cancel, QStringLiteral("&Später")},
                {QMessageBox::Discard, QStringLiteral("&Verwerfen")}},
               Answer::Cancel);
}

void QtPrompter::inform(const QString& caption, const QString& text)
{
    QMessageBox box(noticeIcon(caption), caption, text, QMessageBox::NoButton, boxParent(m_parent));
    box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}
