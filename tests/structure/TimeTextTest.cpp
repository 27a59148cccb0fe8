#include "structure/TimeText.h"
#include "support/GTestQt.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

TEST(FormatTimeText, MinutesToClockText)
{
    const std::pair<int, const char*> cases[] = {
        {0, "0:00"},    {5, "0:05"},    {9, "0:09"},     {10, "00:10"},  {45, "00:45"},
        {59, "00:59"},  {60, "1:00"},   {540, "9:00"},   {605, "10:05"}, {1440, "24:00"},
        {1441, "0:01"}, {1500, "1:00"}, {2880, "24:00"}, {-30, "23:30"}, {-1440, "0:00"},
    };
    for (const auto& [minutes, text] : cases)
        EXPECT_EQ(FormatTimeText(minutes), QString::fromLatin1(text)) << minutes;
}

TEST(ParseTimeText, AcceptsClockTextsAndPlainMinutes)
{
    const std::pair<const char*, int> cases[] = {
        {"8:05", 485}, {"845", 845}, {"0:45", 45}, {"7h30", 450}, {"9.30", 570},
        {"12:5", 725}, {"45", 45},   {"5", 5},     {"930", 930},  {"24:00", 1440},
    };
    for (const auto& [text, minutes] : cases) {
        ScriptedPrompter prompter;
        EXPECT_EQ(ParseTimeText(QString::fromLatin1(text), prompter), minutes) << text;
        EXPECT_TRUE(prompter.shown().empty()) << text;
    }
}

TEST(ParseTimeText, FaultyEntriesAreReportedOnceAndGiveZero)
{
    for (const char* text : {":30", "-5", "abc", "", "9:30:00", "9:", "9:-5", "99999999999"}) {
        ScriptedPrompter prompter;
        EXPECT_EQ(ParseTimeText(QString::fromLatin1(text), prompter), 0) << text;
        EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Fehlerhafte Eingabe")}) << text;
    }
}

TEST(PauseLine, StartPaddedToEightAndTwoDigitHours)
{
    ScriptedPrompter prompter;
    EXPECT_EQ(BuildPauseLine(QStringLiteral("45"), QStringLiteral("10:00"), prompter),
              QStringLiteral("00:45   10:00"));
    EXPECT_TRUE(prompter.shown().empty());
}
