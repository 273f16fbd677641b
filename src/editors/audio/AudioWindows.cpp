#include "editors/audio/AudioWindows.h"

#include "editors/audio/frmBgm.h"
#include "ui/WindowRegistry.h"

using namespace Qt::StringLiterals;

void registerAudioWindows(WindowRegistry &registry)
{
    registry.add(u"frmBgm"_s,
                 [](AppContext &context, QWidget *parent, int) -> QWidget * { return new frmBgm(context, parent); });
}
