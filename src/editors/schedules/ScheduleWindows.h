#pragma once

class WindowRegistry;

// Registers the schedule window "frmSched" (argument: the schedule number).
// The main window opens programming windows only through the registry, by
// name; the event editor is not registered: only a schedule window opens it.
void registerScheduleWindows(WindowRegistry &registry);
