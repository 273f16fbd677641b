#include "core/ErrorLog.h"

#include "TempAppFolder.h"
#include "platform/Database.h"

#include <gtest/gtest.h>

namespace {
QList<QVariantList> logRows(const QString &path)
{
    Database db(path, Database::Mode::ReadOnly);
    return db
        .rows(QStringLiteral("SELECT errno, errdesc, errmodule, ErrProgram, errfcn, errdate, errTime "
                             "FROM \"Error\" ORDER BY rowid"))
        .value_or(QList<QVariantList>{});
}

class FixedClock : public Clock {
public:
    TimePoint now() const override { return {}; }
    QDateTime wallNow() const override { return QDateTime(QDate(2026, 3, 7), QTime(9, 5)); }
};
} // namespace

TEST(ErrorLog, CutsEachFieldAndWritesDateAndTime)
{
    TempAppFolder app;
    FixedClock clock;
    ErrorLog log(app.context().paths.ErrorsDbPath(), clock);
    log.LogError(53, QString(120, QLatin1Char('d')), QString(60, QLatin1Char('p')), QString(70, QLatin1Char('m')),
                 QString(55, QLatin1Char('f')));
    log.LogError(11, QString(), QStringLiteral("Unknown"), QStringLiteral("Utility"), QStringLiteral("PadRight"));
    const auto rows = logRows(log.path());
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], (QVariantList{53, QString(100, QLatin1Char('d')), QString(50, QLatin1Char('m')),
                                     QString(50, QLatin1Char('p')), QString(50, QLatin1Char('f')),
                                     QStringLiteral("03/07/2026"), QStringLiteral("09:05")}));
    EXPECT_EQ(rows[1][1].toString(), QStringLiteral("Division by zero"));
}

TEST(ErrorLog, KeepsAtMostAThousandRowsDroppingTheOldest)
{
    TempAppFolder app;
    ErrorLog &log = app.context().log;
    {
        Database db(log.path());
        ASSERT_TRUE(db.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                                           "1000) INSERT INTO \"Error\" (errno, errdesc) SELECT i, 'old' FROM n")));
    }
    log.trace(QStringLiteral("newest"), QStringLiteral("Mygetstring"));
    const auto rows = logRows(log.path());
    ASSERT_EQ(rows.size(), 1000);
    EXPECT_EQ(rows.first()[0].toInt(), 2);
    EXPECT_EQ(rows.last()[0].toInt(), 0);
    EXPECT_EQ(rows.last()[1].toString(), QStringLiteral("newest"));
    EXPECT_EQ(rows.last()[3].toString(), QStringLiteral("Not An Error"));
}

TEST(ErrorLog, AMissingOrDamagedDatabaseRecordsNothingAndDoesNotFail)
{
    TempAppFolder app;
    ErrorLog missing(app.file(QStringLiteral("nowhere/errors")));
    missing.LogError(5, QStringLiteral("x"), QStringLiteral("p"), QStringLiteral("m"), QStringLiteral("f"));
    QFile f(app.file(QStringLiteral("errors-garbage")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2048, '\x55'));
    f.close();
    ErrorLog damaged(f.fileName());
    damaged.LogError(5, QStringLiteral("x"), QStringLiteral("p"), QStringLiteral("m"), QStringLiteral("f"));
    EXPECT_FALSE(QFile::exists(app.file(QStringLiteral("nowhere/errors"))));
    EXPECT_EQ(QFileInfo(f.fileName()).size(), 2048);
}
