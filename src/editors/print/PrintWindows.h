#pragma once

class WindowRegistry;

// Registers the Print dialog "frmPrint".
void registerPrintWindows(WindowRegistry &registry);
