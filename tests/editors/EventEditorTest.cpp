#include "ScheduleWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

class EventEditor : public ScheduleWindowFixture {
protected:
    // Opens schedule 1 and its editor by Add (or Edit).
    frmEvent *editorOn(int command = frmSched::kAdd)
    {
        sched = openSchedule(1);
        return sched ? openEditor(sched, command) : nullptr;
    }

    QString lastPrompt() { return prompter().asked().isEmpty() ? QString() : prompter().asked().last().text; }
    QString lastTitle() { return prompter().asked().isEmpty() ? QString() : prompter().asked().last().title; }
    static bool checked(QWidget *w, const QString &name) { return control<QAbstractButton>(w, name)->isChecked(); }
    static QString visibleModeLabel(frmEvent *e)
    {
        QStringList visible;
        for (const QString &name : {u"lblViewEvent"_s, u"lblAddEvent"_s, u"lblEditEvent"_s})
            if (control<QLabel>(e, name)->isVisibleTo(e))
                visible << control<QLabel>(e, name)->text();
        return visible.join(u'|');
    }

    frmSched *sched = nullptr;
};

TEST_F(EventEditor, AddOnAnEmptyScheduleStartsFromTheDefaultEventAndNeedsAPageGroup)
{
    frmEvent *e = editorOn();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->windowTitle(), u"Events - Schedule  - 1"_s);
    EXPECT_EQ(visibleModeLabel(e), u"Add New Event :"_s);
    EXPECT_EQ(startTime(e)->text(), u"00:00"_s);
    EXPECT_TRUE(checked(e, u"optTone1"_s));
    EXPECT_EQ(duration(e)->text(), u"1"_s);
    for (int i = 0; i < 16; ++i)
        EXPECT_FALSE(checked(e, u"chkPageGroup%1"_s.arg(i)));
    EXPECT_FALSE(control(e, u"cmdMove0"_s)->isVisibleTo(e));

    click(e, u"cmdSave"_s);
    EXPECT_EQ(lastPrompt(), u"Cannot save current event:\r\n- Must select a 'Page Group'."_s);
    EXPECT_EQ(lastTitle(), u"Event"_s);
    EXPECT_EQ(e->mode(), frmEvent::Mode::Add);
    EXPECT_TRUE(storedEvents(1).isEmpty());

    click(e, u"chkPageGroup0"_s);
    click(e, u"cmdSave"_s);
    EXPECT_EQ(e->mode(), frmEvent::Mode::View);
    EXPECT_EQ(visibleModeLabel(e), u"View Events :"_s);
    EXPECT_FALSE(enabled(e, u"fraEvent"_s));
    EXPECT_EQ(storedEvents(1), QStringList{u"00:00 1 1 1"_s});
    EXPECT_EQ(sched->lines(), QStringList{u"00:00\tRelay 1\t1 sec\t1"_s});
    EXPECT_EQ(sched->selectedLine(), 0);
    EXPECT_EQ(ctx().state.TotalEvents, 1);
    EXPECT_EQ(ctx().state.ScheduleEventCount[0], 1);
    EXPECT_TRUE(ctx().state.UnsavedChanges);
    EXPECT_TRUE(host.saveEnabled());

    click(e, u"cmdClose"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(sched->editor(), nullptr);
    EXPECT_TRUE(enabled(sched, u"cmdEvent1"_s));
    EXPECT_EQ(loggedErrors(), 0);
}

