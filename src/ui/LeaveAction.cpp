#include "ui/LeaveAction.h"

#include <QLineEdit>

#include <memory>

void OnLeave(QLineEdit* edit, std::function<void()> action)
{
    auto running = std::make_shared<bool>(false);
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [running, action = std::move(action)] {
        if (*running)
            return;
        *running = true;
        action();
        *running = false;
    });
}
