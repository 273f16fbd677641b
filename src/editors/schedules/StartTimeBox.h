#pragma once

#include "editors/schedules/StartTime.h"

#include <QList>
#include <QObject>

#include <functional>

class Prompter;
class QLineEdit;
class QScrollBar;
class QWidget;

// The event editor's start-time box and its hour and minute bars, kept in
// step: the box takes digits and ":" only; a typed entry is completed to
// "hh:mm" (or refused) when the box is left, or before a bar steps it; a time
// shown or stepped moves the bars; the bars step the time with carry.
class StartTimeBox : public QObject {
    Q_OBJECT
public:
    // refusalTitle: the title of the message refusing a typed entry.
    StartTimeBox(QLineEdit &box, QScrollBar &hour, QScrollBar &minute, Prompter &prompter, QString productTitle,
                 std::function<QString()> refusalTitle, QObject *parent = nullptr);

    QString text() const;
    // Shows a stored or new event's time; it was not typed.
    void show(const QString &time);
    // Forgets that a key was pressed in the box (the editor moved to another event).
    void clearTyped() { m_StartTimeTyped = false; }
    // Rewrites the text from the bars, selects it and puts the focus in the box.
    void writeTimeFromBars();
    // Completes a valid typed entry to "hh:mm" without leaving the box.
    void complete();
    // The focus moving to these is not leaving the box: they discard the entry
    // or offer it for saving, and a refusal would keep them from acting.
    void setNotLeavingFor(QList<const QWidget *> widgets) { m_notLeavingFor = std::move(widgets); }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void txtStartTime_Change();
    void txtStartTime_LostFocus();
    void vsbStartTime_Change();
    void setTimeBars(TimeOfDay time);

    QLineEdit &m_box;
    QScrollBar &m_hour;
    QScrollBar &m_minute;
    Prompter &m_prompter;
    QString m_productTitle;
    std::function<QString()> m_refusalTitle;
    QList<const QWidget *> m_notLeavingFor;
    bool m_StartTimeTyped = false;
    bool m_SyncingTime = false;
    bool m_checking = false;
};
