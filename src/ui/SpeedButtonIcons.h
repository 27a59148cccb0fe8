#pragma once

#include <QIcon>

enum class SpeedButtonIcon { Load, Save, Settings, Schedule, Exit, Check };

// Simple drawn pictograms for the speed buttons, the same on every platform and theme.
QIcon MakeSpeedButtonIcon(SpeedButtonIcon icon);
