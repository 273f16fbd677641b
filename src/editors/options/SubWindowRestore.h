#pragma once

class QWidget;

// A child window that is maximised inside the main window's workspace when it
// becomes the active child is shown at its normal size again. Call it from
// the window's ParentChange event; calling it again for the same frame does
// nothing.
void restoreNormalWhenActivated(QWidget *window);