TEST_F(EventEditor, CopyAtTheSameTimeIsRefusedUntilItsTimeChanges)
{
    addEvent(1, u"07:30"_s, 2, 10, {1, 3});
    frmEvent *e = editorOn();
    ASSERT_TRUE(e);
    EXPECT_EQ(startTime(e)->text(), u"07:30"_s);
    EXPECT_TRUE(checked(e, u"optTone2"_s));
    EXPECT_EQ(duration(e)->text(), u"10"_s);
    EXPECT_TRUE(checked(e, u"chkPageGroup2"_s));

    click(e, u"cmdSave"_s);
    EXPECT_EQ(lastPrompt(), u"Cannot save current event:\r\n- An event at this 'Start Time' is already scheduled."_s);
    EXPECT_EQ(storedEvents(1).size(), 1);

    typeInto(startTime(e), u"07:31"_s);
    click(e, u"cmdSave"_s);
    EXPECT_EQ(storedEvents(1), (QStringList{u"07:30 2 10 1,3"_s, u"07:31 2 10 1,3"_s}));
    EXPECT_EQ(sched->lines().value(1), u"07:31\tRelay 2\t10 sec\t1,3"_s);
    EXPECT_EQ(sched->selectedLine(), 1);
    click(e, u"cmdClose"_s);
    EXPECT_EQ(sched->selectedLine(), 1); // the rebuilt list reselects the event last shown
}

TEST_F(EventEditor, EditSkipsTheDuplicateRuleUnlessTheTimeChanges)
{
    addEvent(1, u"07:30"_s);
    addEvent(1, u"09:00"_s);
    frmEvent *e = editorOn(frmSched::kEdit);
    ASSERT_TRUE(e);
    EXPECT_EQ(visibleModeLabel(e), u"Edit Event :"_s);
    typeInto(duration(e), u"25"_s);
    click(e, u"optTone3"_s);
    click(e, u"cmdSave"_s);
    EXPECT_TRUE(prompter().asked().isEmpty());
    EXPECT_EQ(storedEvents(1).value(0), u"07:30 3 25 1"_s);

    click(e, u"cmdEdit"_s);
    typeInto(startTime(e), u"900"_s);
    click(e, u"cmdSave"_s);
    EXPECT_EQ(lastPrompt(), u"Cannot save current event:\r\n- An event at this 'Start Time' is already scheduled."_s);
    typeInto(startTime(e), u"10:00"_s);
    click(e, u"cmdSave"_s);
    EXPECT_EQ(storedEvents(1), (QStringList{u"09:00 1 10 1"_s, u"10:00 3 25 1"_s}));
    EXPECT_EQ(sched->selectedLine(), 1);
    EXPECT_EQ(ctx().state.TotalEvents, 2); // an edit adds nothing
}

TEST_F(EventEditor, TypedStartTimeIsCompletedOrRefusedWhenLeavingTheBox)
{
    const struct {
        const char *typed;
        const char *shown;
        bool refused;
    } cases[] = {{"930", "09:30", false},      {"12345", "23:45", false}, {"9:5", "09:05", false},
                 {"", "00:00", false},         {":", "00:00", false},     {"9a:3b0", "09:30", false},
                 {"24:00", "24:00", true},     {"1:2:3", "1:2:3", true},  {"99", "00:99", true},
                 {"123456789", "23:45", false}};
    frmEvent *e = editorOn();
    ASSERT_TRUE(e);
    for (const auto &c : cases) {
        prompter().clear();
        typeInto(startTime(e), QString::fromUtf8(c.typed));
        EXPECT_EQ(startTime(e)->text(), QString::fromUtf8(c.shown)) << c.typed;
        if (c.refused) {
            EXPECT_EQ(prompter().texts(), QStringList{u"Invalid 'Start Time' entry"_s}) << c.typed;
            EXPECT_EQ(lastTitle(), u"Add Event"_s);
            EXPECT_TRUE(startTime(e)->hasFocus()) << c.typed;
        } else {
            EXPECT_TRUE(prompter().asked().isEmpty()) << c.typed;
            const auto time = StartTime::parse(startTime(e)->text()).value();
            EXPECT_EQ(barNumber(control<QScrollBar>(e, u"vsbStartTime0"_s)), time.hour) << c.typed;
            EXPECT_EQ(barNumber(control<QScrollBar>(e, u"vsbStartTime1"_s)), time.minute) << c.typed;
        }
    }
}

