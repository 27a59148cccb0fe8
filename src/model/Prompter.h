#pragma once

#include <QString>

// Every question and notice the program shows in the middle of an operation goes through this
// interface, so the operations stay free of widgets and their dialogs can be answered in tests.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // A question with the buttons Yes and No; the answer is Yes or No. `defaultAnswer` is the
    // button that Enter presses: for a question that can lose data, the answer that keeps it.
    virtual Answer askYesNo(const QString& caption, const QString& text,
                            Answer defaultAnswer = Answer::No) = 0;
    // A question with the buttons Yes, No and Cancel; Escape answers Cancel.
    virtual Answer askYesNoCancel(const QString& caption, const QString& text,
                                  Answer defaultAnswer = Answer::Cancel) = 0;
    // Before unsaved work would be lost: "Speichern" (Yes), "Verwerfen" (No) and "Abbrechen"
    // (Cancel, also the default and Escape).
    virtual Answer askSaveDiscardCancel(const QString& caption, const QString& text)
    {
        return askYesNoCancel(caption, text, Answer::Cancel);
    }
    // A recovery copy found at start-up: "Wiederherstellen" (Yes), "Später" (Cancel, also the
    // default and Escape) and "Verwerfen" (No).
    virtual Answer askRestoreLaterDiscard(const QString& caption, const QString& text)
    {
        return askYesNoCancel(caption, text, Answer::Cancel);
    }
    // A notice with an OK button.
    virtual void inform(const QString& caption, const QString& text) = 0;
};
