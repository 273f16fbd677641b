#pragma once

#include <QString>

class ErrorLog;

// The number of expansion boards stored in a configuration file (Config,
// System_Config of its first row), at most 3; 0 when the file cannot be read.
int GetNumberofSysBoards(const QString &file, ErrorLog &log);