TEST_F(EventEditor, TimeBarsStepWithCarryAndStopAtTheEndsOfTheDay)
{
    const struct {
        const char *from;
        int bar;
        bool up;
        const char *to;
    } cases[] = {{"10:59", 1, true, "11:00"},  {"11:00", 1, false, "10:59"}, {"23:59", 1, true, "23:59"},
                 {"00:00", 1, false, "00:00"}, {"23:15", 0, true, "23:15"},  {"00:15", 0, false, "00:15"},
                 {"09:15", 0, true, "10:15"},  {"09:15", 1, true, "09:16"},  {"09:15", 0, false, "08:15"}};
    frmEvent *e = editorOn();
    ASSERT_TRUE(e);
    for (const auto &c : cases) {
        typeInto(startTime(e), QString::fromUtf8(c.from));
        pressArrow(control<QScrollBar>(e, u"vsbStartTime%1"_s.arg(c.bar)), c.up);
        EXPECT_EQ(startTime(e)->text(), QString::fromUtf8(c.to)) << c.from << " " << c.bar << " " << c.up;
        const auto time = StartTime::parse(startTime(e)->text()).value();
        EXPECT_EQ(barNumber(control<QScrollBar>(e, u"vsbStartTime0"_s)), time.hour);
        EXPECT_EQ(barNumber(control<QScrollBar>(e, u"vsbStartTime1"_s)), time.minute);
    }
    EXPECT_TRUE(prompter().asked().isEmpty());

    typeInto(duration(e), u"58"_s);
    auto *seconds = control<QScrollBar>(e, u"vsbDuration"_s);
    EXPECT_EQ(barNumber(seconds), 58);
    pressArrow(seconds, true);
    pressArrow(seconds, true);
    EXPECT_EQ(duration(e)->text(), u"59"_s);
    EXPECT_TRUE(duration(e)->hasFocus());
}

TEST_F(EventEditor, DurationOutsideOneTo59IsRefused)
{
    frmEvent *e = editorOn();
    ASSERT_TRUE(e);
    click(e, u"chkPageGroup0"_s);
    for (const char *bad : {"0", "75", "", "60", "00"}) {
        prompter().clear();
        typeInto(duration(e), QString::fromUtf8(bad));
        click(e, u"cmdSave"_s);
        EXPECT_EQ(lastPrompt(), u"Cannot save current event:\r\n- 'Tone Duration' must be between 1-59 seconds."_s)
            << bad;
        EXPECT_EQ(e->mode(), frmEvent::Mode::Add);
    }
    EXPECT_TRUE(storedEvents(1).isEmpty());
    typeInto(duration(e), u"x5y9"_s); // letters are discarded
    EXPECT_EQ(duration(e)->text(), u"59"_s);
    EXPECT_EQ(barNumber(control<QScrollBar>(e, u"vsbDuration"_s)), 59);
    click(e, u"cmdSave"_s);
    EXPECT_EQ(storedEvents(1), QStringList{u"00:00 1 59 1"_s});
}

TEST_F(EventEditor, OnlyThePageGroupsOfTheBoardsPresentCanBeTicked)
{
    for (const auto &[boards, available] : {std::pair{0, 4}, std::pair{1, 8}, std::pair{3, 16}}) {
        ctx().state.ExpansionBoards = boards;
        frmEvent *e = editorOn();
        ASSERT_TRUE(e);
        click(e, u"cmdInclude"_s);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(enabled(e, u"chkPageGroup%1"_s.arg(i)), i < available) << boards << " " << i;
            EXPECT_EQ(checked(e, u"chkPageGroup%1"_s.arg(i)), i < available) << boards << " " << i;
        }
        click(e, u"cmdRemove"_s);
        for (int i = 0; i < 16; ++i)
            EXPECT_FALSE(checked(e, u"chkPageGroup%1"_s.arg(i)));
        click(e, u"cmdCancel"_s); // a cancelled first event closes the editor
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(sched->editor(), nullptr);
        windows.clear();
    }
}

TEST_F(EventEditor, FormatAndPageGroupFailuresShareOneMessageInOrder)
{
    frmEvent *e = editorOn();
    ASSERT_TRUE(e);
    typeInto(startTime(e), u"1:2:3"_s);
    click(e, u"cmdSave"_s);
    EXPECT_EQ(lastPrompt(),
              u"Cannot save current event:\r\nStart Time format must be 'hh:mm'.\r\n- Must select a 'Page Group'."_s);
    EXPECT_TRUE(startTime(e)->hasFocus());
    EXPECT_TRUE(storedEvents(1).isEmpty());
}

