#include "ui/HelpWindow.h"
#include "UiTestSupport.h"
#include "ui/TForm2.h"
#include "ui/TFormErgebniseingabe.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>

namespace {
void RightClick(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(5, 5));
}

QTextEdit* HelpText(HelpWindow& help)
{
    return help.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
}
} // namespace

TEST_F(MainWindowTest, RightClicksAskForTheirTopicsOnlyWhileContextHelpIsActiveInBothWindows)
{
    launch();
    HelpWindow& help = window->helpWindow();
    auto* contextHelp = find<QCheckBox>("contextHelpBox");
    if (contextHelp->isChecked())
        contextHelp->click();
    RightClick(find<QGroupBox>("gbDieseRunde"));
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.history().position(), 0);

    contextHelp->click();
    RightClick(find<QGroupBox>("gbDieseRunde"));
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.helpTopic(), 20);
    EXPECT_EQ(help.history().position(), 1); // asked once, not once per widget around the box
    RightClick(find<QGroupBox>("gbPausen"));
    EXPECT_EQ(help.helpTopic(), 50);
    EXPECT_EQ(HelpText(help)->textCursor().block().text(), QStringLiteral("Pausen")); // its marker hidden

    // The schedule window's menu help follows the box.
    TForm2& schedule = window->scheduleWindow();
    schedule.show();
    auto* menuHelp = schedule.findChild<QLabel*>(QStringLiteral("lbMenuehilfeSpielplaene"));
    ASSERT_NE(menuHelp, nullptr);
    for (const bool shown : {false, true}) {
        contextHelp->click();
        QApplication::processEvents(); // the tool bar lays out its widgets later
        EXPECT_EQ(menuHelp->isVisible(), shown);
    }
    auto* bar = schedule.findChild<QToolBar*>(QStringLiteral("speedButtons"));
    const std::vector<std::pair<QWidget*, int>> controls = {
        {schedule.centralWidget(), 90},
        {bar->widgetForAction(schedule.findChild<QAction*>(QStringLiteral("sbHauptfenster"))), 20},
        {schedule.findChild<QWidget*>(QStringLiteral("StringGrid1")), 100},
        {schedule.findChild<TFormErgebniseingabe*>(), 150},
    };
    for (const auto& [control, topic] : controls) {
        ASSERT_NE(control, nullptr) << topic;
        RightClick(control);
        EXPECT_EQ(help.helpTopic(), topic) << control->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, AClickedReferenceLeadsToItsTopicAndBackWalksTheHistory)
{
    launch();
    HelpWindow& help = window->helpWindow();
    QTextEdit* text = HelpText(help);
    for (const int topic : {20, 30, 40})
        help.RequestHelp(topic);
    help.findChild<QAbstractButton*>(QStringLiteral("btZurueck"))->click();
    EXPECT_EQ(help.helpTopic(), 30);

    // Which words lead where is the help text's own test.
    text->setPlainText(QStringLiteral("##20 Runde\nsiehe (#50) oder Pausen\n##50 Pausen"));
    // The mouse onto the reference, then a click.
    QTextCursor reference(text->document());
    reference.setPosition(int(text->toPlainText().indexOf(QStringLiteral("#50)"))) + 2);
    const QPoint at = text->cursorRect(reference).center() + QPoint(3, 0);
    QTest::mouseMove(text->viewport(), at);
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(text->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(help.helpTopic(), 50);
}

TEST_F(MainWindowTest, EditedHelpTextAsksOnceOnClosingAndNoKeepsTheFile)
{
    launch();
    const QByteArray before = ReadFileBytes(workFile(QStringLiteral("hb508.rtr")));
    HelpWindow& help = window->helpWindow();
    help.RequestHelp(20);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    HelpText(help)->insertPlainText(QStringLiteral("Schiri-Telefon 0123 "));
    prompter.answer({Prompter::Answer::No});
    help.findChild<QAbstractButton*>(QStringLiteral("btSchliessen"))->click();
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("Sie haben den text der Hilfe geändert. Neuen Text speichern ? ")});
    EXPECT_EQ(ReadFileBytes(workFile(QStringLiteral("hb508.rtr"))), before);

    help.RequestHelp(20);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    HelpText(help)->insertPlainText(QStringLiteral("Halle 2 "));
    prompter.answer({Prompter::Answer::Yes});
    help.findChild<QAbstractButton*>(QStringLiteral("btSchliessen"))->click();
    // Only the text typed went in: the page, the spacing and the hidden topic markers stay.
    EXPECT_EQ(ReadFileBytes(workFile(QStringLiteral("hb508.rtr"))),
              QByteArray(before).replace("##20 ", "##20 Schiri-Telefon 0123 Halle 2 "));
}
