#pragma once

#include <QString>

class ErrorLog;
struct AppState;

// The configuration rules shared by the configuration editor and the receive:
// clearing the programming of the boards a configuration does not have, giving
// added boards their page-group defaults, and counting the events.
namespace modProject {
// Clears, in the configuration database at path, the stations, class-of-service
// groups and page groups beyond ExpansionBoards, then deletes every event left
// without a page group. A failing statement is logged and the next one runs.
void Validate_Config(const QString &databasePath, const AppState &state, ErrorLog &log);
// Sets, in the configuration database at path, the emergency- and time-tone
// page groups of the expansion boards firstBoard to lastBoard (1-3), then
// deletes every event left without a page group. Used by the configuration
// editor when boards were added; a failing statement is logged and the next
// one runs.
void UpdateDefaults(const QString &databasePath, int firstBoard, int lastBoard, ErrorLog &log);
// Sets TotalEvents to the number of Event rows (0 when they cannot be counted).
void GetTotalEvents(const QString &databasePath, AppState &state, ErrorLog &log);
} // namespace modProject
