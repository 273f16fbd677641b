#pragma once

struct AppContext;

// Compacts the errors database and rotates its copies, at every shut-down:
// errors.bak gets the compacted log, errors.old the log as it was, and errors
// the compacted log again. Each failing step is logged and ends the rotation;
// returns true when every step succeeded. A log that cannot record (damaged,
// or without its Error table) leaves both copies as they are.
bool CompactErrors(AppContext &context);
