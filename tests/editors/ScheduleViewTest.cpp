#include "ScheduleWindowFixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class ScheduleView : public ScheduleWindowFixture {};

TEST_F(ScheduleView, ListsTheScheduleInStartTimeOrderInAlignedColumns)
{
    addEvent(3, u"12:00"_s, 1, 5, {16});
    addEvent(3, u"07:30"_s, 2, 10, {1, 3, 16});
    addEvent(3, u"09:00"_s, 4, 59, {});
    addEvent(2, u"08:00"_s);
    frmSched *s = openSchedule(3);
    ASSERT_TRUE(s);

    EXPECT_EQ(s->windowTitle(), u"Master Clock Schedule 3"_s);
    EXPECT_EQ(s->size(), QSize(601, 235));
    EXPECT_EQ(s->lines(), (QStringList{u"07:30\tRelay 2\t10 sec\t1,3,16"_s, u"09:00\tRelay 4\t59 sec\t"_s,
                                       u"12:00\tRelay 1\t5 sec\t16"_s}));
    auto *list = control<QTreeWidget>(s, u"lstEvent"_s);
    const QTreeWidgetItem *first = list->topLevelItem(0);
    EXPECT_EQ((QStringList{first->text(0), first->text(1), first->text(2), first->text(3)}),
              (QStringList{u"07:30"_s, u"Relay 2"_s, u"10 sec"_s, u"1,3,16"_s}));
    EXPECT_EQ(list->headerItem()->text(3), u"Page Groups"_s);
    EXPECT_EQ(s->selectedLine(), 0);
    EXPECT_EQ(ctx().state.ScheduleEventCount[2], 3);
    EXPECT_EQ(ctx().state.CurrentSchedule, 3);
    EXPECT_EQ(loggedErrors(), 0);
}

TEST_F(ScheduleView, DeleteSelectsTheLineAtTheSamePlaceOrThePreviousOne)
{
    for (const QString &t : {u"06:00"_s, u"07:00"_s, u"08:00"_s})
        addEvent(1, t);
    frmSched *s = openSchedule(1);
    s->selectLine(1);
    click(s, u"cmdEvent2"_s);
    EXPECT_TRUE(prompter().asked().isEmpty()); // deleted without asking
    EXPECT_EQ(storedEvents(1), (QStringList{u"06:00 1 10 1"_s, u"08:00 1 10 1"_s}));
    EXPECT_EQ(s->selectedLine(), 1);
    EXPECT_EQ(EventLine::startTime(s->lines().value(s->selectedLine())), u"08:00"_s);

    click(s, u"cmdEvent2"_s); // the last line: the new last is selected
    EXPECT_EQ(s->selectedLine(), 0);
    click(s, u"cmdEvent2"_s);
    EXPECT_TRUE(s->lines().isEmpty());
    EXPECT_FALSE(enabled(s, u"cmdEvent1"_s));
    EXPECT_FALSE(enabled(s, u"cmdEvent2"_s));
    EXPECT_EQ(ctx().state.TotalEvents, 0);
    EXPECT_EQ(ctx().state.ScheduleEventCount[0], 0);
    EXPECT_TRUE(ctx().state.UnsavedChanges);
    EXPECT_TRUE(host.saveEnabled());
}

TEST_F(ScheduleView, AddIsDisabledEverywhereAt256EventsAndOneDeleteEnablesIt)
{
    ASSERT_TRUE(db->transaction());
    for (int i = 0; i < 255; ++i)
        addEvent(2, TimeOfDay{i / 60, i % 60}.text());
    ASSERT_TRUE(db->commit());
    addEvent(1, u"12:00"_s);
    ASSERT_EQ(ctx().state.TotalEvents, 256);

    frmSched *one = openSchedule(1);
    frmSched *two = openSchedule(2);
    EXPECT_FALSE(enabled(one, u"cmdEvent0"_s));
    EXPECT_FALSE(enabled(two, u"cmdEvent0"_s));

    // The editor's own Add is disabled too; deleting there enables it.
    frmEvent *e = openEditor(two, frmSched::kEdit);
    ASSERT_TRUE(e);
    click(e, u"cmdCancel"_s);
    EXPECT_FALSE(enabled(e, u"cmdAdd"_s));
    click(e, u"cmdDelete"_s);
    EXPECT_TRUE(enabled(e, u"cmdAdd"_s));
    EXPECT_EQ(ctx().state.TotalEvents, 255);
    click(e, u"cmdAdd"_s);
    typeInto(startTime(e), u"2330"_s);
    click(e, u"cmdSave"_s);
    EXPECT_EQ(ctx().state.TotalEvents, 256);
    EXPECT_FALSE(enabled(e, u"cmdAdd"_s));
    click(e, u"cmdClose"_s);
    EXPECT_FALSE(enabled(two, u"cmdEvent0"_s));

    // Deleting in schedule 1 enables Add there at once, in schedule 2 at its next activation.
    one->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(one));
    click(one, u"cmdEvent2"_s);
    EXPECT_TRUE(enabled(one, u"cmdEvent0"_s));
    two->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(two));
    EXPECT_TRUE(enabled(two, u"cmdEvent0"_s));
    EXPECT_EQ(db->scalar(u"SELECT count(*) FROM Event"_s).value().toInt(), 255);
}

