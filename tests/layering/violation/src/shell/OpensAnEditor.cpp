// The main window including an editor's window directly: same rank, refused.
#include "editors/schedules/frmSched.h"
#include "ui/WindowRegistry.h"
