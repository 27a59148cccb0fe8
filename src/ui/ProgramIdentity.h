#pragma once

#include <QIcon>

// The program icon in the sizes of the icon theme, 16 to 256 pixels.
QIcon ProgramIcon();

// Name, version, desktop entry and icon of the program, set once before the first window is
// shown; every window and dialog without an icon of its own shows the program icon.
void SetUpProgramIdentity();
