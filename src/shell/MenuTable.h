#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The commands of the main window's menu tree. The main window implements
// them; the table below only says which item runs which.
class MenuCommands {
public:
    enum class File { New, Open, Close, Save, SaveAs };

    virtual ~MenuCommands() = default;
    virtual void fileCommand(File command) = 0;
    // A command owned by another part of the tool ("mnuRx", "mnuModemRelease", ...).
    virtual void runCommand(const QString &menuName) = 0;
    virtual void mnuComPort_Click() = 0;
    virtual void mnuPrint_Click() = 0;
    virtual void mnuFileArray_Click(int index) = 0;
    virtual void mnuExit_Click() = 0;
    virtual void mnuConfig_Click() = 0;
    virtual void mnuSched_Click(int schedule) = 0;
    virtual void mnuAllSched_Click() = 0;
    virtual void mnuClocks_Click() = 0;
    virtual void mnuArchNum_Click() = 0;
    virtual void mnuClassService_Click() = 0;
    virtual void mnuPageGroup_Click() = 0;
    virtual void mnuSysOpt_Click() = 0;
    virtual void mnuBGM_Click() = 0;
    virtual void mnuWindowCloseAll_Click() = 0;
    virtual void mnuWindowCascade_Click() = 0;
    virtual void mnuWindowTile_Click() = 0;
    virtual void mnuSwitchBoard_Click() = 0;
    virtual void mnuHelpContents_Click() = 0;
    virtual void mnuHelpAbout_Click() = 0;
    virtual void mnuDebug_Click() = 0;
};

// One row of the menu tree: a submenu, a command or a separator, under its
// parent submenu ("" for the menu bar), in order.
struct MenuEntry {
    enum class Kind { Submenu, Item, Separator };
    enum Initially { Normal = 0, Hidden = 1, Disabled = 2, Checkable = 4 };

    Kind kind = Kind::Item;
    QString name;
    QString parent;
    QString caption;
    QKeySequence key;
    int initially = Normal;
    // What the item runs; a checkable item's command sets its mark itself.
    std::function<void()> handler;
};

namespace MenuTable {
// The main window's menu tree, in order, each item bound to its command.
QList<MenuEntry> entries(MenuCommands &commands);

// Items of the configuration-open state: enabled by File_Menu_Options and
// disabled by Init_Menu_Options.
const QStringList &configurationItems();
// Items of the no-configuration state: enabled by Init_Menu_Options and
// disabled by File_Menu_Options.
const QStringList &noConfigurationItems();
// Disabled by Init_Menu_Options, left alone by File_Menu_Options.
const QStringList &closedOnlyDisabled();
// The menu-bar items that DisableAllRootMenus / InableAllRootMenus switch.
const QStringList &rootMenus();
} // namespace MenuTable
