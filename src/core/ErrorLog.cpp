#include "core/ErrorLog.h"

#include "platform/Clock.h"
#include "platform/Database.h"

#include <QFileInfo>
#include <QHash>
#include <QMutexLocker>
#include <QThread>

ErrorLog::ErrorLog(QString errorsDbPath) : ErrorLog(std::move(errorsDbPath), SystemClock::instance())
{
}

ErrorLog::ErrorLog(QString errorsDbPath, const Clock &clock) : m_path(std::move(errorsDbPath)), m_clock(clock)
{
}

QString ErrorLog::standardMessage(int number)
{
    static const QHash<int, QString> messages = {
        {3, QStringLiteral("Return without GoSub")},
        {5, QStringLiteral("Invalid procedure call or argument")},
        {6, QStringLiteral("Overflow")},
        {7, QStringLiteral("Out of memory")},
        {9, QStringLiteral("Subscript out of range")},
        {11, QStringLiteral("Division by zero")},
        {13, QStringLiteral("Type mismatch")},
        {52, QStringLiteral("Bad file name or number")},
        {53, QStringLiteral("File not found")},
        {55, QStringLiteral("File already open")},
        {57, QStringLiteral("Device I/O error")},
        {58, QStringLiteral("File already exists")},
        {61, QStringLiteral("Disk full")},
        {62, QStringLiteral("Input past end of file")},
        {68, QStringLiteral("Device unavailable")},
        {70, QStringLiteral("Permission denied")},
        {71, QStringLiteral("Disk not ready")},
        {75, QStringLiteral("Path/File access error")},
        {76, QStringLiteral("Path not found")},
        {91, QStringLiteral("Object variable or With block variable not set")},
        {94, QStringLiteral("Invalid use of Null")},
        {424, QStringLiteral("Object required")},
        {3001, QStringLiteral("Invalid argument")},
        {3021, QStringLiteral("No current record")},
        {3049, QStringLiteral("Cannot open database; it may not be a database or the file may be damaged")},
        {3078, QStringLiteral("Cannot find the input table or query")},
        {3186, QStringLiteral("Could not save; currently locked by another user")},
        {3260, QStringLiteral("Could not update; currently locked by another user")},
        {3265, QStringLiteral("Item not found in this collection")},
        {3343, QStringLiteral("Unrecognized database format")},
        {8005, QStringLiteral("Port already open")},
        {8012, QStringLiteral("The device is not open")},
        {8015, QStringLiteral("Could not set comm state, there may be one or more invalid comm port settings")},
    };
    if (number == 0)
        return {};
    return messages.value(number, QStringLiteral("Application-defined or object-defined error"));
}

bool ErrorLog::usable(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    Database db(path, Database::Mode::ReadOnly);
    if (!db.isOpen() || !db.integrityCheck(true) || db.tableName(QStringLiteral("Error")).isEmpty())
        return false;
    const QStringList columns = db.columns(QStringLiteral("Error"));
    for (const char *column : {"errno", "errdesc", "errmodule", "ErrProgram", "errfcn", "errdate", "errTime"})
        if (!columns.contains(QLatin1String(column), Qt::CaseInsensitive))
            return false;
    return true;
}

void ErrorLog::LogError(int number, const QString &description, const QString &program, const QString &module,
                        const QString &procedure)
{
    const qint16 errNo = qint16(number);
    const QString desc = (description.isEmpty() ? standardMessage(errNo) : description).left(kDescriptionWidth);
    const QDateTime now = m_clock.wallNow();

    QMutexLocker lock(&m_mutex);
    if (!QFileInfo::exists(m_path))
        return;
    Database db(m_path);
    if (!db.isOpen())
        return;
    const QVariantList row = {errNo,
                              desc,
                              module.left(kNameWidth),
                              program.left(kNameWidth),
                              procedure.left(kNameWidth),
                              now.toString(QStringLiteral("MM/dd/yyyy")),
                              now.toString(QStringLiteral("hh:mm"))};
    // A lock held by another program is met by the database's busy time-out and a
    // few more attempts; after that the entry is dropped.
    for (int attempt = 0; attempt < kLockRetries; ++attempt) {
        if (db.exec(QStringLiteral("INSERT INTO \"Error\" (errno, errdesc, errmodule, ErrProgram, errfcn, errdate, "
                                   "errTime) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                    row))
            break;
        if (!db.lastError().contains(QLatin1String("locked"), Qt::CaseInsensitive))
            return;
        QThread::msleep(20);
    }
    const auto count = db.rowCount(QStringLiteral("Error"));
    if (count && *count > kMaxRows)
        db.exec(QStringLiteral("DELETE FROM \"Error\" WHERE rowid = (SELECT min(rowid) FROM \"Error\")"));
}
