#pragma once

#include <functional>

class QLineEdit;

// Runs `action` when the user leaves `edit` after changing it, or presses Enter in it after
// changing it. A message box opened by the action takes the focus away from the field; that leave
// is not reported again.
void OnLeave(QLineEdit* edit, std::function<void()> action);
