#include "shell/MessageBoxPrompter.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

Prompter::Answer MessageBoxPrompter::ask(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    // Messages are written with CR LF (a few with LF CR); a label wants plain LF.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1String("\n\r"), QLatin1String("\n"));
    box.setText(shown);
    switch (icon) {
    case Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Information: box.setIcon(QMessageBox::Information); break;
    case Question: box.setIcon(QMessageBox::Question); break;
    case Critical: box.setIcon(QMessageBox::Critical); break;
    case NoIcon: box.setIcon(QMessageBox::NoIcon); break;
    }
    QAbstractButton *discard = nullptr;
    switch (buttons) {
    case Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case RecoverDiscard: {
        QPushButton *recover = box.addButton(QStringLiteral("&Recover"), QMessageBox::AcceptRole);
        discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
        box.setDefaultButton(recover);
        // Closing the box keeps the work: only the Discard button deletes it.
        box.setEscapeButton(recover);
        break;
    }
    }
    const int result = box.exec();
    if (buttons == RecoverDiscard)
        return discard && box.clickedButton() == discard ? AnswerNo : AnswerYes;
    switch (result) {
    case QMessageBox::Yes: return AnswerYes;
    case QMessageBox::No: return AnswerNo;
    case QMessageBox::Ok: return AnswerOk;
    default: return buttons == YesNo ? AnswerNo : AnswerCancel;
    }
}
