#include "RevsCommand.h"

#include "CliSession.h"

int RevsCommand::run(CliSession &session, const QStringList &args)
{
    if (!args.isEmpty()) {
        session.err() << "revs takes no arguments" << Qt::endl;
        return CliExit::Usage;
    }
    ModComm &comm = session.comm();
    TraceFiles &files = comm.files();
    if (!files.createCommLog())
        session.err() << "cannot create " << files.commLogPath() << Qt::endl;

    comm.GetRevs();
    files.closeCommLog();

    if (!comm.openFailure().isEmpty())
        session.err() << comm.openFailure() << Qt::endl;
    for (const QString &line : comm.revisions().lines())
        session.out() << line << Qt::endl;
    const std::optional<QString> revision = comm.controllerRevision();
    session.out() << "Transfer revision: " << revision.value_or(QStringLiteral("none (no answer)")) << Qt::endl;
    return revision ? CliExit::Ok : CliExit::NoController;
}
