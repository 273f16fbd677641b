#pragma once

class WindowRegistry;

// Registers "frmDate"; the Date/Time command loads it with the controller's
// session before showing it.
void registerDateTimeWindows(WindowRegistry &registry);
