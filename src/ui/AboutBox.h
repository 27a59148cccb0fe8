#pragma once

class QWidget;

// "&Info...": the program's title and version, shown modally.
void ShowAboutBox(QWidget* parent);
