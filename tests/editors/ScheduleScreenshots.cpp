// Writes pictures of a schedule window and the event editor, for looking at
// the layouts without a display: sched_screens OUTPUT_DIR (run with
// QT_QPA_PLATFORM=offscreen).
#include "Screenshots.h"

#include "editors/schedules/frmEvent.h"
#include "editors/schedules/frmSched.h"
#include "platform/Database.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Screenshots run(argc, argv, "sched_screens OUTPUT_DIR");
    if (run.status() != 0)
        return run.status();
    AppContext &ctx = run.ctx;
    ctx.state.ExpansionBoards = 1;
    {
        Database db(run.paths.TempDbPath());
        const struct {
            const char *time;
            int tone, duration;
            QList<int> groups;
        } events[] = {{"07:30", 2, 10, {1, 3, 6}},
                      {"08:00", 1, 5, {1, 2, 3, 4, 5, 6, 7, 8}},
                      {"10:15", 4, 59, {2}},
                      {"12:00", 3, 30, {1, 4}},
                      {"15:45", 1, 1, {8}}};
        for (const auto &e : events) {
            QVariantList values{1, QString::fromUtf8(e.time), e.tone, e.duration};
            for (int g = 1; g <= 16; ++g)
                values << (e.groups.contains(g) ? 1 : 0);
            db.exec(u"INSERT INTO Event VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s, values);
            ++ctx.state.TotalEvents;
        }
        db.exec(u"UPDATE SchedDays SET Monday = 1, Tuesday = 1 WHERE Schedule = 1"_s);
        db.exec(u"UPDATE SchedDays SET Saturday = 1 WHERE Schedule = 2"_s);
    }

    frmSched sched(ctx, 1);
    sched.show();
    run.save(sched, u"sched.png"_s);

    sched.findChild<QPushButton *>(u"cmdEvent1"_s)->click();
    app.processEvents();
    if (frmEvent *editor = sched.editor()) {
        run.save(*editor, u"event_edit.png"_s);
        editor->cmdCancel_Click();
        run.save(*editor, u"event_view.png"_s);
    }
    return 0;
}
