#include "editors/stations/StationWindows.h"

#include "editors/stations/frmClid.h"
#include "ui/WindowRegistry.h"

using namespace Qt::StringLiterals;

void registerStationWindows(WindowRegistry &registry)
{
    registry.add(u"frmClid"_s,
                 [](AppContext &context, QWidget *parent, int) -> QWidget * { return new frmClid(context, parent); });
}
