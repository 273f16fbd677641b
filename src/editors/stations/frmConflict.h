#pragma once

#include "editors/stations/StationConflicts.h"
#include "platform/Prompter.h"

#include <QDialog>
#include <QStringList>

class QTreeWidget;

// "Arch Number Conflicts": shows the stations a new arch number conflicts
// with and asks whether to save it and clear theirs. Its only result is the
// answer: Yes, No, or Cancel (also when closed by its frame or Escape).
class frmConflict : public QDialog {
    Q_OBJECT
public:
    frmConflict(int station, const QString &archnum, const ConflictList &conflicts, QWidget *parent = nullptr);

    Prompter::Answer answer() const { return m_answer; }
    // The list lines: station right-aligned in 2, a tab, the stored number.
    QStringList lines() const;

    void cmdYes_Click() { answerWith(Prompter::AnswerYes); }
    void cmdNo_Click() { answerWith(Prompter::AnswerNo); }
    void cmdCancel_Click() { answerWith(Prompter::AnswerCancel); }
    void reject() override { cmdCancel_Click(); }

private:
    void answerWith(Prompter::Answer answer);

    QTreeWidget *m_list = nullptr;
    Prompter::Answer m_answer = Prompter::AnswerCancel;
};
