#pragma once

#include <QString>

// The File commands as the main window calls them. The configuration lifecycle
// implements them; the main window only forwards its menu items here.
class FileCommands {
public:
    virtual ~FileCommands() = default;
    virtual void mnuFileNew_Click() = 0;
    virtual void mnuFileOpen_Click() = 0;
    // Opens a configuration file (also used by the recent-file items).
    virtual bool OpenDatabase(const QString &file) = 0;
    virtual void mnuFileClose_Click() = 0;
    virtual void mnuFileSave_Click() = 0;
    virtual void mnuFileSaveAs_Click() = 0;
};
