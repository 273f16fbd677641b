#pragma once

class WindowRegistry;

// Registers the schedule window "frmSched" (argument: the schedule number).
void registerScheduleWindows(WindowRegistry &registry);