TEST_F(ScheduleView, AllSchedulesInTheWorkspaceLeaveScheduleOneInFrontAndShareTheDays)
{
    QMdiArea area;
    area.resize(1000, 800);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    std::array<QMdiSubWindow *, 7> subs{};
    for (int n = 6; n >= 1; --n) {
        ctx().state.CurrentSchedule = n;
        subs[n] = area.addSubWindow(registry.create(u"frmSched"_s, ctx(), nullptr, n));
        subs[n]->show();
        area.setActiveSubWindow(subs[n]);
    }
    auto sched = [&](int n) { return qobject_cast<frmSched *>(subs[n]->widget()); };
    ASSERT_EQ(area.subWindowList().size(), 6);
    EXPECT_EQ(area.activeSubWindow(), subs[1]);
    EXPECT_EQ(ctx().state.CurrentSchedule, 1);
    EXPECT_EQ(sched(1)->windowTitle(), u"Master Clock Schedule 1"_s);

    // Monday ticked in schedule 2 cannot be ticked in schedule 3.
    area.setActiveSubWindow(subs[2]);
    EXPECT_EQ(ctx().state.CurrentSchedule, 2);
    click(sched(2), u"chkDay1"_s);
    EXPECT_TRUE(ctx().state.UnsavedChanges);
    EXPECT_TRUE(host.saveEnabled());
    area.setActiveSubWindow(subs[3]);
    EXPECT_EQ(ctx().state.CurrentSchedule, 3);
    EXPECT_TRUE(storedDays(2)[1]); // written when schedule 2 was left
    EXPECT_FALSE(enabled(sched(3), u"chkDay1"_s));
    EXPECT_TRUE(enabled(sched(3), u"chkDay0"_s));

    area.setActiveSubWindow(subs[2]);
    click(sched(2), u"chkDay1"_s);
    area.setActiveSubWindow(subs[3]);
    EXPECT_TRUE(enabled(sched(3), u"chkDay1"_s));
    EXPECT_EQ(storedDays(2), QList<bool>(7, false));

    area.closeAllSubWindows();
}

TEST_F(ScheduleView, DaysAreWrittenOnCloseOnlyWhenADayWasClicked)
{
    frmSched *s = openSchedule(4);
    // Changed behind the window's back: a window that writes its days anyway
    // would clear Monday again when it closes.
    ASSERT_TRUE(db->exec(u"UPDATE SchedDays SET Monday = 1 WHERE Schedule = 4"_s));
    const int calls = host.updateFileSaveOptCalls;
    click(s, u"cmdClose"_s);
    EXPECT_FALSE(s->isVisible());
    EXPECT_EQ(storedDays(4), (QList<bool>{false, true, false, false, false, false, false}));
    EXPECT_GT(host.updateFileSaveOptCalls, calls);
    EXPECT_FALSE(s->UncommittedChanges());
    EXPECT_FALSE(ctx().state.UnsavedChanges);

    s->show(); // the main window shows the same instance again
    EXPECT_TRUE(control<QCheckBox>(s, u"chkDay1"_s)->isChecked());
    click(s, u"chkDay2"_s);
    click(s, u"cmdClose"_s);
    EXPECT_EQ(storedDays(4), (QList<bool>{false, true, true, false, false, false, false}));
    EXPECT_EQ(loggedErrors(), 0);
}

TEST_F(ScheduleView, DoubleClickEditsTheEventUnderIt)
{
    addEvent(6, u"06:00"_s);
    addEvent(6, u"18:45"_s, 3, 12, {2});
    frmSched *s = openSchedule(6);
    auto *list = control<QTreeWidget>(s, u"lstEvent"_s);
    const QRect second = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    frmEvent *e = s->editor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->mode(), frmEvent::Mode::Edit);
    EXPECT_EQ(control<QLineEdit>(e, u"txtStartTime"_s)->text(), u"18:45"_s);
    EXPECT_EQ(e->windowTitle(), u"Events - Schedule  - 6"_s);
    e->close();
}

TEST_F(ScheduleView, EnterOnALineEditsItAsADoubleClickDoes)
{
    addEvent(6, u"06:00"_s);
    addEvent(6, u"18:45"_s, 3, 12, {2});
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        frmSched *s = openSchedule(6);
        s->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(s));
        auto *list = control<QTreeWidget>(s, u"lstEvent"_s);
        list->setFocus();
        s->selectLine(1);
        QTest::keyClick(list, key);
        frmEvent *e = s->editor();
        ASSERT_NE(e, nullptr) << key;
        EXPECT_EQ(e->mode(), frmEvent::Mode::Edit);
        EXPECT_EQ(control<QLineEdit>(e, u"txtStartTime"_s)->text(), u"18:45"_s);
        e->close();
        s->close();
    }
}
