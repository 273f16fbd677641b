#include "ScheduleWindowFixture.h"

#include "config/FileLifecycle.h"
#include "editors/sysconfig/frmConfig.h"
#include "editors/sysconfig/frmDetail.h"
#include "shell/frmMenu.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QRadioButton>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {
// Runs action on the modal window named name as soon as it is shown, while
// the code under test waits in its modal loop.
void whenModal(const QString &name, std::function<void(QWidget *)> action, int tries = 300)
{
    QTimer::singleShot(10, [name, action = std::move(action), tries]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name && modal->isVisible())
            action(modal);
        else if (tries > 0)
            whenModal(name, std::move(action), tries - 1);
    });
}

// Presses a button as a click on its caption does (a mouse click at a wide
// check box's centre would miss its caption).
void press(QWidget *window, const QString &name)
{
    window->findChild<QAbstractButton *>(name)->click();
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class ConfigurationWindow : public ScheduleWindowFixture {
protected:
    std::unique_ptr<frmConfig> openConfig()
    {
        auto window =
            std::unique_ptr<frmConfig>(qobject_cast<frmConfig *>(registry.create(u"frmConfig"_s, ctx(), nullptr)));
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }
    int stored(const QString &sql) { return db->scalar(sql).value_or(-1).toInt(); }
};

TEST_F(ConfigurationWindow, ShowsTheBoardsAndOkAppliesTheChoice)
{
    ctx().state.ExpansionBoards = 2;
    ctx().state.ClockBoard = true;
    auto window = openConfig();
    EXPECT_EQ(window->windowTitle(), u"System Configuration"_s);
    const QStringList captions{u" Main Board"_s, u" Main Board + Expansion 1"_s, u" Main Board + Expansion 1, 2"_s,
                               u" Main Board + Expansion 1, 2, 3"_s};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(window->optConfig(i)->text(), captions[i]);
        EXPECT_EQ(window->optConfig(i)->isChecked(), i == 2);
    }
    auto *clock = control<QCheckBox>(window.get(), u"cbClock"_s);
    EXPECT_EQ(clock->text(), u" Clock Board"_s);
    EXPECT_TRUE(clock->isChecked());
    for (const QString &name : {u"cmdOK"_s, u"cmdCancel"_s, u"cmdDetails"_s}) {
        auto *b = control<QPushButton>(window.get(), name);
        EXPECT_FALSE(b->isDefault() || b->autoDefault()) << name.toStdString();
    }
    EXPECT_EQ(control<QPushButton>(window.get(), u"cmdDetails"_s)->text(), u"Details..."_s);
    // Tab follows the layout: the boards, the clock board, then the buttons.
    const QStringList named{u"optConfig0"_s, u"optConfig1"_s, u"optConfig2"_s, u"optConfig3"_s,
                            u"cbClock"_s,    u"cmdOK"_s,      u"cmdCancel"_s,  u"cmdDetails"_s};
    QStringList chain;
    QWidget *w = window->optConfig(0);
    do {
        if (named.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != window->optConfig(0));
    EXPECT_EQ(chain, named);

    // Enter presses nothing; OK applies: one board more, no clock board.
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    press(window.get(), u"optConfig3"_s);
    press(window.get(), u"cbClock"_s);
    click(window.get(), u"cmdOK"_s);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stored(u"SELECT System_Config FROM Config"_s), 3);
    EXPECT_EQ(stored(u"SELECT ClockEnabled FROM ClockDef"_s), 0);
    EXPECT_FALSE(ctx().state.ClockBoard);
    EXPECT_TRUE(ctx().state.UnsavedChanges);
    EXPECT_TRUE(prompter().asked().isEmpty());
    EXPECT_EQ(loggedErrors(), 0);
}

TEST_F(ConfigurationWindow, EscapeAndDecliningTheRemovalCloseWithoutWriting)
{
    ctx().state.ExpansionBoards = 1;
    const QByteArray before = fileBytes(ctx().paths.TempDbPath());

    auto escaped = openConfig();
    press(escaped.get(), u"optConfig3"_s);
    press(escaped.get(), u"cbClock"_s);
    QTest::keyClick(escaped.get(), Qt::Key_Escape);
    EXPECT_EQ(escaped->result(), QDialog::Rejected);
    EXPECT_FALSE(escaped->isVisible());

    auto declined = openConfig();
    press(declined.get(), u"optConfig0"_s);
    click(declined.get(), u"cmdOK"_s); // the removal question is answered No
    EXPECT_EQ(prompter().asked().size(), 1);
    EXPECT_EQ(declined->result(), QDialog::Rejected);
    EXPECT_FALSE(declined->isVisible());

    EXPECT_EQ(fileBytes(ctx().paths.TempDbPath()), before);
    EXPECT_EQ(ctx().state.ExpansionBoards, 1);
    EXPECT_FALSE(ctx().state.ClockBoard);
    EXPECT_FALSE(ctx().state.UnsavedChanges);
}

