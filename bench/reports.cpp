// Renders all nine reports of the largest configuration (96 stations, 256
// events) to PDF files, several times, and prints each run's time and the
// median (target: under 2 s for the nine together).
//   reports_bench [RUNS]   (QT_QPA_PLATFORM=offscreen without a display)
#include "LargestConfiguration.h"
#include "core/AppPaths.h"
#include "reports/ReportList.h"
#include "reports/ReportPrinting.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    QTemporaryDir dir;
    const AppPaths paths(dir.path(), QStringLiteral(LINNET_TEMPLATE_DIR));
    const QString working = paths.TempDbPath();
    if (!paths.seedFromTemplates() || !QFile::copy(paths.DefaultDbPath(), working) ||
        !QFile::setPermissions(working, QFile::permissions(working) | QFile::WriteOwner) || !makeLargest(working)) {
        std::fprintf(stderr, "reports_bench: cannot make the configuration\n");
        return 1;
    }
    // The phone list is read from its own database; start-up copies it from its template.
    QFile::copy(paths.file(QStringLiteral("Dphonelst")), paths.file(QStringLiteral("phonelst")));

    QList<int> all;
    for (int i = 0; i < ReportList::kCount; ++i)
        all << i;
    const ReportPrinting printing(paths.appDir(), working, QStringLiteral("Untitled"), QDateTime::currentDateTime());
    const PrintDestination destination = PrintDestination::pdf(dir.filePath(QStringLiteral("pdf")));

    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const PrintOutcome outcome = printing.printAll(all, destination);
        const double s = timer.nsecsElapsed() / 1e9;
        if (outcome.failed >= 0) {
            std::fprintf(stderr, "reports_bench: %s: %s\n", qPrintable(ReportList::caption(outcome.failed)),
                         qPrintable(outcome.error));
            return 1;
        }
        seconds.push_back(s);
        std::printf("run %d: %.3f s for %d reports\n", run + 1, s, int(outcome.printed.size()));
    }
    qint64 bytes = 0;
    for (int i = 0; i < ReportList::kCount; ++i)
        bytes += QFileInfo(ReportPrinting::pdfPath(destination.pdfDir, i)).size();
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("median %.3f s (target < 2 s), %lld bytes of PDF\n", median, static_cast<long long>(bytes));
    return median < 2.0 ? 0 : 1;
}
