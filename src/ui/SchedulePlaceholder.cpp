#include "ui/SchedulePlaceholder.h"

SchedulePlaceholder::SchedulePlaceholder(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Spielpläne"));
    resize(800, 600);
}
