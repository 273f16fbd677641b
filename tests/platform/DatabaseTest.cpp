#include "platform/Database.h"
#include "platform/RecordSet.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class DatabaseTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("t.db"));
};
} // namespace

TEST_F(DatabaseTest, OpeningAMissingFileNeverCreatesIt)
{
    for (auto mode : {Database::Mode::ReadWrite, Database::Mode::ReadOnly}) {
        Database db(path, mode);
        EXPECT_FALSE(db.isOpen());
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(DatabaseTest, AFileThatIsNotADatabaseIsRefusedAndLeftAsItWas)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    {
        Database db(path);
        EXPECT_FALSE(db.isOpen());
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(4096, 'x'));
}

TEST_F(DatabaseTest, RecordSetReadsByPositionAndNameAndWritesThrough)
{
    {
        Database db(path, Database::Mode::Create);
        ASSERT_TRUE(db.exec(QStringLiteral("CREATE TABLE \"Group\" (\"Group\" INTEGER, Service INTEGER)")));
        for (int g = 1; g <= 3; ++g)
            ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO \"Group\" VALUES (?, ?)"), {g, 0}));
        RecordSet rs(db, QStringLiteral("group"));
        ASSERT_TRUE(rs.ok());
        EXPECT_EQ(rs.count(), 3);
        EXPECT_EQ(rs.fieldIndex(QStringLiteral("SERVICE")), 1);
        EXPECT_EQ(rs.value(2, 0).toInt(), 3);
        ASSERT_TRUE(rs.setValue(1, QStringLiteral("service"), 2));
        ASSERT_TRUE(rs.remove(0));
        ASSERT_TRUE(rs.addNew({9, 1}));
    }
    Database db(path, Database::Mode::ReadOnly);
    const auto rows = db.rows(QStringLiteral("SELECT \"Group\", Service FROM \"Group\" ORDER BY rowid"));
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, (QList<QVariantList>{{2, 2}, {3, 0}, {9, 1}}));
}

TEST_F(DatabaseTest, CompactIntoWritesASoundCopy)
{
    const QString copy = dir.filePath(QStringLiteral("copy.db"));
    {
        Database db(path, Database::Mode::Create);
        ASSERT_TRUE(db.exec(QStringLiteral("CREATE TABLE t (a)")));
        ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO t VALUES ('it''s')")));
        ASSERT_TRUE(db.integrityCheck());
        ASSERT_TRUE(db.compactInto(copy));
    }
    Database db(copy, Database::Mode::ReadOnly);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT a FROM t"))->toString(), QStringLiteral("it's"));
}
