#pragma once

class WindowRegistry;

// Registers the audio connections window "frmBgm".
void registerAudioWindows(WindowRegistry &registry);
