#pragma once

#include <QString>

#include <optional>

// What the file commands, the transfers and the editors ask of the main window.
// The main window implements it; logic classes call it, and tests give them a
// fake, so no logic class needs a widget.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    // Menu states of the two lifecycle states.
    virtual void Init_Menu_Options() = 0;
    virtual void File_Menu_Options() = 0;
    // Back to the state with no configuration open.
    virtual void Initialize() = 0;
    virtual void DisableAllRootMenus() = 0;
    virtual void InableAllRootMenus() = 0;

    virtual QString caption() const = 0;
    virtual void setCaption(const QString &caption) = 0;

    // Asks each open child window to commit or discard its changes; false when
    // the user cancelled and the command that asked must stop.
    virtual bool SaveOpenForms(const QString &title) = 0;
    virtual void UpdateFileSaveOpt() = 0;
    virtual bool saveEnabled() const = 0;
    virtual void setSaveEnabled(bool enabled) = 0;
    // The Clocks command is enabled exactly while the clock board is present.
    virtual void setClocksEnabled(bool enabled) = 0;

    // Unloads every loaded window from the last down to the first child.
    virtual void unloadAllChildren() = 0;
    // Shows the switchboard and enables and checks its Window menu item.
    virtual void showSwitchBoard() = 0;
    // Shows a registered window modally ("frmConfig"...); false when none is registered.
    virtual bool showModal(const QString &windowName) = 0;

    virtual void UpdateFileArray(const QString &file) = 0;
    virtual void setBusyCursor(bool busy) = 0;

    // The common dialogs; nothing when the user cancelled.
    virtual std::optional<QString> chooseOpenFile(const QString &filter) = 0;
    virtual std::optional<QString> chooseSaveFile(const QString &filter, const QString &proposed) = 0;

    // Loaded windows in load order, the main window first (index 0): their
    // captions and names, for the busy rules.
    virtual int loadedWindowCount() const = 0;
    virtual QString loadedWindowCaption(int index) const = 0;
    virtual QString loadedWindowName(int index) const = 0;
};
