#pragma once

#include "WindowFixture.h"

#include "editors/schedules/StartTime.h"
#include "editors/schedules/frmEvent.h"
#include "editors/schedules/frmSched.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

// The schedule windows on a working database, with helpers that store and
// read events and drive the schedule window and the event editor.
class ScheduleWindowFixture : public WindowFixture {
protected:
    // Stores an event directly and counts it in TotalEvents, as opening a file does.
    void addEvent(int schedule, const QString &time, int tone = 1, int duration = 10, QList<int> groups = {1})
    {
        QVariantList values{schedule, time, tone, duration};
        for (int g = 1; g <= 16; ++g)
            values << (groups.contains(g) ? 1 : 0);
        ASSERT_TRUE(
            db->exec(QStringLiteral("INSERT INTO Event VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"), values))
            << db->lastError().toStdString();
        ++ctx().state.TotalEvents;
    }

    // The schedule's rows as "time tone duration groups" in start-time order.
    QStringList storedEvents(int schedule)
    {
        QStringList result;
        const auto rows =
            db->rows(QStringLiteral("SELECT * FROM Event WHERE Schedule = ? ORDER BY StartTime"), {schedule});
        for (const QVariantList &r : rows.value()) {
            QStringList groups;
            for (int g = 1; g <= 16; ++g)
                if (r[g + 3].toInt() != 0)
                    groups << QString::number(g);
            result << QStringLiteral("%1 %2 %3 %4")
                          .arg(r[1].toString(), r[2].toString(), r[3].toString(), groups.join(u','));
        }
        return result;
    }

    QList<bool> storedDays(int schedule)
    {
        QList<bool> days;
        const auto rows = db->rows(QStringLiteral("SELECT * FROM SchedDays WHERE Schedule = ?"), {schedule});
        for (int d = 1; d <= 7; ++d)
            days << (rows.value().value(0).value(d).toInt() != 0);
        return days;
    }

    // Opens a schedule window through the registry, top-level, shown.
    frmSched *openSchedule(int schedule)
    {
        ctx().state.CurrentSchedule = schedule;
        auto *sched = qobject_cast<frmSched *>(create(QStringLiteral("frmSched"), schedule));
        if (sched)
            sched->show();
        return sched;
    }

    // Presses Add or Edit in the schedule window and returns the editor it opened.
    static frmEvent *openEditor(frmSched *sched, int command)
    {
        click(sched, QStringLiteral("cmdEvent%1").arg(command));
        frmEvent *editor = sched->editor();
        if (editor) {
            editor->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
        }
        return editor;
    }

    static QLineEdit *startTime(frmEvent *e) { return control<QLineEdit>(e, QStringLiteral("txtStartTime")); }
    static QLineEdit *duration(frmEvent *e) { return control<QLineEdit>(e, QStringLiteral("txtDuration")); }

    // Types into a box as the user does (replacing its text) and leaves it with Tab.
    static void typeInto(QLineEdit *box, const QString &text)
    {
        box->setFocus(Qt::MouseFocusReason);
        replaceText(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }

    // The number a scroll bar shows: the bars hold it negated, so that their
    // upper arrow counts up.
    static int barNumber(QScrollBar *bar) { return -bar->value(); }
    static void pressArrow(QScrollBar *bar, bool up)
    {
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, up ? 2 : bar->height() - 3));
    }

    static void setPageGroups(frmEvent *e, QList<int> groups)
    {
        click(e, QStringLiteral("cmdRemove"));
        for (int g : groups)
            click(e, QStringLiteral("chkPageGroup%1").arg(g - 1));
    }
};
