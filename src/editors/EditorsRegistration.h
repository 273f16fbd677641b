#pragma once

class WindowRegistry;

// Adds every editor window to the registry the main window opens windows from.
void registerEditorWindows(WindowRegistry &registry);
