#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

class QWidget;

// The main windows open where the organiser left them and always whole on a screen. Size and
// position are a matter of this desk, not of the tournament: they are kept in the user's settings
// ("valdorn/korvane"), never in the tournament file.

// Restores the window's last geometry; the first time, the preferred size (as far as the screen
// allows) in the middle of the screen. Call before the window is first shown.
void RestoreWindowPlacement(QWidget& window, const QString& key, QSize preferredSize);
// Remembers the window's geometry; call it only for a window that was shown.
void SaveWindowPlacement(const QWidget& window, const QString& key);

// Any other remembered state of a window (a splitter's sizes); empty when there is none.
QByteArray RememberedWindowState(const QString& key);
void RememberWindowState(const QString& key, const QByteArray& state);
