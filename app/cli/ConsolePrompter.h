#pragma once

#include "model/Prompter.h"

// Prompter for the headless client: notices go to standard error, questions take a fixed answer.
class ConsolePrompter : public Prompter {
public:
    explicit ConsolePrompter(Answer answerToQuestions = Answer::No) : m_answer(answerToQuestions) {}

    Answer askYesNo(const QString& caption, const QString& text, Answer defaultAnswer = Answer::No) override;
    Answer askYesNoCancel(const QString& caption, const QString& text,
                          Answer defaultAnswer = Answer::Cancel) override;
    void inform(const QString& caption, const QString& text) override;

    int noticeCount() const { return m_noticeCount; }

private:
    Answer m_answer;
    int m_noticeCount = 0;
};
