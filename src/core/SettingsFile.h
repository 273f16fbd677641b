#pragma once

struct AppContext;

// Reading and writing settings.ini: the "System" values at start-up and
// shut-down, the switchboard geometry when that window opens and closes, and
// the recent-file list ("Last Files"). Values live in AppState::settings.
namespace modProject {
// "Com Port" (outside 1-16 becomes 1), "Debug", "MDI Height", "MDI Width", then the recent files.
void ReadIniFile(AppContext &context);
// "Com Port", "MDI Height", "MDI Width", then the recent files. "Debug" is never
// written, so a value set by hand survives every run.
void SaveIniFile(AppContext &context);
void GetFileArray(AppContext &context);
void PutFileArray(AppContext &context);
void getSwitchBoardValues(AppContext &context);
void PutSwitchBoardVal(AppContext &context);
} // namespace modProject
