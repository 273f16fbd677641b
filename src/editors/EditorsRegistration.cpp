#include "editors/EditorsRegistration.h"

#include "editors/schedules/ScheduleWindows.h"
#include "editors/stations/StationWindows.h"

void registerEditorWindows(WindowRegistry &registry)
{
    registerScheduleWindows(registry);
    registerStationWindows(registry);
}
