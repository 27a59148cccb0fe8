#pragma once

#include <QVariant>
#include <QWidget>

// The topics of the help text that a right-click on a control asks for. Every control carries
// its topic in the property "helpTopic"; the help window looks it up from the control upwards.
namespace HelpTopic {
inline constexpr int ThisRound = 20;
inline constexpr int Totals = 30;
inline constexpr int Scoring = 40;
inline constexpr int Breaks = 50;
inline constexpr int MainCommands = 60;
inline constexpr int ScheduleWindow = 90;
inline constexpr int Schedule = 100;
inline constexpr int HtmlExport = 105;
inline constexpr int CsvExport = 107;
inline constexpr int GameLists = 108;
inline constexpr int Email = 109;
inline constexpr int SidePanel = 110;
inline constexpr int ScheduleCommands = 120;
inline constexpr int Certificate = 120; // the certificate window shares the commands topic
inline constexpr int Messages = 140;
inline constexpr int ResultEntry = 150;
inline constexpr int Settings = 160;
inline constexpr int NewGroup = 170;
inline constexpr int ChangeGroup = 180;
inline constexpr int Rename = 190;
inline constexpr int HelpWindow = 200;
inline constexpr int LeaguePlan = 210;
} // namespace HelpTopic

inline constexpr const char* HelpTopicProperty = "helpTopic";

inline void SetHelpTopic(QObject* control, int topic)
{
    control->setProperty(HelpTopicProperty, topic);
}

// The topic of `control` or of the nearest widget around it that has one; 0 when none has.
inline int HelpTopicOf(const QWidget* control)
{
    for (const QWidget* widget = control; widget; widget = widget->parentWidget()) {
        const QVariant topic = widget->property(HelpTopicProperty);
        if (topic.isValid())
            return topic.toInt();
    }
    return 0;
}
