// Writes pictures of the custom page groups, class of service and audio
// connections windows, every tab, for looking at the layouts without a
// display: area_screens OUTPUT_DIR [EXPANSION_BOARDS] (run with
// QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR works as usual).
#include "Screenshots.h"

#include "editors/audio/frmBgm.h"
#include "editors/classservice/frmClassService.h"
#include "editors/pagegroups/frmPage.h"
#include "platform/Database.h"

#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {
// Saves a picture of every tab of the window, as NAME-TAB.png.
void shoot(const Screenshots &run, QWidget &window, const QString &name)
{
    window.show();
    auto *tabs = window.findChild<QTabWidget *>();
    for (int t = 0; t < (tabs ? tabs->count() : 1); ++t) {
        if (tabs)
            tabs->setCurrentIndex(t);
        run.save(window, u"%1-%2.png"_s.arg(name).arg(t));
    }
    window.hide();
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Screenshots run(argc, argv, "area_screens OUTPUT_DIR [EXPANSION_BOARDS]");
    if (run.status() != 0)
        return run.status();
    AppContext &ctx = run.ctx;
    ctx.state.ExpansionBoards = argc > 2 ? std::atoi(argv[2]) : 1;
    {
        Database db(run.paths.TempDbPath());
        db.exec(u"UPDATE PageGroup SET PageGroup1 = 1, PageGroup3 = 1, PageGroup10 = 1 WHERE DialCode = 0"_s);
        db.exec(u"UPDATE ClassService SET Service = 2 WHERE \"Group\" IN (2, 6)"_s);
        db.exec(u"UPDATE Bgm SET PageGroup2 = 1, PageGroup5 = 1"_s);
    }
    frmPage page(ctx);
    shoot(run, page, u"frmPage"_s);
    frmClassService service(ctx);
    shoot(run, service, u"frmClassService"_s);
    frmBgm bgm(ctx);
    shoot(run, bgm, u"frmBgm"_s);
    return 0;
}
