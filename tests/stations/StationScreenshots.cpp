// Writes pictures of the station window and its dialogs, for looking at the
// layouts: station_screens OUTPUT_DIR (with QT_QPA_PLATFORM=offscreen, or on
// a display; QT_SCALE_FACTOR applies).
#include "core/AppContext.h"
#include "editors/stations/frmAuto.h"
#include "editors/stations/frmClid.h"
#include "editors/stations/frmConflict.h"
#include "editors/stations/frmStation.h"
#include "platform/Database.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompter.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: station_screens OUTPUT_DIR\n");
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
    ctx.state.ExpansionBoards = 1;
    {
        Database db(paths.TempDbPath());
        const char *texts[] = {"Front desk", "Room 101", "Nurse \"A\"", "Kitchen", "Zoë's office", "100% ready"};
        for (int s = 1; s <= 30; ++s)
            db.exec(u"UPDATE Clid SET archnum = ?, clid_string = ? WHERE clid_station = ?"_s,
                    {QString::number(100 + s).leftJustified(4), QString::fromUtf8(texts[s % 6]).leftJustified(15), s});
    }

    frmClid clid(ctx);
    clid.show();
    app.processEvents();
    clid.grab().save(out + u"/clid.png"_s);
    clid.setActiveTab(2);
    app.processEvents();
    clid.grab().save(out + u"/clid_tab2.png"_s);
    clid.setActiveTab(0);

    frmStation station(ctx, clid, 1, u"101"_s, u"Front desk"_s);
    station.show();
    app.processEvents();
    station.grab().save(out + u"/station.png"_s);
    station.hide();

    frmConflict conflict(9, u"10"_s, {{1, u"101 "_s}, {2, u"102 "_s}, {40, u"1   "_s}}, &clid);
    conflict.show();
    app.processEvents();
    conflict.grab().save(out + u"/conflict.png"_s);
    conflict.hide();

    frmAuto autoNumbering(ctx, 1, u"101"_s, &clid);
    autoNumbering.show();
    app.processEvents();
    autoNumbering.grab().save(out + u"/auto.png"_s);
    return 0;
}
