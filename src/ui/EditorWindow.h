#pragma once

// The contract between the main window and every programming window (the
// schedule views, the event editor, the station, page-group, class-of-service,
// options, audio and clock windows, ...). The main window uses only this to ask
// a window about its changes (SaveOpenForms when files are closed or saved, a
// Send starts, all windows are closed or the tool shuts down; the Save
// command's state; the configuration command's question); it never looks up
// properties or buttons by name.
//
// A programming window derives from its widget class and from EditorWindow;
// the main window finds it with dynamic_cast<EditorWindow *>. A window that
// does not derive from it (the switchboard, a progress window) has no changes
// to accept and is simply closed, except where a rule says that a window that
// cannot report counts as one with changes.
class EditorWindow {
public:
    virtual ~EditorWindow() = default;

    // The window holds edits that are not yet committed with its OK button.
    virtual bool UncommittedChanges() const = 0;
    // What the window's OK (or Save) button does: commit the edits, and close
    // the window when they were taken. A window that refuses an invalid value
    // shows why and stays open with its changes.
    virtual void cmdOk_Click() = 0;
    // What the window's Cancel button does: drop the edits and close the window.
    virtual void cmdCancel_Click() = 0;
};
