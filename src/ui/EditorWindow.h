#pragma once

// The contract between the main window and every programming window (the
// schedule views, the event editor, the station, page-group, class-of-service,
// options, audio and clock windows, ...). The main window uses only this to ask
// a window about its changes, for "Accept changes to …?" when files are closed,
// windows are all closed, a Send starts or the tool shuts down; it never looks
// up properties or buttons by name.
//
// A programming window derives from its widget class and from EditorWindow,
// and the main window finds it with dynamic_cast<EditorWindow *>. A window that
// does not derive from it (the switchboard, a progress window) has nothing to
// accept: it is simply closed.
class EditorWindow {
public:
    virtual ~EditorWindow() = default;

    // The window holds edits that are not yet in the working database.
    virtual bool hasUncommittedChanges() const = 0;
    // Writes the edits as the window's OK (or Save) does, then closes the
    // window. False when the edits could not be taken (an invalid value was
    // shown to the user): the window stays open and the caller stops.
    virtual bool acceptChanges() = 0;
    // Drops the edits as the window's Cancel does, then closes the window.
    virtual void discardChanges() = 0;
};