TEST_F(ConfigurationWindow, DetailsShowsTheFourBoardsWithTheirPageGroupsAndStations)
{
    auto window = openConfig();
    QStringList boards, groups, stations;
    QString title;
    whenModal(u"frmDetail"_s, [&](QWidget *details) {
        title = details->windowTitle();
        for (int b = 0; b < 4; ++b)
            boards << control<QLabel>(details, u"lblBoard%1"_s.arg(b))->text();
        for (int g = 0; g < 16; ++g) {
            groups << control<QLabel>(details, u"lblPageGroup%1"_s.arg(g))->text();
            stations << control<QLabel>(details, u"lblStation%1"_s.arg(g))->text();
        }
        QTest::keyClick(details, Qt::Key_Escape);
    });
    click(window.get(), u"cmdDetails"_s);

    EXPECT_EQ(title, u"Detailed Configuration"_s);
    EXPECT_EQ(boards, (QStringList{u"MAIN BOARD"_s, u"EXPANSION 1"_s, u"EXPANSION 2"_s, u"EXPANSION 3"_s}));
    ASSERT_EQ(groups.size(), 16);
    EXPECT_EQ(groups.first(), u"PAGE GROUP 1"_s);
    EXPECT_EQ(groups.last(), u"PAGE GROUP 16"_s);
    EXPECT_EQ(stations.first(), u"Stations 1..6"_s);
    EXPECT_EQ(stations[4], u"Stations 25..30"_s);
    EXPECT_EQ(stations[11], u"Stations 67..72"_s);
    EXPECT_EQ(stations.last(), u"Stations 91..96"_s);
    EXPECT_TRUE(window->isVisible()); // closing the details leaves the configuration window open
}

// The configuration command and File > New in the real main window.
class ConfigurationCommand : public ScheduleWindowFixture {
protected:
    void SetUp() override
    {
        ScheduleWindowFixture::SetUp();
        ctx().state.variant.ProductTitle = u"Tarnwick Linnet Programming Tool"_s;
        menu = std::make_unique<frmMenu>(ctx(), registry);
        ctx().host = menu.get();
        menu->setFileCommands(&files);
        menu->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(menu.get()));
    }
    void TearDown() override
    {
        menu.reset();
        ScheduleWindowFixture::TearDown();
    }
    QAction *item(const QString &name) const { return menu->findChild<QAction *>(name); }
    QStringList switchBoardEntries() const
    {
        QStringList out;
        if (menu->switchBoard())
            if (auto *list = menu->switchBoard()->findChild<QListWidget *>(u"lstMenu"_s))
                for (int i = 0; i < list->count(); ++i)
                    out << list->item(i)->text();
        return out;
    }

    FileLifecycle files{ctx()};
    std::unique_ptr<frmMenu> menu;
};

TEST_F(ConfigurationCommand, NewShowsTheConfigurationWindowThenTheSwitchBoard)
{
    bool shown = false;
    whenModal(u"frmConfig"_s, [&](QWidget *config) {
        shown = true;
        EXPECT_EQ(menu->switchBoard(), nullptr); // the boards come first
        EXPECT_TRUE(config->findChild<QRadioButton *>(u"optConfig0"_s)->isChecked());
        press(config, u"cbClock"_s);
        click(config, u"cmdOK"_s);
    });
    item(u"mnuFileNew"_s)->trigger();

    EXPECT_TRUE(shown);
    EXPECT_EQ(ctx().state.CurrentFileName, u"Untitled"_s);
    ASSERT_NE(menu->switchBoard(), nullptr);
    EXPECT_TRUE(menu->switchBoard()->isVisible());
    EXPECT_EQ(switchBoardEntries().size(), 12);
    EXPECT_EQ(switchBoardEntries().at(6), u"Clock"_s);
    EXPECT_TRUE(item(u"mnuClocks"_s)->isEnabled());
    EXPECT_TRUE(menu->saveEnabled());
}

TEST_F(ConfigurationCommand, AnOpenScheduleViewIsClosedAfterTheQuestionAndTheSwitchBoardFollowsTheClockBoard)
{
    ctx().state.CurrentFileName = u"Untitled"_s;
    ctx().state.ClockBoard = true;
    menu->File_Menu_Options();
    menu->showSwitchBoard();
    ASSERT_EQ(switchBoardEntries().size(), 12);
    menu->mnuSched_Click(2);
    ASSERT_EQ(menu->mdiArea()->subWindowList().size(), 1);

    // The switchboard cannot say whether it holds changes, so the question
    // warns that changes will be asked about.
    const QString question = u"Cannot open the System Configuration window until all open windows are closed.\r\n"
                             "(Changing the configuration affects available programming options.)\r\n\r\n"
                             "You will be asked to accept or reject changes to open windows.  Continue?"_s;
    // No: nothing is closed and the editor does not open.
    item(u"mnuConfig"_s)->trigger();
    EXPECT_EQ(prompter().texts(), QStringList{question});
    EXPECT_EQ(prompter().asked().last().title, ctx().state.variant.ProductTitle);
    EXPECT_EQ(menu->mdiArea()->subWindowList().size(), 1);

    prompter().clear();
    prompter().answer(Prompter::AnswerYes);
    int viewsWhileShown = -1;
    whenModal(u"frmConfig"_s, [&](QWidget *config) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        viewsWhileShown = int(menu->mdiArea()->subWindowList().size());
        press(config, u"cbClock"_s); // the clock board goes
        click(config, u"cmdOK"_s);
    });
    item(u"mnuConfig"_s)->trigger();

    EXPECT_EQ(prompter().texts(), QStringList{question});
    EXPECT_EQ(viewsWhileShown, 0);
    EXPECT_EQ(switchBoardEntries().size(), 11);
    EXPECT_FALSE(switchBoardEntries().contains(u"Clock"_s));
    EXPECT_FALSE(item(u"mnuClocks"_s)->isEnabled());
    EXPECT_TRUE(ctx().state.UnsavedChanges);
}
