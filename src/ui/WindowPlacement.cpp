#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {
QSettings DeskSettings()
{
    return QSettings(QStringLiteral("valdorn"), QStringLiteral("korvane"));
}

QString GeometryKey(const QString& key)
{
    return QStringLiteral("fenster/") + key + QStringLiteral("/geometrie");
}

QString StateKey(const QString& key)
{
    return QStringLiteral("fenster/") + key + QStringLiteral("/zustand");
}

// The window with its frame inside the screen's free area (without panels and docks).
void PlaceInMiddle(QWidget& window, QSize preferredSize)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window.resize(preferredSize);
        return;
    }
    const QRect free = screen->availableGeometry();
    // Room for a title bar and a frame, which the window does not know before it is shown.
    const QSize frame(16, 48);
    const QSize size = preferredSize.boundedTo(free.size() - frame);
    window.resize(size);
    const QSize outer = size + frame;
    window.move(free.left() + std::max(0, (free.width() - outer.width()) / 2),
                free.top() + std::max(0, (free.height() - outer.height()) / 2));
}
} // namespace

void RestoreWindowPlacement(QWidget& window, const QString& key, QSize preferredSize)
{
    const QByteArray geometry = DeskSettings().value(GeometryKey(key)).toByteArray();
    // Qt moves a remembered geometry back onto a screen when that screen is gone.
    if (geometry.isEmpty() || !window.restoreGeometry(geometry))
        PlaceInMiddle(window, preferredSize);
}

void SaveWindowPlacement(const QWidget& window, const QString& key)
{
    DeskSettings().setValue(GeometryKey(key), window.saveGeometry());
}

QByteArray RememberedWindowState(const QString& key)
{
    return DeskSettings().value(StateKey(key)).toByteArray();
}

void RememberWindowState(const QString& key, const QByteArray& state)
{
    DeskSettings().setValue(StateKey(key), state);
}
