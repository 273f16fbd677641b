#include "editors/EditorsRegistration.h"

#include "editors/clocks/ClockWindows.h"
#include "editors/options/OptionWindows.h"
#include "editors/schedules/ScheduleWindows.h"

void registerEditorWindows(WindowRegistry &registry)
{
    registerScheduleWindows(registry);
    registerOptionWindows(registry);
    registerClockWindows(registry);
}
