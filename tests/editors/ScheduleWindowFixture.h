#pragma once

#include "FakeHost.h"
#include "TempAppFolder.h"

#include "editors/EditorsRegistration.h"
#include "editors/schedules/StartTime.h"
#include "editors/schedules/frmEvent.h"
#include "editors/schedules/frmSched.h"
#include "platform/Database.h"
#include "ui/WindowRegistry.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A working database copied from DEFAULT, the schedule windows opened through
// the window registry as the main window does, and helpers that drive the
// windows through their named controls.
class ScheduleWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        const AppPaths &paths = ctx().paths;
        QFile::remove(paths.TempDbPath());
        ASSERT_TRUE(QFile::copy(paths.DefaultDbPath(), paths.TempDbPath()));
        QFile::setPermissions(paths.TempDbPath(), QFile::permissions(paths.TempDbPath()) | QFile::WriteOwner);
        db = std::make_unique<Database>(paths.TempDbPath());
        ASSERT_TRUE(db->isOpen());
        ctx().host = &host;
        registerEditorWindows(registry);
    }

    void TearDown() override
    {
        windows.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    AppContext &ctx() { return folder.context(); }
    ScriptedPrompter &prompter() { return folder.prompter(); }

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

    int loggedErrors()
    {
        Database errors(ctx().paths.ErrorsDbPath());
        return errors.scalar(QStringLiteral("SELECT count(*) FROM Error")).value_or(-1).toInt();
    }

    // Opens a schedule window through the registry, top-level, shown.
    frmSched *openSchedule(int schedule)
    {
        ctx().state.CurrentSchedule = schedule;
        QWidget *w = registry.create(QStringLiteral("frmSched"), ctx(), nullptr, schedule);
        auto *sched = qobject_cast<frmSched *>(w);
        windows.emplace_back(w);
        if (sched)
            sched->show();
        return sched;
    }

    template <typename T = QWidget> static T *control(QWidget *window, const QString &name)
    {
        T *c = window->findChild<T *>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }

    static void click(QWidget *window, const QString &name)
    {
        if (auto *b = control<QAbstractButton>(window, name))
            QTest::mouseClick(b, Qt::LeftButton);
    }

    static bool enabled(QWidget *window, const QString &name)
    {
        auto *c = control(window, name);
        return c && c->isEnabled();
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

    // Key presses carrying any characters, not only those QTest can name.
    static void sendText(QWidget *w, const QString &text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &release);
        }
    }

    // Types into a box as the user does (replacing its text) and leaves it with Tab.
    static void typeInto(QLineEdit *box, const QString &text)
    {
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        sendText(box, text);
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

    TempAppFolder folder;
    FakeHost host;
    WindowRegistry registry;
    std::unique_ptr<Database> db;
    std::vector<std::unique_ptr<QWidget>> windows;
};
