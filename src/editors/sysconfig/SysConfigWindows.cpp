#include "editors/sysconfig/SysConfigWindows.h"

#include "editors/sysconfig/frmConfig.h"
#include "editors/sysconfig/frmDetail.h"
#include "ui/WindowRegistry.h"

using namespace Qt::StringLiterals;

void registerSysConfigWindows(WindowRegistry &registry)
{
    registry.add(u"frmConfig"_s,
                 [](AppContext &context, QWidget *parent, int) -> QWidget * { return new frmConfig(context, parent); });
    registry.add(u"frmDetail"_s, [](AppContext &, QWidget *parent, int) -> QWidget * { return new frmDetail(parent); });
}
