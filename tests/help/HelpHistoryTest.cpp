#include "help/HelpHistory.h"
#include "help/HelpText.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

TEST(HelpHistory, ThirtyOneTopicsKeepTheLastThirty)
{
    HelpHistory history;
    EXPECT_FALSE(history.back()); // an empty history does not move
    EXPECT_FALSE(history.forward());
    for (int topic = 1; topic <= 31; ++topic)
        history.push(topic * 10);
    EXPECT_EQ(history.position(), 30);
    EXPECT_EQ(history.current(), 310);
    EXPECT_EQ(history.reached(), 30);
    while (history.back()) {
    }
    EXPECT_EQ(history.position(), 1);
    EXPECT_EQ(history.current(), 20); // the second topic asked for; the first was dropped
    EXPECT_FALSE(history.back());
}

TEST(HelpHistory, NewTopicAfterGoingBackOverwritesTheNextEntryOnly)
{
    HelpHistory history;
    for (const int topic : {20, 30, 40, 50})
        history.push(topic);
    ASSERT_TRUE(history.back());
    ASSERT_TRUE(history.back());
    EXPECT_EQ(history.current(), 30);

    history.push(100);
    EXPECT_EQ(history.position(), 3);
    EXPECT_EQ(history.at(3), 100);
    EXPECT_EQ(history.at(4), 50); // not cleared: "&vor" still reaches it
    ASSERT_TRUE(history.forward());
    EXPECT_EQ(history.current(), 50);
    EXPECT_FALSE(history.forward()); // entry 5 is empty
    EXPECT_EQ(history.position(), 4);
    EXPECT_EQ(history.reached(), 4);
}

TEST(HelpText, TopicSearchIsAPlainSubstringSearch)
{
    const QString text = QStringLiteral("Start\n##10 Zehn\n##1 Eins\n##100 Hundert");
    EXPECT_EQ(FindHelpTopic(text, 10), 6);
    EXPECT_EQ(FindHelpTopic(text, 1), 6); // "##1" is found at the start of "##10"
    EXPECT_EQ(FindHelpTopic(text, 100), text.indexOf(QStringLiteral("##100")));
    EXPECT_EQ(FindHelpTopic(text, 7), -1);
}

TEST(HelpText, WordUnderTheMouseStartsAtTheBlankBeforeIt)
{
    const QString line = QStringLiteral("siehe (#50) und 20 mehr");
    EXPECT_EQ(HelpWordAt(line, 8), QStringLiteral(" (#50)"));
    EXPECT_EQ(HelpWordAt(line, 0), QStringLiteral("siehe"));
    EXPECT_EQ(HelpWordAt(line, 5), QStringLiteral(" (#50)")); // on the blank itself
    EXPECT_EQ(HelpWordAt(line, 22), QStringLiteral(" mehr"));
    EXPECT_EQ(HelpWordAt(line, 99), QString());
}

TEST(HelpText, ClickedWordsLeadToTheirTopics)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {" (#50)", 50},
        {" ##120,", std::nullopt}, // digits must follow the first "#"
        {"110 Seitenleiste", 110}, // a number at a line's start
        {" 110", std::nullopt},    // within a line: the blank comes first
        {" #", std::nullopt},
        {" #99999999999", std::nullopt},
    };
    for (const auto& [word, topic] : cases)
        EXPECT_EQ(ReferencedHelpTopic(QString::fromLatin1(word)), topic) << word;
}
