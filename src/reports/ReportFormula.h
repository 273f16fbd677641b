#pragma once

#include <QString>

// The line every report prints under its title to say which configuration it
// shows: "Database = '" + the file's path + two blanks + its last-modified
// date and time (the locale's short format) + "'"; "Database = 'Untitled'"
// for a configuration not yet saved. A file that can no longer be read is
// named without a date.
namespace ReportFormula {
QString text(const QString &currentFileName);
}
