#pragma once

#include <QString>

// Every question and notice the program shows in the middle of an operation goes through this
// interface, so the operations stay free of widgets and their dialogs can be answered in tests.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // A question with the buttons Yes and No; the answer is Yes or No.
    virtual Answer askYesNo(const QString& caption, const QString& text) = 0;
    // A question whose safe answer is No (trusting a certificate, for one): No is the default
    // button, so Enter does not say Yes. Elsewhere the same as askYesNo.
    virtual Answer askYesNoDefaultNo(const QString& caption, const QString& text)
    {
        return askYesNo(caption, text);
    }
    // A question with the buttons Yes, No and Cancel.
    virtual Answer askYesNoCancel(const QString& caption, const QString& text) = 0;
    // A notice with an OK button.
    virtual void inform(const QString& caption, const QString& text) = 0;
};