TEST_F(EventEditor, CancelAndCloseStayReachableWithAnInvalidTimeTyped)
{
    addEvent(1, u"07:30"_s);
    frmEvent *e = editorOn(frmSched::kEdit);
    ASSERT_TRUE(e);
    startTime(e)->setFocus(Qt::MouseFocusReason);
    startTime(e)->selectAll();
    sendText(startTime(e), u"24:00"_s);
    click(e, u"cmdCancel"_s);
    EXPECT_TRUE(prompter().asked().isEmpty());
    EXPECT_EQ(e->mode(), frmEvent::Mode::View);
    EXPECT_EQ(startTime(e)->text(), u"07:30"_s);

    click(e, u"cmdEdit"_s);
    startTime(e)->setFocus(Qt::MouseFocusReason);
    startTime(e)->selectAll();
    sendText(startTime(e), u"::"_s);
    click(e, u"cmdClose"_s); // asks to save; No discards and closes
    EXPECT_EQ(prompter().texts(), QStringList{u"Save current Event?"_s});
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(storedEvents(1), QStringList{u"07:30 1 10 1"_s});
}

TEST_F(EventEditor, NavigationShowsEachEventAndSelectsItsLine)
{
    for (const QString &t : {u"06:00"_s, u"07:00"_s, u"08:00"_s})
        addEvent(1, t, 1, 10, {2});
    frmEvent *e = editorOn(frmSched::kEdit);
    ASSERT_TRUE(e);
    click(e, u"cmdCancel"_s);
    EXPECT_EQ(visibleModeLabel(e), u"View Events :"_s);
    const struct {
        int button;
        const char *time;
    } steps[] = {{3, "08:00"}, {2, "08:00"}, {1, "07:00"}, {0, "06:00"}, {1, "06:00"}, {2, "07:00"}};
    for (const auto &step : steps) {
        click(e, u"cmdMove%1"_s.arg(step.button));
        EXPECT_EQ(startTime(e)->text(), QString::fromUtf8(step.time)) << step.button;
        EXPECT_EQ(EventLine::startTime(sched->lines().value(sched->selectedLine())), QString::fromUtf8(step.time));
        EXPECT_EQ(ctx().state.LastEvent.StartTime, QString::fromUtf8(step.time));
    }
    EXPECT_TRUE(prompter().asked().isEmpty());
}

