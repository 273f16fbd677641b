#include "PrintCliCommand.h"

#include "CliSession.h"
#include "ConfigurationFile.h"
#include "core/OwnFiles.h"
#include "reports/ReportList.h"
#include "reports/ReportPrinting.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
constexpr const char *kUsage = "usage: print FILE.mdb --pdf OUT_DIR [--reports NAME,...]";

struct Arguments {
    QString file;
    QString pdfDir;
    QStringList reports;
};

bool parse(const QStringList &args, Arguments &parsed, QString &problem)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == "--pdf"_L1 || arg == "--reports"_L1) {
            if (i + 1 >= args.size()) {
                problem = arg + u" needs a value"_s;
                return false;
            }
            const QString value = args[++i];
            if (arg == "--pdf"_L1)
                parsed.pdfDir = value;
            else
                parsed.reports << value.split(u',', Qt::SkipEmptyParts);
        } else if (arg.startsWith("--"_L1)) {
            problem = u"unknown option "_s + arg;
            return false;
        } else if (parsed.file.isEmpty()) {
            parsed.file = arg;
        } else {
            problem = u"one configuration file only"_s;
            return false;
        }
    }
    if (parsed.file.isEmpty() || parsed.pdfDir.isEmpty()) {
        problem = u"a configuration file and --pdf OUT_DIR are needed"_s;
        return false;
    }
    return true;
}
} // namespace

int PrintCliCommand::run(CliSession &session, const QStringList &args)
{
    Arguments parsed;
    QString problem;
    if (!parse(args, parsed, problem)) {
        session.err() << problem << Qt::endl << kUsage << Qt::endl;
        return CliExit::Usage;
    }
    QList<int> indices;
    for (const QString &name : parsed.reports) {
        const int index = ReportList::find(name.trimmed());
        if (index < 0) {
            session.err() << "no report is called \"" << name.trimmed()
                          << "\"; the reports are 0-8 or bgm, pagegrp, phonlst, sched, event, clid, class, dip, clocks"
                          << Qt::endl;
            return CliExit::Usage;
        }
        indices << index;
    }
    const QString file = QFileInfo(parsed.file).absoluteFilePath();
    AppContext &context = session.context();
    if (const QString refused = OwnFiles::refusal(context.paths, file, u"printed"_s); !refused.isEmpty()) {
        session.err() << refused << Qt::endl;
        return CliExit::Usage;
    }
    if (workingCopyHoldsUnsavedWork(session))
        return CliExit::Setup;
    if (!openConfiguration(session, file))
        return CliExit::Refused;
    if (indices.isEmpty()) {
        // What Select All checks: the clock report only with a clock board.
        for (int i = 0; i < ReportList::kCount; ++i)
            if (i != ReportList::kClockOptions || context.state.ClockBoard)
                indices << i;
    }
    const ReportPrinting printing(context.paths.appDir(), context.paths.TempDbPath(), context.state.CurrentFileName,
                                  context.clock.wallNow());
    const PrintOutcome outcome = printing.printAll(indices, PrintDestination::pdf(QDir(parsed.pdfDir).absolutePath()));
    for (const QString &output : outcome.outputs)
        session.out() << "Wrote " << output << Qt::endl;
    if (outcome.failed >= 0) {
        session.err() << ReportList::caption(outcome.failed).trimmed() << " could not be printed: " << outcome.error
                      << Qt::endl;
        return CliExit::PrintFailed;
    }
    return CliExit::Ok;
}
