#include "ui/ContextHelpFilter.h"

#include "ui/HelpTopics.h"
#include "ui/HelpWindow.h"

#include <QMouseEvent>
#include <QWidget>

ContextHelpFilter::ContextHelpFilter(HelpWindow& helpWindow, QObject* parent)
    : QObject(parent), m_helpWindow(helpWindow)
{
}

bool ContextHelpFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType())
        return false;
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() != Qt::RightButton)
        return false;
    // A press the control leaves unhandled travels on to its parents: ask only
    // once. The press goes on to the control itself, which may have its own use
    // for it.
    const std::pair<quint64, QPointF> pressId{press->timestamp(), press->globalPosition()};
    if (pressId == m_lastPress)
        return false;
    const int topic = HelpTopicOf(static_cast<QWidget*>(watched));
    if (topic > 0) {
        m_lastPress = pressId;
        m_helpWindow.RequestHelp(topic);
    }
    return false;
}
