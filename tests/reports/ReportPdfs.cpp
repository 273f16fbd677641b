// Writes every report of the default configuration and of the largest one
// (96 stations, 256 events) to PDF files, for looking at their pages:
//   report_pdfs OUTPUT_DIR   → OUTPUT_DIR/default/*.pdf, OUTPUT_DIR/largest/*.pdf
#include "LargestConfiguration.h"
#include "PictureFolder.h"
#include "platform/Database.h"
#include "reports/ReportList.h"
#include "reports/ReportPrinting.h"

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {
bool writeAll(const AppPaths &paths, const QString &outDir, const QString &fileName)
{
    QList<int> all;
    for (int i = 0; i < ReportList::kCount; ++i)
        all << i;
    const ReportPrinting printing(paths.appDir(), paths.TempDbPath(), fileName, QDateTime::currentDateTime());
    const PrintOutcome outcome = printing.printAll(all, PrintDestination::pdf(outDir));
    for (const QString &f : outcome.outputs)
        std::printf("%s\n", qPrintable(f));
    if (outcome.failed >= 0)
        std::fprintf(stderr, "%s: %s\n", qPrintable(ReportList::caption(outcome.failed)), qPrintable(outcome.error));
    return outcome.failed < 0;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    PictureFolder run(argc, argv, "report_pdfs OUTPUT_DIR");
    if (run.status() != 0)
        return run.status();
    const AppPaths &paths = run.paths;
    const QString &out = run.out;
    const QString working = paths.TempDbPath();
    if (!QFile::copy(paths.file(QStringLiteral("Dphonelst")), paths.file(QStringLiteral("phonelst"))))
        return 1;
    bool ok = writeAll(paths, QDir(out).filePath(QStringLiteral("default")), QStringLiteral("Untitled"));
    {
        Database phones(paths.file(QStringLiteral("phonelst")));
        QFile::setPermissions(paths.file(QStringLiteral("phonelst")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        for (int i = 1; i <= 12; ++i)
            phones.exec(
                QStringLiteral("INSERT INTO PhoneList VALUES (?, ?)"),
                {QStringLiteral("Remote site %1").arg(i), QStringLiteral("555 01%1").arg(i, 2, 10, QLatin1Char('0'))});
    }
    ok = makeLargest(working) && ok;
    ok = writeAll(paths, QDir(out).filePath(QStringLiteral("largest")), working) && ok;
    return ok ? 0 : 1;
}
