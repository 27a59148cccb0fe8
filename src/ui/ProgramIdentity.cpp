#include "ui/ProgramIdentity.h"

#include "BuildInfo.h"

#include <QApplication>

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(KorvaneAppId)),
                     QSize(size, size));
    return icon;
}

void SetUpProgramIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(KorvaneVersion));
    // Lets the desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(KorvaneAppId));
    QApplication::setWindowIcon(ProgramIcon());
}
