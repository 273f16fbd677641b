#include "editors/EditorsRegistration.h"

#include "editors/audio/AudioWindows.h"
#include "editors/classservice/ClassServiceWindows.h"
#include "editors/clocks/ClockWindows.h"
#include "editors/datetime/DateTimeWindows.h"
#include "editors/options/OptionWindows.h"
#include "editors/pagegroups/PageGroupWindows.h"
#include "editors/print/PrintWindows.h"
#include "editors/schedules/ScheduleWindows.h"
#include "editors/stations/StationWindows.h"
#include "editors/sysconfig/SysConfigWindows.h"

void registerEditorWindows(WindowRegistry &registry)
{
    registerScheduleWindows(registry);
    registerStationWindows(registry);
    registerOptionWindows(registry);
    registerClockWindows(registry);
    registerPageGroupWindows(registry);
    registerClassServiceWindows(registry);
    registerAudioWindows(registry);
    registerPrintWindows(registry);
    registerDateTimeWindows(registry);
    registerSysConfigWindows(registry);
}
