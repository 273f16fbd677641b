#include "config/SysBoards.h"

#include "config/Schema.h"
#include "core/ErrorLog.h"
#include "platform/Database.h"

#include <QFileInfo>

int GetNumberofSysBoards(const QString &file, ErrorLog &log)
{
    const auto fail = [&](int number, const QString &text) {
        log.LogError(number, text, QStringLiteral("frmMenu"), QStringLiteral("frmMenu"),
                     QStringLiteral("GetNumberofBoards"));
        return 0;
    };
    if (!QFileInfo(file).isFile())
        return fail(ErrNo::FileNotFound, {});
    Database db(file, Database::Mode::ReadOnly);
    if (!db.isOpen())
        return fail(ErrNo::CannotOpenDatabase, db.lastError());
    const auto value = db.scalar(QStringLiteral("SELECT System_Config FROM Config ORDER BY rowid LIMIT 1"));
    if (!value)
        return fail(ErrNo::CouldNotFindTable, db.lastError());
    return std::min(value->toInt(), Schema::kMaxExpansionBoards);
}
