#pragma once

#include "model/Prompter.h"

class QWidget;

// The Prompter of the running program: modal message boxes with German button texts.
class QtPrompter : public Prompter {
public:
    // Boxes are shown in front of `parent`, or of the active window when it is null.
    explicit QtPrompter(QWidget* parent = nullptr);

    Answer askYesNo(const QString& caption, const QString& text) override;
    Answer askYesNoDefaultNo(const QString& caption, const QString& text) override;
    Answer askYesNoCancel(const QString& caption, const QString& text) override;
    void inform(const QString& caption, const QString& text) override;

    void setParent(QWidget* parent) { m_parent = parent; }

private:
    QWidget* m_parent;
};