TEST_F(EventEditor, DeletingTheLastEventOfTheScheduleClosesTheEditor)
{
    addEvent(1, u"07:30"_s);
    addEvent(1, u"08:00"_s);
    sched = openSchedule(1);
    sched->selectLine(1);
    frmEvent *e = openEditor(sched, frmSched::kEdit);
    ASSERT_TRUE(e);
    click(e, u"cmdCancel"_s);
    click(e, u"cmdDelete"_s); // the last row of two: the new last is shown
    EXPECT_EQ(startTime(e)->text(), u"07:30"_s);
    EXPECT_EQ(sched->lines(), QStringList{u"07:30\tRelay 1\t10 sec\t1"_s});
    EXPECT_EQ(sched->selectedLine(), 0);
    EXPECT_TRUE(e->isVisible());

    click(e, u"cmdDelete"_s);
    EXPECT_FALSE(e->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(sched->editor(), nullptr);
    EXPECT_TRUE(storedEvents(1).isEmpty());
    EXPECT_TRUE(sched->lines().isEmpty());
    EXPECT_FALSE(enabled(sched, u"cmdEvent1"_s));
    EXPECT_FALSE(enabled(sched, u"cmdEvent2"_s));
    EXPECT_EQ(ctx().state.TotalEvents, 0);
    EXPECT_EQ(ctx().state.ScheduleEventCount[0], 0);
}

TEST_F(EventEditor, CloseAsksOnlyWhenThereIsSomethingToSave)
{
    addEvent(1, u"07:30"_s);
    frmEvent *e = editorOn(frmSched::kEdit);
    ASSERT_TRUE(e);
    click(e, u"cmdClose"_s); // edit mode, nothing changed
    EXPECT_TRUE(prompter().asked().isEmpty());
    EXPECT_FALSE(e->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Add mode always asks; Yes with an invalid event keeps the window open.
    e = openEditor(sched, frmSched::kAdd);
    ASSERT_TRUE(e);
    prompter().answer(Prompter::AnswerYes);
    click(e, u"cmdClose"_s);
    ASSERT_EQ(prompter().asked().size(), 2);
    EXPECT_EQ(prompter().asked()[0].text, u"Save current Event?"_s);
    EXPECT_EQ(prompter().asked()[0].title, u"Add Event"_s);
    EXPECT_EQ(prompter().asked()[0].buttons, Prompter::YesNo);
    EXPECT_EQ(prompter().asked()[1].text,
              u"Cannot save current event:\r\n- An event at this 'Start Time' is already scheduled."_s);
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->mode(), frmEvent::Mode::Add);

    // Edited, then closed from the title bar and answered No: discarded.
    prompter().clear();
    click(e, u"cmdCancel"_s);
    click(e, u"cmdEdit"_s);
    typeInto(duration(e), u"33"_s);
    e->close();
    EXPECT_EQ(prompter().texts(), QStringList{u"Save current Event?"_s});
    EXPECT_EQ(lastTitle(), u"Edit Event"_s);
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(storedEvents(1), QStringList{u"07:30 1 10 1"_s});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Edited and closed with Yes: stored.
    e = openEditor(sched, frmSched::kEdit);
    typeInto(duration(e), u"33"_s);
    prompter().answer(Prompter::AnswerYes);
    QTest::keyClick(e, Qt::Key_Escape);
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(storedEvents(1), QStringList{u"07:30 1 33 1"_s});
}

TEST_F(EventEditor, AddAfterACancelledEditStartsWithTheDefaultRelayTypeAndDuration)
{
    addEvent(1, u"07:30"_s, 3, 20, {2});
    frmEvent *e = editorOn(frmSched::kEdit);
    ASSERT_TRUE(e);
    click(e, u"cmdCancel"_s);
    click(e, u"cmdAdd"_s);
    EXPECT_EQ(startTime(e)->text(), u"07:30"_s);
    EXPECT_TRUE(checked(e, u"optTone1"_s));
    EXPECT_EQ(duration(e)->text(), u"1"_s);
    typeInto(startTime(e), u"0731"_s);
    click(e, u"chkPageGroup3"_s);
    click(e, u"cmdSave"_s);
    EXPECT_EQ(storedEvents(1), (QStringList{u"07:30 3 20 2"_s, u"07:31 1 1 4"_s}));
}

// Whatever is typed or pasted into the boxes, only valid rows are ever stored.
TEST_F(EventEditor, AnyTypedOrPastedTextNeverStoresAnInvalidRow)
{
    frmEvent *e = editorOn();
    ASSERT_TRUE(e);
    QRandomGenerator rng(20240501);
    const QString alphabet = u"0123456789012345678901234567890123456789::::  abcXYZ-+.,;'\"%_*\t\u00e9\u0663"_s;
    auto randomText = [&] {
        const int length = rng.bounded(4) == 0 ? rng.bounded(101) : rng.bounded(7);
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet[rng.bounded(int(alphabet.size()))];
        return text;
    };
    for (int round = 0; round < 300; ++round) {
        ASSERT_TRUE(e->isVisible());
        if (e->mode() == frmEvent::Mode::View)
            click(e, u"cmdAdd"_s);
        QLineEdit *box = rng.bounded(3) == 0 ? duration(e) : startTime(e);
        switch (rng.bounded(4)) {
        case 0:
            QGuiApplication::clipboard()->setText(randomText());
            box->setFocus(Qt::MouseFocusReason);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Tab);
            break;
        case 1: click(e, u"chkPageGroup%1"_s.arg(rng.bounded(16))); break;
        default: typeInto(box, randomText()); break;
        }
        if (rng.bounded(3) == 0)
            click(e, u"cmdSave"_s);
    }
    click(e, u"cmdCancel"_s);

    static const QRegularExpression time(u"^([01][0-9]|2[0-3]):[0-5][0-9]$"_s);
    const auto rows = db->rows(u"SELECT StartTime, Tone, Duration, PageGroup1 + PageGroup2 + PageGroup3 + PageGroup4, "
                               "PageGroup5 + PageGroup6 + PageGroup7 + PageGroup8 + PageGroup9 + PageGroup10 + "
                               "PageGroup11 + PageGroup12 + PageGroup13 + PageGroup14 + PageGroup15 + PageGroup16 "
                               "FROM Event WHERE Schedule = 1"_s)
                          .value();
    EXPECT_GE(rows.size(), 5); // the run stored events, not only refused them
    QSet<QString> times;
    for (const QVariantList &r : rows) {
        EXPECT_TRUE(time.match(r[0].toString()).hasMatch()) << r[0].toString().toStdString();
        EXPECT_TRUE(r[1].toInt() >= 1 && r[1].toInt() <= 4);
        EXPECT_TRUE(r[2].toInt() >= 1 && r[2].toInt() <= 59);
        EXPECT_GT(r[3].toInt(), 0);
        EXPECT_EQ(r[4].toInt(), 0); // no expansion board
        EXPECT_FALSE(times.contains(r[0].toString()));
        times.insert(r[0].toString());
    }
    EXPECT_EQ(ctx().state.ScheduleEventCount[0], rows.size());
    EXPECT_EQ(ctx().state.TotalEvents, rows.size());
}

