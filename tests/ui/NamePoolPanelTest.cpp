#include "ui/NamePoolPanel.h"
#include "UiTestSupport.h"
#include "names/NamePool.h"
#include "names/NameTransfer.h"
#include "results/RowTags.h"
#include "ui/GridView.h"
#include "ui/PoolNameDrag.h"
#include "ui/RenameDialog.h"
#include "ui/TForm2.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class NamePoolPanelTest : public ExampleScheduleTest {
protected:
    // The example tournament in the schedule window, in "&Namen" mode.
    void openNames()
    {
        openExample();
        ASSERT_NE(schedule, nullptr);
        part<QRadioButton>("RBNamen")->click();
        list = part<PoolNameList>("LBNamen");
        nameField = part<QLineEdit>("EDNeuerName");
        emailField = part<QLineEdit>("EDEmail");
        ASSERT_TRUE(list && nameField && emailField);
    }
    QString count() const { return part<QLabel>("LBAnzahl")->text(); }
    QStringList marked() const
    {
        QStringList names;
        for (const QListWidgetItem* item : list->selectedItems())
            names << item->text();
        return names;
    }
    void pressItem(int item) const
    {
        list->scrollToItem(list->item(item));
        const QPoint centre = list->visualItemRect(list->item(item)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
    }
    QPoint teamPosition(int group, int number) const
    {
        const TaggedCell cell = cellOf(group, TagKind::KopfMannschaft, number);
        scheduleView->scrollTo(scheduleView->model()->index(cell.row, cell.col));
        return scheduleView->cellRect(cell.col, cell.row).center();
    }
    // A drag from the list ends over `target` (viewport coordinates) of `receiver`.
    void dropDraggedName(QWidget* receiver, QPoint target) const
    {
        std::unique_ptr<QMimeData> data(list->dragData());
        ASSERT_NE(data, nullptr);
        QDragEnterEvent enter(target, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(receiver, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(target, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(receiver, &drop);
        ASSERT_TRUE(drop.isAccepted());
    }

    PoolNameList* list = nullptr;
    QLineEdit* nameField = nullptr;
    QLineEdit* emailField = nullptr;
};

TEST_F(NamePoolPanelTest, NamesAreAddedOnceSortedRemovedAndMarkedWhenUsed)
{
    openNames();
    EXPECT_EQ(ListLines(list), state->NameList);
    const auto usedCount = [this] { return int(MarkUsedNames(*state).count(true)); };
    ASSERT_GT(usedCount(), 0);
    EXPECT_EQ(marked().size(), usedCount());

    TypeInto(emailField, QStringLiteral("anker@club.de"));
    TypeAndEnter(nameField, QStringLiteral("Anker"));
    const QString anker = QStringLiteral("Anker");
    EXPECT_EQ(ListLines(list).last(), anker);
    EXPECT_EQ(state->NamePool[19],
              (NamePoolEntry{anker, QStringLiteral("anker@club.de"), QStringLiteral("0")}));
    EXPECT_EQ(count(), QStringLiteral("19"));
    EXPECT_FALSE(marked().contains(anker));
    EXPECT_FALSE(state->IsSaved);

    nameField->setText(state->NameList[0]); // keyClicks types ASCII only
    part<QPushButton>("BTHinzufuegen")->click();
    EXPECT_EQ(prompter.texts(), QStringList{PoolText::Duplicate});

    schedule->findChild<QCheckBox*>(QStringLiteral("CBSortiert"))->click();
    QStringList sorted = ListLines(list);
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(ListLines(list), sorted);
    TypeAndEnter(nameField, QStringLiteral("Birke"));
    EXPECT_EQ(ListLines(list), sorted.mid(0, 1) + QStringList{"Birke"} + sorted.mid(1));

    // "&löschen" removes every marked name; the last one removed is ready to correct.
    list->clearSelection();
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    part<QPushButton>("BTLoeschen")->click();
    EXPECT_EQ(ListLines(list), sorted.mid(1));
    EXPECT_EQ(nameField->text(), QStringLiteral("Birke"));
    EXPECT_EQ(marked().size(), usedCount());
}

TEST_F(NamePoolPanelTest, ANameDraggedOntoATeamPositionReplacesItsReferral)
{
    openNames();
    ASSERT_EQ(state->ReferralTable[5][2].FromGroup, 2);
    TypeAndEnter(nameField, QStringLiteral("Gastmannschaft"));
    const int last = list->count() - 1;

    // Reordering inside the list: the new name goes to the top and keeps its entry.
    pressItem(last);
    EXPECT_EQ(list->draggedIndex(), last);
    dropDraggedName(list->viewport(), list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(ListLines(list).first(), QStringLiteral("Gastmannschaft"));
    EXPECT_EQ(state->NamePool[1].Name, QStringLiteral("Gastmannschaft"));

    pressItem(0);
    dropDraggedName(scheduleView->viewport(), teamPosition(5, 2));
    EXPECT_EQ(state->NameTable[5][2], QStringLiteral("Gastmannschaft"));
    EXPECT_EQ(state->ReferralTable[5][2], Referral{});
    EXPECT_EQ(shownText(cellOf(5, TagKind::KopfMannschaft, 2)), QStringLiteral("2) Gastmannschaft"));
    EXPECT_TRUE(marked().contains(QStringLiteral("Gastmannschaft")));

    // The same without dragging: a name of the list, a click on the position, "Zuweisen".
    pressItem(1);
    const QString chosen = list->item(1)->text();
    clickCell(scheduleView, cellOf(5, TagKind::KopfMannschaft, 3));
    part<QPushButton>("BTZuweisen")->click();
    EXPECT_EQ(state->NameTable[5][3], chosen);
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(u'\n').toStdString();
}

TEST_F(NamePoolPanelTest, ImportReadsAFileAndExportCopiesTheNames)
{
    openNames();
    const QString path = workFile(QStringLiteral("namen.txt"));
    ASSERT_TRUE(WriteFileBytes(path, "Eintracht Nord\tnord@club.de\r\nL\x94wen,loewen@club.de\r\nSolo\r\n"));
    files.answer(path);
    part<QPushButton>("BTImport")->click();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Es wurden 3 Namen eingeladen.")});
    EXPECT_EQ(ListLines(list).mid(18), (QStringList{"Eintracht Nord", "Löwen", "Solo"}));
    EXPECT_EQ(count(), QStringLiteral("21"));
    EXPECT_TRUE(state->RememberedFileName.isEmpty());

    part<QPushButton>("BTExport")->click();
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_EQ(text, NamePoolExportText(*state));
    EXPECT_EQ(prompter.texts().last(), PoolText::Exported);
}

TEST_F(NamePoolPanelTest, TheRenameDialogTakesATypedOrAPoolNameForOnePosition)
{
    openNames();
    ASSERT_EQ(state->ReferralTable[5][1].FromGroup, 1);
    const QString poolName = state->NameList[0];

    WhenDialogShows<RenameDialog>([poolName](RenameDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("EDName"));
        auto* hint = dialog->findChild<QLabel*>(QStringLiteral("LBHinweis"));
        EXPECT_EQ(hint->text(), QStringLiteral("Hinweis: Name nicht in Namensliste"));
        auto* pool = dialog->findChild<QListWidget*>(QStringLiteral("LBNamensliste"));
        if (pool->count() != 18) {
            ADD_FAILURE() << "pool list of " << pool->count();
            dialog->reject();
            return;
        }
        // An item view takes a double-click only after the press of a first click.
        const QPoint first = pool->visualItemRect(pool->item(0)).center();
        QTest::mouseClick(pool->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(pool->viewport(), Qt::LeftButton, {}, first);
        EXPECT_EQ(name->text(), poolName);
        EXPECT_EQ(hint->text(), QStringLiteral("Hinweis: Name in Namensliste vorhanden"));
        TypeInto(name, QStringLiteral("Titelverteidiger"));
        dialog->findChild<QCheckBox*>(QStringLiteral("CBVerweiseLoeschen"))->setChecked(false);
        QTest::keyClick(name, Qt::Key_Return); // "ä&ndern" is the default button
    });
    clickCell(scheduleView, cellOf(5, TagKind::KopfMannschaft, 1), true);
    EXPECT_EQ(state->NameTable[5][1], QStringLiteral("Titelverteidiger"));
    EXPECT_EQ(state->ReferralTable[5][1].FromGroup, 1);
    EXPECT_EQ(shownText(cellOf(5, TagKind::KopfMannschaft, 1)), QStringLiteral("1) Titelverteidiger"));
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(u'\n').toStdString();
}
