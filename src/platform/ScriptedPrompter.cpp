#include "platform/ScriptedPrompter.h"

Prompter::Answer ScriptedPrompter::ask(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    m_asked.append(Prompt{text, title, buttons, icon});
    Answer a;
    if (!m_answers.isEmpty()) {
        a = m_answers.takeFirst();
    } else {
        switch (buttons) {
        case Ok: a = AnswerOk; break;
        case YesNo: a = AnswerNo; break;
        case RecoverDiscard: a = AnswerYes; break;
        default: a = AnswerCancel; break;
        }
    }
    if (m_echo)
        m_echo(m_asked.last(), a);
    return a;
}

QStringList ScriptedPrompter::texts() const
{
    QStringList out;
    for (const Prompt &p : m_asked)
        out << p.text;
    return out;
}
