#pragma once

class WindowRegistry;

// Registers the clocks window "frmClock".
void registerClockWindows(WindowRegistry &registry);
