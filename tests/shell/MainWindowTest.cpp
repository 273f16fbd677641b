#include "core/FileCommands.h"
#include "shell/ChildWindows.h"
#include "shell/frmDebug.h"
#include "shell/frmMenu.h"
#include "shell/frmSwitchBoard.h"
#include "ui/WindowRegistry.h"

#include "QtPrinters.h"
#include "TempAppFolder.h"
#include "platform/Database.h"

#include "ui/EditorWindow.h"
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>

#include <QTest>

#include <gtest/gtest.h>

namespace {
// An editor window as the main window sees one: a caption, the editor
// contract, and cmdOk / cmdCancel buttons that close it.
class FakeEditor : public QWidget, public EditorWindow {
public:
    FakeEditor(const QString &name, const QString &caption, QWidget *parent) : QWidget(parent)
    {
        setObjectName(name);
        setWindowTitle(caption);
        auto *ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("cmdOK"));
        auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
        cancel->setObjectName(QStringLiteral("cmdCancel"));
        QObject::connect(ok, &QPushButton::clicked, this, [this] { finish(QStringLiteral("ok")); });
        QObject::connect(cancel, &QPushButton::clicked, this, [this] { finish(QStringLiteral("cancel")); });
    }
    static inline QStringList pressed;
    bool changes = false;

    bool UncommittedChanges() const override { return changes; }
    void cmdOk_Click() override { finish(QStringLiteral("ok")); }
    void cmdCancel_Click() override { finish(QStringLiteral("cancel")); }

private:
    void finish(const QString &how)
    {
        pressed << objectName() + QLatin1Char(':') + how;
        changes = false;
        close();
    }
};

class FakeFileCommands : public FileCommands {
public:
    explicit FakeFileCommands(AppState &state) : m_state(state) {}
    void mnuFileNew_Click() override { calls << QStringLiteral("new"); }
    void mnuFileOpen_Click() override { calls << QStringLiteral("open"); }
    bool OpenDatabase(QString file) override
    {
        calls << QStringLiteral("opendb ") + file;
        return true;
    }
    void mnuFileClose_Click() override
    {
        calls << QStringLiteral("close");
        m_state.CancelClose = cancelClose;
        if (!cancelClose)
            m_state.CurrentFileName.clear();
    }
    void mnuFileSave_Click() override { calls << QStringLiteral("save"); }
    void mnuFileSaveAs_Click() override { calls << QStringLiteral("saveas"); }

    bool cancelClose = false;
    QStringList calls;

private:
    AppState &m_state;
};

const QString kTitle = QStringLiteral("Tarnwick Linnet Programming Tool");

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        FakeEditor::pressed.clear();
        for (const char *name : {"frmClid", "frmClassService", "frmPage", "frmDip", "frmBgm", "frmClock"})
            registry.add(QString::fromLatin1(name), [this, name](AppContext &, QWidget *parent, int) {
                created << QString::fromLatin1(name);
                return new FakeEditor(QString::fromLatin1(name), QString::fromLatin1(name).mid(3), parent);
            });
        registry.add(QStringLiteral("frmSched"), [this](AppContext &, QWidget *parent, int n) {
            created << QStringLiteral("frmSched%1").arg(n);
            return new FakeEditor(QStringLiteral("frmSched"), QStringLiteral("Schedule %1").arg(n), parent);
        });
        menu = std::make_unique<frmMenu>(app.context(), registry);
        menu->setFileCommands(&files);
    }
    void TearDown() override
    {
        menu.reset();
        QCoreApplication::processEvents();
    }

    bool enabled(const char *name) const { return item(name)->isEnabled(); }
    QAction *item(const char *name) const
    {
        QAction *a = menu->findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    void trigger(const char *name) { item(name)->trigger(); }
    void openConfiguration(bool clockBoard)
    {
        app.context().state.ClockBoard = clockBoard;
        app.context().state.CurrentFileName = QStringLiteral("/s/site.mdb");
        menu->File_Menu_Options();
    }
    QStringList loadedNames() const
    {
        QStringList out;
        for (QWidget *w : menu->loadedWindows())
            out << w->objectName();
        return out;
    }
    void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    TempAppFolder app;
    WindowRegistry registry;
    FakeFileCommands files{app.context().state};
    std::unique_ptr<frmMenu> menu;
    QStringList created;
};
} // namespace

