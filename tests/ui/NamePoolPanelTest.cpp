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

TEST_F(NamePoolPanelTest, NamesAreAddedSortedRemovedAndMarkedWhenUsed)
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
    EXPECT_EQ(part<QLabel>("LBAnzahl")->text(), QStringLiteral("19"));
    EXPECT_FALSE(state->IsSaved);

    // The order and what goes are the pool's own tests; here the list follows them.
    schedule->findChild<QCheckBox*>(QStringLiteral("CBSortiert"))->click();
    EXPECT_EQ(ListLines(list).first(), anker);
    list->clearSelection();
    list->item(0)->setSelected(true);
    part<QPushButton>("BTLoeschen")->click();
    EXPECT_FALSE(ListLines(list).contains(anker));
    EXPECT_EQ(nameField->text(), anker); // ready to correct
    EXPECT_EQ(marked().size(), usedCount());
}

TEST_F(NamePoolPanelTest, ANameDraggedOntoATeamPositionReplacesItsReferral)
{
    openNames();
    ASSERT_EQ(state->ReferralTable[5][2].FromGroup, 2);
    TypeAndEnter(nameField, QStringLiteral("Gastmannschaft"));

    // Reordering inside the list is the pool's own test; the drag reaches the grid.
    pressItem(list->count() - 1);
    const TaggedCell position = cellOf(5, TagKind::KopfMannschaft, 2);
    scheduleView->scrollTo(scheduleView->model()->index(position.row, position.col));
    dropDraggedName(scheduleView->viewport(), scheduleView->cellRect(position.col, position.row).center());
    EXPECT_EQ(state->NameTable[5][2], QStringLiteral("Gastmannschaft"));
    EXPECT_EQ(shownText(cellOf(5, TagKind::KopfMannschaft, 2)), QStringLiteral("2) Gastmannschaft"));

    // The same without dragging: a name of the list, a click on the position, "Zuweisen".
    pressItem(1);
    const QString chosen = list->item(1)->text();
    clickCell(scheduleView, cellOf(5, TagKind::KopfMannschaft, 3));
    part<QPushButton>("BTZuweisen")->click();
    EXPECT_EQ(state->NameTable[5][3], chosen);
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(u'\n').toStdString();
}

TEST_F(NamePoolPanelTest, TheRenameDialogTakesATypedOrAPoolNameForOnePosition)
{
    openNames();
    ASSERT_EQ(state->ReferralTable[5][1].FromGroup, 1);
    const QString poolName = state->NameList[0];

    WhenDialogShows<RenameDialog>([poolName](RenameDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("EDName"));
        auto* hint = dialog->findChild<QLabel*>(QStringLiteral("LBHinweis"));
        auto* pool = dialog->findChild<QListWidget*>(QStringLiteral("LBNamensliste"));
        if (pool->count() == 0)
            return dialog->reject(); // the name stays, and the test fails below
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
