#pragma once

#include "platform/Prompter.h"

class QWidget;

// Questions and messages as modal message boxes.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    Answer ask(const QString &text, const QString &title, Buttons buttons, Icon icon) override;

private:
    QWidget *m_parent = nullptr;
};
