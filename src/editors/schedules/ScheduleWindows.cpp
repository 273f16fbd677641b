#include "editors/schedules/ScheduleWindows.h"

#include "editors/schedules/frmSched.h"
#include "ui/WindowRegistry.h"

using namespace Qt::StringLiterals;

void registerScheduleWindows(WindowRegistry &registry)
{
    registry.add(u"frmSched"_s, [](AppContext &context, QWidget *parent, int schedule) -> QWidget * {
        return new frmSched(context, schedule, parent);
    });
}
