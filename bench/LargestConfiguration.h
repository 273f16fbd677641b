#pragma once

#include <QString>

// Turns a copy of DEFAULT into the largest configuration the controller holds:
// three expansion boards and the clock board, 256 events spread over the six
// schedules, every station numbered and described, every page group used.
// False (with the failing statement on standard error) when a step fails.
bool makeLargest(const QString &file);
