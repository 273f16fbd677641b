#include "ScheduleWindowFixture.h"

#include "shell/frmMenu.h"

#include <QMdiArea>
#include <QMdiSubWindow>

using namespace Qt::StringLiterals;

// The schedule windows inside the real main window, opened by its commands.
class MainWindowSchedules : public ScheduleWindowFixture {
protected:
    void SetUp() override
    {
        ScheduleWindowFixture::SetUp();
        ctx().state.CurrentFileName = u"Untitled"_s;
        menu = std::make_unique<frmMenu>(ctx(), registry);
        ctx().host = menu.get();
        menu->File_Menu_Options();
        menu->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(menu.get()));
    }
    void TearDown() override
    {
        menu.reset();
        ScheduleWindowFixture::TearDown();
    }

    frmSched *activeSchedule() const
    {
        QMdiSubWindow *active = menu->mdiArea()->activeSubWindow();
        return active ? qobject_cast<frmSched *>(active->widget()) : nullptr;
    }

    std::unique_ptr<frmMenu> menu;
};

TEST_F(MainWindowSchedules, AllSchedulesLeavesScheduleOneInFrontAndSaveWritesClickedDays)
{
    addEvent(1, u"07:30"_s);
    menu->mnuAllSched_Click();
    ASSERT_EQ(menu->mdiArea()->subWindowList().size(), 6);
    ASSERT_NE(activeSchedule(), nullptr);
    EXPECT_EQ(activeSchedule()->schedule(), 1);
    EXPECT_EQ(ctx().state.CurrentSchedule, 1);
    EXPECT_EQ(activeSchedule()->lines().size(), 1);

    menu->mnuSched_Click(5); // already open: brought to the front, not opened twice
    EXPECT_EQ(menu->mdiArea()->subWindowList().size(), 6);
    ASSERT_EQ(activeSchedule()->schedule(), 5);
    EXPECT_EQ(ctx().state.CurrentSchedule, 5);
    click(activeSchedule(), u"chkDay3"_s);
    EXPECT_TRUE(menu->saveEnabled());

    // Saving asks every window to commit: the schedule windows hold nothing
    // uncommitted, so they are closed, and closing writes the clicked day.
    menu->SaveOpenForms(u"Save"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(prompter().asked().isEmpty());
    EXPECT_TRUE(menu->mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(storedDays(5), (QList<bool>{false, false, false, true, false, false, false}));
    EXPECT_EQ(loggedErrors(), 0);
}
