#include "ui/HelpWindow.h"
#include "UiTestSupport.h"
#include "output/RtfReader.h"
#include "ui/TForm2.h"
#include "ui/TFormErgebniseingabe.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>

namespace {
void rightClick(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(5, 5));
}

// Moves the mouse onto the character at `index` of the help text and presses
// the left button.
void clickCharacter(HelpWindow& help, int index)
{
    auto* text = help.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    QTextCursor cursor(text->document());
    cursor.setPosition(index);
    const QPoint at = text->cursorRect(cursor).center() + QPoint(3, 0);
    QTest::mouseMove(text->viewport(), at);
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, at);
}
} // namespace

TEST_F(MainWindowTest, RightClickAsksForTheTopicOnlyWhileContextHelpIsActive)
{
    launch();
    HelpWindow& help = window->helpWindow();
    auto* contextHelp = find<QCheckBox>("contextHelpBox");
    if (contextHelp->isChecked())
        contextHelp->click();
    ASSERT_FALSE(state->Settings.ContextHelpActive);
    rightClick(find<QGroupBox>("gbDieseRunde"));
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.history().position(), 0);

    contextHelp->click();
    ASSERT_TRUE(state->Settings.ContextHelpActive);
    rightClick(find<QGroupBox>("gbDieseRunde"));
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.helpTopic(), 20);
    EXPECT_EQ(help.history().position(),
              1); // asked once, not once per widget around the box
    rightClick(find<QGroupBox>("gbPausen"));
    EXPECT_EQ(help.helpTopic(), 50);
    auto* text = help.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    EXPECT_EQ(text->textCursor().block().text(), QStringLiteral("Pausen")); // its marker hidden
}

TEST_F(MainWindowTest, RightClicksInTheScheduleWindowAskForTheirTopicsAndMenuHelpFollowsTheBox)
{
    launch();
    auto* contextHelp = find<QCheckBox>("contextHelpBox");
    if (!contextHelp->isChecked())
        contextHelp->click();
    TForm2& schedule = window->scheduleWindow();
    schedule.show();
    auto* menuHelp = schedule.findChild<QLabel*>(QStringLiteral("lbMenuehilfeSpielplaene"));
    ASSERT_NE(menuHelp, nullptr);
    contextHelp->click();
    EXPECT_FALSE(menuHelp->isVisible());
    contextHelp->click();
    QApplication::processEvents(); // the tool bar lays out its widgets later
    EXPECT_TRUE(menuHelp->isVisible());

    auto* bar = schedule.findChild<QToolBar*>(QStringLiteral("speedButtons"));
    const auto speedButton = [&](const char* name) {
        return bar->widgetForAction(schedule.findChild<QAction*>(QLatin1String(name)));
    };
    const std::vector<std::pair<QWidget*, int>> controls = {
        {schedule.centralWidget(), 90},
        {speedButton("sbHauptfenster"), 20},
        {schedule.findChild<QWidget*>(QStringLiteral("StringGrid1")), 100},
        {schedule.findChild<QWidget*>(QStringLiteral("StringGrid3")), 100},
        {schedule.findChild<QWidget*>(QStringLiteral("RBVerweise")), 110},
        {menuHelp, 120},
        {speedButton("sbPruefung"), 120},
        {schedule.findChild<QWidget*>(QStringLiteral("MessageList")), 140},
        {speedButton("sbEinstellungen"), 160},
        {schedule.findChild<TFormErgebniseingabe*>(), 150},
    };
    for (const auto& [control, topic] : controls) {
        ASSERT_NE(control, nullptr) << topic;
        rightClick(control);
        EXPECT_EQ(window->helpWindow().helpTopic(), topic) << control->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, ClickingAReferenceJumpsAndAnOrdinaryWordDoesNot)
{
    launch();
    HelpWindow& help = window->helpWindow();
    help.RequestHelp(200);
    auto* text = help.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    text->setPlainText(QStringLiteral("##20 Runde\nsiehe (#50) oder Pausen\n##50 Pausen"));
    const int reference = int(text->toPlainText().indexOf(QStringLiteral("#50)")));

    clickCharacter(help, reference + 2);
    EXPECT_EQ(help.wordUnderMouse(), QStringLiteral(" (#50)"));
    EXPECT_EQ(text->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(help.helpTopic(), 50);
    EXPECT_EQ(help.history().position(), 2);

    clickCharacter(help, int(text->toPlainText().indexOf(QStringLiteral("Pausen"))) + 2);
    EXPECT_EQ(help.helpTopic(), 50);
    EXPECT_EQ(help.history().position(), 2);
    EXPECT_EQ(text->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowTest, EditedHelpTextAsksOnceOnClosingAndNoKeepsTheFile)
{
    launch();
    const QByteArray before = ReadFileBytes(workFile(QStringLiteral("hb508.rtr")));
    HelpWindow& help = window->helpWindow();
    help.RequestHelp(20);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    auto* text = help.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    text->insertPlainText(QStringLiteral("Schiri-Telefon 0123 "));
    prompter.answer({Prompter::Answer::No});
    help.findChild<QAbstractButton*>(QStringLiteral("btSchliessen"))->click();
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("Sie haben den text der Hilfe geändert. Neuen Text speichern ? ")});
    EXPECT_EQ(ReadFileBytes(workFile(QStringLiteral("hb508.rtr"))), before);
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Schiri-Telefon")));

    help.RequestHelp(20);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    text->insertPlainText(QStringLiteral("Halle 2 "));
    prompter.answer({Prompter::Answer::Yes});
    help.findChild<QAbstractButton*>(QStringLiteral("btSchliessen"))->click();
    // Only the text typed went in: the page, the spacing and the hidden topic markers stay.
    const QByteArray after = ReadFileBytes(workFile(QStringLiteral("hb508.rtr")));
    EXPECT_EQ(after, QByteArray(before).replace("##20 ", "##20 Schiri-Telefon 0123 Halle 2 "));
}

TEST_F(MainWindowTest, StartUpLoadsTheManualAndBackAndForwardWalkTheHistory)
{
    launch();
    HelpWindow& help = window->helpWindow();
    auto* text = help.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    // The topic markers stay in the file and out of sight.
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("\nLigaplan\n")));
    EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("##")));
    for (const int topic : {20, 30, 40})
        help.RequestHelp(topic);
    help.findChild<QAbstractButton*>(QStringLiteral("btZurueck"))->click();
    EXPECT_EQ(help.helpTopic(), 30);
    EXPECT_EQ(text->textCursor().block().text(), QStringLiteral("Alles"));
    help.findChild<QAbstractButton*>(QStringLiteral("btVor"))->click();
    EXPECT_EQ(help.helpTopic(), 40);
    help.findChild<QAbstractButton*>(QStringLiteral("btVor"))->click();
    EXPECT_EQ(help.history().position(), 3);
}
