#include "model/UndoHistory.h"
#include "allocation/Allocation.h"
#include "allocation/AllocationOutput.h"
#include "help/SettingsAcceptance.h"
#include "model/Prompter.h"
#include "model/TournamentFile.h"
#include "model/TournamentState.h"
#include "model/TournamentStorage.h"
#include "names/NamePlacement.h"
#include "names/NamePool.h"
#include "results/ResultApply.h"
#include "results/ScheduleGrid.h"
#include "structure/GroupDialogs.h"
#include "structure/PairingTable.h"
#include "structure/Referrals.h"
#include "structure/RoundNavigation.h"
#include "structure/ScoringOptions.h"
#include "structure/TimeFrameEdits.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
// Says yes to every question, as an organiser who means what they clicked.
class AgreeingPrompter : public Prompter {
public:
    Answer askYesNo(const QString&, const QString&, Answer) override { return Answer::Yes; }
    Answer askYesNoCancel(const QString&, const QString&, Answer) override { return Answer::Yes; }
    void inform(const QString&, const QString&) override {}
};

class UndoHistoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_state.Pairings = BuildPairingTable();
        ASSERT_TRUE(LoadTournament(m_state, ExampleTournamentFile(), m_prompter));
        // The windows show a loaded tournament at once; the history starts from what they show.
        RenderScheduleGrid(m_state);
        RenderScheduleGrid(m_state);
        m_history.reset(m_state);
    }

    QByteArray file() const { return WriteTournamentFile(m_state); }
    // What undo leaves is shown the way a loaded file is.
    QByteArray fileAfter(bool (UndoHistory::*step)(TournamentState&))
    {
        EXPECT_TRUE((m_history.*step)(m_state));
        RenderScheduleGrid(m_state);
        RenderScheduleGrid(m_state);
        return file();
    }
    void step(int number)
    {
        SetTournamentName(m_state, QStringLiteral("Pokal %1").arg(number));
        m_state.ChangeIsTyping = false;
        ASSERT_TRUE(m_history.recordIfChanged(m_state));
    }

    std::unique_ptr<TournamentState> m_owned = std::make_unique<TournamentState>();
    TournamentState& m_state = *m_owned;
    AgreeingPrompter m_prompter;
    UndoHistory m_history;
};
} // namespace

