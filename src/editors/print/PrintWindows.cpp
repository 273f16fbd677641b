#include "editors/print/PrintWindows.h"

#include "editors/print/frmPrint.h"
#include "ui/WindowRegistry.h"

using namespace Qt::StringLiterals;

void registerPrintWindows(WindowRegistry &registry)
{
    registry.add(u"frmPrint"_s,
                 [](AppContext &context, QWidget *parent, int) -> QWidget * { return new frmPrint(context, parent); });
}
