#include "ui/QtPrompter.h"
#include "support/GTestQt.h"
#include "ui/FileChooser.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {
using Answer = Prompter::Answer;
const QString Caption = QStringLiteral("Obacht !");

// Answers the box that `ask` shows by the button with the text `press`, or by the key Return or
// Escape; `buttons` gets the texts of the box's buttons, sorted.
Answer Answering(const QString& press, const std::function<Answer()>& ask, QStringList* buttons = nullptr)
{
    QTimer::singleShot(0, [press, buttons] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), Caption);
        for (QAbstractButton* button : box->buttons()) {
            if (buttons)
                *buttons << button->text();
            if (button->text() == press)
                button->click();
        }
        if (press == QStringLiteral("Return") || press == QStringLiteral("Escape"))
            QTest::keyClick(box, press == QStringLiteral("Return") ? Qt::Key_Return : Qt::Key_Escape);
    });
    const Answer answer = ask();
    if (buttons)
        buttons->sort();
    return answer;
}
} // namespace

// German buttons; Enter gives the default answer (the one that keeps the data), Escape the harmless one.
TEST(QtPrompter, QuestionsHaveGermanButtonsEnterGivesTheDefaultAndEscapeTheHarmlessAnswer)
{
    QtPrompter prompter;
    const QString text = QStringLiteral("?");
    QStringList buttons;
    EXPECT_EQ(Answering(
                  QStringLiteral("Nein"), [&] { return prompter.askYesNo(Caption, text); }, &buttons),
              Answer::No);
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    EXPECT_EQ(Answering(QStringLiteral("Return"), [&] { return prompter.askYesNo(Caption, text); }),
              Answer::No);
    EXPECT_EQ(
        Answering(QStringLiteral("Return"), [&] { return prompter.askYesNo(Caption, text, Answer::Yes); }),
        Answer::Yes);
    EXPECT_EQ(
        Answering(QStringLiteral("Escape"), [&] { return prompter.askYesNo(Caption, text, Answer::Yes); }),
        Answer::No);
    EXPECT_EQ(Answering(QStringLiteral("Return"), [&] { return prompter.askYesNoCancel(Caption, text); }),
              Answer::Cancel);
    EXPECT_EQ(Answering(QStringLiteral("Escape"),
                        [&] { return prompter.askYesNoCancel(Caption, text, Answer::No); }),
              Answer::Cancel);
    buttons.clear();
    EXPECT_EQ(
        Answering(
            QStringLiteral("Return"), [&] { return prompter.askSaveDiscardCancel(Caption, text); }, &buttons),
        Answer::Cancel);
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("&Abbrechen"), QStringLiteral("&Speichern"),
                                    QStringLiteral("&Verwerfen")}));
    // Notices, closed each way a user does, are the exit flow's (with real boxes).
}

TEST(QtFileFilter, PipeFilterBecomesQtFilter)
{
    EXPECT_EQ(QtFileFilter(QStringLiteral("Korvaneaufstellung (*.auf)|*.auf|Alle Dateien (*.*)|*.*")),
              QStringLiteral("Korvaneaufstellung (*.auf);;Alle Dateien (*.*)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("Texte|*.txt;*.csv")), QStringLiteral("Texte (*.txt *.csv)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("HTML-Dateien (*.htm, *.html)|*.htm;*.html")),
              QStringLiteral("HTML-Dateien (*.htm *.html)"));
    EXPECT_EQ(QtFileFilter(QString()), QString());
}
