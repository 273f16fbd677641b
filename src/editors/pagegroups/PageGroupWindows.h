#pragma once

class WindowRegistry;

// Registers the custom page groups window "frmPage".
void registerPageGroupWindows(WindowRegistry &registry);
