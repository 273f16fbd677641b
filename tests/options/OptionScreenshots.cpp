// Writes pictures of the system options window, its switch picture and the
// clocks window, for looking at the layouts: options_screens OUTPUT_DIR (run
// with QT_QPA_PLATFORM=offscreen, or on a display to see the windows' frames).
#include "Screenshots.h"

#include "editors/clocks/frmClock.h"
#include "editors/options/frmDip.h"
#include "editors/options/frmDipSw.h"
#include "platform/Database.h"

#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Screenshots run(argc, argv, "options_screens OUTPUT_DIR");
    if (run.status() != 0)
        return run.status();
    AppContext &ctx = run.ctx;
    {
        Database db(run.paths.TempDbPath());
        db.exec(u"UPDATE DipSwitch SET LowStn22 = 1, RingPattern = 1, PriorityGlobal = 1"_s);
        db.exec(u"UPDATE ClockDef SET ClockA = 2, ClockB = 6, Direction = 1, BCD_Type = 2"_s);
    }

    frmDip dip(ctx);
    dip.show();
    run.save(dip, u"dip.png"_s);
    dip.cmdDipswitch_Click();
    app.processEvents();
    if (frmDipSw *picture = dip.dipSwitchWindow()) {
        run.save(*picture, u"dipsw.png"_s);
        picture->close();
    }

    frmClock clock(ctx);
    clock.show();
    auto *tabs = clock.findChild<QTabWidget *>(u"sss"_s);
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        run.save(clock, u"clock%1.png"_s.arg(page));
    }
    return 0;
}
