// Station window benchmark: opening frmClid on a configuration with all 96
// stations programmed (three expansion boards), and an auto-numbering run
// over all 96 stations. Prints the median of each.
//   stations_bench [RUNS]   (QT_QPA_PLATFORM=offscreen without a display)
#include "core/AppContext.h"
#include "editors/stations/frmClid.h"
#include "platform/Database.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void programAllStations(const QString &path)
{
    Database db(path);
    db.transaction();
    for (int s = 1; s <= 96; ++s)
        db.exec(
            u"UPDATE Clid SET archnum = ?, clid_string = ? WHERE clid_station = ?"_s,
            {QString::number(1000 + s).leftJustified(4), (u"Station "_s + QString::number(s)).leftJustified(15), s});
    db.commit();
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QTemporaryDir dir;
    const AppPaths paths(dir.path(), QStringLiteral(LINNET_TEMPLATE_DIR));
    if (!paths.seedFromTemplates() || !QFile::copy(paths.DefaultDbPath(), paths.TempDbPath()))
        return 1;
    QFile::setPermissions(paths.TempDbPath(), QFile::permissions(paths.TempDbPath()) | QFile::WriteOwner);
    programAllStations(paths.TempDbPath());
    ScriptedPrompter prompter;
    FixedRegistry registry(u"6.0"_s);
    AppContext ctx(paths, prompter, registry);
    ctx.state.ExpansionBoards = 3;

    std::vector<double> opening, numbering;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        auto *window = new frmClid(ctx);
        window->show();
        app.processEvents();
        opening.push_back(timer.nsecsElapsed() / 1e6);

        // Station 1 holds 1001; the run gives stations 2-96 the numbers 1002-1096.
        timer.restart();
        window->autoNumber(0, 96);
        app.processEvents();
        numbering.push_back(timer.nsecsElapsed() / 1e6);
        if (!window->lines(3).at(23).startsWith(u"96\t1096"_s)) {
            std::fprintf(stderr, "stations_bench: the run did not number station 96\n");
            return 1;
        }
        window->cmdCancel_Click(); // puts the stations back for the next run
        delete window;
    }
    std::printf("frmClid opening, 96 stations:   median %6.2f ms over %d runs\n", median(opening), runs);
    std::printf("auto numbering, stations 1-96:  median %6.2f ms over %d runs\n", median(numbering), runs);
    return 0;
}
