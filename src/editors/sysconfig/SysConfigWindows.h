#pragma once

class WindowRegistry;

// Registers the System Configuration window "frmConfig" and its board details
// window "frmDetail".
void registerSysConfigWindows(WindowRegistry &registry);
