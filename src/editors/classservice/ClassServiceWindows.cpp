#include "editors/classservice/ClassServiceWindows.h"

#include "editors/classservice/frmClassService.h"
#include "ui/WindowRegistry.h"

using namespace Qt::StringLiterals;

void registerClassServiceWindows(WindowRegistry &registry)
{
    registry.add(u"frmClassService"_s, [](AppContext &context, QWidget *parent, int) -> QWidget * {
        return new frmClassService(context, parent);
    });
}
