#pragma once

#include <QString>

// The File commands as the main window calls them. The configuration lifecycle
// implements them; the main window only forwards its menu items here.
class FileCommands {
public:
    virtual ~FileCommands() = default;
    virtual void mnuFileNew_Click() = 0;
    virtual void mnuFileOpen_Click() = 0;
    // Opens a configuration file (also used by the recent-file items). The
    // name is taken by value: opening changes the recent-file list, and a
    // reference into that list would name another file by the end.
    virtual bool OpenDatabase(QString file) = 0;
    virtual void mnuFileClose_Click() = 0;
    virtual void mnuFileSave_Click() = 0;
    virtual void mnuFileSaveAs_Click() = 0;
    // Shut-down on a termination signal, without questions: the working copy
    // is kept for the next start when it holds unsaved work, else removed as
    // Close removes it.
    virtual void shutDownWithoutQuestions() {}
};
