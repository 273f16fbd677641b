#include "OldFormatFile.h"

#include "platform/Database.h"

#include <QFile>

#include <gtest/gtest.h>

void writeOldFormatFile(const QString &defaultDb, const QString &path, int format)
{
    QFile::remove(path);
    {
        Database source(defaultDb, Database::Mode::ReadOnly);
        ASSERT_TRUE(source.compactInto(path)) << source.lastError().toStdString();
    }
    Database db(path);
    ASSERT_TRUE(db.isOpen());
    const QStringList statements{
        QStringLiteral("PRAGMA user_version = %1").arg(format),
        QStringLiteral("ALTER TABLE Clid RENAME COLUMN clid_station TO Clid_Station"),
        QStringLiteral("ALTER TABLE Event RENAME COLUMN PageGroup5 TO pagegroup5"),
        QStringLiteral("UPDATE Clid SET archnum = '207 ', clid_string = 'Front Office   ' WHERE Clid_Station = 7"),
        QStringLiteral("INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup1, pagegroup5) "
                       "VALUES (1, '08:00', 2, 5, 1, 1), (3, '12:30', 1, 10, 0, 1)"),
        QStringLiteral("UPDATE Config SET System_Config = 2"),
        QStringLiteral("UPDATE Rev SET rev = '01.00'"),
    };
    for (const QString &sql : statements)
        ASSERT_TRUE(db.exec(sql)) << sql.toStdString() << ": " << db.lastError().toStdString();
}