TEST_F(MainWindow, StartsWithTheMenusOfNoConfigurationAndTheVariantCaptions)
{
    ASSERT_TRUE(menu->Load(false));
    EXPECT_EQ(menu->windowTitle(), kTitle);
    EXPECT_EQ(item("mnuRx")->text(), QStringLiteral("&Receive data from Linnet"));
    EXPECT_EQ(item("mnuSend")->text(), QStringLiteral("Sen&d data to Linnet"));
    EXPECT_EQ(item("mnuFileNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(item("mnuHelpContents")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(item("mnuManualConnect")->text(), QStringLiteral("Ma&nual  Connect"));
    for (const char *name :
         {"mnuConfig", "mnuSchedules", "mnuStation", "mnuPageGroup", "mnuSysOpt", "mnuBGM", "mnuFileClose",
          "mnuFileSaveAs", "mnuPrint", "mnuFileSave", "mnuSwitchBoard", "mnuModemRelease"})
        EXPECT_FALSE(enabled(name)) << name;
    for (const char *name : {"mnuFileNew", "mnuFileOpen", "mnuRx", "mnuSend", "mnuDate"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_FALSE(item("mnuDebug")->isVisible());
    EXPECT_FALSE(item("mnuFileArray0")->isVisible()); // an empty recent-file list shows no separator
    EXPECT_TRUE(app.context().state.CurrentFileName.isEmpty());
}

TEST_F(MainWindow, ShowsTheRecentFilesAndTheDebugMenuFromTheSettings)
{
    QFile ini(app.context().paths.IniFilePath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[System]\r\nDebug=1\r\n[Last Files]\r\nFile 1=/s/a.mdb\r\nFile 2=/s/b.mdb\r\n");
    ini.close();
    ASSERT_TRUE(menu->Load(false));
    EXPECT_TRUE(item("mnuDebug")->isVisible());
    EXPECT_TRUE(item("mnuFileArray0")->isVisible());
    EXPECT_EQ(item("mnuFileArray2")->text(), QStringLiteral("&2 /s/b.mdb"));
    EXPECT_FALSE(item("mnuFileArray3")->isVisible());
    trigger("mnuFileArray2");
    EXPECT_EQ(files.calls, QStringList{QStringLiteral("opendb /s/b.mdb")});
    EXPECT_TRUE(enabled("mnuFileArray1"));
    openConfiguration(false);
    EXPECT_FALSE(enabled("mnuFileArray1"));
    menu->Init_Menu_Options();

    menu->UpdateFileArray(QStringLiteral("/s/c.mdb"));
    EXPECT_EQ(item("mnuFileArray1")->text(), QStringLiteral("&1 /s/c.mdb"));
    EXPECT_EQ(item("mnuFileArray3")->text(), QStringLiteral("&3 /s/b.mdb"));
    EXPECT_TRUE(item("mnuFileArray3")->isVisible());
}

TEST_F(MainWindow, OpenConfigurationStateFollowsTheClockBoard)
{
    ASSERT_TRUE(menu->Load(false));
    openConfiguration(false);
    for (const char *name : {"mnuConfig", "mnuSchedules", "mnuStation", "mnuPageGroup", "mnuSysOpt", "mnuBGM",
                             "mnuFileClose", "mnuFileSaveAs", "mnuPrint"})
        EXPECT_TRUE(enabled(name)) << name;
    for (const char *name : {"mnuFileNew", "mnuFileOpen", "mnuRx", "mnuClocks", "mnuFileSave"})
        EXPECT_FALSE(enabled(name)) << name;

    menu->QuickMenu(QStringLiteral("All"));
    EXPECT_EQ(created,
              (QStringList{QStringLiteral("frmSched6"), QStringLiteral("frmSched5"), QStringLiteral("frmSched4"),
                           QStringLiteral("frmSched3"), QStringLiteral("frmSched2"), QStringLiteral("frmSched1"),
                           QStringLiteral("frmDip"), QStringLiteral("frmPage"), QStringLiteral("frmBgm"),
                           QStringLiteral("frmClid"), QStringLiteral("frmClassService")}));
    EXPECT_EQ(app.context().state.CurrentSchedule, 1);
    EXPECT_EQ(menu->mdiArea()->activeSubWindow()->widget()->windowTitle(), QStringLiteral("ClassService"));

    // A second request fronts the same window instead of making another.
    trigger("mnuSched3");
    EXPECT_EQ(created.count(QStringLiteral("frmSched3")), 1);
    EXPECT_EQ(menu->mdiArea()->activeSubWindow()->widget()->windowTitle(), QStringLiteral("Schedule 3"));
    EXPECT_EQ(app.context().state.CurrentSchedule, 3);

    menu->Init_Menu_Options();
    EXPECT_FALSE(enabled("mnuSchedules"));
    app.context().state.ClockBoard = true;
    menu->File_Menu_Options();
    EXPECT_TRUE(enabled("mnuClocks"));
}

TEST_F(MainWindow, EditorCommandsDoNothingWhileTheProgressWindowIsTheThirdWindow)
{
    ASSERT_TRUE(menu->Load(false));
    openConfiguration(true);
    menu->showSwitchBoard();
    QWidget progress(menu.get(), Qt::Window);
    progress.setObjectName(QStringLiteral("frmMsgWait"));
    progress.setWindowTitle(kTitle);
    progress.show();
    ASSERT_EQ(loadedNames(),
              (QStringList{QStringLiteral("frmMenu"), QStringLiteral("frmSwitchBoard"), QStringLiteral("frmMsgWait")}));
    for (const char *name :
         {"mnuSched1", "mnuAllSched", "mnuArchNum", "mnuClassService", "mnuPageGroup", "mnuSysOpt", "mnuBGM"})
        trigger(name);
    EXPECT_TRUE(created.isEmpty()) << created.join(QLatin1Char(',')).toStdString();
    trigger("mnuClocks"); // no busy rule for the clocks
    EXPECT_EQ(created, QStringList{QStringLiteral("frmClock")});
    progress.close();
    trigger("mnuArchNum");
    EXPECT_TRUE(created.contains(QStringLiteral("frmClid")));
}

TEST_F(MainWindow, FileCommandsAreForwardedUnlessAModemIsBeingDialled)
{
    ASSERT_TRUE(menu->Load(false));
    trigger("mnuFileNew");
    trigger("mnuFileOpen");
    QWidget dialing(menu.get(), Qt::Window);
    dialing.setObjectName(QStringLiteral("frmPhoneList"));
    dialing.setWindowTitle(QStringLiteral("Dialing Modem"));
    dialing.show();
    trigger("mnuFileNew");
    trigger("mnuFileOpen");
    EXPECT_EQ(files.calls, (QStringList{QStringLiteral("new"), QStringLiteral("open")}));
}

TEST_F(MainWindow, SaveOpenFormsUnloadsCleanEditorsAndKeepsTheSwitchBoard)
{
    ASSERT_TRUE(menu->Load(false));
    openConfiguration(false);
    menu->showSwitchBoard();
    trigger("mnuArchNum");
    trigger("mnuSysOpt");
    settle();
    ASSERT_EQ(menu->loadedWindowCount(), 4);
    EXPECT_TRUE(menu->SaveOpenForms(QStringLiteral("Save File")));
    settle();
    EXPECT_EQ(loadedNames(), (QStringList{QStringLiteral("frmMenu"), QStringLiteral("frmSwitchBoard")}));
    EXPECT_TRUE(app.prompter().asked().isEmpty());
}

TEST_F(MainWindow, SaveOpenFormsAsksForEachChangedWindowAndStopsOnCancel)
{
    ASSERT_TRUE(menu->Load(false));
    openConfiguration(false);
    trigger("mnuArchNum");
    trigger("mnuSysOpt");
    trigger("mnuBGM");
    for (const char *name : {"frmClid", "frmDip", "frmBgm"})
        menu->findChild<FakeEditor *>(QString::fromLatin1(name))->changes = true;
    ScriptedPrompter &p = app.prompter();
    p.answer(Prompter::AnswerYes);    // Bgm
    p.answer(Prompter::AnswerNo);     // Dip
    p.answer(Prompter::AnswerCancel); // Clid
    EXPECT_FALSE(menu->SaveOpenForms(QStringLiteral("Save File")));
    settle();
    EXPECT_EQ(p.texts(),
              (QStringList{QStringLiteral("Accept changes to Bgm?"), QStringLiteral("Accept changes to Dip?"),
                           QStringLiteral("Accept changes to Clid?")}));
    EXPECT_EQ(p.asked()[0].title, QStringLiteral("Save File"));
    EXPECT_EQ(p.asked()[0].buttons, Prompter::YesNoCancel);
    EXPECT_EQ(p.asked()[0].icon, Prompter::Exclamation);
    EXPECT_EQ(FakeEditor::pressed, (QStringList{QStringLiteral("frmBgm:ok"), QStringLiteral("frmDip:cancel")}));
    EXPECT_EQ(loadedNames(), (QStringList{QStringLiteral("frmMenu"), QStringLiteral("frmClid")}));

    // With AcceptAllChanges every changed window is accepted without a question.
    p.clear();
    app.context().state.AcceptAllChanges = true;
    EXPECT_TRUE(menu->SaveOpenForms(QStringLiteral("Save File")));
    EXPECT_TRUE(p.asked().isEmpty());
    EXPECT_EQ(FakeEditor::pressed.last(), QStringLiteral("frmClid:ok"));
    EXPECT_FALSE(app.context().state.AcceptAllChanges);
}

TEST_F(MainWindow, SaveIsEnabledWhileAnyEditorHoldsChanges)
{
    ASSERT_TRUE(menu->Load(false));
    openConfiguration(false);
    trigger("mnuArchNum");
    auto *clid = menu->findChild<FakeEditor *>(QStringLiteral("frmClid"));
    clid->changes = true;
    menu->UpdateFileSaveOpt();
    EXPECT_TRUE(enabled("mnuFileSave"));
    clid->changes = false;
    menu->UpdateFileSaveOpt();
    EXPECT_FALSE(enabled("mnuFileSave"));
    // Unsaved changes of the configuration itself keep Save enabled.
    app.context().state.UnsavedChanges = true;
    menu->setSaveEnabled(true);
    menu->UpdateFileSaveOpt();
    EXPECT_TRUE(enabled("mnuFileSave"));
}

TEST_F(MainWindow, CloseAllAndTheSwitchBoardCommand)
{
    ASSERT_TRUE(menu->Load(false));
    openConfiguration(false);
    menu->showSwitchBoard();
    EXPECT_TRUE(item("mnuSwitchBoard")->isChecked());
    frmSwitchBoard *sb = menu->switchBoard();
    auto *list = sb->findChild<QListWidget *>(QStringLiteral("lstMenu"));
    ASSERT_EQ(list->count(), 11); // no "Clock" without a clock board
    list->setCurrentRow(8);       // "System"
    sb->findChild<QPushButton *>(QStringLiteral("cmdOpen"))->click();
    EXPECT_EQ(created, QStringList{QStringLiteral("frmDip")});
    trigger("mnuWindowCloseAll");
    settle();
    EXPECT_EQ(loadedNames(), (QStringList{QStringLiteral("frmMenu"), QStringLiteral("frmSwitchBoard")}));

    trigger("mnuSwitchBoard");
    settle();
    EXPECT_FALSE(item("mnuSwitchBoard")->isChecked());
    EXPECT_EQ(menu->switchBoard(), nullptr);
    // Closing it stored its place: unset values become the smallest allowed.
    const QByteArray ini = [&] {
        QFile f(app.context().paths.IniFilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    EXPECT_TRUE(ini.contains("SwitchBorad Width=2670")) << ini.constData();
    trigger("mnuSwitchBoard");
    EXPECT_TRUE(item("mnuSwitchBoard")->isChecked());
    ASSERT_NE(menu->switchBoard(), nullptr);
}

// The schedule windows are as large as the real ones and ask for a title bar
// without a maximise button.
TEST_F(MainWindow, AllSchedulesCascadesTheSixWindowsInsideTheVisibleAreaAndTheWindowMenuArranges)
{
    registry.add(QStringLiteral("frmSched"), [](AppContext &, QWidget *parent, int n) {
        auto *w = new FakeEditor(QStringLiteral("frmSched"), QStringLiteral("Schedule %1").arg(n), parent);
        w->setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        w->resize(520, 400);
        return w;
    });
    ASSERT_TRUE(menu->Load(false));
    openConfiguration(false);
    menu->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu.get()));
    trigger("mnuAllSched");
    settle();
    const QRect visible = menu->mdiArea()->viewport()->rect();
    const QList<QMdiSubWindow *> frames = menu->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(frames.size(), 6);
    QSet<QPoint> corners;
    for (QMdiSubWindow *frame : frames) {
        EXPECT_TRUE(visible.contains(frame->geometry())) << frame->windowTitle().toStdString();
        EXPECT_TRUE(frame->windowFlags().testFlag(Qt::CustomizeWindowHint));
        EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        corners << frame->pos();
    }
    EXPECT_EQ(corners.size(), 6); // none hidden exactly under another
    EXPECT_EQ(menu->mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Schedule 1"));

    trigger("mnuWindowTile");
    QRect covered;
    for (QMdiSubWindow *frame : frames) {
        EXPECT_TRUE(visible.contains(frame->geometry()));
        covered |= frame->geometry();
    }
    EXPECT_GT(covered.width() * covered.height(), visible.width() * visible.height() * 9 / 10);
    trigger("mnuWindowCascade");
    QSet<int> tops;
    for (QMdiSubWindow *frame : frames)
        tops << frame->y();
    EXPECT_EQ(tops.size(), 6);
    EXPECT_EQ(item("mnuWindowCascade")->text(), QStringLiteral("&Cascade"));
    EXPECT_EQ(item("mnuWindowTile")->text(), QStringLiteral("&Tile"));
}

TEST(CascadePlacement, StepsDownAndStartsAgainAtTheTopWhenTheNextWouldNotFit)
{
    const QList<QRect> places =
        ChildWindows::cascade({QSize(100, 80), QSize(100, 80), QSize(100, 80), QSize(500, 50)}, QSize(140, 120), 20);
    EXPECT_EQ(places, (QList<QRect>{QRect(0, 0, 100, 80), QRect(20, 20, 100, 80), QRect(40, 40, 100, 80),
                                    QRect(0, 0, 140, 50)}));
}

TEST_F(MainWindow, ClosingSavesTheSettingsAndCompactsTheLogEvenWhenCancelled)
{
    ASSERT_TRUE(menu->Load(false));
    openConfiguration(false);
    files.cancelClose = true;
    menu->show();
    EXPECT_FALSE(menu->close());
    EXPECT_EQ(files.calls, QStringList{QStringLiteral("close")});
    EXPECT_TRUE(QFile::exists(app.context().paths.file(QStringLiteral("errors.old"))));
    QFile ini(app.context().paths.IniFilePath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    EXPECT_TRUE(text.contains("[System]\r\nCom Port=1\r\nMDI Height=")) << text.constData();

    // Exit runs Close; when it succeeds the window closes.
    files.cancelClose = false;
    trigger("mnuExit");
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(MainWindow, ASecondWindowOnTheSameFolderEndsAfterTheSplash)
{
    ASSERT_TRUE(menu->Load(false));
    frmMenu second(app.context(), registry);
    EXPECT_FALSE(second.Load(false));
    EXPECT_EQ(app.prompter().texts(),
              QStringList{QStringLiteral("'") + kTitle + QStringLiteral("' is already running.")});
}

TEST(DebugWindow, ShowsTheLogOldestFirstAndAppliesTheSwitchesOnlyOnOk)
{
    TempAppFolder app;
    AppContext &ctx = app.context();
    {
        frmDebug empty(ctx);
        auto *grid = empty.findChild<QTableWidget *>(QStringLiteral("grid1"));
        EXPECT_EQ(grid->rowCount(), 0);
        ASSERT_EQ(grid->columnCount(), 5);
        EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Date/Time"));
        EXPECT_EQ(grid->columnWidth(1), 2300 / 15);
    }
    ctx.log.LogError(53, QStringLiteral("older"), QStringLiteral("frmMenu"), QStringLiteral("frmMenu"),
                     QStringLiteral("Load"));
    ctx.log.trace(QStringLiteral("H048"), QStringLiteral("Send_Msg"));
    {
        frmDebug debug(ctx);
        auto *grid = debug.findChild<QTableWidget *>(QStringLiteral("grid1"));
        ASSERT_EQ(grid->rowCount(), 2);
        EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("older"));
        EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("0"));
        EXPECT_TRUE(grid->item(1, 2)->text().contains(QStringLiteral(" @ ")));
        EXPECT_EQ(grid->item(1, 3)->text(), QStringLiteral("Send_Msg"));
        EXPECT_EQ(grid->item(1, 4)->text(), QStringLiteral("Not An Error"));

        debug.findChild<QCheckBox *>(QStringLiteral("chkComm"))->setChecked(true);
        debug.reject(); // closed without Ok
        EXPECT_FALSE(ctx.state.DebugTrace);
    }
    {
        frmDebug debug(ctx);
        debug.findChild<QCheckBox *>(QStringLiteral("chkAT"))->setChecked(true);
        debug.findChild<QPushButton *>(QStringLiteral("cmdClear"))->click();
        EXPECT_EQ(debug.findChild<QTableWidget *>(QStringLiteral("grid1"))->rowCount(), 0);
        debug.findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
        EXPECT_FALSE(ctx.state.DebugTrace);
        EXPECT_TRUE(ctx.state.ATCommandTrace);
    }
    frmDebug reopened(ctx);
    EXPECT_EQ(reopened.findChild<QTableWidget *>(QStringLiteral("grid1"))->rowCount(), 0);
    EXPECT_TRUE(reopened.findChild<QCheckBox *>(QStringLiteral("chkAT"))->isChecked());
}
