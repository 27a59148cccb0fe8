#pragma once

#include "model/Prompter.h"

class QWidget;

// The Prompter of the running program: modal message boxes with German button texts.
class QtPrompter : public Prompter {
public:
    // Boxes are shown in front of `parent`, else of the active window, else of a visible window of
    // the program: a box never stands alone, so closing it can never look like closing the program.
    explicit QtPrompter(QWidget* parent = nullptr);

    Answer askYesNo(const QString& caption, const QString& text, Answer defaultAnswer = Answer::No) override;
    Answer askYesNoCancel(const QString& caption, const QString& text,
                          Answer defaultAnswer = Answer::Cancel) override;
    Answer askSaveDiscardCancel(const QString& caption, const QString& text) override;
    Answer askRestoreLaterDiscard(const QString& caption, const QString& text) override;
    void inform(const QString& caption, const QString& text) override;

    void setParent(QWidget* parent) { m_parent = parent; }

private:
    QWidget* m_parent;
};