TEST_F(EventEditor, AFailedWriteIsLoggedAndKeepsTheEntry)
{
    frmEvent *e = editorOn();
    ASSERT_TRUE(e);
    click(e, u"chkPageGroup1"_s);
    ASSERT_TRUE(db->exec(u"CREATE TRIGGER refuse BEFORE INSERT ON Event BEGIN SELECT RAISE(ABORT, 'refused'); END"_s));
    click(e, u"cmdSave"_s);
    EXPECT_EQ(e->mode(), frmEvent::Mode::Add); // nothing stored: the entry stays to be saved again
    EXPECT_EQ(startTime(e)->text(), u"00:00"_s);
    EXPECT_EQ(ctx().state.TotalEvents, 0);
    EXPECT_TRUE(sched->lines().isEmpty());
    EXPECT_EQ(loggedErrors(), 1);

    ASSERT_TRUE(db->exec(u"DROP TRIGGER refuse"_s));
    click(e, u"cmdSave"_s);
    EXPECT_EQ(e->mode(), frmEvent::Mode::View);
    EXPECT_EQ(storedEvents(1), QStringList{u"00:00 1 1 2"_s});
}

TEST_F(EventEditor, MissingWorkingDatabaseOpensAnEmptyScheduleWithoutStoring)
{
    db.reset();
    ASSERT_TRUE(QFile::remove(ctx().paths.TempDbPath()));
    frmEvent *e = editorOn();
    ASSERT_TRUE(e);
    EXPECT_TRUE(sched->lines().isEmpty());
    click(e, u"chkPageGroup0"_s);
    click(e, u"cmdSave"_s); // the duplicate look-up fails: counted as a duplicate
    EXPECT_EQ(e->mode(), frmEvent::Mode::Add);
    EXPECT_EQ(ctx().state.TotalEvents, 0);
    EXPECT_GT(loggedErrors(), 0);
    EXPECT_FALSE(QFile::exists(ctx().paths.TempDbPath())); // never created by opening
}

TEST_F(EventEditor, EnterInABoxPressesNoButton)
{
    frmEvent *e = editorOn(); // an empty schedule: no page group ticked
    ASSERT_TRUE(e);
    for (QLineEdit *box : {duration(e), startTime(e)}) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
    }
    for (int i = 0; i < 16; ++i)
        EXPECT_FALSE(checked(e, u"chkPageGroup%1"_s.arg(i))) << i;
    EXPECT_EQ(e->mode(), frmEvent::Mode::Add);
    EXPECT_TRUE(storedEvents(1).isEmpty());
    EXPECT_TRUE(prompter().asked().isEmpty());
}

