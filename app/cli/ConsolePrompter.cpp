#include "ConsolePrompter.h"

#include <QTextStream>

namespace {
void printToStderr(const QString& caption, const QString& text, const QString& answer = {})
{
    QTextStream err(stderr);
    err << caption << ": " << text;
    if (!answer.isEmpty())
        err << " -> " << answer;
    err << Qt::endl;
}

QString answerText(Prompter::Answer answer)
{
    switch (answer) {
    case Prompter::Answer::Yes:
        return QStringLiteral("Ja");
    case Prompter::Answer::No:
        return QStringLiteral("Nein");
    case Prompter::Answer::Cancel:
        return QStringLiteral("Abbrechen");
    }
    return {};
}
} // namespace

Prompter::Answer ConsolePrompter::askYesNo(const QString& caption, const QString& text, Answer)
{
    const Answer answer = m_answer == Answer::Cancel ? Answer::No : m_answer;
    printToStderr(caption, text, answerText(answer));
    return answer;
}

Prompter::Answer ConsolePrompter::askYesNoCancel(const QString& caption, const QString& text, Answer)
{
    printToStderr(caption, text, answerText(m_answer));
    return m_answer;
}

void ConsolePrompter::inform(const QString& caption, const QString& text)
{
    ++m_noticeCount;
    printToStderr(caption, text);
}
