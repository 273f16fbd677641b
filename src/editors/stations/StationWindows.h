#pragma once

class WindowRegistry;

// Registers the station window "frmClid".
void registerStationWindows(WindowRegistry &registry);
