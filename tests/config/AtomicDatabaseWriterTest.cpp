#include "config/AtomicDatabaseWriter.h"

#include "TempAppFolder.h"
#include "platform/Database.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

// The replaced file keeps what the user gave it: its permissions, and a link
// pointing at it stays a link.
TEST(AtomicDatabaseWriter, KeepsPermissionsAndLinksOfTheReplacedFile)
{
    TempAppFolder app;
    const QString source = app.context().paths.DefaultDbPath();
    const QString real = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("real.mdb"));
    {
        Database db(real);
        ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Config SET System_Config = 3")));
    }
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(real, mode));
    const QString link = app.file(QStringLiteral("link.mdb"));
    ASSERT_TRUE(QFile::link(real, link));

    AtomicDatabaseWriter writer;
    ASSERT_EQ(writer.write(source, link), AtomicDatabaseWriter::Outcome::Written) << writer.lastError().toStdString();

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    Database db(real, Database::Mode::ReadOnly);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT System_Config FROM Config"))->toInt(), 0);
    EXPECT_FALSE(QFile::exists(writer.lastTemporary()));
}

TEST(AtomicDatabaseWriter, AnUnreadableSourceWritesNothing)
{
    TempAppFolder app;
    const QString target = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    QFile garbage(app.file(QStringLiteral("garbage")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    QFile in(target);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray before = in.readAll();
    in.close();

    AtomicDatabaseWriter writer;
    EXPECT_EQ(writer.write(garbage.fileName(), target), AtomicDatabaseWriter::Outcome::CopyFailed);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), before);
    EXPECT_FALSE(QFile::exists(writer.lastTemporary()));
}

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

// The new copy is flushed before it is renamed over the file, and the folder
// entry after: a power loss then finds the old file or the complete new one.
// When the copy cannot be flushed nothing is renamed.
TEST(AtomicDatabaseWriter, FlushesTheCopyThenRenamesThenFlushesTheFolder)
{
    TempAppFolder app;
    const QString source = app.context().paths.DefaultDbPath();
    const QString target = app.copyTemplate(QStringLiteral("DEFAULT"), QStringLiteral("site.mdb"));
    {
        Database db(target);
        ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Config SET System_Config = 3")));
    }
    const QByteArray old = contents(target);

    AtomicDatabaseWriter writer;
    QStringList steps;
    writer.setFlush([&](const QString &path, bool folder) {
        // What the target holds at each flush tells whether the rename has happened.
        const QString holds = contents(target) == old ? QStringLiteral("old") : QStringLiteral("new");
        steps << (folder ? QStringLiteral("folder ") + QFileInfo(path).fileName() : QStringLiteral("copy")) +
                     QStringLiteral(", target ") + holds;
        return true;
    });
    ASSERT_EQ(writer.write(source, target), AtomicDatabaseWriter::Outcome::Written);
    EXPECT_EQ(steps, (QStringList{QStringLiteral("copy, target old"), QStringLiteral("folder ") +
                                                                          QFileInfo(app.path()).fileName() +
                                                                          QStringLiteral(", target new")}));

    // The copy's flush fails: the file is not touched and the copy is gone.
    const QByteArray written = contents(target);
    steps.clear();
    writer.setFlush([&](const QString &, bool folder) {
        steps << (folder ? QStringLiteral("folder") : QStringLiteral("copy"));
        return folder;
    });
    {
        Database db(target);
        ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Config SET System_Config = 1")));
    }
    const QByteArray before = contents(target);
    EXPECT_EQ(writer.write(source, target), AtomicDatabaseWriter::Outcome::CopyFailed);
    EXPECT_EQ(steps, QStringList{QStringLiteral("copy")});
    EXPECT_EQ(contents(target), before);
    EXPECT_NE(before, written);
    EXPECT_FALSE(QFile::exists(writer.lastTemporary()));
    EXPECT_TRUE(writer.lastError().contains(QStringLiteral("flushing the temporary file")));
}
