#pragma once

#include "model/Prompter.h"

#include <QString>

#include <deque>
#include <vector>

// Answers questions from a script and records everything shown, for the tests.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { YesNo, YesNoCancel, SaveDiscardCancel, Notice };
    struct Shown {
        Kind kind;
        QString caption;
        QString text;
        Answer defaultAnswer = Answer::Yes; // the button Enter would press; Yes for notices
    };

    // Queues the answers of the next questions, in order. A question without a queued answer
    // fails the running test and is answered No.
    void answer(std::initializer_list<Answer> answers) { m_answers.insert(m_answers.end(), answers); }

    Answer askYesNo(const QString& caption, const QString& text, Answer defaultAnswer = Answer::No) override;
    Answer askYesNoCancel(const QString& caption, const QString& text,
                          Answer defaultAnswer = Answer::Cancel) override;
    Answer askSaveDiscardCancel(const QString& caption, const QString& text) override;
    void inform(const QString& caption, const QString& text) override;

    const std::vector<Shown>& shown() const { return m_shown; }
    // The texts shown, in order, whatever their kind.
    QStringList texts() const;
    bool pendingAnswers() const { return !m_answers.empty(); }
    void clear() { m_shown.clear(); }

private:
    Answer nextAnswer(const QString& text);

    std::deque<Answer> m_answers;
    std::vector<Shown> m_shown;
};
