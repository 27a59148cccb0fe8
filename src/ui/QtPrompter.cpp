#include "ui/QtPrompter.h"

#include <QApplication>
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

QWidget* boxParent(QWidget* parent)
{
    if (parent)
        return parent;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QPushButton* addGermanButton(QMessageBox& box, QMessageBox::StandardButton button, const QString& text)
{
    QPushButton* pushButton = box.addButton(button);
    pushButton->setText(text);
    return pushButton;
}

enum class Buttons { YesNo, YesNoDefaultNo, YesNoCancel };

Prompter::Answer ask(QWidget* parent, const QString& caption, const QString& text, Buttons buttons)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, boxParent(parent));
    addGermanButton(box, QMessageBox::Yes, QStringLiteral("Ja"));
    QPushButton* no = addGermanButton(box, QMessageBox::No, QStringLiteral("Nein"));
    if (buttons == Buttons::YesNoCancel) {
        QPushButton* cancel = addGermanButton(box, QMessageBox::Cancel, QStringLiteral("Abbrechen"));
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(no);
    }
    box.setDefaultButton(buttons == Buttons::YesNoDefaultNo ? QMessageBox::No : QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Prompter::Answer::Yes;
    case QMessageBox::Cancel:
        return Prompter::Answer::Cancel;
    default:
        return Prompter::Answer::No;
    }
}
} // namespace

QtPrompter::QtPrompter(QWidget* parent) : m_parent(parent) {}

Prompter::Answer QtPrompter::askYesNo(const QString& caption, const QString& text)
{
    return ask(m_parent, caption, text, Buttons::YesNo);
}

Prompter::Answer QtPrompter::askYesNoDefaultNo(const QString& caption, const QString& text)
{
    return ask(m_parent, caption, text, Buttons::YesNoDefaultNo);
}

Prompter::Answer QtPrompter::askYesNoCancel(const QString& caption, const QString& text)
{
    return ask(m_parent, caption, text, Buttons::YesNoCancel);
}

void QtPrompter::inform(const QString& caption, const QString& text)
{
    QMessageBox box(noticeIcon(caption), caption, text, QMessageBox::NoButton, boxParent(m_parent));
    addGermanButton(box, QMessageBox::Ok, QStringLiteral("OK"));
    box.exec();
}
