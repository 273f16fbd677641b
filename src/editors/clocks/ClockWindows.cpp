#include "editors/clocks/ClockWindows.h"

#include "editors/clocks/frmClock.h"
#include "ui/WindowRegistry.h"

using namespace Qt::StringLiterals;

void registerClockWindows(WindowRegistry &registry)
{
    registry.add(u"frmClock"_s,
                 [](AppContext &context, QWidget *parent, int) -> QWidget * { return new frmClock(context, parent); });
}
