// Writes pictures of the system options window, its switch picture and the
// clocks window, for looking at the layouts: options_screens OUTPUT_DIR (run
// with QT_QPA_PLATFORM=offscreen, or on a display to see the windows' frames).
#include "core/AppContext.h"
#include "editors/clocks/frmClock.h"
#include "editors/options/frmDip.h"
#include "editors/options/frmDipSw.h"
#include "platform/Database.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompter.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: options_screens OUTPUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    const AppPaths paths(dir.path(), QStringLiteral(LINNET_TEMPLATE_DIR));
    if (!paths.seedFromTemplates() || !QFile::copy(paths.DefaultDbPath(), paths.TempDbPath()))
        return 1;
    QFile::setPermissions(paths.TempDbPath(), QFile::permissions(paths.TempDbPath()) | QFile::WriteOwner);
    ScriptedPrompter prompter;
    FixedRegistry registry(u"6.0"_s);
    AppContext ctx(paths, prompter, registry);
    {
        Database db(paths.TempDbPath());
        db.exec(u"UPDATE DipSwitch SET LowStn22 = 1, RingPattern = 1, PriorityGlobal = 1"_s);
        db.exec(u"UPDATE ClockDef SET ClockA = 2, ClockB = 6, Direction = 1, BCD_Type = 2"_s);
    }

    frmDip dip(ctx);
    dip.show();
    app.processEvents();
    dip.grab().save(out + u"/dip.png"_s);
    dip.cmdDipswitch_Click();
    app.processEvents();
    if (frmDipSw *picture = dip.dipSwitchWindow()) {
        picture->grab().save(out + u"/dipsw.png"_s);
        picture->close();
    }

    frmClock clock(ctx);
    clock.show();
    auto *tabs = clock.findChild<QTabWidget *>(u"sss"_s);
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        app.processEvents();
        clock.grab().save(out + u"/clock%1.png"_s.arg(page));
    }
    return 0;
}
