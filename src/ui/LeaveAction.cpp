#include "ui/LeaveAction.h"

#include <QLineEdit>

#include <memory>

void OnLeave(QLineEdit* edit, std::function<void()> action)
{
    auto running = std::make_shared<bool>(false);
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, running, action = std::move(action)] {
        // A field left untouched (also when another window takes the focus) changes nothing.
        if (*running || !edit->isModified())
            return;
        edit->setModified(false);
        *running = true;
        action();
        *running = false;
    });
}
