#pragma once

#include "platform/Prompter.h"

#include <QList>
#include <QStringList>

#include <QString>
#include <functional>

// A prompter that records every prompt and answers from a queue. When the queue is
// empty it gives the most cautious answer (Ok for a message, No for Yes/No,
// Recover for Recover/Discard, Cancel otherwise). Used by tests and by the command-line program.
class ScriptedPrompter : public Prompter {
public:
    struct Prompt {
        QString text;
        QString title;
        Buttons buttons = Ok;
        Icon icon = NoIcon;
    };

    Answer ask(const QString &text, const QString &title, Buttons buttons, Icon icon) override;

    void answer(Answer a) { m_answers.append(a); }
    const QList<Prompt> &asked() const { return m_asked; }
    QStringList texts() const;
    void clear()
    {
        m_asked.clear();
        m_answers.clear();
    }

    // Called for every prompt after it is recorded (the CLI prints it).
    void setEcho(std::function<void(const Prompt &, Answer)> echo) { m_echo = std::move(echo); }

private:
    QList<Prompt> m_asked;
    QList<Answer> m_answers;
    std::function<void(const Prompt &, Answer)> m_echo;
};
