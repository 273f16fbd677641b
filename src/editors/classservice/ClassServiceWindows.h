#pragma once

class WindowRegistry;

// Registers the class of service window "frmClassService".
void registerClassServiceWindows(WindowRegistry &registry);
