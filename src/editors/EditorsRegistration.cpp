#include "editors/EditorsRegistration.h"

#include "editors/schedules/ScheduleWindows.h"

void registerEditorWindows(WindowRegistry &registry)
{
    registerScheduleWindows(registry);
}
