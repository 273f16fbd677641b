#include "LargestConfiguration.h"

#include "platform/Database.h"

#include <QStringList>

#include <cstdio>

namespace {
bool exec(Database &db, const QString &sql)
{
    if (db.exec(sql))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(db.lastError()));
    return false;
}
} // namespace

bool makeLargest(const QString &file)
{
    Database db(file);
    if (!db.isOpen())
        return false;
    bool ok = exec(db, QStringLiteral("UPDATE Config SET System_Config = 3")) &&
              exec(db, QStringLiteral("UPDATE ClockDef SET ClockEnabled = 1")) &&
              exec(db, QStringLiteral("UPDATE SchedDays SET Sunday = 1, Monday = 1, Tuesday = 1, Wednesday = 1, "
                                      "Thursday = 1, Friday = 1, Saturday = 1"));
    QStringList groups;
    for (int g = 1; g <= 16; ++g)
        groups << QStringLiteral("PageGroup%1 = 1").arg(g);
    ok = ok && exec(db, QStringLiteral("UPDATE PageGroup SET ") + groups.join(QStringLiteral(", "))) &&
         exec(db, QStringLiteral("UPDATE Bgm SET ") + groups.join(QStringLiteral(", ")));
    for (int e = 0; ok && e < 256; ++e) {
        const int schedule = e % 6 + 1;
        const int minute = e / 6 * 23 + schedule; // distinct times in each schedule
        ok =
            exec(db, QStringLiteral("INSERT INTO Event (Schedule, StartTime, Tone, Duration, PageGroup1, PageGroup5, "
                                    "PageGroup9, PageGroup13, PageGroup16) VALUES (%1, '%2:%3', %4, %5, 1, 1, 1, 1, 1)")
                         .arg(schedule)
                         .arg(minute / 60 % 24, 2, 10, QLatin1Char('0'))
                         .arg(minute % 60, 2, 10, QLatin1Char('0'))
                         .arg(e % 4 + 1) // relay types 1-4
                         .arg(e % 30 + 1));
    }
    for (int s = 1; ok && s <= 96; ++s)
        ok = exec(db, QStringLiteral("UPDATE Clid SET archnum = '%1', clid_string = '%2' WHERE clid_station = %3")
                          .arg(1000 + s)
                          .arg(QStringLiteral("Room %1 East Wing").arg(s).left(15).leftJustified(15))
                          .arg(s));
    return ok;
}
