// Writes pictures of the station window and its dialogs, for looking at the
// layouts: station_screens OUTPUT_DIR (with QT_QPA_PLATFORM=offscreen, or on
// a display; QT_SCALE_FACTOR applies).
#include "Screenshots.h"

#include "editors/stations/frmAuto.h"
#include "editors/stations/frmClid.h"
#include "editors/stations/frmConflict.h"
#include "editors/stations/frmStation.h"
#include "platform/Database.h"

#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Screenshots run(argc, argv, "station_screens OUTPUT_DIR");
    if (run.status() != 0)
        return run.status();
    AppContext &ctx = run.ctx;
    ctx.state.ExpansionBoards = 1;
    {
        Database db(run.paths.TempDbPath());
        const char *texts[] = {"Front desk", "Room 101", "Nurse \"A\"", "Kitchen", "Zoë's office", "100% ready"};
        for (int s = 1; s <= 30; ++s)
            db.exec(u"UPDATE Clid SET archnum = ?, clid_string = ? WHERE clid_station = ?"_s,
                    {QString::number(100 + s).leftJustified(4), QString::fromUtf8(texts[s % 6]).leftJustified(15), s});
    }

    frmClid clid(ctx);
    clid.show();
    run.save(clid, u"clid.png"_s);
    clid.setActiveTab(2);
    run.save(clid, u"clid_tab2.png"_s);
    clid.setActiveTab(0);

    frmStation station(ctx, clid, 1, u"101"_s, u"Front desk"_s);
    station.show();
    run.save(station, u"station.png"_s);
    station.hide();

    frmConflict conflict(9, u"10"_s, {{1, u"101 "_s}, {2, u"102 "_s}, {40, u"1   "_s}}, &clid);
    conflict.show();
    run.save(conflict, u"conflict.png"_s);
    conflict.hide();

    frmAuto autoNumbering(ctx, 1, u"101"_s, &clid);
    autoNumbering.show();
    run.save(autoNumbering, u"auto.png"_s);
    return 0;
}
