#include "help/SettingsAcceptance.h"
#include "help/SettingsSnapshot.h"
#include "model/TournamentState.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <memory>

TEST(SettingsSnapshot, RestoreCoversEverythingButTheLivePlanOptions)
{
    TournamentSettings settings;
    settings.SearchDepth = QStringLiteral("1234567");
    const SettingsSnapshot snapshot = TakeSettingsSnapshot(settings);
    EXPECT_EQ(snapshot.SearchDepth, QStringLiteral("12345"));

    TournamentSettings changed = settings;
    changed.FieldsPerLine = QStringLiteral("3");
    changed.SearchDepth = QStringLiteral("9");
    changed.GroupsPerLine = 1;
    changed.FormattedOutput = true;
    changed.RefereesEnabled = false;
    changed.BlankLineBetweenGames = true;
    changed.DirectCompareNeedsPlusPoints = false;
    changed.DirectCompareNeedsGoalDiff = false;
    changed.DirectCompareNeedsPlusGoals = false;
    changed.DirectCompareScope = CompareScope::SameRound;
    changed.DirectCompareNeedsPlusSets = false;
    changed.KeepPlanUpdated = false;
    changed.PlanSymmetry = PlanSymmetryMode::GroupSymmetric;

    RestoreSettingsSnapshot(changed, snapshot);
    TournamentSettings expected = settings;
    expected.SearchDepth = QStringLiteral("12345");
    expected.KeepPlanUpdated = false;
    expected.PlanSymmetry = PlanSymmetryMode::GroupSymmetric;
    EXPECT_EQ(changed, expected);
}

TEST(SettingsSnapshot, ScopeWithoutChoiceComesBackWithoutChoiceAndTheReadOnlyFieldShowsAtMostFour)
{
    TournamentSettings settings;
    settings.DirectCompareScope = CompareScope::None;
    const SettingsSnapshot snapshot = TakeSettingsSnapshot(settings);
    settings.DirectCompareScope = CompareScope::SameRound;
    RestoreSettingsSnapshot(settings, snapshot);
    EXPECT_EQ(settings.DirectCompareScope, CompareScope::None);

    const std::pair<const char*, const char*> capped[] = {{"7", "4"}, {"4", "4"}, {"2", "2"}, {"x", "x"}};
    for (const auto& [typed, shown] : capped)
        EXPECT_EQ(CappedFieldsPerLine(QString::fromLatin1(typed)), QString::fromLatin1(shown));
}

TEST(AcceptSettings, NoNumberGivesFiftyAndStaysOpenANumberIsNormalisedAndRendersWhileKeptUpToDate)
{
    auto state = std::make_unique<TournamentState>();
    state->Settings.PlanChanged = false;
    ScriptedPrompter prompter;

    const SettingsAcceptance refused = AcceptSettings(*state, QStringLiteral("abc"), prompter);
    EXPECT_FALSE(refused.closes);
    EXPECT_EQ(refused.searchDepthText, QStringLiteral("50"));
    EXPECT_EQ(state->Settings.SearchDepth, QStringLiteral("50"));
    EXPECT_TRUE(state->IsSaved);
    EXPECT_TRUE(state->Settings.PlanChanged);
    EXPECT_EQ(prompter.shown().size(), 1u);

    const SettingsAcceptance accepted = AcceptSettings(*state, refused.searchDepthText, prompter);
    EXPECT_TRUE(accepted.closes);
    EXPECT_EQ(prompter.shown().size(), 1u);

    // Numbers are written in normal form; the plan is rendered only while kept up to date.
    EXPECT_EQ(AcceptSettings(*state, QStringLiteral("0080"), prompter).searchDepthText, QStringLiteral("80"));
    EXPECT_EQ(state->Settings.SearchDepth, QStringLiteral("80"));

    EXPECT_TRUE(AcceptSettings(*state, QStringLiteral("50"), prompter).renderPlan);
    state->Settings.KeepPlanUpdated = false;
    EXPECT_FALSE(AcceptSettings(*state, QStringLiteral("50"), prompter).renderPlan);
}
