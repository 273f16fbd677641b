#include "editors/datetime/DateTimeWindows.h"

#include "editors/datetime/frmDate.h"
#include "ui/WindowRegistry.h"

void registerDateTimeWindows(WindowRegistry &registry)
{
    registry.add(QStringLiteral("frmDate"),
                 [](AppContext &context, QWidget *parent, int) { return new frmDate(context, parent); });
}
