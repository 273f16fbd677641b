#include "shell/MenuTable.h"

#include "core/Capacities.h"

namespace MenuTable {
namespace {
using Kind = MenuEntry::Kind;

MenuEntry submenu(const char *name, const char *parent, const char *caption)
{
    return {Kind::Submenu, QString::fromLatin1(name), QString::fromLatin1(parent), QString::fromLatin1(caption)};
}

MenuEntry separator(const char *name, const char *parent, int initially = MenuEntry::Normal)
{
    return {Kind::Separator, QString::fromLatin1(name), QString::fromLatin1(parent), QString(), {}, initially};
}

MenuEntry item(const char *name, const char *parent, const QString &caption, std::function<void()> handler,
               const QKeySequence &key = {}, int initially = MenuEntry::Normal)
{
    return {Kind::Item, QString::fromLatin1(name), QString::fromLatin1(parent), caption, key,
            initially,  std::move(handler)};
}

MenuEntry item(const char *name, const char *parent, const char *caption, std::function<void()> handler,
               const QKeySequence &key = {}, int initially = MenuEntry::Normal)
{
    return item(name, parent, QString::fromLatin1(caption), std::move(handler), key, initially);
}
} // namespace

QList<MenuEntry> entries(MenuCommands &c)
{
    using File = MenuCommands::File;
    const auto file = [&c](File command) { return [&c, command] { c.fileCommand(command); }; };
    const auto other = [&c](const char *name) { return [&c, name] { c.runCommand(QString::fromLatin1(name)); }; };

    QList<MenuEntry> out{
        submenu("mnuFile", "", "&File"),
        item("mnuFileNew", "mnuFile", "&New", file(File::New), QKeySequence(Qt::CTRL | Qt::Key_N)),
        item("mnuFileOpen", "mnuFile", "&Open...", file(File::Open), QKeySequence(Qt::CTRL | Qt::Key_O)),
        item("mnuFileClose", "mnuFile", "&Close", file(File::Close)),
        separator("mnuFileDiv", "mnuFile"),
        item("mnuFileSave", "mnuFile", "&Save", file(File::Save), QKeySequence(Qt::CTRL | Qt::Key_S)),
        item("mnuFileSaveAs", "mnuFile", "Save &As...", file(File::SaveAs)),
        separator("mnuTxRxDiv", "mnuFile"),
        submenu("mnuComSetup", "mnuFile", "&Communications Setup"),
        item("mnuComPort", "mnuComSetup", "&ComPort Selection", [&c] { c.mnuComPort_Click(); }),
        item("mnuRemoteModem", "mnuComSetup", "&Remote Modem Setup", other("mnuRemoteModem")),
        separator("mnuModemDiv", "mnuFile"),
        submenu("mnuModem", "mnuFile", "&Modem"),
        item("mnuModemConnect", "mnuModem", "Modem &Connect", other("mnuModemConnect")),
        item("mnuManualConnect", "mnuModem", "Ma&nual  Connect", other("mnuManualConnect")),
        separator("mnuManConnDiv", "mnuModem"),
        item("mnuModemRelease", "mnuModem", "Modem &Release", other("mnuModemRelease")),
        separator("mnuReceiveDiv", "mnuFile"),
        item("mnuRx", "mnuFile", "&Receive data from Linnet", other("mnuRx")),
        item("mnuSend", "mnuFile", "Sen&d data to Linnet", other("mnuSend")),
        separator("mnuPrintDiv", "mnuFile"),
        item(
            "mnuPrint", "mnuFile", "&Print...", [&c] { c.mnuPrint_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_P)),
        separator("mnuFileArray0", "mnuFile", MenuEntry::Hidden),
    };
    for (int i = 1; i <= 4; ++i)
        out << MenuEntry{
            Kind::Item,        QStringLiteral("mnuFileArray%1").arg(i), QStringLiteral("mnuFile"), QString(), {},
            MenuEntry::Hidden, [&c, i] { c.mnuFileArray_Click(i); }};
    out << separator("mnuExitDiv", "mnuFile") << item("mnuExit", "mnuFile", "E&xit", [&c] { c.mnuExit_Click(); })
        << item("mnuConfig", "", "&Configuration", [&c] { c.mnuConfig_Click(); })
        << submenu("mnuSchedules", "", "&Schedules");
    for (int n = 1; n <= Capacities::kSchedules; ++n)
        out << MenuEntry{Kind::Item,
                         QStringLiteral("mnuSched%1").arg(n),
                         QStringLiteral("mnuSchedules"),
                         QStringLiteral("Schedule &%1").arg(n),
                         {},
                         MenuEntry::Normal,
                         [&c, n] { c.mnuSched_Click(n); }};
    out << separator("mnuSchedDiv", "mnuSchedules")
        << item("mnuAllSched", "mnuSchedules", "&All Schedules", [&c] { c.mnuAllSched_Click(); })
        << separator("mnudash11", "mnuSchedules")
        << item("mnuClocks", "mnuSchedules", "&Clocks", [&c] { c.mnuClocks_Click(); })
        << submenu("mnuStation", "", "S&tation")
        << item("mnuArchNum", "mnuStation", "&ArchNumber / CLID", [&c] { c.mnuArchNum_Click(); })
        << item("mnuClassService", "mnuStation", "&Class Of Service", [&c] { c.mnuClassService_Click(); })
        << item("mnuPageGroup", "", "Custom &Page Groups", [&c] { c.mnuPageGroup_Click(); })
        << item("mnuSysOpt", "", "S&ystem", [&c] { c.mnuSysOpt_Click(); })
        << item("mnuBGM", "", "A&udio Connections", [&c] { c.mnuBGM_Click(); })
        << item("mnuDate", "", "&Date/Time", other("mnuDate")) << submenu("mnuWindow", "", "&Window")
        << item("mnuWindowCloseAll", "mnuWindow", "&Close All", [&c] { c.mnuWindowCloseAll_Click(); })
        << item(
               "mnuSwitchBoard", "mnuWindow", "SwitchBoard", [&c] { c.mnuSwitchBoard_Click(); }, {},
               MenuEntry::Disabled | MenuEntry::Checkable)
        << separator("mnuWindowArrangeDiv", "mnuWindow")
        << item("mnuWindowCascade", "mnuWindow", "&Cascade", [&c] { c.mnuWindowCascade_Click(); })
        << item("mnuWindowTile", "mnuWindow", "&Tile", [&c] { c.mnuWindowTile_Click(); })
        << submenu("mnuHelp", "", "&Help")
        << item(
               "mnuHelpContents", "mnuHelp", "&Contents", [&c] { c.mnuHelpContents_Click(); }, QKeySequence(Qt::Key_F1))
        << item("mnuHelpAbout", "mnuHelp", "&About", [&c] { c.mnuHelpAbout_Click(); })
        << item("mnuDebug", "mnuHelp", "Debug", [&c] { c.mnuDebug_Click(); });
    return out;
}

const QStringList &configurationItems()
{
    static const QStringList items{
        QStringLiteral("mnuConfig"),    QStringLiteral("mnuSchedules"),  QStringLiteral("mnuStation"),
        QStringLiteral("mnuPageGroup"), QStringLiteral("mnuSysOpt"),     QStringLiteral("mnuBGM"),
        QStringLiteral("mnuFileClose"), QStringLiteral("mnuFileSaveAs"), QStringLiteral("mnuPrint")};
    return items;
}

const QStringList &noConfigurationItems()
{
    static const QStringList items{QStringLiteral("mnuFileNew"),    QStringLiteral("mnuFileOpen"),
                                   QStringLiteral("mnuRx"),         QStringLiteral("mnuFileArray1"),
                                   QStringLiteral("mnuFileArray2"), QStringLiteral("mnuFileArray3"),
                                   QStringLiteral("mnuFileArray4")};
    return items;
}

const QStringList &closedOnlyDisabled()
{
    static const QStringList items{QStringLiteral("mnuFileSave"), QStringLiteral("mnuSwitchBoard")};
    return items;
}

const QStringList &rootMenus()
{
    static const QStringList items{QStringLiteral("mnuFile"), QStringLiteral("mnuDate"), QStringLiteral("mnuHelp")};
    return items;
}
} // namespace MenuTable
