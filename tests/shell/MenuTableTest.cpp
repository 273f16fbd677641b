#include "shell/MenuTable.h"

#include <gtest/gtest.h>

namespace {
// Records which command each item runs.
class RecordingCommands : public MenuCommands {
public:
    QStringList calls;
    void fileCommand(File command) override { calls << QStringLiteral("file%1").arg(int(command)); }
    void runCommand(const QString &menuName) override { calls << QStringLiteral("run ") + menuName; }
    void mnuComPort_Click() override { calls << QStringLiteral("comport"); }
    void mnuPrint_Click() override { calls << QStringLiteral("print"); }
    void mnuFileArray_Click(int index) override { calls << QStringLiteral("recent%1").arg(index); }
    void mnuExit_Click() override { calls << QStringLiteral("exit"); }
    void mnuConfig_Click() override { calls << QStringLiteral("config"); }
    void mnuSched_Click(int schedule) override { calls << QStringLiteral("sched%1").arg(schedule); }
    void mnuAllSched_Click() override { calls << QStringLiteral("allsched"); }
    void mnuClocks_Click() override { calls << QStringLiteral("clocks"); }
    void mnuArchNum_Click() override { calls << QStringLiteral("archnum"); }
    void mnuClassService_Click() override { calls << QStringLiteral("cos"); }
    void mnuPageGroup_Click() override { calls << QStringLiteral("pagegroup"); }
    void mnuSysOpt_Click() override { calls << QStringLiteral("sysopt"); }
    void mnuBGM_Click() override { calls << QStringLiteral("bgm"); }
    void mnuWindowCloseAll_Click() override { calls << QStringLiteral("closeall"); }
    void mnuWindowCascade_Click() override { calls << QStringLiteral("cascade"); }
    void mnuWindowTile_Click() override { calls << QStringLiteral("tile"); }
    void mnuSwitchBoard_Click() override { calls << QStringLiteral("switchboard"); }
    void mnuHelpContents_Click() override { calls << QStringLiteral("help"); }
    void mnuHelpAbout_Click() override { calls << QStringLiteral("about"); }
    void mnuDebug_Click() override { calls << QStringLiteral("debug"); }
};

struct Row {
    const char *name;
    const char *parent;
    const char *caption; // "-" a separator, "+" prefix a submenu
    QKeySequence key;
    const char *runs; // "" for none
};

const QKeySequence kNone;
} // namespace

