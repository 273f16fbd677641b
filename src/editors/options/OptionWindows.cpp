#include "editors/options/OptionWindows.h"

#include "editors/options/frmDip.h"
#include "ui/WindowRegistry.h"

using namespace Qt::StringLiterals;

void registerOptionWindows(WindowRegistry &registry)
{
    registry.add(u"frmDip"_s,
                 [](AppContext &context, QWidget *parent, int) -> QWidget * { return new frmDip(context, parent); });
}
