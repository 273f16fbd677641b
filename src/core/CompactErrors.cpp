#include "core/CompactErrors.h"

#include "core/AppContext.h"
#include "platform/Database.h"

bool CompactErrors(AppContext &context)
{
    const QString errors = context.paths.ErrorsDbPath();
    const QString bak = Utility::GetBackUpName(errors, QStringLiteral("bak"));
    const QString old = Utility::GetBackUpName(errors, QStringLiteral("old"));
    FileOps &files = context.files;

    const auto fail = [&](int number, const char *text) {
        context.log.LogError(number, QString::fromLatin1(text), QStringLiteral("frmMenu"), QStringLiteral("frmMenu"),
                             QStringLiteral("CompactErrors"));
        return false;
    };

    // The rotation replaces both copies: a log that cannot record (a damaged
    // file, or one without the Error table) must never replace them, so that
    // the next start can restore the log from them.
    if (!ErrorLog::usable(FileOps::resolve(errors)))
        return fail(ErrNo::CannotOpenDatabase, "Errors database is not usable; its copies were kept.");
    if (!files.fcnRemoveFile(bak))
        return fail(ErrNo::PermissionDenied, "Unable to remove BAK File");
    {
        Database db(FileOps::resolve(errors));
        if (db.isOpen())
            db.compactInto(bak);
    }
    if (!files.IsFile(bak))
        return fail(ErrNo::CannotOpenDatabase, "Compact Failed.");
    if (!files.fcnRemoveFile(old))
        return fail(ErrNo::PermissionDenied, "Unable to remove OLD File");
    if (!files.fcnCopyFile(errors, old))
        return fail(ErrNo::PathFileAccessError, "Unable to copy errors file to .old.");
    if (!files.fcnRemoveFile(errors))
        return fail(ErrNo::PermissionDenied, "Unable to remove errors File");
    if (!files.fcnCopyFile(bak, errors))
        return fail(ErrNo::PathFileAccessError, "Unable to copy bak File to Errors File.");
    return true;
}
