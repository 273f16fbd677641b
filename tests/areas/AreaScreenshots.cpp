// Writes pictures of the custom page groups, class of service and audio
// connections windows, every tab, for looking at the layouts without a
// display: area_screens OUTPUT_DIR [EXPANSION_BOARDS] (run with
// QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR works as usual).
#include "core/AppContext.h"
#include "editors/audio/frmBgm.h"
#include "editors/classservice/frmClassService.h"
#include "editors/pagegroups/frmPage.h"
#include "platform/Database.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompter.h"

#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
void shoot(QWidget &window, const QString &out, const QString &name)
{
    window.show();
    auto *tabs = window.findChild<QTabWidget *>();
    for (int t = 0; t < (tabs ? tabs->count() : 1); ++t) {
        if (tabs)
            tabs->setCurrentIndex(t);
        QApplication::processEvents();
        window.grab().save(u"%1/%2-%3.png"_s.arg(out, name).arg(t));
    }
    window.hide();
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: area_screens OUTPUT_DIR [EXPANSION_BOARDS]\n");
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
    ctx.state.ExpansionBoards = argc > 2 ? std::atoi(argv[2]) : 1;
    {
        Database db(paths.TempDbPath());
        db.exec(u"UPDATE PageGroup SET PageGroup1 = 1, PageGroup3 = 1, PageGroup10 = 1 WHERE DialCode = 0"_s);
        db.exec(u"UPDATE ClassService SET Service = 2 WHERE \"Group\" IN (2, 6)"_s);
        db.exec(u"UPDATE Bgm SET PageGroup2 = 1, PageGroup5 = 1"_s);
    }
    frmPage page(ctx);
    shoot(page, out, u"frmPage"_s);
    frmClassService service(ctx);
    shoot(service, out, u"frmClassService"_s);
    frmBgm bgm(ctx);
    shoot(bgm, out, u"frmBgm"_s);
    return 0;
}
