#pragma once

#include <QString>

// Every question and message to the user goes through this interface. The tool
// uses message boxes; tests and the command line use scripted answers, so the
// exact texts can be asserted and nothing ever blocks on a terminal.
class Prompter {
public:
    enum Icon { NoIcon, Exclamation, Information, Question, Critical };
    // RecoverDiscard: buttons "Recover" (answers Yes) and "Discard" (answers No),
    // for the working copy a crash left behind.
    enum Buttons { Ok, OkCancel, YesNo, YesNoCancel, RecoverDiscard };
    enum Answer { AnswerOk, AnswerCancel, AnswerYes, AnswerNo };

    virtual ~Prompter() = default;

    virtual Answer ask(const QString &text, const QString &title, Buttons buttons, Icon icon) = 0;

    void message(const QString &text, const QString &title, Icon icon = NoIcon) { ask(text, title, Ok, icon); }
};
