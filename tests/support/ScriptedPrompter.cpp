#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QStringList>

Prompter::Answer ScriptedPrompter::nextAnswer(const QString& text)
{
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return Answer::No;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

Prompter::Answer ScriptedPrompter::askYesNo(const QString& caption, const QString& text, Answer defaultAnswer)
{
    m_shown.push_back({Kind::YesNo, caption, text, defaultAnswer});
    return nextAnswer(text);
}

Prompter::Answer ScriptedPrompter::askYesNoCancel(const QString& caption, const QString& text,
                                                  Answer defaultAnswer)
{
    m_shown.push_back({Kind::YesNoCancel, caption, text, defaultAnswer});
    return nextAnswer(text);
}

Prompter::Answer ScriptedPrompter::askSaveDiscardCancel(const QString& caption, const QString& text)
{
    m_shown.push_back({Kind::SaveDiscardCancel, caption, text, Answer::Cancel});
    return nextAnswer(text);
}

void ScriptedPrompter::inform(const QString& caption, const QString& text)
{
    m_shown.push_back({Kind::Notice, caption, text});
}

QStringList ScriptedPrompter::texts() const
{
    QStringList texts;
    for (const Shown& shown : m_shown)
        texts << shown.text;
    return texts;
}
