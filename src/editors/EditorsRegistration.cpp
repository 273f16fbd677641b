#include "editors/EditorsRegistration.h"

#include "editors/clocks/ClockWindows.h"
#include "editors/options/OptionWindows.h"
#include "editors/schedules/ScheduleWindows.h"
#include "editors/stations/StationWindows.h"

void registerEditorWindows(WindowRegistry &registry)
{
    registerScheduleWindows(registry);
    registerStationWindows(registry);
    registerOptionWindows(registry);
    registerClockWindows(registry);
}
