#include "ConfigurationFile.h"

#include "CliSession.h"
#include "config/FileLifecycle.h"
#include "config/UnsavedMarker.h"
#include "config/ValidityCheck.h"
#include "platform/Database.h"

#include <QFile>
#include <QFileInfo>

bool openConfiguration(CliSession &session, const QString &argument)
{
    AppContext &context = session.context();
    const QString file = QFileInfo(argument).absoluteFilePath();
    if (!QFileInfo(file).isFile()) {
        session.err() << file << " does not exist." << Qt::endl;
        return false;
    }
    const QString working = context.paths.TempDbPath();
    FileLifecycle lifecycle(context);
    if (lifecycle.OldAccess(file)) {
        if (!lifecycle.ConvertToWorkingDatabase(file))
            return false;
        session.err() << file << " is of an older format: it was converted for this run and left unchanged."
                      << Qt::endl;
    } else if (!context.files.fcnCopyFile(file, working)) {
        session.err() << "cannot copy " << file << " to " << working << Qt::endl;
        return false;
    }
    QFile::setPermissions(working, QFile::permissions(working) | QFile::WriteOwner);
    if (!lifecycle.ApplyOpenSteps()) {
        Database db(working, Database::Mode::ReadOnly);
        session.err() << file << " is not a valid configuration file: " << ValidityCheck::check(db).problems.join(u"; ")
                      << Qt::endl;
        return false;
    }
    context.state.CurrentFileName = file;
    return true;
}

bool workingCopyHoldsUnsavedWork(CliSession &session)
{
    const AppPaths &paths = session.context().paths;
    if (!UnsavedMarker(paths.UnsavedMarkerPath()).exists())
        return false;
    session.err() << "The working copy " << paths.TempDbPath()
                  << " holds changes the Programming Tool has not saved. Start the tool to recover or discard them, "
                     "then try again."
                  << Qt::endl;
    return true;
}
