#pragma once

#include <functional>

class QWidget;

// Follows the workspace frame (QMdiSubWindow) a window is shown in: calls
// activated each time the frame becomes the active child, and deactivated when
// it stops being it. Call it whenever the window may have been given a new
// frame (its ParentChange event, its show event); a frame already followed is
// not connected again, and a window without a frame is left alone.
void followSubWindow(QWidget *window, std::function<void()> activated, std::function<void()> deactivated = {});

// What most programming windows do on activation: a frame that is maximised
// when it becomes the active child is shown at its normal size again.
void restoreNormalWhenActivated(QWidget *window);