// The whole tree, in order: names, nesting, captions, keys and the command each runs.
TEST(MenuTable, HoldsEveryItemInOrderWithItsCaptionKeyAndCommand)
{
    const Row expected[] = {
        {"mnuFile", "", "+&File", kNone, ""},
        {"mnuFileNew", "mnuFile", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), "file0"},
        {"mnuFileOpen", "mnuFile", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), "file1"},
        {"mnuFileClose", "mnuFile", "&Close", kNone, "file2"},
        {"mnuFileDiv", "mnuFile", "-", kNone, ""},
        {"mnuFileSave", "mnuFile", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), "file3"},
        {"mnuFileSaveAs", "mnuFile", "Save &As...", kNone, "file4"},
        {"mnuTxRxDiv", "mnuFile", "-", kNone, ""},
        {"mnuComSetup", "mnuFile", "+&Communications Setup", kNone, ""},
        {"mnuComPort", "mnuComSetup", "&ComPort Selection", kNone, "comport"},
        {"mnuRemoteModem", "mnuComSetup", "&Remote Modem Setup", kNone, "run mnuRemoteModem"},
        {"mnuModemDiv", "mnuFile", "-", kNone, ""},
        {"mnuModem", "mnuFile", "+&Modem", kNone, ""},
        {"mnuModemConnect", "mnuModem", "Modem &Connect", kNone, "run mnuModemConnect"},
        {"mnuManualConnect", "mnuModem", "Ma&nual  Connect", kNone, "run mnuManualConnect"},
        {"mnuManConnDiv", "mnuModem", "-", kNone, ""},
        {"mnuModemRelease", "mnuModem", "Modem &Release", kNone, "run mnuModemRelease"},
        {"mnuReceiveDiv", "mnuFile", "-", kNone, ""},
        {"mnuRx", "mnuFile", "&Receive data from Linnet", kNone, "run mnuRx"},
        {"mnuSend", "mnuFile", "Sen&d data to Linnet", kNone, "run mnuSend"},
        {"mnuPrintDiv", "mnuFile", "-", kNone, ""},
        {"mnuPrint", "mnuFile", "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P), "print"},
        {"mnuFileArray0", "mnuFile", "-", kNone, ""},
        {"mnuFileArray1", "mnuFile", "", kNone, "recent1"},
        {"mnuFileArray2", "mnuFile", "", kNone, "recent2"},
        {"mnuFileArray3", "mnuFile", "", kNone, "recent3"},
        {"mnuFileArray4", "mnuFile", "", kNone, "recent4"},
        {"mnuExitDiv", "mnuFile", "-", kNone, ""},
        {"mnuExit", "mnuFile", "E&xit", kNone, "exit"},
        {"mnuConfig", "", "&Configuration", kNone, "config"},
        {"mnuSchedules", "", "+&Schedules", kNone, ""},
        {"mnuSched1", "mnuSchedules", "Schedule &1", kNone, "sched1"},
        {"mnuSched2", "mnuSchedules", "Schedule &2", kNone, "sched2"},
        {"mnuSched3", "mnuSchedules", "Schedule &3", kNone, "sched3"},
        {"mnuSched4", "mnuSchedules", "Schedule &4", kNone, "sched4"},
        {"mnuSched5", "mnuSchedules", "Schedule &5", kNone, "sched5"},
        {"mnuSched6", "mnuSchedules", "Schedule &6", kNone, "sched6"},
        {"mnuSchedDiv", "mnuSchedules", "-", kNone, ""},
        {"mnuAllSched", "mnuSchedules", "&All Schedules", kNone, "allsched"},
        {"mnudash11", "mnuSchedules", "-", kNone, ""},
        {"mnuClocks", "mnuSchedules", "&Clocks", kNone, "clocks"},
        {"mnuStation", "", "+S&tation", kNone, ""},
        {"mnuArchNum", "mnuStation", "&ArchNumber / CLID", kNone, "archnum"},
        {"mnuClassService", "mnuStation", "&Class Of Service", kNone, "cos"},
        {"mnuPageGroup", "", "Custom &Page Groups", kNone, "pagegroup"},
        {"mnuSysOpt", "", "S&ystem", kNone, "sysopt"},
        {"mnuBGM", "", "A&udio Connections", kNone, "bgm"},
        {"mnuDate", "", "&Date/Time", kNone, "run mnuDate"},
        {"mnuWindow", "", "+&Window", kNone, ""},
        {"mnuWindowCloseAll", "mnuWindow", "&Close All", kNone, "closeall"},
        {"mnuSwitchBoard", "mnuWindow", "SwitchBoard", kNone, "switchboard"},
        {"mnuWindowArrangeDiv", "mnuWindow", "-", kNone, ""},
        {"mnuWindowCascade", "mnuWindow", "&Cascade", kNone, "cascade"},
        {"mnuWindowTile", "mnuWindow", "&Tile", kNone, "tile"},
        {"mnuHelp", "", "+&Help", kNone, ""},
        {"mnuHelpContents", "mnuHelp", "&Contents", QKeySequence(Qt::Key_F1), "help"},
        {"mnuHelpAbout", "mnuHelp", "&About", kNone, "about"},
        {"mnuDebug", "mnuHelp", "Debug", kNone, "debug"},
    };
    RecordingCommands commands;
    const QList<MenuEntry> entries = MenuTable::entries(commands);
    ASSERT_EQ(entries.size(), qsizetype(std::size(expected)));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const MenuEntry &e = entries[i];
        const Row &row = expected[i];
        const QString caption = QString::fromLatin1(row.caption);
        SCOPED_TRACE(row.name);
        EXPECT_EQ(e.name, QString::fromLatin1(row.name));
        EXPECT_EQ(e.parent, QString::fromLatin1(row.parent));
        if (caption == QLatin1String("-")) {
            EXPECT_EQ(e.kind, MenuEntry::Kind::Separator);
        } else if (caption.startsWith(u'+')) {
            EXPECT_EQ(e.kind, MenuEntry::Kind::Submenu);
            EXPECT_EQ(e.caption, caption.mid(1));
        } else {
            EXPECT_EQ(e.kind, MenuEntry::Kind::Item);
            EXPECT_EQ(e.caption, caption);
        }
        EXPECT_EQ(e.key, row.key);
        commands.calls.clear();
        if (e.handler)
            e.handler();
        EXPECT_EQ(commands.calls.join(u','), QString::fromLatin1(row.runs));
    }
}

TEST(MenuTable, StartsWithTheRecentFilesHiddenAndTheSwitchBoardDisabledAndCheckable)
{
    RecordingCommands commands;
    for (const MenuEntry &e : MenuTable::entries(commands)) {
        const bool recent = e.name.startsWith(QLatin1String("mnuFileArray"));
        EXPECT_EQ(bool(e.initially & MenuEntry::Hidden), recent) << e.name.toStdString();
        const bool switchBoard = e.name == QLatin1String("mnuSwitchBoard");
        EXPECT_EQ(bool(e.initially & MenuEntry::Disabled), switchBoard) << e.name.toStdString();
        EXPECT_EQ(bool(e.initially & MenuEntry::Checkable), switchBoard) << e.name.toStdString();
    }
}