TEST_F(EventEditor, ATypedTimeIsCompletedBeforeABarStepsIt)
{
    const struct {
        const char *typed;
        int bar;
        bool up;
        const char *to;
    } cases[] = {
        {"0930", 1, true, "09:31"}, {"930", 0, false, "08:30"}, {"7:5", 1, false, "07:04"}, {"2359", 1, true, "23:59"}};
    frmEvent *e = editorOn();
    ASSERT_TRUE(e);
    // Typed without leaving the box: the bars are the next thing clicked.
    auto typeOnly = [&](const QString &text) {
        startTime(e)->setFocus();
        startTime(e)->selectAll();
        QTest::keyClick(startTime(e), Qt::Key_Backspace);
        sendText(startTime(e), text);
    };
    for (const auto &c : cases) {
        typeOnly(QString::fromUtf8(c.typed));
        pressArrow(control<QScrollBar>(e, u"vsbStartTime%1"_s.arg(c.bar)), c.up);
        EXPECT_EQ(startTime(e)->text(), QString::fromUtf8(c.to)) << c.typed;
        EXPECT_EQ(barNumber(control<QScrollBar>(e, u"vsbStartTime1"_s)),
                  StartTime::parse(QString::fromUtf8(c.to))->minute);
    }
    EXPECT_TRUE(prompter().asked().isEmpty());

    // An entry that is no time is refused, not stepped over.
    typeOnly(u"2460"_s);
    pressArrow(control<QScrollBar>(e, u"vsbStartTime1"_s), true);
    EXPECT_EQ(lastPrompt(), u"Invalid 'Start Time' entry"_s);
    EXPECT_EQ(startTime(e)->text(), u"24:60"_s);
    EXPECT_TRUE(startTime(e)->hasFocus());
}

TEST_F(EventEditor, TabIntoTheRelayTypesLandsOnTheCheckedOne)
{
    addEvent(1, u"07:30"_s, 3);
    addEvent(1, u"08:00"_s, 2);
    frmEvent *e = editorOn(frmSched::kEdit);
    ASSERT_TRUE(e);
    auto tabFromStartTime = [&](const char *expected) {
        startTime(e)->setFocus();
        QTest::keyClick(startTime(e), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf8(expected));
    };
    tabFromStartTime("optTone3");
    // Tab leaves the options, Shift+Tab comes back to the checked one.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), duration(e));
    QTest::keyClick(duration(e), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"optTone3"_s);

    // Another event shown: its relay type is the one Tab reaches.
    click(e, u"cmdCancel"_s);
    click(e, u"cmdMove2"_s);
    click(e, u"cmdEdit"_s);
    tabFromStartTime("optTone2");
}

TEST_F(EventEditor, AsAnEditorWindowItReportsAnEntryInProgressAndSavesOrDropsIt)
{
    addEvent(1, u"07:30"_s);
    frmEvent *e = editorOn(frmSched::kEdit);
    ASSERT_TRUE(e);
    EditorWindow &editor = *e;
    EXPECT_FALSE(editor.UncommittedChanges()); // editing, nothing changed yet
    typeInto(startTime(e), u"0745"_s);
    EXPECT_TRUE(editor.UncommittedChanges());
    editor.cmdCancel_Click();
    EXPECT_EQ(e->mode(), frmEvent::Mode::View);
    EXPECT_FALSE(editor.UncommittedChanges());
    EXPECT_EQ(storedEvents(1), QStringList{u"07:30 1 10 1"_s});

    click(e, u"cmdAdd"_s);
    EXPECT_TRUE(editor.UncommittedChanges()); // a new entry is always one
    typeInto(startTime(e), u"0800"_s);
    typeInto(duration(e), u"10"_s);
    setPageGroups(e, {1});
    editor.cmdOk_Click();
    EXPECT_EQ(e->mode(), frmEvent::Mode::View);
    EXPECT_FALSE(editor.UncommittedChanges());
    EXPECT_EQ(storedEvents(1), (QStringList{u"07:30 1 10 1"_s, u"08:00 1 10 1"_s}));
    EXPECT_EQ(sched->lines().size(), 2);
}