TEST_F(UndoHistoryTest, EveryKindOfChangeIsOneStepThatUndoAndRedoGiveBackByteForByte)
{
    AllocationOutput allocation;
    const int firstGroup = 1;
    const int lastGroup = TotalGroups(m_state);
    ASSERT_GE(m_state.RoundCount, 2) << "the example has a later round to refer into";
    struct Case {
        const char* label;
        std::function<void()> change;
    };
    const std::vector<Case> cases{
        {"Ergebnis 7:5 ",
         [&] {
             StoreGameResult(m_state, {firstGroup, 1, QString(), 0, 0, 7, 5}, m_prompter);
         }},
        {"neue Gruppe Nachzügler",
         [&] {
             AddNewGroups(m_state, {QStringLiteral("1"), QStringLiteral("Nachzügler")}, m_prompter);
         }},
        {" gelöscht", [&] { DeleteGroupFromDialog(m_state, lastGroup, m_prompter); }},
        {"Fritz auf Platz 2",
         [&] { RenamePosition(m_state, firstGroup, 2, QStringLiteral("Fritz"), true, m_prompter); }},
        {"Verweis 3. ",
         [&] {
             StartReferral(m_state, firstGroup, 3);
             CompleteReferral(m_state, FirstGroupOfRound(m_state, 2), 2, m_prompter);
         }},
        {"Pause hinzugefügt",
         [&] { AddBreak(m_state, QStringLiteral("12:00"), QStringLiteral("30"), m_prompter); }},
        {"3-Punkte-System", [&] { SetPointsSystem(m_state, 3); }},
        {"Spielplätze", [&] { AddField(m_state); }},
        {"Spiellänge 13 min", [&] { SetGameLength(m_state, QStringLiteral("13"), m_prompter); }},
        {"Einstellungen", [&] { AcceptSettings(m_state, QStringLiteral("77"), m_prompter); }},
        {"Neuling in den Namenspool",
         [&] { AddPoolName(m_state, QStringLiteral("Neuling"), QString(), true, m_prompter); }},
        {"Platzverteilung berechnet", [&] { RunAllocation(m_state, allocation, m_prompter, {}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const QByteArray before = file();
        c.change();
        RenderScheduleGrid(m_state);
        const QByteArray after = file();
        ASSERT_TRUE(after != before);
        ASSERT_TRUE(m_history.recordIfChanged(m_state));
        EXPECT_TRUE(m_history.undoLabel().contains(QString::fromUtf8(c.label)))
            << m_history.undoLabel().toStdString();
        EXPECT_FALSE(m_state.IsSaved);
        EXPECT_EQ(fileAfter(&UndoHistory::undo), before);
        EXPECT_EQ(fileAfter(&UndoHistory::redo), after);
    }
    // Back through every step to the loaded file, which shows saved again.
    while (m_history.canUndo())
        ASSERT_TRUE(m_history.undo(m_state));
    EXPECT_EQ(file(), FileContents(ExampleTournamentFile()));
    EXPECT_TRUE(m_state.IsSaved);
}

TEST_F(UndoHistoryTest, TheSavedMarkFollowsUndoAndRedoAndIsLostWhenANewStepReplacesIt)
{
    step(1);
    m_history.markSaved(m_state);
    step(2);
    struct Move {
        bool (UndoHistory::*command)(TournamentState&);
        bool saved;
    };
    for (const Move move : {Move{&UndoHistory::undo, true}, Move{&UndoHistory::undo, false},
                            Move{&UndoHistory::redo, true}, Move{&UndoHistory::redo, false}}) {
        ASSERT_TRUE((m_history.*move.command)(m_state));
        EXPECT_EQ(m_state.IsSaved, move.saved) << m_history.undoCount();
    }
    // A change that gives back the saved file is no step, and shows saved.
    m_history.undo(m_state);
    SetTournamentName(m_state, QStringLiteral("Pokal 1"));
    EXPECT_FALSE(m_history.recordIfChanged(m_state));
    EXPECT_TRUE(m_state.IsSaved);
    // A new step after undoing past the saved file: redo is gone, and so is the way back to it.
    m_history.undo(m_state);
    step(3);
    EXPECT_FALSE(m_history.canRedo());
    EXPECT_FALSE(m_history.undo(m_state) && m_state.IsSaved);
    EXPECT_FALSE(m_state.IsSaved);
}

TEST_F(UndoHistoryTest, KeepsTheLastHundredStepsAndNoMore)
{
    const QByteArray atThirty = [this] {
        for (int number = 1; number <= 30; ++number)
            step(number);
        return file();
    }();
    for (int number = 31; number <= 130; ++number)
        step(number);
    EXPECT_EQ(m_history.undoCount(), UndoHistory::DefaultCapacity);
    for (int undone = 0; undone < UndoHistory::DefaultCapacity; ++undone)
        ASSERT_TRUE(m_history.undo(m_state));
    EXPECT_FALSE(m_history.undo(m_state));
    EXPECT_EQ(file(), atThirty);
    EXPECT_FALSE(m_state.IsSaved) << "the saved file fell out of the history";
}

TEST_F(UndoHistoryTest, AGroupedStepAndATypedTextAreOneStepEach)
{
    const QByteArray before = file();
    {
        UndoStepScope wizard(m_history, m_state, QStringLiteral("Turnier-Assistent"));
        AddField(m_state);
        EXPECT_FALSE(m_history.recordIfChanged(m_state)) << "nothing is recorded while the step is open";
        UndoStepScope inner(m_history, m_state, QStringLiteral("innen"));
        SetPointsSystem(m_state, 3);
    }
    EXPECT_EQ(m_history.undoCount(), 1);
    EXPECT_EQ(m_history.undoLabel(), QStringLiteral("Turnier-Assistent"));

    for (const QString& typed : {QStringLiteral("P"), QStringLiteral("Po"), QStringLiteral("Pok")}) {
        SetTournamentName(m_state, typed);
        m_history.recordIfChanged(m_state);
    }
    EXPECT_EQ(m_history.undoCount(), 2);
    EXPECT_EQ(m_history.undoLabel(), QStringLiteral("Korvanename"));
    m_history.undo(m_state);
    m_history.undo(m_state);
    EXPECT_EQ(file(), before);
}
