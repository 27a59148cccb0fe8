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
// Answers the next message box by the button with `caption`, after noting every button's text.
void AnswerBox(const QString& caption, QStringList& buttonTexts, QString& title)
{
    QTimer::singleShot(0, [&buttonTexts, &title, caption] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            buttonTexts << button->text();
            if (button->text() == caption)
                chosen = button;
        }
        ASSERT_NE(chosen, nullptr);
        chosen->click();
    });
}
} // namespace

TEST(QtPrompter, QuestionsHaveGermanButtons)
{
    QtPrompter prompter;
    QStringList buttons;
    QString title;
    AnswerBox(QStringLiteral("Nein"), buttons, title);
    EXPECT_EQ(prompter.askYesNo(QStringLiteral("Info"), QStringLiteral("Trotzdem Ende ?")),
              Prompter::Answer::No);
    EXPECT_EQ(title, QStringLiteral("Info"));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));

    buttons.clear();
    AnswerBox(QStringLiteral("Abbrechen"), buttons, title);
    EXPECT_EQ(prompter.askYesNoCancel(QStringLiteral("Warnung"), QStringLiteral("?")),
              Prompter::Answer::Cancel);
    EXPECT_EQ(buttons.size(), 3);

    buttons.clear();
    AnswerBox(QStringLiteral("Ja"), buttons, title);
    EXPECT_EQ(prompter.askYesNo(QStringLiteral("Info"), QStringLiteral("?")), Prompter::Answer::Yes);
}

TEST(QtPrompter, EnterGivesTheDefaultAnswerAndEscapeTheHarmlessOne)
{
    QtPrompter prompter;
    const auto pressOnNextBox = [](Qt::Key key, QStringList* buttonTexts = nullptr) {
        QTimer::singleShot(0, [key, buttonTexts] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons())
                if (buttonTexts)
                    *buttonTexts << button->text();
            QTest::keyClick(box, key);
        });
    };
    using Answer = Prompter::Answer;
    const QString info = QStringLiteral("Info");
    const QString text = QStringLiteral("?");
    pressOnNextBox(Qt::Key_Return);
    EXPECT_EQ(prompter.askYesNo(info, text), Answer::No);
    pressOnNextBox(Qt::Key_Return);
    EXPECT_EQ(prompter.askYesNo(info, text, Answer::Yes), Answer::Yes);
    pressOnNextBox(Qt::Key_Escape);
    EXPECT_EQ(prompter.askYesNo(info, text, Answer::Yes), Answer::No);
    pressOnNextBox(Qt::Key_Return);
    EXPECT_EQ(prompter.askYesNoCancel(info, text), Answer::Cancel);
    pressOnNextBox(Qt::Key_Escape);
    EXPECT_EQ(prompter.askYesNoCancel(info, text, Answer::No), Answer::Cancel);
    QStringList buttons;
    pressOnNextBox(Qt::Key_Return, &buttons);
    EXPECT_EQ(prompter.askSaveDiscardCancel(info, text), Answer::Cancel);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("&Abbrechen"), QStringLiteral("&Speichern"),
                                    QStringLiteral("&Verwerfen")}));
}

TEST(QtPrompter, NoticesHaveAnOkButtonAndTheirCaption)
{
    QtPrompter prompter;
    QStringList buttons;
    QString title;
    AnswerBox(QStringLiteral("OK"), buttons, title);
    prompter.inform(QStringLiteral("Obacht !"), QStringLiteral("Dieser Dateiname ist geschützt"));
    EXPECT_EQ(title, QStringLiteral("Obacht !"));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("OK")});
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
