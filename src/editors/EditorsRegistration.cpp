#include "editors/EditorsRegistration.h"

#include "editors/print/PrintWindows.h"
#include "editors/schedules/ScheduleWindows.h"

void registerEditorWindows(WindowRegistry &registry)
{
    registerScheduleWindows(registry);
    registerPrintWindows(registry);
}
