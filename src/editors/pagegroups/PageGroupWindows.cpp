#include "editors/pagegroups/PageGroupWindows.h"

#include "editors/pagegroups/frmPage.h"
#include "ui/WindowRegistry.h"

using namespace Qt::StringLiterals;

void registerPageGroupWindows(WindowRegistry &registry)
{
    registry.add(u"frmPage"_s,
                 [](AppContext &context, QWidget *parent, int) -> QWidget * { return new frmPage(context, parent); });
}
