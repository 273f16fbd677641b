#pragma once

class WindowRegistry;

// Registers the system options window "frmDip".
void registerOptionWindows(WindowRegistry &registry);
