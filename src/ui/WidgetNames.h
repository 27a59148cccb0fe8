#pragma once

#include <QLatin1String>

// Gives `widget` the object name that tests and the help lookup find it by.
template <typename Widget> Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
