#include "editors/EditorsRegistration.h"

#include "editors/audio/AudioWindows.h"
#include "editors/classservice/ClassServiceWindows.h"
#include "editors/pagegroups/PageGroupWindows.h"
#include "editors/schedules/ScheduleWindows.h"

void registerEditorWindows(WindowRegistry &registry)
{
    registerScheduleWindows(registry);
    registerPageGroupWindows(registry);
    registerClassServiceWindows(registry);
    registerAudioWindows(registry);
}
